#include "tests/grid/foundation/cellstore/BaseGridTestGrid.h"

#include "grid/foundation/util/ExUtilText.h"

#include <gtest/gtest.h>

#include <QtWidgets/QWidget>

namespace {

// Counts how many of its kind are alive, to show who frees cell graphics.
class CountedGraphic : public TObject {
public:
    static inline int alive = 0;
    CountedGraphic() { ++alive; }
    ~CountedGraphic() override { --alive; }
};

class CellStore : public ::testing::Test {
protected:
    void SetUp() override { CountedGraphic::alive = 0; }
    RecordingGrid grid;
};

TEST_F(CellStore, PlainCellsStoreTextWithoutHooksOrProperties)
{
    grid.SetCells(2, 3, QStringLiteral("abc"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("abc"));
    EXPECT_EQ(grid.GridCells(2, 3), QStringLiteral("abc"));
    EXPECT_FALSE(grid.HasCellProperties(2, 3));
    EXPECT_EQ(grid.GridObjects(2, 3), nullptr);
    EXPECT_EQ(grid.calls, std::vector<QString>{QStringLiteral("display 2,3")});
    EXPECT_FALSE(grid.HasCellProps());
}

TEST_F(CellStore, PropertiesAreCreatedOnFirstUseWithTheGridDefaults)
{
    grid.SetWordWrap(false);
    TCellProperties* props = grid.CellProperties(1, 2);
    ASSERT_NE(props, nullptr);
    EXPECT_EQ(grid.CellProperties(1, 2), props);
    EXPECT_EQ(grid.GridObjects(1, 2), props);
    EXPECT_EQ(grid.calls, std::vector<QString>{QStringLiteral("defaults 1,2")});
    EXPECT_TRUE(grid.HasCellProps());

    EXPECT_TRUE(props->IsBaseCell());
    EXPECT_EQ(props->CellSpanX(), -1);
    EXPECT_EQ(props->CellSpanY(), -1);
    EXPECT_EQ(props->OwnerCol(), 1);
    EXPECT_EQ(props->OwnerRow(), 2);
    EXPECT_EQ(props->BrushColor(), grid.Color());
    EXPECT_EQ(props->BrushColorTo(), clNone);
    EXPECT_EQ(props->FontName(), grid.Font().Name());
    EXPECT_EQ(props->Alignment(), taLeftJustify);
    EXPECT_EQ(props->VAlignment(), vtaTop);
    EXPECT_FALSE(props->WordWrap());
    EXPECT_FALSE(props->ReadOnly());
    EXPECT_EQ(props->NodeLevel(), 0);
    EXPECT_EQ(props->Editor(), edNormal);
    EXPECT_EQ(props->CalcType(), acNONE);
}

TEST(CellProperties, FreshRecordAndBaseCellRule)
{
    TCellProperties props(nullptr, 4, 5);
    EXPECT_EQ(props.BrushColor(), clNone);
    EXPECT_EQ(props.FontColor(), clNone);
    EXPECT_EQ(props.BaseCell(5, 7), (TPoint{5, 7}));
    props.SetIsBaseCell(false);
    EXPECT_EQ(props.BaseCell(5, 7), (TPoint{5, 7}));  // spans -1: the cell itself
    props.SetCellSpanX(2);
    props.SetCellSpanY(1);
    EXPECT_EQ(props.BaseCell(5, 7), (TPoint{3, 6}));
}

TEST(CellProperties, AssignCopiesPlainFieldsAndGradientButNeverTheGraphic)
{
    TCellProperties source(nullptr, 1, 1);
    TCellProperties target(nullptr, 2, 2);
    source.SetBrushColor(clRed);
    source.SetBrushColorTo(clBlue);
    source.SetGradientDirection(GradientHorizontal);
    source.SetAlignment(taCenter);
    source.SetReadOnly(true);
    source.SetGraphicObject(new CountedGraphic);
    source.SetCalcType(acSUM);
    target.Assign(source);
    EXPECT_EQ(target.BrushColor(), clRed);
    EXPECT_EQ(target.BrushColorTo(), clBlue);
    EXPECT_EQ(target.GradientDirection(), GradientHorizontal);
    EXPECT_EQ(target.Alignment(), taCenter);
    EXPECT_TRUE(target.ReadOnly());
    EXPECT_EQ(target.OwnerCol(), 1);
    EXPECT_EQ(target.GraphicObject(), nullptr);
    EXPECT_EQ(target.CalcType(), acNONE);
}

TEST_F(CellStore, NegativeCoordinatesAreRejectedByPropertyCalls)
{
    EXPECT_THROW(grid.CellProperties(-1, 0), EInvalidGridOperation);
    EXPECT_THROW(grid.SetCellProperties(0, -1, nullptr), EInvalidGridOperation);
    EXPECT_FALSE(grid.HasCellProperties(-1, -1));
    EXPECT_EQ(grid.Cells(-1, 2), QString());
}

TEST_F(CellStore, WritingACellWithPropertiesReportsTheChange)
{
    grid.CellProperties(3, 3);
    grid.calls.clear();
    grid.SetCells(3, 3, QStringLiteral("x"));
    EXPECT_EQ(grid.calls, std::vector<QString>{QStringLiteral("changed 3,3")});
}

TEST_F(CellStore, LastRowWriteRefreshesTheFooterOnlyWhileItIsHidden)
{
    grid.SetCells(0, 7, QStringLiteral("a"));
    EXPECT_EQ(grid.footerChanges, 0);
    grid.SetHideLastRow(true);
    grid.SetCells(0, 6, QStringLiteral("a"));
    EXPECT_EQ(grid.footerChanges, 0);
    grid.SetCells(0, 7, QStringLiteral("b"));
    EXPECT_EQ(grid.footerChanges, 1);
}

TEST_F(CellStore, DisplayEventsApplyToNormalRowsOnly)
{
    grid.OnGetDisplText = [](TObject*, int, int, QString& value) { value += QStringLiteral("!"); };
    grid.SetCells(1, 1, QStringLiteral("a"));
    grid.SetCells(1, 7, QStringLiteral("f"));
    grid.SetNormalRowCount(7);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("a!"));
    EXPECT_EQ(grid.Cells(1, 7), QStringLiteral("f"));
    EXPECT_EQ(grid.GridCells(1, 1), QStringLiteral("a"));
}

TEST_F(CellStore, WideTextEventReturnsTheEncodedFormOfNormalRows)
{
    grid.OnGetDisplWideText = [](TObject*, int, int, QString& value) { value = value.toUpper(); };
    grid.SetCells(0, 0, EncodeWideCellText(QStringLiteral("ab")));
    grid.SetCells(0, 7, QStringLiteral("raw"));
    grid.SetNormalRowCount(7);
    EXPECT_EQ(grid.Cells(0, 0), EncodeWideCellText(QStringLiteral("AB")));
    EXPECT_EQ(grid.Cells(0, 7), QStringLiteral("raw"));
}

TEST_F(CellStore, ObjectsLiveInThePropertiesAndLeaveAnEmptyCellEmpty)
{
    CountedGraphic user;
    EXPECT_EQ(grid.Objects(2, 2), nullptr);
    EXPECT_FALSE(grid.HasCellProperties(2, 2));
    grid.SetObjects(2, 2, &user);
    EXPECT_EQ(grid.Objects(2, 2), &user);
    EXPECT_EQ(grid.Cells(2, 2), QString());
    EXPECT_EQ(grid.GridObjects(2, 2), grid.CellProperties(2, 2));
    // The user object is not the grid's: freeing the properties leaves it.
    grid.FreeCellProperties(2, 2);
    EXPECT_EQ(CountedGraphic::alive, 1);
    EXPECT_EQ(grid.Objects(2, 2), nullptr);
}

TEST_F(CellStore, ResetClearsTheSlotWithoutFreeingAndEmptiesTheBaseText)
{
    TCellProperties* kept = grid.CellProperties(1, 1);
    grid.MergeCells(1, 1, 2, 1);
    grid.SetCells(1, 1, QStringLiteral("base"));
    // The caller of a reset keeps the record it takes out of the slot.
    std::unique_ptr<TObject> detached(grid.GridObjects(2, 1));
    grid.ResetCell(2, 1);
    EXPECT_EQ(grid.GridCells(1, 1), QString());
    EXPECT_FALSE(grid.HasCellProperties(2, 1));
    EXPECT_EQ(grid.GridObjects(1, 1), kept);
}

TEST_F(CellStore, FreeingAllPropertiesReachesSlotsBeyondTheCountsAndFreesGraphics)
{
    grid.SetGraphicObjects(6, 6, new CountedGraphic);
    grid.SetGraphicObjects(1, 1, new CountedGraphic);
    EXPECT_EQ(CountedGraphic::alive, 2);
    grid.SetColCount(3);
    grid.SetRowCount(3);  // (6, 6) now lies beyond the counts, as a hidden cell does
    grid.FreeAllCellProperties();
    EXPECT_EQ(CountedGraphic::alive, 0);
    EXPECT_EQ(grid.GridObjects(6, 6), nullptr);
    EXPECT_EQ(grid.GridObjects(1, 1), nullptr);
}

TEST(CellStoreLifetime, DestroyingTheGridFreesEveryPropertiesAndGraphic)
{
    CountedGraphic::alive = 0;
    {
        RecordingGrid grid;
        grid.SetGraphicObjects(7, 7, new CountedGraphic);
        grid.SetRowCount(2);
        grid.SetCellProperties(0, 0, new TCellProperties(&grid, 0, 0));
        grid.SetCellProperties(0, 0, new TCellProperties(&grid, 0, 0));  // frees the first
    }
    EXPECT_EQ(CountedGraphic::alive, 0);
}

TEST_F(CellStore, GraphicObjectsGoThroughTheProperties)
{
    auto* graphic = new CountedGraphic;
    grid.SetGraphicObjects(0, 1, graphic);
    EXPECT_EQ(grid.GraphicObjects(0, 1), graphic);
    EXPECT_EQ(TBaseGrid::GraphicObjectOf(grid.CellProperties(0, 1)), graphic);
    EXPECT_EQ(grid.Cells(0, 1), QString());
}

TEST_F(CellStore, SettingsKeepThePlatformsOwnDrawingOff)
{
    EXPECT_EQ(grid.GridLineWidth(), 1);
    EXPECT_EQ(grid.TCustomGrid::GridLineWidth(), 0);
    EXPECT_FALSE(grid.TCustomGrid::DefaultDrawing());
    grid.SetGridLineWidth(3);
    grid.SetDefaultDrawing(true);
    EXPECT_EQ(grid.GridLineWidth(), 3);
    EXPECT_EQ(grid.TCustomGrid::GridLineWidth(), 0);
    EXPECT_TRUE(grid.DefaultDrawing());
    EXPECT_FALSE(grid.TCustomGrid::DefaultDrawing());
    EXPECT_EQ(grid.GridLineColor(), clSilver);
    EXPECT_EQ(grid.GridFixedLineColor(), clGray);
    EXPECT_EQ(grid.ActiveRowColor(), clInfoBk);
    EXPECT_EQ(grid.HoverRowCells(), DefaultHoverRowCells);
}

TEST_F(CellStore, NeutralHookAnswers)
{
    TBaseGrid plain;
    plain.SetColCount(4);
    EXPECT_FALSE(plain.IsFixed(0, 0));
    EXPECT_EQ(plain.RowNodeIndent(1), 0);
    EXPECT_FALSE(plain.HasNodeRows());
    EXPECT_FALSE(plain.HasCellBorderEvent());
    EXPECT_FALSE(plain.QueryUseStyles());
    EXPECT_EQ(plain.DisplColIndex(3), 3);
    EXPECT_EQ(plain.TotalColCount(), 4);
}

TEST_F(CellStore, ComputedRectanglesFollowWidthsHeightsAndScrolling)
{
    grid.SetDefaultColWidth(50);
    grid.SetDefaultRowHeight(20);
    grid.SetColWidths(1, 30);
    EXPECT_EQ(grid.ComputeCellRect(2, 1), (TRect{80, 20, 130, 40}));
    EXPECT_EQ(grid.CellRect(2, 1), grid.ComputeCellRect(2, 1));
    grid.MergeCells(1, 1, 2, 2);
    EXPECT_EQ(grid.CellRect(2, 2), (TRect{50, 20, 130, 60}));
    EXPECT_EQ(grid.CellSize(1, 1), (TPoint{80, 40}));
}

}  // namespace
