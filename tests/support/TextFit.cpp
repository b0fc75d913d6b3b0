#include "TestSupport.h"
#include "TextFit.h"

#include "MainForm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionMenuItem>
#include <QTableWidget>

#include <algorithm>
#include <utility>

namespace {

QString Plain(const QString &caption)
{
  QString text = caption;
  text.remove(QRegularExpression("&(?!&)"));
  return text;
}

int TextWidth(const QWidget *widget, const QString &text)
{
  return widget->fontMetrics().horizontalAdvance(Plain(text));
}

// A label draws its text inside its contents rectangle after the indent; a
// framed label without an indent of its own indents by half an 'x'.
int LabelRoom(const QLabel *label)
{
  int indent = label->indent();
  if (indent < 0)
    indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance('x') / 2 : 0;
  return label->contentsRect().width() - 2 * label->margin() - indent;
}

QRect CheckBoxContents(const QCheckBox *box)
{
  QStyleOptionButton option;
  option.initFrom(box);
  option.text = box->text();
  return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
}

// A push button centres its icon and text, 4 pixels apart, in its contents,
// with the style's margin around them.
int ButtonNeeded(const QPushButton *button, const QString &caption)
{
  const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
  return TextWidth(button, caption) + icon;
}

int ButtonRoom(const QPushButton *button)
{
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.icon = button->icon();
  option.iconSize = button->iconSize();
  return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width()
         - button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
}

// The combo box draws the current item 1 pixel inside its edit field.
int ComboRoom(const QComboBox *box)
{
  QStyleOptionComboBox option;
  option.initFrom(box);
  option.editable = false;
  option.frame = true;
  option.subControls = QStyle::SC_All;
  const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                   QStyle::SC_ComboBoxEditField, box);
  return field.width() - 2;
}

// The columns of item's rectangle that the style inks when it paints text,
// first and last; {0, -1} when it paints nothing.
std::pair<int, int> InkColumns(const QMenu *menu, QStyleOptionMenuItem item, const QString &text)
{
  item.text = text;
  QImage image(item.rect.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  item.rect.moveTopLeft(QPoint(0, 0));
  QPainter painter(&image);
  menu->style()->drawControl(QStyle::CE_MenuItem, &item, &painter, menu);
  painter.end();
  int first = image.width();
  int last = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) != 0) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return last < 0 ? std::pair(0, -1) : std::pair(first, last);
}

}  // namespace

QList<TTextRoom> MenuItemTexts(const QMenu *menu)
{
  // As QMenu lays its items out: one column for every item's shortcut.
  int shortcutWidth = 0;
  for (const QAction *action : menu->actions()) {
    if (!action->shortcut().isEmpty())
      shortcutWidth = std::max(shortcutWidth, menu->fontMetrics().horizontalAdvance(
                                                  action->shortcut().toString(QKeySequence::NativeText)));
  }
  QList<TTextRoom> texts;
  for (QAction *action : menu->actions()) {
    if (action->isSeparator() || !action->isVisible() || action->text().isEmpty())
      continue;
    // The check mark and a submenu's arrow lie beside the text, not in its way.
    QStyleOptionMenuItem item;
    item.initFrom(menu);
    item.state = QStyle::State_Enabled;
    item.font = action->font().resolve(menu->font());
    item.fontMetrics = QFontMetrics(item.font);
    item.checkType = QStyleOptionMenuItem::NotCheckable;
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.menuRect = menu->rect();
    item.rect = menu->actionGeometry(action);
    item.reservedShortcutWidth = shortcutWidth;
    const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
    const auto [textFirst, textLast] = InkColumns(menu, item, action->text());
    int room = item.rect.width();
    if (!shortcut.isEmpty())
      room = InkColumns(menu, item, '\t' + shortcut).first;
    texts.append({menu->objectName() + " " + action->objectName() + " \"" + Plain(action->text())
                      + (shortcut.isEmpty() ? QString() : "\t" + shortcut) + "\"",
                  textLast + 1 + item.fontMetrics.horizontalAdvance(' '), room});
  }
  return texts;
}

QList<TTextRoom> WindowTexts(TRotantsForm &form)
{
  QList<TTextRoom> texts;
  const auto add = [&](const QWidget *widget, const QString &text, int needed, int room) {
    texts.append({widget->objectName() + " \"" + Plain(text) + "\"", needed, room});
  };

  for (QLabel *label : form.findChildren<QLabel *>()) {
    if (label->objectName().startsWith("StatusPanel") || label == form.SelectedHarmonicPanel
        || label == form.EditorNotice || label->text().isEmpty())
      continue;
    add(label, label->text(), TextWidth(label, label->text()), LabelRoom(label));
  }
  for (QCheckBox *box : form.findChildren<QCheckBox *>())
    add(box, box->text(), TextWidth(box, box->text()), CheckBoxContents(box).width());
  for (QPushButton *button : form.findChildren<QPushButton *>()) {
    QStringList captions{button->text()};
    if (button == form.EditRotantsBtn) {
      form.EditRotantsBtnClick();
      captions << button->text();
      form.EditRotantsBtnClick();
    }
    for (const QString &caption : captions)
      add(button, caption, ButtonNeeded(button, caption), ButtonRoom(button));
  }
  for (QGroupBox *box : form.findChildren<QGroupBox *>())
    add(box, box->title(), TextWidth(box, box->title()), box->width() - 8);
  for (QComboBox *box : form.findChildren<QComboBox *>()) {
    for (int i = 0; i < box->count(); ++i)
      add(box, box->itemText(i), TextWidth(box, box->itemText(i)), ComboRoom(box));
  }

  QHeaderView *header = form.PhasorGrid->horizontalHeader();
  const int headerMargin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
  for (int column = 0; column < form.PhasorGrid->columnCount(); ++column) {
    const QString heading =
        form.PhasorGrid->model()->headerData(column, Qt::Horizontal).toString();
    add(header, heading, header->fontMetrics().horizontalAdvance(heading),
        header->sectionSize(column) - 2 * headerMargin);
  }

  const QString coord = TranslatedWindowText("Coord: ");
  const QList<std::pair<QLabel *, QString>> statusTexts = {
      {form.StatusPanel0, coord + "-1.0000 : -1.0000"},
      {form.StatusPanel1, TranslatedWindowText("N: ") + "511"},
      {form.StatusPanel2, coord + "511 : -1.0000"},
      {form.StatusPanel2, coord + "0 : -1.0000"},
      {form.StatusPanel3,
       TranslatedWindowText("RMS error: %1").arg("0.0650")},
      {form.StatusPanel3, TranslatedWindowText("RMS error: -")},
      {form.SelectedHarmonicPanel,
       TranslatedWindowText("Harmonic %1: above the highest harmonic")
           .arg(25)},
      {form.SelectedHarmonicPanel,
       TranslatedWindowText("Harmonic %1 alone").arg(25)},
      {form.EditorNotice,
       TranslatedWindowText("Magnitude %1 is outside 0 to 10: 0 applied")
           .arg("12.3456")},
      {form.EditorNotice,
       TranslatedWindowText("Angle %1 is outside -180 to 180: 0 applied")
           .arg("-270.5")},
  };
  for (const auto &[panel, text] : statusTexts)
    add(panel, text, TextWidth(panel, text), LabelRoom(panel));
  return texts;
}
