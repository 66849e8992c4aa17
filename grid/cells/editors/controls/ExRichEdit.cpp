#include "grid/cells/editors/controls/ExRichEdit.h"

#include "grid/engine/ExGridCellSettings.h"
#include "grid/engine/ExGridPrivate.h"

#include <QtGui/QFocusEvent>
#include <QtGui/QKeyEvent>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtWidgets/QApplication>

TExRichEdit::TExRichEdit(TExStringGrid* AOwner) : TRichEdit(AOwner), grid_(AOwner)
{
    setTabChangesFocus(false);
}

void TExRichEdit::SelNormal() { setSelectionAlignment(QTextCharFormat::AlignNormal); }
void TExRichEdit::SelSubscript() { setSelectionAlignment(QTextCharFormat::AlignSubScript); }
void TExRichEdit::SelSuperscript() { setSelectionAlignment(QTextCharFormat::AlignSuperScript); }

bool TExRichEdit::IsSelNormal() const { return selectionHasAlignment(QTextCharFormat::AlignNormal); }
bool TExRichEdit::IsSelSubscript() const { return selectionHasAlignment(QTextCharFormat::AlignSubScript); }
bool TExRichEdit::IsSelSuperscript() const { return selectionHasAlignment(QTextCharFormat::AlignSuperScript); }

void TExRichEdit::setSelectionAlignment(int Alignment)
{
    QTextCharFormat format;
    format.setVerticalAlignment(QTextCharFormat::VerticalAlignment(Alignment));
    mergeCurrentCharFormat(format);
}

// Every character of the selection is looked at; a mixed selection has none
// of the alignments.
bool TExRichEdit::selectionHasAlignment(int Alignment) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return currentCharFormat().verticalAlignment() == Alignment;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const bool overlaps = fragment.position() < end && fragment.position() + fragment.length() > start;
            if (overlaps && fragment.charFormat().verticalAlignment() != Alignment)
                return false;
        }
    }
    return true;
}

void TExRichEdit::RequestSize(int width, int height)
{
    if (!grid_)
        return;
    if (grid_->p->richEdit == this) {
        reqWidth_ = width;
        reqHeight_ = height;
    }
    if (grid_->p->inplaceRichEdit == this && grid_->SizeWhileTyping()->Height() && !locked_)
        growRow(height);
}

// The row grows so that the typed text stays in view, as long as the grown
// cell still fits into the grid.
void TExRichEdit::growRow(int Height)
{
    const int row = grid_->Row();
    const TRect cell = grid_->CellRect(grid_->Col(), row);
    if (grid_->RowHeights(row) >= Height + 5 || cell.Top + Height + 5 >= grid_->height())
        return;
    resize(width(), Height + 9);
    grid_->SetRowHeights(row, Height + 10);
    if (grid_->OnEndRowSize)
        grid_->OnEndRowSize(grid_, row);
}

void TExRichEdit::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    if (tab && grid_ && grid_->Options().testFlag(goTabs)) {
        Word gridKey = VK_TAB;
        grid_->setFocus(Qt::OtherFocusReason);
        grid_->HandleKeyDown(gridKey, platform::ShiftStateFromQt(e->modifiers()));
        grid_->ShowInplaceEdit();
        return;
    }
    TRichEdit::keyPressEvent(e);
    const bool upDown = key == Qt::Key_Up || key == Qt::Key_Down;
    if (upDown && grid_ && !grid_->WordWrap() && !grid_->Multilinecells()) {
        Word gridKey = key == Qt::Key_Up ? VK_UP : VK_DOWN;
        grid_->setFocus(Qt::OtherFocusReason);
        grid_->HandleKeyDown(gridKey, platform::ShiftStateFromQt(e->modifiers()));
    }
}

void TExRichEdit::focusOutEvent(QFocusEvent* e)
{
    if (grid_ && grid_->p->invokedFocusChange)
        return;
    if (grid_ && QApplication::focusWidget() == grid_)
        grid_->HideInplaceEdit();
    TRichEdit::focusOutEvent(e);
}
