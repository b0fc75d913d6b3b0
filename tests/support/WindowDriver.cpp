#include "WindowDriver.h"

#include "MainForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

namespace {

void Choose(QComboBox *box, int item)
{
  box->setCurrentIndex(item);
  emit box->activated(item);
}

}  // namespace

void ChooseWaveform(TRotantsForm &form, int item)
{
  Choose(form.WaveformComboBox, item);
}

void ChooseHighestHarmonic(TRotantsForm &form, int item)
{
  Choose(form.HighestHarmonicComboBox, item);
}

void TypeText(QLineEdit *edit, const QString &text)
{
  edit->clear();
  QTest::keyClicks(edit, text);
}

void ClickGridRow(TRotantsForm &form, int row)
{
  QTableWidget *grid = form.PhasorGrid;
  QTableWidgetItem *cell = grid->item(row, 1);
  grid->scrollToItem(cell);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                    grid->visualItemRect(cell).center());
}
