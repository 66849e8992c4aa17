// An edit link over a line edit as the editor of edCustom cells: keys it keeps
// or hands back to the grid, Escape, the pop-up's place, and a link without a
// control.

#include "grid/cells/editors/EditLink.h"
#include "grid/engine/ExGrid.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "tests/grid/cells/GridInWindow.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

class LineEditLink : public TEditLink {
public:
    QLineEdit* edit = nullptr;

    void CreateEditor(QWidget* AParent) override
    {
        if (!edit)
            edit = new QLineEdit(AParent);
        else if (edit->parentWidget() != AParent)
            edit->setParent(AParent);
    }
    QWidget* GetEditControl() override { return edit; }
    QString GetEditorValue() override { return edit ? edit->text() : QString(); }
    void SetEditorValue(const QString& Value) override
    {
        if (edit)
            edit->setText(Value);
    }
};

class EditLink : public GridInWindow {
protected:
    LineEditLink link;

    void SetUp() override
    {
        MakeGrid(400, 300);
        grid->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edCustom; };
        grid->SetEditLink(&link);
        ShowWindow();
    }
    void Open(int col, int row)
    {
        grid->SetCol(col);
        grid->SetRow(row);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F2);
    }
    bool LinkOpen() const { return link.edit && link.edit->isVisible(); }
};

TEST_F(EditLink, UpAndDownStayInTheEditorOnlyWhenItWantsThem)
{
    for (const bool want : {true, false}) {
        link.SetWantKeyUpDown(want);
        grid->SetCells(1, 1, "a");
        Open(1, 1);
        ASSERT_TRUE(LinkOpen());
        EXPECT_EQ(link.edit->text(), "a");
        QTest::keyClicks(link.edit, "b");
        QTest::keyClick(link.edit, Qt::Key_Down);
        if (want) {
            EXPECT_TRUE(LinkOpen());
            EXPECT_EQ(grid->Row(), 1);
            grid->HideInplaceEdit();
        } else {
            EXPECT_FALSE(LinkOpen());
            EXPECT_EQ(grid->Row(), 2);
            EXPECT_TRUE(grid->hasFocus());
        }
        EXPECT_EQ(grid->Cells(1, 1), "ab");
    }
}

TEST_F(EditLink, EscapeWritesBackTheTextTheEditStartedWith)
{
    grid->SetCells(1, 1, "start");
    Open(1, 1);
    ASSERT_TRUE(LinkOpen());
    QTest::keyClicks(link.edit, "xyz");
    QTest::keyClick(link.edit, Qt::Key_Escape);
    EXPECT_FALSE(LinkOpen());
    EXPECT_EQ(grid->Cells(1, 1), "start");
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(EditLink, EnterClosesTheEditAndAdvancesEachTimeTheEditorOpens)
{
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->Navigation()->SetAdvanceDirection(adTopBottom);
    for (const int row : {1, 2}) {
        grid->SetCells(1, row, "");
        Open(1, row);
        ASSERT_TRUE(LinkOpen());
        QTest::keyClicks(link.edit, "v");
        QTest::keyClick(link.edit, Qt::Key_Return);
        EXPECT_EQ(grid->Cells(1, row), "v");
        EXPECT_EQ(grid->Row(), row + 1);
        grid->HideInplaceEdit();
    }
}

TEST_F(EditLink, APopupOpensAtTheCellOrWhereTheLinkSays)
{
    link.SetEditStyle(esPopup);
    link.SetPopupWidth(120);
    link.SetPopupHeight(40);
    Open(2, 2);
    ASSERT_TRUE(link.HasPopupForm());
    QWidget* form = link.PopupForm();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->objectName(), "gridform");
    const TRect cell = grid->CellRect(2, 2);
    EXPECT_EQ(form->pos(), grid->mapToGlobal(QPoint(cell.Left, cell.Top)));
    EXPECT_EQ(form->size(), QSize(120, 40));
    EXPECT_EQ(link.edit->parentWidget(), form);
    grid->HideInplaceEdit();

    link.SetPopupLeft(300);
    link.SetPopupTop(200);
    Open(1, 1);
    EXPECT_EQ(form->pos(), QPoint(300, 200));
}

TEST_F(EditLink, ALinkWithoutAControlOpensNothingAndTheGridKeepsTheFocus)
{
    TEditLink bare;
    grid->SetEditLink(&bare);
    grid->SetCells(1, 1, "kept");
    Open(1, 1);
    bare.SetRect(TRect{0, 0, 10, 10});
    bare.SetFocus(true);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_FALSE(grid->EditMode());
    grid->HideInplaceEdit();
    EXPECT_EQ(grid->Cells(1, 1), "kept");
    grid->SetEditLink(nullptr);
}

}  // namespace
