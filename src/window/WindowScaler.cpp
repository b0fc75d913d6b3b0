#include "WindowScaler.h"

#include "ImageCanvas.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QProxyStyle>
#include <QStyleOptionComplex>
#include <QWidget>

#include <cmath>

namespace {

// Font sizes are rounded down, so a scaled text never needs more room than
// its scaled control gives.
QFont ScaledFont(QFont font, double factor)
{
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, int(std::floor(font.pixelSize() * factor + 1e-9))));
  else if (font.pointSizeF() > 0.0)
    font.setPointSizeF(font.pointSizeF() * factor);
  return font;
}

// The application's style with every metric scaled by the zoom factor, and
// drop-downs whose arrow button is narrower than the style's own, so that the
// longest waveform names read whole in the layout's 105-pixel drop-down.
class TWindowStyle : public QProxyStyle {
public:
  explicit TWindowStyle(double factor) : Factor(factor) {}

  int pixelMetric(PixelMetric metric, const QStyleOption *option,
                  const QWidget *widget) const override
  {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    return base > 0 && Factor != 1.0 ? int(std::lround(base * Factor)) : base;
  }

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                       SubControl subControl, const QWidget *widget) const override
  {
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control != CC_ComboBox
        || (subControl != SC_ComboBoxArrow && subControl != SC_ComboBoxEditField))
      return rect;
    const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
    const QRect field =
        QProxyStyle::subControlRect(control, option, SC_ComboBoxEditField, widget);
    const int arrowWidth = int(std::lround(ArrowWidth * Factor));
    // Only the usual arrangement, field left of the arrow, is narrowed.
    if (arrow.width() <= arrowWidth || arrow.left() <= field.left())
      return rect;
    const int cut = arrow.width() - arrowWidth;
    if (subControl == SC_ComboBoxArrow)
      rect.setLeft(rect.left() + cut);
    else
      rect.setRight(rect.right() + cut);
    return rect;
  }

  // Fusion sizes a menu item with some margins at their unscaled width but
  // draws its text past the scaled ones, so above 100 % the widest item's
  // text would run into its shortcut: the item grows by what the scaled
  // margins add.
  QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                         const QWidget *widget) const override
  {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem && Factor > 1.0)
      result.rwidth() += int(std::ceil(MenuItemMargins * (Factor - 1.0)));
    return result;
  }

private:
  static constexpr int ArrowWidth = 13;
  // The margins of a menu item Fusion leaves unscaled in its size, in pixels
  // at 100 %.
  static constexpr int MenuItemMargins = 8;
  double Factor;
};

// Qt's own helper widgets (viewports, scroll bars, the popup of a drop-down)
// are laid out by the widget that made them.
bool PlacedByItsOwner(const QWidget *widget)
{
  return widget->objectName().isEmpty() || widget->objectName().startsWith("qt_");
}

bool InParentLayout(const QWidget *widget)
{
  const QWidget *parent = widget->parentWidget();
  return parent && parent->layout() && parent->layout()->indexOf(widget) >= 0;
}

}  // namespace

TWindowScaler::TWindowScaler(QWidget *window) : QObject(window), Window(window)
{
  Record(window);
  for (QWidget *widget : window->findChildren<QWidget *>())
    Record(widget);
  Apply(1.0);
}

TWindowScaler::~TWindowScaler()
{
  delete Style;
}

void TWindowScaler::Record(QWidget *widget)
{
  if (auto *canvas = qobject_cast<TImageCanvas *>(widget)) {
    Canvases << canvas;
    Records.append({widget, widget->geometry(), {}, {}, false, {}, true});
    return;
  }
  if (auto *header = qobject_cast<QHeaderView *>(widget))
    Headers.append({header, header->defaultSectionSize()});
  if (auto *label = qobject_cast<QLabel *>(widget))
    Labels.append({label, label->indent()});

  TRecord record;
  record.Widget = widget;
  record.Geometry = widget->geometry();
  record.Minimum = widget->minimumSize();
  record.Maximum = widget->maximumSize();
  // Windows do not inherit their parent's font, so they carry their own.
  record.OwnFont = widget->isWindow() || widget->testAttribute(Qt::WA_SetFont);
  record.Font = widget->font();
  record.Placed = !widget->isWindow() && !PlacedByItsOwner(widget) && !InParentLayout(widget);
  Records << record;
}

void TWindowScaler::SetBaseGeometry(QWidget *widget, const QRect &geometry)
{
  for (TRecord &record : Records) {
    if (record.Widget != widget)
      continue;
    if (record.Minimum == record.Maximum)
      record.Minimum = record.Maximum = geometry.size();
    record.Geometry = geometry;
  }
}

int TWindowScaler::ScaledEdge(int edge, double factor)
{
  return int(std::lround(edge * factor));
}

QRect TWindowScaler::ScaledRect(const QRect &rect, double factor)
{
  const int left = ScaledEdge(rect.left(), factor);
  const int top = ScaledEdge(rect.top(), factor);
  return QRect(left, top, ScaledEdge(rect.left() + rect.width(), factor) - left,
               ScaledEdge(rect.top() + rect.height(), factor) - top);
}

void TWindowScaler::Apply(double factor)
{
  if (!(factor > 0.0))
    return;
  CurrentFactor = factor;
  QStyle *previous = Style;
  Style = new TWindowStyle(factor);

  const auto scaledSize = [factor](QSize size) {
    const auto length = [factor](int value) {
      return value >= QWIDGETSIZE_MAX ? value : ScaledEdge(value, factor);
    };
    return QSize(length(size.width()), length(size.height()));
  };
  for (const TRecord &record : Records) {
    QWidget *widget = record.Widget;
    if (!widget)
      continue;
    widget->setStyle(Style);
    if (record.OwnFont)
      widget->setFont(ScaledFont(record.Font, factor));
    if (auto *canvas = qobject_cast<TImageCanvas *>(widget)) {
      canvas->SetZoom(factor);
      canvas->move(ScaledRect(record.Geometry, factor).topLeft());
      continue;
    }
    // A full-screen window is as large as its screen: fixing its size would
    // take it out of full screen.
    if (!(widget->isWindow() && widget->isFullScreen())) {
      widget->setMinimumSize(scaledSize(record.Minimum));
      widget->setMaximumSize(scaledSize(record.Maximum));
    }
    if (record.Placed)
      widget->setGeometry(ScaledRect(record.Geometry, factor));
  }
  // Helpers Qt made after the scaler (a drop-down's popup) take the style too.
  if (Window) {
    for (QWidget *widget : Window->findChildren<QWidget *>())
      widget->setStyle(Style);
  }
  for (const THeaderRecord &record : Headers) {
    if (record.Header) {
      record.Header->setMinimumSectionSize(1);
      record.Header->setDefaultSectionSize(ScaledEdge(record.SectionSize, factor));
    }
  }
  for (const TLabelRecord &record : Labels) {
    QLabel *label = record.Label;
    if (!label)
      continue;
    if (record.Indent >= 0)
      label->setIndent(ScaledEdge(record.Indent, factor));
    // Hinting rounds glyph advances to whole pixels, so a text can come out a
    // pixel or two wider than its scaled label; such a label grows to the
    // right by that much. At factor 1 every text fits its layout width.
    const int wanted = label->sizeHint().width();
    if (factor != 1.0 && !label->text().isEmpty() && wanted > label->width())
      label->resize(wanted, label->height());
  }
  delete previous;
}
