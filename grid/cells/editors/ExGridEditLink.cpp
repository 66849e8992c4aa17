// The edCustom editor: the grid's edit link opened over a cell or in its
// pop-up window, and closed again.

#include "grid/cells/editors/EditLink.h"
#include "grid/engine/ExGridPrivate.h"
#include "platform/ui/paint/Font.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QWidget>

TEditLink* TExStringGrid::EditLink() const { return p->editLink; }

void TExStringGrid::SetEditLink(TEditLink* Value)
{
    if (p->editLink)
        disconnect(p->editLink, &QObject::destroyed, this, nullptr);
    p->editLink = Value;
    if (Value)
        connect(Value, &QObject::destroyed, this, [this] { p->editLink = nullptr; });
}

bool TExStringGrid::InvokedFocusChange() const { return p->invokedFocusChange; }
void TExStringGrid::SetInvokedFocusChange(bool Value) { p->invokedFocusChange = Value; }

namespace {

// The pop-up stands at the cell's top-left corner on the screen, unless the
// link names a place of its own.
void openPopup(TExStringGrid& grid, TEditLink& link, const TRect& cell)
{
    if (link.AutoPopupWidth())
        link.SetPopupWidth(cell.Right - cell.Left);
    QWidget* form = link.PopupForm();
    const bool atCell = link.PopupLeft() == -1 || link.PopupTop() == -1;
    const QPoint at = atCell ? grid.mapToGlobal(QPoint(cell.Left, cell.Top)) : QPoint(link.PopupLeft(), link.PopupTop());
    form->move(at);
    form->show();
    form->move(at);
    form->resize(std::max(1, link.PopupWidth()), std::max(1, link.PopupHeight()));
    link.CreateEditor(form);
}

}  // namespace

void TExStringGrid::showEditLink(int ACol, int ARow)
{
    TEditLink* link = p->editLink;
    if (!link)
        return;
    const int realCol = DisplayToRealCol(ACol);
    const TRect cell = CellRect(ACol, ARow);
    const bool popup = link->EditStyle() == esPopup;
    p->editMode = true;
    link->SetGrid(this);
    link->SetEditCell(TPoint{realCol, ARow});
    if (popup)
        openPopup(*this, *link, cell);
    else
        link->CreateEditor(this);
    // Without a control nothing opens, and nothing is written back.
    if (!link->GetEditControl()) {
        if (link->HasPopupForm())
            link->PopupForm()->hide();
        p->editMode = false;
        p->specialEditor = false;
        p->editActive = false;
        p->editing = false;
        return;
    }
    link->SetRect(popup ? TRect{0, 0, link->PopupWidth(), link->PopupHeight()} : cell);
    link->SetVisible(true);
    link->SetCellProps(Color(), GetCellFont(ACol, ARow));
    link->SetProperties();
    QueryEditorProperties(realCol, ARow, link);
    link->SetEditorValue(QueryEditText(ACol, ARow));
    const QChar startChar = p->startEditChar;
    link->SetFocus(true);
    p->startEditChar = startChar;
    p->editActive = true;
    QWidget* control = link->GetEditControl();
    if (!startChar.isNull() && control)
        QCoreApplication::postEvent(control, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(startChar)));
    p->editCtrl = control;
}

void TExStringGrid::hideEditLink(int ACol, int ARow)
{
    TEditLink* link = p->editLink;
    if (link) {
        StoreEditorValue(DisplayToRealCol(ACol), ARow, link->GetEditorValue());
        if (link->EditStyle() != esPopup)
            link->SetVisible(false);
        link->RestoreWinProc();
    }
    p->editMode = false;
}
