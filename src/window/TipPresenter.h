#pragma once

#include <QObject>
#include <QString>

class QAction;
class QWidget;

// Shows the tool tips of the widgets and menus it watches wrapped to a
// readable width: Qt shows a plain-text tip on one line however long it is,
// so a sentence or two would run across the screen. The tips themselves stay
// plain text (what toolTip() returns, what assistive technology reads); only
// their showing changes. Rich-text tips are left to Qt. User-interface
// thread only.
class TTipPresenter : public QObject {
  Q_OBJECT

public:
  explicit TTipPresenter(QObject *parent) : QObject(parent) {}

  // Watches widget (a QMenu: the tips of its items) until it is destroyed.
  void Watch(QWidget *widget);

  // Whether item has a tip of its own, not the one QAction makes up from its
  // text when none was set.
  static bool HasOwnTip(const QAction &item);

  // The rich text a plain tip is shown as: the same words, its line breaks
  // kept, wrapped where the tip label's width ends.
  static QString Wrapped(const QString &tip);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
};

// Gives widget its tool tip and, when one is given, its accessible name.
void SetTip(QWidget *widget, const QString &text, const QString &accessibleName = QString());
