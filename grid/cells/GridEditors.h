#pragma once

// The grid's in-cell editor controls. Each is owned and parented by its grid,
// made once, hidden between edits and reused.

#include "platform/ui/ComboBox.h"

#include <QtCore/QObject>

class TExStringGrid;

// The combo editor of edComboList and edComboEdit cells: the column's items
// and drop-down count are given to it when a cell's editor is prepared.
class TGridCombo : public TComboBox {
public:
    explicit TGridCombo(TExStringGrid* AGrid);
    TExStringGrid* Grid() const { return grid_; }

private:
    TExStringGrid* grid_;
};

// An external editor a column may name instead of the grid's own.
class TEditLink : public QObject {
    Q_OBJECT

public:
    explicit TEditLink(QObject* AOwner = nullptr) : QObject(AOwner) {}
};
