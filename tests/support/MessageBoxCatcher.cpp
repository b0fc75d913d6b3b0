#include "MessageBoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>

TMessageBoxCatcher::TMessageBoxCatcher()
{
  Watch.setInterval(5);
  connect(&Watch, &QTimer::timeout, this, &TMessageBoxCatcher::Poll);
  Watch.start();
}

void TMessageBoxCatcher::Poll()
{
  QWidget *modal = QApplication::activeModalWidget();
  if (auto *dialog = qobject_cast<QFileDialog *>(modal); dialog && FileAnswer) {
    if (dialog->isVisible())
      AnswerFileDialog(*dialog);
    return;
  }
  auto *box = qobject_cast<QMessageBox *>(modal);
  if (!box || !box->isVisible())
    return;
  Messages.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
  QAbstractButton *button = Answer ? box->button(Answer(Messages.last())) : nullptr;
  // The question before unsaved work is dropped is answered Discard, so a
  // window the test closes does close.
  if (!button)
    button = box->button(QMessageBox::Discard);
  if (!button)
    button = box->button(QMessageBox::Ok);
  if (!button && !box->buttons().isEmpty())
    button = box->buttons().first();
  if (button)
    button->click();
  else
    box->reject();
}

void TMessageBoxCatcher::AnswerFileDialog(QFileDialog &dialog)
{
  FileDialogs << dialog.windowTitle();
  const QString path = FileAnswer(dialog);
  if (path.isEmpty()) {
    dialog.reject();
    return;
  }
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(path);
  // As the dialog's Save button does (QFileDialog's own accept is protected).
  static_cast<QDialog &>(dialog).accept();
}
