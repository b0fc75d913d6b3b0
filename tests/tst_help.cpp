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
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

// Help inside the program: the manual on F1 in the window's language, naming
// the controls as the window names them; the shortcut list built from the
// window's own actions; the time step from the keyboard on the plots; and the
// texts of the command line and the file errors read whole in every language.

namespace {

constexpr int SquareItem = 2;

QStringList LanguageCodes()
{
  QStringList codes;
  for (const Translations::TLanguage &language : Translations::Languages())
    codes << language.Code;
  return codes;
}

// A text as the manual's reader meets it: no accelerator, no colon or dots at
// the end, spaces of every kind as one plain space, any case.
QString Readable(const QString &text)
{
  QString plain = PlainCaption(text);
  plain.replace(QChar(0x00A0), ' ').replace(QChar(0x202F), ' ');
  while (plain.endsWith(':') || plain.endsWith(QChar(0xFF1A)) || plain.endsWith('.'))
    plain.chop(1);
  return plain.simplified().toLower();
}

QString ManualText(const QString &code)
{
  QFile page(TManualWindow::PagePath(code));
  if (!page.open(QIODevice::ReadOnly))
    return {};
  QTextDocument document;
  document.setHtml(QString::fromUtf8(page.readAll()));
  return Readable(document.toPlainText());
}

// The option lines of `rotants --help` by their option names, each with the
// text that describes it, and the help's other lines.
QMap<QString, QString> HelpDescriptions(const QString &help)
{
  QMap<QString, QString> descriptions;
  static const QRegularExpression optionLine(QStringLiteral("^  (\\S+(?:, \\S+)*(?: <\\S+>)?)  +(.+)$"));
  for (const QString &line : help.split('\n')) {
    const QRegularExpressionMatch match = optionLine.match(line);
    if (match.hasMatch())
      descriptions.insert(match.captured(1), match.captured(2));
    else if (!line.startsWith(' ') && !line.isEmpty())
      descriptions.insert(line.section(' ', 0, 0), line);
  }
  return descriptions;
}

}  // namespace

class TestHelp : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void ManualOpensInTheLanguage_data();
  void ManualOpensInTheLanguage();
  void ManualNamesTheControls_data();
  void ManualNamesTheControls();
  void ShortcutListNamesEveryAction();
  void PlotKeysMoveTheStep_data();
  void PlotKeysMoveTheStep();
  void FocusFrameStaysOutOfThePictures();
  void HelpSpeaksTheLanguage_data();
  void HelpSpeaksTheLanguage();
  void FileErrorsReadWhole_data();
  void FileErrorsReadWhole();

private:
  std::unique_ptr<TRotantsForm> Form;
};

void TestHelp::init()
{
  Form = std::make_unique<TRotantsForm>();
}

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
  Form->show();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  QTest::keyClick(Form.get(), Qt::Key_F1);
  QVERIFY(Form->ManualWindow && Form->ManualWindow->isVisible());
  QCOMPARE(Form->ManualWindow->windowTitle(), title);
  const QTextDocument *page = Form->ManualWindow->Browser->document();
  QCOMPARE(page->findBlockByNumber(0).text(), title);
  QVERIFY(!page->find(heading).isNull());

  Form->SetLanguage(code == "en" ? "de" : "en", false);
  QVERIFY(page->find(heading).isNull());
  QCOMPARE(Form->ManualWindow->windowTitle(),
           code == "en" ? QString("Rotants-Handbuch") : QString("Rotants Manual"));
}

void TestHelp::ManualNamesTheControls_data()
{
  QTest::addColumn<QString>("code");
  for (const QString &code : LanguageCodes())
    QTest::newRow(qPrintable(code)) << code;
}

// Each language's manual names the controls, the waveforms, the View and
// File menus' items and the Help menu's own entries exactly as the window
// shows them in that language, and gives the buttons' Alt keys of that
// language; the English one holds at least 800 words.
void TestHelp::ManualNamesTheControls()
{
  QFETCH(QString, code);
  Form->SetLanguage(code, false);
  const QString manual = ManualText(code);
  QStringList names;
  for (QWidget *control : Form->centralWidget()->findChildren<QWidget *>()) {
    if (auto *button = qobject_cast<QAbstractButton *>(control))
      names << button->text();
    else if (auto *box = qobject_cast<QGroupBox *>(control))
      names << box->title();
  }
  names << Form->WaveformLabel->text() << Form->HighestHarmonicLabel->text();
  for (int item = 0; item < WaveformItemCount; ++item)
    names << Form->WaveformComboBox->itemText(item);
  for (const char *item :
       {"Zoom &In", "Zoom &Out", "&Actual Size", "&Full Screen", "&Highlight Selected Harmonic",
        "&Play Selected Harmonic Alone", "Show &Error", "&Language", "&New", "&Open...",
        "Open &Recent", "&Save", "Save &As...", "&Export", "&Picture...", "&Sound...",
        "&Harmonics Table...", "Wave&form Samples...", "&Animation...", "&Manual",
        "&Keyboard Shortcuts", "RMS error: -"})
    names << QCoreApplication::translate("TRotantsForm", item);
  QStringList missing;
  for (const QString &name : names) {
    if (!Readable(name).isEmpty() && !manual.contains(Readable(name)))
      missing << Readable(name);
  }
  for (QPushButton *button : Form->centralWidget()->findChildren<QPushButton *>()) {
    const QString keys = QKeySequence::mnemonic(button->text()).toString().toLower();
    if (!keys.isEmpty() && !manual.contains(keys))
      missing << keys;
  }
  QVERIFY2(missing.isEmpty(), qPrintable(missing.join(" | ")));
  QVERIFY(code != "en" || manual.split(' ', Qt::SkipEmptyParts).size() >= 800);
}

// Every action with a shortcut is listed with its keys and its text, the
// buttons with their Alt keys and the plots with their keys; an action added
// later is in the list the next time it opens.
void TestHelp::ShortcutListNamesEveryAction()
{
  Form->HelpShortcuts->trigger();
  QVERIFY(Form->ShortcutsDialog && Form->ShortcutsDialog->isVisible());
  const auto listed = [this] {
    QStringList rows;
    const QTableWidget *table = Form->ShortcutsDialog->Table;
    for (int row = 0; row < table->rowCount(); ++row)
      rows << table->item(row, 0)->text() + " = " + table->item(row, 1)->text();
    return rows;
  };
  QStringList expected;
  for (const QAction *action : Form->findChildren<QAction *>()) {
    for (const QKeySequence &key : action->shortcuts())
      expected << key.toString(QKeySequence::NativeText) + " = " + PlainCaption(action->text());
  }
  QVERIFY(expected.size() >= 10);
  expected << "Alt+P = Play" << "Alt+V = Show Real Value" << "Esc = Leave Full Screen"
           << "Home = First time step (0)" << "PgUp = 32 time steps forward";
  const QStringList rows = listed();
  for (const QString &entry : expected) {
    const QString keys = entry.section(" = ", 0, 0);
    const QString command = entry.section(" = ", 1);
    const bool found = std::any_of(rows.begin(), rows.end(), [&](const QString &row) {
      return row.section(" = ", 1) == command && row.section(" = ", 0, 0).split(", ").contains(keys);
    });
    QVERIFY2(found, qPrintable(entry + " not in\n" + rows.join('\n')));
  }

  auto *added = new QAction("&Later Action", Form.get());
  added->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  Form->HelpShortcuts->trigger();
  QVERIFY(listed().contains("Ctrl+L = Later Action"));
}

void TestHelp::PlotKeysMoveTheStep_data()
{
  QTest::addColumn<bool>("timePlot");
  QTest::addColumn<int>("start");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<int>("step");
  QTest::newRow("left") << true << 100 << int(Qt::Key_Left) << 0 << 99;
  QTest::newRow("left at 0") << false << 0 << int(Qt::Key_Left) << 0 << 0;
  QTest::newRow("right") << false << 100 << int(Qt::Key_Right) << 0 << 101;
  QTest::newRow("right at 511") << true << 511 << int(Qt::Key_Right) << 0 << 511;
  QTest::newRow("page up") << false << 100 << int(Qt::Key_PageUp) << 0 << 132;
  QTest::newRow("page up near the end") << true << 500 << int(Qt::Key_PageUp) << 0 << 511;
  QTest::newRow("page down") << true << 100 << int(Qt::Key_PageDown) << 0 << 68;
  QTest::newRow("page down near 0") << false << 20 << int(Qt::Key_PageDown) << 0 << 0;
  QTest::newRow("home") << true << 300 << int(Qt::Key_Home) << 0 << 0;
  QTest::newRow("end") << false << 3 << int(Qt::Key_End) << 0 << 511;
  QTest::newRow("ctrl+right is not a step") << true << 100 << int(Qt::Key_Right)
                                            << int(Qt::ControlModifier) << 100;
  QTest::newRow("other keys do nothing") << false << 100 << int(Qt::Key_A) << 0 << 100;
}

// A click (outside the editing modes) or Tab gives a plot the focus; its keys
// then move the slider, which redraws as a move of the slider does.
void TestHelp::PlotKeysMoveTheStep()
{
  QFETCH(bool, timePlot);
  QFETCH(int, start);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(int, step);
  Form->show();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  ChooseWaveform(*Form, SquareItem);
  TImageCanvas *plot = timePlot ? Form->TimeImage : Form->PhasorImage;
  if (timePlot) {
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
  } else {
    Form->IdealWaveCheckBox->setFocus();
    QTest::keyClick(Form->IdealWaveCheckBox, Qt::Key_Tab);
  }
  QVERIFY(plot->hasFocus());
  Form->TimeTrackBar->setValue(start);
  QTest::keyClick(plot, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(Form->TimeTrackBar->value(), step);
  QCOMPARE(Form->StatusPanel1->text(), QString("N: %1").arg(step));
}

// The frame that shows the focus is on screen only: the canvas pixels and the
// exported picture are those of the unfocused plot.
void TestHelp::FocusFrameStaysOutOfThePictures()
{
  Form->show();
  QVERIFY(QTest::qWaitForWindowActive(Form.get()));
  ChooseWaveform(*Form, SquareItem);
  QCOMPARE(QApplication::focusWidget(), Form->PlayBtn);
  const QImage pixels = Form->TimeImage->Image();
  const QImage shown = Form->TimeImage->grab().toImage();
  const QImage picture = Form->PlotsPicture();
  Form->TimeImage->setFocus(Qt::TabFocusReason);
  QVERIFY(Form->TimeImage->hasFocus());
  const QImage framed = Form->TimeImage->grab().toImage();
  QVERIFY(framed != shown);
  QCOMPARE(framed.pixel(0, 100), Form->TimeImage->palette().color(QPalette::Highlight).rgb());
  QCOMPARE(framed.copy(2, 2, 508, 247), shown.copy(2, 2, 508, 247));
  QCOMPARE(Form->TimeImage->Image(), pixels);
  QCOMPARE(Form->PlotsPicture(), picture);
}

void TestHelp::HelpSpeaksTheLanguage_data()
{
  QTest::addColumn<QString>("code");
  for (const QString &code : LanguageCodes().mid(1))
    QTest::newRow(qPrintable(code)) << code;
}

// `rotants --help` in each language has no line in English: every option's
// description, the usage line and the section headings are translated, Qt's
// own help options included.
void TestHelp::HelpSpeaksTheLanguage()
{
  QFETCH(QString, code);
  QTemporaryDir home;
  const auto help = [&home](const QString &language) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      environment.remove(name);
    environment.insert("HOME", home.path());
    program.setProcessEnvironment(environment);
    program.start(ROTANTS_BINARY, {"--language", language, "--help"});
    program.waitForFinished(60000);
    return HelpDescriptions(QString::fromUtf8(program.readAllStandardOutput()));
  };
  const QMap<QString, QString> english = help("en");
  const QMap<QString, QString> translated = help(code);
  QVERIFY(english.size() > 20);
  QVERIFY(english.contains("-h, --help") && english.contains("--help-all"));
  QStringList untranslated;
  for (auto it = english.cbegin(); it != english.cend(); ++it) {
    if ((it.key().startsWith('-') || it.key() == "FILE") && translated.value(it.key()) == it.value())
      untranslated << it.value();
  }
  for (const QString &heading : {"Usage:", "Options:", "Arguments:"}) {
    if (translated.contains(heading))
      untranslated << heading;
  }
  QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
}

void TestHelp::FileErrorsReadWhole_data()
{
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("object");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("error");
  QTest::newRow("en options") << "en" << "options" << "grid"
                              << "the field \"grid\" in \"options\" is missing";
  QTest::newRow("fr editor") << "fr" << "editor" << "shown"
                             << "le champ \"shown\" dans \"editor\" est absent";
  QTest::newRow("es placement") << "es" << "placement" << "next_harmonic"
                                << "falta el campo \"next_harmonic\" en \"placement\"";
  QTest::newRow("zh options") << "zh_CN" << "options" << "grid"
                              << "缺少\"options\" 中的字段 \"grid\"";
}

// The place of a field in a file error is part of the translated sentence.
void TestHelp::FileErrorsReadWhole()
{
  QFETCH(QString, code);
  QFETCH(QString, object);
  QFETCH(QString, field);
  QFETCH(QString, error);
  QVERIFY(Translations::Install(code));
  PhasorSetFile::TState state;
  state.HasPlacement = true;
  state.HasEditor = true;
  QJsonObject root = QJsonDocument::fromJson(PhasorSetFile::Write(state)).object();
  QJsonObject part = root[object].toObject();
  QVERIFY(part.contains(field));
  part.remove(field);
  root[object] = part;
  PhasorSetFile::TState read;
  QString fault;
  QVERIFY(!PhasorSetFile::Read(QJsonDocument(root).toJson(), read, fault));
  QCOMPARE(fault, error);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
