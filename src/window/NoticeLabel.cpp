#include "NoticeLabel.h"
#include "AccessibleFactory.h"
#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class TNoticeAccessible : public QAccessibleWidget {
public:
  explicit TNoticeAccessible(TNoticeLabel *label)
      : QAccessibleWidget(label, QAccessible::Notification)
  {
  }

  // The message is the name. No description: a reader would read the tip
  // (for the hints, all of them so far) after every message.
  QString text(QAccessible::Text kind) const override
  {
    const auto *label = static_cast<const TNoticeLabel *>(widget());
    if (kind == QAccessible::Name && label->accessibleName().isEmpty())
      return label->text();
    if (kind == QAccessible::Description)
      return {};
    return QAccessibleWidget::text(kind);
  }
};

}  // namespace

TNoticeLabel::TNoticeLabel(QWidget *parent)
    : QLabel(parent)
{
  InstallAccessibleInterface<TNoticeLabel, TNoticeAccessible>();
}

void TNoticeLabel::Announce()
{
  if (text() == Announced)
    return;
  Announced = text();
  if (Announced.isEmpty() || !isVisible() || !QAccessible::isActive())
    return;
  // Hidden and shown again for the reader only: the label stays on screen.
  QAccessibleEvent hidden(this, QAccessible::ObjectHide);
  QAccessible::updateAccessibility(&hidden);
  QAccessibleEvent shown(this, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&shown);
}

void TNoticeLabel::showEvent(QShowEvent *event)
{
  // Qt presents a widget being shown to a reader, which speaks a
  // notification then: its text is spoken.
  Announced = text();
  QLabel::showEvent(event);
}
