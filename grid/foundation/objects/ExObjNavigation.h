#pragma once

#include "grid/foundation/objects/ExObj.h"
#include "platform/core/TObject.h"

#include <functional>
#include <memory>

// Keyboard, editing-advance and clipboard options of a grid. Only the
// advance direction and advance-insert writers tell the owner (on a change);
// AdvanceAuto set True also turns on AdvanceOnEnter. The others are read by
// the grid when it needs them.
class TNavigation : public TObject {
public:
    TNavigation();
    ~TNavigation() override;
    TNavigation(const TNavigation&) = delete;
    TNavigation& operator=(const TNavigation&) = delete;

    bool AllowInsertRow() const;
    void SetAllowInsertRow(bool Value);
    bool AllowDeleteRow() const;
    void SetAllowDeleteRow(bool Value);
    bool AlwaysEdit() const;
    void SetAlwaysEdit(bool Value);
    bool AdvanceOnEnter() const;
    void SetAdvanceOnEnter(bool Value);
    bool AdvanceOnEnterLoop() const;
    void SetAdvanceOnEnterLoop(bool Value);
    bool AdvanceInsert() const;
    void SetAdvanceInsert(bool Value);
    bool AdvanceAutoEdit() const;
    void SetAdvanceAutoEdit(bool Value);
    bool AdvanceSkipReadOnlyCells() const;
    void SetAdvanceSkipReadOnlyCells(bool Value);
    bool AutoGotoWhenSorted() const;
    void SetAutoGotoWhenSorted(bool Value);
    bool AutoGotoIncremental() const;
    void SetAutoGotoIncremental(bool Value);
    bool AutoComboDropSize() const;
    void SetAutoComboDropSize(bool Value);
    TAdvanceDirection AdvanceDirection() const;
    void SetAdvanceDirection(TAdvanceDirection Value);
    bool AllowClipboardShortCuts() const;
    void SetAllowClipboardShortCuts(bool Value);
    bool AllowCtrlEnter() const;
    void SetAllowCtrlEnter(bool Value);
    bool AllowSmartClipboard() const;
    void SetAllowSmartClipboard(bool Value);
    bool AllowRTFClipboard() const;
    void SetAllowRTFClipboard(bool Value);
    bool AllowFmtClipboard() const;
    void SetAllowFmtClipboard(bool Value);
    bool AllowClipboardAlways() const;
    void SetAllowClipboardAlways(bool Value);
    bool AllowClipboardRowGrow() const;
    void SetAllowClipboardRowGrow(bool Value);
    bool AllowClipboardColGrow() const;
    void SetAllowClipboardColGrow(bool Value);
    bool AdvanceAuto() const;
    void SetAdvanceAuto(bool Value);
    bool AppendOnArrowDown() const;
    void SetAppendOnArrowDown(bool Value);
    bool EditSelectAll() const;
    void SetEditSelectAll(bool Value);
    TInsertPosition InsertPosition() const;
    void SetInsertPosition(TInsertPosition Value);
    TClipboardPasteAction ClipboardPasteAction() const;
    void SetClipboardPasteAction(TClipboardPasteAction Value);
    bool ComboGetUpDown() const;
    void SetComboGetUpDown(bool Value);
    TCursorAdvance CursorAdvance() const;
    void SetCursorAdvance(TCursorAdvance Value);
    bool CursorWalkEditor() const;
    void SetCursorWalkEditor(bool Value);
    bool CursorWalkAlwaysEdit() const;
    void SetCursorWalkAlwaysEdit(bool Value);
    bool CursorMoveRows() const;
    void SetCursorMoveRows(bool Value);
    bool MoveRowOnSort() const;
    void SetMoveRowOnSort(bool Value);
    bool KeepScrollOnSort() const;
    void SetKeepScrollOnSort(bool Value);
    bool MoveScrollOnly() const;
    void SetMoveScrollOnly(bool Value);
    bool ImproveMaskSel() const;
    void SetImproveMaskSel(bool Value);
    bool LeftRightRowSelect() const;
    void SetLeftRightRowSelect(bool Value);
    bool CopyHTMLTagsToClipboard() const;
    void SetCopyHTMLTagsToClipboard(bool Value);
    bool KeepHorizScroll() const;
    void SetKeepHorizScroll(bool Value);
    bool LineFeedOnEnter() const;
    void SetLineFeedOnEnter(bool Value);
    THomeEndAction HomeEndKey() const;
    void SetHomeEndKey(THomeEndAction Value);
    bool SkipFixedCells() const;
    void SetSkipFixedCells(bool Value);
    bool SkipDisabledRows() const;
    void SetSkipDisabledRows(bool Value);
    bool TabToNextAtEnd() const;
    void SetTabToNextAtEnd(bool Value);
    TAdvanceDirection TabAdvanceDirection() const;
    void SetTabAdvanceDirection(TAdvanceDirection Value);

    // Copies every option except KeepScrollOnSort from another TNavigation;
    // any other source is ignored. Raises no event.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;

private:
    void changed();
    struct Data;
    std::unique_ptr<Data> d;
};
