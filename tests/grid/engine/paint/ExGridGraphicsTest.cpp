// Cell graphics: where each kind goes and how it is drawn.

#include "tests/grid/engine/paint/ExGridRenderFixture.h"
#include "grid/engine/paint/ExGridCellGraphic.h"
#include "grid/engine/ExGridCellSettings.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "platform/core/StringList.h"

#include <QtGui/QPainter>

namespace {

template <class Pred>
int countWhere(const QImage& image, const QRect& area, Pred pred)
{
    int n = 0;
    const QRect a = area & image.rect();
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x)
            n += pred(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// A grid whose node rows are indented one level.
class NodeGrid : public OpenGrid {
public:
    using OpenGrid::OpenGrid;
    int RowNodeIndent(int ARow) override { return ARow >= FixedRows() ? 12 : 0; }
};

class ExGridGraphics : public GridFixture {
protected:
    TCellGraphic* add(int c, int r, TCellType kind)
    {
        TCellGraphic* g = grid->CreateCellGraphic(c, r);
        g->CellType = kind;
        return g;
    }
    TCellGraphic* addDataCheckBox(int c, int r, const QString& text)
    {
        grid->SetCells(c, r, text);
        TCellGraphic* g = grid->CreateCellGraphic(c, r);
        g->SetCheckBox(false, true, true, haBeforeText, vaTop);
        return g;
    }
    QImage cellImage(const QImage& image, int c, int r) { return image.copy(inside(c, r)); }
    int count(const QImage& image, const QRect& area, QRgb color)
    {
        return countWhere(image, area, [color](QRgb c) { return (c & 0xFFFFFF) == (color & 0xFFFFFF); });
    }
};

QRgb rgb(TColor c) { return ToQColor(ColorToRGB(c)).rgb(); }

}  // namespace

TEST_F(ExGridGraphics, PlacementTakesTheSizeOfEachKind)
{
    struct Case {
        TCellType kind;
        int index, angle;
        int width, height;
        bool textDrawn;
    };
    const Case cases[] = {
        {ctCheckBox, 0, 0, 15, 15, true},        {ctDataCheckBox, 0, 0, 15, 15, false},
        {ctButton, 0x00140032, 0, 50, 20, true}, {ctRating, 0, 5, 90, 16, false},
        {ctRadioButton, 0, 0, 14, 14, true},     {ctProgressPie, 0, 0, 20, 20, true},
        {ctProgress, 0, 0, 0, 0, false},         {ctComment, 0, 0, 0, 0, true},
    };
    for (const Case& k : cases) {
        TCellGraphic* g = add(1, 1, k.kind);
        g->CellIndex = k.index;
        g->CellAngle = k.angle;
        const TCellGraphicPlacement pl = grid->GetCellGraphicPlacement(1, 1);
        EXPECT_EQ(pl.graphic, g) << k.kind;
        EXPECT_EQ(pl.width, k.width) << k.kind;
        EXPECT_EQ(pl.height, k.height) << k.kind;
        EXPECT_EQ(pl.textDrawn, k.textDrawn) << k.kind;
    }
    EXPECT_EQ(grid->GetCellGraphicPlacement(2, 2).graphic, nullptr);
}

TEST_F(ExGridGraphics, CheckBoxesKeepClearOfRightAlignedText)
{
    const TRect r = Rect(10, 0, 110, 20);
    const int T = 30;
    const TRect check = PlaceCellGraphic(r, ctCheckBox, 15, 15, T, taRightJustify, haBeforeText, vaTop);
    EXPECT_EQ(check.Right, r.Right - T - 1);
    EXPECT_EQ(check.Width(), 15);
    const TRect data = PlaceCellGraphic(r, ctDataCheckBox, 15, 15, T, taRightJustify, haBeforeText, vaTop);
    EXPECT_EQ(data.Right, r.Right - 1);
    // left-aligned text: the box starts one pixel in; a box that does not fit
    // centred starts one pixel in as well
    EXPECT_EQ(PlaceCellGraphic(r, ctCheckBox, 15, 15, T, taLeftJustify, haBeforeText, vaTop).Left, r.Left + 1);
    EXPECT_EQ(PlaceCellGraphic(r, ctButton, 150, 15, 0, taLeftJustify, haCenter, vaCenter).Left, r.Left + 1);
    EXPECT_EQ(PlaceCellGraphic(r, ctButton, 20, 10, 0, taLeftJustify, haRight, vaBottom),
              Rect(r.Right - 21, r.Bottom - 11, r.Right - 1, r.Bottom - 1));
}

// A data check box is checked only for exactly the check-true text; the
// other texts draw the same unchecked box and no text.
TEST_F(ExGridGraphics, DataCheckBoxIsCheckedOnlyForTheExactCheckTrueText)
{
    for (const TControlStyle style : {csWinXP, csClassic}) {
        grid->ControlLook()->SetControlStyle(style);
        const QStringList texts = {QStringLiteral("Y"), QStringLiteral("y"), QStringLiteral("N"), QString()};
        for (int r = 0; r < texts.size(); ++r)
            addDataCheckBox(1, r + 1, texts[r]);
        const QImage image = paint();
        const QImage checked = cellImage(image, 1, 1);
        const QImage unchecked = cellImage(image, 1, 3);
        EXPECT_NE(checked, unchecked) << style;
        EXPECT_EQ(cellImage(image, 1, 2), unchecked) << style;
        EXPECT_EQ(cellImage(image, 1, 4), unchecked) << style;
        EXPECT_LT(DarkBox(image, inside(1, 3)).width(), 20) << "no text beside the box";
    }
    // the XP pictures tick in green where the cell may be edited, in grey
    // where it may not
    grid->ControlLook()->SetControlStyle(csWinXP);
    const QRgb green = qRgb(0x21, 0xA1, 0x21);
    EXPECT_EQ(count(paint(), inside(1, 1), green), 0);
    grid->SetOptions(grid->Options() | goEditing);
    const QImage image = paint();
    EXPECT_GT(count(image, inside(1, 1), green), 5);
    EXPECT_EQ(count(image, inside(1, 3), green), 0);
}

// Stars cut down to a half: each 18-pixel step is reached (red), unreached
// (silver) or half (both).
TEST_F(ExGridGraphics, RatingShowsReachedHalfAndUnreachedStars)
{
    grid->SetDefaultColWidth(110);
    const struct {
        const char* value;
        const char* stars;
    } cases[] = {{"3.5", "RRRHS"}, {"3.9", "RRRHS"}, {"3.3", "RRRSS"}, {"abc", "SSSSS"}};
    int row = 1;
    for (const auto& k : cases) {
        grid->SetCells(1, row, QString::fromLatin1(k.value));
        TCellGraphic* g = add(1, row, ctRating);
        g->CellAngle = 5;
        g->CellIndex = clRed;
        g->CellBitmap = TColor(clSilver);
        g->CellHAlign = haFull;
        g->CellVAlign = vaTop;
        ++row;
    }
    const QImage image = paint();
    row = 1;
    for (const auto& k : cases) {
        const QRect cell = inside(1, row++);
        int x0 = cell.right();
        for (int x = cell.left(); x <= cell.right(); ++x)
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                if (image.pixel(x, y) == rgb(clRed) || image.pixel(x, y) == rgb(clSilver))
                    x0 = std::min(x0, x);
        QString seen;
        for (int i = 0; i < 5; ++i) {
            const QRect star(x0 + 18 * i, cell.top(), 16, cell.height());
            const int red = count(image, star, rgb(clRed));
            const int silver = count(image, star, rgb(clSilver));
            seen += red && silver ? u'H' : red ? u'R' : silver ? u'S' : u'?';
        }
        EXPECT_EQ(seen, QString::fromLatin1(k.stars)) << k.value;
    }
}

TEST_F(ExGridGraphics, ProgressIsLimitedToAFullBarAndReadsNoNumberAsZero)
{
    const struct {
        const char* value;
        bool full;
        bool any;
    } cases[] = {{"150", true, true}, {"50", false, true}, {"abc", false, false}};
    int row = 1;
    for (const auto& k : cases) {
        grid->SetCells(1, row, QString::fromLatin1(k.value));
        TCellGraphic* g = add(1, row++, ctProgress);
        g->CellBitmap = TColor(clRed);
        g->CellIcon = TColor(clWhite);
        g->CellErrFrom = 0;
        g->CellErrLen = 100;
    }
    const QImage image = paint();
    row = 1;
    for (const auto& k : cases) {
        const QRect cell = inside(1, row++);
        const QRect rightEnd(cell.right() - 10, cell.top() + 4, 6, cell.height() - 8);
        EXPECT_EQ(count(image, rightEnd, rgb(clRed)) > 0, k.full) << k.value;
        EXPECT_EQ(count(image, cell, rgb(clRed)) > 0, k.any) << k.value;
    }
}

TEST_F(ExGridGraphics, LevelProgressOfAnEmptyRangeIsZero)
{
    EXPECT_EQ(TExStringGrid::LevelProgressPercentage(50, 0, 100), 50);
    EXPECT_EQ(TExStringGrid::LevelProgressPercentage(150, 0, 100), 100);
    EXPECT_EQ(TExStringGrid::LevelProgressPercentage(5, 3, 3), 0);
    grid->SetCells(1, 1, QStringLiteral("5"));
    TCellGraphic* g = add(1, 1, ctXPProgress);
    g->CellErrFrom = 3;
    g->CellErrLen = 3;
    grid->SetCells(1, 2, QStringLiteral("not a number"));
    add(1, 2, ctRangeIndicator)->CellIndex = 10;
    grid->SetCells(1, 3, QStringLiteral("x"));
    add(1, 3, ctDataImage);
    EXPECT_NO_THROW(paint());
}

TEST_F(ExGridGraphics, CommentMarkTakesTheLookColourAndNoneWithoutIt)
{
    TCellGraphic* g = add(1, 1, ctComment);
    g->CellIndex = clNone;
    grid->ControlLook()->SetCommentColor(clRed);
    const QRect corner(inside(1, 1).right() - 8, inside(1, 1).top(), 9, 6);
    EXPECT_GT(count(paint(), corner, rgb(clRed)), 5);
    g->CellIndex = clBlue;
    EXPECT_GT(count(paint(), corner, rgb(clBlue)), 5);
    grid->ControlLook()->SetCommentColor(clNone);
    const QImage image = paint();
    EXPECT_EQ(count(image, corner, rgb(clRed)) + count(image, corner, rgb(clBlue)), 0);
}

// The drawn button's offset from the cell's top-left corner is kept in
// CellValue; the face lies there.
TEST_F(ExGridGraphics, DrawnButtonKeepsItsOffsetInCellValue)
{
    TCellGraphic* g = add(1, 1, ctButton);
    g->CellIndex = 0x00140032;
    g->CellHAlign = haRight;
    g->CellVAlign = vaTop;
    const QImage image = paint();
    const int offset = static_cast<int>(g->CellValue);
    const int dx = offset % 65536;
    const int dy = offset / 65536;
    const TRect cell = grid->CellRect(1, 1);
    EXPECT_GT(dx, 30);
    EXPECT_GE(dy, 0);
    EXPECT_EQ(image.pixel(cell.Left + dx + 25, cell.Top + dy + 10), rgb(clBtnFace));
    EXPECT_EQ(image.pixel(cell.Left + dx - 2, cell.Top + dy + 10), qRgb(255, 255, 255));
}

TEST_F(ExGridGraphics, RadioGroupChecksTheItemEqualToTheCellText)
{
    TStringList items;
    items.Add(QStringLiteral("one"));
    items.Add(QStringLiteral("two"));
    items.Add(QStringLiteral("three"));
    QImage image(120, 90, QImage::Format_RGB32);
    int line = 0;
    // the dark pixels in the centre of each of Count buttons
    auto centres = [&](const QString& text, int count) {
        grid->SetCells(1, 1, text);
        image.fill(Qt::white);
        TCanvas canvas(&image);
        canvas.SetFont(grid->Font());
        grid->DrawCellRadioGroup(&canvas, Rect(0, 0, 120, 90), false, 1.0, csClassic, 1, 1, false, &items, false,
                                 false, -1, count);
        line = canvas.TextHeight(QStringLiteral("gh"));
        QList<int> dark;
        for (int i = 0; i < count; ++i) {
            const int top = i * line + 2 + (line - 10) / 2;
            dark << countWhere(image, QRect(2 + 3, top + 3, 4, 4),
                                             [](QRgb c) { return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80; });
        }
        return dark;
    };
    const QList<int> second = centres(QStringLiteral("two"), 3);
    EXPECT_EQ(second[0], 0);
    EXPECT_GT(second[1], 0);
    EXPECT_EQ(second[2], 0);
    EXPECT_EQ(centres(QStringLiteral("four"), 3), QList<int>({0, 0, 0}));
    // more buttons than items: the extra button is drawn, centred, without text
    centres(QStringLiteral("two"), 4);
    const QRect fourth = testsupport::inkBox(image, QRect(0, 3 * line + 2, 120, line));
    ASSERT_FALSE(fourth.isEmpty());
    EXPECT_LE(fourth.width(), 12);
    EXPECT_GT(fourth.left(), 40);
}

class ExGridNodeButtons : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(300, 200);
        grid = new NodeGrid(window.get());
        grid->setGeometry(0, 0, 300, 200);
        grid->SetRowCount(4);
        grid->SetFixedCols(0);
        grid->CellNode()->SetNodeType(cnFlat);
        grid->CellNode()->SetNodeColor(clRed);
        grid->CellNode()->SetColor(clWhite);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    std::unique_ptr<QWidget> window;
    NodeGrid* grid = nullptr;
};

TEST_F(ExGridNodeButtons, FlatNodeShowsPlusWhenCollapsedAndMinusWhenExpanded)
{
    for (const bool collapsed : {true, false}) {
        TCellGraphic* g = grid->CreateCellGraphic(0, 1);
        g->CellType = ctNode;
        g->CellBoolean = collapsed;
        QApplication::processEvents();
        const QImage image = grid->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const TRect cell = grid->CellRect(0, 1);
        QRect frame;
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Left + 30; ++x)
                if (image.pixel(x, y) == rgb(clRed))
                    frame |= QRect(x, y, 1, 1);
        ASSERT_EQ(frame.size(), QSize(9, 9));
        const int bl = frame.left(), bt = frame.top();
        EXPECT_EQ(image.pixel(bl + 2, bt + 4), rgb(clRed)) << "minus";
        EXPECT_EQ(image.pixel(bl + 4, bt + 2) == rgb(clRed), collapsed) << "plus bar";
    }
}
