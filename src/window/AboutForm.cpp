#include "AboutForm.h"

#include "ImageCanvas.h"
#include "MainForm.h"
#include "MyGraphUnit.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int PictureWidth = 258;
constexpr int PictureHeight = 128;
constexpr int PlaneSize = 128;
constexpr double Pi = 3.141592653589793;

// Odd harmonics 1, 3, 5 of a square wave of height 0.7 (one-sided amplitudes).
constexpr std::array<double, 3> SquareAmplitudes = {0.7 * 4.0 / Pi, -0.7 * 4.0 / (3.0 * Pi),
                                                    0.7 * 4.0 / (5.0 * Pi)};

double SquareReconstruction(double phase, double &re, double &im)
{
  re = 0.0;
  im = 0.0;
  for (std::size_t i = 0; i < SquareAmplitudes.size(); ++i) {
    const int k = int(2 * i + 1);
    re += SquareAmplitudes[i] * std::cos(k * phase);
    im += SquareAmplitudes[i] * std::sin(k * phase);
  }
  return re;
}

// The chain at step 20 of 256, tip to tail from the origin, in the points
// planePoint(re, im) gives.
template <class TPlanePoint>
std::vector<QPoint> SquareChain(const TPlanePoint &planePoint)
{
  const double phase = 2.0 * Pi * 20.0 / 256.0;
  std::vector<QPoint> chain{planePoint(0.0, 0.0)};
  double re = 0.0;
  double im = 0.0;
  for (std::size_t i = 0; i < SquareAmplitudes.size(); ++i) {
    const int k = int(2 * i + 1);
    re += SquareAmplitudes[i] * std::cos(k * phase);
    im += SquareAmplitudes[i] * std::sin(k * phase);
    chain.push_back(planePoint(re, im));
  }
  return chain;
}

// The plane and the time plot side by side, as the canvases show them at
// their display scale.
QImage Composed(TImageCanvas &plane, TImageCanvas &time)
{
  const double scale = plane.DisplayScale();
  if (scale == 1.0) {
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, plane.Image());
    painter.drawImage(PlaneSize + 2, 0, time.Image());
    return picture;
  }
  // Composed in display pixels; the ratio is set on the result only.
  QImage detailed(int(std::lround(PictureWidth * scale)), int(std::lround(PictureHeight * scale)),
                  QImage::Format_RGB32);
  detailed.fill(Qt::white);
  QImage planePicture = plane.DisplayImage();
  QImage timePicture = time.DisplayImage();
  const qreal ratio = planePicture.devicePixelRatio();
  planePicture.setDevicePixelRatio(1.0);
  timePicture.setDevicePixelRatio(1.0);
  QPainter painter(&detailed);
  painter.drawImage(0, 0, planePicture);
  painter.drawImage(int(std::lround((PlaneSize + 2) * scale)), 0, timePicture);
  painter.end();
  detailed.setDevicePixelRatio(ratio);
  return detailed;
}

}  // namespace

QImage TAboutBox::DrawPicture(double zoom)
{
  TImageCanvas plane(nullptr, PlaneSize, PlaneSize);
  plane.SetZoom(zoom);
  TMyGraphParams params;
  params.Image = &plane;
  params.XMin = -1.2;
  params.XMax = 1.2;
  params.YMin = -1.2;
  params.YMax = 1.2;
  params.XGridStep = 1.2;
  params.YGridStep = 1.2;
  params.BackColour = 0xFFFFFF;
  params.GridColour = 0x000000;
  TMyGraph planeGraph(nullptr, params);

  TImageCanvas time(nullptr, PictureWidth - PlaneSize - 2, PlaneSize);
  time.SetZoom(zoom);
  params.Image = &time;
  params.XMin = 0.0;
  params.XMax = 255.0;
  params.YMin = -1.2;
  params.YMax = 1.2;
  params.XGridStep = 25.5;
  params.YGridStep = 0.3;
  params.BackColour = 0xC0C0C0;
  params.GridColour = 0x808080;
  TMyGraph timeGraph(nullptr, params);

  // The plane is shown turned by 90 degrees: real part up, imaginary part left.
  const auto planePoint = [&](double re, double im) {
    int px = 0;
    int py = 0;
    planeGraph.WorldToPixel(-im, re, px, py);
    return QPoint(px, py);
  };

  std::vector<QPoint> trace;
  std::vector<QPoint> ideal;
  std::vector<QPoint> curve;
  for (int n = 0; n < 256; ++n) {
    const double phase = 2.0 * Pi * n / 256.0;
    double re = 0.0;
    double im = 0.0;
    const double value = SquareReconstruction(phase, re, im);
    trace.push_back(planePoint(re, im));
    int px = 0;
    int py = 0;
    timeGraph.WorldToPixel(n, value, px, py);
    curve.push_back(QPoint(px, py));
    const double square = (n < 64 || n >= 192) ? 0.7 : -0.7;
    timeGraph.WorldToPixel(n, square, px, py);
    ideal.push_back(QPoint(px, py));
  }

  plane.Pen.Colour = 0x0000FF;
  plane.Pen.Width = 1;
  plane.Polyline(trace.data(), int(trace.size()));

  const std::vector<QPoint> chain = SquareChain(planePoint);
  plane.Pen.Colour = 0xFF00FF;
  plane.Pen.Width = 2;
  plane.Polyline(chain.data(), int(chain.size()));

  time.Pen.Colour = 0x000000;
  time.Pen.Width = 1;
  time.Polyline(ideal.data(), int(ideal.size()));
  time.Pen.Colour = 0x008000;
  time.Pen.Width = 2;
  time.Polyline(curve.data(), int(curve.size()));

  return Composed(plane, time);
}

void TAboutBox::SetZoom(double zoom)
{
  ProgramIcon->setPixmap(QPixmap::fromImage(DrawPicture(zoom)));
}

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
  setObjectName("AboutBox");
  setModal(true);
  setFixedSize(468, 185);
  setFont(WindowFont());

  PicturePanel = new QFrame(this);
  PicturePanel->setObjectName("PicturePanel");
  PicturePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  PicturePanel->setLineWidth(1);
  const int frame = PicturePanel->frameWidth();
  PicturePanel->setGeometry(8, 8, PictureWidth + 2 * frame, PictureHeight + 2 * frame);
  ProgramIcon = new QLabel(PicturePanel);
  ProgramIcon->setObjectName("ProgramIcon");
  ProgramIcon->setGeometry(frame, frame, PictureWidth, PictureHeight);
  ProgramIcon->setPixmap(QPixmap::fromImage(DrawPicture()));

  InfoBox = new QGroupBox(this);
  InfoBox->setObjectName("InfoBox");
  InfoBox->setGeometry(274, 6, 185, 130);

  const auto addLine = [this](const char *name, const QString &text, int top, int height) {
    auto *label = new QLabel(text, InfoBox);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(8, top, 169, height);
    return label;
  };
  ProductName = addLine("ProductName", "Rotants", 14, 24);
  QFont bold = ProductName->font();
  bold.setBold(true);
  bold.setPixelSize(16);
  ProductName->setFont(bold);
  Version = addLine("Version", {}, 42, 16);
  CreditYear = addLine("CreditYear", "\u00A9 2026", 66, 16);
  CreditAuthor = addLine("CreditAuthor", {}, 84, 16);
  CreditInstitution = addLine("CreditInstitution", {}, 102, 16);

  OKButton = new QPushButton(this);
  OKButton->setObjectName("OKButton");
  OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  OKButton->setGeometry(204, 150, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  RetranslateUi();
}

void TAboutBox::RetranslateUi()
{
  setWindowTitle(tr("About"));
  Version->setText(tr("Version 1.0"));
  CreditAuthor->setText(tr("The Rotants developers"));
  CreditInstitution->setText(tr("Fourier series, turning in class"));
  OKButton->setText(tr("OK"));
}

void TAboutBox::changeEvent(QEvent *event)
{
  if (event->type() == QEvent::LanguageChange)
    RetranslateUi();
  QDialog::changeEvent(event);
}
