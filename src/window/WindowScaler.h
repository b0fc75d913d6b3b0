#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QHeaderView;
class QLabel;
class QStyle;
class QWidget;
class TImageCanvas;

// Zooms a window: every widget in it is scaled uniformly from the geometry,
// sizes and fonts it had when the scaler was made (positions, sizes, fixed
// sizes, fonts, label indents, table rows and columns), and every widget gets
// a style whose metrics (indicators, frames, icons, scroll bars, slider
// handles) are scaled likewise. Image canvases are told the factor, so they
// draw their pictures at it and report the mouse in their own pixels. Windows
// inside (menus, the about box) are scaled too; a window in full screen keeps
// its size. User-interface thread only.
class TWindowScaler : public QObject {
public:
  // Records window and every widget inside it as they are now, and gives them
  // the window's style at factor 1.
  explicit TWindowScaler(QWidget *window);
  ~TWindowScaler() override;

  // Records a new geometry at factor 1 for a recorded widget; a widget of a
  // fixed size takes the new size as its fixed size. Applies from the next
  // Apply on.
  void SetBaseGeometry(QWidget *widget, const QRect &geometry);

  // Scales everything recorded to factor (> 0) of its recorded size.
  void Apply(double factor);
  double Factor() const { return CurrentFactor; }

  // A length of the layout at a factor: the edges of a run of lengths are
  // rounded, so adjacent controls stay adjacent.
  static int ScaledEdge(int edge, double factor);
  static QRect ScaledRect(const QRect &rect, double factor);

private:
  struct TRecord {
    QPointer<QWidget> Widget;
    QRect Geometry;
    QSize Minimum;
    QSize Maximum;
    bool OwnFont = false;  // the widget carries a font of its own (Font)
    QFont Font;
    bool Placed = false;  // its geometry is its own, not a layout's
  };
  struct THeaderRecord {
    QPointer<QHeaderView> Header;
    int SectionSize = 0;
  };
  struct TLabelRecord {
    QPointer<QLabel> Label;
    int Indent = -1;
  };

  void Record(QWidget *widget);

  QPointer<QWidget> Window;
  QList<TRecord> Records;
  QList<THeaderRecord> Headers;
  QList<TLabelRecord> Labels;
  QList<QPointer<TImageCanvas>> Canvases;
  QStyle *Style = nullptr;  // owned; every recorded widget uses it
  double CurrentFactor = 1.0;
};
