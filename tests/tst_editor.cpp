#include "MainForm.h"
#include "MessageBoxCatcher.h"
#include "NumberText.h"
#include "RecordingSoundService.h"
#include "TestSupport.h"
#include "WindowDriver.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr int SquareItem = 2;

struct TGridRow {
  QString Harmonic;
  QString Magnitude;
  QString Angle;
  bool operator==(const TGridRow &) const = default;
};

TGridRow GridRow(const TRotantsForm &form, int row)
{
  return {form.PhasorGrid->item(row, 0)->text(), form.PhasorGrid->item(row, 1)->text(),
          form.PhasorGrid->item(row, 2)->text()};
}

double Magnitude(const HarmonicPhasor &e)
{
  return std::hypot(e.Re, e.Im);
}

double AngleDegrees(const HarmonicPhasor &e)
{
  return std::atan2(e.Im, e.Re) * 180.0 / HarmonicMath::Pi;
}

}  // namespace

class TestEditor : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();

  void TypedValues_data();
  void TypedValues();
  void LoadedValues_data();
  void LoadedValues();
  void RejectedTexts_data();
  void RejectedTexts();
  void SelectedRowReappliesGridValues_data();
  void SelectedRowReappliesGridValues();
  void UpdateWithoutCurrentRowDoesNothing();
  void LoadWithIndexPastLastEntryDoesNothing();
  void EditorButtonToggles();
  void OwnTextsReadBackUnderCommaLocale();
  void ClickOnSameRowKeepsTypedText();
  void HeadingRowStaysInView();
  void NoticeNamesReplacedValues_data();
  void NoticeNamesReplacedValues();
  void ReturnAppliesTheRow_data();
  void ReturnAppliesTheRow();

private:
  void ClickUpdate();

  std::unique_ptr<TRecordingSoundScope> Sound;
  std::unique_ptr<TRotantsForm> Form;
  std::unique_ptr<TMessageBoxCatcher> Catcher;
};

void TestEditor::init()
{
  Sound = std::make_unique<TRecordingSoundScope>();
  Form = std::make_unique<TRotantsForm>();
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  QTest::mouseClick(Form->EditRotantsBtn, Qt::LeftButton);
  QVERIFY(!Form->PhasorEditPanel->isHidden());
  Catcher = std::make_unique<TMessageBoxCatcher>();
}

void TestEditor::cleanup()
{
  Catcher.reset();
  Form.reset();
  Sound.reset();
}

void TestEditor::ClickUpdate()
{
  QTest::mouseClick(Form->PhasorUpdateBtn, Qt::LeftButton);
}

void TestEditor::TypedValues_data()
{
  QTest::addColumn<QString>("magnitudeText");
  QTest::addColumn<QString>("angleText");
  QTest::addColumn<QString>("gridMagnitude");
  QTest::addColumn<QString>("gridAngle");
  QTest::addColumn<double>("magnitude");
  QTest::addColumn<double>("angle");

  QTest::newRow("magnitude above 10") << "12" << "30" << "0.0000" << "30.0" << 0.0 << 30.0;
  QTest::newRow("negative magnitude") << "-0.5" << "30" << "0.0000" << "30.0" << 0.0 << 30.0;
  QTest::newRow("overflowing magnitude") << "1e400" << "30" << "0.0000" << "30.0" << 0.0 << 30.0;
  QTest::newRow("bounds 10 and -180") << "10" << "-180" << "10.0000" << "-180.0" << 10.0
                                      << -180.0;
  QTest::newRow("angle 181") << "0.75" << "181" << "0.7500" << "0.0" << 0.75 << 0.0;
  QTest::newRow("magnitude to 4 decimals") << "1.23456" << "0" << "1.2346" << "0.0" << 1.2346
                                           << 0.0;
  QTest::newRow("typed angle keeps 0.1") << "1" << "123.45" << "1.0000" << "123.5" << 1.0
                                         << 123.5;
  QTest::newRow("blanks and exponent") << " 2.5 " << "1e1" << "2.5000" << "10.0" << 2.5 << 10.0;
}

// The user types into the edit boxes of harmonic 2 and presses Update: the
// grid shows what was applied, the entry holds exactly that, and the edit
// boxes keep what was typed.
void TestEditor::TypedValues()
{
  QFETCH(QString, magnitudeText);
  QFETCH(QString, angleText);
  QFETCH(QString, gridMagnitude);
  QFETCH(QString, gridAngle);
  QFETCH(double, magnitude);
  QFETCH(double, angle);

  ClickGridRow(*Form, 3);
  QCOMPARE(Form->HarmonicEdit->text(), QString("2"));
  TypeText(Form->MagnitudeEdit, magnitudeText);
  TypeText(Form->AngleEdit, angleText);
  ClickUpdate();

  QVERIFY(Catcher->Messages.isEmpty());
  QCOMPARE(GridRow(*Form, 3), (TGridRow{"2", gridMagnitude, gridAngle}));
  QCOMPARE(Form->MagnitudeEdit->text(), magnitudeText);
  QCOMPARE(Form->AngleEdit->text(), angleText);
  QCOMPARE(Form->HarmonicIndex, 2);
  QCOMPARE(Form->CurrentPhasor, &Form->PhasorList[2]);
  const HarmonicPhasor &entry = Form->PhasorList[2];
  QVERIFY(std::fabs(Magnitude(entry) - magnitude) < 1e-12);
  if (magnitude > 0.0)
    QVERIFY(std::fabs(std::remainder(AngleDegrees(entry) - angle, 360.0)) < 1e-9);

  // The document alone, without a window, applies the same numbers alike.
  double typedMagnitude = 0.0;
  double typedAngle = 0.0;
  QVERIFY(ReadNumber(magnitudeText.toStdString(), typedMagnitude));
  QVERIFY(ReadNumber(angleText.toStdString(), typedAngle));
  TPhasorDocument document;
  const TAppliedHarmonic applied = document.ApplyHarmonic(2, typedMagnitude, typedAngle);
  QCOMPARE(QString::fromStdString(applied.MagnitudeText), gridMagnitude);
  QCOMPARE(QString::fromStdString(applied.AngleText), gridAngle);
  QCOMPARE(applied.MagnitudeReplaced || applied.AngleReplaced, Form->EditorNotice->isVisible());
  QCOMPARE(document.PhasorList[2].Re, entry.Re);
  QCOMPARE(document.PhasorList[2].Im, entry.Im);
  QCOMPARE(document.CurrentPhasor, &document.PhasorList[2]);
}

void TestEditor::LoadedValues_data()
{
  QTest::addColumn<int>("harmonic");
  QTest::addColumn<double>("magnitude");
  QTest::addColumn<double>("angle");
  QTest::addColumn<QString>("editMagnitude");
  QTest::addColumn<QString>("editAngle");
  QTest::addColumn<QString>("gridAngle");
  QTest::addColumn<double>("storedMagnitude");
  QTest::addColumn<double>("storedAngle");

  QTest::newRow("angle beyond 100 to whole degrees")
      << 4 << 0.5 << 123.45 << "0.5000" << "123.0" << "123.0" << 0.5 << 123.0;
  QTest::newRow("angle within 100 to 0.1") << 7 << 1.2732395 << 12.345 << "1.2732" << "12.3"
                                           << "12.3" << 1.2732 << 12.3;
  QTest::newRow("magnitude above 10") << 25 << 12.0 << 45.0 << "12.0000" << "45.0" << "45.0"
                                      << 0.0 << 0.0;
}

// A computed value passes the editor: it is written as text into the edit
// boxes, and the entry is set from the grid's rounding of that text.
void TestEditor::LoadedValues()
{
  QFETCH(int, harmonic);
  QFETCH(double, magnitude);
  QFETCH(double, angle);
  QFETCH(QString, editMagnitude);
  QFETCH(QString, editAngle);
  QFETCH(QString, gridAngle);
  QFETCH(double, storedMagnitude);
  QFETCH(double, storedAngle);

  const double radians = angle * HarmonicMath::Pi / 180.0;
  Form->HarmonicIndex = harmonic;
  Form->LoadPhasorEditor(magnitude * std::cos(radians), magnitude * std::sin(radians));

  QCOMPARE(Form->PhasorGrid->currentRow(), harmonic + 1);
  QCOMPARE(Form->HarmonicEdit->text(), QString::number(harmonic));
  QCOMPARE(Form->MagnitudeEdit->text(), editMagnitude);
  QCOMPARE(Form->AngleEdit->text(), editAngle);
  const QString gridMagnitude = storedMagnitude > 0.0 ? editMagnitude : QString("0.0000");
  QCOMPARE(GridRow(*Form, harmonic + 1),
           (TGridRow{QString::number(harmonic), gridMagnitude, gridAngle}));
  QCOMPARE(Form->HarmonicIndex, harmonic);
  const HarmonicPhasor &entry = Form->PhasorList[harmonic];
  QVERIFY(std::fabs(Magnitude(entry) - storedMagnitude) < 1e-12);
  if (storedMagnitude > 0.0)
    QVERIFY(std::fabs(AngleDegrees(entry) - storedAngle) < 1e-9);
}

void TestEditor::RejectedTexts_data()
{
  QTest::addColumn<QString>("magnitudeText");
  QTest::addColumn<QString>("angleText");
  QTest::addColumn<QString>("message");

  const auto refused = [](const QString &text) {
    return "'" + text + "' is not a number; write it with a decimal point, for example 1.5";
  };
  QTest::newRow("letters as magnitude") << "abc" << "45" << refused("abc");
  QTest::newRow("letters as angle") << "0.5" << "xyz" << refused("xyz");
  QTest::newRow("empty magnitude") << "" << "45" << refused("");
  QTest::newRow("comma separator") << "0,5" << "45" << refused("0,5");
  QTest::newRow("markup shown as typed") << "<b>1</b>" << "45" << refused("<b>1</b>");
  const QString longText(100000, QChar('a'));
  QTest::newRow("long text elided")
      << longText << "45" << refused(QString(60, QChar('a')) + QChar(0x2026));
}

// A text that is not a number is reported in a modal warning and changes
// nothing at all: no grid cell, no entry, no HarmonicIndex, no tone, no redraw.
void TestEditor::RejectedTexts()
{
  QFETCH(QString, magnitudeText);
  QFETCH(QString, angleText);
  QFETCH(QString, message);

  ChooseWaveform(*Form, SquareItem);
  ClickGridRow(*Form, 4);
  const TGridRow rowBefore = GridRow(*Form, 4);
  const TPhasorArray entriesBefore = Form->PhasorList;
  const int indexBefore = Form->HarmonicIndex;
  const int soundEventsBefore = int(Sound->Log->Events.size());
  Form->StatusPanel1->setText("unchanged");

  Form->MagnitudeEdit->setText(magnitudeText);
  Form->AngleEdit->setText(angleText);
  ClickUpdate();

  QCOMPARE(Catcher->Messages.size(), 1);
  const TCaughtMessage &shown = Catcher->Messages.first();
  QCOMPARE(shown.Text, message);
  QCOMPARE(shown.Title, QString("Rotants 1.0"));
  QCOMPARE(shown.Icon, QMessageBox::Warning);
  QCOMPARE(shown.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

  QCOMPARE(GridRow(*Form, 4), rowBefore);
  QVERIFY(SameEntries(Form->PhasorList, entriesBefore));
  QCOMPARE(Form->HarmonicIndex, indexBefore);
  QCOMPARE(int(Sound->Log->Events.size()), soundEventsBefore);
  QCOMPARE(Form->StatusPanel1->text(), QString("unchanged"));
}

void TestEditor::SelectedRowReappliesGridValues_data()
{
  QTest::addColumn<int>("harmonic");
  QTest::addColumn<QString>("magnitudeText");
  QTest::addColumn<QString>("angleText");
  QTest::addColumn<double>("re");

  QTest::newRow("harmonic 3") << 3 << "0.2122" << "180.0" << -0.2122;
  QTest::newRow("harmonic 4") << 4 << "0.0000" << "0.0" << 0.0;
}

// After the square wave with the one-sided convention the grid shows the
// doubled entries; selecting a row and pressing Update without typing leaves
// the entry as it was.
void TestEditor::SelectedRowReappliesGridValues()
{
  QFETCH(int, harmonic);
  QFETCH(QString, magnitudeText);
  QFETCH(QString, angleText);
  QFETCH(double, re);

  ChooseWaveform(*Form, SquareItem);
  QCOMPARE(Form->PhasorList[harmonic].Re, re);

  ClickGridRow(*Form, harmonic + 1);
  QCOMPARE(Form->HarmonicEdit->text(), QString::number(harmonic));
  QCOMPARE(Form->MagnitudeEdit->text(), magnitudeText);
  QCOMPARE(Form->AngleEdit->text(), angleText);
  QCOMPARE(Form->HarmonicIndex, HarmonicCount);

  ClickUpdate();
  QCOMPARE(Form->HarmonicIndex, harmonic);
  QCOMPARE(Form->PhasorList[harmonic].Re, re);
  QVERIFY(std::fabs(Form->PhasorList[harmonic].Im) < 1e-16);
  QCOMPARE(GridRow(*Form, harmonic + 1),
           (TGridRow{QString::number(harmonic), magnitudeText, angleText}));
}

void TestEditor::UpdateWithoutCurrentRowDoesNothing()
{
  Form->PhasorGrid->setCurrentItem(nullptr);
  const TPhasorArray entriesBefore = Form->PhasorList;
  TypeText(Form->MagnitudeEdit, "0.5");

  ClickUpdate();

  QVERIFY(SameEntries(Form->PhasorList, entriesBefore));
  QCOMPARE(Form->HarmonicIndex, 1);
  QCOMPARE(Form->PhasorGrid->item(1, 1)->text(), QString("0.0000"));
}

// After a standard preset HarmonicIndex rests one past the last entry; a load
// through it must address nothing.
void TestEditor::LoadWithIndexPastLastEntryDoesNothing()
{
  ChooseWaveform(*Form, SquareItem);
  QCOMPARE(Form->HarmonicIndex, HarmonicCount);
  const TPhasorArray entriesBefore = Form->PhasorList;
  const TGridRow lastRow = GridRow(*Form, HarmonicCount);

  Form->LoadPhasorEditor(0.5, 0.0);

  QVERIFY(SameEntries(Form->PhasorList, entriesBefore));
  QCOMPARE(GridRow(*Form, HarmonicCount), lastRow);
  QCOMPARE(Form->HarmonicIndex, HarmonicCount);
}

void TestEditor::EditorButtonToggles()
{
  QCOMPARE(Form->EditRotantsBtn->text(), QString("Hide &Editor"));
  QTest::mouseClick(Form->EditRotantsBtn, Qt::LeftButton);
  QVERIFY(Form->PhasorEditPanel->isHidden());
  QCOMPARE(Form->EditRotantsBtn->text(), QString("Show &Editor"));
  QCOMPARE(Form->EditMode, 1);
  QTest::mouseClick(Form->EditRotantsBtn, Qt::LeftButton);
  QVERIFY(!Form->PhasorEditPanel->isHidden());
  QCOMPARE(Form->EditRotantsBtn->text(), QString("Hide &Editor"));
}

// Every text the editor writes, the cleared cells' "0.0" included, reads back
// while the user's locale writes decimals with a comma.
void TestEditor::OwnTextsReadBackUnderCommaLocale()
{
  const QLocale previousLocale;
  const std::string previousNumeric = std::setlocale(LC_ALL, nullptr);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const char *commaLocale = SwitchToCommaLocale();
  const auto restore = qScopeGuard([&] {
    QLocale::setDefault(previousLocale);
    std::setlocale(LC_ALL, previousNumeric.c_str());
  });
  if (!commaLocale)
    qWarning("no C locale with a decimal comma: only Qt's default locale is German here");

  ClickGridRow(*Form, 3);
  QCOMPARE(Form->MagnitudeEdit->text(), QString("0.0"));
  ClickUpdate();
  QVERIFY(Catcher->Messages.isEmpty());
  QCOMPARE(GridRow(*Form, 3), (TGridRow{"2", "0.0000", "0.0"}));

  Form->HarmonicIndex = 5;
  Form->LoadPhasorEditor(0.5, 0.5);
  QVERIFY(Catcher->Messages.isEmpty());
  QCOMPARE(GridRow(*Form, 6), (TGridRow{"5", "0.7071", "45.0"}));
  QVERIFY(std::fabs(Magnitude(Form->PhasorList[5]) - 0.7071) < 1e-12);
}

// Clicking the other value cell of the row being edited must not reload the
// edits from the grid and lose what was typed.
void TestEditor::ClickOnSameRowKeepsTypedText()
{
  ClickGridRow(*Form, 4);
  TypeText(Form->MagnitudeEdit, "0.25");
  QTableWidget *grid = Form->PhasorGrid;
  const QRect angleCell = grid->visualItemRect(grid->item(4, 2));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, angleCell.center());
  QCOMPARE(grid->currentRow(), 4);
  QCOMPARE(grid->currentColumn(), 2);
  QCOMPARE(Form->MagnitudeEdit->text(), QString("0.25"));
  ClickUpdate();
  QCOMPARE(GridRow(*Form, 4), (TGridRow{"3", "0.2500", "0.0"}));
}

// The headings stay at the top of the grid whatever row is scrolled into view:
// at start-up, after a preset has scrolled to harmonic 25, and while the user
// scrolls. Row 0 still holds them, for whoever reads the cells.
void TestEditor::HeadingRowStaysInView()
{
  QTableWidget *grid = Form->PhasorGrid;
  const QStringList headings{"Harmonic", "Magnitude", QString::fromUtf8("Angle (\u00B0)")};

  const auto headingsShown = [&] {
    // The point just inside the grid's top-left corner shows the heading.
    QHeaderView *header = grid->horizontalHeader();
    QWidget *top = grid->childAt(grid->frameWidth() + 2, grid->frameWidth() + 2);
    if (!top || !header->isAncestorOf(top) || !header->isVisible())
      return false;
    for (int column = 0; column < 3; ++column) {
      if (grid->model()->headerData(column, Qt::Horizontal).toString() != headings[column]
          || grid->item(0, column)->text() != headings[column])
        return false;
    }
    return true;
  };
  QVERIFY(headingsShown());
  ChooseWaveform(*Form, SquareItem);
  QVERIFY(grid->verticalScrollBar()->value() > 0);
  QVERIFY(headingsShown());
  QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
  grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum() / 2);
  QVERIFY(headingsShown());
  // The first row below the headings is harmonic 0, not row 0 scrolled away.
  grid->verticalScrollBar()->setValue(0);
  QCOMPARE(grid->rowAt(1), 1);
}

void TestEditor::NoticeNamesReplacedValues_data()
{
  QTest::addColumn<QString>("magnitudeText");
  QTest::addColumn<QString>("angleText");
  QTest::addColumn<QString>("notice");  // empty: hidden
  QTest::newRow("in range") << "1.5" << "-90" << QString();
  QTest::newRow("bounds") << "10" << "180" << QString();
  QTest::newRow("magnitude 12") << "12" << "30" << "Magnitude 12 is outside 0 to 10: 0 applied";
  QTest::newRow("angle 270") << "1" << "270" << "Angle 270 is outside -180 to 180: 0 applied";
  QTest::newRow("both, blanks trimmed")
      << " -2 " << "-181" << "Magnitude -2 is outside 0 to 10: 0 applied\n"
                             "Angle -181 is outside -180 to 180: 0 applied";
  QTest::newRow("overflow") << "1e400" << "0" << "Magnitude 1e400 is outside 0 to 10: 0 applied";
}

// An Update that replaces a typed value by 0 says so beside the grid; the next
// Update that replaces nothing, a waveform choice and hiding the editor take
// the notice away. A refused text leaves it as it was.
void TestEditor::NoticeNamesReplacedValues()
{
  QFETCH(QString, magnitudeText);
  QFETCH(QString, angleText);
  QFETCH(QString, notice);
  ClickGridRow(*Form, 4);
  TypeText(Form->MagnitudeEdit, magnitudeText);
  TypeText(Form->AngleEdit, angleText);
  ClickUpdate();
  QCOMPARE(Form->EditorNotice->isVisible(), !notice.isEmpty());
  if (notice.isEmpty())
    return;
  QCOMPARE(Form->EditorNotice->text(), notice);
  QCOMPARE(Form->MagnitudeEdit->text(), magnitudeText);

  TypeText(Form->MagnitudeEdit, "abc");
  ClickUpdate();
  QCOMPARE(Catcher->Messages.size(), 1);
  QVERIFY(Form->EditorNotice->isVisible());
  TypeText(Form->MagnitudeEdit, "0.5");
  TypeText(Form->AngleEdit, "0");
  ClickUpdate();
  QVERIFY(!Form->EditorNotice->isVisible());

  TypeText(Form->MagnitudeEdit, magnitudeText);
  TypeText(Form->AngleEdit, angleText);
  ClickUpdate();
  ChooseWaveform(*Form, 2);
  QVERIFY(!Form->EditorNotice->isVisible());

  TypeText(Form->MagnitudeEdit, magnitudeText);
  TypeText(Form->AngleEdit, angleText);
  ClickUpdate();
  QTest::mouseClick(Form->EditRotantsBtn, Qt::LeftButton);
  QTest::mouseClick(Form->EditRotantsBtn, Qt::LeftButton);
  QVERIFY(!Form->EditorNotice->isVisible());
}

void TestEditor::ReturnAppliesTheRow_data()
{
  QTest::addColumn<bool>("inAngle");
  QTest::addColumn<int>("key");
  QTest::newRow("Return in the magnitude") << false << int(Qt::Key_Return);
  QTest::newRow("Enter in the angle") << true << int(Qt::Key_Enter);
}

void TestEditor::ReturnAppliesTheRow()
{
  QFETCH(bool, inAngle);
  QFETCH(int, key);
  ClickGridRow(*Form, 3);
  TypeText(Form->MagnitudeEdit, "0.25");
  TypeText(Form->AngleEdit, "45");
  QLineEdit *edit = inAngle ? Form->AngleEdit : Form->MagnitudeEdit;
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key(key));
  QCOMPARE(GridRow(*Form, 3), (TGridRow{"2", "0.2500", "45.0"}));
  QVERIFY(std::fabs(Magnitude(Form->PhasorList[2]) - 0.25) < 1e-12);
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
