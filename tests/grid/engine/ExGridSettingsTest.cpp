#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/ExGridCellSettings.h"
#include "grid/engine/layout/ExGridColumnSize.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/ExGridPrintSettings.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObjGridSettings.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "platform/core/StringList.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Canvas.h"

#include <gtest/gtest.h>

TEST(ExGridSettings, ColumnSizeCopiesItsNineSettingsFromItsOwnKindOnly)
{
    TExStringGrid grid;
    TColumnSize source(&grid);
    EXPECT_EQ(source.Rows(), arAll);
    EXPECT_EQ(source.Location(), clRegistry);
    source.SetRows(arFixed);
    source.SetSave(true);
    source.SetKey("k");
    source.SetSection("s");
    source.SetStretch(true);
    source.SetStretchColumn(2);
    source.SetSynchWithGrid(true);
    source.SetSynchNormalCellsOnly(true);
    source.SetLocation(clIniFile);
    TColumnSize copy(&grid);
    copy.Assign(&source);
    EXPECT_EQ(copy.Rows(), arFixed);
    EXPECT_TRUE(copy.Save());
    EXPECT_EQ(copy.Key(), "k");
    EXPECT_EQ(copy.Section(), "s");
    EXPECT_TRUE(copy.Stretch());
    EXPECT_EQ(copy.StretchColumn(), 2);
    EXPECT_TRUE(copy.SynchWithGrid());
    EXPECT_TRUE(copy.SynchNormalCellsOnly());
    EXPECT_EQ(copy.Location(), clIniFile);

    TColumnSize other(&grid);
    other.Assign(grid.Bands());
    EXPECT_FALSE(other.Save());
}

TEST(ExGridSettings, ControlLookHandsItsFixedGradientsToTheGrid)
{
    TExStringGrid grid;
    TControlLook& look = *grid.ControlLook();
    look.SetFixedGradientFrom(clBtnFace);
    EXPECT_EQ(grid.ExGradientFrom(), ColorToRGB(clBtnFace)) << "resolved to RGB";
    look.SetFixedGradientTo(clNone);
    EXPECT_EQ(grid.ExGradientTo(), ColorToRGB(clBtnFace)) << "an unset colour is not handed on";
    grid.SetExGradientMirrorFrom(clRed);
    look.SetFixedGradientMirrorFrom(clNone);
    EXPECT_EQ(grid.ExGradientMirrorFrom(), clNone) << "mirror colours are always handed on";
    look.SetFixedGradientDownBorder(clBlue);
    EXPECT_EQ(grid.ExGradientDownBorder(), clBlue);

    TExStringGrid other;
    TControlLook copy(&other);
    look.SetFixedGradientFrom(clWhite);
    look.SetFixedGradientTo(clSilver);
    look.SetControlStyle(csWinXP);
    copy.Assign(&look);
    EXPECT_EQ(copy.FixedGradientFrom(), clWhite);
    EXPECT_EQ(copy.FixedGradientTo(), clSilver);
    EXPECT_EQ(copy.ControlStyle(), csWinXP);
    EXPECT_EQ(other.ExGradientTo(), ColorToRGB(clBtnFace)) << "Assign does not forward to the grid";

    look.SetCommentColor(clBlue);
    look.Init();
    EXPECT_EQ(look.CommentColor(), clRed);
    EXPECT_EQ(look.FixedGradientFrom(), clNone);
    EXPECT_EQ(look.FixedGradientHoverFrom(), clGray);
    EXPECT_EQ(look.CheckSize(), 15);
    EXPECT_EQ(look.DropDownCount(), 8);
}

TEST(ExGridSettings, ProgressAppearanceReportsOnlyChangesAndCopiesWithOneReport)
{
    TGridProgressAppearance look;
    int changes = 0;
    look.OnChange = [&](TObject*) { ++changes; };
    look.SetSteps(11);
    EXPECT_EQ(changes, 0);
    look.SetSteps(5);
    EXPECT_EQ(changes, 1);
    TGridProgressAppearance source;
    source.SetStyle(psClassic);
    source.SetLevel1Perc(60);
    look.Assign(&source);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(look.Style(), psClassic);
    EXPECT_EQ(look.Level1Perc(), 60);
    EXPECT_EQ(look.Steps(), 11);
    look.SetSteps(3);
    EXPECT_EQ(changes, 3) << "the copy keeps the listener";
}

TEST(ExGridSettings, CopiesLeaveOutWhatTheirKindKeeps)
{
    TBalloonSettings balloon, balloonCopy;
    balloon.SetTransparency(40);
    balloon.SetInitialDelay(300);
    int enableChanges = 0;
    balloonCopy.OnEnableChange = [&](TObject*) { ++enableChanges; };
    balloon.SetEnable(true);
    balloonCopy.Assign(&balloon);
    EXPECT_EQ(balloonCopy.InitialDelay(), 300);
    EXPECT_TRUE(balloonCopy.Enable());
    EXPECT_EQ(balloonCopy.Transparency(), 0);
    EXPECT_EQ(enableChanges, 0);

    TGrouping grouping, groupingCopy;
    grouping.SetSummary(true);
    grouping.SetSummaryLineWidth(5);
    grouping.SetHeaderUnderline(true);
    grouping.SetGroupCountFormat("%d");
    groupingCopy.Assign(&grouping);
    EXPECT_FALSE(groupingCopy.Summary());
    EXPECT_EQ(groupingCopy.SummaryLineWidth(), 2);
    EXPECT_TRUE(groupingCopy.HeaderUnderline());
    EXPECT_EQ(groupingCopy.GroupCountFormat(), "%d");

    TExStringGrid grid;
    TSortSettings sort(&grid), sortCopy(&grid);
    sort.SetIgnoreCase(true);
    sort.SetSortOnVirtualCells(false);
    sort.SetColumn(3);
    sort.SetUpGlyph(std::make_unique<TBitmap>(4, 4).get());
    sortCopy.Assign(&sort);
    EXPECT_EQ(sortCopy.Column(), 3);
    EXPECT_FALSE(sortCopy.IgnoreCase());
    EXPECT_TRUE(sortCopy.SortOnVirtualCells());
    EXPECT_EQ(sortCopy.UpGlyph()->Width(), 4);

    TFloatingFooter footer(&grid), footerCopy(&grid);
    footer.SetVisible(true);
    footer.SetBorderColor(clRed);
    footerCopy.Assign(&footer);
    EXPECT_TRUE(footerCopy.Visible());
    EXPECT_EQ(footerCopy.BorderColor(), clNone);

    TDragDropSettings drag(&grid), dragCopy(&grid);
    drag.SetOleDropTarget(true);
    drag.SetShowCells(false);
    dragCopy.Assign(&drag);
    EXPECT_TRUE(dragCopy.OleDropTarget());
    EXPECT_FALSE(dragCopy.ShowCells());
    EXPECT_EQ(dragCopy.Owner(), &grid);
}

TEST(ExGridSettings, SortRowStaysWithinTheFixedRows)
{
    TExStringGrid grid;
    grid.SortSettings()->SetRow(1);
    EXPECT_EQ(grid.SortSettings()->Row(), 1);
    try {
        grid.SortSettings()->SetRow(2);
        ADD_FAILURE() << "a row beyond the fixed rows was taken";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Sort row should be smaller than number of fixed rows"));
    }
    EXPECT_EQ(grid.SortSettings()->Row(), 1);
}

TEST(ExGridSettings, FilterDropDownReportsPictureChangesOnly)
{
    TFilterDropDown dropDown;
    int changes = 0;
    dropDown.OnChange = [&](TObject*) { ++changes; };
    dropDown.SetWidth(200);
    dropDown.SetColor(clRed);
    EXPECT_EQ(changes, 0);
    TBitmap glyph(8, 8);
    dropDown.SetGlyph(&glyph);
    EXPECT_EQ(changes, 1);
    TFilterDropDown copy;
    copy.Assign(&dropDown);
    EXPECT_EQ(copy.Width(), 200);
    EXPECT_EQ(copy.Glyph()->Width(), 8);
}

TEST(ExGridSettings, GroupHeaderAndSummaryRowsGetTheirLines)
{
    class GroupedGrid : public TExStringGrid {
    public:
        TCellType GetCellType(int ACol, int ARow) override
        {
            if (ACol == 0 && ARow == 2)
                return ctNode;
            if (ACol == 0 && ARow == 5)
                return ctSummary;
            return TExStringGrid::GetCellType(ACol, ARow);
        }
    };
    GroupedGrid grid;
    grid.Grouping()->SetHeaderUnderline(true);
    grid.Grouping()->SetSummaryLine(true);
    grid.Grouping()->SetSummaryLineColor(clRed);
    struct Case {
        int col, row;
        TCellBorders borders;
        TColor color;
    };
    for (const Case c : {Case{1, 2, TCellBorders{cbBottom}, clBlue}, Case{0, 2, TCellBorders{}, clBlack},
                         Case{3, 5, TCellBorders{cbTop}, clRed}, Case{1, 3, TCellBorders{}, clBlack}}) {
        TPen pen;
        pen.SetColor(clBlack);
        TCellBorders borders;
        grid.QueryCellBorder(c.col, c.row, &pen, borders);
        EXPECT_EQ(borders, c.borders) << c.col << "," << c.row;
        EXPECT_EQ(pen.Color(), c.color) << c.col << "," << c.row;
    }
}

TEST(ExGridSettings, TheGridCopiesItsSettingsObjectsAndKeepsItsOwn)
{
    TExStringGrid source;
    source.SortSettings()->SetShow(true);
    source.Grouping()->SetMergeHeader(true);
    source.CellNode()->SetNodeIndent(20);
    source.DragScrollOptions()->SetActive(true);
    source.ProgressAppearance()->SetSteps(4);
    TExStringGrid grid;
    TSortSettings* own = grid.SortSettings();
    grid.Assign(&source);
    EXPECT_EQ(grid.SortSettings(), own);
    EXPECT_TRUE(grid.SortSettings()->Show());
    EXPECT_TRUE(grid.Grouping()->MergeHeader());
    EXPECT_EQ(grid.CellNode()->NodeIndent(), 20);
    EXPECT_TRUE(grid.DragScrollOptions()->Active());
    EXPECT_EQ(grid.ProgressAppearance()->Steps(), 4);
}

TEST(ExGridSettings, FilterConditionsJoinFromTheSecondOnAndAreFoundByColumn)
{
    TExStringGrid grid;
    TFilter& filter = *grid.Filter();
    EXPECT_EQ(filter.Add()->Operation(), foNONE);
    EXPECT_EQ(filter.Add()->Operation(), foAND);
    EXPECT_EQ(filter.Insert(0)->Operation(), foSHORT);
    filter.Items(1)->SetColumn(3);
    EXPECT_EQ(filter.ColumnFilter(3), filter.Items(1));
    EXPECT_TRUE(filter.HasFilter(3));
    TFilterData* added = filter.ColumnFilter(4);
    EXPECT_EQ(filter.Count(), 4);
    EXPECT_EQ(added->Column(), 4);
    filter.Items(2)->SetColumn(3);
    filter.RemoveColumnFilter(3);
    EXPECT_FALSE(filter.HasFilter(3));
    EXPECT_EQ(filter.Count(), 2);
    EXPECT_THROW(filter.Items(2), EListError);

    TExStringGrid copy;
    filter.Items(0)->SetCondition("a*");
    copy.Assign(&grid);
    ASSERT_EQ(copy.Filter()->Count(), 2);
    EXPECT_EQ(copy.Filter()->Items(0)->Condition(), "a*");
    EXPECT_NE(copy.Filter()->Items(0), filter.Items(0));
}

TEST(ExGridSettings, HTMLSettingsCopyAllButImagesAndWidths)
{
    THTMLSettings source, copy;
    source.SetExportImages(false);
    source.SetWidth(80);
    source.SetSummary("s");
    source.ColWidths()->Add(5);
    copy.Assign(&source);
    EXPECT_TRUE(copy.ExportImages());
    EXPECT_EQ(copy.Width(), 80);
    EXPECT_EQ(copy.Summary(), "s");
    EXPECT_EQ(copy.ColWidths()->Count(), 0);
}

TEST(ExGridSettings, PrintSettingsCopyByContentAndKeepTheirFixedCellsChoice)
{
    TExStringGrid grid;
    TPrintSettings& source = *grid.PrintSettings();
    EXPECT_EQ(source.DateFormat(), "dd/mm/yyyy");
    EXPECT_EQ(source.PageNumSep(), "/");
    EXPECT_EQ(source.Borders(), pbSingle);
    source.SetFitToPage(fpShrink);
    source.SetFixedCellsAlways(true);
    source.TitleLines()->Add("title");
    source.HeaderFont()->SetSize(20);
    TExStringGrid other;
    other.Assign(&grid);
    const TPrintSettings& copy = *other.PrintSettings();
    EXPECT_EQ(copy.FitToPage(), fpShrink);
    EXPECT_FALSE(copy.FixedCellsAlways());
    EXPECT_EQ(copy.TitleLines()->Count(), 1);
    EXPECT_NE(copy.TitleLines(), source.TitleLines());
    EXPECT_EQ(copy.HeaderFont()->Size(), 20);
}

TEST(ExGridSettings, WritersThatChangeWhatIsSeenReportIt)
{
    TExStringGrid grid;
    int reports = 0;
    auto count = [&](TObject*) { ++reports; };
    TBackGround background;
    background.OnChange = count;
    background.SetDisplay(bdGradientVert);
    TFloatingFooter footer(&grid);
    footer.OnChange = count;
    footer.SetVisible(true);
    footer.SetShowHint(true);  // a plain value
    TCellNode node;
    node.OnChange = count;
    node.SetNodeIndent(16);
    node.SetExpandOne(true);  // a plain value
    TShowModified modified;
    modified.OnChange = count;
    modified.SetColor(clRed);
    modified.SetEnabled(true);  // a plain value
    EXPECT_EQ(reports, 4);
    EXPECT_EQ(background.Display(), bdGradientVert);
    EXPECT_EQ(node.NodeIndent(), 16);
}
