#include "PhasorTable.h"
#include "AccessibleFactory.h"
#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QTimer>

namespace {

// The children of the table, numbered as the item view numbers them in the
// focus and selection events it sends: first a row of the corner and the
// column headers, then for every model row its row header and its cells.
// So each line of children is one longer than the model has columns.
enum class TCellKind { Corner, ColumnHeader, RowHeader, Cell };

// The child number of a model cell; row -1 stands for the header row, column
// -1 for the row headers' column.
int ChildNumber(const QTableWidget *table, int modelRow, int column)
{
  return (modelRow + 1) * (table->columnCount() + 1) + column + 1;
}

// One child of the table. Cells read the model as it is now, so a changed
// text needs no new interface. Owned by QAccessible's registry; the table's
// interface deletes the ones it made.
class TCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
  TCellAccessible(TPhasorTable *table, TCellKind kind, int modelRow, int column)
      : Table(table), Kind(kind), ModelRow(modelRow), Column(column)
  {
  }

  int ChildIndex() const { return ChildNumber(Table, ModelRow, Column); }

  bool isValid() const override { return !Table.isNull(); }
  QObject *object() const override { return nullptr; }
  QWindow *window() const override
  {
    return Table ? Table->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface *parent() const override
  {
    return QAccessible::queryAccessibleInterface(Table.data());
  }
  QAccessibleInterface *child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface *) const override { return -1; }
  QAccessibleInterface *childAt(int, int) const override { return nullptr; }
  QAccessibleInterface *focusChild() const override { return nullptr; }
  void setText(QAccessible::Text, const QString &) override {}

  QString text(QAccessible::Text kind) const override
  {
    if (!Table || kind != QAccessible::Name)
      return {};
    QAbstractItemModel *model = Table->model();
    switch (Kind) {
    case TCellKind::Corner: return {};
    case TCellKind::ColumnHeader: return model->headerData(Column, Qt::Horizontal).toString();
    case TCellKind::RowHeader: return model->headerData(ModelRow, Qt::Vertical).toString();
    case TCellKind::Cell: return model->index(ModelRow, Column).data().toString();
    }
    return {};
  }

  QAccessible::Role role() const override
  {
    switch (Kind) {
    case TCellKind::ColumnHeader: return QAccessible::ColumnHeader;
    case TCellKind::RowHeader: return QAccessible::RowHeader;
    case TCellKind::Corner:
    case TCellKind::Cell: break;
    }
    return QAccessible::Cell;
  }

  // On the screen, in global pixels; empty where nothing of it shows.
  QRect rect() const override
  {
    if (!Table)
      return {};
    QHeaderView *columns = Table->horizontalHeader();
    QHeaderView *rows = Table->verticalHeader();
    switch (Kind) {
    case TCellKind::Corner: return {};
    case TCellKind::ColumnHeader:
      if (columns->isHidden())
        return {};
      return QRect(columns->mapToGlobal(QPoint(columns->sectionViewportPosition(Column), 0)),
                   QSize(columns->sectionSize(Column), columns->height()));
    case TCellKind::RowHeader:
      if (rows->isHidden())
        return {};
      return QRect(rows->mapToGlobal(QPoint(0, rows->sectionViewportPosition(ModelRow))),
                   QSize(rows->width(), rows->sectionSize(ModelRow)));
    case TCellKind::Cell: {
      const QRect place = Table->visualRect(Table->model()->index(ModelRow, Column));
      return place.translated(Table->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    }
    return {};
  }

  QAccessible::State state() const override
  {
    QAccessible::State state;
    if (!Table)
      return state;
    const QRect shown(Table->viewport()->mapToGlobal(QPoint(0, 0)), Table->viewport()->size());
    const QRect place = rect();
    if (Kind == TCellKind::ColumnHeader)
      state.invisible = place.isEmpty() || !Table->isVisible();
    else
      state.invisible = place.isEmpty() || !shown.intersects(place) || !Table->isVisible();
    if (Kind != TCellKind::Cell)
      return state;
    const QModelIndex index = Table->model()->index(ModelRow, Column);
    if (index.flags() & Qt::ItemIsSelectable) {
      state.selectable = true;
      state.focusable = true;
    }
    state.selected = Table->selectionModel()->isSelected(index);
    state.focused = Table->hasFocus() && Table->currentIndex() == index;
    return state;
  }

  void *interface_cast(QAccessible::InterfaceType kind) override
  {
    if (kind == QAccessible::TableCellInterface && Kind == TCellKind::Cell)
      return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
  }

  bool isSelected() const override { return state().selected; }
  QList<QAccessibleInterface *> columnHeaderCells() const override;
  QList<QAccessibleInterface *> rowHeaderCells() const override;
  int columnIndex() const override { return Column; }
  // The heading row's hidden cells belong to no row a reader counts.
  int rowIndex() const override { return ModelRow - TPhasorTable::HeadingRows; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface *table() const override { return parent(); }

private:
  QPointer<TPhasorTable> Table;
  TCellKind Kind;
  int ModelRow;
  int Column;
};

class TTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
  explicit TTableAccessible(TPhasorTable *table)
      : QAccessibleWidget(table, QAccessible::Table), Table(table)
  {
  }

  ~TTableAccessible() override { DropChildren(); }

  void *interface_cast(QAccessible::InterfaceType kind) override
  {
    if (kind == QAccessible::TableInterface)
      return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(kind);
  }

  int childCount() const override
  {
    return (Table->rowCount() + 1) * (Table->columnCount() + 1);
  }

  QAccessibleInterface *child(int index) const override
  {
    if (index < 0 || index >= childCount())
      return nullptr;
    if (const auto known = Children.constFind(index); known != Children.constEnd())
      return QAccessible::accessibleInterface(*known);
    const int stride = Table->columnCount() + 1;
    const int row = index / stride - 1;
    const int column = index % stride - 1;
    QAccessibleInterface *cell = nullptr;
    if (row < 0 && column < 0)
      cell = new TCellAccessible(Table, TCellKind::Corner, -1, -1);
    else if (row < 0)
      cell = new TCellAccessible(Table, TCellKind::ColumnHeader, -1, column);
    else if (column < 0)
      cell = new TCellAccessible(Table, TCellKind::RowHeader, row, -1);
    else
      cell = new TCellAccessible(Table, TCellKind::Cell, row, column);
    Children.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
  }

  int indexOfChild(const QAccessibleInterface *child) const override
  {
    const auto *cell = dynamic_cast<const TCellAccessible *>(child);
    return cell && cell->parent() == this ? cell->ChildIndex() : -1;
  }

  QAccessibleInterface *childAt(int x, int y) const override
  {
    const QPoint inside = Table->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = Table->indexAt(inside);
    return index.isValid() ? ModelCell(index.row(), index.column()) : nullptr;
  }

  QAccessibleInterface *focusChild() const override
  {
    const QModelIndex current = Table->currentIndex();
    return current.isValid() ? ModelCell(current.row(), current.column()) : nullptr;
  }

  // QAccessibleTableInterface: rows as a reader counts them.
  QAccessibleInterface *caption() const override { return nullptr; }
  QAccessibleInterface *summary() const override { return nullptr; }
  int rowCount() const override { return Table->rowCount() - TPhasorTable::HeadingRows; }
  int columnCount() const override { return Table->columnCount(); }

  QAccessibleInterface *cellAt(int row, int column) const override
  {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
      return nullptr;
    return ModelCell(row + TPhasorTable::HeadingRows, column);
  }

  QString rowDescription(int row) const override
  {
    return Table->model()->headerData(row + TPhasorTable::HeadingRows, Qt::Vertical).toString();
  }

  QString columnDescription(int column) const override
  {
    return Table->model()->headerData(column, Qt::Horizontal).toString();
  }

  QList<int> selectedRows() const override
  {
    QList<int> rows;
    for (const QModelIndex &index : Table->selectionModel()->selectedRows())
      if (index.row() >= TPhasorTable::HeadingRows)
        rows << index.row() - TPhasorTable::HeadingRows;
    return rows;
  }

  QList<QAccessibleInterface *> selectedCells() const override
  {
    QList<QAccessibleInterface *> cells;
    for (const QModelIndex &index : Table->selectionModel()->selectedIndexes())
      if (index.row() >= TPhasorTable::HeadingRows)
        cells << ModelCell(index.row(), index.column());
    return cells;
  }

  int selectedCellCount() const override { return int(selectedCells().size()); }
  int selectedRowCount() const override { return int(selectedRows().size()); }
  bool isRowSelected(int row) const override { return selectedRows().contains(row); }
  // Whole rows are selected, one at a time: never a column.
  QList<int> selectedColumns() const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  bool isColumnSelected(int) const override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectColumn(int) override { return false; }

  // Choosing a row is the same as clicking it: the row becomes current, and
  // the editor follows. The table always has a row chosen, so a row cannot
  // be left without one.
  bool selectRow(int row) override
  {
    if (row < 0 || row >= rowCount())
      return false;
    Table->setCurrentCell(row + TPhasorTable::HeadingRows, 1);
    return true;
  }
  bool unselectRow(int) override { return false; }

  // The cells read the model live; only a change of shape renumbers them.
  void modelChange(QAccessibleTableModelChangeEvent *event) override
  {
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
      DropChildren();
  }

  QList<QAccessibleInterface *> ColumnHeader(int column) const
  {
    return {ModelCell(-1, column)};
  }

  QList<QAccessibleInterface *> RowHeader(int modelRow) const
  {
    return {ModelCell(modelRow, -1)};
  }

private:
  QAccessibleInterface *ModelCell(int modelRow, int column) const
  {
    return child(ChildNumber(Table, modelRow, column));
  }

  void DropChildren()
  {
    for (QAccessible::Id id : std::as_const(Children))
      QAccessible::deleteAccessibleInterface(id);
    Children.clear();
  }

  TPhasorTable *Table;
  mutable QHash<int, QAccessible::Id> Children;
};

QList<QAccessibleInterface *> TCellAccessible::columnHeaderCells() const
{
  auto *table = dynamic_cast<TTableAccessible *>(parent());
  return table && Column >= 0 ? table->ColumnHeader(Column) : QList<QAccessibleInterface *>{};
}

QList<QAccessibleInterface *> TCellAccessible::rowHeaderCells() const
{
  auto *table = dynamic_cast<TTableAccessible *>(parent());
  return table && ModelRow >= 0 ? table->RowHeader(ModelRow) : QList<QAccessibleInterface *>{};
}

}  // namespace

TPhasorTable::TPhasorTable(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
  InstallAccessibleInterface<TPhasorTable, TTableAccessible>();
}

void TPhasorTable::focusInEvent(QFocusEvent *event)
{
  QTableWidget::focusInEvent(event);
  if (!QAccessible::isActive())
    return;
  // After the focus event Qt sends for the table itself, which would
  // otherwise be the last word.
  QTimer::singleShot(0, this, [this] {
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid())
      return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(ChildNumber(this, current.row(), current.column()));
    QAccessible::updateAccessibility(&focus);
  });
}
