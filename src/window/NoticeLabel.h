#pragma once
#include <QLabel>

// A label whose messages a screen reader speaks, although it never has the
// focus: the result of a check, a hint, the editor's notice. Assistive
// technology sees it as a notification, and Announce() presents its text as
// the notification showing anew, which readers (Orca) speak at once. On
// screen it is an ordinary label.
class TNoticeLabel : public QLabel {
  Q_OBJECT
public:
  explicit TNoticeLabel(QWidget *parent);

  // Speaks the text if it is new since the last announcement, not empty, the
  // label is visible and assistive technology listens; otherwise does
  // nothing. Emptying the text lets the same message be spoken again later.
  void Announce();

private:
  QString Announced;
};
