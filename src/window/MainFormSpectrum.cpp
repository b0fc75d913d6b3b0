#include "MainForm.h"
#include "WindowLayout.h"

#include "NumberText.h"
#include "SpectrumView.h"
#include "WindowScaler.h"
#include "ZoomSteps.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>

#include <cstdlib>
#include <utility>

// The spectrum strip: the View options that show it and choose its scale,
// the window growing by its height, its drawing (SpectrumView) from the
// entries, and editing by dragging its bars and phase marks. The geometry is
// SpectrumGeometry's; this wires it to the window.

namespace {

const char SpectrumKey[] = "View/Spectrum";
const char DecibelsKey[] = "View/SpectrumDecibels";

using WindowLayout::ClientHeight;
using WindowLayout::ClientWidth;
constexpr int StatusBarTop = 365;
constexpr int StatusBarHeight = 19;
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

}  // namespace

void TRotantsForm::BuildSpectrumActions()
{
  MenuView->addSeparator();
  ViewSpectrum = MenuView->addAction(QString());
  ViewSpectrum->setObjectName("ViewSpectrum");
  ViewSpectrum->setCheckable(true);
  ViewSpectrumDecibels = MenuView->addAction(QString());
  ViewSpectrumDecibels->setObjectName("ViewSpectrumDecibels");
  ViewSpectrumDecibels->setCheckable(true);
  ViewSpectrumDecibels->setEnabled(false);
  connect(ViewSpectrum, &QAction::triggered, this, &TRotantsForm::ViewSpectrumClick);
  connect(ViewSpectrumDecibels, &QAction::triggered, this,
          &TRotantsForm::ViewSpectrumDecibelsClick);
}

QString TRotantsForm::SpectrumDragStepText(int k, bool phase)
{
  return phase ? tr("Dragged Phase of Harmonic %1").arg(k) : tr("Dragged Harmonic %1").arg(k);
}

void TRotantsForm::ViewSpectrumClick()
{
  SetSpectrumView(ViewSpectrum->isChecked(), true);
}

void TRotantsForm::ViewSpectrumDecibelsClick()
{
  if (Settings)
    Settings->setValue(DecibelsKey, ViewSpectrumDecibels->isChecked());
  RedrawSpectrum();
}

QSize TRotantsForm::BaseClientSize() const
{
  return QSize(ClientWidth, ClientHeight + (ViewSpectrum->isChecked() ? SpectrumGrowth : 0));
}

// The scaler lays the window out from its records, so the client area's size
// and the status bar's place are changed there and the zoom applied again,
// which also redraws. A zoom the grown window no longer fits at falls back to
// the largest step that fits, as when the settings are read; a zoom given for
// the run alone stays so.
void TRotantsForm::SetSpectrumView(bool on, bool remember)
{
  CancelSpectrumDrag();
  ViewSpectrum->setChecked(on);
  ViewSpectrumDecibels->setEnabled(on);
  SpectrumImage->setVisible(on);
  // While hidden the canvas follows the zoom without a picture drawn at it:
  // the strip shown again is drawn afresh, not kept as an enlarged copy.
  DrawnSpectrum = {};
  const QSize client = BaseClientSize();
  Scaler->SetBaseGeometry(ClientArea, QRect(QPoint(0, 0), client));
  Scaler->SetBaseGeometry(StatusBar, QRect(0, StatusBarTop + client.height() - ClientHeight,
                                           ClientWidth, StatusBarHeight));
  // The window itself grows by as much, so that the size the scaler gives it
  // outside full screen is the grown one.
  Scaler->SetBaseGeometry(this, QRect(QPoint(0, 0), client + QSize(0, BaseMenuHeight)));
  const double limit = ScreenZoomLimit(false);
  const double zoom =
      WindowedZoom <= limit ? WindowedZoom : ZoomSteps::LargestStepWithin(limit);
  if (ViewFullScreen->isChecked()) {
    WindowedZoom = zoom;
    ApplyZoom(ScreenZoomLimit(true));
    EnableZoomActions();
  } else if (ZoomForRunOnly) {
    SetZoomForRun(zoom);
  } else {
    SetZoom(zoom);
  }
  if (remember && Settings)
    Settings->setValue(SpectrumKey, on);
}

void TRotantsForm::RestoreSpectrumView(QSettings *settings)
{
  ViewSpectrumDecibels->setChecked(settings->value(DecibelsKey, false).toBool());
  const bool on = settings->value(SpectrumKey, false).toBool();
  if (on != ViewSpectrum->isChecked())
    SetSpectrumView(on, false);
  else
    RedrawSpectrum();
}

TSpectrumGeometry TRotantsForm::SpectrumLayout() const
{
  return TSpectrumGeometry(SpectrumImage->Width(), SpectrumImage->Height(),
                           ConjugateCheckBox->isChecked());
}

void TRotantsForm::SpectrumPicture(TSpectrumContent &content, TSpectrumScale &scale) const
{
  content.SetEntries(PhasorList);
  if (SpectrumDrag.Moved) {
    const std::size_t dragged = std::size_t(SpectrumDrag.Harmonic);
    content.Magnitudes[dragged] = SpectrumDrag.Magnitude;
    content.Angles[dragged] = SpectrumDrag.Angle;
  }
  content.Highest = HighestHarmonic;
  content.Selected = SelectedHarmonic();
  content.Highlight = ViewHighlightHarmonic->isChecked();
  content.TwoSided = ConjugateCheckBox->isChecked();
  scale = SpectrumDrag.Active
              ? SpectrumDrag.Scale
              : TSpectrumScale::Fitting(content.Largest(), ViewSpectrumDecibels->isChecked());
}

void TRotantsForm::DrawSpectrumStrip()
{
  if (!ViewSpectrum->isChecked())
    return;
  TSpectrumSource source;
  for (int k = 0; k < HarmonicCount; ++k) {
    source.Entries[std::size_t(2 * k)] = PhasorList[std::size_t(k)].Re;
    source.Entries[std::size_t(2 * k + 1)] = PhasorList[std::size_t(k)].Im;
  }
  source.Highest = HighestHarmonic;
  source.Selected = SelectedHarmonic();
  source.Highlight = ViewHighlightHarmonic->isChecked();
  source.TwoSided = ConjugateCheckBox->isChecked();
  source.Decibels = ViewSpectrumDecibels->isChecked();
  source.Drag = SpectrumDrag;
  source.Display = SpectrumImage->DisplayScale();
  // Nothing in the strip moves with the time step: a redraw for another step
  // keeps the picture it would draw again.
  if (source == DrawnSpectrum)
    return;
  TSpectrumContent content;
  TSpectrumScale scale;
  SpectrumPicture(content, scale);
  DrawSpectrum(*SpectrumImage, SpectrumLayout(), scale, content);
  DrawnSpectrum = source;
}

void TRotantsForm::RedrawSpectrum()
{
  if (!ViewSpectrum->isChecked())
    return;
  if (Deferring())
    RedrawPending = true;
  else
    DrawSpectrumStrip();
}

QRect TRotantsForm::SpectrumBar(int k) const
{
  const TSpectrumGeometry geometry = SpectrumLayout();
  if (!ViewSpectrum->isChecked() || !geometry.Shows(k))
    return QRect();
  TSpectrumContent content;
  TSpectrumScale scale;
  SpectrumPicture(content, scale);
  return ToRect(geometry.Bar(k, scale.Fraction(content.MagnitudeOf(k))));
}

// The value starts from the grid row's texts, which are what the editor
// shows and keeps: an angle typed for a zero magnitude is kept too.
void TRotantsForm::SpectrumImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int X,
                                          int Y)
{
  if (button != Qt::LeftButton || !ViewSpectrum->isChecked())
    return;
  const std::optional<TSpectrumHit> hit = SpectrumLayout().HitAt(X, Y);
  if (!hit)
    return;
  TSpectrumContent content;
  TSpectrumDrag drag;
  SpectrumPicture(content, drag.Scale);
  drag.Active = true;
  drag.Phase = hit->Phase;
  drag.Harmonic = std::abs(hit->Harmonic);
  drag.Mirrored = hit->Harmonic < 0;
  drag.PressX = X;
  drag.PressY = Y;
  drag.Magnitude = GridValue(Document, drag.Harmonic, 1,
                             content.Magnitudes[std::size_t(drag.Harmonic)]);
  drag.Angle = GridValue(Document, drag.Harmonic, 2, content.Angles[std::size_t(drag.Harmonic)]);
  SpectrumDrag = drag;
  Document.SelectHarmonic(drag.Harmonic);
  ShowSelectedRow();
}

// Sets the dragged half of the value from a mouse position, once the mouse
// has left the press point.
void TRotantsForm::FollowSpectrumDrag(int x, int y)
{
  TSpectrumDrag &drag = SpectrumDrag;
  if (!drag.Moved && std::abs(x - drag.PressX) < DragThreshold
      && std::abs(y - drag.PressY) < DragThreshold)
    return;
  drag.Moved = true;
  const TSpectrumGeometry geometry = SpectrumLayout();
  if (drag.Phase) {
    const double angle = geometry.AngleAt(y);
    drag.Angle = drag.Mirrored ? -angle : angle;
  } else {
    drag.Magnitude = drag.Scale.MagnitudeAt(geometry.FractionAt(y));
  }
}

void TRotantsForm::CancelSpectrumDrag()
{
  const bool shown = std::exchange(SpectrumDrag, {}).Moved;
  if (shown)
    TimeTrackBarChange();
}

void TRotantsForm::SpectrumImageMouseMove(Qt::KeyboardModifiers, int X, int Y)
{
  if (!SpectrumDrag.Active)
    return;
  FollowSpectrumDrag(X, Y);
  if (SpectrumDrag.Moved)
    TimeTrackBarChange();
}

void TRotantsForm::SpectrumImageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int X,
                                        int Y)
{
  if (button != Qt::LeftButton || !SpectrumDrag.Active)
    return;
  FollowSpectrumDrag(X, Y);
  const TSpectrumDrag drag = std::exchange(SpectrumDrag, {});
  if (!drag.Moved)
    return;
  const TActionScope action(*this, SpectrumDragStepText(drag.Harmonic, drag.Phase),
                            TStepKind::HandMade);
  EditHarmonic(drag.Harmonic, drag.Magnitude, drag.Angle);
}
