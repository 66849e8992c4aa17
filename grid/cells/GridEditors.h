#pragma once

// The grid's in-cell editor controls. Each is owned and parented by its grid,
// made once, hidden between edits and reused.

#include "grid/cells/EditLink.h"
#include "grid/cells/EsgComboBox.h"
#include "grid/cells/GridEditorProtocol.h"
#include "platform/ui/InputTypes.h"

#include <QtCore/QObject>

class TExStringGrid;

// The combo editor of edComboList and edComboEdit cells: the column's items
// and drop-down count are given to it when a cell's editor is prepared. It
// keeps the keys that work inside it and hands Enter, Esc, Tab and the keys
// that leave the cell back to its grid.
// The button colours of an in-place editor under a tone set: normal, hot and
// pressed, the button border, and the flat frame in the grid's colour.
struct TEditButtonTones {
    TColor Color = clNone;
    TColor ColorHot = clNone;
    TColor ColorDown = clNone;
    TColor BorderColor = clNone;
    bool Flat = false;
    TColor FlatLineColor = clNone;
};

class TGridCombo : public TEsgComboBox {
public:
    explicit TGridCombo(TExStringGrid* AGrid);
    TExStringGrid* Grid() const { return grid_; }

    // The height of one list item and the height the editor takes with its
    // list dropped: item height × (DropDownCount + 1) + the edit box height.
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int Value);
    int DropHeight() const { return dropHeight_; }
    void SetBoxHeight(int BoxHeight);
    // The most characters typing or pasting may give; 0 means no limit. A
    // longer text the editor holds when the limit is set stays whole.
    void SetTypedLimit(int Limit);
    // Widens the dropped list to its longest item, measured in the grid's font.
    void SizeDropDownWidth();
    // Completes the text before the caret from the items, else from the
    // grid's LookupItems, while the grid's Lookup is on.
    void DoChange();

    const TEditButtonTones& ButtonTones() const { return buttonTones_; }
    void SetButtonTones(const TEditButtonTones& Value);

    TNotifyEvent OnReturnKey;

protected:
    void DroppedDown() override;
    void ClosedUp() override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void StyleChanged() override;

private:
    bool listOnly() const { return Style() == csDropDownList; }
    bool isGridKey(Word Key, TShiftState Shift) const;
    bool commitWithValidation();
    void handleGridKey(Word Key, TShiftState Shift);
    void leaveByArrow(Word Key, TShiftState Shift);
    void reportItemChange(const QString& Text);
    void reportSelectedItem();
    void typedEdit();
    void closedUp(bool DirectClose);

    TExStringGrid* grid_;
    TGridEditorProtocol protocol_;
    int itemHeight_ = 16;
    int dropHeight_ = 0;
    bool inKey_ = false;
    TEditButtonTones buttonTones_;
    bool workMode_ = true;
    bool reportedSinceDrop_ = false;
};
