#include "MainForm.h"

void TRotantsForm::PlaneToPixel(double, double, int &px, int &py) const { px = py = 0; }
bool TRotantsForm::BuildChainPoints(bool) { return false; }
void TRotantsForm::DrawPhasorChain(bool, TColour) {}
void TRotantsForm::PhasorImageMouseMove(Qt::KeyboardModifiers, int, int) {}
void TRotantsForm::PhasorImageMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TRotantsForm::RotateComplexPlaneCheckBoxClick() {}
void TRotantsForm::TimeTrackBarChange() {}
void TRotantsForm::PlotReconstruction(int) {}
void TRotantsForm::DrawIdealWave() {}
void TRotantsForm::DrawReconWave(int) {}
