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

  // Speaks the text if it changed since it was last spoken or shown, is not
  // empty, the label is visible and assistive technology listens. A text set
  // while the label is hidden is spoken by its showing, not again.
  void Announce();
  // The next Announce speaks even an unchanged text: the same message for a
  // new event (a second check that failed as the first).
  void Repeat() { Announced.clear(); }

protected:
  void showEvent(QShowEvent *event) override;

private:
  QString Announced;
};
