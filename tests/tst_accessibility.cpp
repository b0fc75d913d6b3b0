#include "HelpWindows.h"
#include "MainForm.h"
#include "NumberText.h"
#include "TipPresenter.h"
#include "Translations.h"
#include "WindowDriver.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>

#include <memory>

// Tool tips and what a screen reader gets: a tip on every control and menu
// item and a name on every control, in every language; the plots' tips follow
// the edit mode, their descriptions what they show; and no window text
// escapes translation.

namespace {

constexpr int CustomRotantsItem = 0;
constexpr int CustomTimeItem = 1;
constexpr int SquareItem = 2;

// Stands for a catalogue that translates every text: each comes back between
// markers, so any text shown without them never went through translation.
class TPseudoTranslator : public QTranslator {
public:
  QString translate(const char *, const char *source, const char *, int) const override
  {
    return source && *source ? QStringLiteral("\u27E6%1\u27E7").arg(QString::fromUtf8(source))
                             : QString();
  }
  bool isEmpty() const override { return false; }
};

QString ReaderText(QWidget *widget, QAccessible::Text kind)
{
  QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
  return reader ? reader->text(kind) : QString();
}

// The controls a user can point at: named widgets of the client area that
// are shown, without the plain containers and Qt's own parts.
QList<QWidget *> Controls(TRotantsForm &form)
{
  QList<QWidget *> controls;
  for (QWidget *widget : form.centralWidget()->findChildren<QWidget *>()) {
    const QMetaObject *kind = widget->metaObject();
    if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")
        || !widget->isVisibleTo(&form) || kind == &QWidget::staticMetaObject
        || kind == &QFrame::staticMetaObject || qobject_cast<QStatusBar *>(widget))
      continue;
    controls << widget;
  }
  return controls;
}

// Every item of the menus and their submenus that shows, the submenus' own
// items included; not the menu bar's titles, which show no tips.
QList<QAction *> MenuItems(const QList<QAction *> &actions, bool inMenu)
{
  QList<QAction *> items;
  for (QAction *item : actions) {
    if (item->isSeparator() || !item->isVisible())
      continue;
    if (inMenu)
      items << item;
    if (item->menu())
      items << MenuItems(item->menu()->actions(), true);
  }
  return items;
}

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT

private slots:
  void init();
  void cleanup();
  void EveryControlHasTipAndName();
  void PlotTipsFollowTheMode_data();
  void PlotTipsFollowTheMode();
  void DescriptionsSayWhatThePlotsShow_data();
  void DescriptionsSayWhatThePlotsShow();
  void TipsNameControlsAsShown_data();
  void TipsNameControlsAsShown();
  void SoundWarningWinsOverTheTip();
  void TipsShowWrapped();
  void PseudoTranslationLeavesNoEnglish();

private:
  // Shows the window with the editor, the spectrum and both status panels of
  // the View menu, so every control is on screen.
  void ShowEverything();
  std::unique_ptr<TRotantsForm> Form;
};

void TestAccessibility::init()
{
  Form = std::make_unique<TRotantsForm>();
}

void TestAccessibility::cleanup()
{
  Form.reset();
  Translations::Install("en");
}

void TestAccessibility::ShowEverything()
{
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  QTest::mouseClick(Form->EditRotantsBtn, Qt::LeftButton);
  for (QAction *option : {Form->ViewSpectrum, Form->ViewShowError, Form->ViewHighlightHarmonic})
    option->trigger();
  QVERIFY(Form->PhasorGrid->isVisible() && Form->SpectrumImage->isVisible()
          && Form->StatusPanel3->isVisible() && Form->SelectedHarmonicPanel->isVisible());
}

// Each control has a tip and a name, each menu item a tip of its own (not its
// text without dots and accelerator, which Qt falls back on), in English and again, translated, in German.
void TestAccessibility::EveryControlHasTipAndName()
{
  ShowEverything();
  QMap<QString, QString> english;
  for (const QString &code : {QString("en"), QString("de")}) {
    Form->SetLanguage(code, false);
    QStringList faults;
    const QList<QWidget *> controls = Controls(*Form);
    QVERIFY2(controls.size() >= 35, qPrintable(QString::number(controls.size())));
    for (QWidget *control : controls) {
      const QString name = control->objectName();
      const QString tip = control->toolTip();
      if (tip.isEmpty() || ReaderText(control, QAccessible::Name).isEmpty())
        faults << code + " " + name + ": no tip or no name";
      // Labels that show a value are named by it; every other control by an
      // explicit name.
      if (!qobject_cast<QLabel *>(control) && control->accessibleName().isEmpty())
        faults << code + " " + name + ": no accessible name";
      if (code == "en")
        english.insert(name, tip);
      else if (tip == english.value(name))
        faults << code + " " + name + ": tip not translated";
    }
    const QList<QAction *> items = MenuItems(Form->MainMenu->actions(), false);
    QVERIFY(items.size() >= 35);
    for (QAction *item : items) {
      const QString name = item->objectName().isEmpty() ? item->text() : item->objectName();
      const QString tip = item->toolTip();
      if (tip.isEmpty() || tip == PlainCaption(item->text()).remove("..."))
        faults << code + " " + name + ": no tip of its own";
      if (code == "en")
        english.insert(name, tip);
      else if (tip == english.value(name))
        faults << code + " " + name + ": tip not translated";
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
  }
  for (QAction *item : MenuItems(Form->MainMenu->actions(), false)) {
    if (item->menu())
      QVERIFY(item->menu()->toolTipsVisible());
  }
  for (QAction *title : Form->MainMenu->actions())
    QVERIFY(title->menu()->toolTipsVisible());
}

void TestAccessibility::PlotTipsFollowTheMode_data()
{
  QTest::addColumn<int>("item");
  QTest::addColumn<bool>("placing");
  QTest::addColumn<bool>("drawing");
  QTest::newRow("Custom Rotants") << CustomRotantsItem << true << false;
  QTest::newRow("Custom Time") << CustomTimeItem << false << true;
  QTest::newRow("Square") << SquareItem << false << false;
  QTest::newRow("Impulse train") << 8 << false << false;
}

// The plane's tip says a click places a phasor only where it does, the time
// plot's that a drag draws only where it does; while the sweep plays neither
// edits, and the tips say so. The help labels on the plots carry the same.
void TestAccessibility::PlotTipsFollowTheMode()
{
  QFETCH(int, item);
  QFETCH(bool, placing);
  QFETCH(bool, drawing);
  ChooseWaveform(*Form, item == SquareItem ? CustomTimeItem : SquareItem);
  ChooseWaveform(*Form, item);
  const auto says = [](QWidget *plot, const char *word) { return plot->toolTip().contains(word); };
  QCOMPARE(says(Form->PhasorImage, "click to place"), placing);
  QCOMPARE(says(Form->TimeImage, "drag across to draw"), drawing);
  for (TImageCanvas *plot : {Form->PhasorImage, Form->TimeImage})
    QVERIFY(says(plot, "arrow keys"));
  QVERIFY(says(Form->SpectrumImage, "drag in the phase row"));
  QVERIFY(Form->PhasorImage->toolTip().startsWith(Form->PhasorHelpLabel->toolTip() + '\n'));
  QVERIFY(Form->TimeImage->toolTip().startsWith(Form->TimeHelpLabel->toolTip() + '\n'));
  const QString idle = Form->PhasorImage->toolTip() + Form->TimeImage->toolTip();
  QTest::mouseClick(Form->PlayBtn, Qt::LeftButton);
  QVERIFY(!says(Form->PhasorImage, "click to place") && !says(Form->TimeImage, "drag across"));
  QTest::mouseClick(Form->StopBtn, Qt::LeftButton);
  QCOMPARE(Form->PhasorImage->toolTip() + Form->TimeImage->toolTip(), idle);
  Form->SetLanguage("fr", false);
  QVERIFY(!says(Form->PhasorImage, "Phasor plane") && !Form->PhasorImage->toolTip().isEmpty());
}

void TestAccessibility::DescriptionsSayWhatThePlotsShow_data()
{
  QTest::addColumn<QString>("code");
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("highest");
  QTest::addColumn<int>("step");
  QTest::addColumn<QString>("words");
  QTest::newRow("square") << "en" << SquareItem << 25 << 150 << "Time plot: Square waveform from "
                                                                "harmonics 0 to 25, step 150";
  QTest::newRow("triangle, 3") << "en" << 5 << 3 << 0 << "Time plot: Triangle waveform from "
                                                         "harmonics 0 to 3, step 0";
  QTest::newRow("sawtooth, last step") << "en" << 6 << 9 << 511 << "Time plot: Sawtooth waveform "
                                                                   "from harmonics 0 to 9, step 511";
  QTest::newRow("German") << "de" << SquareItem << 7 << 64 << "Zeitdiagramm";
}

// What a screen reader hears of each plot names the waveform as the drop-down
// does, the harmonics in use, the step and the value the curve reaches there;
// the plane's tip lies at that value, and both follow the slider. The
// spectrum gives the selected harmonic as the table reads it.
void TestAccessibility::DescriptionsSayWhatThePlotsShow()
{
  QFETCH(QString, code);
  QFETCH(int, item);
  QFETCH(int, highest);
  QFETCH(int, step);
  QFETCH(QString, words);
  Form->SetLanguage(code, false);
  ShowEverything();
  ChooseWaveform(*Form, item);
  ChooseHighestHarmonic(*Form, highest);
  const auto value = [this](int n) {
    return QString::fromStdString(FormatFixed(Form->ReconWave[std::size_t(n)], 7, 4));
  };
  for (int n : {step, (step + 200) % 512}) {
    Form->TimeTrackBar->setValue(n);
    const QString time = ReaderText(Form->TimeImage, QAccessible::Description);
    const QString plane = ReaderText(Form->PhasorImage, QAccessible::Description);
    const QString wave = Form->WaveformComboBox->currentText();
    QVERIFY2(time.contains(wave) && plane.contains(wave), qPrintable(time + '\n' + plane));
    QVERIFY2(time.endsWith(' ' + value(n)), qPrintable(time));
    QVERIFY2(plane.contains(' ' + value(n) + ','), qPrintable(plane));
    for (int number : {n, highest})
      QVERIFY2(plane.contains(QRegularExpression(QString("\\b%1\\b").arg(number))), qPrintable(plane));
    if (n == step)
      QVERIFY2(time.startsWith(words), qPrintable(time));
  }
  ClickGridRow(*Form, 2);
  const QString spectrum = ReaderText(Form->SpectrumImage, QAccessible::Description);
  QVERIFY2(spectrum.contains(Form->WaveformComboBox->currentText()), qPrintable(spectrum));
  if (item == SquareItem && code == "en")
    QVERIFY2(spectrum.endsWith("strongest harmonic 1 with magnitude 0.6366; selected harmonic 1: "
                               "magnitude 0.6366, angle 0.0\u00B0"),
             qPrintable(spectrum));
  QCOMPARE(ReaderText(Form->SpectrumImage, QAccessible::Name), Form->SpectrumImage->accessibleName());
}

void TestAccessibility::TipsNameControlsAsShown_data()
{
  QTest::addColumn<QString>("code");
  for (const Translations::TLanguage &language : Translations::Languages())
    QTest::newRow(qPrintable(language.Code)) << language.Code;
}

// A tip that points the reader to another control or item calls it what the
// window calls it in that language: the RMS panel names "Custom Rotants" as
// the drop-down does, the edit boxes the Update button, and so on.
void TestAccessibility::TipsNameControlsAsShown()
{
  QFETCH(QString, code);
  Form->SetLanguage(code, false);
  const QString customRotants = Form->WaveformComboBox->itemText(CustomRotantsItem);
  const QString update = PlainCaption(Form->PhasorUpdateBtn->text());
  struct TReference {
    QWidget *Control;
    QStringList Names;
  };
  const TReference references[] = {
      {Form->StatusPanel3, {customRotants, "0", "-"}},
      {Form->WaveformComboBox, {customRotants, Form->WaveformComboBox->itemText(CustomTimeItem)}},
      {Form->MagnitudeEdit, {update, "0", "10"}},
      {Form->AngleEdit, {update, "-180", "180"}},
      {Form->EditorNotice, {update}},
      {Form->SelectedHarmonicPanel,
       {PlainCaption(Form->ViewHighlightHarmonic->text()),
        PlainCaption(Form->ViewSoloHarmonic->text())}},
  };
  for (const auto &[control, names] : references) {
    for (const QString &name : names)
      QVERIFY2(control->toolTip().contains(name),
               qPrintable(control->objectName() + ": " + name + " not in " + control->toolTip()));
  }
}

// While no sound output takes the tone, the check box's tip is the warning,
// in every language it is switched to; once the tone is heard, its own tip.
void TestAccessibility::SoundWarningWinsOverTheTip()
{
  const QString normal = Form->SoundCheckBox->toolTip();
  QVERIFY(!normal.isEmpty() && normal != TRotantsForm::NoSoundOutputText());
  Form->SoundOutputReport(false);
  QCOMPARE(Form->SoundCheckBox->toolTip(), QString("No sound output available"));
  Form->SetLanguage("es", false);
  QCOMPARE(Form->SoundCheckBox->toolTip(), TRotantsForm::NoSoundOutputText());
  QVERIFY(Form->SoundCheckBox->toolTip() != QString("No sound output available"));
  Form->SoundOutputReport(true);
  QCOMPARE(Form->SoundCheckBox->toolTip(), TRotantsForm::SoundCheckBoxTip());
  Form->SetLanguage("en", false);
  QCOMPARE(Form->SoundCheckBox->toolTip(), normal);
}

// A tip shows as its words wrapped to a readable width, its line breaks kept;
// over a menu item, the item's own tip, none over an item without one.
void TestAccessibility::TipsShowWrapped()
{
  QCOMPARE(TTipPresenter::Wrapped("a < b\nc"),
           QString("<p style=\"white-space:pre-wrap\">a &lt; b\nc</p>"));
  Form->show();
  QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
  const auto shownOver = [](QWidget *widget, QPoint at) {
    QToolTip::hideText();
    QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000);
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  for (QWidget *control : QList<QWidget *>{Form->TimeImage, Form->PhasorImage, Form->ClearBtn,
                                         Form->StatusPanel1})
    QCOMPARE(shownOver(control, QPoint(5, 5)), TTipPresenter::Wrapped(control->toolTip()));
  Form->MenuFile->popup(Form->mapToGlobal(QPoint(0, 0)));
  QVERIFY(QTest::qWaitForWindowExposed(Form->MenuFile));
  const QPoint open = Form->MenuFile->actionGeometry(Form->FileOpen).center();
  QCOMPARE(shownOver(Form->MenuFile, open), TTipPresenter::Wrapped(Form->FileOpen->toolTip()));
  Form->FileOpen->setToolTip(QString());
  QCOMPARE(shownOver(Form->MenuFile, open), QString());
  Form->MenuFile->hide();
}

// Under a catalogue that marks every text it translates, no text of the
// window shows a Latin letter outside the marks: captions, titles, items,
// headings, panels, tips, names and descriptions. Exempt: the languages'
// own names in the language menu (each is written in its language), and the
// program's name, which the about box shows as it is and the caption with
// its version.
void TestAccessibility::PseudoTranslationLeavesNoEnglish()
{
  ShowEverything();
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
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
      for (int item = 0; item < combo->count(); ++item)
        texts << combo->itemText(item);
    }
    if (qobject_cast<TImageCanvas *>(widget))
      texts << ReaderText(widget, QAccessible::Description);
  }
  for (int column = 0; column < Form->PhasorGrid->columnCount(); ++column)
    texts << Form->PhasorGrid->horizontalHeaderItem(column)->text();
  for (QMenu *menu : Form->MainMenu->findChildren<QMenu *>()) {
    texts << menu->title();
    for (QAction *item : menu->actions()) {
      if (item->parent() == Form->ViewLanguage && !item->data().toString().isEmpty())
        continue;
      texts << item->text() << item->toolTip();
    }
  }
  QCoreApplication::removeTranslator(&pseudo);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QVERIFY(texts.size() > 300);
  static const QRegularExpression marked(QStringLiteral("\u27E6[^\u27E6\u27E7]*\u27E7"));
  static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
  QStringList english;
  for (QString text : texts) {
    for (QString before; before != text;) {
      before = text;
      text.remove(marked);
    }
    if (text.contains(latin) && text != "Rotants")
      english << text;
  }
  english.removeDuplicates();
  QVERIFY2(english.isEmpty(), qPrintable(english.join('\n')));
  QCOMPARE(Form->windowTitle(), QString("Rotants 1.0"));
  QVERIFY(Form->PlayBtn->text() == "&Play");
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
