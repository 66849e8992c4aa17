// The in-cell editing flow of the string grid: whether and with which editor
// kind the current cell is edited, the edit text going in and out, the
// validation of an edited value, and the report of the end of an edit.
//
// The kind comes from DefaultEditor, the column or cell settings and
// OnGetEditorType. The combo kinds open the grid's combo over the cell and write
// its text back when it closes; a special kind whose control is not there is
// edited as edNormal; edNone and a forced edDataCheckBox open nothing. The edit
// length is GetEditLimit (in a column grid the column's EditLength). A refused
// value restores the old text and the modified flag, moves back to the cell,
// reopens the editor and shows the invalid-entry balloon; the bookkeeping of a
// validation is restored by a scoped guard when a handler throws.

#include "grid/cells/content/ExGridCheck.h"
#include "grid/cells/editors/ExInplaceEdit.h"
#include "grid/cells/editors/GridEditors.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/markup/EsgHTMLEUtil.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/ui/window/BalloonTip.h"

bool IsInplaceEditorKind(TEditorType Kind)
{
    switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

namespace {

bool isComboKind(TEditorType Kind) { return Kind == edComboEdit || Kind == edComboList; }

bool isSpinKind(TEditorType Kind)
{
    return Kind == edSpinEdit || Kind == edFloatSpinEdit || Kind == edTimeSpinEdit || Kind == edDateSpinEdit;
}

bool isEditBtnKind(TEditorType Kind)
{
    return Kind == edEditBtn || Kind == edNumericEditBtn || Kind == edFloatEditBtn || Kind == edMaskEditBtn;
}

bool isDateKind(TEditorType Kind) { return Kind == edDateEdit || Kind == edDateEditUpDown || Kind == edTimeEdit; }

bool isUnitKind(TEditorType Kind)
{
    return Kind == edUnitEditBtn || Kind == edNumericUnitEditBtn || Kind == edFloatUnitEditBtn;
}

// The special kinds whose editor control exists in this grid: a drop-down
// kind only while an editor is registered for it. Every other special kind
// is edited as plain text.
bool hasEditorControl(TEditorType Kind)
{
    return isComboKind(Kind) || Kind == edRichEdit || Kind == edCustom || isSpinKind(Kind) || isEditBtnKind(Kind) || isUnitKind(Kind) || isDateKind(Kind) ||
           Kind == edCheckBox ||
           Kind == edButton || (IsGridDropDownKind(Kind) && GridDropDownEditorRegistered(Kind));
}

// The kind the grid opens for a configured kind.
TEditorType openedKind(TEditorType Kind)
{
    if (Kind == edNone || Kind == edDataCheckBox || IsInplaceEditorKind(Kind) || hasEditorControl(Kind))
        return Kind;
    return edNormal;
}

// Clears Navigation.AdvanceOnEnter while a validation runs, so that nothing
// in it moves the cell; restored also when a handler throws.
class AdvanceOnEnterOff {
public:
    explicit AdvanceOnEnterOff(TNavigation& n) : nav_(n), saved_(n.AdvanceOnEnter()) { nav_.SetAdvanceOnEnter(false); }
    ~AdvanceOnEnterOff() { nav_.SetAdvanceOnEnter(saved_); }
    AdvanceOnEnterOff(const AdvanceOnEnterOff&) = delete;
    AdvanceOnEnterOff& operator=(const AdvanceOnEnterOff&) = delete;

private:
    TNavigation& nav_;
    bool saved_;
};

// Takes a mouse handler of the grid away for one call.
template <typename Handler>
class HandlerAway {
public:
    explicit HandlerAway(Handler& h) : handler_(h), saved_(std::move(h)) { handler_ = nullptr; }
    ~HandlerAway() { handler_ = std::move(saved_); }
    HandlerAway(const HandlerAway&) = delete;
    HandlerAway& operator=(const HandlerAway&) = delete;

private:
    Handler& handler_;
    Handler saved_;
};

}  // namespace

// ---- properties -------------------------------------------------------------------------

GRID_STORED_PROPERTY(bool, bool, AlwaysValidate, alwaysValidate)
GRID_STORED_PROPERTY(bool, bool, EditWithTags, editWithTags)
GRID_STORED_PROPERTY(QString, const QString&, EditMask, editMask)
GRID_STORED_PROPERTY(int, int, MaxComboLength, maxComboLength)
GRID_STORED_PROPERTY(QString, const QString&, ValidChars, validChars)
GRID_STORED_PROPERTY(QString, const QString&, ValidCharSet, validCharSet)
GRID_STORED_PROPERTY(bool, bool, Lookup, lookup)
GRID_STORED_PROPERTY(bool, bool, LookupCaseSensitive, lookupCaseSensitive)
GRID_STORED_PROPERTY(bool, bool, LookupHistory, lookupHistory)
GRID_STORED_PROPERTY(bool, bool, Modified, gridModified)

bool TExStringGrid::EditMode() const { return p->editMode; }
TEditorType TExStringGrid::EditControl() const { return p->editControl; }
QWidget* TExStringGrid::EditCtrl() const { return p->editCtrl.data(); }

// The stored text of the current cell, without display hooks; inside a merged
// range its base cell.
QString TExStringGrid::CurrentCell()
{
    const TPoint base = BaseCell(DisplayToRealCol(Col()), Row());
    return GridCells(base.X, base.Y);
}

void TExStringGrid::SetCurrentCell(const QString& Value) { SetCells(DisplayToRealCol(Col()), Row(), Value); }

TInplaceEdit* TExStringGrid::CreateEditor() { return new TExInplaceEdit(this); }

// ---- may a cell be edited --------------------------------------------------------------

bool TExStringGrid::IsEditable(int ACol, int ARow)
{
    if (!Options().testFlag(goEditing) && !p->mouseActions->RangeSelectAndEdit() && !p->editDisabled)
        return false;
    return CellAcceptsEdit(ACol, ARow);
}

bool TExStringGrid::CellAcceptsEdit(int ACol, int ARow)
{
    const TPoint base = BaseCell(RealToDisplayCol(ACol), ARow);
    bool canEdit = true;
    QueryCellEditable(DisplayToRealCol(base.X), base.Y, canEdit);
    if (!canEdit)
        return false;
    bool fixed = false;
    QueryFixedCell(base.X, base.Y, fixed);
    return !fixed;
}

// ---- opening ------------------------------------------------------------------------------

void TExStringGrid::ShowInplaceEdit()
{
    const TPoint base = BaseCell(Col(), Row());
    if (HasClickableGraphic(DisplayToRealCol(base.X), base.Y))
        return;
    if (Row() < TopRow())
        SetTopRow(Row());
    if (Col() < LeftCol())
        SetLeftCol(Col());
    p->editTextStart = CurrentCell();
    ShowEditor();
}

void TExStringGrid::ShowCellEdit()
{
    Word key = VK_F2;
    WMKeyDown(key, TShiftState());
}

bool TExStringGrid::CanEditShow() { return QueryCanShowEditor(); }

bool TExStringGrid::QueryCanShowEditor()
{
    if (p->validating)
        return false;
    bool answer = TBaseGrid::CanEditShow() && (Options().testFlag(goAlwaysShowEditor) || IsFocusInside());
    if (QueryDesignMode())
        return answer;
    const TPoint base = BaseCell(Col(), Row());
    const int baseCol = DisplayToRealCol(base.X);
    if (answer && !p->editMode && HasClickableGraphic(baseCol, base.Y))
        return false;
    if (answer && !p->editMode) {
        // The value is validated against the text this cell had, also when the
        // edit began without a click or key that took the snapshot.
        if (p->editCol != Col() || p->editRow != Row())
            RememberCellBeforeEdit(Col(), Row());
        p->noEditChange = true;
        p->cellCache = CurrentCell();
        TEditorType kind = p->defaultEditor;
        ConfigureCellEditor(baseCol, base.Y, kind);
        p->editControl = openedKind(kind);
        // A kind that opens nothing (a data check box forced on a cell without
        // one) leaves no edit behind, as edNone does.
        if (p->editControl == edNone || p->editControl == edDataCheckBox)
            return false;
        p->editMode = true;
        if (IsInplaceEditorKind(p->editControl)) {
            p->showEditProcess = true;
        } else {
            ShowEditorControl(base.X, base.Y);
            p->entered = true;
            showFocusGlow();
            return false;
        }
    }
    if (answer) {
        p->entered = true;
        p->editing = true;
        showFocusGlow();
    }
    return answer;
}

QString TExStringGrid::GetEditText(int ACol, int ARow) { return QueryEditText(ACol, ARow); }
void TExStringGrid::SetEditText(int ACol, int ARow, const QString& Value) { StoreEditText(ACol, ARow, Value); }
QString TExStringGrid::GetEditMask(int ACol, int ARow) { return QueryEditMask(ACol, ARow); }

QString TExStringGrid::QueryEditText(int ACol, int ARow)
{
    p->noEditChange = true;
    const TPoint base = BaseCell(ACol, ARow);
    const QString stored = GridCells(DisplayToRealCol(base.X), base.Y);
    return p->editWithTags ? stored : StripMarkupTags(stored);
}

void TExStringGrid::StoreEditText(int ACol, int ARow, const QString& Value)
{
    const TPoint base = BaseCell(ACol, ARow);
    TBaseGrid::SetEditText(DisplayToRealCol(base.X), base.Y, Value);
}

QString TExStringGrid::QueryEditMask(int ACol, int ARow)
{
    QString mask = p->editMask;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

// The column grid answers with the column's EditLength.
int TExStringGrid::QueryEditLimit() { return GetEditLimit(); }

void TExStringGrid::QueryEditorProperties(int ACol, int ARow, TObject* EditLink)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, ACol, ARow, EditLink);
}

void TExStringGrid::InplaceEditKeyMessage(Word&, TShiftState) {}

// The special kinds open their control over the cell without its grid line.
void TExStringGrid::ShowEditorControl(int ACol, int ARow)
{
    p->editing = true;
    p->specialEditor = true;
    p->editActive = true;
    p->editCtrl = nullptr;
    p->lastValidation = true;
    const TRect r = CellRect(ACol, ARow);
    const TRect box{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    const TEditorType kind = p->editControl;
    if (isComboKind(kind))
        showCombo(ACol, ARow);
    else if (isSpinKind(kind))
        SpinEdit()->OpenInCell(ACol, ARow, box);
    else if (isEditBtnKind(kind))
        EditBtn()->OpenInCell(ACol, ARow, box);
    else if (isUnitKind(kind))
        UnitEditBtn()->OpenInCell(ACol, ARow, box);
    else if (isDateKind(kind))
        DateTimePicker()->OpenInCell(ACol, ARow, box);
    else if (kind == edCheckBox)
        EditCheck()->OpenInCell(ACol, ARow, box);
    else if (kind == edButton)
        GridButton()->OpenInCell(ACol, ARow, box);
    else if (IsGridDropDownKind(kind))
        TGridEditorOpening::ShowDropDown(*this, kind, ACol, ARow, box);
    else if (kind == edRichEdit)
        showRichEdit(ACol, ARow);
    else if (kind == edCustom)
        showEditLink(ACol, ARow);
    p->startEditChar = QChar();
}

// Opens the combo over the cell. A list combo shows the item equal to the
// cell's text; without one the pre-selection hint's item, else the item equal
// to the edit text, else the first item, which is reported as the user's pick.
void TExStringGrid::showCombo(int ACol, int ARow)
{
    const int realCol = DisplayToRealCol(ACol);
    const TRect r = CellRect(ACol, ARow);
    const int width = r.Right - r.Left - 1;
    const int height = r.Bottom - r.Top - 1;
    const bool listOnly = p->editControl == edComboList;
    TGridCombo* combo = EditCombo();
    p->editMode = true;
    combo->SetDropDownCount(p->controlLook->DropDownCount());
    QueryEditorProperties(realCol, ARow, nullptr);
    combo->SetStyle(listOnly ? csDropDownList : csDropDown);
    combo->setEnabled(true);
    combo->setGeometry(r.Left, r.Top, width, height);
    combo->SetBoxHeight(height);
    const QString editText = QueryEditText(ACol, ARow);
    bool reportFirst = false;
    if (listOnly) {
        combo->SetItemIndex(combo->Items().IndexOf(Cells(realCol, ARow)));
        if (combo->ItemIndex() < 0 && p->comboIndex == -1) {
            const int byEditText = combo->Items().IndexOf(editText);
            reportFirst = byEditText < 0 && combo->Items().Count() > 0;
            combo->SetItemIndex(byEditText >= 0 ? byEditText : 0);
        }
    } else {
        combo->SetText(editText);
        const int limit = GetEditLimit();
        combo->SetTypedLimit(limit > 0 ? limit : p->maxComboLength);
    }
    if (p->comboIndex != -1 && combo->ItemIndex() < 0)
        combo->SetItemIndex(p->comboIndex);
    if (p->navigation->AutoComboDropSize())
        combo->SizeDropDownWidth();
    combo->show();
    combo->setFocus(Qt::OtherFocusReason);
    if (reportFirst) {
        if (OnComboChange)
            OnComboChange(this, realCol, ARow, 0, combo->Items().Strings(0));
        if (OnComboObjectChange)
            OnComboObjectChange(this, realCol, ARow, 0, combo->Items().Strings(0),
                                qvariant_cast<TObject*>(combo->itemData(0)));
    }
    p->editCtrl = combo;
}

void TExStringGrid::hideCombo(int ACol, int ARow)
{
    if (!p->editMode)
        return;
    p->editMode = false;
    TGridCombo* combo = EditCombo();
    StoreEditorValue(DisplayToRealCol(ACol), ARow, combo->Text());
    combo->setEnabled(false);
    combo->hide();
}

// ---- closing ------------------------------------------------------------------------------

void TExStringGrid::HideInplaceEdit()
{
    if (!p->editMode)
        return;
    HideEditor();
    HideEditorControl(Col(), Row());
    p->editMode = false;
    QueryCanSelectCell(Col(), Row());
}

void TExStringGrid::HideCellEdit() { HideEditorControl(Col(), Row()); }

void TExStringGrid::HideEditorControl(int ACol, int ARow)
{
    if (p->destroying)
        return;
    p->specialEditor = false;
    p->blockKill = true;
    p->startEditChar = QChar();
    const TEditorType kind = p->editControl;
    if (isComboKind(kind))
        hideCombo(ACol, ARow);
    else if (p->editControl == edRichEdit)
        hideRichEdit(ACol, ARow);
    else if (p->editControl == edCustom)
        hideEditLink(ACol, ARow);
    else if (isSpinKind(kind) && p->editSpin)
        p->editSpin->CloseInCell(ACol, ARow);
    else if (isEditBtnKind(kind) && p->editBtn)
        p->editBtn->CloseInCell(ACol, ARow);
    else if (isUnitKind(kind) && p->unitEditBtn)
        p->unitEditBtn->CloseInCell(ACol, ARow);
    else if (isDateKind(kind) && p->editDate)
        p->editDate->CloseInCell(ACol, ARow);
    else if (kind == edCheckBox && p->editCheck)
        p->editCheck->CloseInCell();
    else if (kind == edButton && p->gridButton)
        p->gridButton->CloseInCell();
    else if (IsGridDropDownKind(kind))
        TGridEditorOpening::HideDropDown(*this, kind, ACol, ARow);
    if (p->editControl != edNormal && p->editActive)
        FinishCellEdit(DisplayToRealCol(ACol), ARow);
    p->blockKill = false;
    p->editActive = false;
}

void TExStringGrid::FinishCellEdit(int ACol, int ARow)
{
    if (OnEditingDone)
        OnEditingDone(this);
    p->editMode = false;
    PostGridEditDone(ACol, ARow);
}

void TExStringGrid::StoreEditorValue(int ACol, int ARow, const QString& Value)
{
    StoreEditText(RealToDisplayCol(ACol), ARow, Value);
    SetCells(ACol, ARow, Value);
}

void TExStringGrid::RestoreCellFromCache() { SetCurrentCell(p->cellCache); }

void TExStringGrid::SimulateCellClick(int ACol, int ARow)
{
    TScopedFlag forced(p->forceSel, true);
    HandlerAway down(OnMouseDown);
    HandlerAway up(OnMouseUp);
    const TRect r = CellRect(ACol, ARow);
    TBaseGrid::MouseDown(mbLeft, TShiftState(ssLeft), r.Left + 2, r.Top + 2);
    TBaseGrid::MouseUp(mbLeft, TShiftState(ssLeft), r.Left + 2, r.Top + 2);
}

// ---- validation ---------------------------------------------------------------------------

bool TExStringGrid::ValidateCell(const QString& NewValue) { return validateEdit(NewValue, false); }

bool TExStringGrid::ValidateCellWide(const QString& NewValue) { return validateEdit(NewValue, true); }

// The wide variant recalculates the footer before its event, registers no
// undo step and shows no balloon.
bool TExStringGrid::validateEdit(const QString& NewValue, bool Wide)
{
    if (!p->editing || p->validating)
        return true;
    p->editing = false;
    p->validating = true;
    // The snapshot and the validating flag come back also when a handler throws.
    struct Bookkeeping {
        TExStringGrid& grid;
        ~Bookkeeping()
        {
            grid.RememberCellBeforeEdit(grid.Col(), grid.Row());
            grid.p->validating = false;
        }
    } bookkeeping{*this};
    bool valid = true;
    const int col = DisplayToRealCol(p->editCol);
    const int row = p->editRow;
    const QString old = Wide ? p->editWideText : p->editText;
    p->newCellText = NewValue;
    if (NewValue != old || p->alwaysValidate) {
        const bool changed = NewValue != old;
        QString v = NewValue;
        {
            AdvanceOnEnterOff noAdvance(*p->navigation);
            if (Wide)
                CalcFooter(col);
            TExStringGridCheck* checker = Wide ? nullptr : CellChecker();
            if (checker && checker->AutoCorrect)
                v = checker->Correct(col, row, v);
            TCellValidateEvent& handler = Wide ? OnCellValidateWide : OnCellValidate;
            if (handler)
                handler(this, col, row, v, valid);
            if (v != old) {
                p->gridModified = true;
                if (FixedCols() > 0 && (!Wide || p->showModified->Enabled())) {
                    SetRowModified(Wide ? row : RealRowIndex(row), true);
                    if (p->showModified->Enabled())
                        RepaintCell(0, Row());
                }
            }
            if (valid && !Wide)
                CalcFooter(col);
            if (checker && checker->AutoMarkError)
                v = checker->MarkError(col, row, v);
            if (valid && !Wide && UndoRedo())
                UndoRedo()->RegisterChange(col, row, old, v);
            if (valid && changed)
                FireCellsChanged(TRect{col, row, col, row});
        }
        p->newCellText = v;
        if (valid)
            SetCells(col, row, Wide ? EncodeWideCellText(v) : v);
        else
            refuseValidation(col, row, v, v != NewValue, Wide);
    }
    if (Wide)
        p->editWideText = DecodeWideCellText(GridCells(col, row));
    else
        p->editText = GridCells(col, row);
    if (valid)
        HideFocusWindow();
    return valid;
}

// A refused value never stays in the cell: the old text (or the handler's
// replacement) goes back, the current cell returns to the edited one and the
// editor opens on it again.
void TExStringGrid::refuseValidation(int ACol, int ARow, const QString& Value, bool Replaced, bool Wide)
{
    p->lastValidation = false;
    if (!Replaced && p->editMode)
        p->validating = false;
    HideEditor();
    const QString restored = Replaced ? Value : (Wide ? p->editWideText : p->editText);
    SetCells(ACol, ARow, Wide && !Replaced ? EncodeWideCellText(restored) : restored);
    if (Col() != p->editCol || Row() != p->editRow)
        SetSelection(TGridRect{p->editCol, p->editRow, p->editCol, p->editRow});
    p->validating = false;
    p->editing = true;
    // An open editor control stays open on the cell; only the inplace edit is shown again.
    if (!p->specialEditor)
        ShowInplaceEdit();
    if (!Replaced && Col() != p->editCol)
        InvalidateEditor();
    p->gridModified = p->editModified;
    if (!Wide)
        showEditBalloon();
}

// The balloon goes to the open special editor, or else the reopened inplace
// edit; a kind that records no control shows it at the cell.
void TExStringGrid::showEditBalloon()
{
    if (p->invalidEntryTitle.isEmpty() && p->invalidEntryText.isEmpty())
        return;
    const int icon = static_cast<int>(p->invalidEntryIcon);
    QWidget* target = p->specialEditor || !p->editMode ? p->editCtrl.data() : static_cast<QWidget*>(InplaceEditor());
    if (target && target->isVisible()) {
        platform::ShowBalloonTip(target, p->invalidEntryTitle, p->invalidEntryText, icon);
        return;
    }
    platform::ShowBalloonTip(viewport(), p->invalidEntryTitle, p->invalidEntryText, icon,
                             ToQRect(CellRect(Col(), Row())));
}
