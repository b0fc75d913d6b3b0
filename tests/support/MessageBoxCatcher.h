#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QFileDialog;

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

  // When set, the button a box is closed with: one the box offers, or
  // NoButton (or one it lacks) for the usual choice above.
  std::function<QMessageBox::StandardButton(const TCaughtMessage &)> Answer;
  // When set, modal file dialogs are answered too: accepted with the path
  // returned (without asking before a file is replaced), or cancelled when it
  // is empty. Unset, they are left open. FileDialogs records their titles.
  std::function<QString(const QFileDialog &)> FileAnswer;
  QStringList FileDialogs;

private:
  void Poll();
  void AnswerFileDialog(QFileDialog &dialog);

  QTimer Watch;
};
