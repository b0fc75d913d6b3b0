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

namespace {

// Longest part of a rejected text quoted in the message; a pasted page of
// text must not make a giant message box.
constexpr int QuotedTextLimit = 60;

QString Text(const std::string &text)
{
  return QString::fromStdString(text);
}

// The row of harmonic k becomes the selected one, in view, and the edit
// boxes take the texts given, as if typed.
void LoadRow(TRotantsForm &form, int k, const QString &magnitude, const QString &angle)
{
  form.Document.SelectHarmonic(k);
  form.ShowSelectedRow();
  form.Document.SetEditTexts(QString::number(k), magnitude, angle);
}

QString QuotedText(const QString &text)
{
  return text.size() > QuotedTextLimit ? text.left(QuotedTextLimit) + QChar(0x2026) : text;
}

}  // namespace

void TRotantsForm::LoadPhasorEditor(double re, double im)
{
  // Only an existing entry can be loaded; after a standard preset
  // HarmonicIndex rests at 26, one past the last.
  if (HarmonicIndex < 0 || HarmonicIndex >= HarmonicCount)
    return;
  double magnitude = 0.0;
  double angle = 0.0;
  RectToPolar(re, im, magnitude, angle);
  LoadRow(*this, HarmonicIndex, Text(TPhasorDocument::MagnitudeText(magnitude)),
          Text(TPhasorDocument::LoadedAngleText(angle)));
  PhasorUpdateBtnClick();
}

void TRotantsForm::EditHarmonic(int k, double magnitude, double angle)
{
  if (k < 0 || k >= HarmonicCount)
    return;
  const TActionScope action(Actions);
  LoadRow(*this, k, Text(TPhasorDocument::MagnitudeText(magnitude)),
          Text(TPhasorDocument::AngleText(angle)));
  PhasorUpdateBtnClick();
}

// Both texts are checked before anything is written, so a text that is not a
// number leaves table, entries, tone and plots exactly as they were. The
// document's apply then sets the entry (out-of-range numbers as 0, with the
// rounding the table shows) and the row's texts.
void TRotantsForm::PhasorUpdateBtnClick()
{
  const int k = Document.SelectedHarmonic();
  if (k < 0 || k >= HarmonicCount)
    return;
  const QString magnitudeText = Document.EditTexts[1];
  const QString angleText = Document.EditTexts[2];
  double value = 0.0;
  if (!TPhasorDocument::ReadTyped(magnitudeText, value)) {
    ShowConversionError(magnitudeText);
    return;
  }
  if (!TPhasorDocument::ReadTyped(angleText, value)) {
    ShowConversionError(angleText);
    return;
  }
  const TActionScope action(Actions, tr("Typed Harmonic %1").arg(k), TStepKind::HandMade);
  // An undo of this step shows the row as it was, in the table and the edit
  // boxes alike: the texts typed for it are not left for the next Update to
  // apply again. (Within a larger action, such as a drawing loading every
  // harmonic, the step is that action's.)
  if (TPhasorSnapshot *start = Actions.OwnStepStart())
    start->EditTexts = {Document.GridText(k, 0), Document.GridText(k, 1), Document.GridText(k, 2)};
  TAppliedHarmonic applied;
  Document.ApplyTyped(k, magnitudeText, angleText, &applied);
  // The notice says which values became 0; the edit boxes keep what was typed.
  QStringList replaced;
  if (applied.MagnitudeReplaced)
    replaced << tr("Magnitude %1 is outside 0 to 10: 0 applied")
                    .arg(QuotedText(magnitudeText.trimmed()));
  if (applied.AngleReplaced)
    replaced << tr("Angle %1 is outside -180 to 180: 0 applied")
                    .arg(QuotedText(angleText.trimmed()));
  ShowEditorNotice(replaced.join('\n'));

  SynthesizeTone();
  PlaySound(SoundCheckBox->isChecked());
  TimeTrackBarChange();
}

void TRotantsForm::WriteGridValues(int row, double magnitude, double angle)
{
  Document.SetGridValues(row - 1, Text(TPhasorDocument::MagnitudeText(magnitude)),
                         Text(TPhasorDocument::AngleText(angle)));
}

void TRotantsForm::ShowEntriesInGrid(int first, int last)
{
  Document.ShowEntriesAsTexts(first, last);
}

// The controls outside the editor follow what the document puts back; none
// of them raises a handler, since each reacts to the user's activation or
// click only.
void TRotantsForm::BindEditorToDocument()
{
  connect(&Document, &TPhasorDocument::HighestHarmonicChanged, HighestHarmonicComboBox,
          &QComboBox::setCurrentIndex);
  connect(&Document, &TPhasorDocument::WaveformChanged, WaveformComboBox,
          &QComboBox::setCurrentIndex);
  connect(&Document, &TPhasorDocument::ConjugateChanged, ConjugateCheckBox,
          &QCheckBox::setChecked);
  // Within a user action this only notes the redraw its end makes.
  connect(&Document, &TPhasorDocument::EntriesChanged, this, &TRotantsForm::TimeTrackBarChange);
  connect(&Document, &TPhasorDocument::SelectionChanged, this,
          &TRotantsForm::SelectedHarmonicChanged);
}

void TRotantsForm::ShowGridTexts(int first, int last)
{
  Editor->ShowTexts(first, last);
}

void TRotantsForm::ShowSelectedRow()
{
  Editor->ShowSelectedRow();
}

void TRotantsForm::ShowConversionError(const QString &text)
{
  ShowWarning(tr("'%1' is not a number; write it with a decimal point, for example 1.5")
                  .arg(QuotedText(text)));
}

void TRotantsForm::ShowEditorNotice(const QString &text)
{
  Editor->ShowNotice(text);
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
  ShowEditorButtonText();
}
