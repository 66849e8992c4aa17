// The grid's rich edits: sub- and superscript of the selection, rich-text
// cells opened and closed in the inplace rich edit, and rows growing while
// typing.

#include "grid/cells/editors/controls/ExRichEdit.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridCellSettings.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/grid/cells/GridInWindow.h"

#include <QtGui/QTextCursor>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

class ExRichEdit : public GridInWindow {
protected:
    void SetUp() override
    {
        MakeGrid(400, 300);
        grid->SetWordWrap(false);
        grid->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edRichEdit; };
        ShowWindow();
    }
    TExRichEdit* Editor() { return grid->InplaceRichEdit(); }
    void Open(int col, int row)
    {
        grid->SetCol(col);
        grid->SetRow(row);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F2);
    }
    void Select(int from, int to)
    {
        QTextCursor cursor = Editor()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        Editor()->setTextCursor(cursor);
    }
};

TEST_F(ExRichEdit, TheSelectionsVerticalAlignmentIsSetAndAnsweredForTheWholeSelection)
{
    TExRichEdit* editor = Editor();
    const struct {
        void (TExRichEdit::*set)();
        bool normal, sub, super;
    } cases[] = {
        {&TExRichEdit::SelSubscript, false, true, false},
        {&TExRichEdit::SelSuperscript, false, false, true},
        {&TExRichEdit::SelNormal, true, false, false},
    };
    for (const auto& c : cases) {
        editor->setPlainText("H2O");
        Select(1, 2);
        (editor->*c.set)();
        EXPECT_EQ(editor->IsSelNormal(), c.normal);
        EXPECT_EQ(editor->IsSelSubscript(), c.sub);
        EXPECT_EQ(editor->IsSelSuperscript(), c.super);
    }
    editor->setPlainText("H2O");
    Select(1, 2);
    editor->SelSubscript();
    Select(0, 3);  // a mixed selection has none of the alignments
    EXPECT_FALSE(editor->IsSelNormal());
    EXPECT_FALSE(editor->IsSelSubscript());
    EXPECT_FALSE(editor->IsSelSuperscript());
}

TEST_F(ExRichEdit, AMarkupCellOpensFormattedAndAnUnchangedCloseWritesItBack)
{
    const QString markup = QStringLiteral("<B>bold</B> <FONT COLOR=\"#FF0000\">red</FONT> H<SUB>2</SUB>O");
    grid->SetColWidths(1, 160);
    grid->SetColWidths(2, 160);
    grid->SetCells(1, 1, markup);
    Open(1, 1);
    ASSERT_TRUE(Editor()->isVisible());
    EXPECT_EQ(Editor()->toPlainText(), "bold red H2O");
    const auto formatAt = [&](int position) {
        QTextCursor cursor(Editor()->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    };
    EXPECT_EQ(formatAt(0).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(5).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatAt(10).verticalAlignment(), QTextCharFormat::AlignSubScript);
    grid->SetCells(2, 2, markup);
    platform::SaveScreenshot(*window, "rich_edit_open");
    grid->HideInplaceEdit();
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), markup);
}

TEST_F(ExRichEdit, ARichTextFormCellOpensAsPlainTextAndIsSavedAsMarkupAfterAnEdit)
{
    grid->SetCells(1, 1, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\b x}\\par y}");
    Open(1, 1);
    EXPECT_EQ(Editor()->toPlainText(), "x\ny");
    Select(0, 1);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    Editor()->mergeCurrentCharFormat(bold);
    grid->HideInplaceEdit();
    EXPECT_EQ(grid->Cells(1, 1), "<B>x</B><BR>y");
}

TEST_F(ExRichEdit, TypingGrowsTheRowWhileLoadingDoesNot)
{
    grid->SizeWhileTyping()->SetHeight(true);
    QList<int> sized;
    grid->OnEndRowSize = [&](TObject*, int row) { sized << row; };
    const int before = grid->RowHeights(1);
    grid->SetCells(1, 1, "a\r\nb\r\nc");
    Open(1, 1);
    ASSERT_TRUE(Editor()->isVisible());
    EXPECT_EQ(grid->RowHeights(1), before);
    EXPECT_TRUE(sized.isEmpty());

    Editor()->moveCursor(QTextCursor::End);
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTest::keyClicks(Editor(), "d");
    const int h = Editor()->RequestedHeight();
    EXPECT_EQ(grid->RowHeights(1), h + 10);
    EXPECT_EQ(Editor()->height(), h + 9);
    ASSERT_FALSE(sized.isEmpty());
    EXPECT_EQ(sized.last(), 1);
}

TEST_F(ExRichEdit, RichTextCellsAreMeasuredAndDrawnThroughTheHiddenRichEdit)
{
    grid->SetCells(1, 1, "{\\rtf1 first line\\par second}");
    const TSize one = grid->GetCellTextSize(1, 1, false, false);
    grid->SetCells(1, 1, "{\\rtf1 first line\\par second\\par third}");
    const TSize three = grid->GetCellTextSize(1, 1, false, false);
    EXPECT_GT(three.cy, one.cy);
    EXPECT_EQ(three.cy, grid->RichEdit()->ReqHeight() + 4);
    EXPECT_FALSE(grid->RichEdit()->isVisible());
    grid->SetColWidths(1, 150);
    grid->SetRowHeights(1, 50);
    grid->SetCells(1, 1, "{\\rtf1 rich \\par text}");
    grid->repaint();
    platform::SaveScreenshot(*window, "rich_text_cell");
}

}  // namespace
