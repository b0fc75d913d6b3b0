#pragma once

#include <QString>

class QLineEdit;
class TRotantsForm;

// Drives controls of the main window the way a user's input reaches them.

// Selects a drop-down item and raises `activated`, as a choice from the list
// does (a programmatic selection alone raises nothing).
void ChooseWaveform(TRotantsForm &form, int item);
void ChooseHighestHarmonic(TRotantsForm &form, int item);

// Empties the edit box and types text key by key.
void TypeText(QLineEdit *edit, const QString &text);

// Clicks the magnitude cell of a grid row (1..26), scrolling it into view
// first. The window must be shown with the editor panel open.
void ClickGridRow(TRotantsForm &form, int row);
