#include "MainForm.h"

void TRotantsForm::SynthesizeTone() {}
void TRotantsForm::SoundCheckBoxClick() {}
