#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridPrintSettings.h"
#include "grid/foundation/objects/ExObjGridSettings.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Column 2 holds check boxes, every other cell is plain.
class CheckBoxColumnGrid : public TExStringGrid {
public:
    TCellType GetCellType(int ACol, int ARow) override
    {
        return ACol == 2 ? ctCheckBox : TExStringGrid::GetCellType(ACol, ARow);
    }
};

struct Visual {
    TGridDrawState state;
    TBrush brush;
    std::unique_ptr<TFont> font = std::make_unique<TFont>();
    TColor colorTo = 0;
    TColor mirror = 0;
    TColor mirrorTo = 0;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool wordWrap = false;
    TCellGradientDirection direction = GradientVertical;
};

Visual visualOf(TExStringGrid& grid, int col, int row, TGridDrawState state = {}, bool print = false)
{
    Visual v;
    v.state = state;
    grid.GetVisualProperties(col, row, v.state, print, true, true, &v.brush, v.colorTo, v.mirror, v.mirrorTo, v.font.get(),
                             v.ha, v.va, v.wordWrap, v.direction);
    return v;
}

void setOwnColors(TExStringGrid& grid, int col, int row, TColor color, TColor colorTo)
{
    grid.CellProperties(col, row)->SetBrushColor(color);
    grid.CellProperties(col, row)->SetBrushColorTo(colorTo);
}

} // namespace

TEST(ExGridVisual, MixColorsMixesEachChannelAndKeepsTheEnds)
{
    struct Case {
        TColor a, b;
        int percent;
        TColor expected;
    };
    const Case cases[] = {
        {clRed, clBlue, 50, 8388736},
        {clRed, clBlue, 100, clRed},
        {clRed, clBlue, 150, clRed},
        {clRed, clBlue, 0, clBlue},
        {clNone, clBlue, 50, clBlue},
        {clRed, clNone, 50, clRed},
        {TColor(0xEACAB6), clInfoBk, 50, 15131866},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TExStringGrid::MixColors(c.a, c.b, c.percent), c.expected) << c.a << " " << c.b << " " << c.percent;
}

TEST(ExGridVisual, FixedCellsKeepTheirOwnPlainColourButGraphicCellsTakeTheLookGradient)
{
    CheckBoxColumnGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetExGradientFrom(clYellow);
    grid.SetExGradientTo(clLime);
    setOwnColors(grid, 1, 0, clRed, clAqua);
    setOwnColors(grid, 2, 0, clRed, clNone);

    const Visual plain = visualOf(grid, 1, 0);
    EXPECT_EQ(plain.brush.Color(), clRed);
    EXPECT_EQ(plain.colorTo, clAqua);
    EXPECT_FALSE(plain.state.testFlag(gdFixed));

    const Visual check = visualOf(grid, 2, 0);
    EXPECT_EQ(check.brush.Color(), clYellow);
    EXPECT_EQ(check.colorTo, clLime);
    EXPECT_TRUE(check.state.testFlag(gdFixed));

    grid.SetLook(glClassic);
    const Visual classic = visualOf(grid, 3, 0);
    EXPECT_EQ(classic.brush.Color(), grid.FixedColor());
    EXPECT_EQ(classic.colorTo, clNone);
}

TEST(ExGridVisual, BandsAlternateOverDataRowsAndStopAtTheFooter)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(6);
    grid.SetFixedFooters(1);
    grid.Bands()->SetActive(true);
    EXPECT_EQ(visualOf(grid, 2, 1, {}, true).brush.Color(), grid.Color()) << "bands print only with Bands.Print";
    EXPECT_EQ(visualOf(grid, 2, 1).brush.Color(), clInfoBk);
    EXPECT_EQ(visualOf(grid, 2, 2).brush.Color(), clWindow);
    EXPECT_EQ(visualOf(grid, 2, 3).brush.Color(), clInfoBk);
    grid.SetLook(glClassic);
    EXPECT_EQ(visualOf(grid, 2, 5).brush.Color(), grid.FixedColor());
}

TEST(ExGridVisual, SelectedCellsTakeTheSelectionColoursOrTheMix)
{
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetSelection(TGridRect{1, 1, 2, 2});
    setOwnColors(grid, 2, 2, clInfoBk, clNone);

    const Visual plain = visualOf(grid, 1, 1);
    EXPECT_EQ(plain.brush.Color(), grid.SelectionColor());
    EXPECT_EQ(plain.font->Color(), grid.SelectionTextColor());
    EXPECT_TRUE(plain.state.testFlag(gdSelected));

    EXPECT_EQ(visualOf(grid, 2, 2).brush.Color(), grid.SelectionColor()) << "no mixing without the mixer";
    grid.SetSelectionColorMixer(true);
    EXPECT_EQ(visualOf(grid, 2, 2).brush.Color(), 15131866u);
    EXPECT_EQ(visualOf(grid, 3, 3).brush.Color(), grid.Color()) << "outside the selection";

    grid.SetSelectionColor(clNone);
    EXPECT_EQ(visualOf(grid, 1, 1).brush.Color(), clHighlight);
}

TEST(ExGridVisual, DisabledGridDrawsEveryFontInTheDisabledColour)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.setEnabled(false);
    EXPECT_EQ(visualOf(grid, 1, 1).font->Color(), 12632256u);
    EXPECT_EQ(visualOf(grid, 0, 0).font->Color(), 12632256u);
    grid.SetUseDisabledFont(false);
    EXPECT_NE(visualOf(grid, 1, 1).font->Color(), 12632256u);
}

TEST(ExGridVisual, CellColourEventAndGradientEventHaveTheirSay)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.OnGetCellColor = [](TObject*, int, int ACol, TGridDrawState, TBrush* ABrush, TFont*) {
        if (ACol == 2)
            ABrush->SetColor(clLime);
    };
    grid.OnGetCellGradient = [](TObject*, int, int ACol, TColor&, TColor& ColorTo, TColor&, TColor&,
                                TCellGradientDirection& GD) {
        if (ACol == 2) {
            ColorTo = clGreen;
            GD = GradientHorizontal;
        }
    };
    const Visual v = visualOf(grid, 2, 2);
    EXPECT_EQ(v.brush.Color(), clLime);
    EXPECT_EQ(v.colorTo, clGreen);
    EXPECT_EQ(v.direction, GradientHorizontal);
}

TEST(ExGridVisual, AlignmentComesFromDefaultsNumbersCellAndEvent)
{
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, " 12.5 ");
    grid.SetCells(2, 1, "abc");
    grid.SetCells(3, 1, "1e5");
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    grid.SetVAlignment(vtaCenter);
    grid.ComputeCellAlignment(1, 1, ha, va);
    EXPECT_EQ(ha, taLeftJustify);
    EXPECT_EQ(va, vtaCenter);

    grid.SetAutoNumAlign(true);
    grid.ComputeCellAlignment(1, 1, ha, va);
    EXPECT_EQ(ha, taRightJustify);
    grid.ComputeCellAlignment(2, 1, ha, va);
    EXPECT_EQ(ha, taLeftJustify);
    grid.ComputeCellAlignment(3, 1, ha, va);
    EXPECT_EQ(ha, taRightJustify);

    grid.CellProperties(1, 1)->SetAlignment(taCenter);
    grid.ComputeCellAlignment(1, 1, ha, va);
    EXPECT_EQ(ha, taCenter);

    grid.OnGetAlignment = [](TObject*, int, int, TAlignment& h, TVAlignment& v) {
        h = taLeftJustify;
        v = vtaBottom;
    };
    grid.ComputeCellAlignment(1, 1, ha, va);
    EXPECT_EQ(ha, taLeftJustify);
    EXPECT_EQ(va, vtaBottom);
}

TEST(ExGridVisual, PrintingTakesThePrintFontsUnlessTheDisplayFontIsUsed)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.PrintSettings()->Font()->SetName("Courier");
    grid.PrintSettings()->FixedFont()->SetName("Arial");
    EXPECT_EQ(visualOf(grid, 2, 2, {}, true).font->Name(), grid.Font().Name());
    grid.PrintSettings()->SetUseDisplayFont(false);
    EXPECT_EQ(visualOf(grid, 2, 2, {}, true).font->Name(), "Courier");
    EXPECT_EQ(visualOf(grid, 0, 2, {}, true).font->Name(), "Arial");
}
