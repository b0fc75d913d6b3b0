#include "MainForm.h"

void TRotantsForm::LoadPhasorEditor(double, double) {}
void TRotantsForm::PhasorUpdateBtnClick() {}
void TRotantsForm::PhasorGridSelectCell(int, int, bool &) {}
void TRotantsForm::EditRotantsBtnClick() {}
