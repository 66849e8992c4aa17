#include "tests/grid/engine/paint/ExGridRenderFixture.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/ExGridDataSettings.h"
#include "platform/core/StringList.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/window/ModalSeams.h"
#include "grid/foundation/styles/ExUtilPaint.h"

#include <cstdlib>

namespace {

using ExGridRender = GridFixture;

// The pixel height of the ink of text drawn alone in a font.
int InkHeight(const QString& text, const TFont& font)
{
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TCanvas canvas(&image);
        canvas.SetFont(font);
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetStyle(bsClear);
        canvas.TextOut(4, 4, text);
    }
    return testsupport::inkBox(image, image.rect()).height();
}

}  // namespace

TEST_F(ExGridRender, DefaultFixedCellHasTheLookGradientEdgesAndBoldText)
{
    grid->SetOptions(grid->Options() | goFixedHorzLine);
    // the ink of bold shows in a face whose bold strokes are heavier, which
    // Wine's bold Tahoma, of the bold widths but the regular strokes, is not
    grid->FixedFont()->SetName(QStringLiteral("Verdana"));
    grid->Font().SetName(QStringLiteral("Verdana"));
    grid->Font().SetSize(8);
    grid->SetCells(1, 0, QStringLiteral("Header"));
    grid->SetCells(1, 1, QStringLiteral("Header"));
    QImage image = paint();
    const TRect r = grid->CellRect(1, 0);
    const int midX = r.Left + 4;
    // white inner lines along the top and the left
    EXPECT_EQ(PixelColor(image, midX, r.Top), clWhite);
    EXPECT_EQ(PixelColor(image, r.Left, r.Top + 10), clWhite);
    // the bottom line in half the fixed colour
    EXPECT_EQ(PixelColor(image, midX, r.Bottom - 1), RGB(106, 104, 100));
    // a vertical gradient from white towards 13160660
    const TColor top = PixelColor(image, midX, r.Top + 2);
    const TColor bottom = PixelColor(image, midX, r.Bottom - 3);
    EXPECT_GE(GetRValue(top), 250);
    EXPECT_LE(std::abs(GetRValue(bottom) - 212), 6);
    EXPECT_LE(std::abs(GetBValue(bottom) - 200), 6);
    // bold: the same text carries clearly more ink than in a normal cell
    auto darkPixels = [&](int c, int row) {
        int n = 0;
        const QRect area = inside(c, row);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += qGray(image.pixel(x, y)) < 100;
        return n;
    };
    EXPECT_GT(darkPixels(1, 0), darkPixels(1, 1) * 5 / 4);
}

TEST_F(ExGridRender, TextLayoutCases)
{
    grid->SetRowHeights(3, 60);
    grid->SetCells(1, 1, QStringLiteral("one\rtwo"));
    grid->SetCells(1, 2, QStringLiteral("a long text that never fits"));
    grid->SetCells(1, 3, QStringLiteral("wrapped words here"));
    grid->SetCells(2, 3, QStringLiteral("wrapped"));
    grid->SetEnhTextSize(true);
    grid->SetWordWrap(false);
    grid->shape = [](int c, int r, TAlignment&, TVAlignment& va, bool& ww) {
        if (c == 1 && r == 3) {
            va = vtaCenter;
            ww = true;
        }
    };
    const QImage image = paint();
    const int lineHeight = grid->Canvas()->TextHeight(QStringLiteral("hg"));

    const QRect one = ink(image, 1, 1);
    EXPECT_LE(std::abs(one.width() - textWidth(QStringLiteral("one"))), 1) << "only the first line";
    EXPECT_LT(one.height(), lineHeight);

    const QRect cut = ink(image, 1, 2);
    EXPECT_LE(cut.right(), inside(1, 2).right() - 2) << "ends inside the cell";
    // the ellipsis: the last ink columns are dots sitting low on the line
    for (int y = cut.top(); y < cut.top() + cut.height() / 2; ++y)
        EXPECT_EQ(image.pixel(cut.right(), y), qRgb(255, 255, 255));

    // word-wrapped text with vertical centring starts at the top, as plain text does
    EXPECT_EQ(ink(image, 1, 3).top(), ink(image, 2, 3).top());
    EXPECT_LT(ink(image, 1, 3).top(), grid->CellRect(1, 3).Top + 8);
}

TEST_F(ExGridRender, SortedCentredHeaderHasItsGlyphAtTheLeftAndItsTextMovedRight)
{
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetColumn(1);
    grid->SortSettings()->SetRow(0);
    grid->SetCells(1, 0, QStringLiteral("Ab"));
    grid->shape = [](int, int r, TAlignment& ha, TVAlignment&, bool&) {
        if (r == 0)
            ha = taCenter;
    };
    QImage image = paint();
    const TRect r = grid->CellRect(1, 0);
    EXPECT_GE(CountColor(image, QRect(r.Left + 4, r.Top + 4, 9, 9), clGray), 6) << "glyph at left + 8";
    const QRect text = DarkBox(image, QRect(r.Left + 14, r.Top, r.Width() - 14, r.Height() - 2));
    // centred in the text rectangle whose left edge moved 10 pixels right
    const int textLeft = r.Left + 1 + 2 + 10;
    const int textRight = r.Right - 1 - 2;
    EXPECT_LE(std::abs(text.center().x() - (textLeft + textRight) / 2), 2);
}

TEST_F(ExGridRender, LinksShowWithoutTheirSchemeUnderlinedInTheLinkColour)
{
    struct Case {
        QString text;
        bool full;
        QString shown;
        bool underlined;
    };
    const Case cases[] = {
        {QStringLiteral("http://h/x"), false, QStringLiteral("h/x"), true},
        {QStringLiteral("http://h/x"), true, QStringLiteral("http://h/x"), true},
        {QStringLiteral("h/x"), false, QStringLiteral("h/x"), false},
    };
    grid->SetURLShow(true);
    for (const Case& c : cases) {
        grid->SetURLFull(c.full);
        grid->SetCells(1, 1, c.text);
        QImage image = paint();
        const QRect box = ink(image, 1, 1);
        EXPECT_LE(std::abs(box.width() - textWidth(c.shown)), 2) << c.text.toStdString();
        const int blue = CountColor(image, inside(1, 1), TColor(16711680));
        if (c.underlined)
            EXPECT_GE(blue, textWidth(c.shown) - 2) << c.text.toStdString();
        else
            EXPECT_EQ(blue, 0) << c.text.toStdString();
    }
}

TEST_F(ExGridRender, ZoomDrawsTextLargerAndKeepsTheFont)
{
    const int size = grid->Font().Size();
    grid->SetCells(1, 1, QStringLiteral("H"));
    grid->SetZoomFactor(2);
    const QImage image = paint();
    TFont larger;
    larger.Assign(grid->Font());
    larger.SetSize(size + 2);
    EXPECT_EQ(ink(image, 1, 1).height(), InkHeight(QStringLiteral("H"), larger));
    EXPECT_EQ(grid->Font().Size(), size);
}

TEST_F(ExGridRender, FlatGridsDrawNoLookEdgesAndFrameRightFixedColumnsInGray)
{
    grid->SetOptions(grid->Options() | goFixedHorzLine | goFixedVertLine);
    const TRect header = grid->CellRect(1, 0);
    const TColor edge = HalveColor(grid->FixedColor());
    QImage raised = paint();
    EXPECT_EQ(PixelColor(raised, header.Left + 4, header.Bottom - 1), edge);

    grid->SetFlat(true);
    QImage flat = paint();
    EXPECT_NE(PixelColor(flat, header.Left + 4, header.Bottom - 1), edge) << "no edge";
    const TRect right = grid->CellRect(3, 1);
    const QRect leftOfRight(right.Left - 2, right.Top, 1, right.Height() - 2);
    EXPECT_EQ(CountColor(flat, leftOfRight, clGray), 0);

    grid->SetFixedRightCols(1);
    QImage framed = paint();
    EXPECT_GE(CountColor(framed, leftOfRight, clGray), right.Height() - 3);
}

TEST_F(ExGridRender, RowIndicatorShiftsTheTextOnlyWhenItHasAPicture)
{
    grid->SetCells(0, 1, QStringLiteral("x"));
    grid->SetCells(0, 2, QStringLiteral("x"));
    grid->SetRow(1);
    QImage image = paint();
    const int plain = DarkBox(image, inside(0, 2)).left();
    EXPECT_EQ(DarkBox(image, inside(0, 1)).left(), plain) << "an empty indicator draws nothing";

    TBitmap indicator(8, 8);
    grid->SetRowIndicator(&indicator);
    image = paint();
    EXPECT_EQ(DarkBox(image, inside(0, 1)).left(), plain + 10);
}

TEST_F(ExGridRender, PasswordCellsShowOneMaskCharacterPerCharacter)
{
    grid->SetCells(1, 1, QStringLiteral("abc"));
    grid->OnIsPasswordCell = [](TObject*, int r, int c, bool& password) { password = c == 1 && r == 1; };
    const QImage image = paint();
    EXPECT_LE(std::abs(ink(image, 1, 1).width() - textWidth(QStringLiteral("***"))), 1);
}

TEST(ExGridFormattedCell, FloatFormatTakesTheConversionFromItsDirective)
{
    struct Case {
        QString text;
        QString format;
        QString shown;
    };
    const Case cases[] = {
        {QStringLiteral("3.14159"), QStringLiteral("%.1f"), QStringLiteral("3.1")},
        {QStringLiteral("3.5"), QStringLiteral("%.2f days"), QStringLiteral("3.50 days")},
        {QStringLiteral("7"), QStringLiteral("%d pcs"), QStringLiteral("7 pcs")},
        {QStringLiteral("3.5"), QStringLiteral("%d"), QStringLiteral("3.5")},
        {QStringLiteral("3.5"), QStringLiteral("%s and %s"), QStringLiteral("3.5")},
        {QStringLiteral("text"), QStringLiteral("%.1f"), QStringLiteral("text")},
    };
    TExStringGrid grid;
    for (const Case& c : cases) {
        grid.SetCells(1, 1, c.text);
        grid.OnGetFloatFormat = [&c](TObject*, int, int, bool&, QString& format) { format = c.format; };
        EXPECT_EQ(grid.GetFormattedCell(1, 1), c.shown) << c.format.toStdString();
    }
    grid.OnGetFloatFormat = [](TObject*, int, int, bool& apply, QString&) { apply = false; };
    EXPECT_EQ(grid.GetFormattedCell(1, 1), QStringLiteral("text"));
}

// A filled grid for a look by eye (scripts/screenshot.sh grid_engine_tests
// 'ExGridRender.FilledGrid*'): headers with a sorted column, a link, a
// multi-line cell and a selection.
TEST_F(ExGridRender, FilledGridShowsHeadersSortLinkLinesAndSelection)
{
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetRowHeights(3, 40);
    grid->SetOptions(grid->Options() | goFixedHorzLine | goFixedVertLine | goRangeSelect);
    const QStringList headers{QString(), QStringLiteral("Name"), QStringLiteral("Address"),
                              QStringLiteral("Notes"), QStringLiteral("Value")};
    for (int c = 0; c < headers.size(); ++c)
        grid->SetCells(c, 0, headers[c]);
    for (int r = 1; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QStringLiteral("Device %1").arg(r));
        grid->SetCells(4, r, QString::number(r * 1.5));
    }
    grid->SetCells(2, 1, QStringLiteral("http://gateway/setup"));
    grid->SetCells(3, 3, QStringLiteral("first line\nsecond line"));
    grid->SetURLShow(true);
    grid->SetMultilinecells(true);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetColumn(1);
    grid->SetSelection(TGridRect{1, 5, 3, 6});
    grid->setFocus();
    QImage image = paint();
    platform::SaveScreenshot(*grid, QStringLiteral("grid_rendering"));

    EXPECT_GE(CountColor(image, inside(2, 5), grid->SelectionColor()), inside(2, 5).width() * 10);
    EXPECT_GE(CountColor(image, inside(2, 1), grid->URLColor()), 10);
    EXPECT_GT(ink(image, 3, 3).height(), grid->Canvas()->TextHeight(QStringLiteral("hg")));
    const TRect sorted = grid->CellRect(1, 0);
    EXPECT_GE(CountColor(image, QRect(sorted.Left, sorted.Top, sorted.Width(), sorted.Height()), clGray), 6);
}

TEST_F(ExGridRender, HeaderWithFilterValuesShowsTheFilterButton)
{
    grid->OnGetColumnFilter = [](TObject*, int column, TStringList* values) {
        if (column == 1)
            values->Add(QStringLiteral("a"));
    };
    QImage image = paint();
    auto button = [&](int c) {
        const TRect r = grid->CellRect(c, 0);
        return QRect(r.Right - 17, r.Top, 16, 16);
    };
    EXPECT_GE(CountColor(image, button(1), clBlack), 20) << "the funnel";
    EXPECT_EQ(CountColor(image, button(2), clBlack), 0);
}

TEST_F(ExGridRender, TiledBackgroundPictureShowsBehindTextAndOutsideTheCells)
{
    TBitmap tile(8, 8);
    tile.Canvas()->Brush()->SetColor(clRed);
    tile.Canvas()->FillRect(Rect(0, 0, 8, 8));
    grid->BackGround()->SetBitmap(&tile);
    grid->SetCells(2, 2, QStringLiteral("x"));
    QImage image = paint();
    const QRect cell = inside(2, 2);
    EXPECT_GE(CountColor(image, cell, clRed), cell.width() * cell.height() * 3 / 4);
    // outside the cells the tiles start at the first normal cell
    const int strip = grid->CellRect(grid->ColCount() - 1, 0).Right + 1;
    const int top = grid->CellRect(1, 1).Top;
    EXPECT_GE(CountColor(image, QRect(strip, top, grid->ClientWidth() - strip, 40), clRed),
              (grid->ClientWidth() - strip) * 40 * 3 / 4);
    EXPECT_EQ(CountColor(image, QRect(strip, 0, grid->ClientWidth() - strip, top - 2), clRed), 0);
    EXPECT_EQ(CountColor(image, inside(2, 0), clRed), 0) << "fixed cells keep their look";
}

TEST_F(ExGridRender, ActiveCellAndSortedHeadersTakeTheirOwnColours)
{
    grid->SetActiveCellShow(true);
    grid->SetActiveCellColor(clLime);
    grid->SortSettings()->SetColumn(1);
    grid->SortSettings()->SetHeaderColor(clRed);
    QImage image = paint();
    const QRect colHeader = inside(grid->Col(), 0);
    const QRect rowHeader = inside(0, grid->Row());
    EXPECT_GE(CountColor(image, colHeader, clLime), colHeader.width() * colHeader.height() / 2);
    EXPECT_GE(CountColor(image, rowHeader, clLime), rowHeader.width() * rowHeader.height() / 2);
    const QRect sorted = inside(1, 0);
    EXPECT_GE(CountColor(image, sorted, clRed), sorted.width() * sorted.height() / 2);
    EXPECT_EQ(CountColor(image, inside(2, 0), clRed) + CountColor(image, inside(2, 0), clLime), 0);
}

TEST_F(ExGridRender, CellBordersAndTheSelectionRectangleAreDrawnOnTheirSides)
{
    grid->OnGetCellBorder = [](TObject*, int r, int c, TPen* pen, TCellBorders& borders) {
        if (c == 1 && r == 1) {
            borders = TCellBorders{cbLeft};
            pen->SetColor(clRed);
        }
    };
    grid->SetSelectionRectangle(true);
    grid->SetSelection(TGridRect{2, 2, 3, 3});
    QImage image = paint();
    const TRect bordered = grid->CellRect(1, 1);
    EXPECT_GE(CountColor(image, QRect(bordered.Left, bordered.Top, 2, bordered.Height()), clRed),
              bordered.Height() - 2);
    EXPECT_EQ(CountColor(image, QRect(bordered.Right - 3, bordered.Top, 3, bordered.Height()), clRed), 0);

    const TRect first = grid->CellRect(2, 2);
    EXPECT_GE(CountColor(image, QRect(first.Left - 1, first.Top, 3, first.Height()), clBlack), first.Height())
        << "left side of the selection";
    const TRect inner = grid->CellRect(3, 2);
    EXPECT_EQ(CountColor(image, QRect(inner.Left - 1, inner.Top + 3, 3, inner.Height() - 6), clBlack), 0)
        << "no outline between selected cells";
}
