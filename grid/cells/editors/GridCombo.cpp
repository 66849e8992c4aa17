// The grid's combo editor: the keys it keeps and those it hands back to the
// grid, committing its text with validation, look-up completion, and the
// events it raises while the user works in it.

#include "grid/cells/editors/GridEditors.h"

#include "grid/engine/input/ExGridPressState.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/StringList.h"
#include "platform/ui/paint/Font.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QPointer>
#include <QtGui/QFontMetrics>
#include <QtGui/QKeyEvent>
#include <QtGui/QValidator>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QLineEdit>

namespace {

// Refuses an edit that makes the text longer than the limit, or longer than
// the text the editor opened with when that was already longer.
class LengthLimit : public QValidator {
public:
    LengthLimit(QLineEdit* edit, int limit) : QValidator(edit), limit_(std::max<int>(limit, edit->text().size())) {}
    State validate(QString& input, int&) const override { return input.size() > limit_ ? Invalid : Acceptable; }

private:
    int limit_;
};

bool isOneOf(Word Key, std::initializer_list<Word> keys)
{
    return std::find(keys.begin(), keys.end(), Key) != keys.end();
}

// The first of the texts that begins with the typed part; -1 when none.
template <class Texts>
int findPrefix(const Texts& texts, const QString& typed, bool caseSensitive)
{
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < texts.Count(); ++i)
        if (texts.Strings(i).startsWith(typed, cs))
            return i;
    return -1;
}

}  // namespace

TGridCombo::TGridCombo(TExStringGrid* AGrid)
    : TEsgComboBox(AGrid->viewport(), csDropDown), grid_(AGrid), protocol_(*AGrid)
{
    SetButtonWidth(16);
    SetIsVista(true);
    hide();
    setEnabled(false);
    connect(this, &QComboBox::activated, this, [this](int) {
        if (!inKey_)
            reportSelectedItem();
    });
    OnChange = [this](TObject*) {
        if (grid_->OnEditChange)
            grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
    };
    StyleChanged();
}

TGridCombo* TExStringGrid::EditCombo()
{
    if (!p->editCombo)
        p->editCombo = new TGridCombo(this);
    return p->editCombo;
}

void TGridCombo::SetItemHeight(int Value) { itemHeight_ = std::max(1, Value); }

void TGridCombo::SetBoxHeight(int BoxHeight) { dropHeight_ = itemHeight_ * (DropDownCount() + 1) + BoxHeight; }

void TGridCombo::SetTypedLimit(int Limit)
{
    if (!isEditable())
        return;
    delete lineEdit()->validator();
    lineEdit()->setValidator(Limit > 0 ? new LengthLimit(lineEdit(), Limit) : nullptr);
}

// While the grid completes typed text itself, the toolkit's completion would
// complete it a second time; a typed edit is reported as a combo change.
void TGridCombo::StyleChanged()
{
    TEsgComboBox::StyleChanged();
    if (!isEditable())
        return;
    if (grid_ && grid_->Lookup())
        setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TGridCombo::typedEdit, Qt::UniqueConnection);
}

void TGridCombo::typedEdit() { reportSelectedItem(); }

void TGridCombo::SizeDropDownWidth()
{
    const QFontMetrics metrics(grid_->Font().ToQFont());
    std::vector<int> widths;
    for (int i = 0; i < count(); ++i)
        widths.push_back(metrics.horizontalAdvance(itemText(i)));
    view()->setMinimumWidth(SizedDropDownWidth(width(), widths, DropDownCount()));
}

// ---- events -------------------------------------------------------------------------------

// Raises the grid's combo events for the selected item, with the real column.
void TGridCombo::reportItemChange(const QString& Text)
{
    const int col = grid_->DisplayToRealCol(grid_->Col());
    const int index = ItemIndex();
    TObject* object = index >= 0 ? qvariant_cast<TObject*>(itemData(index)) : nullptr;
    if (grid_->OnComboChange)
        grid_->OnComboChange(grid_, col, grid_->Row(), index, Text);
    if (grid_->OnComboObjectChange)
        grid_->OnComboObjectChange(grid_, col, grid_->Row(), index, Text, object);
}

// A change the user made: the selected item's text, or the typed text when no
// item is selected.
void TGridCombo::reportSelectedItem()
{
    reportedSinceDrop_ = true;
    const int index = ItemIndex();
    reportItemChange(index >= 0 ? Items().Strings(index) : Text());
}

void TGridCombo::DroppedDown()
{
    reportedSinceDrop_ = false;
    grid_->FireComboDropDown(grid_->Row(), grid_->DisplayToRealCol(grid_->Col()));
}

// The list reports its pick after it closed, so the close-up is handled once
// the pick is in.
void TGridCombo::ClosedUp()
{
    const bool directClose = grid_->MouseActions()->DirectComboClose();
    QPointer<TGridCombo> self(this);
    QMetaObject::invokeMethod(
        this,
        [self, directClose] {
            if (self)
                self->closedUp(directClose);
        },
        Qt::QueuedConnection);
}

// With DirectComboClose the closing list ends the edit with its item.
void TGridCombo::closedUp(bool DirectClose)
{
    if (DirectClose && grid_->EditMode() && isVisible()) {
        if (ItemIndex() >= 0)
            SetText(Items().Strings(ItemIndex()));
        if (!reportedSinceDrop_)
            reportSelectedItem();
        {
            TScopedSetting<TMouseActions> noDirectEdit(grid_->MouseActions(), &TMouseActions::DirectEdit,
                                                       &TMouseActions::SetDirectEdit, false);
            grid_->HideInplaceEdit();
        }
        grid_->setFocus(Qt::OtherFocusReason);
    }
    grid_->FireComboCloseUp(grid_->Row(), grid_->DisplayToRealCol(grid_->Col()));
}

// ---- keys ---------------------------------------------------------------------------------

// Tab stays in the editor under the grid's Tab-capture rule; the other keys
// reach the editor before the window's dialog keys.
bool TGridCombo::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && protocol_.CapturesTab()) {
            keyPressEvent(key);
            return true;
        }
    }
    return TEsgComboBox::event(e);
}

bool TGridCombo::isGridKey(Word Key, TShiftState Shift) const
{
    if (Key == VK_DOWN && Shift.testFlag(ssAlt))
        return false;
    if (listOnly() || view()->isVisible())
        return isOneOf(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT});
    return isOneOf(Key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END, VK_UP, VK_DOWN});
}

void TGridCombo::keyPressEvent(QKeyEvent* e)
{
    const Word key = platform::VirtualKeyFromQt(e->key());
    const TShiftState shift = platform::ShiftStateFromQt(e->modifiers());
    workMode_ = key != VK_BACK && key != VK_DELETE;
    const bool dropped = view()->isVisible();
    if ((key == VK_UP || key == VK_DOWN) && !shift.testFlag(ssAlt) && !dropped &&
        !grid_->Navigation()->ComboGetUpDown()) {
        leaveByArrow(key, shift);
        return;
    }
    if (!isGridKey(key, shift)) {
        QChar typed = e->text().isEmpty() ? QChar() : e->text().at(0);
        if (typed.isPrint() && grid_->OnKeyPress) {
            grid_->OnKeyPress(this, typed);
            if (typed.isNull())
                return;
        }
        const int before = ItemIndex();
        inKey_ = true;
        TEsgComboBox::keyPressEvent(e);
        inKey_ = false;
        if (ItemIndex() != before && listOnly())
            reportSelectedItem();
        return;
    }
    if (key == VK_RETURN && OnReturnKey)
        OnReturnKey(this);
    handleGridKey(key, shift);
}

// Up or Down when the grid, not the combo, takes them: the edit ends and the
// grid moves; nothing is written into the cell the grid moved to.
void TGridCombo::leaveByArrow(Word Key, TShiftState Shift)
{
    grid_->HideInplaceEdit();
    {
        TScopedSetting<TNavigation> noAlwaysEdit(grid_->Navigation(), &TNavigation::AlwaysEdit,
                                                 &TNavigation::SetAlwaysEdit, false);
        grid_->setFocus(Qt::OtherFocusReason);
    }
    Word key = Key;
    grid_->HandleKeyDown(key, Shift);
}

// Enter, Esc, Tab and the keys that leave the cell.
void TGridCombo::handleGridKey(Word Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE) {
        // A list combo cannot show a text outside its items, so the cell's
        // text is put back after the editor wrote its own.
        const QString cell = grid_->CurrentCell();
        SetText(cell);
        grid_->HideInplaceEdit();
        grid_->SetCurrentCell(cell);
        grid_->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (isOneOf(Key, {VK_RETURN, VK_UP, VK_DOWN}) && !commitWithValidation())
        return;
    if (Key == VK_TAB) {
        const auto result = protocol_.CaptureTab(Text(), Shift.testFlag(ssShift));
        if (result == TGridEditorProtocol::TabResult::Refused) {
            SetText(protocol_.RefusedText());
            if (isEditable())
                lineEdit()->end(false);
            return;
        }
        if (result == TGridEditorProtocol::TabResult::Posted) {
            grid_->HideInplaceEdit();
            grid_->setFocus(Qt::TabFocusReason);
        }
        return;
    }
    Word key = Key;
    if (listOnly() || view()->isVisible()) {
        {
            TScopedSetting<TMouseActions> noDirectClose(grid_->MouseActions(), &TMouseActions::DirectComboClose,
                                                        &TMouseActions::SetDirectComboClose, false);
            hidePopup();
            grid_->HideInplaceEdit();
        }
        if (key == VK_LEFT || key == VK_RIGHT) {
            grid_->setFocus(Qt::OtherFocusReason);
            grid_->KeyDown(key, Shift);
            return;
        }
        if (isOneOf(key, {VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN}))
            key = 0;
    } else if (Key == VK_END) {
        lineEdit()->end(false);
        return;
    }
    protocol_.Finish(key, Shift);
}

// A refusal keeps the editor open on the text validation left, selected.
bool TGridCombo::commitWithValidation()
{
    if (!protocol_.CommitWithValidation(Text())) {
        SetText(protocol_.RefusedText());
        if (isEditable())
            lineEdit()->selectAll();
        update();
        return false;
    }
    SetText(grid_->CurrentCell());
    return true;
}

void TGridCombo::keyReleaseEvent(QKeyEvent* e)
{
    const Word key = platform::VirtualKeyFromQt(e->key());
    const TShiftState shift = platform::ShiftStateFromQt(e->modifiers());
    if (Style() == csDropDown && isVisible() && protocol_.CursorWalk(key, shift, *lineEdit(), Text()))
        return;
    grid_->p->noAutoAdvance = false;
    if (key != VK_RETURN)
        TEsgComboBox::keyReleaseEvent(e);
    DoChange();
}

void TGridCombo::DoChange()
{
    if (!workMode_ || !grid_->Lookup() || !isEditable())
        return;
    QLineEdit* edit = lineEdit();
    const int typedLength = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const QString typed = Text().left(typedLength);
    if (typed.isEmpty())
        return;
    const bool cs = grid_->LookupCaseSensitive();
    const int index = findPrefix(Items(), typed, cs);
    QString item;
    if (index >= 0) {
        item = Items().Strings(index);
    } else {
        const int looked = findPrefix(*grid_->LookupItems(), typed, cs);
        if (looked < 0)
            return;
        item = grid_->LookupItems()->Strings(looked);
    }
    SetText(typed + item.mid(typed.size(), 255));
    if (index >= 0)
        SetItemIndex(index);
    edit->setSelection(typed.size(), static_cast<int>(Text().size() - typed.size()));
}

// ---- focus and wheel ----------------------------------------------------------------------

void TGridCombo::focusInEvent(QFocusEvent* e)
{
    TEsgComboBox::focusInEvent(e);
    if (!isEditable())
        return;
    if (!grid_->Navigation()->EditSelectAll())
        lineEdit()->end(false);
    protocol_.ClickCaret(*lineEdit());
}

void TGridCombo::focusOutEvent(QFocusEvent* e)
{
    TEsgComboBox::focusOutEvent(e);
    // While the list is open the focus is in the combo's own list.
    if (e->reason() == Qt::PopupFocusReason || view()->isVisible() || !isVisible())
        return;
    if (grid_->LookupHistory() && !Text().isEmpty() && Items().IndexOf(Text()) < 0)
        Items().Add(Text());
    grid_->HideInplaceEdit();
}

// Each wheel step moves the selection by one item and is reported at once,
// with the selected item's text: empty and without object when none is.
void TGridCombo::wheelEvent(QWheelEvent* e)
{
    const int index = ItemIndex();
    if (e->angleDelta().y() < 0 && index + 1 < count())
        SetItemIndex(index + 1);
    else if (e->angleDelta().y() >= 0 && index > 0)
        SetItemIndex(index - 1);
    e->accept();
    const int selected = ItemIndex();
    const QString text = selected >= 0 ? Items().Strings(selected) : QString();
    if (grid_->OnEditChange)
        grid_->OnEditChange(grid_, grid_->DisplayToRealCol(grid_->Col()), grid_->Row(), text);
    reportItemChange(text);
}
