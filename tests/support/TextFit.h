#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QMenu;
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

// Every item of menu as its style paints it: Needed is where the ink of the
// text ends plus a space of the menu's font, Room where the ink of the
// shortcut begins, or for an item without one, the item's right edge.
QList<TTextRoom> MenuItemTexts(const QMenu *menu);
