// Rich-text cells: the grid's two rich edits, loading and saving a cell's
// rich text (kept as markup), drawing and measuring it, and the edRichEdit
// editor over a cell.

#include "grid/cells/editors/controls/ExRichEdit.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "grid/foundation/markup/ExUtilRichText.h"
#include "platform/ui/paint/Canvas.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QAbstractTextDocumentLayout>
#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>
#include <QtGui/QTextDocument>

TExRichEdit* TExStringGrid::RichEdit()
{
    if (!p->richEdit) {
        p->richEdit = new TExRichEdit(this);
        p->richEdit->setGeometry(0, 0, 0, 0);
        p->richEdit->setFrameShape(QFrame::NoFrame);
        p->richEdit->hide();
    }
    return p->richEdit;
}

TExRichEdit* TExStringGrid::InplaceRichEdit()
{
    if (!p->inplaceRichEdit) {
        p->inplaceRichEdit = new TExRichEdit(this);
        p->inplaceRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        p->inplaceRichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        p->inplaceRichEdit->hide();
        p->inplaceRichEdit->OnSelectionChange = [this](TObject*) {
            if (OnRichEditSelectionChange)
                OnRichEditSelectionChange(this);
        };
    }
    return p->inplaceRichEdit;
}

void TExStringGrid::CellToRich(int ACol, int ARow, QTextEdit* ARichEdit)
{
    if (ARichEdit)
        LoadCellRichText(ARichEdit->document(), Cells(ACol, ARow));
}

QString TExStringGrid::RichToString(QTextEdit* ARichEdit)
{
    if (p->destroying || !ARichEdit)
        return QString();
    return DocumentToMarkup(ARichEdit->document());
}

void TExStringGrid::RichToCell(int ACol, int ARow, QTextEdit* ARichEdit)
{
    SetCells(ACol, ARow, RichToString(ARichEdit));
}

// The document of the hidden rich edit is drawn inset by the horizontal text
// offset.
void TExStringGrid::DrawRichTextCell(int ACol, int ARow, const TRect& ARect, TCanvas* Canvas)
{
    if (QueryDesignMode())
        return;
    QPainter* painter = Canvas->painter();
    if (!painter)
        return;
    TExRichEdit* editor = RichEdit();
    CellToRich(ACol, ARow, editor);
    const int inset = p->xyOffset.X;
    const QRect area(ARect.Left + inset, ARect.Top + inset, ARect.Width() - 2 * inset, ARect.Height() - 2 * inset);
    if (area.width() <= 0 || area.height() <= 0)
        return;
    QTextDocument* document = editor->document();
    painter->save();
    painter->translate(area.topLeft());
    painter->setClipRect(QRect(QPoint(0, 0), area.size()));
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, ToQColor(Canvas->Font()->Color()));
    document->setTextWidth(area.width());
    document->documentLayout()->draw(painter, context);
    painter->restore();
}

// The size the hidden rich edit asks for with the cell's content, wrapped to
// the rectangle when WordWrap.
TSize TExStringGrid::measureRichTextCell(int ARealCol, int ARow, const TRect& R, bool WordWrap)
{
    TExRichEdit* editor = RichEdit();
    CellToRich(ARealCol, ARow, editor);
    editor->document()->setTextWidth(WordWrap ? std::max(1, R.Right - R.Left) : -1);
    editor->document()->size();  // lays the content out, which reports its size
    return TSize{editor->ReqWidth(), editor->ReqHeight() + 4};
}

void TExStringGrid::showRichEdit(int ACol, int ARow)
{
    const int realCol = DisplayToRealCol(ACol);
    const TRect r = CellRect(ACol, ARow);
    TExRichEdit* editor = InplaceRichEdit();
    p->editMode = true;
    editor->setFrameShape(QFrame::NoFrame);
    editor->setGeometry(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1);
    QueryEditorProperties(realCol, ARow, nullptr);
    editor->Lock();
    CellToRich(realCol, ARow, editor);
    if (p->navigation->EditSelectAll())
        editor->selectAll();
    editor->show();
    editor->setEnabled(true);
    editor->SetFormattingRect(TRect{2, 2, r.Right - r.Left - 2, r.Bottom - r.Top - 2});
    editor->setFocus(Qt::OtherFocusReason);
    if (!p->startEditChar.isNull())
        QCoreApplication::postEvent(editor, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier,
                                                          QString(p->startEditChar)));
    editor->Unlock();
    p->editCtrl = editor;
}

void TExStringGrid::hideRichEdit(int ACol, int ARow)
{
    TExRichEdit* editor = InplaceRichEdit();
    StoreEditorValue(DisplayToRealCol(ACol), ARow, RichToString(editor));
    editor->setEnabled(false);
    editor->hide();
    p->editMode = false;
}
