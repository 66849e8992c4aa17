#include "grid/foundation/cellstore/BaseGrid.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>
#include <QtWidgets/QApplication>

#include <map>
#include <memory>
#include <utility>

namespace {

constexpr int kCellW = 64;
constexpr int kCellH = 24;
constexpr TColor kFixed = 0x00D0E0F0;
constexpr TColor kNormal = 0x00FFFFFF;
constexpr TColor kHover = 0x0000C0FF;
constexpr TColor kActive = 0x00FF8040;

// A cell store whose cells take their colours from a table and which records
// what it hands to RenderCellContent.
class PaintGrid : public TBaseGrid {
public:
    struct Look {
        TColor color = clNone;
        TColor colorTo = clNone;
        TColor mirror = clNone;
        TColor mirrorTo = clNone;
        TCellGradientDirection gd = GradientVertical;
    };
    std::map<std::pair<int, int>, Look> looks;
    std::map<std::pair<int, int>, TRect> content;
    std::map<std::pair<int, int>, int> rendered;
    bool useStyles = false;
    bool nodeRows = false;

    PaintGrid()
    {
        SetScrollBars(ssNone);
        SetDefaultColWidth(kCellW);
        SetDefaultRowHeight(kCellH);
        SetColCount(3);
        SetRowCount(3);
        SetColor(kNormal);
        SetFixedColor(kFixed);
    }

    void GetVisualProperties(int ACol, int ARow, TGridDrawState&, bool, bool, bool, TBrush* ABrush,
                             TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, TFont*, TAlignment&,
                             TVAlignment&, bool&, TCellGradientDirection& GD) override
    {
        const auto it = looks.find({ACol, ARow});
        if (it == looks.end())
            return;
        ABrush->SetColor(it->second.color);
        AColorTo = it->second.colorTo;
        AMirrorColor = it->second.mirror;
        AMirrorColorTo = it->second.mirrorTo;
        GD = it->second.gd;
    }
    void RenderCellContent(TCanvas*, int ACol, int ARow, const TRect& ARect, TGridDrawState) override
    {
        content[{ACol, ARow}] = ARect;
        ++rendered[{ACol, ARow}];
    }
    bool QueryUseStyles() override { return useStyles; }
    bool HasNodeRows() override { return nodeRows; }

    using TBaseGrid::SetHideLastRow;
    using TBaseGrid::SetHoverRowIdx;
    using TBaseGrid::SetShowSel;
};

class CellPainting : public ::testing::Test {
protected:
    CellPainting() : image(400, 200, QImage::Format_RGB32), canvas(&image) { image.fill(Qt::black); }

    // Shows the grid with a client area of the given size and paints it once.
    void ShowGrid(int clientW, int clientH)
    {
        grid->resize(clientW + 4, clientH + 4);
        grid->show();
        QApplication::processEvents();
        ASSERT_EQ(grid->ClientWidth(), clientW);
    }
    QImage FullPaint()
    {
        grid->rendered.clear();
        return grid->viewport()->grab().toImage();
    }
    // Paints a cell as the grid's paint loop would, fixed cells marked fixed.
    void Paint(int c, int r, TGridDrawState state = {})
    {
        if (c < grid->FixedCols() || r < grid->FixedRows())
            state |= gdFixed;
        grid->PaintCell(&canvas, c, r, grid->CellRect(c, r), state);
    }
    TColor Pixel(int x, int y) const
    {
        const QColor q = image.pixelColor(x, y);
        return RGB(q.red(), q.green(), q.blue());
    }
    int Rendered(int c, int r) const
    {
        const auto it = grid->rendered.find({c, r});
        return it == grid->rendered.end() ? 0 : it->second;
    }
    static TColor PixelOf(const QImage& shot, int x, int y)
    {
        const QColor q = shot.pixelColor(x, y);
        return RGB(q.red(), q.green(), q.blue());
    }

    std::unique_ptr<PaintGrid> grid = std::make_unique<PaintGrid>();
    QImage image;
    TCanvas canvas;
};

// A 3 x 3 grid with one fixed column and row: fixed cells in the fixed colour
// with one-pixel lines in the fixed line colour, normal cells in the grid
// colour with lines in the line colour, on the last row and column of each cell.
TEST_F(CellPainting, FullPaintFillsCellsAndDrawsTheGridLines)
{
    ShowGrid(3 * kCellW, 3 * kCellH);
    const QImage shot = FullPaint();
    struct Case {
        const char* what;
        int x, y;
        TColor expected;
    };
    const Case cases[] = {
        {"fixed cell inside", 10, 10, kFixed},
        {"fixed cell right line", 63, 10, clGray},
        {"fixed cell bottom line", 10, 23, clGray},
        {"fixed cell next to its lines", 62, 22, kFixed},
        {"fixed row above a normal column", 100, 10, kFixed},
        {"normal cell inside", 150, 60, kNormal},
        {"normal cell right line", 191, 60, clSilver},
        {"normal cell bottom line", 150, 71, clSilver},
        {"normal cell corner", 191, 71, clSilver},
        {"normal cell first pixel", 128, 48, kNormal},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PixelOf(shot, c.x, c.y), c.expected) << c.what;
    EXPECT_EQ(grid->rendered.size(), 9u);
}

TEST_F(CellPainting, LineOptionsDecideWhichLinesAreDrawn)
{
    struct Case {
        TGridOptions options;
        bool normalRight, normalBottom, fixedRight, fixedBottom;
    };
    const Case cases[] = {
        {DefaultGridOptions, true, true, true, true},
        {TGridOptions(goFixedVertLine | goFixedHorzLine), false, false, true, true},
        {TGridOptions(goVertLine), true, false, false, false},
        {TGridOptions(goHorzLine | goFixedVertLine), false, true, true, false},
    };
    for (const Case& c : cases) {
        grid->SetOptions(c.options);
        image.fill(Qt::black);
        Paint(1, 1);
        Paint(0, 0);
        EXPECT_EQ(Pixel(127, 30) == clSilver, c.normalRight) << c.options.toInt();
        EXPECT_EQ(Pixel(100, 47) == clSilver, c.normalBottom) << c.options.toInt();
        EXPECT_EQ(Pixel(63, 10) == clGray, c.fixedRight) << c.options.toInt();
        EXPECT_EQ(Pixel(10, 23) == clGray, c.fixedBottom) << c.options.toInt();
    }
}

TEST_F(CellPainting, ContentRectangleAndLinesFollowTheLineWidth)
{
    struct Case {
        int lineWidth;
        TRect normalContent;
        int firstLineColumn;  // of cell (1, 1), whose right edge is at 128
    };
    const Case cases[] = {
        {1, Rect(65, 25, 127, 47), 127},
        {3, Rect(67, 27, 125, 45), 125},
        {0, Rect(64, 24, 128, 48), 128},
    };
    for (const Case& c : cases) {
        grid->SetGridLineWidth(c.lineWidth);
        image.fill(Qt::black);
        Paint(1, 1);
        Paint(0, 0);
        EXPECT_EQ(grid->content.at({1, 1}), c.normalContent) << c.lineWidth;
        EXPECT_EQ(grid->content.at({0, 0}), Rect(0, 0, 63, 22)) << "fixed content keeps 1 and 2 pixels";
        EXPECT_EQ(Pixel(c.firstLineColumn - 1, 30), kNormal) << c.lineWidth;
        for (int x = c.firstLineColumn; x < 128; ++x) {
            EXPECT_EQ(Pixel(x, 30), clSilver) << c.lineWidth << " column " << x;
            EXPECT_EQ(Pixel(100, 48 - (128 - x)), clSilver) << c.lineWidth << " row " << 48 - (128 - x);
        }
        EXPECT_EQ(Pixel(62, 10), kFixed) << "fixed lines stay one pixel wide";
        EXPECT_EQ(Pixel(63, 10), clGray);
    }
}

TEST_F(CellPainting, NodeRowsHaveNoBottomLineUnderCellsStartingInColumnZero)
{
    grid->SetFixedCols(0);
    grid->nodeRows = true;
    Paint(0, 1);
    Paint(1, 1);
    EXPECT_EQ(Pixel(30, 47), kNormal);
    EXPECT_EQ(Pixel(100, 47), clSilver);
}

TEST_F(CellPainting, BackgroundFlatGradientAndMirror)
{
    struct Case {
        const char* what;
        PaintGrid::Look look;
        // Pixels of cell (1, 1) (64..127 x 24..47, its last row and column are
    // lines) near the two ends: 64 bands at most, one per pixel here.
    TPoint first, last;
        TColor firstColor, lastColor;
    };
    const Case cases[] = {
        {"flat", {0x00102030}, {64, 24}, {126, 46}, 0x00102030, 0x00102030},
        {"vertical gradient", {0x00000000, 0x00FC0000}, {64, 24}, {64, 46}, 0x00000000, 0x00F10000},
        {"horizontal gradient", {0x00000000, 0x000000FC, clNone, clNone, GradientHorizontal},
         {64, 24}, {126, 24}, 0x00000000, 0x000000F8},
        {"mirrored", {0x00000010, 0x00000020, 0x00001000, 0x00002000}, {64, 24}, {64, 46}, 0x00000010,
         0x00001F00},
    };
    for (const Case& c : cases) {
        grid->looks[{1, 1}] = c.look;
        image.fill(Qt::black);
        Paint(1, 1);
        EXPECT_EQ(Pixel(c.first.X, c.first.Y), c.firstColor) << c.what;
        EXPECT_EQ(Pixel(c.last.X, c.last.Y), c.lastColor) << c.what;
    }
}

TEST_F(CellPainting, StyleEngineLeavesFixedAndSelectedCellsUnfilled)
{
    grid->useStyles = true;
    Paint(0, 0);
    Paint(1, 1, gdSelected);
    Paint(2, 1);
    EXPECT_EQ(Pixel(10, 10), clBlack);
    EXPECT_EQ(Pixel(100, 30), clBlack);
    EXPECT_EQ(Pixel(150, 30), kNormal);
    EXPECT_EQ(Pixel(63, 10), clGray) << "the lines are still drawn";
}

TEST_F(CellPainting, HoverAndActiveRowColours)
{
    struct Case {
        const char* what;
        THoverRowCells hoverCells;
        bool activeRow;
        int col;
        TGridDrawState state;
        TColor expected;
    };
    const Case cases[] = {
        {"hovered normal cell", DefaultHoverRowCells, false, 2, {}, kHover},
        {"hovered selected cell", DefaultHoverRowCells, false, 2, gdSelected, kHover},
        {"selected cell without hcSelected", THoverRowCells{hcNormal}, false, 2, gdSelected, clHighlight},
        {"fixed cell without hcFixed", DefaultHoverRowCells, false, 0, gdFixed, kFixed},
        {"fixed cell with hcFixed", THoverRowCells{hcFixed}, false, 0, gdFixed, kHover},
        {"active row wins over hover", DefaultHoverRowCells, true, 2, {}, kActive},
        {"active row leaves the current cell", DefaultHoverRowCells, true, 1, {}, kHover},
        {"active row leaves fixed columns", DefaultHoverRowCells, true, 0, gdFixed, kFixed},
    };
    grid->SetHoverRow(true);
    grid->SetHoverRowColor(kHover);
    grid->SetActiveRowColor(kActive);
    grid->SetHoverRowIdx(1);
    grid->SetCol(1);
    grid->SetRow(1);
    for (const Case& c : cases) {
        grid->SetHoverRowCells(c.hoverCells);
        grid->SetActiveRowShow(c.activeRow);
        image.fill(Qt::black);
        Paint(c.col, 1, c.state);
        EXPECT_EQ(Pixel(c.col * kCellW + 20, 30), ColorToRGB(c.expected)) << c.what;
    }
    grid->SetShowSel(false);
    Paint(1, 1);
    EXPECT_EQ(Pixel(64 + 20, 30), kActive) << "without the selection shown the current cell is in the active row";
    grid->SetHoverRowIdx(2);
    grid->SetActiveRowShow(false);
    Paint(1, 1);
    EXPECT_EQ(Pixel(64 + 20, 30), kNormal) << "another row";
}

TEST_F(CellPainting, ExternalPaintOfASelectedCellTakesTheActiveRowColoursAndNoContent)
{
    grid->SetActiveRowColor(kActive);
    const TRect target = Rect(200, 100, 264, 124);
    grid->PaintCellExt(&canvas, 2, 2, target, gdSelected);
    grid->PaintCellExt(&canvas, 1, 2, Rect(10, 100, 74, 124), {});
    EXPECT_EQ(Pixel(220, 110), kActive);
    EXPECT_EQ(Pixel(263, 110), clSilver);
    EXPECT_EQ(Pixel(30, 110), kNormal);
    EXPECT_TRUE(grid->content.empty());
}

TEST_F(CellPainting, HiddenLastRowIsFilledInTheGridColourOnly)
{
    grid->SetHideLastRow(true);
    grid->looks[{1, 2}] = {0x00112233};
    Paint(1, 2);
    EXPECT_EQ(Pixel(100, 60), kNormal);
    EXPECT_EQ(Pixel(127, 71), kNormal) << "no grid lines";
    EXPECT_EQ(grid->content.count({1, 2}), 0u);
}

// The Windows 7 selection box over three cells of one row: the left piece is
// closed on the left, the right piece on the right, the middle piece open.
TEST_F(CellPainting, SelectionBoxPiecesOfARange)
{
    grid->SetColCount(5);
    grid->SetSelectionStyle(TGridSelectionStyle::ssWin7);
    grid->SetOptions(DefaultGridOptions | goDrawFocusSelected);
    grid->SetSelection(TGridRect{1, 1, 3, 1});
    for (int c = 1; c <= 3; ++c)
        Paint(c, 1, gdSelected);
    constexpr TColor outer = 0xCEA27D, corner = 0xE0C5AE, innerTop = 0xFDF4EB;
    struct Case {
        const char* what;
        int x, y;
        TColor expected;
    };
    // Cells span x 64..127, 128..191, 192..255 and y 24..47; the box bottom is y 46.
    const Case cases[] = {
        {"left piece: outer corner takes the grid colour", 64, 24, kNormal},
        {"left piece: blended corner", 65, 24, corner},
        {"left piece: left edge", 64, 30, outer},
        {"left piece: top edge", 70, 24, outer},
        {"left piece: inner top line", 70, 25, innerTop},
        {"left piece: bottom edge", 70, 46, outer},
        {"middle piece: no left edge", 128, 30, 0xFCE5D1},
        {"middle piece: top edge runs to its left end", 128, 24, outer},
        {"right piece: no left edge", 192, 30, 0xFCE5D1},
        {"right piece: right edge of the box", 254, 30, outer},
        {"right piece: outer corner", 254, 24, kNormal},
        {"grid line after the box", 255, 30, clSilver},
    };
    for (const Case& c : cases) {
        if (c.expected == 0xFCE5D1) {
            // inside the fill gradient: between fill and fill-to
            const TColor px = Pixel(c.x, c.y);
            EXPECT_GE(GetRValue(px), 0xC1) << c.what;
            EXPECT_LE(GetRValue(px), 0xDC) << c.what;
            EXPECT_LE(GetGValue(px), 0xEB) << c.what;
            EXPECT_GE(GetGValue(px), 0xDB) << c.what;
            continue;
        }
        EXPECT_EQ(Pixel(c.x, c.y), c.expected) << c.what;
    }
}

TEST_F(CellPainting, SelectionBoxSetsByStyleAndFocus)
{
    struct Case {
        TGridSelectionStyle style;
        bool focused;
        TColor outer;
    };
    const Case cases[] = {
        {TGridSelectionStyle::ssVista, true, 0xFDDE99},
        {TGridSelectionStyle::ssWin7, true, 0xCEA27D},
        {TGridSelectionStyle::ssOffice2007, true, 0x8DD7D3},
        {TGridSelectionStyle::ssVista, false, 0xD9D9D9},
        {TGridSelectionStyle::ssWin7, false, 0xD9D9D9},
        {TGridSelectionStyle::ssOffice2007, false, 0xD9D9D9},
    };
    grid->SetSelection(TGridRect{1, 1, 1, 1});
    for (const Case& c : cases) {
        grid->SetSelectionStyle(c.style);
        grid->SetOptions(c.focused ? DefaultGridOptions | goDrawFocusSelected : DefaultGridOptions);
        image.fill(Qt::black);
        Paint(1, 1, gdSelected);
        EXPECT_EQ(Pixel(64, 30), c.outer) << int(c.style) << c.focused;
        EXPECT_EQ(Pixel(126, 30), c.outer) << "a single cell closes both ends";
    }
    grid->SetShowSel(false);
    image.fill(Qt::black);
    Paint(1, 1, gdSelected);
    EXPECT_EQ(Pixel(64, 30), ColorToRGB(clHighlight)) << "a hidden selection has no box";
}

TEST_F(CellPainting, SelectionBoxReachesOverMissingLines)
{
    grid->SetSelectionStyle(TGridSelectionStyle::ssWin7);
    grid->SetOptions(TGridOptions(goFixedVertLine | goFixedHorzLine | goDrawFocusSelected));
    grid->SetSelection(TGridRect{1, 1, 1, 1});
    Paint(1, 1, gdSelected);
    EXPECT_EQ(Pixel(127, 30), 0xCEA27D) << "right edge one pixel further right";
    EXPECT_EQ(Pixel(70, 47), 0xCEA27D) << "bottom edge one pixel further down";
}

// A 2 x 2 range is painted once per paint, by its base cell, over its whole
// rectangle; the next paint paints it again.
TEST_F(CellPainting, MergedRangeIsPaintedOncePerPaint)
{
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->MergeCells(1, 1, 2, 2);
    grid->looks[{1, 1}] = {0x00336699};
    ShowGrid(4 * kCellW, 4 * kCellH);
    for (int paint = 0; paint < 2; ++paint) {
        const QImage shot = FullPaint();
        EXPECT_EQ(Rendered(1, 1), 1) << paint;
        EXPECT_EQ(Rendered(2, 1) + Rendered(1, 2) + Rendered(2, 2), 0);
        EXPECT_EQ(grid->content.at({1, 1}), Rect(65, 25, 191, 71));
        EXPECT_EQ(PixelOf(shot, 127, 30), 0x00336699) << "no line inside the range";
        EXPECT_EQ(PixelOf(shot, 150, 60), 0x00336699);
        EXPECT_EQ(PixelOf(shot, 191, 60), clSilver);
    }
}

TEST_F(CellPainting, ASinglePaintOfARangeCellAlwaysPaintsTheRange)
{
    grid->MergeCells(1, 1, 2, 2);
    grid->looks[{1, 1}] = {0x00336699};
    Paint(2, 2);
    Paint(2, 1);
    EXPECT_EQ(Rendered(1, 1), 2);
    EXPECT_EQ(Pixel(100, 30), 0x00336699);
    EXPECT_EQ(Pixel(150, 60), 0x00336699);
}

// With column 1 scrolled away, the range (1, 1)-(2, 2) is painted from its
// visible cell, starting under the fixed column and clipped at its edge.
TEST_F(CellPainting, RangeScrolledUnderTheFixedColumnIsClipped)
{
    grid->SetColCount(6);
    grid->SetRowCount(4);
    grid->MergeCells(1, 1, 2, 2);
    grid->looks[{1, 1}] = {0x00336699};
    ShowGrid(4 * kCellW, 4 * kCellH);
    grid->SetLeftCol(2);
    const QImage shot = FullPaint();
    EXPECT_EQ(Rendered(1, 1), 1);
    EXPECT_EQ(grid->content.at({1, 1}), Rect(1, 25, 127, 71));
    EXPECT_EQ(PixelOf(shot, 30, 30), kFixed) << "the fixed column keeps its colour";
    EXPECT_EQ(PixelOf(shot, 63, 30), clGray);
    EXPECT_EQ(PixelOf(shot, 64, 30), 0x00336699);
    EXPECT_EQ(PixelOf(shot, 127, 60), clSilver);
}

}  // namespace
