#include "RecordingPart.h"

#include "ActionRunner.h"
#include "ImageCanvas.h"
#include "Microphone.h"
#include "PhasorDocument.h"
#include "SoundPart.h"
#include "TipPresenter.h"
#include "WaveformItems.h"
#include "WindowLayout.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

QFont WindowFont();

using WindowLayout::Place;

namespace {

// The strip (58 pixels: the overview, then a row of its controls) and a gap
// of 4 above the status bar.
constexpr int StripHeight = 58;
constexpr int RecordingGrowth = 62;
constexpr int OverviewWidth = 766;
constexpr int OverviewHeight = 32;
constexpr int ListenMilliseconds = 100;

constexpr TColour OverviewBack = 0xFFFFFF;
constexpr TColour PartColour = 0x80D8FF;  // amber, light
constexpr TColour PeakColour = 0x404040;
constexpr TColour PartPeakColour = 0x0068C0;  // amber, dark: the part's own peaks

QString Hertz(double fundamental)
{
  return QString::number(fundamental, 'f', 1);
}

// A sample in -1..1 as the player's unsigned 8-bit byte.
std::uint8_t PlayerByte(float v)
{
  return std::uint8_t(std::clamp(128L + std::lround(double(v) * 127.0), 0L, 255L));
}

}  // namespace

TRecordingPart::TRecordingPart(TPhasorDocument &document, TActionRunner &actions,
                               TSoundPart &sound, TRecordingView view, QObject *parent)
    : QObject(parent), Document(document), Actions(actions), Sound(sound), View(std::move(view))
{
  Microphone = new TMicrophone(this);
  connect(Microphone, &TMicrophone::InputReport, this, &TRecordingPart::InputReport);
  ListenTimer = new QTimer(this);
  ListenTimer->setInterval(ListenMilliseconds);
  connect(ListenTimer, &QTimer::timeout, this, &TRecordingPart::ListenTick);
  // The sound part may outlive this one while the window is taken down.
  Sound.RecordingLoop = [self = QPointer<TRecordingPart>(this)] {
    return self && self->SoundPlayRecording && self->SoundPlayRecording->isChecked()
                   && self->SourceIsTheSets()
               ? self->Loop
               : std::vector<std::uint8_t>();
  };
  connect(&Document, &TPhasorDocument::RecordedFromChanged, this, &TRecordingPart::ShowRecording);
  connect(&Document, &TPhasorDocument::WaveformChanged, this, [this](int item) {
    if (item != WaveformItems::CustomTime)
      StopListening();
  });
}

void TRecordingPart::BuildStrip(QWidget *client)
{
  // Made now, hidden, so that the window scaler knows it from the start.
  RecordingPanel = new QWidget(client);
  RecordingPanel->setObjectName("RecordingPanel");
  RecordingPanel->setGeometry(StripGeometry(0));
  RecordingPanel->setVisible(false);
  RecordingOverview = Place(new TImageCanvas(RecordingPanel, OverviewWidth, OverviewHeight),
                            "RecordingOverview", 8, 0, OverviewWidth, OverviewHeight);
  RecordingOverview->Font = WindowFont();
  RecordingLabel = Place(new QLabel(RecordingPanel), "RecordingLabel", 8, 37, 330, 17);
  InputWarningIcon = Place(new QLabel(RecordingPanel), "InputWarningIcon", 340, 37, 17, 17);
  InputWarningIcon->setPixmap(
      QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  InputWarningIcon->setScaledContents(true);
  InputWarningIcon->setVisible(false);
  SoundPlayRecording =
      Place(new QCheckBox(RecordingPanel), "SoundPlayRecording", 380, 37, 180, 17);
  SoundAtRecordingPitch =
      Place(new QCheckBox(RecordingPanel), "SoundAtRecordingPitch", 570, 37, 204, 17);
  connect(SoundPlayRecording, &QCheckBox::clicked, this, &TRecordingPart::FollowSound);
  connect(SoundAtRecordingPitch, &QCheckBox::clicked, this, &TRecordingPart::FollowSound);
  connect(RecordingOverview, &TImageCanvas::MouseDown, this, &TRecordingPart::OverviewDown);
  connect(RecordingOverview, &TImageCanvas::MouseMove, this, &TRecordingPart::OverviewMove);
  connect(RecordingOverview, &TImageCanvas::MouseUp, this, &TRecordingPart::OverviewUp);
  connect(RecordingOverview, &TImageCanvas::DisplayScaleChanged, this,
          &TRecordingPart::DrawOverview);
}

void TRecordingPart::BuildActions(QMenu *menu)
{
  ViewListen = menu->addAction(QString());
  ViewListen->setObjectName("ViewListen");
  ViewListen->setCheckable(true);
  connect(ViewListen, &QAction::triggered, this, &TRecordingPart::ViewListenClick);
}

void TRecordingPart::Retranslate()
{
  ViewListen->setText(tr("Liste&n"));
  ViewListen->setToolTip(tr("Analyse what the microphone hears, ten times a second: the plots, "
                            "the table, the spectrum and the tone follow. Unchecked, the last "
                            "analysis stays."));
  SoundPlayRecording->setText(tr("Play Recording"));
  SoundPlayRecording->setToolTip(
      tr("With Sound On, loop the part of the recording analysed in place of the sum, to "
         "compare the two."));
  SetTip(RecordingOverview,
         tr("The whole recording, with the part analysed marked. Drag the part, or click "
            "elsewhere, to analyse another."),
         tr("Recording overview"));
  InputWarningIcon->setToolTip(tr("No sound input available"));
  InputWarningIcon->setAccessibleName(InputWarningIcon->toolTip());
  ShowRecording();
}

bool TRecordingPart::IsRecordingName(const QString &path)
{
  static const QStringList endings{"wav", "flac", "ogg", "oga", "aif", "aiff", "aifc"};
  return endings.contains(QFileInfo(path).suffix().toLower());
}

QString TRecordingPart::ErrorText(Recording::TError error)
{
  switch (error) {
  case Recording::TError::None:
    break;
  case Recording::TError::NotSound:
    return tr("it is not a recording Rotants can read (WAV, FLAC, Ogg Vorbis or AIFF)");
  case Recording::TError::Empty:
    return tr("the recording is empty");
  case Recording::TError::Truncated:
    return tr("the recording ends too early (the file is truncated)");
  case Recording::TError::RateOutside:
    return tr("its sample rate lies outside 8 to 192 kHz");
  case Recording::TError::PartOutside:
    return tr("the part asked for lies outside the recording");
  case Recording::TError::TooShort:
    return tr("the part is shorter than two periods of its pitch");
  case Recording::TError::Silence:
    return tr("the part is silent");
  case Recording::TError::NoPitch:
    return tr("the part has no steady pitch between 50 and 2000 Hz");
  }
  return QString();
}

bool TRecordingPart::OpenRecording(const QString &path, double from, double to,
                                   QString &error)
{
  Recording::TSource source;
  Recording::TError fault = Recording::TError::None;
  Recording::TPart part;
  Recording::TAnalysis analysis;
  bool read = source.Open(QFile::encodeName(path).toStdString(), fault);
  if (read && from < 0.0) {
    read = Recording::FindSteadyPart(source, part, fault);
  } else if (read) {
    const double rate = source.SampleRate();
    part.Start = std::int64_t(std::floor(from * rate));
    const double end = to >= 0.0 ? to : from + Recording::SteadySeconds;
    part.Frames = std::int64_t(std::floor(end * rate)) - part.Start;
  }
  // The set stays as it was until the part is known to analyse.
  if (!read || !Recording::AnalysePart(source, part, analysis, fault)) {
    error = ErrorText(fault);
    return false;
  }
  Source = std::move(source);
  SourcePath = QFileInfo(path).absoluteFilePath();
  Peaks = Source->Overview(OverviewWidth);
  const TActionScope action(Actions, tr("Recording"), TStepKind::Rebuild);
  View.StopWork();
  TakePart(part, analysis);
  return true;
}

void TRecordingPart::TakePart(const Recording::TPart &part, const Recording::TAnalysis &analysis)
{
  View.ShowPeriod(analysis.Period);
  TRecordedFrom from;
  from.Name = QFileInfo(SourcePath).fileName();
  from.Path = SourcePath;
  from.Fundamental = analysis.Fundamental;
  from.Start = part.Start;
  from.Frames = part.Frames;
  Document.SetRecordedFrom(from);
  const std::vector<float> loop =
      Recording::LoopOfPart(*Source, part, analysis.Fundamental, 44100);
  Loop.assign(2 * loop.size(), 0);
  for (std::size_t i = 0; i < loop.size(); ++i)
    Loop[2 * i] = Loop[2 * i + 1] = PlayerByte(loop[i]);
  FollowSound();
}

bool TRecordingPart::SourceIsTheSets() const
{
  return Source && !SourcePath.isEmpty() && Document.RecordedFrom.Path == SourcePath;
}

bool TRecordingPart::Listening() const
{
  return ViewListen && ViewListen->isChecked();
}

void TRecordingPart::HoldListening(bool hold)
{
  if (!Listening())
    return;
  if (hold)
    ListenTimer->stop();
  else
    ListenTimer->start();
}

bool TRecordingPart::Shown() const
{
  return !Document.RecordedFrom.Name.isEmpty() || Listening();
}

int TRecordingPart::Growth() const
{
  return Shown() ? RecordingGrowth : 0;
}

QRect TRecordingPart::StripGeometry(int above) const
{
  return QRect(0, WindowLayout::StatusBarTop + above, WindowLayout::ClientWidth, StripHeight);
}

// The strip shows the document's recording: its name and pitch, the controls
// that need its audio or its pitch, the overview; it shows or hides with it.
void TRecordingPart::ShowRecording()
{
  if (!RecordingPanel)
    return;
  const TRecordedFrom &from = Document.RecordedFrom;
  if (Listening())
    RecordingLabel->setText(from.Fundamental > 0.0 && from.Path.isEmpty()
                                ? tr("Microphone: %1 Hz").arg(Hertz(from.Fundamental))
                                : tr("Microphone: listening"));
  else if (!from.Name.isEmpty())
    RecordingLabel->setText(tr("Recording: %1, %2 Hz").arg(from.Name, Hertz(from.Fundamental)));
  else
    RecordingLabel->clear();
  RecordingLabel->setToolTip(from.Path.isEmpty() || SourceIsTheSets()
                                 ? RecordingLabel->text()
                                 : tr("The audio is not kept with a saved set: open the "
                                      "recording again to hear it or analyse another part."));
  SoundPlayRecording->setEnabled(SourceIsTheSets());
  SoundAtRecordingPitch->setEnabled(from.Fundamental > 0.0);
  SoundAtRecordingPitch->setText(from.Fundamental > 0.0
                                     ? tr("Sum at %1 Hz").arg(Hertz(from.Fundamental))
                                     : tr("Sum at the recording's pitch"));
  SoundAtRecordingPitch->setToolTip(
      tr("With Sound On, play the sum of the harmonics at the recording's fundamental instead "
         "of 441 Hz."));
  InputWarningIcon->setVisible(Listening() && InputMissing);
  RecordingOverview->setVisible(SourceIsTheSets());
  if (RecordingPanel->isHidden() == Shown()) {
    RecordingPanel->setVisible(Shown());
    View.Relayout();
  }
  DrawOverview();
  if (Sound.SumPitchHz() != (SoundAtRecordingPitch->isChecked() ? from.Fundamental : 0.0))
    FollowSound();
}

// What plays follows the two boxes: the recording's part in place of the sum,
// the sum at the recording's pitch.
void TRecordingPart::FollowSound()
{
  const double pitch = Document.RecordedFrom.Fundamental;
  Sound.SetSumPitch(SoundAtRecordingPitch && SoundAtRecordingPitch->isChecked() && pitch > 0.0
                        ? pitch
                        : 0.0);
}

void TRecordingPart::DrawOverview()
{
  if (!RecordingOverview || RecordingOverview->isHidden() || !Source)
    return;
  TImageCanvas &canvas = *RecordingOverview;
  const int width = canvas.Width();
  const int height = canvas.Height();
  canvas.Pen.Colour = PeakColour;
  canvas.Brush.Colour = OverviewBack;
  canvas.Rectangle(0, 0, width, height);
  const Recording::TPart part = Dragging ? DraggedPart : Recording::TPart{
      Document.RecordedFrom.Start, Document.RecordedFrom.Frames};
  const double frames = double(std::max<std::int64_t>(Source->Frames(), 1));
  const int left = int(std::floor(part.Start / frames * width));
  const int right = std::max(left + 2, int(std::ceil((part.Start + part.Frames) / frames * width)));
  canvas.Pen.Colour = PartColour;
  canvas.Brush.Colour = PartColour;
  canvas.Rectangle(std::max(left, 1), 1, std::min(right, width - 1), height - 1);
  canvas.Pen.Colour = PeakColour;
  const int middle = height / 2;
  // Scaled to the loudest peak, so a quiet recording shows its shape too.
  const float loudest = Peaks.empty() ? 0.0f : *std::max_element(Peaks.begin(), Peaks.end());
  const double scale = loudest > 0.0f ? (middle - 2) / double(loudest) : 0.0;
  for (int x = 1; x + 1 < width && std::size_t(x) < Peaks.size(); ++x) {
    canvas.Pen.Colour = x >= left && x < right ? PartPeakColour : PeakColour;
    const int reach = int(std::lround(Peaks[std::size_t(x)] * scale));
    canvas.MoveTo(x, middle - reach);
    canvas.LineTo(x, middle + reach + 1);
  }
}

Recording::TPart TRecordingPart::PartAt(int column) const
{
  Recording::TPart part{Document.RecordedFrom.Start, Document.RecordedFrom.Frames};
  const double framesPerColumn = double(Source->Frames()) / RecordingOverview->Width();
  part.Start = std::clamp<std::int64_t>(std::int64_t((column - DragOffset) * framesPerColumn), 0,
                                        std::max<std::int64_t>(Source->Frames() - part.Frames, 0));
  return part;
}

void TRecordingPart::OverviewDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int)
{
  if (button != Qt::LeftButton || !SourceIsTheSets())
    return;
  const double framesPerColumn = double(Source->Frames()) / RecordingOverview->Width();
  const int left = int(Document.RecordedFrom.Start / framesPerColumn);
  const int right = int((Document.RecordedFrom.Start + Document.RecordedFrom.Frames) /
                        framesPerColumn);
  // A press on the part holds it where it was taken; elsewhere it centres the
  // part under the mouse.
  DragOffset = x >= left && x <= right ? x - left : (right - left) / 2;
  Dragging = true;
  DraggedPart = PartAt(x);
  DrawOverview();
}

void TRecordingPart::OverviewMove(Qt::KeyboardModifiers, int x, int)
{
  if (!Dragging)
    return;
  DraggedPart = PartAt(x);
  DrawOverview();
}

void TRecordingPart::OverviewUp(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int)
{
  if (button != Qt::LeftButton || !Dragging)
    return;
  DraggedPart = PartAt(x);
  Dragging = false;
  const Recording::TPart part = DraggedPart;
  Recording::TAnalysis analysis;
  Recording::TError error = Recording::TError::None;
  if (part.Start != Document.RecordedFrom.Start) {
    if (Recording::AnalysePart(*Source, part, analysis, error)) {
      const TActionScope action(Actions, tr("Recording Part"), TStepKind::Rebuild);
      TakePart(part, analysis);
    } else {
      View.ShowWarning(tr("This part cannot be analysed: %1.").arg(ErrorText(error)));
    }
  }
  DrawOverview();
}

void TRecordingPart::ViewListenClick()
{
  if (Listening()) {
    Document.ForgetStroke();
    Document.StartStroke();
    InputMissing = false;
    Microphone->Start();
    ListenTimer->start();
  } else {
    ListenTimer->stop();
    Microphone->Stop();
    Document.EndStroke(tr("Listening"), TStepKind::Rebuild);
  }
  ShowRecording();
}

void TRecordingPart::StopListening()
{
  if (!Listening())
    return;
  ViewListen->setChecked(false);
  ViewListenClick();
}

// A tick that hears no steady pitch keeps the set as it was.
void TRecordingPart::ListenTick()
{
  const int rate = Microphone->SampleRate();
  const std::vector<float> heard =
      Microphone->Latest(int(std::lround(rate * Recording::SteadySeconds)));
  Recording::TAnalysis analysis;
  Recording::TError error = Recording::TError::None;
  if (heard.empty() || !Recording::Analyse(heard, rate, analysis, error))
    return;
  const TActionScope action(Actions);
  View.ShowPeriod(analysis.Period);
  TRecordedFrom from;
  from.Name = tr("Microphone");
  from.Fundamental = analysis.Fundamental;
  Document.SetRecordedFrom(from);
}

void TRecordingPart::InputReport(bool available)
{
  InputMissing = !available;
  ShowRecording();
}
