#pragma once
#include <QTableWidget>

// The harmonics grid. Its model keeps the column headings in row 0, hidden
// on screen (the table's own header shows them), so that row r + 1 belongs
// to harmonic r as the window's contract has it.
//
// Assistive technology is given the table without that row: a screen reader
// counts one row per harmonic, names each by its row header (the hidden
// vertical header's labels) and each column by the horizontal header. Focus
// and selection events the item view sends keep their meaning, as the
// children are numbered the way the view numbers them.
class TPhasorTable : public QTableWidget {
  Q_OBJECT
public:
  // Model rows above the first one a reader sees.
  static constexpr int HeadingRows = 1;

  TPhasorTable(int rows, int columns, QWidget *parent);

protected:
  // Taking the focus, the table also tells a reader which cell is current,
  // as a move between cells does.
  void focusInEvent(QFocusEvent *event) override;
};
