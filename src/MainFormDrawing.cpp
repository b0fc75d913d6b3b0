#include "MainForm.h"

void TRotantsForm::SpectrumFromDrawnWave() {}
void TRotantsForm::TimeImageMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TRotantsForm::TimeImageMouseMove(Qt::KeyboardModifiers, int, int) {}
void TRotantsForm::TimeImageMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TRotantsForm::DrawWaveSegment(int, int, int, int) {}
