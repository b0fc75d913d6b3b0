#include "MessageBoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>

TMessageBoxCatcher::TMessageBoxCatcher()
{
  Watch.setInterval(5);
  connect(&Watch, &QTimer::timeout, this, &TMessageBoxCatcher::Poll);
  Watch.start();
}

void TMessageBoxCatcher::Poll()
{
  auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
  if (!box || !box->isVisible())
    return;
  Messages.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
  // The question before unsaved work is dropped is answered Discard, so a
  // window the test closes does close.
  QAbstractButton *button = box->button(QMessageBox::Discard);
  if (!button)
    button = box->button(QMessageBox::Ok);
  if (!button && !box->buttons().isEmpty())
    button = box->buttons().first();
  if (button)
    button->click();
  else
    box->reject();
}
