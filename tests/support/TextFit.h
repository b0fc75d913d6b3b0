#pragma once

#include <QList>
#include <QRect>
#include <QString>

class TRotantsForm;

// One text the user reads in the main window and the room its control gives
// it, both in pixels of the window font.
struct TTextRoom {
  QString What;    // control name, and the text
  int Needed = 0;  // width of the text
  int Room = 0;    // width the control draws text into
};

// Every caption, drop-down item, grid heading and the longest status texts
// the panels show while the mouse is over a plot, as the window lays them out
// now. Texts that change with the state (the editor button's two captions)
// are measured in both.
QList<TTextRoom> WindowTexts(TRotantsForm &form);
