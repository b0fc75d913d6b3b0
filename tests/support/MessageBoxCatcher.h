#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

// One modal message box as the user saw it.
struct TCaughtMessage {
  QString Title;
  QString Text;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons Buttons;
};

// While alive, watches for a modal QMessageBox every few milliseconds,
// records what it shows and closes it with its Discard, OK (or first) button, so a
// handler that runs a box's event loop returns instead of blocking the test.
// Boxes opened inside a handler the test calls directly are caught too,
// because the box's own event loop runs the watch timer.
class TMessageBoxCatcher : public QObject {
public:
  TMessageBoxCatcher();

  QList<TCaughtMessage> Messages;

private:
  void Poll();

  QTimer Watch;
};
