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
  QAbstractButton *button = box->button(QMessageBox::Ok);
  if (!button && !box->buttons().isEmpty())
    button = box->buttons().first();
  if (button)
    button->click();
  else
    box->reject();
}
