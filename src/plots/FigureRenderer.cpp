#include "FigureRenderer.h"

#include "AxisTicks.h"
#include "NumberText.h"
#include "Reconstruction.h"
#include "SpectrumView.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Figure units; the figure is TFigureRenderer::Width wide.
constexpr double Margin = 16.0;
constexpr double TickLength = 4.0;
constexpr double PanelGap = 28.0;
constexpr double RowGap = 14.0;
constexpr double LegendSample = 24.0;  // the coloured line before a legend name
constexpr double LegendSpacing = 22.0;
constexpr double MarkerRadius = 3.0;

constexpr int NumberSize = 12;  // font pixel sizes, in figure units
constexpr int NameSize = 13;
constexpr int LegendSize = 13;
constexpr int TableSize = 12;

// The plots' own colours, as the window draws them.
const QColor ChainColour(0xFF, 0x00, 0xFF);
const QColor MirrorColour(0x80, 0x00, 0x80);
const QColor TraceColour(0xFF, 0x00, 0x00);
const QColor IdealColour(0x00, 0x00, 0x00);
const QColor ReconColour(0x00, 0x80, 0x00);
const QColor HighlightColour(0xFF, 0xB0, 0x00);
const QColor MarkerColour(0xFF, 0x00, 0xFF);
const QColor GridColour(0xC8, 0xC8, 0xC8);
const QColor AxisColour(0x80, 0x80, 0x80);

constexpr double ChainWidth = 2.0;
constexpr double TraceWidth = 1.0;
constexpr double IdealWidth = 1.2;
constexpr double ReconWidth = 2.0;
constexpr double HighlightWidth = 4.0;

constexpr int GridSteps = 64;
constexpr double GridValues = 0.25;

// The spectrum: its plot (both frames and the gap between them, which holds
// the phase axis's name) is as wide as the figure allows and SpectrumAspect
// times less high; the bars take SpectrumBarShare of the frames' height.
constexpr double SpectrumAspect = 3.8;
constexpr double SpectrumBarShare = 0.65;
constexpr double PhaseMarkHeight = 3.0;
constexpr double FrameWidth = 1.0;  // a panel's frame, centred on its plot's edge
const double PhaseTicks[] = {180.0, 90.0, 0.0, -90.0, -180.0};
constexpr int NumberedEvery = 5;  // harmonics numbered under the columns

QFont FigureFont(int pixelSize, bool bold = false)
{
  QFont font;
  font.setFamilies({"Liberation Sans", "Arial", "DejaVu Sans", "WenQuanYi Micro Hei"});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

double TextWidth(const QFont &font, const QString &text)
{
  return QFontMetricsF(font).horizontalAdvance(text);
}

double LineHeight(const QFont &font)
{
  return QFontMetricsF(font).height();
}

// The room a panel needs around its plot for ticks, numbers and axis names.
struct TDecor {
  double Left = 0.0;
  double Right = 0.0;
  double Top = 0.0;
  double Bottom = 0.0;
};

TDecor PanelDecor()
{
  const QFont numbers = FigureFont(NumberSize);
  const QFont names = FigureFont(NameSize);
  double widest = 0.0;
  for (double tick : ValueTicks)
    widest = std::max(widest, TextWidth(numbers, NumberText(tick)));
  TDecor decor;
  decor.Left = widest + TickLength + 4.0;
  decor.Right = TextWidth(numbers, "511") / 2.0 + 2.0;
  decor.Top = LineHeight(names) + 4.0;
  decor.Bottom = TickLength + 2.0 + LineHeight(numbers) + 2.0 + LineHeight(names);
  return decor;
}

// The spectrum's room: the scale's numbers on the left, but at least the
// other panels' room, so that the frames' left and right edges line up; the
// axis names above the frames clear of the numbers at the frames' tops,
// which may be wider here than the axis names' room.
TDecor SpectrumDecor(const TSpectrumScale &scale)
{
  const QFont numbers = FigureFont(NumberSize);
  double widest = TextWidth(numbers, NumberText(PhaseTicks[4]));
  for (int i = 0; i < scale.Ticks(); ++i)
    widest = std::max(widest, TextWidth(numbers, QString::fromStdString(scale.TickText(i))));
  TDecor decor = PanelDecor();
  decor.Left = std::max(decor.Left, widest + TickLength + 4.0);
  decor.Top += LineHeight(numbers) / 2.0;
  return decor;
}

QColor SpectrumColour(TColour colour)
{
  return QColor(ColourToRgb(colour));
}

// Cuts the segment a-b to rect (Liang-Barsky); false when none of it lies inside.
bool ClipSegment(QPointF &a, QPointF &b, const QRectF &rect)
{
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  double t0 = 0.0;
  double t1 = 1.0;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                      rect.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0)
        return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1)
      return false;
  }
  const QPointF start = a;
  a = start + QPointF(dx, dy) * t0;
  b = start + QPointF(dx, dy) * t1;
  return true;
}

// The polyline through points, cut to rect: a part that leaves the rectangle
// ends there, and the line starts anew where it comes back. Every device
// then draws the same, whether it clips or not.
QPainterPath ClippedPolyline(const std::vector<QPointF> &points, const QRectF &rect)
{
  QPainterPath path;
  bool open = false;
  for (std::size_t i = 1; i < points.size(); ++i) {
    QPointF a = points[i - 1];
    QPointF b = points[i];
    if (!ClipSegment(a, b, rect)) {
      open = false;
      continue;
    }
    if (!open || a != points[i - 1])
      path.moveTo(a);
    path.lineTo(b);
    open = b == points[i];
  }
  if (points.size() == 1 && rect.contains(points[0])) {
    path.moveTo(points[0]);
    path.lineTo(points[0]);
  }
  return path;
}

void StrokePath(QPainter &painter, const QPainterPath &path, const QColor &colour, double width)
{
  QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.strokePath(path, pen);
}

void DrawMarker(QPainter &painter, const QPointF &centre, const QRectF &plot)
{
  if (!plot.adjusted(-MarkerRadius, -MarkerRadius, MarkerRadius, MarkerRadius).contains(centre))
    return;
  painter.setPen(QPen(MarkerColour, 2.0));
  painter.setBrush(Qt::white);
  painter.drawEllipse(centre, MarkerRadius, MarkerRadius);
  painter.setBrush(Qt::NoBrush);
}

// The frame, the ticks with their numbers and the axis names: a tick and its
// number at each position along the bottom and the left edge, the x axis's
// name under the numbers, the y axis's name above the plot.
struct TAxes {
  std::vector<double> XPositions;  // figure units, one per tick
  QStringList XTexts;
  std::vector<double> YPositions;
  QStringList YTexts;
  QString XName;
  QString YName;
};

void DrawAxes(QPainter &painter, const QRectF &plot, const TAxes &axes,
              const TDecor &decor = PanelDecor())
{
  painter.setPen(QPen(Qt::black, FrameWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  const QFont numbers = FigureFont(NumberSize);
  const QFont names = FigureFont(NameSize);
  const double numberHeight = LineHeight(numbers);
  painter.setFont(numbers);
  for (std::size_t i = 0; i < axes.XPositions.size(); ++i) {
    const double x = axes.XPositions[i];
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + TickLength));
    painter.drawText(QRectF(x - 40.0, plot.bottom() + TickLength + 2.0, 80.0, numberHeight),
                     Qt::AlignHCenter | Qt::AlignTop, axes.XTexts[int(i)]);
  }
  for (std::size_t i = 0; i < axes.YPositions.size(); ++i) {
    const double y = axes.YPositions[i];
    painter.drawLine(QPointF(plot.left() - TickLength, y), QPointF(plot.left(), y));
    painter.drawText(QRectF(plot.left() - TickLength - 84.0, y - numberHeight / 2.0, 80.0,
                            numberHeight),
                     Qt::AlignRight | Qt::AlignVCenter, axes.YTexts[int(i)]);
  }
  painter.setFont(names);
  const double nameHeight = LineHeight(names);
  painter.drawText(QRectF(plot.left(), plot.bottom() + TickLength + 4.0 + numberHeight,
                          plot.width(), nameHeight),
                   Qt::AlignHCenter | Qt::AlignTop, axes.XName);
  painter.drawText(QRectF(plot.left() - decor.Left, plot.top() - decor.Top, plot.width(),
                          nameHeight),
                   Qt::AlignLeft | Qt::AlignTop, axes.YName);
}

// The magnitude and angle of an entry as the editor's grid writes them.
QString MagnitudeText(const HarmonicPhasor &entry)
{
  double magnitude = 0.0;
  double angle = 0.0;
  HarmonicMath::RectToPolar(entry.Re, entry.Im, magnitude, angle);
  return QString::fromStdString(FormatFixed(magnitude, 7, 4));
}

QString AngleText(const HarmonicPhasor &entry)
{
  double magnitude = 0.0;
  double angle = 0.0;
  HarmonicMath::RectToPolar(entry.Re, entry.Im, magnitude, angle);
  return QString::fromStdString(FormatFixed(angle, 6, 1));
}

}  // namespace

TFigureRenderer::TFigureRenderer(const TFigureState &state) : State(state)
{
  State.Highest = std::clamp(State.Highest, 0, HarmonicCount - 1);
  State.Step = std::clamp(State.Step, 0, SweepSteps - 1);
  if (State.Highlighted > State.Highest)
    State.Highlighted = -1;
  State.Selected = std::clamp(State.Selected, 0, HarmonicCount - 1);
  LayOut();
}

TFigureRenderer::TShape TFigureRenderer::Shape(TFigurePanel panel)
{
  switch (panel) {
  case TFigurePanel::PhasorPlane:
    return {1.0, 0};
  case TFigurePanel::TimePlot:
    // The window's 512 x 251 pixels.
    return {512.0 / 251.0, 0};
  case TFigurePanel::Spectrum:
    return {SpectrumAspect, 1};
  }
  return {};
}

QString TFigureRenderer::Caption() const
{
  const QString convention = State.Conjugate ? tr("two-sided") : tr("one-sided");
  if (State.Highest == 0)
    return tr("%1, harmonic 0, step %2, %3").arg(State.WaveformName).arg(State.Step).arg(convention);
  return tr("%1, harmonics 0-%2, step %3, %4")
      .arg(State.WaveformName)
      .arg(State.Highest)
      .arg(State.Step)
      .arg(convention);
}

TSpectrumContent TFigureRenderer::SpectrumContent() const
{
  TSpectrumContent content;
  content.SetEntries(State.Entries);
  content.Highest = State.Highest;
  content.Selected = State.Selected;
  content.Highlight = State.HighlightSelected;
  content.TwoSided = State.Conjugate;
  return content;
}

TSpectrumScale TFigureRenderer::SpectrumScale() const
{
  return TSpectrumScale::Fitting(SpectrumContent().Largest(), State.Decibels);
}

std::vector<TFigureLegendItem> TFigureRenderer::Legend() const
{
  std::vector<TFigureLegendItem> items;
  if (State.IdealShown)
    items.push_back({tr("Ideal wave"), IdealColour});
  items.push_back({tr("Reconstruction"), ReconColour});
  items.push_back({tr("Phasor chain"), ChainColour});
  if (State.Conjugate)
    items.push_back({tr("Mirror chain"), MirrorColour});
  if (State.Trace)
    items.push_back({tr("Trace of the tip"), TraceColour});
  if (State.Highlighted >= 0)
    items.push_back({tr("Harmonic %1").arg(State.Highlighted), HighlightColour});
  return items;
}

// Rows of panels one under another; the panels of a row side by side with
// plots of one height, filling the figure's width between the margins.
void TFigureRenderer::LayOut()
{
  Placed = TFigureLayout{};
  const TDecor spectrumDecor = SpectrumDecor(SpectrumScale());
  const auto decorOf = [&](TFigurePanel panel) {
    return panel == TFigurePanel::Spectrum ? spectrumDecor : PanelDecor();
  };
  const double room = Width - 2.0 * Margin;
  std::map<int, std::vector<TFigurePanel>> rows;
  for (TFigurePanel panel : State.Panels)
    rows[Shape(panel).Row].push_back(panel);
  double y = Margin;
  for (const auto &[row, panels] : rows) {
    double aspects = 0.0;
    double decorWidth = double(panels.size() - 1) * PanelGap;
    TDecor rowDecor;
    for (TFigurePanel panel : panels) {
      const TDecor decor = decorOf(panel);
      aspects += Shape(panel).Aspect;
      decorWidth += decor.Left + decor.Right;
      rowDecor.Top = std::max(rowDecor.Top, decor.Top);
      rowDecor.Bottom = std::max(rowDecor.Bottom, decor.Bottom);
    }
    const double height = std::max(0.0, (room - decorWidth) / aspects);
    double x = Margin;
    for (TFigurePanel panel : panels) {
      const TDecor decor = decorOf(panel);
      const double width = height * Shape(panel).Aspect;
      const QRectF plot(x + decor.Left, y + rowDecor.Top, width, height);
      Placed.Panels.push_back({panel, plot});
      if (panel == TFigurePanel::Spectrum) {
        // The gap between the frames holds the phase axis's name, clear of
        // the number at the bars' baseline.
        const double gap = decor.Top + LineHeight(FigureFont(NumberSize)) / 2.0;
        const double frames = std::max(0.0, height - gap);
        const double bars = frames * SpectrumBarShare;
        Placed.SpectrumBars = QRectF(plot.left(), plot.top(), width, bars);
        Placed.SpectrumPhase = QRectF(plot.left(), plot.top() + bars + gap, width, frames - bars);
      }
      x += decor.Left + width + decor.Right + PanelGap;
    }
    y += rowDecor.Top + height + rowDecor.Bottom + RowGap;
  }

  const QFont legend = FigureFont(LegendSize);
  const double legendHeight = LineHeight(legend) + 2.0;
  double rowWidth = 0.0;
  std::vector<double> widths;
  for (const TFigureLegendItem &item : Legend()) {
    const double width = LegendSample + 6.0 + TextWidth(legend, item.Name);
    if (!widths.empty() && rowWidth + LegendSpacing + width > room) {
      Placed.LegendRows.push_back(
          QRectF(Margin + (room - rowWidth) / 2.0, y, rowWidth, legendHeight));
      y += legendHeight;
      rowWidth = 0.0;
      widths.clear();
    }
    rowWidth += (widths.empty() ? 0.0 : LegendSpacing) + width;
    widths.push_back(width);
  }
  if (!widths.empty()) {
    Placed.LegendRows.push_back(QRectF(Margin + (room - rowWidth) / 2.0, y, rowWidth, legendHeight));
    y += legendHeight;
  }
  y += 6.0;
  const QString caption = Caption();
  int captionSize = CaptionSize;
  while (captionSize > NumberSize && TextWidth(FigureFont(captionSize, true), caption) > room)
    --captionSize;
  Placed.CaptionPixelSize = captionSize;
  Placed.Caption = QRectF(Margin, y, room, LineHeight(FigureFont(CaptionSize, true)));
  y += Placed.Caption.height() + Margin;
  Placed.Size = QSizeF(Width, std::ceil(y));
}

void TFigureRenderer::Render(QPainter &painter, const QRectF &target) const
{
  const QSizeF size = Placed.Size;
  const double scale = std::min(target.width() / size.width(), target.height() / size.height());
  const QPointF offset = target.center() - QPointF(size.width(), size.height()) * scale / 2.0;
  painter.save();
  // An SVG at the figure's own size keeps its coordinates untransformed.
  if (scale != 1.0 || offset != QPointF(0.0, 0.0)) {
    painter.translate(offset);
    painter.scale(scale, scale);
  }
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  Draw(painter);
  painter.restore();
}

void TFigureRenderer::Draw(QPainter &painter) const
{
  painter.fillRect(QRectF(QPointF(0.0, 0.0), Placed.Size), Qt::white);
  for (const TFigurePanelPlace &place : Placed.Panels) {
    switch (place.Panel) {
    case TFigurePanel::PhasorPlane:
      DrawPhasorPlane(painter, place.Plot);
      break;
    case TFigurePanel::TimePlot:
      DrawTimePlot(painter, place.Plot);
      break;
    case TFigurePanel::Spectrum:
      DrawSpectrum(painter);
      break;
    }
  }
  DrawLegend(painter);
  painter.setPen(Qt::black);
  painter.setFont(FigureFont(Placed.CaptionPixelSize, true));
  painter.drawText(Placed.Caption, Qt::AlignHCenter | Qt::AlignVCenter, Caption());
}

void TFigureRenderer::DrawPhasorPlane(QPainter &painter, const QRectF &plot) const
{
  // Turned, the real axis points up and the imaginary axis to the left.
  const auto map = [&](double re, double im) {
    if (State.Rotate)
      return QPointF(plot.left() + (1.0 - im) / 2.0 * plot.width(),
                     plot.top() + (1.0 - re) / 2.0 * plot.height());
    return QPointF(plot.left() + (re + 1.0) / 2.0 * plot.width(),
                   plot.top() + (1.0 - im) / 2.0 * plot.height());
  };
  painter.fillRect(plot, Qt::white);
  painter.setPen(QPen(AxisColour, 1.0));
  painter.drawLine(QPointF(plot.left(), plot.center().y()), QPointF(plot.right(), plot.center().y()));
  painter.drawLine(QPointF(plot.center().x(), plot.top()), QPointF(plot.center().x(), plot.bottom()));

  const int top = State.Highest;
  if (State.Trace) {
    std::vector<QPointF> trace;
    for (int n = 0; n <= State.Step; ++n) {
      double re = 0.0;
      double im = 0.0;
      HarmonicMath::TipAtTimeStep(State.Entries, top, n, re, im);
      trace.push_back(map(re, im));
    }
    StrokePath(painter, ClippedPolyline(trace, plot), TraceColour, TraceWidth);
  }
  TPhasorArray rotated = State.Entries;
  HarmonicMath::RotateToTimeStep(rotated, top, State.Step);
  const auto chain = [&](bool mirror) {
    std::vector<QPointF> points{map(0.0, 0.0)};
    for (int k = 0; k <= top; ++k)
      points.push_back(map(rotated[k].SumRe, mirror ? -rotated[k].SumIm : rotated[k].SumIm));
    return points;
  };
  if (State.Conjugate)
    StrokePath(painter, ClippedPolyline(chain(true), plot), MirrorColour, ChainWidth);
  const std::vector<QPointF> links = chain(false);
  StrokePath(painter, ClippedPolyline(links, plot), ChainColour, ChainWidth);
  if (State.Highlighted >= 0) {
    const auto k = std::size_t(State.Highlighted);
    StrokePath(painter, ClippedPolyline({links[k], links[k + 1]}, plot), HighlightColour,
               HighlightWidth);
  }
  if (State.RealValue) {
    const double v = State.ReconWave[std::size_t(State.Step)];
    const QPointF centre = map(v, 0.0);
    if (State.Rotate)
      StrokePath(painter, ClippedPolyline({centre, QPointF(plot.right(), centre.y())}, plot),
                 MarkerColour, 1.0);
    DrawMarker(painter, centre, plot);
  }

  TAxes axes;
  for (double tick : ValueTicks) {
    // Turned, the imaginary axis runs from 1 on the left to -1 on the right.
    axes.XPositions.push_back(map(State.Rotate ? 0.0 : tick, State.Rotate ? tick : 0.0).x());
    axes.XTexts << NumberText(tick);
    axes.YPositions.push_back(map(State.Rotate ? tick : 0.0, State.Rotate ? 0.0 : tick).y());
    axes.YTexts << NumberText(tick);
  }
  axes.XName = State.Rotate ? tr("Im") : tr("Re");
  axes.YName = State.Rotate ? tr("Re") : tr("Im");
  DrawAxes(painter, plot, axes);
}

void TFigureRenderer::DrawTimePlot(QPainter &painter, const QRectF &plot) const
{
  const auto map = [&](double step, double value) {
    return QPointF(plot.left() + step / double(SweepSteps - 1) * plot.width(),
                   plot.top() + (1.0 - value) / 2.0 * plot.height());
  };
  painter.fillRect(plot, Qt::white);
  if (State.Grid) {
    painter.setPen(QPen(GridColour, 0.6));
    for (int step = GridSteps; step < SweepSteps; step += GridSteps)
      painter.drawLine(map(step, -1.0), map(step, 1.0));
    for (double value = -1.0 + GridValues; value < 1.0; value += GridValues)
      painter.drawLine(map(0.0, value), map(SweepSteps - 1, value));
  }
  painter.setPen(QPen(AxisColour, 1.0));
  painter.drawLine(map(0.0, 0.0), map(SweepSteps - 1, 0.0));

  if (State.IdealShown) {
    std::vector<QPointF> ideal;
    for (int n = 0; n < SweepSteps; ++n)
      ideal.push_back(map(n, State.IdealWave[std::size_t(n)]));
    StrokePath(painter, ClippedPolyline(ideal, plot), IdealColour, IdealWidth);
  }
  if (State.Highlighted >= 0) {
    std::vector<QPointF> component;
    const int k = State.Highlighted;
    for (int n = 0; n <= State.Step; ++n) {
      HarmonicPhasor rotated = State.Entries[std::size_t(k)];
      rotated.RotRe = HarmonicMath::RotatedReAtTimeStep(rotated, k, n);
      component.push_back(map(n, Reconstruction::ComponentOf(rotated, k, State.Conjugate)));
    }
    StrokePath(painter, ClippedPolyline(component, plot), HighlightColour, ReconWidth);
  }
  std::vector<QPointF> recon;
  for (int n = 0; n <= State.Step; ++n)
    recon.push_back(map(n, State.ReconWave[std::size_t(n)]));
  StrokePath(painter, ClippedPolyline(recon, plot), ReconColour, ReconWidth);
  if (State.RealValue) {
    const QPointF centre = recon.back();
    if (State.Rotate)
      StrokePath(painter, ClippedPolyline({QPointF(plot.left(), centre.y()), centre}, plot),
                 MarkerColour, 1.0);
    DrawMarker(painter, centre, plot);
  }

  TAxes axes;
  for (int step : StepTicks) {
    axes.XPositions.push_back(map(step, 0.0).x());
    axes.XTexts << QString::number(step);
  }
  for (double tick : ValueTicks) {
    axes.YPositions.push_back(map(0.0, tick).y());
    axes.YTexts << NumberText(tick);
  }
  axes.XName = tr("Time step");
  axes.YName = tr("Value");
  DrawAxes(painter, plot, axes);
}

// As the window's strip draws it: a column per harmonic pictured, the bar of
// its magnitude on the scale's height and the mark of its angle in the phase
// frame (none without an angle); the mirrored c-k of the two-sided picture in
// the mirror chain's colour; harmonics above the highest faded; the selected
// column tinted, and its bars in the highlight colour while Highlight is on.
void TFigureRenderer::DrawSpectrum(QPainter &painter) const
{
  const QRectF bars = Placed.SpectrumBars;
  const QRectF phase = Placed.SpectrumPhase;
  const TSpectrumContent content = SpectrumContent();
  const TSpectrumScale scale = SpectrumScale();
  // The strip's numbering of the columns; its pixel sizes play no part here.
  const TSpectrumGeometry columns(0, TSpectrumGeometry::MinimumHeight, content.TwoSided);
  const double pitch = bars.width() / columns.SlotCount();
  const double inset = pitch / 6.0;
  const auto columnLeft = [&](int k) { return bars.left() + (k - columns.First()) * pitch; };
  const auto barY = [&](double fraction) { return bars.bottom() - fraction * bars.height(); };
  const auto phaseY = [&](double angle) {
    return phase.center().y() - std::clamp(angle, -180.0, 180.0) / 360.0 * phase.height();
  };

  painter.fillRect(bars, Qt::white);
  painter.fillRect(phase, Qt::white);
  const QColor tint = SpectrumColour(content.Highlight ? SpectrumHighlightSelectionColour
                                                       : SpectrumSelectionColour);
  std::vector<int> marked{content.Selected};
  if (content.TwoSided && content.Selected != 0)
    marked.push_back(-content.Selected);
  for (int k : marked) {
    for (const QRectF &frame : {bars, phase})
      painter.fillRect(QRectF(columnLeft(k), frame.top(), pitch, frame.height()), tint);
  }
  painter.setPen(QPen(GridColour, 0.6));
  for (int i = 1; i < scale.Ticks(); ++i)
    painter.drawLine(QPointF(bars.left(), barY(scale.TickFraction(i))),
                     QPointF(bars.right(), barY(scale.TickFraction(i))));
  for (double angle : PhaseTicks)
    painter.drawLine(QPointF(phase.left(), phaseY(angle)), QPointF(phase.right(), phaseY(angle)));

  for (int k = columns.First(); k <= columns.Last(); ++k) {
    const int harmonic = std::abs(k);
    TColour colour = k < 0 ? SpectrumMirrorBarColour : SpectrumBarColour;
    if (content.Highlight && harmonic == content.Selected)
      colour = SpectrumHighlightColour;
    if (harmonic > content.Highest)
      colour = SpectrumFaded(colour);
    const double magnitude = content.MagnitudeOf(k);
    const double height = scale.Fraction(magnitude) * bars.height();
    const double left = columnLeft(k) + inset;
    if (height > 0.0)
      painter.fillRect(QRectF(left, bars.bottom() - height, pitch - 2.0 * inset, height),
                       SpectrumColour(colour));
    if (magnitude >= SpectrumNoAngleBelow) {
      // Inside the frame's line, so that a mark at +-180 degrees shows whole.
      const double inside = FrameWidth / 2.0;
      const double top = std::clamp(phaseY(content.AngleOf(k)) - PhaseMarkHeight / 2.0,
                                    phase.top() + inside,
                                    phase.bottom() - inside - PhaseMarkHeight);
      painter.fillRect(QRectF(left, top, pitch - 2.0 * inset, PhaseMarkHeight),
                       SpectrumColour(colour));
    }
  }

  const TDecor decor = SpectrumDecor(scale);
  TAxes magnitudes;
  for (int i = 0; i < scale.Ticks(); ++i) {
    magnitudes.YPositions.push_back(barY(scale.TickFraction(i)));
    magnitudes.YTexts << QString::fromStdString(scale.TickText(i));
  }
  magnitudes.YName = scale.Decibels() ? tr("Magnitude (dB)") : tr("Magnitude");
  DrawAxes(painter, bars, magnitudes, decor);

  TAxes angles;
  for (int k = columns.First(); k <= columns.Last(); ++k) {
    if (k % NumberedEvery == 0) {
      angles.XPositions.push_back(columnLeft(k) + pitch / 2.0);
      angles.XTexts << QString::number(k);
    }
  }
  for (double angle : PhaseTicks) {
    angles.YPositions.push_back(phaseY(angle));
    angles.YTexts << NumberText(angle);
  }
  angles.XName = tr("Harmonic");
  angles.YName = tr("Phase (\u00B0)");
  DrawAxes(painter, phase, angles, decor);
}

void TFigureRenderer::DrawLegend(QPainter &painter) const
{
  const QFont font = FigureFont(LegendSize);
  painter.setFont(font);
  const std::vector<TFigureLegendItem> items = Legend();
  std::size_t next = 0;
  for (const QRectF &row : Placed.LegendRows) {
    double x = row.left();
    const double middle = row.center().y();
    // The items that the layout put in this row, in order.
    while (next < items.size()) {
      const TFigureLegendItem &item = items[next];
      const double width = LegendSample + 6.0 + TextWidth(font, item.Name);
      if (x + width > row.right() + 0.5)
        break;
      painter.setPen(QPen(item.Colour, 3.0, Qt::SolidLine, Qt::FlatCap));
      painter.drawLine(QPointF(x, middle), QPointF(x + LegendSample, middle));
      painter.setPen(Qt::black);
      painter.drawText(QRectF(x + LegendSample + 6.0, row.top(), width, row.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, item.Name);
      x += width + LegendSpacing;
      ++next;
    }
  }
}

void TFigureRenderer::RenderPage(QPainter &painter, const QRectF &page) const
{
  // In figure units: the page is Width wide.
  const double scale = page.width() / Width;
  const double pageHeight = page.height() / scale;
  const double figureHeight = std::min(Placed.Size.height(), 0.62 * pageHeight);
  painter.save();
  painter.translate(page.topLeft());
  painter.scale(scale, scale);
  Render(painter, QRectF(0.0, 0.0, Width, figureHeight));
  painter.setRenderHint(QPainter::Antialiasing, true);
  DrawTable(painter, QRectF(0.0, figureHeight + RowGap, Width, pageHeight - figureHeight - RowGap));
  painter.restore();
}

// The harmonics 0..Highest in blocks of three columns side by side, as few
// blocks as the height allows.
void TFigureRenderer::DrawTable(QPainter &painter, const QRectF &area) const
{
  const QFont font = FigureFont(TableSize);
  const QFont heading = FigureFont(TableSize, true);
  const double rowHeight = LineHeight(font) * 1.35;
  const int rows = State.Highest + 1;
  const int fit = std::max(1, int((area.height() - rowHeight) / rowHeight));
  const int blocks = (rows + fit - 1) / fit;
  const int perBlock = (rows + blocks - 1) / blocks;
  const QString headings[] = {tr("Harmonic"), tr("Magnitude"), tr("Angle (\u00B0)")};
  double columns[3];
  for (int c = 0; c < 3; ++c)
    columns[c] = TextWidth(heading, headings[c]) + 24.0;
  columns[1] = std::max(columns[1], TextWidth(font, "00.0000") + 24.0);
  columns[2] = std::max(columns[2], TextWidth(font, "-180.0") + 24.0);
  const double blockWidth = columns[0] + columns[1] + columns[2];
  const double blockGap = 36.0;
  const double total = blocks * blockWidth + (blocks - 1) * blockGap;
  double left = area.left() + std::max(0.0, (area.width() - total) / 2.0);
  painter.setPen(QPen(Qt::black, 0.8));
  for (int block = 0; block < blocks; ++block) {
    double y = area.top();
    double x = left;
    painter.setFont(heading);
    for (int c = 0; c < 3; ++c) {
      painter.drawText(QRectF(x, y, columns[c] - 12.0, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                       headings[c]);
      x += columns[c];
    }
    y += rowHeight;
    painter.drawLine(QPointF(left, y), QPointF(left + blockWidth, y));
    painter.setFont(font);
    for (int k = block * perBlock; k < std::min(rows, (block + 1) * perBlock); ++k) {
      const HarmonicPhasor &entry = State.Entries[std::size_t(k)];
      const QString cells[] = {QString::number(k), MagnitudeText(entry), AngleText(entry)};
      x = left;
      for (int c = 0; c < 3; ++c) {
        painter.drawText(QRectF(x, y, columns[c] - 12.0, rowHeight),
                         Qt::AlignRight | Qt::AlignVCenter, cells[c]);
        x += columns[c];
      }
      y += rowHeight;
    }
    left += blockWidth + blockGap;
  }
}

QByteArray TFigureRenderer::Svg() const
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  const QSizeF size = Placed.Size;
  generator.setSize(size.toSize());
  generator.setViewBox(QRectF(QPointF(0.0, 0.0), size));
  // One figure unit is one CSS pixel.
  generator.setResolution(96);
  generator.setTitle(Caption());
  generator.setDescription(Caption());
  QPainter painter(&generator);
  Render(painter, QRectF(QPointF(0.0, 0.0), size));
  painter.end();
  // The generator names only the first family; a viewer without it then
  // falls back to its default face, often a serif one.
  const QByteArray family = "font-family=\"" + FigureFont(NumberSize).family().toUtf8() + "\"";
  bytes.replace(family, family.chopped(1) + ", Arial, Helvetica, sans-serif\"");
  return bytes;
}

QByteArray TFigureRenderer::Pdf() const
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(10.0, 10.0, 10.0, 10.0), QPageLayout::Millimeter));
    writer.setTitle(Caption());
    writer.setCreator(QStringLiteral("Rotants 1.0"));
    QPainter painter(&writer);
    const QRect area(QPoint(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
    Render(painter, area);
  }
  return bytes;
}

QImage TFigureRenderer::Picture(const QSize &size) const
{
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  Render(painter, QRectF(image.rect()));
  return image;
}
