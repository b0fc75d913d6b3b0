#pragma once

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// The modal about box: a picture of the program at work, its name, version and
// credit lines, and an OK button that closes it with an accepted result.
class TAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TAboutBox(QWidget *parent = nullptr);

  QFrame *PicturePanel = nullptr;
  QLabel *ProgramIcon = nullptr;
  QGroupBox *InfoBox = nullptr;
  QLabel *ProductName = nullptr;
  QLabel *Version = nullptr;
  QLabel *CreditYear = nullptr;
  QLabel *CreditAuthor = nullptr;
  QLabel *CreditInstitution = nullptr;
  QPushButton *OKButton = nullptr;

  // The 258 x 128 picture: a turned phasor plane with its tip trace beside a
  // time plot of a square wave and its reconstruction from three harmonics.
  // At another zoom, or on a screen with another device pixel ratio, it is
  // drawn at that detail and carries the screen's ratio.
  static QImage DrawPicture(double zoom = 1.0);

  // Draws the picture again for the window's zoom factor.
  void SetZoom(double zoom);

protected:
  void changeEvent(QEvent *event) override;

private:
  void RetranslateUi();
};
