// The grid's check box and push button editors: both show the cell's text
// as caption and write nothing back; their keys hand navigation to the grid.

#include "grid/cells/editors/GridEditors.h"

#include "grid/engine/ExGridPrivate.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QKeyEvent>

namespace {

bool isOneOf(int Key, std::initializer_list<int> keys)
{
    return std::find(keys.begin(), keys.end(), Key) != keys.end();
}

void placeOver(QWidget& control, const TRect& Box)
{
    control.setGeometry(Box.Left, Box.Top, Box.Right - Box.Left, Box.Bottom - Box.Top);
}

}  // namespace

// ---- check box -----------------------------------------------------------------------------

TGridCheckBox::TGridCheckBox(TExStringGrid* AGrid) : TCheckBox(AGrid->viewport()), grid_(AGrid)
{
    hide();
    setEnabled(false);
}

TGridCheckBox* TExStringGrid::EditCheck()
{
    if (!p->editCheck)
        p->editCheck = new TGridCheckBox(this);
    return p->editCheck;
}

void TGridCheckBox::OpenInCell(int ACol, int ARow, const TRect& Box)
{
    grid_->p->editMode = true;
    placeOver(*this, Box);
    SetCaption(grid_->QueryEditText(ACol, ARow));
    setEnabled(true);
    SetState(cbUnchecked);
    show();
    setFocus(Qt::OtherFocusReason);
}

void TGridCheckBox::CloseInCell()
{
    setEnabled(false);
    hide();
    grid_->p->editMode = false;
}

// Space toggles here, once per press; the toolkit's own toggle on its release
// and on the mouse release is left out.
void TGridCheckBox::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (key == Qt::Key_Space) {
        if (!e->isAutoRepeat())
            toggle();
        e->accept();
        return;
    }
    if (!isOneOf(key, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Left,
                       Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})) {
        TCheckBox::keyPressEvent(e);
        return;
    }
    e->accept();
    grid_->HideInplaceEdit();
    grid_->setFocus(Qt::OtherFocusReason);
    const TShiftState shift = platform::ShiftStateFromQt(e->modifiers());
    Word vk = platform::VirtualKeyFromQt(key);
    if (vk == VK_RETURN)
        grid_->AdvanceAfterEdit(grid_->Col(), grid_->Row(), false, false, true, false, false);
    else if (vk == VK_UP || vk == VK_DOWN)
        grid_->HandleKeyDown(vk, shift);
}

void TGridCheckBox::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space) {
        e->accept();
        return;
    }
    TCheckBox::keyReleaseEvent(e);
}

void TGridCheckBox::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        toggle();
        e->accept();
        return;
    }
    TCheckBox::mousePressEvent(e);
}

void TGridCheckBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        e->accept();
        return;
    }
    TCheckBox::mouseReleaseEvent(e);
}

void TGridCheckBox::focusOutEvent(QFocusEvent* e)
{
    if (isVisible() && e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason)
        grid_->HideInplaceEdit();
    TCheckBox::focusOutEvent(e);
}

// ---- push button ---------------------------------------------------------------------------

TGridButton::TGridButton(TExStringGrid* AGrid) : TButton(AGrid->viewport()), grid_(AGrid)
{
    hide();
    setEnabled(false);
    OnClick = [this](TObject*) { grid_->FireButtonClick(grid_->Col(), grid_->Row()); };
}

TGridButton* TExStringGrid::GridButton()
{
    if (!p->gridButton)
        p->gridButton = new TGridButton(this);
    return p->gridButton;
}

// The button covers the cell with its grid lines.
void TGridButton::OpenInCell(int ACol, int ARow, const TRect& Box)
{
    grid_->p->editMode = true;
    placeOver(*this, TRect{Box.Left - 1, Box.Top - 1, Box.Right + 1, Box.Bottom + 1});
    SetCaption(grid_->QueryEditText(ACol, ARow));
    show();
    setEnabled(true);
    setFocus(Qt::OtherFocusReason);
    grid_->p->editCtrl = this;
}

void TGridButton::CloseInCell()
{
    setEnabled(false);
    hide();
    grid_->p->editMode = false;
}

// The arrows reach the grid as if it had the focus: the button goes, the
// grid leaves editing and moves.
void TGridButton::leave(Word Key)
{
    const int qtKey = platform::QtKeyFromVirtualKey(Key);
    hide();
    setEnabled(false);
    grid_->HideInplaceEdit();
    grid_->SetEditorMode(false);
    grid_->setFocus(Qt::OtherFocusReason);
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(grid_, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(grid_, &release);
}

void TGridButton::keyPressEvent(QKeyEvent* e)
{
    const Word key = platform::VirtualKeyFromQt(e->key());
    if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) {
        e->accept();
        leave(key);
        return;
    }
    if (key == VK_ESCAPE) {
        e->accept();
        hide();
        setEnabled(false);
        grid_->HideInplaceEdit();
        grid_->RestoreCellFromCache();
        grid_->setFocus(Qt::OtherFocusReason);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(grid_, &press);
        return;
    }
    if (key == VK_SPACE) {
        e->accept();
        return;
    }
    TButton::keyPressEvent(e);
}

void TGridButton::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
        e->accept();
        ellipsClick();
        update();
        return;
    }
    TButton::keyReleaseEvent(e);
}

void TGridButton::mouseReleaseEvent(QMouseEvent* e)
{
    const bool over = rect().contains(e->position().toPoint()) && isDown();
    TButton::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && over)
        ellipsClick();
}

// The caption passes through OnEllipsClick into the cell.
void TGridButton::ellipsClick()
{
    QString caption = Caption();
    grid_->FireEllipsClick(grid_->Col(), grid_->Row(), caption);
    SetCaption(caption);
    grid_->SetCurrentCell(caption);
}

void TGridButton::focusOutEvent(QFocusEvent* e)
{
    if (isVisible() && e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason)
        grid_->HideInplaceEdit();
    TButton::focusOutEvent(e);
}
