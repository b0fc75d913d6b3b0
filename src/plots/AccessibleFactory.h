#pragma once
#include <QAccessible>
#include <QObject>

// Gives every widget of class TWidget, and of a subclass without an interface
// of its own, the accessible interface TInterface, made from the widget when
// a reader first asks.
// Effective once per process, however often it is called; user-interface
// thread only.
template <class TWidget, class TInterface>
void InstallAccessibleInterface()
{
  static const bool installed = [] {
    QAccessible::installFactory(
        [](const QString &className, QObject *object) -> QAccessibleInterface * {
          if (className != QLatin1String(TWidget::staticMetaObject.className()))
            return nullptr;
          auto *widget = qobject_cast<TWidget *>(object);
          return widget ? new TInterface(widget) : nullptr;
        });
    return true;
  }();
  (void)installed;
}
