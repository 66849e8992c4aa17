// Every grid as assistive tools and UI test tools see it: a table whose
// children are its cells, row by row. Fixed cells are the column headers (fixed
// rows) and row headers (fixed columns); the current cell is the focused child
// while the grid has the focus, and the cells of the selection are selected.
// A cell's text comes from the grid's AccessibleCellText, so each grid decides
// what it reveals; a move of the current cell sends a focus event.

#include "platform/grid/CustomGrid.h"
#include "platform/ui/window/Accessibility.h"

#include <QtCore/QHash>
#include <QtGui/QAccessible>
#include <QtWidgets/QAccessibleWidget>

#include <mutex>

namespace {

bool inSelection(const TCustomGrid& grid, int col, int row)
{
    const TGridRect s = grid.Selection();
    return col >= s.Left && col <= s.Right && row >= s.Top && row <= s.Bottom;
}

bool isFixedCell(const TCustomGrid& grid, int col, int row)
{
    return col < grid.FixedCols() || row < grid.FixedRows();
}

class GridAccessible;

class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    // The grid's own interface owns its cells' and outlives them; a cell asks it
    // whether the grid is still there, since the grid's state goes before the
    // grid's widget base reports it gone.
    GridCellAccessible(GridAccessible* table, int col, int row) : table_(table), col_(col), row_(row) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return isValid() && t == QAccessible::Name ? grid()->AccessibleCellText(col_, row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect local = ToQRect(grid()->CellRect(col_, row_));
        return QRect(grid()->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override
    {
        if (!isValid())
            return QAccessible::Cell;
        if (row_ < grid()->FixedRows())
            return QAccessible::ColumnHeader;
        if (col_ < grid()->FixedCols())
            return QAccessible::RowHeader;
        return QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool fixed = isFixedCell(*grid(), col_, row_);
        s.selectable = !fixed;
        s.focusable = !fixed;
        s.selected = !fixed && inSelection(*grid(), col_, row_);
        s.focused = grid()->hasFocus() && grid()->Col() == col_ && grid()->Row() == row_;
        s.invisible = !grid()->isVisible() || grid()->CellRect(col_, row_).Right <= 0;
        return s;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    TCustomGrid* grid() const;
    GridAccessible* table_;
    int col_;
    int row_;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(TCustomGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override
    {
        for (QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Every question is answered from the grid's state, which is gone while the
    // grid's widget base tears down: an invalid grid has no cells.
    int childCount() const override { return isValid() ? grid()->RowCount() * grid()->ColCount() : 0; }
    QAccessibleInterface* child(int index) const override
    {
        const int cols = isValid() ? grid()->ColCount() : 0;
        if (index < 0 || cols == 0 || index >= childCount())
            return nullptr;
        return cellAt(index / cols, index % cols);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!isValid() || !child || child->parent() != this)
            return -1;
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell ? cell->rowIndex() * grid()->ColCount() + cell->columnIndex() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (!isValid())
            return nullptr;
        const QPoint p = grid()->viewport()->mapFromGlobal(QPoint(x, y));
        const TGridCoord c = grid()->MouseCoord(p.x(), p.y());
        return c.X >= 0 && c.Y >= 0 ? cellAt(c.Y, c.X) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return isValid() && grid()->hasFocus() ? cellAt(grid()->Row(), grid()->Col()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (!isValid() || row < 0 || column < 0 || row >= grid()->RowCount() || column >= grid()->ColCount())
            return nullptr;
        const quint64 key = (quint64(quint32(row)) << 32) | quint32(column);
        if (const auto it = cells_.constFind(key); it != cells_.cend())
            return QAccessible::accessibleInterface(*it);
        auto* cell = new GridCellAccessible(const_cast<GridAccessible*>(this), column, row);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int columnCount() const override { return isValid() ? grid()->ColCount() : 0; }
    int rowCount() const override { return isValid() ? grid()->RowCount() : 0; }
    QString columnDescription(int) const override { return QString(); }
    QString rowDescription(int) const override { return QString(); }
    int selectedCellCount() const override { return selectedCells().size(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> list;
        if (!isValid())
            return list;
        const TGridRect s = grid()->Selection();
        for (int r = s.Top; r <= s.Bottom; ++r)
            for (int c = s.Left; c <= s.Right; ++c)
                if (!isFixedCell(*grid(), c, r))
                    if (QAccessibleInterface* cell = cellAt(r, c))
                        list.append(cell);
        return list;
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    TCustomGrid* grid() const { return static_cast<TCustomGrid*>(widget()); }
    mutable QHash<quint64, QAccessible::Id> cells_;
};

bool GridCellAccessible::isValid() const
{
    return table_->isValid() && col_ < grid()->ColCount() && row_ < grid()->RowCount();
}

QAccessibleInterface* GridCellAccessible::parent() const
{
    return table_;
}

TCustomGrid* GridCellAccessible::grid() const
{
    return static_cast<TCustomGrid*>(table_->object());
}

QAccessibleInterface* makeGridAccessible(QObject* object)
{
    if (auto* grid = qobject_cast<TCustomGrid*>(object))
        return new GridAccessible(grid);
    return nullptr;
}

}  // namespace

namespace platform::grid {

void InstallGridAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { platform::RegisterAccessibleMaker(makeGridAccessible); });
}

void NotifyAccessibleCurrentCell(TCustomGrid* grid)
{
    if (!QAccessible::isActive() || grid->ColCount() == 0)
        return;
    QAccessibleEvent event(grid, QAccessible::Focus);
    event.setChild(grid->Row() * grid->ColCount() + grid->Col());
    QAccessible::updateAccessibility(&event);
}

}  // namespace platform::grid
