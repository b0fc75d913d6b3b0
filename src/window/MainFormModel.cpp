#include "MainForm.h"

#include <QCheckBox>
#include <QTableWidget>

// Operations of the main window on its harmonic phasor set.

void TRotantsForm::SetPhasorEntry(double re, double im)
{
  Document.SetEntry(re, im);
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
  Document.ClearEntries();
  Document.ClearGridValues();
}

void TRotantsForm::RotateToTimeStep(int n)
{
  HarmonicMath::RotateToTimeStep(PhasorList, HighestHarmonic, n);
}

void TRotantsForm::ScaleHarmonics(double factor)
{
  Document.ScaleHarmonics(factor);
  ShowEntriesInGrid(1, HarmonicCount - 1);
}

// Switches between the one-sided and the two-sided amplitude convention; the
// real waveform shown stays the same. The grid shows the scaled entries; the
// tone is not synthesised again.
void TRotantsForm::ConjugateCheckBoxClick()
{
  const TActionScope action(Actions, ConjugateCheckBox->text().remove('&'));
  Document.SetConjugate(ConjugateCheckBox->isChecked());
  TimeTrackBarChange();
}
