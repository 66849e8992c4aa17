#include "grid/cells/editors/EditLink.h"

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/objects/ExObjNavigation.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QFocusEvent>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

namespace {

// The pop-up window: it tells its link when it stops being the active window.
class GridPopupForm : public QWidget {
public:
    explicit GridPopupForm(TEditLink& link)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), link_(link)
    {
        setObjectName(QStringLiteral("gridform"));
    }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::WindowDeactivate && isVisible())
            link_.FormExit(this);
        return QWidget::event(e);
    }

private:
    TEditLink& link_;
};

}  // namespace

struct TEditLink::Data {
    QPointer<TExStringGrid> grid;
    bool wantKeyLeftRight = false;
    bool wantKeyUpDown = false;
    bool wantKeyHomeEnd = false;
    bool wantKeyPriorNext = false;
    bool wantKeyReturn = false;
    bool wantKeyEscape = false;
    TEditStyle editStyle = esInplace;
    std::unique_ptr<GridPopupForm> popupForm;
    int popupWidth = 0;
    int popupHeight = 0;
    bool forcedExit = false;
    TPoint editCell{-1, -1};
    int tag = 0;
    bool autoPopupWidth = false;
    int popupLeft = -1;
    int popupTop = -1;
    QPointer<QWidget> subClassed;
    bool wantReturns = false;
    bool wantTabs = false;
};

TEditLink::TEditLink(QObject* AOwner) : QObject(AOwner), d(std::make_unique<Data>()) {}

TEditLink::~TEditLink()
{
    if (d->subClassed)
        d->subClassed->removeEventFilter(this);
}

bool TEditLink::AutoPopupWidth() const { return d->autoPopupWidth; }
void TEditLink::SetAutoPopupWidth(bool Value) { d->autoPopupWidth = Value; }
TEditStyle TEditLink::EditStyle() const { return d->editStyle; }
void TEditLink::SetEditStyle(TEditStyle Value) { d->editStyle = Value; }
int TEditLink::PopupLeft() const { return d->popupLeft; }
void TEditLink::SetPopupLeft(int Value) { d->popupLeft = Value; }
int TEditLink::PopupTop() const { return d->popupTop; }
void TEditLink::SetPopupTop(int Value) { d->popupTop = Value; }
int TEditLink::PopupWidth() const { return d->popupWidth; }
void TEditLink::SetPopupWidth(int Value) { d->popupWidth = Value; }
int TEditLink::PopupHeight() const { return d->popupHeight; }
void TEditLink::SetPopupHeight(int Value) { d->popupHeight = Value; }
bool TEditLink::WantKeyLeftRight() const { return d->wantKeyLeftRight; }
void TEditLink::SetWantKeyLeftRight(bool Value) { d->wantKeyLeftRight = Value; }
bool TEditLink::WantKeyUpDown() const { return d->wantKeyUpDown; }
void TEditLink::SetWantKeyUpDown(bool Value) { d->wantKeyUpDown = Value; }
bool TEditLink::WantKeyHomeEnd() const { return d->wantKeyHomeEnd; }
void TEditLink::SetWantKeyHomeEnd(bool Value) { d->wantKeyHomeEnd = Value; }
bool TEditLink::WantKeyPriorNext() const { return d->wantKeyPriorNext; }
void TEditLink::SetWantKeyPriorNext(bool Value) { d->wantKeyPriorNext = Value; }
bool TEditLink::WantKeyReturn() const { return d->wantKeyReturn; }
void TEditLink::SetWantKeyReturn(bool Value) { d->wantKeyReturn = Value; }
bool TEditLink::WantKeyEscape() const { return d->wantKeyEscape; }
void TEditLink::SetWantKeyEscape(bool Value) { d->wantKeyEscape = Value; }
bool TEditLink::WantTabs() const { return d->wantTabs; }
void TEditLink::SetWantTabs(bool Value) { d->wantTabs = Value; }
bool TEditLink::WantReturns() const { return d->wantReturns; }
void TEditLink::SetWantReturns(bool Value) { d->wantReturns = Value; }
int TEditLink::Tag() const { return d->tag; }
void TEditLink::SetTag(int Value) { d->tag = Value; }

TExStringGrid* TEditLink::Grid() const { return d->grid; }
void TEditLink::SetGrid(TExStringGrid* Value) { d->grid = Value; }
TPoint TEditLink::EditCell() const { return d->editCell; }
void TEditLink::SetEditCell(const TPoint& Value) { d->editCell = Value; }

QWidget* TEditLink::PopupForm()
{
    if (!d->popupForm)
        d->popupForm = std::make_unique<GridPopupForm>(*this);
    return d->popupForm.get();
}

bool TEditLink::HasPopupForm() const { return d->popupForm != nullptr; }

// ---- what a descendant supplies -------------------------------------------------------------

QWidget* TEditLink::GetEditControl() { return nullptr; }
void TEditLink::CreateEditor(QWidget*) {}
void TEditLink::DestroyEditor() {}
QString TEditLink::GetEditorValue() { return QString(); }
void TEditLink::SetEditorValue(const QString&) {}
void TEditLink::SetProperties() {}
void TEditLink::SetCellProps(TColor, TFont*) {}

void TEditLink::SetRect(const TRect& R)
{
    QWidget* control = GetEditControl();
    if (!control || !d->grid)
        return;
    const int line = d->grid->GridLineWidth();
    control->setGeometry(R.Left, R.Top, R.Right - R.Left - line, R.Bottom - R.Top - line);
}

void TEditLink::SetVisible(bool Value)
{
    if (QWidget* control = GetEditControl())
        control->setVisible(Value);
}

// The control gets the link's event filter once per edit; without a control
// the grid keeps the focus.
void TEditLink::SetFocus(bool Value)
{
    QWidget* control = GetEditControl();
    if (!control)
        return;
    if (Value) {
        control->setVisible(true);
        control->setEnabled(true);
    }
    if (!d->subClassed) {
        control->installEventFilter(this);
        d->subClassed = control;
    }
    if (Value)
        control->setFocus(Qt::OtherFocusReason);
    else if (d->grid)
        d->grid->setFocus(Qt::OtherFocusReason);
}

// ---- values between the control and the cell ---------------------------------------------

QString TEditLink::GetCellValue()
{
    if (!d->grid)
        return QString();
    return d->grid->Cells(d->grid->DisplayToRealCol(d->grid->Col()), d->grid->Row());
}

void TEditLink::SetCellValue(const QString& Value)
{
    if (d->grid)
        d->grid->StoreEditorValue(d->grid->DisplayToRealCol(d->grid->Col()), d->grid->Row(), Value);
}

QWidget* TEditLink::GetParent()
{
    if (d->editStyle == esPopup && d->popupForm)
        return d->popupForm.get();
    return d->grid;
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    if (d->grid)
        d->grid->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::RestoreWinProc()
{
    QWidget* control = GetEditControl();
    if (d->editStyle != esInplace || !control)
        return;
    if (d->subClassed)
        d->subClassed->removeEventFilter(this);
    d->subClassed = nullptr;
    control->hide();
}

void TEditLink::EditExit(QObject*)
{
    HideEditor();
    if (d->editStyle == esPopup && d->popupForm) {
        DestroyEditor();
        d->popupForm->hide();
    }
}

void TEditLink::FormExit(QObject*)
{
    if (!d->grid)
        return;
    if (d->forcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(this);
    // The focus change this announces is the one under way; the flag goes
    // once it has been handled, so that later focus changes count again.
    d->grid->SetInvokedFocusChange(true);
    QTimer::singleShot(0, d->grid, [grid = d->grid] {
        if (grid)
            grid->SetInvokedFocusChange(false);
    });
}

// ---- keys ---------------------------------------------------------------------------------

bool TEditLink::isNavigationKey(Word Key, TShiftState Shift) const
{
    switch (Key) {
    case VK_TAB: return !d->wantTabs;
    case VK_RETURN: return !d->wantKeyReturn;
    case VK_ESCAPE: return !d->wantKeyEscape;
    case VK_PRIOR:
    case VK_NEXT: return !d->wantKeyPriorNext;
    case VK_HOME:
    case VK_END: return !d->wantKeyHomeEnd;
    case VK_LEFT:
    case VK_RIGHT: return !d->wantKeyLeftRight;
    case VK_UP:
    case VK_DOWN: return !d->wantKeyUpDown;
    default: return Shift.testFlag(ssAlt);
    }
}

// The grid takes the focus back without the control's exit ending the edit
// again, and reads the value into the cell.
void TEditLink::closeEdit()
{
    TExStringGrid* grid = d->grid;
    d->forcedExit = true;
    grid->setFocus(Qt::OtherFocusReason);
    d->forcedExit = false;
    grid->HideEditorControl(grid->Col(), grid->Row());
    if (d->editStyle == esPopup)
        EditExit(this);
}

// A key that ends the edit and moves on in the grid. Tab goes to the grid
// like the arrows; with goTabs the editor opens again on the cell reached.
void TEditLink::leaveToGrid(Word& Key, TShiftState Shift)
{
    TExStringGrid* grid = d->grid;
    if (Key == VK_ESCAPE) {
        Key = 0;
        return;
    }
    const bool tab = Key == VK_TAB;
    const bool arrow = Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN;
    if (arrow || tab) {
        Word gridKey = Key;
        grid->HandleKeyDown(gridKey, Shift);
    }
    if (QWidget* control = GetEditControl())
        control->setEnabled(false);
    d->forcedExit = true;
    grid->setFocus(Qt::OtherFocusReason);
    d->forcedExit = false;
    const bool reopen = tab && grid->Options().testFlag(goTabs) &&
                        !grid->HasClickableGraphic(grid->DisplayToRealCol(grid->Col()), grid->Row());
    if (reopen)
        QCoreApplication::postEvent(grid, new QKeyEvent(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier));
    Key = 0;
}

void TEditLink::EditKeyDown(QObject*, Word& Key, TShiftState Shift)
{
    TExStringGrid* grid = d->grid;
    if (!grid || !isNavigationKey(Key, Shift))
        return;
    if (Key == VK_TAB && grid->Navigation()->TabToNextAtEnd()) {
        closeEdit();
        const bool inGrid = grid->MoveByTab(Shift.testFlag(ssShift));
        if (inGrid && !grid->HasClickableGraphic(grid->DisplayToRealCol(grid->Col()), grid->Row()))
            QCoreApplication::postEvent(grid, new QKeyEvent(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier));
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE)
        SetEditorValue(grid->p->cellCache);
    closeEdit();
    grid->p->editMode = false;
    grid->QueryCanSelectCell(grid->Col(), grid->Row());
    if (grid->p->lastValidation) {
        if (Key == VK_RETURN) {
            grid->AdvanceAfterEdit(grid->Col(), grid->Row(), true, false, !Shift.testFlag(ssShift), true, false);
            Key = 0;
        } else {
            leaveToGrid(Key, Shift);
        }
    } else {
        grid->ShowEditorControl(grid->Col(), grid->Row());
        Key = 0;
    }
    grid->p->lastValidation = true;
}

bool TEditLink::controlKey(QObject* Control, QEvent* Event)
{
    auto* e = static_cast<QKeyEvent*>(Event);
    const bool tab = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
    const bool keepTab = d->wantTabs || (d->grid && d->grid->Options().testFlag(goTabs));
    if (tab && !keepTab)
        return false;
    Word key = tab ? Word(VK_TAB) : platform::VirtualKeyFromQt(e->key());
    if (key == 0)
        return false;
    TShiftState shift = platform::ShiftStateFromQt(e->modifiers());
    if (e->key() == Qt::Key_Backtab)
        shift |= ssShift;
    EditKeyDown(Control, key, shift);
    if (key == 0)
        return true;
    // A key the control keeps stays with it, also when the control has no
    // use for it: the grid beneath never sees it.
    static_cast<QObject*>(Control)->event(Event);
    Event->accept();
    return true;
}

bool TEditLink::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != d->subClassed)
        return false;
    if (Event->type() == QEvent::KeyPress)
        return controlKey(Watched, Event);
    if (Event->type() == QEvent::ShortcutOverride) {
        auto* e = static_cast<QKeyEvent*>(Event);
        if (e->key() == Qt::Key_Escape)
            e->accept();
        return false;
    }
    if (Event->type() == QEvent::FocusOut && d->editStyle == esInplace && !d->forcedExit && d->grid &&
        d->grid->EditMode()) {
        const auto reason = static_cast<QFocusEvent*>(Event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            EditExit(Watched);
    }
    return false;
}
