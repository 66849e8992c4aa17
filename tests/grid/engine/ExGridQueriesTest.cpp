#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "platform/core/StringList.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A grid whose cells at column 2 are check boxes, to tell plain cells from
// graphic ones.
class CheckBoxColumnGrid : public TExStringGrid {
public:
    TCellType GetCellType(int ACol, int ARow) override
    {
        return ACol == 2 ? ctCheckBox : TExStringGrid::GetCellType(ACol, ARow);
    }
};

using Args = std::vector<int>;

struct EventCase {
    const char* name;
    // Assigns the event so that it records its arguments into the list.
    std::function<void(TExStringGrid&, Args&)> listen;
    // Calls the slot with column 2 and row 3.
    std::function<void(TExStringGrid&)> raise;
    Args expected;
};

}  // namespace

TEST(ExGridEvents, EachSlotPassesItsEventsArgumentsInTheirOrder)
{
    const std::vector<EventCase> cases = {
        {"OnGridHint",
         [](TExStringGrid& g, Args& a) { g.OnGridHint = [&a](TObject*, int r, int c, QString&) { a = {r, c}; }; },
         [](TExStringGrid& g) {
             QString hint, wide;
             g.QueryCellHint(2, 3, hint, wide);
         },
         {3, 2}},
        {"OnGetEditorType",
         [](TExStringGrid& g, Args& a) {
             g.OnGetEditorType = [&a](TObject*, int c, int r, TEditorType&) { a = {c, r}; };
         },
         [](TExStringGrid& g) {
             TEditorType e = edNormal;
             g.QueryEditorType(2, 3, e);
         },
         {2, 3}},
        {"OnComboCloseUp",
         [](TExStringGrid& g, Args& a) { g.OnComboCloseUp = [&a](TObject*, int r, int c) { a = {r, c}; }; },
         [](TExStringGrid& g) { g.FireComboCloseUp(3, 2); },
         {3, 2}},
        {"OnComboDropDown",
         [](TExStringGrid& g, Args& a) { g.OnComboDropDown = [&a](TObject*, int r, int c) { a = {r, c}; }; },
         [](TExStringGrid& g) { g.FireComboDropDown(3, 2); },
         {3, 2}},
        {"OnCanEditCell",
         [](TExStringGrid& g, Args& a) {
             g.OnCanEditCell = [&a](TObject*, int r, int c, bool&) { a = {r, c}; };
         },
         [](TExStringGrid& g) {
             bool can = true;
             g.QueryCanEditCell(3, 2, can);
         },
         {3, 2}},
        {"OnIsPasswordCell",
         [](TExStringGrid& g, Args& a) {
             g.OnIsPasswordCell = [&a](TObject*, int r, int c, bool&) { a = {r, c}; };
         },
         [](TExStringGrid& g) {
             bool pw = false;
             g.QueryPasswordCell(2, 3, pw);
         },
         {3, 2}},
        {"OnGetAlignment",
         [](TExStringGrid& g, Args& a) {
             g.OnGetAlignment = [&a](TObject*, int r, int c, TAlignment&, TVAlignment&) { a = {r, c}; };
         },
         [](TExStringGrid& g) {
             TAlignment h = taLeftJustify;
             TVAlignment v = vtaTop;
             g.QueryCellAlignment(2, 3, h, v);
         },
         {3, 2}},
        {"OnGetCellColor",
         [](TExStringGrid& g, Args& a) {
             g.OnGetCellColor = [&a](TObject*, int r, int c, TGridDrawState, TBrush*, TFont*) { a = {r, c}; };
         },
         [](TExStringGrid& g) {
             TBrush brush;
             TFont font;
             g.QueryCellColor(2, 3, {}, &brush, &font);
         },
         {3, 2}},
        {"OnGetCellBorder",
         [](TExStringGrid& g, Args& a) {
             g.OnGetCellBorder = [&a](TObject*, int r, int c, TPen*, TCellBorders&) { a = {r, c}; };
         },
         [](TExStringGrid& g) {
             TPen pen;
             TCellBorders borders;
             g.QueryCellBorder(2, 3, &pen, borders);
         },
         {3, 2}},
        {"OnGetWordWrap",
         [](TExStringGrid& g, Args& a) { g.OnGetWordWrap = [&a](TObject*, int c, int r, bool&) { a = {c, r}; }; },
         [](TExStringGrid& g) {
             bool ww = true;
             g.QueryWordWrap(2, 3, ww);
         },
         {2, 3}},
        {"OnHasSpinEdit",
         [](TExStringGrid& g, Args& a) { g.OnHasSpinEdit = [&a](TObject*, int c, int r, bool&) { a = {c, r}; }; },
         [](TExStringGrid& g) { g.QueryHasSpinEdit(2, 3); },
         {2, 3}},
        {"OnHasComboBox",
         [](TExStringGrid& g, Args& a) { g.OnHasComboBox = [&a](TObject*, int c, int r, bool&) { a = {c, r}; }; },
         [](TExStringGrid& g) { g.QueryHasComboBox(2, 3); },
         {2, 3}},
        {"OnGetCheckTrue",
         [](TExStringGrid& g, Args& a) { g.OnGetCheckTrue = [&a](TObject*, int c, int r, QString&) { a = {c, r}; }; },
         [](TExStringGrid& g) {
             QString v;
             g.QueryCheckTrue(2, 3, v);
         },
         {2, 3}},
        {"OnButtonClick",
         [](TExStringGrid& g, Args& a) { g.OnButtonClick = [&a](TObject*, int c, int r) { a = {c, r}; }; },
         [](TExStringGrid& g) { g.FireButtonClick(2, 3); },
         {2, 3}},
        {"OnExpandClick",
         [](TExStringGrid& g, Args& a) {
             g.OnExpandClick = [&a](TObject*, int c, int r, bool e) { a = {c, r, e ? 1 : 0}; };
         },
         [](TExStringGrid& g) { g.FireExpandClick(2, 3, true); },
         {2, 3, 1}},
        {"OnSelectionChanged",
         [](TExStringGrid& g, Args& a) {
             g.OnSelectionChanged = [&a](TObject*, int l, int t, int r, int b) { a = {l, t, r, b}; };
         },
         [](TExStringGrid& g) { g.FireSelectionChanged(2, 3, 4, 5); },
         {2, 3, 4, 5}},
        {"OnGetCellCursor",
         [](TExStringGrid& g, Args& a) {
             g.OnGetCellCursor = [&a](TObject*, int c, int r, int x, int y, TCursor&) { a = {c, r, x, y}; };
         },
         [](TExStringGrid& g) { g.QueryCellCursor(2, 3, 40, 50); },
         {2, 3, 40, 50}},
        {"OnSearchFooterAction",
         [](TExStringGrid& g, Args& a) {
             g.OnSearchFooterAction = [&a](TObject*, const QString&, int c, int r, TSearchAction s) {
                 a = {c, r, s};
             };
         },
         [](TExStringGrid& g) { g.FireSearchFooterAction("x", 2, 3, saFindNext); },
         {2, 3, saFindNext}},
    };
    for (const EventCase& test : cases) {
        TExStringGrid grid;
        Args got;
        test.listen(grid, got);
        test.raise(grid);
        EXPECT_EQ(got, test.expected) << test.name;
    }
}

TEST(ExGridEvents, SenderIsTheGridAndUnassignedEventsAreSkipped)
{
    TExStringGrid grid;
    EXPECT_FALSE(grid.HasCellBorderEvent());
    grid.OnGetCellBorder = [](TObject*, int, int, TPen*, TCellBorders&) {};
    EXPECT_TRUE(grid.HasCellBorderEvent());
    TObject* sender = nullptr;
    grid.OnClickSort = [&](TObject* s, int) { sender = s; };
    grid.FireClickSort(1);
    EXPECT_EQ(sender, &grid);
    QString hint = "kept";
    QString wide;
    grid.QueryCellHint(1, 1, hint, wide);  // nothing assigned
    EXPECT_EQ(hint, "kept");
}

TEST(ExGridEvents, AWideHintReplacesTheHintEncodedAsCellText)
{
    TExStringGrid grid;
    grid.OnGridHint = [](TObject*, int, int, QString& h) { h = "narrow"; };
    grid.OnGridWideHint = [](TObject*, int, int, QString& h) { h = QString::fromUtf8("Привет"); };
    QString hint, wide;
    grid.QueryCellHint(1, 1, hint, wide);
    QString expected = "|\\";
    for (QChar ch : QString::fromUtf8("Привет"))
        expected += QChar(ch.unicode() >> 8) + QString(QChar(ch.unicode() & 0xFF));
    EXPECT_EQ(hint, expected);

    grid.OnGridWideHint = [](TObject*, int, int, QString&) {};
    hint.clear();
    wide.clear();
    grid.QueryCellHint(1, 1, hint, wide);
    EXPECT_EQ(hint, "narrow") << "an empty wide hint leaves the hint";
}

TEST(ExGridEvents, CellsChangedReachesTheEventThenTheNotifiersInRegistrationOrder)
{
    TExStringGrid grid;
    std::vector<QString> calls;
    grid.OnCellsChanged = [&](TObject*, const TRect& r) { calls.push_back("event " + QString::number(r.Left)); };
    grid.RegisterChangeNotifier([&](TExStringGrid* g, const TRect&) {
        calls.push_back(g == &grid ? "first" : "wrong grid");
    });
    grid.RegisterChangeNotifier([&](TExStringGrid*, const TRect& r) { calls.push_back("second " + QString::number(r.Bottom)); });
    grid.FireCellsChanged(TRect{1, 2, 3, 4});
    EXPECT_EQ(calls, (std::vector<QString>{"event 1", "first", "second 4"}));
}

TEST(ExGridQueries, ActiveCellHeadersTakeTheActiveCellLook)
{
    TExStringGrid grid;
    grid.SetActiveCellShow(true);
    grid.SetActiveCellColor(TColor(0x123456));
    grid.ActiveCellFont()->SetColor(clRed);
    grid.ActiveCellFont()->SetSize(14);
    grid.SetCol(2);
    grid.SetRow(3);
    struct Case {
        int col, row;
        bool active;
    };
    for (const Case c : {Case{0, 3, true}, Case{2, 0, true}, Case{0, 2, false}, Case{3, 0, false}, Case{2, 3, false}}) {
        TBrush brush;
        brush.SetColor(clWhite);
        TFont font;
        grid.QueryCellColor(c.col, c.row, {}, &brush, &font);
        EXPECT_EQ(brush.Color() == TColor(0x123456), c.active) << c.col << "," << c.row;
        EXPECT_EQ(font.Color() == clRed && font.Size() == 14, c.active) << c.col << "," << c.row;
    }

    grid.SetActiveCellShow(false);
    TBrush brush;
    brush.SetColor(clWhite);
    TFont font;
    grid.QueryCellColor(0, 3, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clWhite);
}

TEST(ExGridQueries, CellPropertiesColourPlainCellsButNotCheckBoxes)
{
    CheckBoxColumnGrid grid;
    for (int c : {1, 2}) {
        grid.CellProperties(c, 1)->SetBrushColor(clRed);
        grid.CellProperties(c, 1)->SetFontColor(clBlue);
    }
    TBrush plain, check;
    plain.SetColor(clWhite);
    check.SetColor(clWhite);
    TFont plainFont, checkFont;
    grid.QueryCellColor(1, 1, {}, &plain, &plainFont);
    grid.QueryCellColor(2, 1, {}, &check, &checkFont);
    EXPECT_EQ(plain.Color(), clRed);
    EXPECT_EQ(check.Color(), clWhite);
    EXPECT_EQ(plainFont.Color(), clBlue);
    EXPECT_EQ(checkFont.Color(), clBlue) << "the font colour applies to every cell with properties";

    TBrush event;
    TFont eventFont;
    grid.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush* b, TFont*) { b->SetColor(clGreen); };
    grid.QueryCellColor(1, 1, {}, &event, &eventFont);
    EXPECT_EQ(event.Color(), clGreen) << "the event has the last word";
}

TEST(ExGridQueries, ColumnFilterListIsSortedOnceWithQuotedBlanksAndTheClearEntryFirst)
{
    TExStringGrid grid;
    grid.SetRowCount(4);
    grid.SetCells(1, 1, "c");
    grid.SetCells(1, 2, " a b ");
    grid.SetCells(1, 3, "c");
    grid.SetFilterDropDownAuto(true);
    int eventColumn = -1;
    grid.OnGetColumnFilter = [&](TObject*, int column, TStringList*) { eventColumn = column; };
    ASSERT_TRUE(grid.BuildColumnFilterList(1));
    TStringList& list = *grid.FilterList();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Strings(0), "(All)");
    EXPECT_EQ(list.Strings(1), "a b=\"a b\"");
    EXPECT_EQ(list.Strings(2), "c");
    EXPECT_EQ(eventColumn, 1);

    EXPECT_FALSE(grid.BuildColumnFilterList(0)) << "a fixed column lists nothing";
    grid.SetFilterDropDownAuto(false);
    EXPECT_FALSE(grid.BuildColumnFilterList(1));
    grid.OnGetColumnFilter = [](TObject*, int, TStringList* l) { l->Add("own"); };
    EXPECT_TRUE(grid.BuildColumnFilterList(1)) << "the event may fill the list itself";
}

TEST(ExGridQueries, SaveTextKeepsOrDropsMarkupAndTheEventHasTheLastWord)
{
    TExStringGrid grid;
    grid.SetCells(1, 1, "<B>x</B>");
    QString text;
    grid.GetCellSaveText(1, 1, text);
    EXPECT_EQ(text, "<B>x</B>");
    grid.SetSaveWithHTML(false);
    grid.GetCellSaveText(1, 1, text);
    EXPECT_EQ(text, "x");
    grid.OnSaveCell = [](TObject*, int, int, QString& v) { v += "!"; };
    grid.GetCellSaveText(1, 1, text);
    EXPECT_EQ(text, "x!");

    grid.OnLoadCell = [](TObject*, int c, int r, QString& v) { v = v + QString::number(c) + QString::number(r); };
    grid.SetCellLoadText(2, 3, "v");
    EXPECT_EQ(grid.GridCells(2, 3), "v23");
}

TEST(ExGridQueries, CellsAreEditableOnlyWithEditingAndWhenNotReadOnly)
{
    TExStringGrid grid;
    auto editable = [&](int c, int r) {
        bool can = true;
        grid.QueryCellEditable(c, r, can);
        return can;
    };
    EXPECT_FALSE(editable(1, 1)) << "without goEditing no cell is editable";
    grid.SetOptions(grid.Options() | goEditing);
    EXPECT_TRUE(editable(1, 1));
    grid.CellProperties(1, 1)->SetReadOnly(true);
    EXPECT_FALSE(editable(1, 1));
    EXPECT_TRUE(editable(2, 1));
    grid.OnCanEditCell = [](TObject*, int, int c, bool& can) { can = can && c != 2; };
    EXPECT_FALSE(editable(2, 1)) << "the event decides last";
    grid.SetOptions(grid.Options() & ~TGridOptions(goEditing));
    grid.MouseActions()->SetRangeSelectAndEdit(true);
    EXPECT_TRUE(editable(3, 1)) << "range select and edit keeps cells editable";
}

TEST(ExGridQueries, FixedCellsCountFixedRowsColumnsFootersAndRightColumns)
{
    TExStringGrid grid;
    grid.SetFixedFooters(1);
    grid.SetFixedRightCols(1);
    grid.OnIsFixedCell = [](TObject*, int r, int c, bool& fixed) { fixed = r == 5 && c == 2; };
    struct Case {
        int col, row;
        bool fixed;
    };
    for (const Case c : {Case{0, 4, true}, Case{2, 0, true}, Case{2, 9, true}, Case{4, 4, true},
                         Case{2, 4, false}, Case{2, 5, true}}) {
        EXPECT_EQ(grid.IsFixed(c.col, c.row), c.fixed) << c.col << "," << c.row;
    }
}

TEST(ExGridQueries, CheckTextsEditorsAndPasswordMasks)
{
    TExStringGrid grid;
    QString value;
    grid.QueryCheckFalse(1, 1, value);
    EXPECT_EQ(value, "N");
    grid.OnGetCheckTrue = [](TObject*, int c, int, QString& v) { v = c == 1 ? "ja" : v; };
    grid.QueryCheckTrue(1, 1, value);
    EXPECT_EQ(value, "ja");
    grid.QueryCheckTrue(2, 1, value);
    EXPECT_EQ(value, "Y");

    EXPECT_FALSE(grid.QueryNoEditor(1, 1));
    grid.OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
        if (c == 1)
            e = edNone;
        else if (c == 2)
            e = edComboList;
        else if (c == 3)
            e = edSpinEdit;
    };
    EXPECT_TRUE(grid.QueryNoEditor(1, 1));
    EXPECT_FALSE(grid.QueryNoEditor(2, 1));
    EXPECT_FALSE(grid.QueryHasComboBox(2, 1)) << "drop-down buttons show only when always visible";
    grid.ControlLook()->SetDropDownAlwaysVisible(true);
    grid.ControlLook()->SetSpinButtonsAlwaysVisible(true);
    EXPECT_TRUE(grid.QueryHasComboBox(2, 1));
    EXPECT_FALSE(grid.QueryHasComboBox(3, 1));
    EXPECT_TRUE(grid.QueryHasSpinEdit(3, 1));
    EXPECT_FALSE(grid.QueryHasSpinEdit(3, 0)) << "never in a fixed row";
}

TEST(ExGridQueries, ACellCursorShowsAtOnceAndLeavesTheGridsCursor)
{
    TExStringGrid grid;
    TCursor offered = crDrag;
    grid.OnGetCellCursor = [&](TObject*, int c, int, int, int, TCursor& cursor) {
        offered = cursor;
        if (c == 1)
            cursor = crHandPoint;
    };
    grid.QueryCellCursor(1, 1, 0, 0);
    EXPECT_EQ(offered, crDefault) << "the question starts with the grid's cursor";
    EXPECT_EQ(grid.viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(grid.Cursor(), crDefault);
    grid.QueryCellCursor(2, 1, 0, 0);
    EXPECT_EQ(offered, crDefault);
    EXPECT_EQ(grid.viewport()->cursor().shape(), Qt::ArrowCursor);
}
