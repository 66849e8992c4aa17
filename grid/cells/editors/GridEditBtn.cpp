// The grid's edit-with-button and unit editors: the cell's value in and out,
// their grid keys, character filters, paste and the button's click.

#include "grid/cells/editors/GridEditors.h"

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/window/Beep.h"

#include <QtGui/QClipboard>
#include <QtCore/QMimeData>
#include <QtWidgets/QApplication>

namespace {

bool isOneOf(Word Key, std::initializer_list<Word> keys)
{
    return std::find(keys.begin(), keys.end(), Key) != keys.end();
}

enum class CharFilter { Any, Numeric, Float };

CharFilter filterOf(TEditorType Kind)
{
    switch (Kind) {
    case edNumericEditBtn:
    case edNumericUnitEditBtn: return CharFilter::Numeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn: return CharFilter::Float;
    default: return CharFilter::Any;
    }
}

// The character filter of the numeric and float kinds. A refused minus or a
// refused character of the numeric kinds beeps; the float kinds drop the
// thousands separator, a second decimal separator and other characters typed
// without Ctrl silently.
void filterCharacter(CharFilter Filter, QChar& Key, const TMaskEdit& Edit, bool CtrlDown)
{
    if (Filter == CharFilter::Any)
        return;
    const char16_t c = Key.unicode();
    if (c == 8 || c == 9 || c == 13 || c == 27 || Key.isDigit())
        return;
    const QString text = Edit.Text();
    if (Key == u'-') {
        const bool first = Edit.SelStart() == 0 && (!text.contains(u'-') || Edit.SelText().contains(u'-'));
        if (!first) {
            Key = QChar();
            platform::MessageBeep();
        }
        return;
    }
    if (Filter == CharFilter::Numeric) {
        Key = QChar();
        platform::MessageBeep();
        return;
    }
    const TFormatSettings fs = FormatSettings();
    if (Key == fs.DecimalSeparator && Key != fs.ThousandSeparator) {
        if (text.contains(fs.DecimalSeparator) && !Edit.SelText().contains(fs.DecimalSeparator))
            Key = QChar();
        return;
    }
    if (Key == fs.ThousandSeparator || ((Key == u',' || Key == u'.') && Key != fs.DecimalSeparator)) {
        Key = QChar();
        return;
    }
    if (!CtrlDown)
        Key = QChar();
}

}  // namespace

// ---- edit with button ----------------------------------------------------------------------

TGridEditBtn::TGridEditBtn(TExStringGrid* AGrid) : TEsgEditBtn(AGrid->viewport()), grid_(AGrid), protocol_(*AGrid)
{
    SetBorderStyle(bsEditNone);
    SetButtonCaption(QStringLiteral("..."));
    hide();
    setEnabled(false);
    OnClickBtn = [this](TObject*) { buttonClicked(); };
    OnChange = [this](TObject*) {
        if (isVisible())
            protocol_.TextChanged(Text());
    };
}

TGridEditBtn* TExStringGrid::EditBtn()
{
    if (!p->editBtn)
        p->editBtn = new TGridEditBtn(this);
    return p->editBtn;
}

void TGridEditBtn::OpenInCell(int ACol, int ARow, const TRect& Box)
{
    grid_->p->editMode = true;
    setGeometry(Box.Left, Box.Top, Box.Right - Box.Left, Box.Bottom - Box.Top);
    SetText(grid_->QueryEditText(ACol, ARow));
    SetMaxLength(grid_->QueryEditLimit());
    SetEditMask(grid_->EditControl() == edMaskEditBtn ? grid_->QueryEditMask(grid_->DisplayToRealCol(ACol), ARow)
                                                      : QString());
    show();
    setEnabled(true);
    setFocus(Qt::OtherFocusReason);
    grid_->p->editCtrl = this;
}

void TGridEditBtn::CloseInCell(int ACol, int ARow)
{
    if (!grid_->p->editMode)
        return;
    grid_->p->editMode = false;
    grid_->StoreEditorValue(grid_->DisplayToRealCol(ACol), ARow, Text());
    setEnabled(false);
    hide();
}

bool TGridEditBtn::WantsKey(Word Key, TShiftState) { return Key == VK_TAB && protocol_.CapturesTab(); }

void TGridEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    const bool gridKey =
        !Shift.testFlag(ssCtrl) && isOneOf(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN});
    if (!gridKey && grid_->OnKeyDown)
        grid_->OnKeyDown(grid_, Key, Shift);
    workMode_ = Key != VK_BACK && Key != VK_DELETE;
    caretAtKeyDown_ = SelStart();
    if (!gridKey) {
        TEsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
    if (isOneOf(Key, {VK_TAB, VK_RETURN, VK_UP, VK_DOWN})) {
        const TEditorType kind = grid_->EditControl();
        const bool valid = protocol_.CommitWithValidation(Text());
        SetText(protocol_.RefusedText());
        if (!valid) {
            selectAll();
            grid_->p->editControl = kind;
            Key = 0;
            return;
        }
    }
    if (Key == VK_TAB) {
        const auto result = protocol_.CaptureTab(Text(), Shift.testFlag(ssShift));
        if (result != TGridEditorProtocol::TabResult::Posted) {
            Key = 0;
            return;
        }
    }
    if (Key == VK_ESCAPE)
        SetText(grid_->p->cellCache);
    grid_->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridEditBtn::KeyPress(QChar& Key)
{
    if (grid_->OnKeyPress)
        grid_->OnKeyPress(grid_, Key);
    if (Key == QChar(9) || Key == QChar(13)) {
        Key = QChar();
        return;
    }
    filterCharacter(filterOf(grid_->EditControl()), Key, *this, KeyModifiers().testFlag(Qt::ControlModifier));
    if (!Key.isNull())
        TEsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::KeyUp(Word& Key, TShiftState Shift)
{
    if (grid_->OnKeyUp)
        grid_->OnKeyUp(grid_, Key, Shift);
    if (Key == VK_LEFT && caretAtKeyDown_ == 0)
        setCursorPosition(0);
    if (protocol_.CursorWalk(Key, Shift, *this, Text()))
        return;
    if (Key != VK_RETURN)
        TEsgEditBtn::KeyUp(Key, Shift);
    lookupCompletion();
}

// Completes the typed part from the grid's LookupItems and selects the tail.
void TGridEditBtn::lookupCompletion()
{
    if (hasSelectedText() || !workMode_ || !grid_->Lookup() || grid_->LookupItems()->Count() == 0)
        return;
    const QString typed = Text().left(cursorPosition());
    if (typed.isEmpty())
        return;
    const Qt::CaseSensitivity cs = grid_->LookupCaseSensitive() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < grid_->LookupItems()->Count(); ++i) {
        const QString item = grid_->LookupItems()->Strings(i);
        if (item.startsWith(typed, cs)) {
            SetText(typed + item.mid(typed.size(), 255));
            setSelection(int(typed.size()), int(Text().size() - typed.size()));
            return;
        }
    }
}

// The clipboard's text, after the grid's paste events, replaces the
// selection; one line break ending the text is dropped when it is its only one.
void TGridEditBtn::ClipboardPaste()
{
    if (!EditorEnabled() || ReadOnly())
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    QString text = data->text();
    bool allow = true;
    if (grid_->OnClipboardPaste)
        grid_->OnClipboardPaste(this, allow);
    if (allow && grid_->OnClipboardBeforePasteCell)
        grid_->OnClipboardBeforePasteCell(this, grid_->Col(), grid_->Row(), text, allow);
    if (!allow)
        return;
    for (const QString& end : {QStringLiteral("\r\n"), QStringLiteral("\n")}) {
        if (text.endsWith(end) && text.count(u'\n') == 1) {
            text.chop(end.size());
            break;
        }
    }
    const bool replacing = hasSelectedText();
    const int start = SelStart();
    insert(text);
    grid_->SetCurrentCellEditText(Text());
    if (replacing)
        setSelection(start, int(text.size()));
}

void TGridEditBtn::DoExit()
{
    if (isVisible())
        grid_->HideInplaceEdit();
    TEsgEditBtn::DoExit();
}

void TGridEditBtn::mouseDoubleClickEvent(QMouseEvent* e)
{
    TEsgEditBtn::mouseDoubleClickEvent(e);
    if (grid_->OnDblClickCell)
        grid_->OnDblClickCell(grid_, grid_->Row(), grid_->Col());
}

void TGridEditBtn::buttonClicked()
{
    QString text = Text();
    grid_->FireEllipsClick(grid_->Col(), grid_->Row(), text);
    SetText(text);
    selectAll();
    update();
    if (StopEditAfterClick) {
        grid_->HideInplaceEdit();
        grid_->setFocus(Qt::OtherFocusReason);
    }
}

// ---- unit edit -----------------------------------------------------------------------------

TGridUnitEditBtn::TGridUnitEditBtn(TExStringGrid* AGrid)
    : TEsgUnitEditBtn(AGrid->viewport()), grid_(AGrid), protocol_(*AGrid)
{
    SetBorderStyle(bsEditNone);
    SetButtonCaption(QStringLiteral("..."));
    hide();
    setEnabled(false);
    OnClickBtn = [this](TObject*) {
        QString text = Text();
        grid_->FireEllipsClick(grid_->Col(), grid_->Row(), text);
        SetText(text);
        selectAll();
        update();
    };
    OnUnitChanged = [this](TObject*, const QString& unit) {
        if (grid_->OnUnitChanged)
            grid_->OnUnitChanged(grid_, grid_->Col(), grid_->Row(), unit);
    };
    OnChange = [this](TObject*) {
        if (isVisible() && grid_->OnEditChange)
            grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
    };
}

TGridUnitEditBtn* TExStringGrid::UnitEditBtn()
{
    if (!p->unitEditBtn)
        p->unitEditBtn = new TGridUnitEditBtn(this);
    return p->unitEditBtn;
}

void TGridUnitEditBtn::OpenInCell(int ACol, int ARow, const TRect& Box)
{
    grid_->p->editMode = true;
    setGeometry(Box.Left, Box.Top, Box.Right - Box.Left, Box.Bottom - Box.Top);
    SetMaxLength(grid_->QueryEditLimit());
    SetUnitID(QString());
    SetText(QString());
    const QString text = grid_->QueryEditText(ACol, ARow);
    SetTextAndUnit(text);
    if (UnitID().isEmpty())
        SetText(text);
    grid_->QueryEditorProperties(grid_->DisplayToRealCol(ACol), ARow, this);
    show();
    setEnabled(true);
    setFocus(Qt::OtherFocusReason);
    grid_->p->editCtrl = this;
}

void TGridUnitEditBtn::CloseInCell(int ACol, int ARow)
{
    grid_->StoreEditorValue(grid_->DisplayToRealCol(ACol), ARow, TextAndUnit());
    setEnabled(false);
    hide();
    grid_->p->editMode = false;
}

bool TGridUnitEditBtn::WantsKey(Word Key, TShiftState) { return Key == VK_TAB && grid_->Options().testFlag(goTabs); }

// The value with its unit is validated; a refusal puts the cell's text back.
bool TGridUnitEditBtn::commit()
{
    const QString value = TextAndUnit();
    grid_->SetCurrentCell(value);
    if (!grid_->ValidateCell(value)) {
        grid_->p->noAutoAdvance = true;
        SetText(grid_->CurrentCell());
        return false;
    }
    SetTextAndUnit(grid_->CurrentCell());
    return true;
}

void TGridUnitEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    if (!isOneOf(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN})) {
        TEsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (isOneOf(Key, {VK_TAB, VK_RETURN, VK_UP, VK_DOWN}) && !commit()) {
        Key = 0;
        return;
    }
    if (Key == VK_RETURN && grid_->Navigation()->AdvanceOnEnter()) {
        grid_->HideInplaceEdit();
        grid_->setFocus(Qt::OtherFocusReason);
        Key = 0;
        grid_->AdvanceAfterEdit(grid_->Col(), grid_->Row(), false, false, true, false, false);
        return;
    }
    if (Key == VK_TAB && grid_->Options().testFlag(goTabs)) {
        grid_->HideInplaceEdit();
        grid_->setFocus(Qt::TabFocusReason);
        grid_->MoveByTab(Shift.testFlag(ssShift));
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE) {
        SetUnitID(QString());
        SetText(grid_->CurrentCell());
    }
    grid_->DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridUnitEditBtn::KeyPress(QChar& Key)
{
    if (Key == QChar(13)) {
        Key = QChar();
        return;
    }
    filterCharacter(filterOf(grid_->EditControl()), Key, *this, KeyModifiers().testFlag(Qt::ControlModifier));
    if (!Key.isNull())
        TEsgUnitEditBtn::KeyPress(Key);
}

void TGridUnitEditBtn::DoExit()
{
    if (isVisible())
        grid_->HideInplaceEdit();
    TEsgUnitEditBtn::DoExit();
}
