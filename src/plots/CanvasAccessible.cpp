#include "CanvasAccessible.h"

#include "ImageCanvas.h"

#include <QAccessibleWidget>

namespace {

class TCanvasAccessible : public QAccessibleWidget {
public:
  explicit TCanvasAccessible(TImageCanvas *canvas)
      : QAccessibleWidget(canvas, QAccessible::Graphic)
  {
  }

  QString text(QAccessible::Text kind) const override
  {
    if (kind == QAccessible::Description) {
      const auto *canvas = static_cast<const TImageCanvas *>(widget());
      if (canvas->Describe)
        return canvas->Describe();
    }
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface *CanvasFactory(const QString &className, QObject *object)
{
  if (className == QLatin1String("TImageCanvas")) {
    if (auto *canvas = qobject_cast<TImageCanvas *>(object))
      return new TCanvasAccessible(canvas);
  }
  return nullptr;
}

}  // namespace

void InstallCanvasAccessibility()
{
  static const bool installed = [] {
    QAccessible::installFactory(CanvasFactory);
    return true;
  }();
  (void)installed;
}
