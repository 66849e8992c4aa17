// Every grid as assistive tools and UI test tools see it: a table whose
// children are its cells, row by row. Fixed cells are the column headers (fixed
// rows) and row headers (fixed columns); the current cell is the focused child
// while the grid has the focus, and the cells of the selection are selected.
// A cell's text comes from the grid's AccessibleCellText, so each grid decides
// what it reveals; a move of the current cell sends a focus event.

#include "platform/grid/CustomGrid.h"
#include "platform/ui/window/Accessibility.h"

#include <QtCore/QHash>
#include <QtCore/QPointer>
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

class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(TCustomGrid* grid, int col, int row) : grid_(grid), col_(col), row_(row) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }
    bool isValid() const override
    {
        return !grid_.isNull() && col_ < grid_->ColCount() && row_ < grid_->RowCount();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return isValid() && t == QAccessible::Name ? grid_->AccessibleCellText(col_, row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect local = ToQRect(grid_->CellRect(col_, row_));
        return QRect(grid_->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override
    {
        if (!isValid())
            return QAccessible::Cell;
        if (row_ < grid_->FixedRows())
            return QAccessible::ColumnHeader;
        if (col_ < grid_->FixedCols())
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
        const bool fixed = isFixedCell(*grid_, col_, row_);
        s.selectable = !fixed;
        s.focusable = !fixed;
        s.selected = !fixed && inSelection(*grid_, col_, row_);
        s.focused = grid_->hasFocus() && grid_->Col() == col_ && grid_->Row() == row_;
        s.invisible = !grid_->isVisible() || grid_->CellRect(col_, row_).Right <= 0;
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
    QPointer<TCustomGrid> grid_;
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

    int childCount() const override { return grid()->RowCount() * grid()->ColCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int cols = grid()->ColCount();
        if (index < 0 || cols == 0 || index >= childCount())
            return nullptr;
        return cellAt(index / cols, index % cols);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || child->parent() != this)
            return -1;
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell ? cell->rowIndex() * grid()->ColCount() + cell->columnIndex() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint p = grid()->viewport()->mapFromGlobal(QPoint(x, y));
        const TGridCoord c = grid()->MouseCoord(p.x(), p.y());
        return c.X >= 0 && c.Y >= 0 ? cellAt(c.Y, c.X) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return grid()->hasFocus() ? cellAt(grid()->Row(), grid()->Col()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= grid()->RowCount() || column >= grid()->ColCount())
            return nullptr;
        const quint64 key = (quint64(quint32(row)) << 32) | quint32(column);
        if (const auto it = cells_.constFind(key); it != cells_.cend())
            return QAccessible::accessibleInterface(*it);
        auto* cell = new GridCellAccessible(grid(), column, row);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int columnCount() const override { return grid()->ColCount(); }
    int rowCount() const override { return grid()->RowCount(); }
    QString columnDescription(int) const override { return QString(); }
    QString rowDescription(int) const override { return QString(); }
    int selectedCellCount() const override { return selectedCells().size(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> list;
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
