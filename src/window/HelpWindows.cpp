#include "HelpWindows.h"

#include "HarmonicModel.h"
#include "MainForm.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QTableWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

// The manual's size on a screen that holds it, in pixels.
constexpr int ManualWidth = 720;
constexpr int ManualHeight = 780;

QString KeysText(const QList<QKeySequence> &keys)
{
  QStringList texts;
  for (const QKeySequence &key : keys)
    texts << key.toString(QKeySequence::NativeText);
  return texts.join(QStringLiteral(", "));
}

// The group box a control sits in, by its title; empty outside one.
QString GroupOf(const QWidget *control)
{
  for (const QWidget *parent = control->parentWidget(); parent && !parent->isWindow();
       parent = parent->parentWidget()) {
    if (const auto *box = qobject_cast<const QGroupBox *>(parent))
      return PlainCaption(box->title());
  }
  return {};
}

QString StepKeyText(TStepKey move)
{
  switch (move) {
  case TStepKey::Back:
    return TShortcutsDialog::tr("One time step back");
  case TStepKey::Forward:
    return TShortcutsDialog::tr("One time step forward");
  case TStepKey::PageBack:
    return TShortcutsDialog::tr("%1 time steps back").arg(TRotantsForm::PlotPageSteps);
  case TStepKey::PageForward:
    return TShortcutsDialog::tr("%1 time steps forward").arg(TRotantsForm::PlotPageSteps);
  case TStepKey::First:
    return TShortcutsDialog::tr("First time step (0)");
  case TStepKey::Last:
    return TShortcutsDialog::tr("Last time step (%1)").arg(SweepSteps - 1);
  }
  return {};
}

}  // namespace

QString PlainCaption(const QString &caption)
{
  static const QRegularExpression cjkMnemonic(QStringLiteral("\\(&[^&]\\)"));
  QString text = caption;
  text.remove(cjkMnemonic);
  QString plain;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size())
      ++i;
    plain += text[i];
  }
  return plain.trimmed();
}

TManualWindow::TManualWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
  setObjectName("ManualWindow");
  Browser = new QTextBrowser(this);
  Browser->setObjectName("ManualBrowser");
  Browser->setOpenLinks(true);
  Browser->setOpenExternalLinks(true);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Browser);
  auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);

  QSize size(ManualWidth, ManualHeight);
  if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);
  RetranslateUi();
  Load();
}

QString TManualWindow::PagePath(const QString &code)
{
  const QString path = QStringLiteral(":/manual/manual_%1.html").arg(code);
  return QFile::exists(path) ? path : QStringLiteral(":/manual/manual_en.html");
}

void TManualWindow::ShowAt(double factor)
{
  QFont font = QApplication::font();
  if (font.pointSizeF() > 0.0)
    font.setPointSizeF(font.pointSizeF() * factor);
  else
    font.setPixelSize(qRound(font.pixelSize() * factor));
  Browser->setFont(font);
  show();
  raise();
  activateWindow();
}

void TManualWindow::Load()
{
  const QUrl page(QStringLiteral("qrc") + PagePath(Translations::Current()));
  if (Browser->source() != page)
    Browser->setSource(page);
}

void TManualWindow::RetranslateUi()
{
  setWindowTitle(tr("Rotants Manual"));
}

void TManualWindow::changeEvent(QEvent *event)
{
  if (event->type() == QEvent::LanguageChange) {
    RetranslateUi();
    Load();
  }
  QWidget::changeEvent(event);
}

QList<TShortcutRow> ShortcutRows(const TRotantsForm &window)
{
  QList<TShortcutRow> rows;
  QSet<const QAction *> listed;
  const auto addAction = [&rows, &listed](const QAction *action, const QString &place) {
    if (listed.contains(action))
      return;
    listed.insert(action);
    if (!action->shortcuts().isEmpty() && !action->text().isEmpty())
      rows.append({KeysText(action->shortcuts()), PlainCaption(action->text()), place});
  };
  // The menus in the order the user reads them, submenus included.
  std::function<void(const QMenu *, const QString &)> walk = [&](const QMenu *menu,
                                                                 const QString &path) {
    for (const QAction *action : menu->actions()) {
      if (const QMenu *submenu = action->menu())
        walk(submenu, path + QStringLiteral(" > ") + PlainCaption(submenu->title()));
      else
        addAction(action, path);
    }
  };
  for (const QAction *title : window.MainMenu->actions()) {
    if (const QMenu *menu = title->menu())
      walk(menu, PlainCaption(menu->title()));
  }
  const QString windowPlace = TShortcutsDialog::tr("Window");
  for (const QAction *action : window.findChildren<QAction *>())
    addAction(action, windowPlace);
  for (const QShortcut *shortcut : window.findChildren<QShortcut *>()) {
    if (shortcut->isEnabled() && !shortcut->whatsThis().isEmpty())
      rows.append({KeysText(shortcut->keys()), shortcut->whatsThis(), windowPlace});
  }
  for (const QAbstractButton *button : window.centralWidget()->findChildren<QAbstractButton *>()) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
    if (mnemonic.isEmpty())
      continue;
    const QString group = GroupOf(button);
    rows.append({KeysText({mnemonic}), PlainCaption(button->text()),
                 group.isEmpty() ? windowPlace : group});
  }
  if (window.TimeImage->focusPolicy() != Qt::NoFocus) {
    const QString plots = TShortcutsDialog::tr("Phasor plane or time plot, when it has the focus");
    for (const TStepKeyBinding &binding : TImageCanvas::StepKeys())
      rows.append({KeysText({QKeySequence(binding.Key)}), StepKeyText(binding.Move), plots});
  }
  const QString strip = TShortcutsDialog::tr("Spectrum strip, when it has the focus");
  const auto keys = [](Qt::Key first, Qt::Key second) {
    return KeysText({QKeySequence(first), QKeySequence(second)});
  };
  rows.append({keys(Qt::Key_Left, Qt::Key_Right),
               TShortcutsDialog::tr("The harmonic before or after"), strip});
  rows.append({keys(Qt::Key_Up, Qt::Key_Down),
               TShortcutsDialog::tr("Its magnitude up or down by a row of the bars"), strip});
  rows.append({keys(Qt::Key_PageUp, Qt::Key_PageDown),
               TShortcutsDialog::tr("Its angle up or down by %1°").arg(TSpectrumPart::KeyAngleStep),
               strip});
  return rows;
}

TShortcutsDialog::TShortcutsDialog(TRotantsForm *window) : QDialog(window), Window(window)
{
  setObjectName("ShortcutsDialog");
  Table = new QTableWidget(0, 3, this);
  Table->setObjectName("ShortcutsTable");
  Table->verticalHeader()->hide();
  Table->horizontalHeader()->setStretchLastSection(true);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setWordWrap(false);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(Table);
  layout->addWidget(buttons);
  resize(760, 560);
}

void TShortcutsDialog::ShowCurrent()
{
  Rebuild();
  show();
  raise();
  activateWindow();
}

void TShortcutsDialog::Rebuild()
{
  setWindowTitle(tr("Keyboard Shortcuts"));
  Table->setHorizontalHeaderLabels({tr("Keys"), tr("Command"), tr("Where")});
  const QList<TShortcutRow> rows = ShortcutRows(*Window);
  Table->setRowCount(int(rows.size()));
  for (int row = 0; row < rows.size(); ++row) {
    const QString texts[] = {rows[row].Keys, rows[row].Command, rows[row].Place};
    for (int column = 0; column < 3; ++column)
      Table->setItem(row, column, new QTableWidgetItem(texts[column]));
  }
  Table->resizeColumnsToContents();
  Table->resizeRowsToContents();
  // The last column stretches to the dialog's edge and is cut there when its
  // texts are longer: the dialog grows until they read whole, as far as its
  // screen allows; beyond that the table scrolls.
  QHeaderView *header = Table->horizontalHeader();
  const int last = std::max(static_cast<const QAbstractItemView *>(Table)->sizeHintForColumn(2),
                            header->sectionSizeHint(2));
  const QMargins margins = layout()->contentsMargins();
  const int wanted = header->sectionSize(0) + header->sectionSize(1) + last
                     + Table->verticalScrollBar()->sizeHint().width() + 2 * Table->frameWidth()
                     + margins.left() + margins.right();
  const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
  const int widest = shown ? shown->availableGeometry().width() : wanted;
  header->setStretchLastSection(wanted <= widest);
  if (wanted > widest)
    header->resizeSection(2, last);
  if (wanted > width())
    resize(std::min(wanted, widest), height());
}
