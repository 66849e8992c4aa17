#include "grid/foundation/objects/ExObjGridSettings.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "grid/foundation/objects/ExObjSearchFooter.h"

#include "platform/core/StringList.h"
#include "platform/ui/paint/Font.h"

#include <gtest/gtest.h>

namespace {

struct Counter {
    int count = 0;
    std::function<void(TObject*)> handler()
    {
        return [this](TObject*) { ++count; };
    }
};

template <typename T>
using BoolGetter = bool (T::*)() const;
template <typename T>
using BoolSetter = void (T::*)(bool);

// ---- TNavigation ----

TEST(Navigation, StartsWithItsDocumentedDefaults)
{
    TNavigation nav;
    const std::pair<BoolGetter<TNavigation>, bool> flags[] = {
        {&TNavigation::AllowInsertRow, false},        {&TNavigation::AdvanceOnEnter, false},
        {&TNavigation::AdvanceOnEnterLoop, true},     {&TNavigation::AdvanceAutoEdit, true},
        {&TNavigation::AdvanceSkipReadOnlyCells, true}, {&TNavigation::AllowCtrlEnter, true},
        {&TNavigation::AllowClipboardRowGrow, true},  {&TNavigation::AllowClipboardColGrow, true},
        {&TNavigation::AllowClipboardShortCuts, false}, {&TNavigation::EditSelectAll, true},
        {&TNavigation::ComboGetUpDown, true},         {&TNavigation::CursorWalkAlwaysEdit, true},
        {&TNavigation::LeftRightRowSelect, true},     {&TNavigation::CopyHTMLTagsToClipboard, true},
        {&TNavigation::SkipFixedCells, true},         {&TNavigation::SkipDisabledRows, true},
        {&TNavigation::AdvanceAuto, false},           {&TNavigation::KeepScrollOnSort, false},
        {&TNavigation::TabToNextAtEnd, false},        {&TNavigation::LineFeedOnEnter, false},
    };
    for (const auto& [get, expected] : flags)
        EXPECT_EQ((nav.*get)(), expected);
    EXPECT_EQ(nav.AdvanceDirection(), adLeftRight);
    EXPECT_EQ(nav.TabAdvanceDirection(), adLeftRight);
    EXPECT_EQ(nav.InsertPosition(), pInsertBefore);
    EXPECT_EQ(nav.ClipboardPasteAction(), paReplace);
    EXPECT_EQ(nav.CursorAdvance(), caDefault);
    EXPECT_EQ(nav.HomeEndKey(), heFirstLastColumn);
}

TEST(Navigation, OnlyAdvanceDirectionAndAdvanceInsertNotifyOnChange)
{
    TNavigation nav;
    Counter changes;
    nav.OnChange = changes.handler();
    nav.SetAdvanceDirection(adLeftRight);
    nav.SetAdvanceInsert(false);
    EXPECT_EQ(changes.count, 0);
    nav.SetAdvanceDirection(adTopBottom);
    nav.SetAdvanceInsert(true);
    EXPECT_EQ(changes.count, 2);
    nav.SetAllowInsertRow(true);
    nav.SetAutoGotoWhenSorted(true);
    nav.SetAdvanceAuto(true);
    EXPECT_EQ(changes.count, 2);
}

TEST(Navigation, AdvanceAutoTurnsAdvanceOnEnterOnButNotOff)
{
    TNavigation nav;
    nav.SetAdvanceAuto(true);
    EXPECT_TRUE(nav.AdvanceOnEnter());
    nav.SetAdvanceAuto(false);
    EXPECT_TRUE(nav.AdvanceOnEnter());
    EXPECT_FALSE(nav.AdvanceAuto());
}

TEST(Navigation, AssignCopiesAllButKeepScrollOnSortAndIgnoresOtherClasses)
{
    TNavigation source;
    source.SetAllowDeleteRow(true);
    source.SetHomeEndKey(heFirstLastRow);
    source.SetAdvanceDirection(adTopBottomInCol);
    source.SetKeepScrollOnSort(true);
    source.SetTabAdvanceDirection(adTopBottom);

    TNavigation target;
    Counter changes;
    target.OnChange = changes.handler();
    target.Assign(&source);
    EXPECT_TRUE(target.AllowDeleteRow());
    EXPECT_EQ(target.HomeEndKey(), heFirstLastRow);
    EXPECT_EQ(target.AdvanceDirection(), adTopBottomInCol);
    EXPECT_EQ(target.TabAdvanceDirection(), adTopBottom);
    EXPECT_FALSE(target.KeepScrollOnSort());
    EXPECT_EQ(changes.count, 0);

    TBands other;
    TNavigation untouched;
    untouched.Assign(&other);
    untouched.Assign(nullptr);
    EXPECT_TRUE(untouched.EditSelectAll());
}

// ---- TMouseActions ----

TEST(MouseActions, StartsWithItsDocumentedDefaults)
{
    TMouseActions mouse(nullptr);
    EXPECT_TRUE(mouse.AutoSizeColOnDblClick());
    EXPECT_TRUE(mouse.PreciseNodeClick());
    EXPECT_FALSE(mouse.DirectEdit());
    EXPECT_FALSE(mouse.DisjunctRowSelect());
    EXPECT_FALSE(mouse.RowSelect());
    EXPECT_EQ(mouse.WheelIncrement(), 0);
    EXPECT_EQ(mouse.WheelAction(), waMoveSelection);
    EXPECT_EQ(mouse.FixedRowsEdit(), fceNone);
    EXPECT_EQ(mouse.FixedColsEditor(), fceEdit);
    EXPECT_EQ(mouse.FixedComboValues()->Count(), 0);
}

TEST(MouseActions, HotmailRowSelectTurnsOnDisjunctRowsAndCheckAllAndInvalidates)
{
    TMouseActions mouse(nullptr);
    Counter invalidates;
    mouse.OnInvalidate = invalidates.handler();
    mouse.SetHotmailRowSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect());
    EXPECT_TRUE(mouse.CheckAllCheck());
    mouse.SetHotmailRowSelect(false);
    EXPECT_TRUE(mouse.DisjunctRowSelect());
    EXPECT_EQ(invalidates.count, 2);
}

TEST(MouseActions, DisjunctModesExcludeEachOtherOnlyWhileDesigning)
{
    TMouseActions mouse(nullptr);
    mouse.SetDisjunctRowSelect(true);
    mouse.SetDisjunctColSelect(true);
    EXPECT_TRUE(mouse.DisjunctRowSelect());

    bool designing = true;
    mouse.OnIsDesigning = [&designing](TObject*, bool& answer) { answer = designing; };
    mouse.SetDisjunctCellSelect(true);
    EXPECT_FALSE(mouse.DisjunctRowSelect());
    EXPECT_FALSE(mouse.DisjunctColSelect());
    EXPECT_TRUE(mouse.DisjunctCellSelect());

    mouse.SetDisjunctRowSelectDirect(true);
    EXPECT_TRUE(mouse.DisjunctCellSelect());
    EXPECT_TRUE(mouse.DisjunctRowSelectDirect());
}

TEST(MouseActions, EditOnDblClickOnlyAndWheelActionEvents)
{
    TMouseActions mouse(nullptr);
    Counter disables;
    Counter changes;
    mouse.OnDisableEdit = disables.handler();
    mouse.OnChange = changes.handler();
    mouse.SetEditOnDblClickOnly(false);
    mouse.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disables.count, 1);
    mouse.SetWheelAction(waMoveSelection);
    mouse.SetWheelAction(waScroll);
    mouse.SetRowSelect(true);
    EXPECT_EQ(changes.count, 1);
}

TEST(MouseActions, AssignLeavesOutFourSettingsAndCopiesNoEvent)
{
    TMouseActions source(nullptr);
    source.SetRowSelect(true);
    source.SetWheelIncrement(3);
    source.SetWheelAction(waScroll);
    source.SetEditOnDblClickOnly(true);
    source.SetHotmailRowSelect(true); // also disjunct rows and check-all
    source.SetSizeFixedRow(true);
    source.SetSizeFixedCol(true);
    source.FixedComboValues()->Add("A");

    TMouseActions target(nullptr);
    Counter changes;
    target.OnChange = changes.handler();
    target.Assign(&source);
    EXPECT_TRUE(target.RowSelect());
    EXPECT_EQ(target.WheelIncrement(), 3);
    EXPECT_EQ(target.WheelAction(), waScroll);
    EXPECT_TRUE(target.DisjunctRowSelect());
    EXPECT_TRUE(target.CheckAllCheck());
    EXPECT_TRUE(target.SizeFixedCol());
    EXPECT_FALSE(target.EditOnDblClickOnly());
    EXPECT_FALSE(target.HotmailRowSelect());
    EXPECT_FALSE(target.SizeFixedRow());
    EXPECT_EQ(target.FixedComboValues()->Count(), 0);
    EXPECT_EQ(changes.count, 0);
}

TEST(MouseActions, FixedComboValuesWriterCopies)
{
    TMouseActions mouse(nullptr);
    TStringList values;
    values.Add("x");
    values.Add("y");
    mouse.SetFixedComboValues(&values);
    values.Clear();
    EXPECT_EQ(mouse.FixedComboValues()->Count(), 2);
}

// ---- TSearchFooter ----

TEST(SearchFooter, StartsWithItsDefaultsAndDesignTimeTexts)
{
    TSearchFooter runtime(nullptr, false);
    EXPECT_TRUE(runtime.AutoSearch());
    EXPECT_EQ(runtime.Color(), clWhite);
    EXPECT_EQ(runtime.ColorTo(), clBtnFace);
    EXPECT_EQ(runtime.SearchColumn(), -1);
    EXPECT_EQ(runtime.SearchDirection(), sdTopBottom);
    EXPECT_TRUE(runtime.ShowClose());
    EXPECT_TRUE(runtime.ShowMatchCase());
    EXPECT_FALSE(runtime.Visible());
    EXPECT_TRUE(runtime.FindNextCaption().isEmpty());
    EXPECT_TRUE(runtime.HintHighlight().isEmpty());

    TSearchFooter design(nullptr, true);
    EXPECT_EQ(design.FindNextCaption(), "Find &next");
    EXPECT_EQ(design.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(design.MatchCaseCaption(), "Match case");
    EXPECT_EQ(design.HighLightCaption(), "Highlight");
    EXPECT_EQ(design.HintClose(), "Close");
    EXPECT_EQ(design.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(design.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(design.HintHighlight(), "Highlight occurrences");
}

TEST(SearchFooter, LooksNotifyAlwaysShowSettingsOnlyOnChangeSearchOptionsNever)
{
    struct Case {
        const char* name;
        std::function<void(TSearchFooter&)> write;
        int changes;
    };
    const Case cases[] = {
        {"same colour", [](TSearchFooter& f) { f.SetColor(clWhite); }, 1},
        {"caption", [](TSearchFooter& f) { f.SetFindNextCaption("x"); }, 1},
        {"hint", [](TSearchFooter& f) { f.SetHintClose("x"); }, 1},
        {"show close, same", [](TSearchFooter& f) { f.SetShowClose(true); }, 1},
        {"show find next, same", [](TSearchFooter& f) { f.SetShowFindNext(true); }, 0},
        {"show find next, new", [](TSearchFooter& f) { f.SetShowFindNext(false); }, 1},
        {"visible, same", [](TSearchFooter& f) { f.SetVisible(false); }, 0},
        {"visible, new", [](TSearchFooter& f) { f.SetVisible(true); }, 1},
        {"auto theme", [](TSearchFooter& f) { f.SetAutoThemeAdapt(false); }, 1},
        {"font", [](TSearchFooter& f) { f.SetFont(TFont()); }, 1},
        {"search column", [](TSearchFooter& f) { f.SetSearchColumn(3); }, 0},
        {"always highlight", [](TSearchFooter& f) { f.SetAlwaysHighLight(true); }, 0},
        {"last search", [](TSearchFooter& f) { f.SetLastSearch("abc"); }, 0},
    };
    for (const Case& c : cases) {
        TSearchFooter footer(nullptr, false);
        Counter changes;
        footer.OnChange = changes.handler();
        c.write(footer);
        EXPECT_EQ(changes.count, c.changes) << c.name;
    }
}

TEST(SearchFooter, FontWriterCopiesTheFont)
{
    TSearchFooter footer(nullptr, false);
    TFont font;
    font.SetName("Verdana");
    font.SetSize(14);
    footer.SetFont(font);
    font.SetSize(8);
    EXPECT_EQ(footer.Font()->Size(), 14);
    EXPECT_EQ(footer.Font()->Name(), "Verdana");
}

TEST(SearchFooter, AssignLeavesOutSearchStateAndRaisesNothing)
{
    TSearchFooter source(nullptr, true);
    source.SetColor(clRed);
    source.SetVisible(true);
    source.SetSearchColumn(4);
    source.SetAutoSearch(false);
    source.SetSearchFixedCells(true);
    source.SetAutoThemeAdapt(true);
    source.SetLastSearch("needle");
    source.Font()->SetSize(17);

    TSearchFooter target(nullptr, false);
    Counter changes;
    target.OnChange = changes.handler();
    target.Assign(&source);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_TRUE(target.Visible());
    EXPECT_EQ(target.SearchColumn(), 4);
    EXPECT_EQ(target.FindNextCaption(), "Find &next");
    EXPECT_EQ(target.Font()->Size(), 17);
    EXPECT_TRUE(target.AutoSearch());
    EXPECT_FALSE(target.SearchFixedCells());
    EXPECT_FALSE(target.AutoThemeAdapt());
    EXPECT_TRUE(target.LastSearch().isEmpty());
    EXPECT_EQ(changes.count, 0);
}

// ---- TSyncGrid, TBands, TFocusHelper ----

TEST(SyncGrid, RefusesItsOwnerAndAssignsThroughTheWriter)
{
    auto* owner = reinterpret_cast<TStringGrid*>(0x1000);
    auto* other = reinterpret_cast<TStringGrid*>(0x2000);
    TSyncGrid sync(owner);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(other);
    sync.SetGrid(owner);
    EXPECT_EQ(sync.Grid(), other);

    TSyncGrid source(other);
    source.SetGrid(owner);
    source.SetScrollVertical(true);
    source.SetMoveRow(true);
    TSyncGrid target(owner);
    target.Assign(&source);
    EXPECT_EQ(target.Grid(), nullptr); // its own owner is refused
    EXPECT_TRUE(target.ScrollVertical());
    EXPECT_TRUE(target.MoveRow());
    EXPECT_FALSE(target.SelectionRow());
}

TEST(Bands, DefaultsAndTotalLength)
{
    TBands bands;
    EXPECT_FALSE(bands.Active());
    EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), clWindow);
    EXPECT_EQ(bands.TotalLength(), 2);
    bands.SetPrimaryLength(3);
    EXPECT_EQ(bands.TotalLength(), 4);
    bands.SetSecondaryLength(5);
    EXPECT_EQ(bands.TotalLength(), 8);
}

TEST(Bands, ReportChangesOnlyWhileActive)
{
    TBands bands;
    Counter changes;
    bands.OnChange = changes.handler();
    bands.SetPrimaryColor(clRed);
    bands.SetPrimaryLength(2);
    EXPECT_EQ(changes.count, 0);
    bands.SetActive(true);
    EXPECT_EQ(changes.count, 1);
    bands.SetActive(true);
    bands.SetPrimaryColor(clRed);
    EXPECT_EQ(changes.count, 1);
    bands.SetSecondaryColor(clBlue);
    bands.SetSecondaryLength(2);
    bands.SetPrint(true);
    EXPECT_EQ(changes.count, 3);
}

TEST(Bands, AssignCopiesSettingsAndRecomputesTotalWithoutEvents)
{
    TBands source;
    source.SetActive(true);
    source.SetPrimaryLength(2);
    source.SetSecondaryLength(3);
    source.SetSecondaryColor(clYellow);
    source.SetPrint(true);
    TBands target;
    Counter changes;
    target.OnChange = changes.handler();
    target.Assign(&source);
    EXPECT_TRUE(target.Active());
    EXPECT_EQ(target.TotalLength(), 5);
    EXPECT_EQ(target.SecondaryColor(), clYellow);
    EXPECT_TRUE(target.Print());
    EXPECT_EQ(changes.count, 0);
}

TEST(FocusHelper, DisabledByDefaultAndCopiedOnlyFromItsOwnClass)
{
    TFocusHelper source(nullptr);
    EXPECT_FALSE(source.Enabled());
    source.SetEnabled(true);
    TFocusHelper target(nullptr);
    TBands other;
    target.Assign(&other);
    EXPECT_FALSE(target.Enabled());
    target.Assign(&source);
    EXPECT_TRUE(target.Enabled());
}

} // namespace
