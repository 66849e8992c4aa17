#include "tests/grid/engine/paint/ExGridRenderFixture.h"
#include "grid/engine/ExGrid.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "grid/services/shape/ExGridHiddenIndex.h"
#include "platform/core/StringList.h"
#include "platform/ui/paint/Font.h"

#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtWidgets/QTextEdit>

#include <cstdlib>

#include <gtest/gtest.h>

namespace {

// A row of plain cells: columns 1 to 4 of row 1 with font colours and
// alignments; column 2 has its own background colour, the others take the
// grid's (clNone; new cell properties start from the grid's colour).
struct ColouredRow {
    ColouredRow()
    {
        grid.SetColCount(5);
        grid.SetRowCount(3);
        for (int c = 1; c < 5; ++c) {
            grid.SetFontColors(c, 1, clRed);
            grid.SetAlignments(c, 1, taCenter);
            grid.SetColors(c, 1, c == 2 ? clYellow : clNone);
        }
    }
    bool keepsLooks(int c) const
    {
        return grid.FontColors(c, 1) == clRed && grid.Alignments(c, 1) == taCenter;
    }
    TExStringGrid grid;
};

}  // namespace

TEST(ExGridCellAppearance, RowColourWritersWithNoneTakeAwayWhatEachOneShould)
{
    {
        ColouredRow row;
        row.grid.SetRowColor(1, clNone);
        for (int c = 1; c < 5; ++c) {
            EXPECT_TRUE(row.keepsLooks(c)) << c;
            EXPECT_EQ(row.grid.Colors(c, 1), clNone) << c;
        }
    }
    {
        ColouredRow row;
        row.grid.SetRowColorTo(1, clNone);
        for (int c = 1; c < 5; ++c)
            EXPECT_FALSE(row.grid.HasCellProperties(c, 1)) << c;
    }
    {
        ColouredRow row;
        row.grid.SetRowFontColor(1, clNone);
        EXPECT_TRUE(row.keepsLooks(2));
        for (int c : {1, 3, 4})
            EXPECT_FALSE(row.grid.HasCellProperties(c, 1)) << c;
    }
    {
        ColouredRow row;
        row.grid.CreateCellGraphic(3, 1);
        row.grid.SetRowColor(1, clNone);
        EXPECT_FALSE(row.grid.HasCellProperties(3, 1));
        EXPECT_TRUE(row.keepsLooks(4));
    }
}

TEST(ExGridCellAppearance, RowWritersReachHiddenColumnsAndSkipFixedOnes)
{
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.HideColumn(3);
    grid.SetRowColor(1, clAqua);
    EXPECT_EQ(grid.Colors(3, 1), clAqua);
    EXPECT_EQ(grid.Colors(0, 1), clNone);
    EXPECT_FALSE(grid.HasCellProperties(0, 1));
}

TEST(ExGridCellAppearance, ReadersGiveDefaultsAndOnlyWordWrapsCreatesProperties)
{
    TExStringGrid grid;
    EXPECT_EQ(grid.Colors(1, 1), clNone);
    EXPECT_EQ(grid.ColorsTo(1, 1), clNone);
    EXPECT_EQ(grid.FontSizes(1, 1), 0);
    EXPECT_EQ(grid.FontNames(1, 1), QString());
    EXPECT_EQ(grid.Alignments(1, 1), taLeftJustify);
    EXPECT_FALSE(grid.ReadOnly(1, 1));
    EXPECT_EQ(grid.Colors(99, 99), clNone);
    EXPECT_FALSE(grid.HasCellProperties(1, 1));
    grid.WordWraps(1, 1);
    EXPECT_TRUE(grid.HasCellProperties(1, 1));

    TFont font;
    font.SetName("Tahoma");
    font.SetSize(14);
    font.SetColor(clMaroon);
    font.SetStyle(TFontStyles(fsItalic));
    grid.SetCellFont(2, 1, &font);
    EXPECT_EQ(grid.FontNames(2, 1), "Tahoma");
    EXPECT_EQ(grid.FontSizes(2, 1), 14);
    EXPECT_EQ(grid.FontColors(2, 1), clMaroon);
    EXPECT_EQ(grid.FontStyles(2, 1), TFontStyles(fsItalic));
}

TEST(ExGridCellAppearance, CellsOfHiddenRowsByRealIndex)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetCells(1, 2, "b");
    grid.HideRow(2);
    grid.SetColCount(9);  // columns added after hiding: the record keeps 3 texts

    for (int c : {3, 7}) {
        EXPECT_EQ(grid.AllCells(c, 2), QString()) << c;
        EXPECT_EQ(grid.AllGridCells(c, 2), QString()) << c;
        EXPECT_EQ(grid.AllWideCells(c, 2), QString()) << c;
        EXPECT_EQ(grid.AllObjects(c, 2), nullptr) << c;
    }
    EXPECT_EQ(grid.AllCells(1, 2), "b");
    EXPECT_EQ(grid.AllCells(-1, 2), QString());
    EXPECT_EQ(grid.AllCells(1, -1), QString());

    grid.SetAllCells(5, 2, "x");
    EXPECT_EQ(grid.HiddenRowItem(0)->Items()->Count(), 6);
    EXPECT_EQ(grid.AllCells(5, 2), "x");
    EXPECT_EQ(grid.AllCells(4, 2), QString());

    grid.HideColumn(4);
    grid.HideColumn(6);
    EXPECT_EQ(grid.AllColCount(), 9);
    grid.SetColCount(9);
    EXPECT_EQ(grid.AllColCount(), 11);
    EXPECT_EQ(grid.AllRowCount(), 4);
}

TEST(ExGridCellAppearance, HiddenRowTextsPassTheDisplayHook)
{
    TExStringGrid grid;
    grid.SetCells(1, 1, "raw");
    grid.HideRow(1);
    grid.OnGetDisplText = [](TObject*, int, int, QString& Value) { Value = "shown " + Value; };
    EXPECT_EQ(grid.AllCells(1, 1), "shown raw");
    EXPECT_EQ(grid.AllGridCells(1, 1), "raw");
}

TEST(ExGridCellAppearance, ZoomGrowsSizesInStepsWithinItsRange)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetColWidths(1, 0);
    const int width = grid.ColWidths(2);
    const int height = grid.RowHeights(1);
    grid.Zoom(4);
    grid.Zoom(4);
    grid.Zoom(4);
    EXPECT_EQ(grid.ZoomFactor(), 8);
    EXPECT_EQ(grid.ColWidths(2), width + 8);
    EXPECT_EQ(grid.RowHeights(1), height + 8);
    EXPECT_EQ(grid.ColWidths(1), 0);
    grid.Zoom(-19);
    EXPECT_EQ(grid.ZoomFactor(), 8);
}

TEST(ExGridCellAppearance, ControlsInCellsCoverTheCellAndItsLines)
{
    TExStringGrid grid;
    grid.SetDefaultColWidth(64);
    grid.SetDefaultRowHeight(22);
    auto* control = new QWidget;
    grid.SetCellControls(2, 1, control);
    const TRect cell = grid.CellRect(2, 1);
    EXPECT_EQ(control->geometry(), QRect(cell.Left - 1, cell.Top - 1, 65, 23));
    EXPECT_EQ(grid.CellControls(2, 1), control);
    EXPECT_EQ(grid.ControlList()->Count(), 1);

    grid.SetCellControls(2, 1, nullptr);
    EXPECT_EQ(grid.CellControls(2, 1), nullptr);
    EXPECT_EQ(grid.ControlList()->Count(), 0);
}

TEST(ExGridCellAppearance, SortCrossReferenceMapsRowsBothWays)
{
    TExStringGrid grid;
    grid.SetRowCount(6);
    EXPECT_EQ(grid.UnSortedRowIndex(3), 3);
    for (int r : {0, 3, 1, 2})
        grid.SortXRef()->Add(r);
    EXPECT_EQ(grid.UnSortedRowIndex(1), 2);
    EXPECT_EQ(grid.UnSortedRowIndex(3), 1);
    EXPECT_EQ(grid.UnSortedRowIndex(5), 4);
    EXPECT_EQ(grid.SortedRowIndex(1), 3);
    EXPECT_EQ(grid.SortedRowIndex(5), 5);
    grid.SetCells(1, 2, "was row 1");
    EXPECT_EQ(grid.UnSortedCells(1, 1), "was row 1");
    EXPECT_EQ(grid.OriginalCells(1, 2), "was row 1");
}

TEST(ExGridCellAppearance, RichTextKeepsEveryCharacterBothWays)
{
    TExStringGrid grid;
    QTextEdit editor;
    for (const QString& text : {QStringLiteral("Preis 5 €"), QStringLiteral("Привет"), QStringLiteral("a{b}\\c")}) {
        grid.SetCells(1, 1, text);
        grid.CellToRich(1, 1, &editor);
        EXPECT_EQ(editor.toPlainText(), text);
        grid.RichToCell(2, 1, &editor);
        EXPECT_EQ(grid.Cells(2, 1), text);
        editor.clear();
        grid.CellToRich(2, 1, &editor);
        EXPECT_EQ(editor.toPlainText(), text);
    }
    grid.SetCells(1, 1, QString());
    grid.CellToRich(1, 1, &editor);
    EXPECT_TRUE(editor.document()->isEmpty());
}

TEST(ExGridCellAppearance, RichTextFormOfACellIsReadAsPlainText)
{
    TExStringGrid grid;
    QTextEdit editor;
    grid.SetCells(1, 1, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\b fett} gr\\'fc\\'df\\par 5 \\u8364?}");
    grid.CellToRich(1, 1, &editor);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("fett grüß\n5 €"));
    QTextCursor cursor(editor.document());
    cursor.movePosition(QTextCursor::NextCharacter);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
    grid.RichToCell(2, 1, &editor);
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("fett grüß\r\n5 €"));
}

TEST(ExGridCellAppearance, CurrentCellTextThroughTheDisplayHooks)
{
    TExStringGrid grid;
    grid.SetCol(2);
    grid.SetRow(1);
    grid.SetCells(2, 1, "now");
    grid.OnGetDisplText = [](TObject*, int, int, QString& Value) { Value += "!"; };
    EXPECT_EQ(grid.GetCurrentCellText(), "now!");
    EXPECT_EQ(grid.LinesInCell(2, 1), 1);
    grid.SetCells(3, 1, "a\rb\rc");
    EXPECT_EQ(grid.LinesInCell(3, 1), 3);
}

using ExGridFirstLook = GridFixture;

TEST_F(ExGridFirstLook, NewGridPaintsWhiteToButtonFaceHeadersAndTheXPSelection)
{
    grid->SetOptions(grid->Options() | goRangeSelect);
    grid->SetSelection(TGridRect{1, 1, 2, 2});
    grid->SetCells(1, 1, "Selected");
    QImage image = paint();
    const TRect header = grid->CellRect(1, 0);
    const int top = header.Top + 1;
    const int bottom = header.Bottom - 2;
    const int x = header.Left + header.Width() / 2;
    const auto near = [](TColor a, TColor b) {
        for (int shift : {0, 8, 16})
            if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 4)
                return false;
        return true;
    };
    EXPECT_TRUE(near(PixelColor(image, x, top), clWhite)) << PixelColor(image, x, top);
    EXPECT_TRUE(near(PixelColor(image, x, bottom), ColorToRGB(clBtnFace))) << PixelColor(image, x, bottom);
    EXPECT_GE(CountColor(image, inside(1, 2), 15387318), inside(1, 2).width() * 10);
    EXPECT_FALSE(DarkBox(image, inside(1, 1)).isEmpty());  // black text on the selection
    if (qEnvironmentVariableIsSet("GRID_LOOK_SHOTS")) {
        for (const auto& [name, apply] : std::initializer_list<std::pair<const char*, std::function<void()>>>{
                 {"luna", [this] { grid->SetStyle(gsOffice2007Luna); }},
                 {"win7", [this] { grid->SetStyle(gsWindows7); }},
                 {"tones", [this] {
                      TColorTones tones;
                      tones.Background = {0xFFFFFF, 0xD0D0D0, 0x333333};
                      tones.Foreground = {0xE8B070, 0xA06020, 0xFFFFFF};
                      tones.Selected = {0xC07020, 0xC07020, 0xFFFFFF};
                      tones.Hover = {0xF0D0B0, 0xC07020, 0x333333};
                      tones.Disabled = {0xEEEEEE, 0xCCCCCC, 0x999999};
                      grid->SetColorTones(tones);
                  }}}) {
            apply();
            paint().save(qEnvironmentVariable("GRID_LOOK_SHOTS") + "/" + name + ".png");
        }
    }
}
