#include "MainForm.h"

#include "MyGraphUnit.h"
#include "NumberText.h"
#include "Reconstruction.h"
#include "ToneSynthesis.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>

#include <algorithm>

// One harmonic at a time: the highlight in both plots, the harmonic heard
// alone, and the RMS error readout. All three are View options, off at first;
// the highlight and the error are remembered in the settings, the solo is not,
// so a new day never starts with one quiet harmonic playing unexplained. With
// them off nothing here draws or plays.

namespace {

const char HighlightKey[] = "View/HighlightHarmonic";
const char ErrorKey[] = "View/ShowError";

// Amber: apart from the plots' magenta, purple, green, red and black, and from
// their white and silver backgrounds, under protan, deutan and tritan vision
// too (CIELAB distance above 25 in simulations of each).
constexpr TColour HighlightColour = 0x00B0FF;
constexpr int HighlightWidth = 4;  // pixels; the chain is 2
constexpr int ErrorPanelWidth = 110;
// The rest of the status bar's width after the four panels.
constexpr int SelectedPanelWidth = 310;


}  // namespace

void TRotantsForm::BuildTeachingActions()
{
  MenuView->addSeparator();
  const auto addOption = [this](const char *name, const QString &text) {
    QAction *action = MenuView->addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    return action;
  };
  ViewHighlightHarmonic = addOption("ViewHighlightHarmonic", "&Highlight Selected Harmonic");
  Sound->BuildSoloAction(MenuView);
  ViewSoloHarmonic = Sound->ViewSoloHarmonic;
  ViewShowError = addOption("ViewShowError", "Show &Error");
  connect(ViewHighlightHarmonic, &QAction::triggered, this,
          &TRotantsForm::ViewHighlightHarmonicClick);
  connect(Sound, &TSoundPart::SoloChanged, this, &TRotantsForm::ShowSelectedHarmonic);
  connect(ViewShowError, &QAction::triggered, this, &TRotantsForm::ViewShowErrorClick);

  StatusPanel3 = new QLabel(StatusBar);
  StatusPanel3->setObjectName("StatusPanel3");
  StatusPanel3->setFixedSize(ErrorPanelWidth, StatusPanel2->height());
  StatusPanel3->setFrameStyle(StatusPanel2->frameStyle());
  StatusPanel3->setIndent(StatusPanel2->indent());
  StatusBar->addWidget(StatusPanel3);
  StatusPanel3->hide();

  SelectedHarmonicPanel = new QLabel(StatusBar);
  SelectedHarmonicPanel->setObjectName("SelectedHarmonicPanel");
  SelectedHarmonicPanel->setFixedSize(SelectedPanelWidth, StatusPanel2->height());
  SelectedHarmonicPanel->setFrameStyle(StatusPanel2->frameStyle());
  SelectedHarmonicPanel->setIndent(StatusPanel2->indent());
  StatusBar->addWidget(SelectedHarmonicPanel);
  SelectedHarmonicPanel->hide();
}

// Names the harmonic that Highlight and Solo are about while either is on, and
// says so when it lies above the highest harmonic (nothing to see or hear).
void TRotantsForm::ShowSelectedHarmonic()
{
  const bool highlight = ViewHighlightHarmonic->isChecked();
  const bool solo = ViewSoloHarmonic->isChecked();
  SelectedHarmonicPanel->setVisible(highlight || solo);
  if (!highlight && !solo) {
    // A hidden panel keeps no text, as a window that never showed it.
    if (ShownSelectedSource != std::array<int, 3>{-1, -1, -1}) {
      ShownSelectedSource = {-1, -1, -1};
      SelectedHarmonicPanel->clear();
    }
    return;
  }
  const int k = SelectedHarmonic();
  // A redraw calls this on every animation tick: the text is made anew only
  // when what it says has changed.
  const std::array<int, 3> source{k, HighestHarmonic, solo ? 1 : 0};
  if (source == ShownSelectedSource)
    return;
  ShownSelectedSource = source;
  QString text;
  if (k > HighestHarmonic)
    text = tr("Harmonic %1: above the highest harmonic").arg(k);
  else if (solo)
    text = tr("Harmonic %1 alone").arg(k);
  else
    text = tr("Harmonic %1").arg(k);
  SelectedHarmonicPanel->setText(text);
}

// The harmonic of the grid's current row (rows 1..26 hold harmonics 0..25);
// harmonic 0 while no row is current.
int TRotantsForm::SelectedHarmonic() const
{
  return std::clamp(Document.SelectedHarmonic(), 0, HarmonicCount - 1);
}

void TRotantsForm::ViewHighlightHarmonicClick()
{
  RememberTeachingOptions();
  ShowSelectedHarmonic();
  TimeTrackBarChange();
}

// The tone is synthesised again and, with Sound On, swapped into the loop
// that plays, so the change is heard without a gap.
void TRotantsForm::ViewSoloHarmonicClick()
{
  Sound->SoloClick();
}

void TRotantsForm::ViewShowErrorClick()
{
  RememberTeachingOptions();
  StatusPanel3->setVisible(ViewShowError->isChecked());
  ShowRmsError();
}

void TRotantsForm::SelectedHarmonicChanged()
{
  ShowSelectedHarmonic();
  if (ViewHighlightHarmonic->isChecked())
    TimeTrackBarChange();
  else
    Spectrum->Redraw();
  if (ViewSoloHarmonic->isChecked())
    Sound->RefreshTone();
}

// Over the chain just drawn: the selected harmonic's own phasor, from the
// running sum before it to the one after it.
void TRotantsForm::DrawHighlightedSegment()
{
  const int k = SelectedHarmonic();
  if (!ViewHighlightHarmonic->isChecked() || k + 1 >= ChainPointCount)
    return;
  const TCanvasPen chainPen = PhasorImage->Pen;
  PhasorImage->Pen.Colour = HighlightColour;
  PhasorImage->Pen.Width = HighlightWidth;
  PhasorImage->Polyline(&ChainPoints[std::size_t(k)], 2);
  PhasorImage->Pen = chainPen;
}

// ComponentValues[0..n] hold the selected harmonic's part of the real value,
// filled by PlotReconstruction; drawn two pixels wide like the reconstruction,
// with the cheaper double line, so the highlight adds little to a redraw.
void TRotantsForm::DrawHighlightedComponent(int n)
{
  if (!ViewHighlightHarmonic->isChecked() || SelectedHarmonic() > HighestHarmonic)
    return;
  n = std::clamp(n, 0, SweepSteps - 1);
  for (int e = 0; e <= n; ++e)
    CurvePoints[std::size_t(e)] = TimeGraph->PointAt(e, ComponentValues[std::size_t(e)]);
  const TCanvasPen curvePen = TimeImage->Pen;
  TimeImage->Pen.Colour = HighlightColour;
  TimeImage->DoublePolyline(CurvePoints.data(), n + 1);
  TimeImage->Pen = curvePen;
}

// The error over one whole period, recomputed only when what it depends on
// has changed since it was last shown.
void TRotantsForm::ShowRmsError()
{
  if (!ViewShowError->isChecked())
    return;
  if (WaveformComboBox->currentIndex() == WaveformItems::CustomRotants) {
    StatusPanel3->setText(tr("RMS error: -"));
    return;
  }
  TErrorSource source;
  for (int k = 0; k < HarmonicCount; ++k) {
    source.Entries[std::size_t(2 * k)] = ShownChain[std::size_t(k)].Re;
    source.Entries[std::size_t(2 * k + 1)] = ShownChain[std::size_t(k)].Im;
  }
  source.Highest = HighestHarmonic;
  source.Conjugate = ConjugateCheckBox->isChecked();
  source.Ideal = IdealWave;
  if (!ShownErrorValid || !(source == ShownErrorSource)) {
    ShownError = Reconstruction::RmsError(ShownChain, HighestHarmonic, source.Conjugate, IdealWave);
    ShownErrorSource = source;
    ShownErrorValid = true;
  }
  StatusPanel3->setText(tr("RMS error: %1").arg(QString::fromStdString(FormatFixed(ShownError, 7, 4))));
}

void TRotantsForm::RestoreTeachingOptions(QSettings *settings)
{
  ViewHighlightHarmonic->setChecked(settings->value(HighlightKey, false).toBool());
  ViewShowError->setChecked(settings->value(ErrorKey, false).toBool());
  StatusPanel3->setVisible(ViewShowError->isChecked());
  ShowSelectedHarmonic();
  if (!ViewHighlightHarmonic->isChecked() && !ViewSoloHarmonic->isChecked()
      && !ViewShowError->isChecked())
    return;
  const TActionScope action(Actions);
  SynthesizeTone();
  if (SoundCheckBox->isChecked())
    PlaySound(true);
  TimeTrackBarChange();
}

void TRotantsForm::RememberTeachingOptions()
{
  if (!Settings)
    return;
  Settings->setValue(HighlightKey, ViewHighlightHarmonic->isChecked());
  Settings->setValue(ErrorKey, ViewShowError->isChecked());
}
