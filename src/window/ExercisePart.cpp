#include "ExercisePart.h"

#include "ActionRunner.h"
#include "HelpWindows.h"
#include "NoticeLabel.h"
#include "PhasorDocument.h"
#include "SoundPart.h"
#include "SpectrumPart.h"
#include "TipPresenter.h"
#include "ToneSynthesis.h"
#include "WaveformItems.h"
#include "WindowLayout.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <utility>

using WindowLayout::Place;

namespace {

// Three rows of 22 pixels and a gap of 4 above the status bar.
constexpr int StripHeight = 76;
constexpr int ExerciseGrowth = 80;

QString Plain(const QAction *action)
{
  return PlainCaption(action->text());
}

QString Duration(double seconds)
{
  const int whole = int(seconds);
  return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString Number(double value)
{
  return QString::number(value, 'f', 4);
}

}  // namespace

TExercisePart::TExercisePart(TPhasorDocument &document, TActionRunner &actions,
                             TSoundPart &sound, TExerciseView view, QObject *parent)
    : QObject(parent), Session(new TExerciseSession(this)), Document(document),
      Actions(actions), Sound(sound), View(std::move(view))
{
  connect(&Document, &TPhasorDocument::ConjugateChanged, this, [this](bool conjugate) {
    Session->FollowConjugate(conjugate);
  });
  connect(Session, &TExerciseSession::Changed, this, &TExercisePart::ShowState);
  // The sound part may outlive this one while the window is taken down.
  Sound.TargetLoop = [self = QPointer<TExercisePart>(this)] {
    return self ? self->TargetLoop() : std::vector<std::uint8_t>();
  };
  ClockTimer = new QTimer(this);
  ClockTimer->setInterval(1000);
  connect(ClockTimer, &QTimer::timeout, this, &TExercisePart::ShowCounts);
}

void TExercisePart::BuildMenu(QMenuBar *bar, QAction *before)
{
  MenuExercise = new QMenu(bar);
  MenuExercise->setObjectName("MenuExercise");
  bar->insertMenu(before, MenuExercise);
  const auto add = [this](QAction *&action, const char *name, void (TExercisePart::*click)()) {
    action = MenuExercise->addAction(QString());
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, click);
  };
  add(ExerciseNew, "ExerciseNew", &TExercisePart::NewClick);
  add(ExerciseCheck, "ExerciseCheck", &TExercisePart::CheckClick);
  ExerciseCheck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
  add(ExerciseHint, "ExerciseHint", &TExercisePart::HintClick);
  add(ExerciseReveal, "ExerciseReveal", &TExercisePart::RevealClick);
  add(ExerciseEnd, "ExerciseEnd", &TExercisePart::EndClick);
  MenuExercise->addSeparator();
  add(ExerciseOpenSet, "ExerciseOpenSet", &TExercisePart::OpenSetClick);
  add(ExerciseExportResults, "ExerciseExportResults", &TExercisePart::ExportResultsClick);
  MenuExercise->addSeparator();
  add(ExerciseAddTarget, "ExerciseAddTarget", &TExercisePart::AddTargetClick);
  add(ExerciseSaveSet, "ExerciseSaveSet", &TExercisePart::SaveSetClick);
}

void TExercisePart::BuildStrip(QWidget *client)
{
  // Made now, hidden, so that the window scaler knows it from the start.
  ExercisePanel = new QWidget(client);
  ExercisePanel->setObjectName("ExercisePanel");
  ExercisePanel->setGeometry(StripGeometry(0));
  ExercisePanel->setVisible(false);
  QWidget *p = ExercisePanel;
  ExerciseLevelLabel = Place(new QLabel(p), "ExerciseLevelLabel", 8, 2, 60, 20);
  ExerciseLevel = Place(new QSpinBox(p), "ExerciseLevel", 70, 2, 44, 20);
  ExerciseLevel->setRange(1, ExerciseTargets::LevelCount);
  ExerciseLevelLabel->setBuddy(ExerciseLevel);
  ExerciseTargetLabel = Place(new QLabel(p), "ExerciseTargetLabel", 124, 2, 370, 20);
  ExerciseCounts = Place(new QLabel(p), "ExerciseCounts", 500, 2, 274, 20);
  ExerciseNewButton = Place(new QPushButton(p), "ExerciseNewButton", 8, 26, 110, 22);
  ExerciseCheckButton = Place(new QPushButton(p), "ExerciseCheckButton", 122, 26, 90, 22);
  ExerciseHintButton = Place(new QPushButton(p), "ExerciseHintButton", 216, 26, 90, 22);
  ExerciseHearTarget = Place(new QCheckBox(p), "ExerciseHearTarget", 314, 26, 180, 22);
  ExerciseDifference = Place(new QLabel(p), "ExerciseDifference", 500, 26, 274, 22);
  ExerciseResult = Place(new TNoticeLabel(p), "ExerciseResult", 8, 52, 360, 20);
  ExerciseHints = Place(new TNoticeLabel(p), "ExerciseHints", 374, 52, 400, 20);
  connect(ExerciseNewButton, &QPushButton::clicked, this, &TExercisePart::NewClick);
  connect(ExerciseCheckButton, &QPushButton::clicked, this, &TExercisePart::CheckClick);
  connect(ExerciseHintButton, &QPushButton::clicked, this, &TExercisePart::HintClick);
  connect(ExerciseHearTarget, &QCheckBox::clicked, this, &TExercisePart::HearTargetClick);
}

void TExercisePart::Retranslate()
{
  MenuExercise->setTitle(tr("E&xercise"));
  // A reader entering the strip hears what it is.
  if (ExercisePanel)
    ExercisePanel->setAccessibleName(PlainCaption(MenuExercise->title()));
  ExerciseCheck->setText(tr("&Check"));
  ExerciseCheck->setToolTip(tr("Compare your wave with the dashed target: one attempt."));
  ExerciseHint->setText(tr("&Hint"));
  ExerciseHint->setToolTip(tr("First how many harmonics the target uses, then its spectrum "
                              "outlined, then one harmonic's value at a time."));
  ExerciseReveal->setText(tr("Show &Answer"));
  ExerciseReveal->setToolTip(tr("Make the set the target's. The target counts as not solved."));
  ExerciseEnd->setText(tr("&End Exercise"));
  ExerciseEnd->setToolTip(tr("Hide the target and the exercise panel; the results stay for "
                             "Export Results."));
  ExerciseOpenSet->setText(tr("&Open Exercise Set..."));
  ExerciseOpenSet->setToolTip(tr("Work through a teacher's exercise set, target by target."));
  ExerciseExportResults->setText(tr("E&xport Results..."));
  ExerciseExportResults->setToolTip(
      tr("Write a CSV file for the teacher: one row per target, whether it was solved, the "
         "attempts, hints and seconds."));
  ExerciseAddTarget->setText(tr("A&dd Current Set as Target"));
  ExerciseAddTarget->setToolTip(
      tr("For teachers: add the set you see as the next target of a new exercise set."));
  ExerciseLevelLabel->setText(tr("Level:"));
  SetTip(ExerciseLevel,
         tr("The level of the next new target: 1, one harmonic, up to 6, a random shape of up "
            "to 25 harmonics."),
         tr("Level"));
  ExerciseCheckButton->setText(Plain(ExerciseCheck));
  ExerciseCheckButton->setToolTip(ExerciseCheck->toolTip());
  ExerciseHintButton->setText(Plain(ExerciseHint));
  ExerciseHintButton->setToolTip(ExerciseHint->toolTip());
  ExerciseHearTarget->setText(tr("Hear Target"));
  SetTip(ExerciseHearTarget,
         tr("Play the target's tone in place of yours; uncheck it to hear yours again."));
  ShowState();
}

int TExercisePart::Growth() const
{
  return Shown() ? ExerciseGrowth : 0;
}

QRect TExercisePart::StripGeometry(int above) const
{
  return QRect(0, WindowLayout::StatusBarTop + above, WindowLayout::ClientWidth, StripHeight);
}

bool TExercisePart::Shown() const
{
  return Session->Active();
}

const std::array<double, SweepSteps> *TExercisePart::TargetWave() const
{
  return Session->Active() ? &Session->TargetWave() : nullptr;
}

const TPhasorArray *TExercisePart::Outlines() const
{
  return Session->Active() && (Session->OutlinesShown() || Session->Finished())
             ? &Session->TargetEntries()
             : nullptr;
}

std::vector<std::uint8_t> TExercisePart::TargetLoop() const
{
  std::vector<std::uint8_t> loop;
  if (Session->Active() && ExerciseHearTarget && ExerciseHearTarget->isChecked()) {
    loop.resize(ToneBytes);
    ToneSynthesis::SynthesizeToneBytes(Session->TargetEntries(), Session->TargetHighest(),
                                       loop.data());
  }
  return loop;
}

void TExercisePart::StartExercise(int level, quint32 seed)
{
  Session->StartLevel(level, seed, Document.Conjugate);
  ExerciseLevel->setValue(Session->Level());
  ClearForTarget();
}

bool TExercisePart::OpenExerciseSet(const QString &path, QString &error)
{
  QByteArray bytes;
  std::vector<ExerciseSetFile::TTarget> set;
  if (!PhasorSetFile::ReadFileBytes(path, bytes, error) || !ExerciseSetFile::Read(bytes, set, error))
    return false;
  Session->StartSet(set, Document.Conjugate);
  ClearForTarget();
  return true;
}

bool TExercisePart::SaveExerciseSet(const QString &path, QString &error)
{
  return PhasorSetFile::WriteFileAtomically(path, ExerciseSetFile::Write(MadeSet), error);
}

bool TExercisePart::ExportResults(const QString &path, QString &error)
{
  return PhasorSetFile::WriteFileAtomically(path, ExerciseSetFile::ResultsCsv(Session->Results()),
                                            error);
}

void TExercisePart::ClearForTarget()
{
  View.StopWork();
  {
    const TActionScope action(Actions);
    View.ChooseWaveform(WaveformItems::CustomRotants);
    View.SetHighest(HarmonicCount - 1);
    Sound.SynthesizeTone();
  }
  View.ResetHistory();
  DifferenceValid = false;
  SetShown(true);
  ExerciseResult->Repeat();  // a new target is heard by its first words
  ShowState();
  View.Redraw();
}

void TExercisePart::SetShown(bool on)
{
  if (ExercisePanel->isVisible() == on)
    return;
  ExercisePanel->setVisible(on);
  if (on)
    ClockTimer->start();
  else
    ClockTimer->stop();
  View.Relayout();
}

void TExercisePart::NewClick()
{
  if (!View.ConfirmDropWork())
    return;
  if (Session->Active() && Session->SequenceIndex() + 1 < int(Session->Sequence().size())) {
    Session->StartNextInSet(Document.Conjugate);
    ClearForTarget();
    return;
  }
  StartExercise(ExerciseLevel->value(), QRandomGenerator::global()->generate());
}

void TExercisePart::CheckClick()
{
  // Every check is heard, also one that reads as the one before.
  ExerciseResult->Repeat();
  if (Session->Check(Document.PhasorList, Document.HighestHarmonic, Document.Conjugate)
      && Session->Level() > 0)
    ExerciseLevel->setValue(std::min(Session->Level() + 1, ExerciseTargets::LevelCount));
}

void TExercisePart::HintClick()
{
  if (!Session->TakeHint(Document.PhasorList, Document.HighestHarmonic))
    return;
  if (Session->OutlinesShown())
    View.ShowSpectrum();
  View.Redraw();
}

void TExercisePart::RevealClick()
{
  if (!Session->Active() || Session->Finished())
    return;
  Session->Reveal();
  View.StopWork();
  const TActionScope action(Actions, Plain(ExerciseReveal), TStepKind::Rebuild);
  View.ChooseWaveform(WaveformItems::CustomRotants);
  View.SetHighest(Session->TargetHighest());
  for (int k : Session->HarmonicsUsed()) {
    const HarmonicPhasor &e = Session->TargetEntries()[std::size_t(k)];
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(e.Re, e.Im, magnitude, angle);
    View.EditHarmonic(k, magnitude, angle);
  }
}

void TExercisePart::EndClick()
{
  if (!Session->Active())
    return;
  Session->End();
  ExerciseHearTarget->setChecked(false);
  SetShown(false);
  Sound.RefreshTone();
  View.Redraw();
}

void TExercisePart::HearTargetClick()
{
  if (!Session->Active()) {
    ExerciseHearTarget->setChecked(false);
    return;
  }
  if (ExerciseHearTarget->isChecked() && !Sound.SoundCheckBox->isChecked())
    Sound.SoundCheckBox->click();
  Sound.RefreshTone();
}

void TExercisePart::AddTargetClick()
{
  ExerciseSetFile::TTarget target;
  target.Set = View.CaptureSet();
  const QString file = View.CurrentFile();
  target.Name = !file.isEmpty() ? QFileInfo(file).completeBaseName()
                                : Document.WaveformNames().value(Document.WaveformItem);
  MadeSet.push_back(target);
  if (MadeSet.size() > std::size_t(ExerciseSetFile::MaxTargets))
    MadeSet.erase(MadeSet.begin());
  ShowState();
}

void TExercisePart::SaveSetClick()
{
  if (MadeSet.empty())
    return;
  QString path = QFileDialog::getSaveFileName(
      nullptr, tr("Save Exercise Set"), View.StartFolder(),
      tr("Exercise sets (*%1)").arg(QLatin1String(ExerciseSetFile::Extension)));
  if (path.isEmpty())
    return;
  if (!path.endsWith(QLatin1String(ExerciseSetFile::Extension), Qt::CaseInsensitive))
    path += QLatin1String(ExerciseSetFile::Extension);
  QString error;
  if (!SaveExerciseSet(path, error))
    View.ShowWarning(tr("The exercise set could not be saved as %1: %2.")
                         .arg(QDir::toNativeSeparators(path), error));
}

void TExercisePart::OpenSetClick()
{
  if (!View.ConfirmDropWork())
    return;
  const QString path = QFileDialog::getOpenFileName(
      nullptr, tr("Open Exercise Set"), View.StartFolder(),
      tr("Exercise sets (*%1)").arg(QLatin1String(ExerciseSetFile::Extension)));
  if (path.isEmpty())
    return;
  QString error;
  if (!OpenExerciseSet(path, error))
    View.ShowWarning(tr("The exercise set %1 could not be opened: %2.")
                         .arg(QDir::toNativeSeparators(path), error));
}

void TExercisePart::ExportResultsClick()
{
  QString path = QFileDialog::getSaveFileName(nullptr, tr("Export Results"), View.StartFolder(),
                                              tr("CSV files (*.csv)"));
  if (path.isEmpty())
    return;
  if (QFileInfo(path).suffix().isEmpty())
    path += QStringLiteral(".csv");
  QString error;
  if (!ExportResults(path, error))
    View.ShowWarning(tr("The results could not be written to %1: %2.")
                         .arg(QDir::toNativeSeparators(path), error));
}

void TExercisePart::ShowDifference(const TPhasorArray &shown)
{
  if (!Session->Active())
    return;
  bool same = DifferenceValid && DifferenceHighest == Document.HighestHarmonic
              && DifferenceConjugate == Document.Conjugate;
  for (std::size_t k = 0; same && k < shown.size(); ++k)
    same = shown[k].Re == DifferenceEntries[k].Re && shown[k].Im == DifferenceEntries[k].Im;
  if (same)
    return;
  DifferenceEntries = shown;
  DifferenceHighest = Document.HighestHarmonic;
  DifferenceConjugate = Document.Conjugate;
  DifferenceValid = true;
  ExerciseDifference->setText(
      tr("Difference (RMS): %1, solved below %2")
          .arg(Number(Session->Difference(shown, DifferenceHighest, DifferenceConjugate)),
               Number(Session->Threshold())));
}

void TExercisePart::ShowCounts()
{
  ExerciseCounts->setText(tr("Attempts: %1   Hints: %2   Time: %3")
                              .arg(Session->Attempts())
                              .arg(Session->Hints())
                              .arg(Duration(Session->Seconds())));
}

QString TExercisePart::LevelText(int level)
{
  switch (level) {
  case 1: return tr("One harmonic, magnitude only");
  case 2: return tr("Up to three harmonics, angles 0° or 180°");
  case 3: return tr("Up to three harmonics, any angles");
  case 4: return tr("Up to six harmonics");
  case 5: return tr("A standard waveform, cut at a highest harmonic");
  default: return tr("A random shape of up to 25 harmonics");
  }
}

QString TExercisePart::ResultText() const
{
  if (Session->Revealed())
    return tr("The answer is shown.");
  if (Session->Solved())
    return tr("Solved! Well done.");
  if (Session->Checked())
    return tr("Not yet: the difference was %1.").arg(Number(Session->CheckedDifference()));
  return tr("Build the dashed wave, then Check.");
}

// The newest hint in the label, every hint taken in its tip.
void TExercisePart::ShowHints()
{
  QStringList hints;
  if (Session->Hints() >= 1)
    hints << tr("Harmonics used: %1").arg(Session->HarmonicsUsed().size());
  if (Session->OutlinesShown())
    hints << tr("The target's spectrum is outlined in the strip.");
  for (int k : Session->RevealedHarmonics()) {
    const HarmonicPhasor &e = Session->TargetEntries()[std::size_t(k)];
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(e.Re, e.Im, magnitude, angle);
    hints << TSpectrumPart::BarTip(k, magnitude, angle);
  }
  ExerciseHints->setText(hints.value(hints.size() - 1));
  ExerciseHints->setToolTip(hints.join(QLatin1Char('\n')));
}

void TExercisePart::ShowState()
{
  if (!ExercisePanel)
    return;
  const bool active = Session->Active();
  const bool open = active && !Session->Finished();
  const bool nextInSet =
      active && Session->SequenceIndex() + 1 < int(Session->Sequence().size());
  ExerciseNew->setText(nextInSet || (active && Session->Finished()) ? tr("&Next Target")
                                                                    : tr("&New Target"));
  ExerciseNew->setToolTip(tr("A new target to match, at the level the exercise panel shows, or "
                             "the next target of an exercise set."));
  ExerciseNewButton->setText(Plain(ExerciseNew));
  ExerciseNewButton->setAccessibleName(ExerciseNewButton->text());
  ExerciseNewButton->setToolTip(ExerciseNew->toolTip());
  // A button that is disabled under the keyboard focus would pass it on to
  // whatever comes next in the chain (Hear Target, which Space would then
  // switch on); the focus goes to the button that comes next in the work.
  if ((ExerciseCheckButton->hasFocus() && !open)
      || (ExerciseHintButton->hasFocus() && !Session->HintLeft()))
    (open ? ExerciseCheckButton : ExerciseNewButton)->setFocus();
  ExerciseCheck->setEnabled(open);
  ExerciseCheckButton->setEnabled(open);
  ExerciseHint->setEnabled(Session->HintLeft());
  ExerciseHintButton->setEnabled(Session->HintLeft());
  ExerciseReveal->setEnabled(open);
  ExerciseEnd->setEnabled(active);
  ExerciseExportResults->setEnabled(!Session->Results().empty());
  ExerciseSaveSet->setEnabled(!MadeSet.empty());
  ExerciseSaveSet->setText(tr("&Save Exercise Set (%1)...").arg(MadeSet.size()));
  ExerciseSaveSet->setToolTip(tr("Save the targets added so far as one exercise set."));
  ExerciseLevel->setEnabled(Session->Sequence().empty());
  if (!active) {
    QLabel *const labels[] = {ExerciseTargetLabel, ExerciseCounts, ExerciseDifference,
                             ExerciseResult, ExerciseHints};
    for (QLabel *label : labels) {
      label->clear();
      label->setToolTip(QString());
    }
    ExerciseResult->Announce();
    ExerciseHints->Announce();
    return;
  }
  ExerciseTargetLabel->setText(
      Session->Level() > 0
          ? LevelText(Session->Level())
          : tr("Target %1 of %2: %3")
                .arg(Session->SequenceIndex() + 1)
                .arg(Session->Sequence().size())
                .arg(Session->TargetName()));
  ExerciseResult->setText(ResultText());
  ShowHints();
  ShowCounts();
  ExerciseResult->Announce();
  ExerciseHints->Announce();
}
