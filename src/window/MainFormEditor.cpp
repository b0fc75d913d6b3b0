#include "MainForm.h"

#include "EditorPanel.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

// The phasor editor panel: the grid shows every entry as magnitude and angle
// texts, and Update is the one road by which an entry is set from a number.
// Grid item(row, column) is the cell of harmonic row - 1; row 0 and column 0
// are headings.


void TRotantsForm::LoadPhasorEditor(double re, double im)
{
  // Only an existing entry can be loaded; after a standard preset
  // HarmonicIndex rests at 26, one past the last.
  if (HarmonicIndex < 0 || HarmonicIndex >= HarmonicCount)
    return;
  double magnitude = 0.0;
  double angle = 0.0;
  RectToPolar(re, im, magnitude, angle);
  Editor->Load(HarmonicIndex, QString::fromStdString(TPhasorDocument::MagnitudeText(magnitude)),
               QString::fromStdString(TPhasorDocument::LoadedAngleText(angle)));
  PhasorUpdateBtnClick();
}

void TRotantsForm::EditHarmonic(int k, double magnitude, double angle)
{
  if (k < 0 || k >= HarmonicCount)
    return;
  const TActionScope action(Actions);
  Editor->Load(k, QString::fromStdString(TPhasorDocument::MagnitudeText(magnitude)),
               QString::fromStdString(TPhasorDocument::AngleText(angle)));
  PhasorUpdateBtnClick();
}

// The controls outside the editor follow what the document puts back (see
// TControlsPart); the pictures follow its entries and selection.
void TRotantsForm::BindEditorToDocument()
{
  // Within a user action this only notes the redraw its end makes.
  connect(&Document, &TPhasorDocument::EntriesChanged, this, &TRotantsForm::TimeTrackBarChange);
  connect(&Document, &TPhasorDocument::SelectionChanged, this,
          &TRotantsForm::SelectedHarmonicChanged);
  connect(&Document, &TPhasorDocument::EditModeChanged, Plots, &TPlotsPart::ShowEditMode);
}

void TRotantsForm::PhasorGridSelectCell(int, int row, bool &)
{
  if (row < 1 || row > HarmonicCount)
    return;
  Document.SetEditTexts(Document.GridText(row - 1, 0), Document.GridText(row - 1, 1),
                        Document.GridText(row - 1, 2));
}

void TRotantsForm::EditRotantsBtnClick()
{
  Editor->SetShown(!Editor->IsShown());
  Controls->ShowEditorButtonText(Editor->IsShown());
  // Opened, the table takes the keys: Up and Down choose the row at once, and
  // a screen reader says which row is current.
  if (Editor->IsShown())
    PhasorGrid->setFocus(Qt::OtherFocusReason);
}
