#include "MainForm.h"

#include <QCheckBox>
#include <QTableWidget>

// Operations of the main window on its harmonic phasor set.

void TRotantsForm::SetPhasorEntry(double re, double im)
{
  // Every caller keeps HarmonicIndex within 0..25 when it writes; an index
  // outside that range addresses no entry, so nothing is written.
  if (HarmonicIndex < 0 || HarmonicIndex >= HarmonicCount)
    return;
  HarmonicPhasor &e = PhasorList[HarmonicIndex];
  CurrentPhasor = &e;
  e.Re = re;
  e.Im = im;
  e.RotRe = re;
  e.RotIm = im;
  if (HarmonicIndex > 0) {
    // The previous entry's sums may belong to another time step; the next
    // rotation makes every sum exact.
    const HarmonicPhasor &previous = PhasorList[HarmonicIndex - 1];
    e.SumRe = re + previous.SumRe;
    e.SumIm = im + previous.SumIm;
  } else {
    e.SumRe = re;
    e.SumIm = im;
  }
}

void TRotantsForm::RectToPolar(double re, double im, double &magnitude, double &angle) const
{
  HarmonicMath::RectToPolar(re, im, magnitude, angle);
}

void TRotantsForm::PolarToRect(double magnitude, double angle, double &re, double &im) const
{
  HarmonicMath::PolarToRect(magnitude, angle, re, im);
}

double TRotantsForm::Sinc(double x) const
{
  return HarmonicMath::Sinc(x);
}

void TRotantsForm::ClearPhasorEntries()
{
  for (int row = 0; row < HarmonicCount; ++row) {
    PhasorList[row] = HarmonicPhasor{};
    PhasorGrid->item(row + 1, 1)->setText("0.0");
    PhasorGrid->item(row + 1, 2)->setText("0.0");
  }
  BasePhasor = &PhasorList[0];
  HarmonicIndex = 0;
}

void TRotantsForm::ClearReconWave()
{
  ReconWave.fill(0.0);
}

void TRotantsForm::RotateToTimeStep(int n)
{
  HarmonicMath::RotateToTimeStep(PhasorList, HighestHarmonic, n);
}

void TRotantsForm::ScaleHarmonics(double factor)
{
  for (int k = 1; k < HarmonicCount; ++k) {
    HarmonicPhasor &e = PhasorList[k];
    e.Re *= factor;
    e.Im *= factor;
    e.RotRe *= factor;
    e.RotIm *= factor;
    e.SumRe *= factor;
    e.SumIm *= factor;
  }
  ShowEntriesInGrid(1, HarmonicCount - 1);
}

// Switches between the one-sided and the two-sided amplitude convention; the
// real waveform shown stays the same. The grid shows the scaled entries; the
// tone is not synthesised again.
void TRotantsForm::ConjugateCheckBoxClick()
{
  const TActionScope action(*this, ConjugateCheckBox->text().remove('&'));
  ScaleHarmonics(ConjugateCheckBox->isChecked() ? 0.5 : 2.0);
  TimeTrackBarChange();
}
