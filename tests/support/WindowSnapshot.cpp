#include "WindowSnapshot.h"

#include "MainForm.h"
#include "MySoundUnit.h"

#include <QAction>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace {

bool SameBits(double a, double b)
{
  return std::memcmp(&a, &b, sizeof a) == 0;
}

template <typename T> QString Shown(const T &value)
{
  if constexpr (std::is_same_v<T, QString>)
    return QLatin1Char('"') + value.left(40) + QLatin1Char('"');
  else
    return QString::number(value);
}

// Collects "name a -> b" for each field compared unequal.
class TDifferences {
public:
  template <typename T> void Field(const char *name, const T &a, const T &b)
  {
    if (!(a == b))
      List << QStringLiteral("%1 %2 -> %3").arg(QLatin1String(name), Shown(a), Shown(b));
  }

  void Bits(const QString &name, double a, double b)
  {
    if (!SameBits(a, b))
      List << QStringLiteral("%1 %2 -> %3").arg(name).arg(a, 0, 'g', 17).arg(b, 0, 'g', 17);
  }

  void Tone(const QByteArray &a, const QByteArray &b)
  {
    if (a != b)
      List << QStringLiteral("tone of %1 bytes -> %2 bytes, not the same").arg(a.size()).arg(b.size());
  }

  // The first step at which two waves differ bit for bit, among steps 0..last.
  void Wave(const char *name, const std::array<double, SweepSteps> &a,
            const std::array<double, SweepSteps> &b, int last = SweepSteps - 1)
  {
    for (int i = 0; i <= std::min(last, SweepSteps - 1); ++i) {
      if (!SameBits(a[i], b[i])) {
        Bits(QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(i), a[i], b[i]);
        return;
      }
    }
  }

  void Picture(const char *name, const QImage &a, const QImage &b)
  {
    if (a.size() != b.size())
      List << QStringLiteral("%1 of %2 x %3 -> %4 x %5")
                  .arg(QLatin1String(name))
                  .arg(a.width())
                  .arg(a.height())
                  .arg(b.width())
                  .arg(b.height());
    else if (a != b)
      List << QStringLiteral("%1 pixels").arg(QLatin1String(name));
  }

  QStringList List;
};

void CompareViews(TDifferences &d, const TWindowSnapshot &a, const TWindowSnapshot &b)
{
  d.Field("zoom", a.Zoom, b.Zoom);
  d.Field("full screen", a.FullScreen, b.FullScreen);
  d.Field("highlight", a.TeachingOptions[0], b.TeachingOptions[0]);
  d.Field("solo", a.TeachingOptions[1], b.TeachingOptions[1]);
  d.Field("show error", a.TeachingOptions[2], b.TeachingOptions[2]);
  d.Field("spectrum", a.Spectrum, b.Spectrum);
  d.Field("spectrum in dB", a.SpectrumDecibels, b.SpectrumDecibels);
}

void ComparePlanes(TDifferences &d, const TWindowSnapshot &a, const TWindowSnapshot &b)
{
  d.Picture("phasor plane", a.PlaneImage, b.PlaneImage);
  d.Picture("phasor plane display", a.PlaneDisplay, b.PlaneDisplay);
}

void CompareTimePlots(TDifferences &d, const TWindowSnapshot &a, const TWindowSnapshot &b)
{
  d.Picture("time plot", a.TimeImage, b.TimeImage);
  d.Picture("time plot display", a.TimeDisplay, b.TimeDisplay);
}

}  // namespace

TWindowSnapshot TakeSnapshot(TRotantsForm &form)
{
  TWindowSnapshot s;
  s.State = form.CapturePhasorSet();
  s.IdealWave = form.IdealWave;
  s.ReconWave = form.ReconWave;
  s.HarmonicIndex = form.HarmonicIndex;
  s.CurrentPhasor = int(form.CurrentPhasor - form.PhasorList.data());
  s.BasePhasor = int(form.BasePhasor - form.PhasorList.data());
  s.EditMode = form.EditMode;
  s.IdleEditMode = form.IdleEditMode;
  s.Playing = form.SimulationTimer->isActive();
  s.MouseDrawing = form.MouseDrawing;
  for (const QLabel *panel : {form.StatusPanel0, form.StatusPanel1, form.StatusPanel2,
                              form.StatusPanel3})
    s.Panels << panel->text();
  s.Title = form.windowTitle();
  if (form.MySound->Buffer)
    s.Tone = QByteArray(reinterpret_cast<const char *>(form.MySound->Buffer),
                        form.MySound->DataSize);
  s.Zoom = form.ZoomFactor;
  s.FullScreen = form.ViewFullScreen->isChecked();
  s.TeachingOptions = {form.ViewHighlightHarmonic->isChecked(),
                       form.ViewSoloHarmonic->isChecked(), form.ViewShowError->isChecked()};
  s.PlaneImage = form.PhasorImage->Image();
  s.PlaneDisplay = form.PhasorImage->DisplayImage();
  s.TimeImage = form.TimeImage->Image();
  s.TimeDisplay = form.TimeImage->DisplayImage();
  s.Spectrum = form.ViewSpectrum->isChecked();
  s.SpectrumDecibels = form.ViewSpectrumDecibels->isChecked();
  s.SpectrumImage = form.SpectrumImage->Image();
  return s;
}

QStringList StateDifferences(const PhasorSetFile::TState &a, const PhasorSetFile::TState &b)
{
  TDifferences d;
  for (int k = 0; k < HarmonicCount; ++k) {
    const PhasorSetFile::TEntry &x = a.Entries[k];
    const PhasorSetFile::TEntry &y = b.Entries[k];
    d.Bits(QStringLiteral("entry %1 Re").arg(k), x.Re, y.Re);
    d.Bits(QStringLiteral("entry %1 Im").arg(k), x.Im, y.Im);
    if (x.HasTexts != y.HasTexts || x.MagnitudeText != y.MagnitudeText
        || x.AngleText != y.AngleText)
      d.List << QStringLiteral("grid row %1 \"%2\", \"%3\" -> \"%4\", \"%5\"")
                    .arg(k + 1)
                    .arg(x.MagnitudeText, x.AngleText, y.MagnitudeText, y.AngleText);
  }
  d.Field("Waveform", a.Waveform, b.Waveform);
  d.Field("HighestHarmonic", a.HighestHarmonic, b.HighestHarmonic);
  d.Field("RealValue", a.RealValue, b.RealValue);
  d.Field("RotateComplexPlane", a.RotateComplexPlane, b.RotateComplexPlane);
  d.Field("Trace", a.Trace, b.Trace);
  d.Field("Conjugate", a.Conjugate, b.Conjugate);
  d.Field("Grid", a.Grid, b.Grid);
  d.Field("Sound", a.Sound, b.Sound);
  d.Field("Repeat", a.Repeat, b.Repeat);
  d.Field("IdealWave", a.IdealWave, b.IdealWave);
  d.Field("Step", a.Step, b.Step);
  for (int i = 0; i < PeriodSteps; ++i) {
    if (!SameBits(a.DrawnPeriod[i], b.DrawnPeriod[i])) {
      d.Bits(QStringLiteral("DrawnPeriod[%1]").arg(i), a.DrawnPeriod[i], b.DrawnPeriod[i]);
      break;
    }
  }
  d.Field("EditorShown", a.EditorShown, b.EditorShown);
  d.Field("HasEditor", a.HasEditor, b.HasEditor);
  d.Field("EditorRow", a.EditorRow, b.EditorRow);
  d.Field("HarmonicText", a.HarmonicText, b.HarmonicText);
  d.Field("MagnitudeText", a.MagnitudeText, b.MagnitudeText);
  d.Field("AngleText", a.AngleText, b.AngleText);
  d.Field("HasPlacement", a.HasPlacement, b.HasPlacement);
  d.Field("NextHarmonic", a.NextHarmonic, b.NextHarmonic);
  d.Field("BaseHarmonic", a.BaseHarmonic, b.BaseHarmonic);
  return d.List;
}

QStringList SnapshotDifferences(const TWindowSnapshot &a, const TWindowSnapshot &b)
{
  TDifferences d;
  d.List = StateDifferences(a.State, b.State);
  d.Wave("IdealWave", a.IdealWave, b.IdealWave);
  d.Wave("ReconWave", a.ReconWave, b.ReconWave);
  d.Field("HarmonicIndex", a.HarmonicIndex, b.HarmonicIndex);
  d.Field("CurrentPhasor", a.CurrentPhasor, b.CurrentPhasor);
  d.Field("BasePhasor", a.BasePhasor, b.BasePhasor);
  d.Field("EditMode", a.EditMode, b.EditMode);
  d.Field("IdleEditMode", a.IdleEditMode, b.IdleEditMode);
  d.Field("playing", a.Playing, b.Playing);
  d.Field("MouseDrawing", a.MouseDrawing, b.MouseDrawing);
  const char *const panels[] = {"status panel 0", "status panel 1", "status panel 2",
                                "status panel 3"};
  for (int i = 0; i < 4; ++i)
    d.Field(panels[i], a.Panels.value(i), b.Panels.value(i));
  d.Field("caption", a.Title, b.Title);
  d.Tone(a.Tone, b.Tone);
  CompareViews(d, a, b);
  ComparePlanes(d, a, b);
  CompareTimePlots(d, a, b);
  d.Picture("spectrum", a.SpectrumImage, b.SpectrumImage);
  return d.List;
}

QStringList ReopenedDifferences(const TWindowSnapshot &saved, const TWindowSnapshot &opened,
                                bool strokeNotRedrawn)
{
  TDifferences d;
  d.List = StateDifferences(saved.State, opened.State);
  d.Wave("ReconWave", saved.ReconWave, opened.ReconWave, saved.State.Step);
  d.Field("status panel 1", saved.Panels.value(1), opened.Panels.value(1));
  CompareViews(d, saved, opened);
  if (strokeNotRedrawn)
    return d.List;
  d.Field("status panel 3", saved.Panels.value(3), opened.Panels.value(3));
  ComparePlanes(d, saved, opened);
  const auto period = saved.IdealWave.begin() + PeriodSteps;
  if (std::equal(saved.IdealWave.begin(), period, period, SameBits)) {
    d.Wave("IdealWave", saved.IdealWave, opened.IdealWave);
    CompareTimePlots(d, saved, opened);
  }
  return d.List;
}
