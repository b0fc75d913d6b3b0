#include "SpectrumPart.h"

#include "ActionRunner.h"
#include "HarmonicModel.h"
#include "ImageCanvas.h"
#include "NumberText.h"
#include "PhasorDocument.h"
#include "SpectrumView.h"
#include "WindowLayout.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QSettings>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>
#include <utility>

QFont WindowFont();

namespace {

// The entries' step-0 values, re and im of each in turn: what a picture is
// drawn from.
std::array<double, 2 * HarmonicCount> EntryValues(const TPhasorArray &entries)
{
  std::array<double, 2 * HarmonicCount> values{};
  for (std::size_t k = 0; k < entries.size(); ++k) {
    values[2 * k] = entries[k].Re;
    values[2 * k + 1] = entries[k].Im;
  }
  return values;
}

const char SpectrumKey[] = "View/Spectrum";
const char DecibelsKey[] = "View/SpectrumDecibels";

// The strip (114 pixels) and a gap of 4 above the status bar.
constexpr int SpectrumGrowth = 118;
// Canvas pixels the mouse must leave the press point by before a press
// becomes a drag, so that a press that only selects never changes a value.
constexpr int DragThreshold = 3;

QRect ToRect(const TSpectrumBox &box)
{
  return QRect(box.Left, box.Top, box.Width, box.Height);
}

// The value a grid cell shows; fallback when it does not read.
double GridValue(const TPhasorDocument &document, int k, int column, double fallback)
{
  double value = fallback;
  ReadNumber(document.GridText(k, column).toStdString(), value);
  return value;
}

QString Number(double value)
{
  return QString::fromStdString(FormatFixed(value, 7, 4));
}

}  // namespace

TSpectrumPart::TSpectrumPart(TPhasorDocument &document, TActionRunner &actions,
                             TSpectrumView view, QObject *parent)
    : QObject(parent), Document(document), Actions(actions), View(std::move(view))
{
}

void TSpectrumPart::BuildStrip(QWidget *client)
{
  // Made now, hidden, so that the window scaler knows it from the start.
  SpectrumImage = WindowLayout::Place(new TImageCanvas(client, 766, 114), "SpectrumImage", 8,
                                      365, 766, 114);
  SpectrumImage->Font = WindowFont();
  SpectrumImage->setVisible(false);
  SpectrumImage->Describe = [this] { return Description(); };
  SpectrumImage->setFocusPolicy(Qt::StrongFocus);
  SpectrumImage->KeyPressed = [this](int key) { return Key(key); };
  connect(SpectrumImage, &TImageCanvas::MouseDown, this, &TSpectrumPart::MouseDown);
  connect(SpectrumImage, &TImageCanvas::MouseMove, this, &TSpectrumPart::MouseMove);
  connect(SpectrumImage, &TImageCanvas::MouseUp, this, &TSpectrumPart::MouseUp);
  connect(SpectrumImage, &TImageCanvas::DisplayScaleChanged, this, &TSpectrumPart::Redraw);
}

void TSpectrumPart::BuildActions(QMenu *menu)
{
  menu->addSeparator();
  ViewSpectrum = menu->addAction(QString());
  ViewSpectrum->setObjectName("ViewSpectrum");
  ViewSpectrum->setCheckable(true);
  ViewSpectrumDecibels = menu->addAction(QString());
  ViewSpectrumDecibels->setObjectName("ViewSpectrumDecibels");
  ViewSpectrumDecibels->setCheckable(true);
  ViewSpectrumDecibels->setEnabled(false);
  connect(ViewSpectrum, &QAction::triggered, this, &TSpectrumPart::ViewSpectrumClick);
  connect(ViewSpectrumDecibels, &QAction::triggered, this,
          &TSpectrumPart::ViewSpectrumDecibelsClick);
}

void TSpectrumPart::Retranslate()
{
  ViewSpectrum->setText(tr("&Spectrum"));
  ViewSpectrumDecibels->setText(tr("Spectrum in &Decibels"));
  ViewSpectrum->setToolTip(tr("Show a strip under the controls with one bar per harmonic: its "
                              "magnitude and its angle."));
  ViewSpectrumDecibels->setToolTip(tr("Scale the spectrum's bars in decibels, over 60 dB."));
  SpectrumImage->setAccessibleName(tr("Spectrum"));
  StripTip =
      tr("Spectrum: one bar per harmonic, as tall as its magnitude, and under the bars a phase "
         "row marking its angle. Press a bar to select its harmonic, drag its top to set the "
         "magnitude, drag in the phase row to set the angle.");
  SpectrumImage->setToolTip(StripTip);
}

void TSpectrumPart::UseSettings(QSettings *settings)
{
  Settings = nullptr;
  if (settings) {
    ViewSpectrumDecibels->setChecked(settings->value(DecibelsKey, false).toBool());
    const bool on = settings->value(SpectrumKey, false).toBool();
    if (on != Shown())
      SetShown(on, false);
    else
      Redraw();
  }
  Settings = settings;
}

QString TSpectrumPart::DragStepText(int k, bool phase)
{
  return phase ? tr("Dragged Phase of Harmonic %1").arg(k) : tr("Dragged Harmonic %1").arg(k);
}

void TSpectrumPart::ViewSpectrumClick()
{
  SetShown(ViewSpectrum->isChecked(), true);
}

void TSpectrumPart::ViewSpectrumDecibelsClick()
{
  if (Settings)
    Settings->setValue(DecibelsKey, ViewSpectrumDecibels->isChecked());
  Redraw();
}

bool TSpectrumPart::Shown() const
{
  return ViewSpectrum && ViewSpectrum->isChecked();
}

int TSpectrumPart::Growth() const
{
  return Shown() ? SpectrumGrowth : 0;
}

void TSpectrumPart::SetShown(bool on, bool remember)
{
  CancelDrag();
  ViewSpectrum->setChecked(on);
  ViewSpectrumDecibels->setEnabled(on);
  SpectrumImage->setVisible(on);
  // While hidden the canvas follows the zoom without a picture drawn at it:
  // the strip shown again is drawn afresh, not kept as an enlarged copy.
  Drawn = {};
  View.Relayout();
  if (remember && Settings)
    Settings->setValue(SpectrumKey, on);
}

int TSpectrumPart::Selected() const
{
  return std::clamp(Document.SelectedHarmonic(), 0, HarmonicCount - 1);
}

TSpectrumGeometry TSpectrumPart::Layout() const
{
  return TSpectrumGeometry(SpectrumImage->Width(), SpectrumImage->Height(), View.TwoSided());
}

void TSpectrumPart::Picture(TSpectrumContent &content, TSpectrumScale &scale) const
{
  content.SetEntries(Document.PhasorList);
  if (Drag.Moved) {
    const std::size_t dragged = std::size_t(Drag.Harmonic);
    content.Magnitudes[dragged] = Drag.Magnitude;
    content.Angles[dragged] = Drag.Angle;
  }
  content.Highest = Document.HighestHarmonic;
  content.Selected = Selected();
  content.Highlight = View.Highlighted();
  content.TwoSided = View.TwoSided();
  if (const TPhasorArray *outlines = View.Outlines ? View.Outlines() : nullptr)
    content.SetOutlines(*outlines);
  scale = Drag.Active ? Drag.Scale
                      : TSpectrumScale::Fitting(content.Largest(),
                                                ViewSpectrumDecibels->isChecked());
}

void TSpectrumPart::Draw()
{
  if (!Shown())
    return;
  TSource source;
  source.Entries = EntryValues(Document.PhasorList);
  source.Highest = Document.HighestHarmonic;
  source.Selected = Selected();
  source.Highlight = View.Highlighted();
  source.TwoSided = View.TwoSided();
  source.Decibels = ViewSpectrumDecibels->isChecked();
  source.Drag = Drag;
  if (const TPhasorArray *outlines = View.Outlines ? View.Outlines() : nullptr) {
    source.HasOutlines = true;
    source.Outlines = EntryValues(*outlines);
  }
  source.Display = SpectrumImage->DisplayScale();
  // Nothing in the strip moves with the time step: a redraw for another step
  // keeps the picture it would draw again.
  if (source == Drawn)
    return;
  TSpectrumContent content;
  TSpectrumScale scale;
  Picture(content, scale);
  DrawSpectrum(*SpectrumImage, Layout(), scale, content);
  Drawn = source;
}

void TSpectrumPart::Redraw()
{
  if (Shown() && !Actions.DeferRedraw())
    Draw();
}

QRect TSpectrumPart::Bar(int k) const
{
  const TSpectrumGeometry geometry = Layout();
  if (!Shown() || !geometry.Shows(k))
    return QRect();
  TSpectrumContent content;
  TSpectrumScale scale;
  Picture(content, scale);
  return ToRect(geometry.Bar(k, scale.Fraction(content.MagnitudeOf(k))));
}

// The value starts from the grid row's texts, which are what the editor
// shows and keeps: an angle typed for a zero magnitude is kept too.
void TSpectrumPart::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int X, int Y)
{
  if (button != Qt::LeftButton || !Shown())
    return;
  const std::optional<TSpectrumHit> hit = Layout().HitAt(X, Y);
  if (!hit)
    return;
  TSpectrumContent content;
  TDrag drag;
  Picture(content, drag.Scale);
  drag.Active = true;
  drag.Phase = hit->Phase;
  drag.Harmonic = std::abs(hit->Harmonic);
  drag.Mirrored = hit->Harmonic < 0;
  drag.PressX = X;
  drag.PressY = Y;
  drag.Magnitude =
      GridValue(Document, drag.Harmonic, 1, content.Magnitudes[std::size_t(drag.Harmonic)]);
  drag.Angle = GridValue(Document, drag.Harmonic, 2, content.Angles[std::size_t(drag.Harmonic)]);
  Drag = drag;
  Document.SelectHarmonic(drag.Harmonic);
  View.ShowSelection();
}

// Sets the dragged half of the value from a mouse position, once the mouse
// has left the press point.
void TSpectrumPart::FollowDrag(int x, int y)
{
  if (!Drag.Moved && std::abs(x - Drag.PressX) < DragThreshold
      && std::abs(y - Drag.PressY) < DragThreshold)
    return;
  Drag.Moved = true;
  const TSpectrumGeometry geometry = Layout();
  if (Drag.Phase) {
    const double angle = geometry.AngleAt(y);
    Drag.Angle = Drag.Mirrored ? -angle : angle;
  } else {
    Drag.Magnitude = Drag.Scale.MagnitudeAt(geometry.FractionAt(y));
  }
}

void TSpectrumPart::CancelDrag()
{
  const bool shown = std::exchange(Drag, {}).Moved;
  if (shown)
    View.Redraw();
}

void TSpectrumPart::MouseMove(Qt::KeyboardModifiers, int X, int Y)
{
  if (Drag.Active) {
    FollowDrag(X, Y);
    if (Drag.Moved)
      View.Redraw();
  }
  ShowBarTip(X, Y);
}

QString TSpectrumPart::BarTip(int k, double magnitude, double angle)
{
  return tr("Harmonic %1: %2 at %3\u00b0")
      .arg(k)
      .arg(QString::fromStdString(TPhasorDocument::MagnitudeText(magnitude)),
           QString::fromStdString(TPhasorDocument::AngleText(angle)));
}

// Over a harmonic's column the strip's tip names its value as pictured (the
// dragged one while a drag lasts); elsewhere it is the strip's own. A tip
// already showing follows the mouse from column to column.
void TSpectrumPart::ShowBarTip(int x, int y)
{
  const std::optional<TSpectrumHit> hit = Layout().HitAt(x, y);
  QString tip = StripTip;
  if (hit) {
    TSpectrumContent content;
    TSpectrumScale scale;
    Picture(content, scale);
    tip = BarTip(hit->Harmonic, content.MagnitudeOf(hit->Harmonic),
                 content.AngleOf(hit->Harmonic));
  }
  if (tip == SpectrumImage->toolTip())
    return;
  SpectrumImage->setToolTip(tip);
  if (hit && QToolTip::isVisible())
    QToolTip::showText(QCursor::pos(), tip, SpectrumImage);
}

void TSpectrumPart::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int X, int Y)
{
  if (button != Qt::LeftButton || !Drag.Active)
    return;
  FollowDrag(X, Y);
  const TDrag drag = std::exchange(Drag, {});
  if (!drag.Moved)
    return;
  const TActionScope action(Actions, DragStepText(drag.Harmonic, drag.Phase),
                            TStepKind::HandMade);
  View.EditHarmonic(drag.Harmonic, drag.Magnitude, drag.Angle);
}

// Left and Right choose the harmonic; Up and Down change its magnitude by a
// row of the bars (as a drag of one pixel does), Page Up and Page Down its
// angle by 15 degrees: each change one undo step, named as a drag's.
bool TSpectrumPart::Key(int key)
{
  const int k = Selected();
  if (key == Qt::Key_Left || key == Qt::Key_Right) {
    Document.SelectHarmonic(std::clamp(k + (key == Qt::Key_Right ? 1 : -1), 0, HarmonicCount - 1));
    View.ShowSelection();
    return true;
  }
  const bool phase = key == Qt::Key_PageUp || key == Qt::Key_PageDown;
  if (!phase && key != Qt::Key_Up && key != Qt::Key_Down)
    return false;
  if (Drag.Active)
    return true;
  const HarmonicPhasor &entry = Document.PhasorList[std::size_t(k)];
  double magnitude = 0.0;
  double angle = 0.0;
  HarmonicMath::RectToPolar(entry.Re, entry.Im, magnitude, angle);
  if (phase) {
    angle += key == Qt::Key_PageUp ? KeyAngleStep : -KeyAngleStep;
    angle = angle > 180.0 ? angle - 360.0 : angle <= -180.0 ? angle + 360.0 : angle;
  } else {
    TSpectrumContent content;
    TSpectrumScale scale;
    Picture(content, scale);
    const double row = 1.0 / Layout().BarAreaHeight();
    const double fraction = scale.Fraction(magnitude) + (key == Qt::Key_Up ? row : -row);
    magnitude = fraction <= 0.0 ? 0.0 : scale.MagnitudeAt(std::min(fraction, 1.0));
  }
  const TActionScope action(Actions, DragStepText(k, phase), TStepKind::HandMade);
  View.EditHarmonic(k, magnitude, angle);
  return true;
}

bool TSpectrumPart::Previewing(int &harmonic, double &magnitude, double &angle) const
{
  if (!Drag.Moved)
    return false;
  harmonic = Drag.Harmonic;
  magnitude = Drag.Magnitude;
  angle = Drag.Angle;
  return true;
}

QString TSpectrumPart::Description() const
{
  const int highest = Document.HighestHarmonic;
  int strongest = 0;
  double strongestMagnitude = 0.0;
  for (int k = 0; k <= highest; ++k) {
    const HarmonicPhasor &entry = Document.PhasorList[std::size_t(k)];
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(entry.Re, entry.Im, magnitude, angle);
    if (magnitude > strongestMagnitude) {
      strongest = k;
      strongestMagnitude = magnitude;
    }
  }
  // The selected harmonic as the table reads it, and the outline drawn over
  // it (an exercise's hint) in the table's number formats.
  const int selected = Selected();
  QString outline;
  if (const TPhasorArray *outlines = View.Outlines ? View.Outlines() : nullptr) {
    const HarmonicPhasor &target = (*outlines)[std::size_t(selected)];
    double magnitude = 0.0;
    double angle = 0.0;
    HarmonicMath::RectToPolar(target.Re, target.Im, magnitude, angle);
    outline = tr("; the target's outline: magnitude %1, angle %2\u00B0")
                  .arg(QString::fromStdString(TPhasorDocument::MagnitudeText(magnitude)),
                       QString::fromStdString(TPhasorDocument::AngleText(angle)));
  }
  return tr("Spectrum: %1 waveform, harmonics 0 to %2, the strongest harmonic %3 with magnitude "
            "%4; selected harmonic %5: magnitude %6, angle %7\u00B0")
      .arg(View.WaveformName(), QString::number(highest), QString::number(strongest),
           Number(strongestMagnitude), QString::number(selected),
           Document.GridText(selected, 1), Document.GridText(selected, 2))
         + (selected > highest ? tr(", above the highest harmonic") : QString())
         + outline;
}
