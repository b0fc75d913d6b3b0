#include "MainForm.h"

#include "MySoundUnit.h"
#include "NumberText.h"

#include <QCheckBox>
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

// The text is read as UTF-8, so any non-ASCII character rejects it.
bool ReadText(const QString &text, double &value)
{
  return ReadNumber(text.toStdString(), value);
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

  const int row = HarmonicIndex + 1;
  PhasorGrid->setCurrentCell(row, 1);
  PhasorGrid->scrollToItem(PhasorGrid->item(row, 1));

  HarmonicEdit->setText(QString::number(HarmonicIndex));
  MagnitudeEdit->setText(Text(TPhasorDocument::MagnitudeText(magnitude)));
  AngleEdit->setText(Text(TPhasorDocument::LoadedAngleText(angle)));
  PhasorUpdateBtnClick();
}

void TRotantsForm::EditHarmonic(int k, double magnitude, double angle)
{
  if (k < 0 || k >= HarmonicCount)
    return;
  const TActionScope action(*this);
  const int row = k + 1;
  PhasorGrid->setCurrentCell(row, 1);
  PhasorGrid->scrollToItem(PhasorGrid->item(row, 1));
  HarmonicEdit->setText(QString::number(k));
  MagnitudeEdit->setText(Text(TPhasorDocument::MagnitudeText(magnitude)));
  AngleEdit->setText(Text(TPhasorDocument::AngleText(angle)));
  PhasorUpdateBtnClick();
}

// Both texts are checked before anything is written, so a text that is not a
// number leaves grid, entries, tone and plots exactly as they were. The
// document's apply then sets the entry (out-of-range numbers as 0, with the
// rounding the grid shows) and gives the grid its texts.
void TRotantsForm::PhasorUpdateBtnClick()
{
  const int row = PhasorGrid->currentRow();
  if (row < 1 || row > HarmonicCount)
    return;

  double magnitude = 0.0;
  if (!ReadText(MagnitudeEdit->text(), magnitude)) {
    ShowConversionError(MagnitudeEdit->text());
    return;
  }
  double angle = 0.0;
  if (!ReadText(AngleEdit->text(), angle)) {
    ShowConversionError(AngleEdit->text());
    return;
  }
  const TActionScope action(*this, tr("Typed Harmonic %1").arg(row - 1), TStepKind::HandMade);
  const TAppliedHarmonic applied = Document.ApplyHarmonic(row - 1, magnitude, angle);
  // The notice says which values became 0; the edit boxes keep what was typed.
  QStringList replaced;
  if (applied.MagnitudeReplaced)
    replaced << tr("Magnitude %1 is outside 0 to 10: 0 applied")
                    .arg(QuotedText(MagnitudeEdit->text().trimmed()));
  if (applied.AngleReplaced)
    replaced << tr("Angle %1 is outside -180 to 180: 0 applied")
                    .arg(QuotedText(AngleEdit->text().trimmed()));
  ShowEditorNotice(replaced.join('\n'));

  PhasorGrid->item(row, 0)->setText(HarmonicEdit->text());
  PhasorGrid->item(row, 1)->setText(Text(applied.MagnitudeText));
  PhasorGrid->item(row, 2)->setText(Text(applied.AngleText));

  SynthesizeTone();
  PlaySound(SoundCheckBox->isChecked());
  TimeTrackBarChange();
}

void TRotantsForm::WriteGridValues(int row, double magnitude, double angle)
{
  PhasorGrid->item(row, 1)->setText(Text(TPhasorDocument::MagnitudeText(magnitude)));
  PhasorGrid->item(row, 2)->setText(Text(TPhasorDocument::AngleText(angle)));
}

// Entries that were scaled without passing through the editor are shown as
// they now stand, so the grid never disagrees with what is drawn and an
// Update of an untouched row changes nothing. Entries that are zero were not
// changed by any scaling and keep their texts.
void TRotantsForm::ShowEntriesInGrid(int first, int last)
{
  const int current = PhasorGrid->currentRow();
  bool currentShown = false;
  for (int k = std::max(first, 0); k <= std::min(last, HarmonicCount - 1); ++k) {
    const HarmonicPhasor &e = PhasorList[k];
    if (e.Re == 0.0 && e.Im == 0.0)
      continue;
    double magnitude = 0.0;
    double angle = 0.0;
    RectToPolar(e.Re, e.Im, magnitude, angle);
    WriteGridValues(k + 1, magnitude, angle);
    currentShown = currentShown || current == k + 1;
  }
  if (currentShown) {
    bool canSelect = true;
    PhasorGridSelectCell(1, current, canSelect);
  }
}

void TRotantsForm::ShowConversionError(const QString &text)
{
  ShowWarning(tr("'%1' is not a number; write it with a decimal point, for example 1.5")
                  .arg(QuotedText(text)));
}

void TRotantsForm::ShowEditorNotice(const QString &text)
{
  if (text.isEmpty()) {
    EditorNotice->hide();
    EditorNotice->clear();
    return;
  }
  EditorNotice->setText(text);
  EditorNotice->show();
}

void TRotantsForm::PhasorGridSelectCell(int, int row, bool &)
{
  if (row < 1 || row >= PhasorGrid->rowCount())
    return;
  HarmonicEdit->setText(PhasorGrid->item(row, 0)->text());
  MagnitudeEdit->setText(PhasorGrid->item(row, 1)->text());
  AngleEdit->setText(PhasorGrid->item(row, 2)->text());
}

void TRotantsForm::EditRotantsBtnClick()
{
  PhasorEditPanel->setVisible(PhasorEditPanel->isHidden());
  if (PhasorEditPanel->isHidden())
    ShowEditorNotice(QString());
  ShowEditorButtonText();
}
