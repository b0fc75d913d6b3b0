#include "MainForm.h"

void TRotantsForm::CopyIdealPeriod() {}
void TRotantsForm::PresetCustomEntries() {}
void TRotantsForm::PresetCustomTime() {}
void TRotantsForm::PresetSquare() {}
void TRotantsForm::PresetRectangularPulse() {}
void TRotantsForm::PresetBipolarPulse() {}
void TRotantsForm::PresetTriangle() {}
void TRotantsForm::PresetSawtooth() {}
void TRotantsForm::PresetRectifiedCosine() {}
void TRotantsForm::PresetImpulseTrain() {}
