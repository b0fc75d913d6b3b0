#include "TestSupport.h"
#include "HelpWindows.h"
#include "MainForm.h"
#include "PhasorSetFile.h"
#include "Translations.h"
#include "WindowDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include <memory>

// Help inside the program: the manual on F1 in the window's language, naming
// the controls as the window names them; the shortcut list built from the
// window's own actions; the time step from the keyboard on the plots; and the
// command line's help and the file errors read whole in every language.

namespace {

constexpr int SquareItem = 2;

// A text as a reader meets it in the manual: no accelerator, no colon or dots
// at the end, every kind of space a plain one, any case.
QString Readable(QString text)
{
  text = PlainCaption(text).replace(QChar(0x00A0), ' ');
  while (text.endsWith(':') || text.endsWith(QChar(0xFF1A)) || text.endsWith('.'))
    text.chop(1);
  return text.simplified().toLower();
}

// The option lines of `rotants --language code --help` by their options, and
// its other unindented lines by their first word.
QMap<QString, QString> Help(const QString &code)
{
  QTemporaryDir home;
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(name);
  environment.insert("HOME", home.path());
  program.setProcessEnvironment(environment);
  program.start(ROTANTS_BINARY, {"--language", code, "--help"});
  program.waitForFinished(60000);
  static const QRegularExpression option("^  (\\S+(?:, \\S+)*(?: <\\S+>)?)  +(.+)$");
  QMap<QString, QString> lines;
  for (const QString &line : QString::fromUtf8(program.readAllStandardOutput()).split('\n')) {
    if (const QRegularExpressionMatch match = option.match(line); match.hasMatch())
      lines.insert(match.captured(1), match.captured(2));
    else if (!line.startsWith(' '))
      lines.insert(line.section(' ', 0, 0), line);
  }
  return lines;
}

}  // namespace

class TestHelp : public QObject {
  Q_OBJECT

private slots:
  void init() { Form = std::make_unique<TRotantsForm>(); }
  void cleanup();
  void ManualOpensInTheLanguage_data();
  void ManualOpensInTheLanguage();
  void ManualNamesTheControls_data();
  void ManualNamesTheControls();
  void ShortcutListNamesEveryAction();
  void ShortcutListReadsWhole_data() { ManualNamesTheControls_data(); }
  void ShortcutListReadsWhole();
  void PlotKeysMoveTheStep_data();
  void PlotKeysMoveTheStep();
  void FocusFrameStaysOutOfThePictures();
  void HelpSpeaksTheLanguage_data();
  void HelpSpeaksTheLanguage();
  void FileErrorsReadWhole_data();
  void FileErrorsReadWhole();

private:
  void ShowActive()
  {
    Form->show();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  }
  std::unique_ptr<TRotantsForm> Form;
};

void TestHelp::cleanup()
{
  Form.reset();
  Translations::Install("en");
}

void TestHelp::ManualOpensInTheLanguage_data()
{
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("heading");
  QTest::newRow("en") << "en" << "Rotants Manual" << "What Rotants teaches";
  QTest::newRow("de") << "de" << "Rotants-Handbuch" << "Was Rotants zeigt";
  QTest::newRow("zh_CN") << "zh_CN" << "Rotants 使用手册" << "Rotants 教什么";
}

// F1 opens the manual in the window's language; a language chosen while it
// is open rewrites it at once.
void TestHelp::ManualOpensInTheLanguage()
{
  QFETCH(QString, code);
  QFETCH(QString, title);
  QFETCH(QString, heading);
  Form->SetLanguage(code, false);
  ShowActive();
  QTest::keyClick(Form.get(), Qt::Key_F1);
  QVERIFY(Form->ManualWindow && Form->ManualWindow->isVisible());
  const QTextDocument *page = Form->ManualWindow->Browser->document();
  QCOMPARE(QStringList({Form->ManualWindow->windowTitle(), page->firstBlock().text()}),
           QStringList({title, title}));
  QVERIFY(!page->find(heading).isNull());
  Form->SetLanguage(code == "en" ? "de" : "en", false);
  QVERIFY(page->find(heading).isNull());
  QVERIFY(Form->ManualWindow->windowTitle() != title);
}

void TestHelp::ManualNamesTheControls_data()
{
  QTest::addColumn<QString>("code");
  for (const Translations::TLanguage &language : Translations::Languages())
    QTest::newRow(qPrintable(language.Code)) << language.Code;
}

// Each language's manual names the controls, the waveforms and the menus'
// items as the window shows them in that language, and gives the buttons'
// Alt keys of that language; the English one holds at least 800 words.
void TestHelp::ManualNamesTheControls()
{
  QFETCH(QString, code);
  Form->SetLanguage(code, false);
  QFile file(TManualWindow::PagePath(code));
  QVERIFY(file.open(QIODevice::ReadOnly) && file.fileName().endsWith(code + ".html"));
  QTextDocument page;
  page.setHtml(QString::fromUtf8(file.readAll()));
  const QString manual = Readable(page.toPlainText());
  QStringList names{Form->WaveformLabel->text(), Form->HighestHarmonicLabel->text()};
  for (QAbstractButton *button : Form->centralWidget()->findChildren<QAbstractButton *>())
    names << button->text() << QKeySequence::mnemonic(button->text()).toString();
  for (QGroupBox *box : Form->centralWidget()->findChildren<QGroupBox *>())
    names << box->title();
  for (int item = 0; item < WaveformItemCount; ++item)
    names << Form->WaveformComboBox->itemText(item);
  for (const char *text :
       {"Zoom &In", "Zoom &Out", "&Actual Size", "&Full Screen", "&Highlight Selected Harmonic",
        "&Play Selected Harmonic Alone", "Show &Error", "&Language", "&New", "&Open...",
        "Open &Recent", "&Save", "Save &As...", "&Export", "&Picture...", "&Sound...",
        "&Harmonics Table...", "Wave&form Samples...", "&Animation...", "&Manual",
        "&Keyboard Shortcuts", "RMS error: -", "A&xes", "Slowe&r", "Fas&ter", "Shape",
        "Duty cycle:", "Time shift:"})
    names << TranslatedWindowText(text);
  // The first exercise types the magnitudes the square's table shows.
  ChooseWaveform(*Form, SquareItem);
  for (int harmonic : {1, 3, 5})
    names << Form->PhasorGrid->item(harmonic + 1, 1)->text();
  QStringList missing;
  for (const QString &name : names) {
    if (!manual.contains(Readable(name)))
      missing << Readable(name);
  }
  QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ")));
  QVERIFY(code != "en" || manual.split(' ').size() >= 800);
}

// Every action's shortcut is listed with the action's text, beside the
// buttons' Alt keys, the window's Esc and the plots' keys; an action added
// later is in the list the next time it opens, and an open list follows the
// language.
void TestHelp::ShortcutListNamesEveryAction()
{
  QStringList expected{"Alt+P = Play", "Alt+V = Show Real Value", "Esc = Leave Full Screen",
                       "Home = First time step (0)", "PgUp = 32 time steps forward"};
  for (const QAction *action : Form->findChildren<QAction *>()) {
    for (const QKeySequence &key : action->shortcuts())
      expected << key.toString(QKeySequence::NativeText) + " = " + PlainCaption(action->text());
  }
  QVERIFY(expected.size() >= 15);
  auto *added = new QAction("&Later Action", Form.get());
  added->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  expected << "Ctrl+L = Later Action";
  Form->HelpShortcuts->trigger();
  QVERIFY(Form->ShortcutsDialog->isVisible());
  const auto listed = [this] {
    const QTableWidget *table = Form->ShortcutsDialog->Table;
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
      for (const QString &keys : table->item(row, 0)->text().split(", "))
        rows << keys + " = " + table->item(row, 1)->text();
    }
    return rows;
  };
  for (const QString &entry : expected)
    QVERIFY2(listed().contains(entry), qPrintable(entry + " not in\n" + listed().join('\n')));
  Form->SetLanguage("de", false);
  QVERIFY(listed().contains("Alt+P = Abspielen"));
}

// Every column of the shortcut list is as wide as its longest text, in every
// language.
void TestHelp::ShortcutListReadsWhole()
{
  QFETCH(QString, code);
  Form->SetLanguage(code, false);
  Form->HelpShortcuts->trigger();
  const QTableWidget *table = Form->ShortcutsDialog->Table;
  const QAbstractItemView *view = table;
  for (int column = 0; column < table->columnCount(); ++column)
    QVERIFY2(table->columnWidth(column) >= view->sizeHintForColumn(column),
             qPrintable(table->horizontalHeaderItem(column)->text()));
}

void TestHelp::PlotKeysMoveTheStep_data()
{
  QTest::addColumn<bool>("timePlot");
  QTest::addColumn<int>("start");
  QTest::addColumn<QKeyCombination>("key");
  QTest::addColumn<int>("step");
  QTest::newRow("left") << true << 100 << QKeyCombination(Qt::Key_Left) << 99;
  QTest::newRow("left at 0") << false << 0 << QKeyCombination(Qt::Key_Left) << 0;
  QTest::newRow("right") << false << 100 << QKeyCombination(Qt::Key_Right) << 101;
  QTest::newRow("right at 511") << true << 511 << QKeyCombination(Qt::Key_Right) << 511;
  QTest::newRow("page up") << false << 100 << QKeyCombination(Qt::Key_PageUp) << 132;
  QTest::newRow("page up near the end") << true << 500 << QKeyCombination(Qt::Key_PageUp) << 511;
  QTest::newRow("page down") << true << 100 << QKeyCombination(Qt::Key_PageDown) << 68;
  QTest::newRow("page down near 0") << false << 20 << QKeyCombination(Qt::Key_PageDown) << 0;
  QTest::newRow("home") << true << 300 << QKeyCombination(Qt::Key_Home) << 0;
  QTest::newRow("end") << false << 3 << QKeyCombination(Qt::Key_End) << 511;
  QTest::newRow("ctrl+right") << true << 100 << (Qt::CTRL | Qt::Key_Right) << 100;
  QTest::newRow("a letter") << false << 100 << QKeyCombination(Qt::Key_A) << 100;
}

// A click (outside the editing modes) gives the time plot the focus, and Tab
// from the last control the plane; their keys then move the slider, which
// redraws as a move of the slider does. A shown window starts on Play.
void TestHelp::PlotKeysMoveTheStep()
{
  QFETCH(bool, timePlot);
  QFETCH(int, start);
  QFETCH(QKeyCombination, key);
  QFETCH(int, step);
  ShowActive();
  QCOMPARE(QApplication::focusWidget(), Form->PlayBtn);
  ChooseWaveform(*Form, SquareItem);
  TImageCanvas *plot = timePlot ? Form->TimeImage : Form->PhasorImage;
  Form->IdealWaveCheckBox->setFocus();
  if (timePlot)
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
  else
    QTest::keyClick(Form->IdealWaveCheckBox, Qt::Key_Tab);
  QVERIFY(plot->hasFocus());
  Form->TimeTrackBar->setValue(start);
  QTest::keyClick(plot, key.key(), key.keyboardModifiers());
  QCOMPARE(Form->TimeTrackBar->value(), step);
  QCOMPARE(Form->StatusPanel1->text(), QString("N: %1").arg(step));
}

// The frame that shows the focus is on screen only: the canvas pixels and the
// exported picture are those of the unfocused plot.
void TestHelp::FocusFrameStaysOutOfThePictures()
{
  ShowActive();
  ChooseWaveform(*Form, SquareItem);
  const QImage pixels = Form->TimeImage->Image();
  const QImage shown = Form->TimeImage->grab().toImage();
  const QImage picture = Form->PlotsPicture();
  Form->TimeImage->setFocus(Qt::TabFocusReason);
  const QImage framed = Form->TimeImage->grab().toImage();
  QCOMPARE(framed.pixel(0, 100), Form->TimeImage->palette().color(QPalette::Highlight).rgb());
  QCOMPARE(framed.copy(2, 2, 508, 247), shown.copy(2, 2, 508, 247));
  QCOMPARE(Form->TimeImage->Image(), pixels);
  QCOMPARE(Form->PlotsPicture(), picture);
}

void TestHelp::HelpSpeaksTheLanguage_data()
{
  QTest::addColumn<QString>("code");
  for (const Translations::TLanguage &language : Translations::Languages().mid(1))
    QTest::newRow(qPrintable(language.Code)) << language.Code;
}

// `rotants --help` has no English line in another language: every option's
// description, Qt's own help options included, the usage line and the
// section headings.
void TestHelp::HelpSpeaksTheLanguage()
{
  QFETCH(QString, code);
  const QMap<QString, QString> english = Help("en");
  const QMap<QString, QString> translated = Help(code);
  QVERIFY(english.contains("-h, --help") && english.contains("--help-all") && english.size() > 25);
  QStringList untranslated;
  for (auto it = english.cbegin(); it != english.cend(); ++it) {
    if (!it.value().isEmpty() && translated.value(it.key()) == it.value())
      untranslated << it.value();
  }
  QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
}

void TestHelp::FileErrorsReadWhole_data()
{
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("object");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("error");
  QTest::newRow("en") << "en" << "options" << "grid" << "the field \"grid\" in \"options\" is missing";
  QTest::newRow("fr") << "fr" << "editor" << "shown" << "le champ \"shown\" dans \"editor\" est absent";
  QTest::newRow("es") << "es" << "placement" << "next_harmonic"
                      << "falta el campo \"next_harmonic\" en \"placement\"";
  QTest::newRow("zh_CN") << "zh_CN" << "options" << "grid" << "缺少\"options\" 中的字段 \"grid\"";
}

// Where a missing field lies is part of the translated sentence.
void TestHelp::FileErrorsReadWhole()
{
  QFETCH(QString, code);
  QFETCH(QString, object);
  QFETCH(QString, field);
  QFETCH(QString, error);
  QVERIFY(Translations::Install(code));
  PhasorSetFile::TState state;
  state.HasPlacement = state.HasEditor = true;
  QJsonObject root = QJsonDocument::fromJson(PhasorSetFile::Write(state)).object();
  QJsonObject part = root[object].toObject();
  QVERIFY(part.contains(field));
  part.remove(field);
  root[object] = part;
  QString fault;
  QVERIFY(!PhasorSetFile::Read(QJsonDocument(root).toJson(), state, fault));
  QCOMPARE(fault, error);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
