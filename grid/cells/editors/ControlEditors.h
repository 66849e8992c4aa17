#pragma once

// The editors of the form controls in cell markup: an edit for EDIT, PASSWORD
// and MASK controls and a combo for COMBO controls, shown over the control.
// Both keep Tab; Enter ends the edit and gives the focus to the grid, Tab ends
// it and moves on to the next control of the cell (or the next cell with
// Navigation.AdvanceAuto).

#include "grid/cells/editors/controls/EsgComboBox.h"
#include "platform/ui/controls/MaskEdit.h"

class TExStringGrid;

class TControlEdit : public TMaskEdit {
public:
    explicit TControlEdit(TExStringGrid* AGrid);

protected:
    bool WantsKey(Word Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

private:
    TExStringGrid* grid_;
};

class TControlCombo : public TEsgComboBox {
public:
    explicit TControlCombo(TExStringGrid* AGrid);

    // The height of one list item, and the height the editor takes with its
    // list dropped: item height × (drop-down count + 2).
    int ItemHeight() const { return itemHeight_; }
    int DropHeight() const { return dropHeight_; }
    void SetDropHeight(int Value) { dropHeight_ = Value; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    TExStringGrid* grid_;
    int itemHeight_ = 16;
    int dropHeight_ = 0;
};
