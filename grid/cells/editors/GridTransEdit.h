#pragma once

// The editors of fixed cells: a plain edit and a combo shown over a header
// cell. Enter does nothing in them; leaving them ends the edit, which the
// grid's OnCellValidate may refuse (the editor then keeps the focus).

#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"

class TExStringGrid;

template <typename Base>
class TGridTransEditor : public Base {
public:
    explicit TGridTransEditor(TExStringGrid* AOwner);

    // The fixed cell being edited: real column and row.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCell(int ACol, int ARow);
    // False when the value is refused; the editor then stays open.
    bool StopEdit();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int row_ = -1;
    int col_ = -1;
    TExStringGrid* grid_;
};

class TGridTransEdit : public TGridTransEditor<TEdit> {
public:
    explicit TGridTransEdit(TExStringGrid* AOwner);
};

class TGridTransCombo : public TGridTransEditor<TComboBox> {
public:
    using TGridTransEditor<TComboBox>::TGridTransEditor;
};
