#include "tests/platform/grid/GridFixture.h"

#include <QtGui/QImage>

#include <map>

namespace {

struct Drawn {
    TRect rect;
    TGridDrawState state;
};

class GridPaintTest : public GridFixture {
protected:
    std::unique_ptr<TStringGrid> grid = MakeGrid(10, 20, 230, 105);
    std::map<std::pair<int, int>, Drawn> drawn;
    bool recording = false;

    void SetUp() override
    {
        grid->OnDrawCell = [this](TObject*, int c, int r, const TRect& rect, TGridDrawState state) {
            if (recording) {
                EXPECT_TRUE(drawn.emplace(std::make_pair(c, r), Drawn{rect, state}).second) << "drawn twice";
            }
        };
    }
    void Paint()
    {
        QApplication::processEvents();  // pending partial updates paint first
        drawn.clear();
        recording = true;
        grid->viewport()->repaint();
        recording = false;
    }
    TGridDrawState State(int c, int r) const { return drawn.at({c, r}).state; }
    QColor Pixel(int x, int y) const { return grid->viewport()->grab().toImage().pixelColor(x, y); }
};

TEST_F(GridPaintTest, EveryVisibleCellIsDrawnOnceWithItsRectangle)
{
    grid->SetTopRow(6);
    Paint();
    EXPECT_EQ(drawn.size(), 25u);  // columns 0 to 4 (4 partly) by rows 0 and 6 to 9
    EXPECT_EQ(drawn.at({0, 0}).rect, Rect(0, 0, 50, 20));
    EXPECT_EQ(drawn.at({1, 6}).rect, Rect(51, 21, 101, 41));
    EXPECT_EQ(drawn.at({4, 9}).rect, Rect(204, 84, 254, 104));
    EXPECT_EQ(drawn.count({1, 1}), 0u);
    EXPECT_EQ(drawn.count({5, 6}), 0u);
}

TEST_F(GridPaintTest, DrawStates)
{
    ASSERT_TRUE(grid->hasFocus());
    grid->SetSelection(TGridRect{1, 1, 2, 2});  // the current cell is (2, 2)
    Paint();
    EXPECT_EQ(State(0, 0), TGridDrawState(gdFixed));
    EXPECT_EQ(State(0, 1), TGridDrawState(gdFixed));
    EXPECT_EQ(State(1, 1), TGridDrawState(gdSelected));
    EXPECT_EQ(State(2, 2), TGridDrawState(gdFocused));
    EXPECT_EQ(State(3, 3), TGridDrawState());
    grid->SetOptions(grid->Options() | goDrawFocusSelected);
    Paint();
    EXPECT_EQ(State(2, 2), gdFocused | gdSelected);
    grid->SetOptions(grid->Options() | goRowSelect);
    Paint();
    EXPECT_EQ(State(4, 2), gdSelected | gdRowSelected);
    EXPECT_EQ(State(2, 2), gdFocused | gdSelected | gdRowSelected);
    EXPECT_EQ(State(4, 3), TGridDrawState());
    grid->clearFocus();
    Paint();
    EXPECT_EQ(State(2, 2), gdSelected | gdRowSelected);
}

TEST_F(GridPaintTest, HotAndPressedFixedCells)
{
    QTest::mouseMove(grid->viewport(), CellCentre(*grid, 2, 0));
    Paint();
    EXPECT_EQ(State(2, 0), gdFixed | gdHotTrack);
    EXPECT_EQ(State(3, 0), TGridDrawState(gdFixed));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(*grid, 2, 0));
    Paint();
    EXPECT_TRUE(State(2, 0).testFlag(gdPressed));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(*grid, 2, 0));
    Paint();
    EXPECT_FALSE(State(2, 0).testFlag(gdPressed));
}

TEST_F(GridPaintTest, BackgroundsAndGridLines)
{
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetColor(clYellow);
    grid->SetSelection(TGridRect{1, 1, 2, 2});
    const QColor yellow = ToQColor(clYellow);
    EXPECT_EQ(Pixel(200, 50), yellow);   // right of the last column
    EXPECT_EQ(Pixel(60, 90), yellow);    // below the last row
    EXPECT_EQ(Pixel(60, 30), ToQColor(clHighlight));  // selected, not current
    EXPECT_EQ(Pixel(10, 30), ToQColor(clBtnFace));    // fixed
    EXPECT_EQ(Pixel(50, 10), ToQColor(clBlack));      // fixed vertical line
    EXPECT_EQ(Pixel(101, 48), ToQColor(clSilver));    // line between normal cells
    EXPECT_EQ(Pixel(110, 41), ToQColor(clSilver));
    grid->SetOptions(grid->Options() & ~TGridOptions(goVertLine | goFixedHorzLine));
    EXPECT_EQ(Pixel(101, 48), yellow);  // the gap shows the grid colour
    EXPECT_EQ(Pixel(10, 20), ToQColor(clBtnFace));
    grid->SetGridLineWidth(0);
    EXPECT_EQ(Pixel(50, 50), ToQColor(clHighlight));  // cells now 50 wide, no gaps
    EXPECT_EQ(grid->CellRect(2, 2), Rect(100, 40, 150, 60));
}

TEST_F(GridPaintTest, TheStringGridDrawsItsTexts)
{
    grid->SetColor(clWhite);
    grid->SetCells(1, 1, "WWWW");
    const QImage image = grid->viewport()->grab().toImage();
    int dark = 0;
    for (int x = 51; x < 101; ++x)
        for (int y = 21; y < 41; ++y)
            dark += image.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 10);
    grid->SetDefaultDrawing(false);
    Paint();
    EXPECT_EQ(drawn.count({1, 1}), 1u);  // the owner still draws
}

}  // namespace
