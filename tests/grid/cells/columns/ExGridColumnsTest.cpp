// Column definitions and the column grid's answers from them on small grids.

#include "tests/grid/cells/columns/ColumnGridFixture.h"
#include "grid/cells/editors/GridEditors.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "platform/core/StringList.h"
#include "platform/ui/paint/Font.h"

#include <QtTest/QTest>
#include <QtWidgets/QMenu>

namespace {

TEST(ColumnDefinitions, AddedDefinitionCopiesTheLooksButNotTheContentOfItsLeftNeighbour)
{
    auto grid = MakeColumnGrid(3);
    TGridColumnItem* left = grid->Columns()->Items(2);
    left->SetAlignment(taCenter);
    left->SetReadOnly(true);
    left->SetColor(clYellow);
    left->SetHeader(QStringLiteral("FPort"));
    left->ComboItems()->Add(QStringLiteral("a"));
    left->Font()->SetSize(14);

    TGridColumnItem* added = grid->Columns()->Add();

    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(added->Alignment(), taCenter);
    EXPECT_TRUE(added->ReadOnly());
    EXPECT_EQ(added->Color(), grid->Color());
    EXPECT_EQ(added->Font()->Size(), grid->Font().Size());
    EXPECT_TRUE(added->Header().isEmpty());
    EXPECT_EQ(added->ComboItems()->Count(), 0);
}

TEST(ColumnDefinitions, HeadersGoIntoRowZeroAndColumnHeadersBothWays)
{
    auto grid = MakeColumnGrid(4);
    grid->Columns()->Items(2)->SetHeader(QStringLiteral("FPort"));
    EXPECT_EQ(grid->Cells(2, 0), QStringLiteral("FPort"));
    ASSERT_EQ(grid->ColumnHeaders()->Count(), 4);
    EXPECT_EQ(grid->ColumnHeaders()->Strings(2), QStringLiteral("FPort"));
    EXPECT_TRUE(grid->ColumnHeaders()->Strings(1).isEmpty());

    grid->SetColCount(10);
    TStringList headers;
    for (int i = 0; i < 10; ++i)
        headers.Add(QStringLiteral("H%1").arg(i));
    grid->SetColumnHeaders(headers);
    for (int i : {0, 5, 9})
        EXPECT_EQ(grid->Columns()->Items(i)->Header(), QStringLiteral("H%1").arg(i));
}

TEST(ColumnDefinitions, OnlyChangesToOrFromTheDataCheckBoxRepaint)
{
    struct Case {
        TEditorType from;
        TEditorType to;
        int repaints;
    };
    const Case cases[] = {{edNormal, edComboList, 0}, {edNormal, edDataCheckBox, 1}, {edDataCheckBox, edNormal, 1},
                          {edComboList, edComboList, 0}};
    for (const Case& c : cases) {
        auto grid = MakeColumnGrid(3);
        grid->Columns()->Items(1)->SetEditor(c.from);
        grid->repaints = 0;
        grid->Columns()->Items(1)->SetEditor(c.to);
        EXPECT_EQ(grid->repaints, c.repaints) << c.from << " -> " << c.to;
    }
}

// Three unfixed columns named A, B, C, with the first order recorded.
std::unique_ptr<CountingColumnGrid> namedColumns()
{
    auto grid = std::make_unique<CountingColumnGrid>();
    grid->SetColCount(3);
    grid->SetFixedCols(0);
    grid->SetRowCount(3);
    grid->Loaded();
    for (int i = 0; i < 3; ++i) {
        grid->Columns()->Items(i)->SetName(QString(QChar(u'A' + i)));
        grid->SetCells(i, 1, QString(QChar(u'a' + i)));
    }
    return grid;
}

TEST(ColumnDefinitions, ResetOrganizationRestoresTheFirstOrderAndEndsOnEqualPositions)
{
    auto grid = namedColumns();
    grid->MoveColumn(2, 0);
    ASSERT_EQ(DefinitionNames(*grid), (QStringList{"C", "A", "B"}));
    grid->Columns()->ResetOrganization();
    EXPECT_EQ(DefinitionNames(*grid), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(grid->Cells(0, 1) + grid->Cells(1, 1) + grid->Cells(2, 1), QStringLiteral("abc"));

    // AssignVisuals copies the first position into added definitions
    auto equal = namedColumns();
    for (int i = 0; i < 3; ++i)
        equal->Columns()->Items(i)->SetDefIdx(0);
    equal->Columns()->ResetOrganization();
    EXPECT_EQ(DefinitionNames(*equal), (QStringList{"A", "B", "C"}));
}

TEST(ColumnGrid, MoreColumnsCopyTheLooksOfTheLastDefinition)
{
    auto grid = MakeColumnGrid(10);
    grid->Columns()->Items(9)->SetAlignment(taRightJustify);
    grid->Columns()->Items(9)->SetEditor(edDataCheckBox);
    grid->SetColCount(12);
    ASSERT_EQ(grid->Columns()->Count(), 12);
    for (int i : {10, 11}) {
        EXPECT_EQ(grid->Columns()->Items(i)->Alignment(), taRightJustify);
        EXPECT_EQ(grid->Columns()->Items(i)->Editor(), edDataCheckBox);
    }
    grid->SetColCount(4);
    EXPECT_EQ(grid->Columns()->Count(), 4);
}

TEST(ColumnGrid, AMovedColumnTakesItsDefinitionAlong)
{
    for (const bool hiddenLeft : {false, true}) {
        auto grid = MakeColumnGrid(8);
        const int from = hiddenLeft ? 3 : 2;
        TGridColumnItem* moving = grid->Columns()->Items(from);
        moving->SetHeader(QStringLiteral("Enable"));
        moving->SetEditor(edDataCheckBox);
        moving->SetCheckTrue(QStringLiteral("1"));
        if (hiddenLeft)
            grid->HideColumn(1);
        QList<QPair<int, int>> moves;
        grid->OnAfterColumnMoved = [&](TObject*, int f, int t) { moves << qMakePair(f, t); };

        grid->MoveColumn(2, 5);

        const QPair<int, int> expected = hiddenLeft ? qMakePair(3, 6) : qMakePair(2, 5);
        EXPECT_EQ(moves, (QList<QPair<int, int>>{expected})) << hiddenLeft;
        const TGridColumnItem* moved = grid->Columns()->Items(expected.second);
        EXPECT_EQ(moved->Header(), QStringLiteral("Enable"));
        EXPECT_EQ(moved->Editor(), edDataCheckBox);
        EXPECT_EQ(moved->CheckTrue(), QStringLiteral("1"));
        EXPECT_EQ(grid->Columns()->Count(), 8);
    }
}

TEST(ColumnGrid, CheckBoxColumnsLendOneVirtualCheckBoxToTheirEmptyDataCells)
{
    for (const TControlStyle style : {csTheme, csFlat}) {
        auto grid = MakeColumnGrid(4);
        grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
        grid->ControlLook()->SetControlStyle(style);
        EXPECT_EQ(grid->GetCellType(2, 1), ctDataCheckBox);
        const TCellGraphic* graphic = grid->GetCellGraphic(2, 1);
        ASSERT_NE(graphic, nullptr);
        EXPECT_EQ(graphic->CellType, ctVirtCheckBox);
        EXPECT_EQ(graphic->CellTransparent, style == csFlat);
        EXPECT_EQ(grid->GetCellGraphic(2, 3), graphic) << "one graphic for every cell";
        EXPECT_EQ(grid->GetCellType(2, 0), ctEmpty);
        EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
    }
}

TEST(ColumnGrid, DataCellsAreEditableByTheirDefinitionAloneWithoutGoEditing)
{
    auto grid = MakeColumnGrid(6);
    grid->SetOptions(grid->Options() & ~TGridOptions(goEditing));
    grid->Columns()->Items(3)->SetReadOnly(true);
    grid->Columns()->Items(4)->SetFixed(true);
    grid->CellProperties(5, 2)->SetReadOnly(true);
    struct Case {
        int col, row;
        bool editable;
    };
    const Case cases[] = {{2, 1, true}, {3, 1, false}, {4, 1, false}, {2, 0, false}, {5, 2, false}, {5, 3, true}};
    for (const Case& c : cases) {
        bool editable = true;
        grid->QueryCellEditable(c.col, c.row, editable);
        EXPECT_EQ(editable, c.editable) << c.col << "," << c.row;
    }
}

TEST(ColumnGrid, ComboEditorGetsExactlyTheColumnsItemsEveryTime)
{
    auto grid = MakeColumnGrid(4);
    TGridColumnItem* numbers = grid->Columns()->Items(2);
    numbers->SetEditor(edComboList);
    for (int i = 0; i < 8; ++i)
        numbers->ComboItems()->Add(QString::number(i));
    grid->Columns()->Items(3)->SetEditor(edComboEdit);
    grid->Columns()->Items(3)->ComboItems()->Add(QStringLiteral("other"));
    for (const int col : {3, 2, 2, 3, 2}) {
        TEditorType editor = edNormal;
        grid->ConfigureCellEditor(col, 1, editor);
        EXPECT_EQ(editor, col == 2 ? edComboList : edComboEdit);
        const int expected = col == 2 ? 8 : 1;
        EXPECT_EQ(grid->EditCombo()->Items().Count(), expected) << col;
    }
    EXPECT_TRUE(grid->EditCombo()->isHidden());
    EXPECT_TRUE(grid->QueryHasComboBox(2, 1));
    EXPECT_FALSE(grid->QueryHasComboBox(2, 0));
}

TEST(ColumnGrid, ACustomColumnsEditLinkBecomesTheGridsLink)
{
    auto grid = MakeColumnGrid(4);
    TEditLink link;
    grid->Columns()->Items(2)->SetEditor(edCustom);
    grid->Columns()->Items(2)->SetEditLink(&link);
    for (const int col : {2, 3}) {
        TEditorType editor = edNormal;
        grid->ConfigureCellEditor(col, 1, editor);
        EXPECT_EQ(grid->EditLink(), col == 2 ? &link : nullptr) << col;
    }
}

TEST(ColumnGrid, WidthsKeepTheColumnsBoundsAndTheEditLengthItsColumn)
{
    auto grid = MakeColumnGrid(4);
    grid->Columns()->Items(2)->SetMinSize(40);
    grid->Columns()->Items(2)->SetMaxSize(100);
    const std::pair<int, int> widths[] = {{20, 40}, {150, 100}, {70, 70}};
    for (auto [given, kept] : widths) {
        int width = given;
        grid->AdjustColumnSize(2, width);
        EXPECT_EQ(width, kept) << given;
        width = given;
        grid->AdjustColumnSize(3, width);
        EXPECT_EQ(width, given) << "column without bounds";
    }

    grid->Columns()->Items(2)->SetEditLength(15);
    grid->SetCol(2);
    EXPECT_EQ(grid->GetEditLimit(), 15);
    grid->SetCol(3);
    EXPECT_EQ(grid->GetEditLimit(), 0);
}

TEST(ColumnGrid, ColumnStreamsRoundTripAndABadStreamChangesNothing)
{
    auto grid = MakeColumnGrid(4);
    TGridColumnItem* c = grid->Columns()->Items(2);
    c->SetHeader(QStringLiteral("Région"));
    c->SetEditor(edComboList);
    c->ComboItems()->Add(QStringLiteral("0"));
    c->ComboItems()->Add(QStringLiteral("1"));
    c->SetCheckTrue(QStringLiteral("1"));
    c->SetReadOnly(true);
    c->SetBorders(TCellBorders{cbTop, cbBottom});
    c->SetSortStyle(TSortStyle::ssNumeric);
    c->HeaderFont()->SetSize(11);
    c->SetName(QStringLiteral("Port"));
    const QByteArray saved = grid->SaveColumnsToStream();

    auto other = MakeColumnGrid(2);
    other->LoadColumnsFromStream(saved);
    EXPECT_EQ(other->SaveColumnsToStream().size(), saved.size());
    ASSERT_EQ(other->Columns()->Count(), 4);
    const TGridColumnItem* read = other->GetColumnByName(QStringLiteral("Port"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Header(), QStringLiteral("Région"));
    EXPECT_EQ(read->Editor(), edComboList);
    EXPECT_EQ(read->ComboItems()->Count(), 2);
    EXPECT_EQ(read->CheckTrue(), QStringLiteral("1"));
    EXPECT_TRUE(read->ReadOnly());
    EXPECT_EQ(read->Borders(), (TCellBorders{cbTop, cbBottom}));
    EXPECT_EQ(read->SortStyle(), TSortStyle::ssNumeric);
    EXPECT_EQ(read->HeaderFont()->Size(), 11);
    EXPECT_EQ(other->GetColumnByName(QStringLiteral("none")), nullptr);

    auto target = MakeColumnGrid(3);
    const QByteArray before = target->SaveColumnsToStream();
    QByteArray wrongVersion = saved;
    wrongVersion[6] = 9;
    const QByteArray bad[] = {saved.left(saved.size() - 1), saved.left(40), saved.left(3), QByteArray("XYZ"),
                              wrongVersion, saved + QByteArray(1, 'x')};
    for (const QByteArray& stream : bad) {
        EXPECT_THROW(target->LoadColumnsFromStream(stream), EExGridError) << stream.size();
        EXPECT_EQ(target->SaveColumnsToStream(), before);
    }
}

TEST(ColumnGrid, ColumnPopupOpensAtTheCellsBottomLeftOnTheChosenClick)
{
    QWidget window;
    window.resize(500, 300);
    auto* grid = new CountingColumnGrid(&window);
    grid->setGeometry(0, 0, 500, 300);
    grid->SetColCount(4);
    grid->SetRowCount(5);
    grid->Loaded();
    QMenu menu;
    menu.addAction(QStringLiteral("Clear"));
    grid->Columns()->Items(2)->SetColumnPopup(&menu);
    grid->Columns()->Items(2)->SetColumnPopupType(cpNormalCellsLClick);
    QList<QPoint> raised;
    grid->OnColumnPopup = [&](TObject*, int c, int r, QMenu* m) {
        EXPECT_EQ(m, &menu);
        raised << QPoint(c, r);
    };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto centre = [&](int c, int r) {
        const TRect R = grid->CellRect(c, r);
        return QPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    };

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(2, 0));
    EXPECT_TRUE(raised.isEmpty()) << "a header click is no normal-cell click";
    EXPECT_FALSE(menu.isVisible());

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(2, 2));
    EXPECT_EQ(raised, QList<QPoint>{QPoint(2, 2)});
    ASSERT_TRUE(menu.isVisible());
    const TRect R = grid->CellRect(2, 2);
    EXPECT_EQ(menu.pos(), grid->viewport()->mapToGlobal(QPoint(R.Left, R.Bottom)));
    menu.hide();

    grid->Columns()->Items(2)->SetColumnPopup(nullptr);
    {
        QMenu gone;
        grid->Columns()->Items(3)->SetColumnPopup(&gone);
    }
    EXPECT_EQ(grid->Columns()->Items(3)->ColumnPopup(), nullptr) << "a destroyed menu is forgotten";
}

}  // namespace
