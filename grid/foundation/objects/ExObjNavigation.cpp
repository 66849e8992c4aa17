#include "grid/foundation/objects/ExObjNavigation.h"

struct TNavigation::Data {
    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AlwaysEdit = false;
    bool AdvanceOnEnter = false;
    bool AdvanceOnEnterLoop = true;
    bool AdvanceInsert = false;
    bool AdvanceAutoEdit = true;
    bool AdvanceSkipReadOnlyCells = true;
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    TAdvanceDirection AdvanceDirection = adLeftRight;
    bool AllowClipboardShortCuts = false;
    bool AllowCtrlEnter = true;
    bool AllowSmartClipboard = false;
    bool AllowRTFClipboard = false;
    bool AllowFmtClipboard = false;
    bool AllowClipboardAlways = false;
    bool AllowClipboardRowGrow = true;
    bool AllowClipboardColGrow = true;
    bool AdvanceAuto = false;
    bool AppendOnArrowDown = false;
    bool EditSelectAll = true;
    TInsertPosition InsertPosition = pInsertBefore;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    bool ComboGetUpDown = true;
    TCursorAdvance CursorAdvance = caDefault;
    bool CursorWalkEditor = false;
    bool CursorWalkAlwaysEdit = true;
    bool CursorMoveRows = false;
    bool MoveRowOnSort = false;
    bool KeepScrollOnSort = false;
    bool MoveScrollOnly = false;
    bool ImproveMaskSel = false;
    bool LeftRightRowSelect = true;
    bool CopyHTMLTagsToClipboard = true;
    bool KeepHorizScroll = false;
    bool LineFeedOnEnter = false;
    THomeEndAction HomeEndKey = heFirstLastColumn;
    bool SkipFixedCells = true;
    bool SkipDisabledRows = true;
    bool TabToNextAtEnd = false;
    TAdvanceDirection TabAdvanceDirection = adLeftRight;
};

TNavigation::TNavigation() : d(std::make_unique<Data>()) {}

TNavigation::~TNavigation() = default;

void TNavigation::changed()
{
    if (OnChange)
        OnChange(this);
}

void TNavigation::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TNavigation*>(Source);
    if (!source || source == this)
        return;
    const bool keepScrollOnSort = d->KeepScrollOnSort;
    *d = *source->d;
    d->KeepScrollOnSort = keepScrollOnSort;
}

// Turning automatic advance on also turns advance on Enter on; turning it off
// leaves that alone.
void TNavigation::SetAdvanceAuto(bool Value)
{
    if (d->AdvanceAuto == Value)
        return;
    d->AdvanceAuto = Value;
    if (Value)
        d->AdvanceOnEnter = true;
}

bool TNavigation::AllowInsertRow() const
{
    return d->AllowInsertRow;
}

void TNavigation::SetAllowInsertRow(bool Value)
{
    d->AllowInsertRow = Value;
}

bool TNavigation::AllowDeleteRow() const
{
    return d->AllowDeleteRow;
}

void TNavigation::SetAllowDeleteRow(bool Value)
{
    d->AllowDeleteRow = Value;
}

bool TNavigation::AlwaysEdit() const
{
    return d->AlwaysEdit;
}

void TNavigation::SetAlwaysEdit(bool Value)
{
    d->AlwaysEdit = Value;
}

bool TNavigation::AdvanceOnEnter() const
{
    return d->AdvanceOnEnter;
}

void TNavigation::SetAdvanceOnEnter(bool Value)
{
    d->AdvanceOnEnter = Value;
}

bool TNavigation::AdvanceOnEnterLoop() const
{
    return d->AdvanceOnEnterLoop;
}

void TNavigation::SetAdvanceOnEnterLoop(bool Value)
{
    d->AdvanceOnEnterLoop = Value;
}

bool TNavigation::AdvanceInsert() const
{
    return d->AdvanceInsert;
}

void TNavigation::SetAdvanceInsert(bool Value)
{
    if (d->AdvanceInsert == Value)
        return;
    d->AdvanceInsert = Value;
    changed();
}

bool TNavigation::AdvanceAutoEdit() const
{
    return d->AdvanceAutoEdit;
}

void TNavigation::SetAdvanceAutoEdit(bool Value)
{
    d->AdvanceAutoEdit = Value;
}

bool TNavigation::AdvanceSkipReadOnlyCells() const
{
    return d->AdvanceSkipReadOnlyCells;
}

void TNavigation::SetAdvanceSkipReadOnlyCells(bool Value)
{
    d->AdvanceSkipReadOnlyCells = Value;
}

bool TNavigation::AutoGotoWhenSorted() const
{
    return d->AutoGotoWhenSorted;
}

void TNavigation::SetAutoGotoWhenSorted(bool Value)
{
    d->AutoGotoWhenSorted = Value;
}

bool TNavigation::AutoGotoIncremental() const
{
    return d->AutoGotoIncremental;
}

void TNavigation::SetAutoGotoIncremental(bool Value)
{
    d->AutoGotoIncremental = Value;
}

bool TNavigation::AutoComboDropSize() const
{
    return d->AutoComboDropSize;
}

void TNavigation::SetAutoComboDropSize(bool Value)
{
    d->AutoComboDropSize = Value;
}

TAdvanceDirection TNavigation::AdvanceDirection() const
{
    return d->AdvanceDirection;
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value)
{
    if (d->AdvanceDirection == Value)
        return;
    d->AdvanceDirection = Value;
    changed();
}

bool TNavigation::AllowClipboardShortCuts() const
{
    return d->AllowClipboardShortCuts;
}

void TNavigation::SetAllowClipboardShortCuts(bool Value)
{
    d->AllowClipboardShortCuts = Value;
}

bool TNavigation::AllowCtrlEnter() const
{
    return d->AllowCtrlEnter;
}

void TNavigation::SetAllowCtrlEnter(bool Value)
{
    d->AllowCtrlEnter = Value;
}

bool TNavigation::AllowSmartClipboard() const
{
    return d->AllowSmartClipboard;
}

void TNavigation::SetAllowSmartClipboard(bool Value)
{
    d->AllowSmartClipboard = Value;
}

bool TNavigation::AllowRTFClipboard() const
{
    return d->AllowRTFClipboard;
}

void TNavigation::SetAllowRTFClipboard(bool Value)
{
    d->AllowRTFClipboard = Value;
}

bool TNavigation::AllowFmtClipboard() const
{
    return d->AllowFmtClipboard;
}

void TNavigation::SetAllowFmtClipboard(bool Value)
{
    d->AllowFmtClipboard = Value;
}

bool TNavigation::AllowClipboardAlways() const
{
    return d->AllowClipboardAlways;
}

void TNavigation::SetAllowClipboardAlways(bool Value)
{
    d->AllowClipboardAlways = Value;
}

bool TNavigation::AllowClipboardRowGrow() const
{
    return d->AllowClipboardRowGrow;
}

void TNavigation::SetAllowClipboardRowGrow(bool Value)
{
    d->AllowClipboardRowGrow = Value;
}

bool TNavigation::AllowClipboardColGrow() const
{
    return d->AllowClipboardColGrow;
}

void TNavigation::SetAllowClipboardColGrow(bool Value)
{
    d->AllowClipboardColGrow = Value;
}

bool TNavigation::AdvanceAuto() const
{
    return d->AdvanceAuto;
}

bool TNavigation::AppendOnArrowDown() const
{
    return d->AppendOnArrowDown;
}

void TNavigation::SetAppendOnArrowDown(bool Value)
{
    d->AppendOnArrowDown = Value;
}

bool TNavigation::EditSelectAll() const
{
    return d->EditSelectAll;
}

void TNavigation::SetEditSelectAll(bool Value)
{
    d->EditSelectAll = Value;
}

TInsertPosition TNavigation::InsertPosition() const
{
    return d->InsertPosition;
}

void TNavigation::SetInsertPosition(TInsertPosition Value)
{
    d->InsertPosition = Value;
}

TClipboardPasteAction TNavigation::ClipboardPasteAction() const
{
    return d->ClipboardPasteAction;
}

void TNavigation::SetClipboardPasteAction(TClipboardPasteAction Value)
{
    d->ClipboardPasteAction = Value;
}

bool TNavigation::ComboGetUpDown() const
{
    return d->ComboGetUpDown;
}

void TNavigation::SetComboGetUpDown(bool Value)
{
    d->ComboGetUpDown = Value;
}

TCursorAdvance TNavigation::CursorAdvance() const
{
    return d->CursorAdvance;
}

void TNavigation::SetCursorAdvance(TCursorAdvance Value)
{
    d->CursorAdvance = Value;
}

bool TNavigation::CursorWalkEditor() const
{
    return d->CursorWalkEditor;
}

void TNavigation::SetCursorWalkEditor(bool Value)
{
    d->CursorWalkEditor = Value;
}

bool TNavigation::CursorWalkAlwaysEdit() const
{
    return d->CursorWalkAlwaysEdit;
}

void TNavigation::SetCursorWalkAlwaysEdit(bool Value)
{
    d->CursorWalkAlwaysEdit = Value;
}

bool TNavigation::CursorMoveRows() const
{
    return d->CursorMoveRows;
}

void TNavigation::SetCursorMoveRows(bool Value)
{
    d->CursorMoveRows = Value;
}

bool TNavigation::MoveRowOnSort() const
{
    return d->MoveRowOnSort;
}

void TNavigation::SetMoveRowOnSort(bool Value)
{
    d->MoveRowOnSort = Value;
}

bool TNavigation::KeepScrollOnSort() const
{
    return d->KeepScrollOnSort;
}

void TNavigation::SetKeepScrollOnSort(bool Value)
{
    d->KeepScrollOnSort = Value;
}

bool TNavigation::MoveScrollOnly() const
{
    return d->MoveScrollOnly;
}

void TNavigation::SetMoveScrollOnly(bool Value)
{
    d->MoveScrollOnly = Value;
}

bool TNavigation::ImproveMaskSel() const
{
    return d->ImproveMaskSel;
}

void TNavigation::SetImproveMaskSel(bool Value)
{
    d->ImproveMaskSel = Value;
}

bool TNavigation::LeftRightRowSelect() const
{
    return d->LeftRightRowSelect;
}

void TNavigation::SetLeftRightRowSelect(bool Value)
{
    d->LeftRightRowSelect = Value;
}

bool TNavigation::CopyHTMLTagsToClipboard() const
{
    return d->CopyHTMLTagsToClipboard;
}

void TNavigation::SetCopyHTMLTagsToClipboard(bool Value)
{
    d->CopyHTMLTagsToClipboard = Value;
}

bool TNavigation::KeepHorizScroll() const
{
    return d->KeepHorizScroll;
}

void TNavigation::SetKeepHorizScroll(bool Value)
{
    d->KeepHorizScroll = Value;
}

bool TNavigation::LineFeedOnEnter() const
{
    return d->LineFeedOnEnter;
}

void TNavigation::SetLineFeedOnEnter(bool Value)
{
    d->LineFeedOnEnter = Value;
}

THomeEndAction TNavigation::HomeEndKey() const
{
    return d->HomeEndKey;
}

void TNavigation::SetHomeEndKey(THomeEndAction Value)
{
    d->HomeEndKey = Value;
}

bool TNavigation::SkipFixedCells() const
{
    return d->SkipFixedCells;
}

void TNavigation::SetSkipFixedCells(bool Value)
{
    d->SkipFixedCells = Value;
}

bool TNavigation::SkipDisabledRows() const
{
    return d->SkipDisabledRows;
}

void TNavigation::SetSkipDisabledRows(bool Value)
{
    d->SkipDisabledRows = Value;
}

bool TNavigation::TabToNextAtEnd() const
{
    return d->TabToNextAtEnd;
}

void TNavigation::SetTabToNextAtEnd(bool Value)
{
    d->TabToNextAtEnd = Value;
}

TAdvanceDirection TNavigation::TabAdvanceDirection() const
{
    return d->TabAdvanceDirection;
}

void TNavigation::SetTabAdvanceDirection(TAdvanceDirection Value)
{
    d->TabAdvanceDirection = Value;
}
