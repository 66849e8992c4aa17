// The grid's combo editor: the keys it keeps and those it hands back to the
// grid, committing its text with validation, and the events it raises while
// the user works in it.

#include "grid/cells/GridEditors.h"

#include "grid/engine/ExGridPrivate.h"

#include <QtCore/QCoreApplication>
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

}  // namespace

TGridCombo::TGridCombo(TExStringGrid* AGrid) : TComboBox(AGrid->viewport(), csDropDown), grid_(AGrid)
{
    hide();
    setEnabled(false);
    connect(this, &QComboBox::activated, this, [this](int) {
        if (!inKey_)
            reportItemChange();
    });
    OnChange = [this](TObject*) {
        if (grid_->OnEditChange)
            grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), Text());
    };
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

// Raises the grid's combo events for the selected item, with the real column.
void TGridCombo::reportItemChange()
{
    const int col = grid_->DisplayToRealCol(grid_->Col());
    const int index = ItemIndex();
    const QString text = index >= 0 ? Items().Strings(index) : QString();
    TObject* object = index >= 0 ? qvariant_cast<TObject*>(itemData(index)) : nullptr;
    if (grid_->OnComboChange)
        grid_->OnComboChange(grid_, col, grid_->Row(), index, text);
    if (grid_->OnComboObjectChange)
        grid_->OnComboObjectChange(grid_, col, grid_->Row(), index, text, object);
}

// Tab stays in the editor only when the grid walks its cells by Tab or checks
// edited values; otherwise the window moves the focus and the exit ends the edit.
bool TGridCombo::capturesTab() const
{
    return grid_->Options().testFlag(goTabs) || grid_->OnCellValidate || grid_->OnCellValidateWide;
}

bool TGridCombo::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && capturesTab()) {
            keyPressEvent(key);
            return true;
        }
    }
    return TComboBox::event(e);
}

void TGridCombo::keyPressEvent(QKeyEvent* e)
{
    const Word key = e->key() == Qt::Key_Backtab ? Word(VK_TAB) : platform::VirtualKeyFromQt(e->key());
    const TShiftState shift = platform::ShiftStateFromQt(e->modifiers());
    const bool dropped = view()->isVisible();
    const bool altDown = key == VK_DOWN && shift.testFlag(ssAlt);
    const bool gridKey = !altDown && (listOnly() || dropped
                                          ? isOneOf(key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT})
                                          : isOneOf(key, {VK_TAB, VK_RETURN, VK_ESCAPE, VK_PRIOR, VK_NEXT, VK_END,
                                                          VK_UP, VK_DOWN}));
    if (!gridKey) {
        const int before = ItemIndex();
        inKey_ = true;
        TComboBox::keyPressEvent(e);
        inKey_ = false;
        if (ItemIndex() != before && listOnly())
            reportItemChange();
        return;
    }
    if (key == VK_RETURN && OnReturnKey)
        OnReturnKey(this);
    handleGridKey(key, shift);
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
    if (isOneOf(Key, {VK_RETURN, VK_UP, VK_DOWN, VK_TAB}) && !commitWithValidation())
        return;
    if (Key == VK_TAB) {
        grid_->HideInplaceEdit();
        grid_->setFocus(Qt::TabFocusReason);
        if (grid_->Options().testFlag(goTabs))
            grid_->MoveByTab(Shift.testFlag(ssShift));
        else
            QCoreApplication::postEvent(grid_, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab,
                                                             Shift.testFlag(ssShift) ? Qt::ShiftModifier
                                                                                     : Qt::NoModifier));
        return;
    }
    if (listOnly() || view()->isVisible()) {
        hidePopup();
        grid_->HideInplaceEdit();
        if (Key == VK_LEFT || Key == VK_RIGHT) {
            grid_->setFocus(Qt::OtherFocusReason);
            Word k = Key;
            grid_->KeyDown(k, Shift);
            return;
        }
    } else if (Key == VK_END) {
        lineEdit()->end(false);
        return;
    }
    finish(Key, Shift);
}

void TGridCombo::finish(Word Key, TShiftState Shift)
{
    grid_->DoneInplaceEdit(Key, Shift);
    const TNavigation& nav = *grid_->Navigation();
    if (nav.AdvanceOnEnter() && nav.AdvanceAutoEdit())
        grid_->ShowInplaceEdit();
}

// Writes the text into the current cell and has it validated. A refusal keeps
// the editor open on the text validation left, selected, and stops the advance.
bool TGridCombo::commitWithValidation()
{
    const QString text = Text();
    grid_->SetCurrentCell(text);
    if (!grid_->ValidateCell(text)) {
        SetText(grid_->p->newCellText);
        if (isEditable())
            lineEdit()->selectAll();
        grid_->p->noAutoAdvance = true;
        return false;
    }
    SetText(grid_->CurrentCell());
    return true;
}

void TGridCombo::focusOutEvent(QFocusEvent* e)
{
    TComboBox::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason || !isVisible())
        return;
    if (grid_->LookupHistory() && !Text().isEmpty() && Items().IndexOf(Text()) < 0)
        Items().Add(Text());
    grid_->HideInplaceEdit();
}

// Each wheel step moves the selection by one item and is reported at once.
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
    reportItemChange();
}
