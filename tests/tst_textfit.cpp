#include "TestSupport.h"
#include "AboutForm.h"
#include "FigureRenderer.h"
#include "MainForm.h"
#include "TextFit.h"
#include "Translations.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

// Every text of the main window reads whole in the window font, at the sizes
// of the layout (which the shell test holds every control to), so no caption
// runs into its neighbour, in every language the program speaks; and every
// accelerator is unique where it must be.

namespace {

QStringList LanguageCodes()
{
  QStringList codes;
  for (const Translations::TLanguage &language : Translations::Languages())
    codes << language.Code;
  return codes;
}

// The accelerator letter of a caption, lower case; empty without one.
QString Accelerator(const QString &caption)
{
  for (int i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (caption[i + 1] != '&')
        return caption[i + 1].toLower();
      ++i;
    }
  }
  return {};
}

// Names of the texts that share an accelerator with an earlier one.
QStringList Clashes(const QList<std::pair<QString, QString>> &captions)
{
  QMap<QString, QString> seen;
  QStringList clashes;
  for (const auto &[name, caption] : captions) {
    const QString key = Accelerator(caption);
    if (key.isEmpty())
      continue;
    if (seen.contains(key))
      clashes << QString("%1 and %2 on '%3'").arg(seen[key], name, key);
    seen[key] = name;
  }
  return clashes;
}

// The names the Edit menu gives steps, at their longest.
QStringList StepNames()
{
  QStringList names = TRotantsForm::WaveformItemTexts();
  for (const char *name : {"Typed Harmonic %1", "Placed Harmonic %1", "Highest Harmonic %1",
                           "Dragged Phase of Harmonic %1", "Dragged Harmonic %1", "Drawing",
                           "&Clear", "&New", "Use Conjugate Rotants"})
    names << TranslatedWindowText(name).arg(25).remove('&');
  return names;
}

}  // namespace

class TestTextFit : public QObject {
  Q_OBJECT

private slots:
  void cleanup();
  void TextsFitTheirControls_data();
  void TextsFitTheirControls();
  void AcceleratorsAreUnique_data();
  void AcceleratorsAreUnique();
  void FigureTextsFit_data();
  void FigureTextsFit();
  void LanguageChangesAtOnce();
  void LocaleChoosesTheLanguage_data();
  void LocaleChoosesTheLanguage();
};

void TestTextFit::cleanup()
{
  Translations::Install("en");
}

void TestTextFit::TextsFitTheirControls_data()
{
  QTest::addColumn<int>("needed");
  QTest::addColumn<int>("room");
  for (const QString &code : LanguageCodes()) {
    QVERIFY(Translations::Install(code));
    TRotantsForm form;
    const QList<TTextRoom> texts = WindowTexts(form);
    QVERIFY(texts.size() > 40);
    for (const TTextRoom &text : texts)
      QTest::newRow(qPrintable(code + " " + text.What)) << text.Needed << text.Room;

    // Every menu item's text and shortcut at 200 %, the undo and redo items
    // with every step name.
    form.show();
    form.SetZoomForRun(2.0);
    QCOMPARE(form.ZoomFactor, 2.0);
    QList<TTextRoom> items;
    for (const QMenu *menu : form.findChildren<QMenu *>())
      items << MenuItemTexts(menu);
    QUndoStack *steps = form.Document.UndoStack();
    for (const QString &step : StepNames()) {
      steps->clear();
      steps->push(new QUndoCommand(step));
      items << MenuItemTexts(form.MenuEdit).first();
      steps->push(new QUndoCommand(step));
      steps->undo();
      items << MenuItemTexts(form.MenuEdit).mid(0, 2);
    }
    for (const TTextRoom &text : items)
      QTest::newRow(qPrintable(code + " 200 % " + text.What)) << text.Needed << text.Room;
  }
  Translations::Install("en");
}

void TestTextFit::TextsFitTheirControls()
{
  QFETCH(int, needed);
  QFETCH(int, room);
  QVERIFY2(needed <= room, qPrintable(QString("%1 pixels in %2").arg(needed).arg(room)));
}

void TestTextFit::AcceleratorsAreUnique_data()
{
  QTest::addColumn<QString>("code");
  for (const QString &code : LanguageCodes())
    QTest::newRow(qPrintable(code)) << code;
}

// Within the window (its controls and the menu bar's titles) and within each
// menu, no two texts share an accelerator.
void TestTextFit::AcceleratorsAreUnique()
{
  QFETCH(QString, code);
  QVERIFY(Translations::Install(code));
  TRotantsForm form;
  QList<std::pair<QString, QString>> window;
  for (QAbstractButton *button : form.centralWidget()->findChildren<QAbstractButton *>()) {
    // Play and Stop share one place and are never shown together, but both
    // accelerators always work, so both count.
    window.append({button->objectName(), button->text()});
  }
  for (QLabel *label : form.centralWidget()->findChildren<QLabel *>())
    window.append({label->objectName(), label->text()});
  for (QGroupBox *box : form.centralWidget()->findChildren<QGroupBox *>())
    window.append({box->objectName(), box->title()});
  for (QAction *title : form.MainMenu->actions())
    window.append({title->menu()->objectName(), title->text()});
  QStringList clashes = Clashes(window);
  for (QMenu *menu : form.findChildren<QMenu *>()) {
    QList<std::pair<QString, QString>> items;
    for (QAction *item : menu->actions())
      items.append({item->objectName(), item->text()});
    clashes << Clashes(items);
  }
  QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("; ")));
}

void TestTextFit::FigureTextsFit_data()
{
  AcceleratorsAreUnique_data();
}

// The figure's caption keeps its full size for every waveform, and the legend
// of every curve and chain there is stays on one line.
void TestTextFit::FigureTextsFit()
{
  QFETCH(QString, code);
  QVERIFY(Translations::Install(code));
  TFigureState state;
  state.Conjugate = state.Trace = true;
  state.Step = SweepSteps - 1;
  state.Highlighted = HarmonicCount - 1;
  for (const QString &name : TRotantsForm::WaveformItemTexts()) {
    state.WaveformName = name;
    const TFigureRenderer figure(state);
    QVERIFY2(figure.Layout().CaptionPixelSize == TFigureRenderer::CaptionSize,
             qPrintable(figure.Caption()));
    QCOMPARE(figure.Layout().LegendRows.size(), std::size_t(1));
    QCOMPARE(figure.Legend().size(), std::size_t(6));
  }
}

// Choosing a language in the View menu rewrites the window and the about box
// at once; back in English every text is the original one.
void TestTextFit::LanguageChangesAtOnce()
{
  TRotantsForm form;
  const auto texts = [&form] {
    return QStringList{form.PlayBtn->text(),           form.ConjugateCheckBox->text(),
                       form.WaveformComboBox->itemText(7), form.MenuView->title(),
                       form.StatusPanel1->text(),      form.AboutBox->windowTitle()};
  };
  const QStringList english = texts();
  QCOMPARE(english, (QStringList{"&Play", "Use Conjugate Rotants", "Rectified Cosine", "Vie&w",
                                 "N: 0", "About"}));
  for (const QString &code : LanguageCodes().mid(1)) {
    form.findChild<QAction *>("ViewLanguage_" + code)->trigger();
    QCOMPARE(Translations::Current(), code);
    const QStringList translated = texts();
    // Every caption reads differently; "N: " may stay as it is.
    for (int i = 0; i < english.size(); ++i)
      QVERIFY2(translated[i] != english[i] || english[i] == "N: 0",
               qPrintable(code + ": " + english[i]));
  }
  form.findChild<QAction *>("ViewLanguage_en")->trigger();
  QCOMPARE(texts(), english);
}

void TestTextFit::LocaleChoosesTheLanguage_data()
{
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("code");
  QTest::newRow("C") << "C" << "en";
  QTest::newRow("POSIX") << "POSIX" << "en";
  QTest::newRow("English") << "en_GB.UTF-8" << "en";
  QTest::newRow("Austrian German") << "de_AT.UTF-8" << "de";
  QTest::newRow("Brazilian Portuguese") << "pt_BR.UTF-8" << "pt_BR";
  QTest::newRow("European Portuguese") << "pt_PT" << "pt_BR";
  QTest::newRow("Chinese, China") << "zh_CN.UTF-8" << "zh_CN";
  QTest::newRow("Mexican Spanish") << "es_MX" << "es";
  QTest::newRow("Japanese") << "ja_JP.UTF-8" << "en";
}

void TestTextFit::LocaleChoosesTheLanguage()
{
  QFETCH(QString, locale);
  QFETCH(QString, code);
  QCOMPARE(Translations::ForLocale(locale), code);
}

// A screen of 1920 x 1080, as a classroom's projector, where 200 % fits.
int main(int argc, char *argv[])
{
  QTemporaryDir directory;
  QFile file(directory.filePath("screen.json"));
  if (!file.open(QIODevice::WriteOnly))
    return 1;
  file.write(R"({"screens": [{"name": "Projector", "x": 0, "y": 0, "width": 1920, "height": 1080,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file.fileName()).toLocal8Bit());
  QApplication application(argc, argv);
  TestTextFit test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}
#include "tst_textfit.moc"
