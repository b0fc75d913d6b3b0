#pragma once

#include "HarmonicModel.h"
#include "SpectrumGeometry.h"

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <array>
#include <vector>

class QPainter;

// The plots a figure can hold. Each has its own shape and row (see
// TFigureRenderer::Shape); a new kind needs a shape and a Draw function.
// Spectrum is the strip of bars and phase marks, in a row under the others.
enum class TFigurePanel { PhasorPlane, TimePlot, Spectrum };

// What a figure shows, gathered from the window (or built by hand): plain
// values, no widget. Entries hold the step-0 phasors in the convention
// Conjugate names, as the window's PhasorList does.
struct TFigureState {
  TPhasorArray Entries{};
  int Highest = HarmonicCount - 1;  // highest harmonic in use, 0..25
  bool Conjugate = false;           // two-sided convention
  int Step = 0;                     // time step shown, 0..511
  bool RealValue = false;           // the current value's markers
  bool Rotate = false;              // the plane turned: real axis up, imaginary to the left
  bool Trace = false;               // the tip's path from step 0
  bool Grid = true;                 // the time plot's grid
  bool IdealShown = true;           // the ideal wave (when the waveform has one)
  int Highlighted = -1;             // the highlighted harmonic, or -1
  std::array<double, SweepSteps> IdealWave{};
  std::array<double, SweepSteps> ReconWave{};  // the reconstruction; steps 0..Step are drawn
  QString WaveformName;                        // as the drop-down shows it
  // The spectrum's: the editor's selected harmonic (0..25), marked whether
  // or not it is in use; its bars in the highlight colour; the bars' scale.
  int Selected = 0;
  bool HighlightSelected = false;
  bool Decibels = false;
  // The plots, in order; rows and widths follow from each one's shape.
  std::vector<TFigurePanel> Panels{TFigurePanel::PhasorPlane, TFigurePanel::TimePlot};
};

// One entry of the legend: a curve or chain the figure draws, in its colour.
struct TFigureLegendItem {
  QString Name;
  QColor Colour;
};

// Where a panel's plot area (inside its frame) lies, in figure units.
struct TFigurePanelPlace {
  TFigurePanel Panel = TFigurePanel::PhasorPlane;
  QRectF Plot;
};

struct TFigureLayout {
  QSizeF Size;  // the whole figure
  std::vector<TFigurePanelPlace> Panels;
  std::vector<QRectF> LegendRows;  // one line each
  QRectF Caption;
  int CaptionPixelSize = 0;
  // The spectrum's two frames when it is drawn (empty otherwise): the bars
  // stand on SpectrumBars' bottom edge and reach its top at the scale's top;
  // SpectrumPhase runs from 180 degrees at its top to -180 at its bottom.
  // Both are divided into equal columns, one per harmonic pictured.
  QRectF SpectrumBars;
  QRectF SpectrumPhase;  // its font's, smaller than usual only for a caption too long
};

// Draws a labelled figure of the state through QPainter onto any paint device
// (SVG, PDF, printer, image): every panel with its frame, ticks, axis numbers
// and axis names, a legend of the curves shown and a caption line naming the
// waveform, the harmonics, the step and the convention. Everything is drawn
// as vector paths and text; nothing is taken from the screen's pixels.
//
// The figure is laid out at a fixed width of Width figure units (an SVG's
// pixels); its height follows from its panels. Render scales it to fit any
// rectangle. Texts are in the current language. Any thread with a
// QGuiApplication (fonts).
class TFigureRenderer {
  Q_DECLARE_TR_FUNCTIONS(TFigureRenderer)

public:
  static constexpr double Width = 1000.0;
  // The caption's font size in figure units, unless it is too long for it.
  static constexpr int CaptionSize = 15;

  explicit TFigureRenderer(const TFigureState &state);

  const TFigureLayout &Layout() const { return Placed; }
  // What the spectrum pictures and the scale of its bars, from the state.
  TSpectrumContent SpectrumContent() const;
  TSpectrumScale SpectrumScale() const;
  // "Square, harmonics 0-7, step 100, one-sided".
  QString Caption() const;
  std::vector<TFigureLegendItem> Legend() const;

  // The figure scaled to fit target (aspect kept), centred in it.
  void Render(QPainter &painter, const QRectF &target) const;
  // A printed page: the figure across the top and below it the table of the
  // harmonics in use (harmonic, magnitude, angle), in page, a rectangle of
  // any size (the printer's paintable area).
  void RenderPage(QPainter &painter, const QRectF &page) const;

  // The figure as an SVG document at its own size, in figure units.
  QByteArray Svg() const;
  // The figure as a PDF document of one A4 landscape page.
  QByteArray Pdf() const;
  // The figure on white at size pixels, fitted and centred.
  QImage Picture(const QSize &size) const;

  // The plot's shape of a panel: width over height, and the row it sits in
  // (panels of one row side by side at one height, rows one under another).
  struct TShape {
    double Aspect = 1.0;
    int Row = 0;
  };
  static TShape Shape(TFigurePanel panel);

private:
  TFigureState State;
  TFigureLayout Placed;

  void LayOut();
  void Draw(QPainter &painter) const;
  void DrawPhasorPlane(QPainter &painter, const QRectF &plot) const;
  void DrawTimePlot(QPainter &painter, const QRectF &plot) const;
  void DrawSpectrum(QPainter &painter) const;
  void DrawLegend(QPainter &painter) const;
  void DrawTable(QPainter &painter, const QRectF &area) const;
};
