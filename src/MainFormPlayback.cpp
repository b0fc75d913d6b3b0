#include "MainForm.h"

void TRotantsForm::PlayBtnClick() {}
void TRotantsForm::SimulationTimerTimer() {}
void TRotantsForm::StopBtnClick() {}
void TRotantsForm::ResetWaveform() {}
void TRotantsForm::WaveformComboBoxChange() {}
void TRotantsForm::HighestHarmonicComboBoxChange() {}
void TRotantsForm::ClearBtnClick() {}
