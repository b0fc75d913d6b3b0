#pragma once

#include <QString>

class QWidget;

// Layout helpers and measures shared by the window and its parts. Positions
// and sizes are the layout's own pixels at a zoom of 100 %; the window scaler
// scales them.
namespace WindowLayout {

// The client area, in which every control lies, without the spectrum strip.
inline constexpr int ClientWidth = 782;
inline constexpr int ClientHeight = 384;

// The status bar at the client area's foot (the strip, while it shows, lies
// between the controls and the status bar).
inline constexpr int StatusBarTop = 365;
inline constexpr int StatusBarHeight = 19;

// Space between a panel's frame (a status panel, the editor's notice) and its
// text, in pixels.
inline constexpr int PanelIndent = 2;

// Gives widget its objectName and its geometry in its parent.
template <typename T>
T *Place(T *widget, const char *name, int left, int top, int width, int height)
{
  widget->setObjectName(name);
  widget->setGeometry(left, top, width, height);
  return widget;
}

}  // namespace WindowLayout
