#include "HelpWindows.h"
#include "MainForm.h"
#include "NumberText.h"
#include "PhasorSetFile.h"
#include "TipPresenter.h"
#include "Translations.h"
#include "WindowDriver.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>

#include <memory>
#include <cmath>

// Tool tips and what a screen reader gets, in every language: a tip on every
// control and menu item, a name on every control, the plots' tips for the
// mode and their descriptions of what they show; no text escapes translation.

namespace {

// Marks every text it translates: a text shown without marks never went
// through translation.
class TPseudoTranslator : public QTranslator {
public:
  QString translate(const char *, const char *source, const char *, int) const override
  {
    return *source ? QStringLiteral("\u27E6%1\u27E7").arg(QString::fromUtf8(source)) : QString();
  }
  bool isEmpty() const override { return false; }
};

QString Reader(QWidget *widget, QAccessible::Text kind)
{
  return QAccessible::queryAccessibleInterface(widget)->text(kind);
}

// The shown items of the menus and their submenus (with the menu bar's titles
// when titles is set).
QList<QAction *> MenuItems(const QList<QAction *> &actions, bool titles)
{
  QList<QAction *> items;
  for (QAction *item : actions) {
    if (!item->isSeparator() && item->isVisible()) {
      items << (titles ? QList<QAction *>{item} : QList<QAction *>{});
      items << (item->menu() ? MenuItems(item->menu()->actions(), true) : QList<QAction *>{});
    }
  }
  return items;
}

// The texts that still show a Latin letter once every part the marking
// catalogue marked is taken out (and, with quotesExempt, every "quoted" part),
// except those equal to exempt.
QStringList UnmarkedTexts(const QStringList &texts, bool quotesExempt, const QString &exempt = {})
{
  static const QRegularExpression marked(QStringLiteral("\u27E6[^\u27E6\u27E7]*\u27E7"));
  static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\""));
  static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
  QStringList english;
  for (const QString &original : texts) {
    QString text = original;
    if (quotesExempt)
      text.remove(quoted);
    while (text.contains(marked))
      text.remove(marked);
    if (text.contains(latin) && text != exempt)
      english << original;
  }
  return english;
}

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT

private slots:
  void init()
  {
    Form = std::make_unique<TRotantsForm>();
    Form->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
    QTest::mouseClick(Form->EditRotantsBtn, Qt::LeftButton);
    for (QAction *option : {Form->ViewSpectrum, Form->ViewShowError, Form->ViewHighlightHarmonic})
      option->trigger();
  }
  void cleanup()
  {
    Form.reset();
    Translations::Install("en");
  }
  void EveryControlHasTipAndName();
  void PlotsFollowTheMode_data();
  void PlotsFollowTheMode();
  void TipsShowWrapped();
  void PseudoTranslationLeavesNoEnglish();
  void PseudoTranslatedFileErrors();
  void SpectrumKeys_data();
  void SpectrumKeys();
  void ReaderTable();

private:
  std::unique_ptr<TRotantsForm> Form;
};

// In every language, each shown control (not the plain containers and Qt's
// parts) has a tip and a name (labels that show a value are named by it,
// other controls explicitly), each menu item a tip of its own (not its text,
// which Qt falls back on), translated; a tip that points to another control
// calls it as the window does, and the warning that no sound is heard keeps
// its place on "Sound On".
void TestAccessibility::EveryControlHasTipAndName()
{
  // The warning shows while Sound On is checked.
  Form->SoundCheckBox->setChecked(true);
  Form->SoundOutputReport(false);
  QMap<QString, QString> english;
  for (const Translations::TLanguage &language : Translations::Languages()) {
    Form->SetLanguage(language.Code, false);
    QMap<QString, QString> tips;
    QStringList faults;
    for (QWidget *control : Form->centralWidget()->findChildren<QWidget *>()) {
      const QMetaObject *kind = control->metaObject();
      if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")
          || !control->isVisibleTo(Form.get()) || kind == &QWidget::staticMetaObject
          || kind == &QFrame::staticMetaObject || qobject_cast<QStatusBar *>(control))
        continue;
      tips.insert(control->objectName(), control->toolTip());
      if (Reader(control, QAccessible::Name).isEmpty()
          || (!qobject_cast<QLabel *>(control) && control->accessibleName().isEmpty()))
        faults << control->objectName() + " has no name";
    }
    for (QAction *item : MenuItems(Form->MainMenu->actions(), false)) {
      const bool own = item->toolTip() != PlainCaption(item->text()).remove("...");
      tips.insert(item->objectName() + item->text(), own ? item->toolTip() : QString());
      if (item->menu() && !item->menu()->toolTipsVisible())
        faults << item->text() + " hides its items' tips";
    }
    for (auto tip = tips.cbegin(); tip != tips.cend(); ++tip) {
      if (tip.value().isEmpty() || (!english.isEmpty() && english.value(tip.key()) == tip.value()))
        faults << tip.key() + " has no tip in " + language.Code;
    }
    english = english.isEmpty() ? tips : english;
    const QString update = PlainCaption(Form->PhasorUpdateBtn->text());
    const std::pair<QWidget *, QStringList> references[] = {
        {Form->StatusPanel3, {Form->WaveformComboBox->itemText(0), "0", "-"}},
        {Form->WaveformComboBox,
         {Form->WaveformComboBox->itemText(0), Form->WaveformComboBox->itemText(1)}},
        {Form->MagnitudeEdit, {update, "0", "10"}},
        {Form->AngleEdit, {update, "-180", "180"}},
        {Form->EditorNotice, {update}},
        {Form->SelectedHarmonicPanel,
         {PlainCaption(Form->ViewHighlightHarmonic->text()),
          PlainCaption(Form->ViewSoloHarmonic->text())}},
        {Form->SoundCheckBox, {TRotantsForm::NoSoundOutputText()}}};
    for (const auto &[control, names] : references) {
      for (const QString &name : names) {
        if (!control->toolTip().contains(name))
          faults << control->objectName() + " does not name " + name;
      }
    }
    QVERIFY(tips.size() >= 75);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }
  Form->SoundOutputReport(true);
  QCOMPARE(Form->SoundCheckBox->toolTip(), TRotantsForm::SoundCheckBoxTip());
}

void TestAccessibility::PlotsFollowTheMode_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("highest");
  QTest::addColumn<int>("step");
  QTest::addColumn<QString>("time");
  QTest::newRow("Custom Rotants") << 0 << 25 << 0 << "Custom Rotants waveform from harmonics 0 "
                                                      "to 25, step 0, value 0.0000";
  QTest::newRow("Custom Time") << 1 << 4 << 10 << "Custom Time waveform from harmonics 0 to 4, "
                                                   "step 10, value 0.0000";
  QTest::newRow("Square") << 2 << 25 << 150 << "Square waveform from harmonics 0 to 25, step "
                                               "150, value -0.5013";
  QTest::newRow("Triangle") << 5 << 3 << 511 << "Triangle waveform from harmonics 0 to 3, step "
                                                "511, value ";
}

// The plane's tip says a click places a phasor only in "Custom Rotants", the
// time plot's that a drag draws only in "Custom Time", and neither while the
// sweep plays. What a reader hears of each plot names the waveform, the
// harmonics, the step and the value the curve has there (the plane's tip lies
// at it) and follows the slider; the spectrum gives the selected harmonic as
// the table reads it.
void TestAccessibility::PlotsFollowTheMode()
{
  QFETCH(int, item);
  QFETCH(int, highest);
  QFETCH(int, step);
  QFETCH(QString, time);
  ChooseWaveform(*Form, item == 2 ? 5 : 2);
  ChooseWaveform(*Form, item);
  ChooseHighestHarmonic(*Form, highest);
  const auto tips = [this] { return Form->PhasorImage->toolTip() + Form->TimeImage->toolTip(); };
  QCOMPARE(Form->PhasorImage->toolTip().contains("click to place"), item == 0);
  QCOMPARE(Form->TimeImage->toolTip().contains("drag across to draw"), item == 1);
  QVERIFY(Form->PhasorImage->toolTip().startsWith(Form->PhasorHelpLabel->toolTip() + "\n"));
  const QString idle = tips();
  QTest::mouseClick(Form->PlayBtn, Qt::LeftButton);
  QVERIFY(!tips().contains("click to place") && !tips().contains("drag across"));
  QTest::mouseClick(Form->StopBtn, Qt::LeftButton);
  QCOMPARE(tips(), idle);
  for (int n : {(step + 200) % 512, step}) {
    Form->TimeTrackBar->setValue(n);
    const QString value = QString::fromStdString(FormatFixed(Form->ReconWave[n], 7, 4));
    const QString plane = Reader(Form->PhasorImage, QAccessible::Description);
    QVERIFY(Reader(Form->TimeImage, QAccessible::Description).endsWith(", value " + value));
    QVERIFY2(plane.contains(QString("chain of harmonics 0 to %1 at step %2, its tip at real %3,")
                                .arg(highest).arg(n).arg(value)),
             qPrintable(plane));
  }
  QVERIFY(Reader(Form->TimeImage, QAccessible::Description).startsWith("Time plot: " + time));
  ClickGridRow(*Form, 2);
  if (item == 2)
    QVERIFY(Reader(Form->SpectrumImage, QAccessible::Description)
                .endsWith("strongest harmonic 1 with magnitude 0.6366; selected harmonic 1: "
                          "magnitude 0.6366, angle 0.0\u00B0"));
  Form->SetLanguage("de", false);
  QVERIFY(Reader(Form->TimeImage, QAccessible::Description)
              .startsWith("Zeitdiagramm: Signalform " + Form->WaveformComboBox->currentText()));
}

// A tip shows as its words, escaped, wrapped to a readable width; over a menu
// item only the item's own tip shows.
void TestAccessibility::TipsShowWrapped()
{
  QVERIFY(TTipPresenter::Wrapped("a < b\nc").contains(">a &lt; b\nc<"));
  const auto shownOver = [](QWidget *widget, QPoint at) {
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
      return QString("a tip that does not go");
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  for (QWidget *control : QList<QWidget *>{Form->TimeImage, Form->ClearBtn, Form->StatusPanel1})
    QCOMPARE(shownOver(control, QPoint(5, 5)), TTipPresenter::Wrapped(control->toolTip()));
  Form->MenuFile->popup(Form->mapToGlobal(QPoint(0, 0)));
  QVERIFY(QTest::qWaitForWindowExposed(Form->MenuFile));
  const QPoint open = Form->MenuFile->actionGeometry(Form->FileOpen).center();
  QCOMPARE(shownOver(Form->MenuFile, open), TTipPresenter::Wrapped(Form->FileOpen->toolTip()));
  Form->FileOpen->setToolTip(QString());
  QCOMPARE(shownOver(Form->MenuFile, open), QString());
}

// Under a catalogue that marks every text, no text of the window shows a Latin
// letter outside the marks. Exempt: the languages' names in the language menu
// (each in its own language) and the program's name in the about box.
void TestAccessibility::PseudoTranslationLeavesNoEnglish()
{
  TPseudoTranslator pseudo;
  QCoreApplication::installTranslator(&pseudo);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QStringList texts;
  for (QWidget *widget : Form->findChildren<QWidget *>()) {
    texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
    if (auto *label = qobject_cast<QLabel *>(widget))
      texts << label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
      texts << button->text();
    if (auto *box = qobject_cast<QGroupBox *>(widget))
      texts << box->title();
    for (int item = 0; qobject_cast<QComboBox *>(widget) && item < 9; ++item)
      texts << static_cast<QComboBox *>(widget)->itemText(item);
    if (qobject_cast<TImageCanvas *>(widget))
      texts << Reader(widget, QAccessible::Description);
  }
  for (int column = 0; column < 3; ++column)
    texts << Form->PhasorGrid->horizontalHeaderItem(column)->text();
  for (QAction *item : MenuItems(Form->MainMenu->actions(), true)) {
    if (item->parent() != Form->ViewLanguage || item->data().toString().isEmpty())
      texts << item->text() << item->toolTip();
  }
  QCoreApplication::removeTranslator(&pseudo);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  const QStringList english = UnmarkedTexts(texts, false, "Rotants");
  QVERIFY(texts.size() > 300);
  QVERIFY2(english.isEmpty(), qPrintable(english.join('\n')));
}

// What a file error says around the names and values it quotes goes through
// the catalogue whole: under the marking catalogue, nothing but quoted names
// and numbers stands outside the marks.
void TestAccessibility::PseudoTranslatedFileErrors()
{
  PhasorSetFile::TState state;
  state.HasPlacement = state.HasEditor = true;
  const QJsonObject good = QJsonDocument::fromJson(PhasorSetFile::Write(state)).object();
  const auto without = [&good](const QString &object, const QString &field) {
    QJsonObject root = good;
    QJsonObject part = root[object].toObject();
    part.remove(field);
    root[object] = part;
    return QJsonDocument(root).toJson();
  };
  const auto with = [&good](const QString &field, const QJsonValue &value) {
    QJsonObject root = good;
    root[field] = value;
    return QJsonDocument(root).toJson();
  };
  const QList<QByteArray> files = {
      without("options", "grid"), without("editor", "shown"), without("placement", "next_harmonic"),
      with("version", 99), with("format", "other"), with("waveform", "zigzag"),
      with("entries", QJsonValue(3)), QByteArray("{\"format\": "), QByteArray("[1, 2]"), QByteArray()};
  const QByteArray header = QByteArray(PhasorSetFile::HarmonicsCsvHeader) + '\n';
  const QList<QByteArray> tables = {"harmonic,re,im\n", header + "0,x,0\n", header + "0,-1,0\n",
                                    header + "30,1,0\n", header + "0,1,0\n0,1,0\n"};
  TPseudoTranslator pseudo;
  QCoreApplication::installTranslator(&pseudo);
  QStringList errors;
  for (const QByteArray &bytes : files) {
    QString error;
    PhasorSetFile::TState read;
    QVERIFY(!PhasorSetFile::Read(bytes, read, error));
    errors << error;
  }
  for (const QByteArray &bytes : tables) {
    QString error;
    std::array<PhasorSetFile::TEntry, HarmonicCount> entries;
    QVERIFY(!PhasorSetFile::ReadHarmonicsCsv(bytes, false, entries, error));
    errors << error;
  }
  QCoreApplication::removeTranslator(&pseudo);
  const QStringList english = UnmarkedTexts(errors, true);
  QVERIFY2(english.isEmpty(), qPrintable(english.join('\n')));
}

void TestAccessibility::SpectrumKeys_data()
{
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("selected");      // the row chosen after the key
  QTest::addColumn<double>("magnitude");  // harmonic 3's, after the key
  QTest::addColumn<double>("angle");
  QTest::addColumn<QString>("undo");      // the step it made; empty: none
  // The square's harmonic 3: 0.2122 at 180 degrees, on a scale of 0 to 1
  // whose bar area is 60 rows high.
  QTest::newRow("Left") << int(Qt::Key_Left) << 2 << 0.2122 << 180.0 << QString();
  QTest::newRow("Right") << int(Qt::Key_Right) << 4 << 0.2122 << 180.0 << QString();
  QTest::newRow("Up") << int(Qt::Key_Up) << 3 << 0.2289 << 180.0
                      << "Undo Dragged Harmonic 3";
  QTest::newRow("Down") << int(Qt::Key_Down) << 3 << 0.1955 << 180.0
                        << "Undo Dragged Harmonic 3";
  QTest::newRow("Page Up wraps") << int(Qt::Key_PageUp) << 3 << 0.2122 << -165.0
                                 << "Undo Dragged Phase of Harmonic 3";
  QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 3 << 0.2122 << 165.0
                             << "Undo Dragged Phase of Harmonic 3";
}

// The focused strip chooses a harmonic and edits it by keys, one undo step
// each, and its description names the harmonic chosen.
void TestAccessibility::SpectrumKeys()
{
  QFETCH(int, key);
  QFETCH(int, selected);
  QFETCH(double, magnitude);
  QFETCH(double, angle);
  QFETCH(QString, undo);
  ChooseWaveform(*Form, 2);
  Form->ViewHighlightHarmonic->trigger();
  Form->PhasorGrid->setCurrentCell(4, 1);
  Form->SpectrumImage->setFocus();
  QVERIFY(Form->SpectrumImage->focusPolicy() & Qt::TabFocus);
  const QString undone = Form->EditUndo->text().remove(QLatin1Char('&'));
  QTest::keyClick(Form->SpectrumImage, Qt::Key(key));
  QCOMPARE(Form->SelectedHarmonic(), selected);
  QCOMPARE(Form->PhasorGrid->currentRow(), selected + 1);
  double m = 0.0;
  double a = 0.0;
  Form->RectToPolar(Form->PhasorList[3].Re, Form->PhasorList[3].Im, m, a);
  QCOMPARE(std::round(m * 1e4) / 1e4, magnitude);
  QCOMPARE(std::round(a * 10) / 10, angle);
  QCOMPARE(Form->EditUndo->text().remove('&'), undo.isEmpty() ? undone : undo);
  QVERIFY(Form->SpectrumImage->Describe().contains(
      QString("selected harmonic %1: magnitude").arg(selected)));
}

// A reader gets the harmonics table without its hidden heading row: row k is
// harmonic k, named by its number, with the grid's texts; choosing a row
// there chooses it in the editor, and the focused cell is on the current row.
void TestAccessibility::ReaderTable()
{
  ChooseWaveform(*Form, 2);
  QAccessibleInterface *table = QAccessible::queryAccessibleInterface(Form->PhasorGrid);
  QAccessibleTableInterface *rows = table->tableInterface();
  QVERIFY(rows);
  QCOMPARE(rows->rowCount(), 26);
  QCOMPARE(rows->columnCount(), 3);
  QCOMPARE(rows->rowDescription(0), QString("0"));
  QCOMPARE(rows->columnDescription(1), QString("Magnitude"));
  QAccessibleInterface *cell = rows->cellAt(3, 1);
  QCOMPARE(cell->text(QAccessible::Name), Form->PhasorGrid->item(4, 1)->text());
  QCOMPARE(cell->tableCellInterface()->rowHeaderCells().value(0)->text(QAccessible::Name),
           QString("3"));
  QCOMPARE(table->child(table->indexOfChild(cell)), cell);
  QVERIFY(rows->selectRow(5));
  QCOMPARE(Form->HarmonicEdit->text(), QString("5"));
  QVERIFY(rows->isRowSelected(5));
  Form->activateWindow();
  Form->PhasorGrid->setFocus();
  QTRY_VERIFY(Form->PhasorGrid->hasFocus());
  Form->PhasorGrid->setCurrentCell(8, 1);
  QCOMPARE(table->focusChild()->tableCellInterface()->rowIndex(), 7);
  QVERIFY(table->focusChild()->state().focused && !rows->cellAt(5, 1)->state().focused);
  QVERIFY(!rows->cellAt(26, 0) && !rows->cellAt(-1, 0));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
