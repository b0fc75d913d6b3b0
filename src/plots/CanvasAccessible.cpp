#include "CanvasAccessible.h"

#include "AccessibleFactory.h"
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

}  // namespace

void InstallCanvasAccessibility()
{
  InstallAccessibleInterface<TImageCanvas, TCanvasAccessible>();
}
