#include "TipPresenter.h"

#include <QAction>
#include <QHelpEvent>
#include <QMenu>
#include <QTextDocument>
#include <QToolTip>

void TTipPresenter::Watch(QWidget *widget)
{
  widget->installEventFilter(this);
}

bool TTipPresenter::HasOwnTip(const QAction &item)
{
  // QAction's stand-in: the text without "..." and accelerator marks.
  QString madeUp = item.text();
  madeUp.remove(QStringLiteral("..."));
  for (qsizetype i = 0; i < madeUp.size(); ++i) {
    if (madeUp[i] == '&')
      madeUp.remove(i, 1);
  }
  return !item.toolTip().isEmpty() && item.toolTip() != madeUp.trimmed();
}

QString TTipPresenter::Wrapped(const QString &tip)
{
  return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(tip.toHtmlEscaped());
}

bool TTipPresenter::eventFilter(QObject *watched, QEvent *event)
{
  if (event->type() != QEvent::ToolTip)
    return false;
  auto *widget = qobject_cast<QWidget *>(watched);
  if (!widget)
    return false;
  const auto *help = static_cast<QHelpEvent *>(event);
  QString tip = widget->toolTip();
  QRect area = widget->rect();
  if (auto *menu = qobject_cast<QMenu *>(widget)) {
    // As the menu itself would: only a tip of the item's own, not the text Qt
    // falls back on.
    const QAction *item = menu->actionAt(help->pos());
    if (!item || !menu->toolTipsVisible() || !HasOwnTip(*item))
      return false;
    tip = item->toolTip();
    area = menu->actionGeometry(const_cast<QAction *>(item));
  }
  if (tip.isEmpty() || Qt::mightBeRichText(tip))
    return false;
  QToolTip::showText(help->globalPos(), Wrapped(tip), widget, area);
  return true;
}

void SetTip(QWidget *widget, const QString &text, const QString &accessibleName)
{
  widget->setToolTip(text);
  if (!accessibleName.isEmpty())
    widget->setAccessibleName(accessibleName);
}
