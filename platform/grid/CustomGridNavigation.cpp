// Current cell, selection, keyboard navigation and the in-place editor.

#include "platform/grid/CustomGrid.h"

#include "platform/grid/CustomGridPrivate.h"
#include "platform/grid/InplaceEdit.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>

#include <algorithm>

int TCustomGrid::Col() const { return d->current.X; }
int TCustomGrid::Row() const { return d->current.Y; }

void TCustomGrid::SetCol(int value)
{
    if (value != d->current.X)
        MoveColRow(value, d->current.Y, true, true);
}

void TCustomGrid::SetRow(int value)
{
    if (value != d->current.Y)
        MoveColRow(d->current.X, value, true, true);
}

TGridRect TCustomGrid::Selection() const
{
    const TGridCoord a = d->anchor;
    const TGridCoord c = d->current;
    TGridRect r{std::min(a.X, c.X), std::min(a.Y, c.Y), std::max(a.X, c.X), std::max(a.Y, c.Y)};
    if (d->options.testFlag(goRowSelect)) {
        r.Left = d->cols.fixed;
        r.Right = d->cols.count - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& value)
{
    const TGridRect old = Selection();
    const TGridCoord oldCurrent = d->current;
    d->anchor = value.TopLeft();
    d->current = value.BottomRight();
    if (d->current != oldCurrent && !d->options.testFlag(goAlwaysShowEditor))
        HideEditor();
    InvalidateRect(old);
    InvalidateRect(Selection());
    currentCellMoved(oldCurrent);
}

void TCustomGrid::currentCellMoved(TGridCoord oldCurrent)
{
    if (d->current != oldCurrent)
        platform::grid::NotifyAccessibleCurrentCell(this);
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= d->cols.count || ARow >= d->rows.count)
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (!SelectCell(ACol, ARow))
        return;
    const TGridRect oldSelection = Selection();
    const TGridCoord oldCurrent = d->current;
    d->current = {ACol, ARow};
    if (MoveAnchor || !d->options.testFlag(goRangeSelect))
        d->anchor = d->current;
    if (Show)
        ClampInView(ACol, ARow);
    if (d->current != oldCurrent) {
        if (d->options.testFlag(goAlwaysShowEditor))
            ShowEditor();
        else
            HideEditor();
    }
    InvalidateRect(oldSelection);
    InvalidateRect(Selection());
    currentCellMoved(oldCurrent);
    if (d->current != oldCurrent)
        Click();
}

// ---- keyboard --------------------------------------------------------------------

void TCustomGrid::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    platform::grid::RunReportingFaults([&] {
        Word key = platform::VirtualKeyFromQt(e->key());
        const TShiftState shift = platform::ShiftStateFromQt(e->modifiers());
        if (key != 0)
            WMKeyDown(key, shift);
        for (QChar ch : e->text()) {
            if (ch.unicode() == 0x7F)
                continue;  // Delete brings no character
            QChar c = ch;
            KeyPress(c);
        }
    });
}

void TCustomGrid::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    platform::grid::RunReportingFaults([&] {
        Word key = platform::VirtualKeyFromQt(e->key());
        if (key != 0)
            KeyUp(key, platform::ShiftStateFromQt(e->modifiers()));
    });
}

void TCustomGrid::WMKeyDown(Word& Key, TShiftState Shift) { KeyDown(Key, Shift); }

bool TCustomGrid::focusNextPrevChild(bool next)
{
    // With goTabs the Tab key moves inside the grid instead of to the next control.
    if (d->options.testFlag(goTabs) && !d->options.testFlag(goRowSelect))
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

bool TCustomGrid::event(QEvent* e)
{
    if (e->type() == QEvent::WindowDeactivate)
        CancelMode();
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if ((ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) && d->options.testFlag(goTabs) &&
            !d->options.testFlag(goRowSelect)) {
            keyPressEvent(ke);
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
    if (Key == 0)
        return;
    keyNavigate(Key, Shift);
}

void TCustomGrid::KeyUp(Word& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TCustomGrid::keyNavigate(Word key, TShiftState shift)
{
    if (key == VK_F2) {
        ShowEditor();
        return;
    }
    if (key == VK_TAB) {
        if (d->options.testFlag(goTabs) && !d->options.testFlag(goRowSelect))
            tabNavigate(shift.testFlag(ssShift));
        return;
    }
    if (layoutDirection() == Qt::RightToLeft && (key == VK_LEFT || key == VK_RIGHT))
        key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
    const bool ctrl = shift.testFlag(ssCtrl);
    const bool rowSelect = d->options.testFlag(goRowSelect);
    const int rowPage = std::max(1, VisibleRowCount() - 1);
    const int colPage = std::max(1, VisibleColCount() - 1);
    TGridCoord cur = d->current;
    TGridCoord top{d->cols.first, d->rows.first};
    switch (key) {
    case VK_UP:
        (ctrl ? top.Y : cur.Y) -= 1;
        break;
    case VK_DOWN:
        (ctrl ? top.Y : cur.Y) += 1;
        break;
    case VK_LEFT:
    case VK_RIGHT: {
        const int step = key == VK_LEFT ? -1 : 1;
        if (ctrl) {
            if (!rowSelect) {
                cur.X += step * colPage;
                top.X += step * colPage;
            }
        } else if (rowSelect) {
            cur.Y += step;
        } else {
            cur.X += step;
        }
        break;
    }
    case VK_PRIOR:
        if (ctrl) {
            cur.Y = d->rows.first;
        } else {
            cur.Y -= rowPage;
            top.Y -= rowPage;
        }
        break;
    case VK_NEXT:
        if (ctrl) {
            cur.Y = d->rows.first + std::max(1, VisibleRowCount()) - 1;
        } else {
            cur.Y += rowPage;
            top.Y += rowPage;
        }
        break;
    case VK_HOME:
        if (ctrl) {
            cur = {d->cols.fixed, d->rows.fixed};
        } else if (rowSelect) {
            cur.Y = d->rows.fixed;
        } else {
            cur.X = d->cols.fixed;
        }
        break;
    case VK_END:
        if (ctrl) {
            cur = {d->cols.count - 1, d->rows.count - 1};
        } else if (rowSelect) {
            cur.Y = d->rows.count - 1;
        } else {
            cur.X = d->cols.count - 1;
        }
        break;
    default:
        return;
    }
    const TGridCoord maxTl = MaxTopLeft();
    top.X = std::clamp(top.X, d->cols.fixed, std::max(d->cols.fixed, maxTl.X));
    top.Y = std::clamp(top.Y, d->rows.fixed, std::max(d->rows.fixed, maxTl.Y));
    cur.X = std::clamp(cur.X, d->cols.fixed, d->cols.count - 1);
    cur.Y = std::clamp(cur.Y, d->rows.fixed, d->rows.count - 1);
    if (top.X != d->cols.first || top.Y != d->rows.first)
        MoveTopLeft(top.X, top.Y);
    if (cur != d->current)
        MoveColRow(cur.X, cur.Y, !shift.testFlag(ssShift), true);
}

void TCustomGrid::tabNavigate(bool backwards)
{
    TGridCoord cur = d->current;
    if (backwards) {
        if (--cur.X < d->cols.fixed) {
            cur.X = d->cols.count - 1;
            if (--cur.Y < d->rows.fixed)
                return;
        }
    } else if (++cur.X >= d->cols.count) {
        cur.X = d->cols.fixed;
        if (++cur.Y >= d->rows.count)
            return;
    }
    MoveColRow(cur.X, cur.Y, true, true);
}

void TCustomGrid::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
    if (Key.unicode() == 0 || !d->options.testFlag(goEditing))
        return;
    editorKeyPress(Key);
}

// Enter opens or commits the editor, Esc restores the text and closes it, and a
// printable character opens it with that character as its text.
void TCustomGrid::editorKeyPress(QChar& key)
{
    const bool shown = d->editor && d->editor->isVisible();
    const char16_t c = key.unicode();
    if (c == u'\r') {
        if (d->options.testFlag(goAlwaysShowEditor)) {
            if (shown) {
                d->editOriginal = d->editor->text();
                SetEditText(d->editCell.X, d->editCell.Y, d->editOriginal);
                d->editor->selectAll();
            }
        } else if (shown) {
            HideEditor();
        } else {
            ShowEditor();
        }
        key = QChar();
    } else if (c == 0x1B) {
        if (shown) {
            d->editor->setText(d->editOriginal);
            if (d->options.testFlag(goAlwaysShowEditor))
                d->editor->selectAll();
            else
                HideEditor();
            key = QChar();
        }
    } else if (c >= 0x20 && !shown) {
        ShowEditor();
        if (d->editor && d->editor->isVisible()) {
            d->editor->selectAll();
            d->editor->insert(QString(key));
            key = QChar();
        }
    }
}

// ---- in-place editor -----------------------------------------------------------

bool TCustomGrid::EditorMode() const { return d->editorMode; }

void TCustomGrid::SetEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

TInplaceEdit* TCustomGrid::InplaceEditor() const { return d->editor; }

bool TCustomGrid::CanEditShow()
{
    return d->options.testFlag(goEditing) && !d->options.testFlag(goRowSelect) && d->editorMode;
}

QString TCustomGrid::GetEditText(int, int) { return QString(); }
void TCustomGrid::SetEditText(int, int, const QString&) {}
QString TCustomGrid::GetEditMask(int, int) { return QString(); }
int TCustomGrid::GetEditLimit() { return 0; }

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::ShowEditor()
{
    d->editorMode = true;
    if (!CanEditShow()) {
        d->editorMode = false;
        return;
    }
    if (!d->editor) {
        d->editor = CreateEditor();
        d->editor->setParent(viewport());
        d->editor->hide();
    }
    if (d->editor->isVisible()) {
        if (d->editCell == d->current) {
            placeEditor();
            return;
        }
        commitAndHideEditor();
    }
    d->editCell = d->current;
    d->editor->UpdateContents();
    d->editOriginal = d->editor->text();
    d->editor->selectAll();
    placeEditor();
    if (!d->editor->isVisible()) {
        d->editCell = {-1, -1};
        d->editorMode = false;
        return;
    }
    d->editor->setFocus(Qt::OtherFocusReason);
}

void TCustomGrid::HideEditor()
{
    d->editorMode = false;
    commitAndHideEditor();
}

void TCustomGrid::commitAndHideEditor()
{
    if (!d->editor || !d->editor->isVisible())
        return;
    const TGridCoord cell = d->editCell;
    const bool hadFocus = d->editor->hasFocus();
    d->editCell = {-1, -1};
    // The grid takes the focus before the editor hides, so the editor sees
    // the focus go to its grid.
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    d->editor->hide();
    SetEditText(cell.X, cell.Y, d->editor->text());
}

void TCustomGrid::UpdateEditor()
{
    if (!d->editor || !d->editor->isVisible())
        return;
    d->editor->UpdateContents();
    d->editOriginal = d->editor->text();
    d->editor->selectAll();
    placeEditor();
}

void TCustomGrid::InvalidateEditor()
{
    if (d->editor && d->editor->isVisible())
        placeEditor();
}

void TCustomGrid::placeEditor()
{
    const TRect r = CellRect(d->editCell.X, d->editCell.Y);
    if (IsRectEmpty(r)) {
        commitAndHideEditor();
        return;
    }
    d->editor->BoundsChanged(r);
}

// ---- focus --------------------------------------------------------------------------

bool TCustomGrid::IsFocusInside() const { return d->focusInside; }

// The grid counts as focused while the focus is on it or on its editor, so moving
// into the editor is no exit; nor is the list an editor pops up, which holds
// the focus only while it is open.
static bool focusInsideGrid(const QWidget* grid, const QWidget* now)
{
    for (const QWidget* w = now; w; w = w->parentWidget()) {
        if (w == grid)
            return true;
        if (w->isWindow() && w->windowType() != Qt::Popup)
            return false;
    }
    return false;
}

void TCustomGrid::focusMoved(QWidget* now)
{
    const bool inside = focusInsideGrid(this, now);
    if (inside == d->focusInside)
        return;
    d->focusInside = inside;
    InvalidateCell(d->current.X, d->current.Y);
    if (!inside)
        CancelMode();
    if (inside)
        DoEnter();
    else
        DoExit();
}

void TCustomGrid::DoEnter()
{
    if (d->options.testFlag(goAlwaysShowEditor))
        ShowEditor();
    if (OnEnter)
        OnEnter(this);
}

void TCustomGrid::DoExit()
{
    if (OnExit)
        OnExit(this);
}
