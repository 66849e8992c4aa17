#pragma once

// The grid's in-cell editor controls. Each is owned and parented by its grid,
// made once, hidden between edits and reused. The editing flow opens and closes
// them through ShowEditorControl/HideEditorControl, which run each editor's
// OpenInCell/CloseInCell; the steps they share with the grid are in
// TGridEditorProtocol. Their member functions live in the Grid*.cpp files beside
// this header (GridCombo.cpp, GridSpin.cpp, ...).

#include "grid/cells/editors/EditLink.h"
#include "grid/cells/editors/controls/EsgComboBox.h"
#include "grid/cells/editors/controls/EsgDateTimePicker.h"
#include "grid/cells/editors/controls/EsgEditBtn.h"
#include "grid/cells/editors/controls/EsgSpinEdit.h"
#include "grid/cells/editors/GridEditorProtocol.h"
#include "grid/foundation/objects/ExObj.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/InputTypes.h"

#include <functional>

#include <QtCore/QObject>

class TExStringGrid;

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

// The combo editor of edComboList and edComboEdit cells (the grid's hidden
// EditCombo): the column's items and drop-down count are given to it when a
// cell's editor is prepared. It keeps the keys that work inside it and hands
// Enter, Esc, Tab and the keys that leave the cell back to its grid: Enter
// commits with validation, Esc puts the cell's text back, Left and Right leave
// a list combo, and Tab commits with validation before the grid's Tab walk.
// Each user change raises one OnComboChange/OnComboObjectChange with the real
// column, the wheel one per step. Typing is limited to the column's length, yet
// a longer stored text opens whole.
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

// The spin editor of the four spin kinds. Up, Down and the page keys spin
// the value; Home and End set the range's ends; Tab, Enter and Esc end the
// edit. The spin buttons raise the grid's spin event of the spin type.
class TGridSpin : public TEsgSpinEdit {
public:
    explicit TGridSpin(TExStringGrid* AGrid);
    TExStringGrid* Grid() const { return grid_; }

    // Puts the cell's value in for the grid's EditControl kind and shows the
    // editor over Box; writes the value back and hides it.
    void OpenInCell(int ACol, int ARow, const TRect& Box);
    void CloseInCell(int ACol, int ARow);

    void UpClick(TObject* Sender) override;
    void DownClick(TObject* Sender) override;

protected:
    bool WantsKey(Word Key, TShiftState Shift) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    void rangeEnd(Word Key);
    void fireSpinClick(bool Up);

    TExStringGrid* grid_;
    TGridEditorProtocol protocol_;
};

// The edit-with-button editor of edEditBtn, edNumericEditBtn, edFloatEditBtn
// and edMaskEditBtn: its button passes the text through OnEllipsClick.
class TGridEditBtn : public TEsgEditBtn {
public:
    explicit TGridEditBtn(TExStringGrid* AGrid);
    TExStringGrid* Grid() const { return grid_; }
    bool StopEditAfterClick = false;

    void OpenInCell(int ACol, int ARow, const TRect& Box);
    void CloseInCell(int ACol, int ARow);

protected:
    bool WantsKey(Word Key, TShiftState Shift) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void ClipboardPaste() override;
    void DoExit() override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void buttonClicked();
    void lookupCompletion();

    TExStringGrid* grid_;
    TGridEditorProtocol protocol_;
    bool workMode_ = true;
    int caretAtKeyDown_ = 0;
};

// The unit edit of edUnitEditBtn, edNumericUnitEditBtn and edFloatUnitEditBtn;
// it writes its value followed by its unit.
class TGridUnitEditBtn : public TEsgUnitEditBtn {
public:
    explicit TGridUnitEditBtn(TExStringGrid* AGrid);
    TExStringGrid* Grid() const { return grid_; }

    void OpenInCell(int ACol, int ARow, const TRect& Box);
    void CloseInCell(int ACol, int ARow);

protected:
    bool WantsKey(Word Key, TShiftState Shift) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    bool commit();

    TExStringGrid* grid_;
    TGridEditorProtocol protocol_;
};

// The check box of edCheckBox: captioned with the cell's text, it toggles
// once per Space or left press and writes nothing back.
class TGridCheckBox : public TCheckBox {
public:
    explicit TGridCheckBox(TExStringGrid* AGrid);
    void OpenInCell(int ACol, int ARow, const TRect& Box);
    void CloseInCell();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    TExStringGrid* grid_;
};

// The push button of edButton: captioned with the cell's text, its click
// passes the caption through OnEllipsClick into the cell; the arrows leave it.
class TGridButton : public TButton {
public:
    explicit TGridButton(TExStringGrid* AGrid);
    void OpenInCell(int ACol, int ARow, const TRect& Box);
    void CloseInCell();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void ellipsClick();
    void leave(Word Key);

    TExStringGrid* grid_;
};

// The date and time editor of edDateEdit, edDateEditUpDown and edTimeEdit.
// A changed field moves on to the next one once a digit was typed, except
// the last field of a custom date format.
class TGridDatePicker : public TEsgDateTimePicker {
public:
    explicit TGridDatePicker(TExStringGrid* AGrid);
    void OpenInCell(int ACol, int ARow, const TRect& Box);
    void CloseInCell(int ACol, int ARow);
    // The text the cell receives: the shown text, empty when unchecked.
    QString CellText() const;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void gridKey(Word Key, TShiftState Shift);
    void resetFromCell();
    void shiftFocus();
    void moveToNextField();

    TExStringGrid* grid_;
    TGridEditorProtocol protocol_;
    // The date and time parts before the last digit key.
    int fy_ = 0, fm_ = 0, fd_ = 0, fth_ = 0, ftm_ = 0, fts_ = 0;
    int fieldAtDigit_ = 0;
};

// What the grid asks of a drop-down editor that another part of the program
// registers for a kind: the control is a child of the grid, hidden between
// edits. The grid keeps the protocol of the other editors around it.
class IGridDropDownEditor {
public:
    virtual ~IGridDropDownEditor() = default;
    virtual QWidget* Control() = 0;
    // Puts the cell's edit text in, the kind's own way, and shows the editor
    // over Box with the focus.
    virtual void ShowInCell(TEditorType Kind, const TRect& Box, const QString& EditText) = 0;
    // The value the closing editor leaves in the cell.
    virtual QString CellValue(TEditorType Kind) = 0;
    virtual void HideFromCell() = 0;
};

// Makes the drop-down editor of a kind for a grid: a widget that is also an
// IGridDropDownEditor, parented to the grid.
using TGridDropDownEditorFactory = std::function<QWidget*(TExStringGrid& Grid)>;
// Registers the editor of a drop-down kind (edDateTimeEdit and
// edTrackbarDropDown to edExGridDropDown); an empty factory removes it. A
// kind without an editor is edited as plain text.
void RegisterGridDropDownEditor(TEditorType Kind, TGridDropDownEditorFactory Factory);
bool IsGridDropDownKind(TEditorType Kind);
bool GridDropDownEditorRegistered(TEditorType Kind);
// The opening and closing steps of the editing flow for a drop-down kind.
struct TGridEditorOpening {
    static void ShowDropDown(TExStringGrid& Grid, TEditorType Kind, int ACol, int ARow, const TRect& Box);
    static void HideDropDown(TExStringGrid& Grid, TEditorType Kind, int ACol, int ARow);
};
