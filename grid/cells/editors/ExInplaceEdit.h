#pragma once

// The grid's inplace edit: the editor of the plain text kinds of in-cell
// editing (edNormal, the number, case, password and valid-character kinds).
//
// It loads itself from the grid and places itself over the cell with text
// margins of 3, 3, 2 and 0 pixels. A key runs through the key-down message,
// key-down, character filter and key-press stages; the filters keep characters
// and pastes to the cell's kind and limit the length. The value is validated on
// Enter, Tab, Up and Down at the text's ends and on focus loss, and the end of
// the edit is reported once. With the grid's Lookup it completes from
// LookupItems; OnEditChange follows the live storing of typed text.

#include "platform/grid/InplaceEdit.h"

class TExStringGrid;

class TExInplaceEdit : public TInplaceEdit {
    Q_OBJECT

public:
    explicit TExInplaceEdit(TExStringGrid* AGrid);

    TExStringGrid* Grid() const { return grid_; }
    // The length the filters let the text grow to; 0 for none. The toolkit's
    // own limit stays off, so a longer stored text opens whole.
    void SetMaxLength(int value) override;
    // Whether the text wraps: the grid's WordWrap, read at each showing.
    bool WordWrap() const;
    // The cell being edited (display column).
    int EditCol() const { return colE_; }
    int EditRow() const { return rowE_; }

protected:
    void UpdateContents() override;
    void BoundsChanged(const TRect& Cell) override;
    void WMKeyDown(Word& Key, TShiftState Shift) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMChar(QChar& Key) override;
    void KeyPress(QChar& Key) override;
    void WMKeyUp(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    bool WantsTab() const override;
    void ClipboardCopy() override;
    void ClipboardCut() override;
    void ClipboardPaste() override;
    void FocusGained(Qt::FocusReason Reason) override;
    void FocusLost(QWidget* NewFocus) override;
    void LeftDoubleClick() override;

private:
    TExStringGrid* grid_;
    int selKeyDown_ = 0;
    int oldSelStart_ = 0;
    int lengthLimit_ = 0;
    bool wordWrap_ = true;
    bool gotKey_ = false;
    bool gotFocus_ = false;
    bool workmode_ = true;
    int colE_ = -1;
    int rowE_ = -1;

    bool validateText(const QString& Text);
    void refuse(const QString& OldCellText, bool Repaint);
    bool validateLeavingText(const QString& Text);
    bool keyDownMessage(Word& Key, TShiftState Shift);
    bool filterCharacter(QChar& Key);
    bool filterFloat(QChar& Key);
    bool acceptsPaste(QString& Text) const;
    void walkOut(Word& Key, bool Forward);
    void doChange();
    void afterTyping();
};
