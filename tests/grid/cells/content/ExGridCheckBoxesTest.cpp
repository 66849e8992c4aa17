// Data check boxes: the state is the cell text, read against the cell's
// check-true text, written by setting and toggling.

#include "tests/grid/cells/columns/ColumnGridFixture.h"
#include "tests/grid/cells/StringGridFixture.h"
#include "grid/engine/paint/ExGridCellGraphic.h"
#include "grid/engine/ExGridDataSettings.h"
#include "platform/core/StringList.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/foundation/objects/ExObjMouseActions.h"

#include <QtTest/QTest>
#include <QtWidgets/QWidget>

namespace {

// Column 2 holds data check boxes.
std::unique_ptr<CountingColumnGrid> checkGrid()
{
    auto grid = MakeColumnGrid(4);
    grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
    return grid;
}

TEST(DataCheckBoxes, StateIsTheExactCheckTrueTextAndToggleWritesTheOtherText)
{
    struct Case {
        const char* text;
        bool checked;
        const char* afterToggle;
    };
    const Case cases[] = {{"", false, "Y"}, {"Y", true, "N"}, {"N", false, "Y"},
                          {"y", false, "Y"}, {" Y", false, "Y"}, {"abc", false, "Y"}};
    for (const Case& c : cases) {
        auto grid = checkGrid();
        grid->SetCells(2, 1, QString::fromUtf8(c.text));
        bool state = !c.checked;
        EXPECT_TRUE(grid->GetCheckBoxState(2, 1, state));
        EXPECT_EQ(state, c.checked) << c.text;
        EXPECT_EQ(grid->IsChecked(2, 1), c.checked) << c.text;
        EXPECT_TRUE(grid->ToggleCheckBox(2, 1));
        EXPECT_EQ(grid->Cells(2, 1), QString::fromUtf8(c.afterToggle)) << c.text;
    }
    auto grid = checkGrid();
    EXPECT_TRUE(grid->SetCheckBoxState(2, 3, true));
    EXPECT_EQ(grid->Cells(2, 3), QStringLiteral("Y"));
    bool state = true;
    EXPECT_FALSE(grid->GetCheckBoxState(1, 1, state)) << "a plain cell holds no check box";
    EXPECT_FALSE(grid->IsChecked(1, 1));
    EXPECT_FALSE(grid->SetCheckBoxState(1, 1, true));
    EXPECT_TRUE(grid->Cells(1, 1).isEmpty());
    EXPECT_TRUE(grid->HasCheckBox(2, 1));
    EXPECT_TRUE(grid->HasDataCheckBox(2, 1));
    EXPECT_FALSE(grid->HasCheckBox(2, 0));
    EXPECT_FALSE(grid->HasCheckBox(-1, 1));
}

TEST(DataCheckBoxes, CheckTextsComeFromTheEventInAStringGridAndFromTheColumnInDataCells)
{
    TExStringGrid plain;
    plain.SetColCount(3);
    plain.SetRowCount(3);
    plain.Loaded();
    plain.CreateCellGraphic(1, 1)->SetCheckBox(false, true, true, haBeforeText, vaTop);
    plain.OnGetCheckTrue = [](TObject*, int, int, QString& v) { v = QStringLiteral("1"); };
    plain.SetCells(1, 1, QStringLiteral("Y"));
    EXPECT_FALSE(plain.IsChecked(1, 1));
    plain.SetCells(1, 1, QStringLiteral("1"));
    EXPECT_TRUE(plain.IsChecked(1, 1));

    auto grid = checkGrid();
    grid->SetFixedFooters(1);
    grid->Columns()->Items(2)->SetCheckTrue(QStringLiteral("on"));
    grid->OnGetCheckTrue = [](TObject*, int, int, QString& v) { v = QStringLiteral("1"); };
    const std::pair<int, const char*> rows[] = {{1, "on"}, {0, "1"}, {4, "1"}};
    for (auto [row, expected] : rows) {
        QString value;
        grid->QueryCheckTrue(2, row, value);
        EXPECT_EQ(value, QString::fromUtf8(expected)) << row;
    }
    QString other;
    grid->QueryCheckTrue(0, 1, other);
    EXPECT_EQ(other, QStringLiteral("1")) << "a fixed column keeps the grid's answer";
}

TEST(DataCheckBoxes, UserTogglesInAReadOnlyColumnNeedCheckAlwaysActive)
{
    auto grid = checkGrid();
    grid->Columns()->Items(2)->SetReadOnly(true);
    EXPECT_FALSE(grid->ToggleCellCheck(2, 1, true));
    EXPECT_TRUE(grid->Cells(2, 1).isEmpty());
    grid->ControlLook()->SetCheckAlwaysActive(true);
    EXPECT_TRUE(grid->ToggleCellCheck(2, 1, true));
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("Y"));
    grid->ControlLook()->SetCheckAlwaysActive(false);
    EXPECT_TRUE(grid->ToggleCheckBox(2, 1)) << "a toggle from code asks nobody";
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("N"));
}

TEST(DataCheckBoxes, ToggleRegistersUndoWithTheTextTheCellReallyHeld)
{
    auto grid = checkGrid();
    TExGridUndoRedo undo;
    grid->SetUndoRedo(&undo);
    grid->SetCells(2, 2, QStringLiteral("y"));
    grid->ToggleCheckBox(2, 1);
    grid->ToggleCheckBox(2, 2);
    ASSERT_EQ(undo.Items().Count(), 2);
    EXPECT_EQ(undo.Items().Items(0).OrigValue, QString());
    EXPECT_EQ(undo.Items().Items(0).Value, QStringLiteral("Y"));
    EXPECT_EQ(undo.Items().Items(1).OrigValue, QStringLiteral("y"));
    EXPECT_EQ(undo.Items().Items(1).Value, QStringLiteral("Y"));
    grid->SetUndoRedo(nullptr);
}

TEST(DataCheckBoxes, ChangeEventsFireOnlyForRealChanges)
{
    auto grid = checkGrid();
    QStringList events;
    grid->OnCheckBoxChange = [&](TObject*, int c, int r, bool s) { events << QStringLiteral("%1,%2,%3").arg(c).arg(r).arg(s); };
    EXPECT_TRUE(grid->SetCheckStateNotify(2, 1, true));
    EXPECT_TRUE(grid->SetCheckStateNotify(2, 1, true));
    EXPECT_TRUE(grid->SetCheckStateNotify(2, 2, false));
    EXPECT_FALSE(grid->SetCheckStateNotify(1, 1, true));
    EXPECT_EQ(events, QStringList{"2,1,1"});
    EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("N"));
    EXPECT_FALSE(grid->SetCheckBoxState(2, 1, false) && events.size() > 1) << "setting fires nothing";
}

TEST(DataCheckBoxes, PreciseHitsTakeOnlyTheDrawnBox)
{
    auto grid = checkGrid();
    grid->SetDefaultColWidth(64);
    grid->SetDefaultRowHeight(24);
    const TRect cell = grid->CellRect(2, 1);
    EXPECT_TRUE(grid->IsInCheckBox(2, 1, cell.Left + 40, cell.Top + 20)) << "the whole cell counts by default";
    grid->MouseActions()->SetPreciseCheckBoxCheck(true);
    const std::pair<TPoint, bool> points[] = {{{2, 2}, true}, {{16, 16}, true}, {{17, 2}, false}, {{2, 17}, false},
                                              {{1, 2}, false}};
    for (auto [offset, hit] : points)
        EXPECT_EQ(grid->IsInCheckBox(2, 1, cell.Left + offset.X, cell.Top + offset.Y), hit)
            << offset.X << "," << offset.Y;
    EXPECT_FALSE(grid->IsInCheckBox(1, 1, cell.Left + 2, cell.Top + 2)) << "no check box there";
}

// A click on the box and Space on its cell reach the box through the grid's
// own mouse and key paths, as a person toggles it.
TEST(DataCheckBoxes, AClickAndSpaceToggleThroughTheGridsInputPaths)
{
    for (const bool bySpace : {false, true}) {
        SCOPED_TRACE(bySpace ? "Space" : "click");
        QWidget window;
        window.resize(400, 300);
        auto* grid = new CountingColumnGrid(&window);
        grid->setGeometry(0, 0, 400, 300);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetOptions(grid->Options() | goEditing);
        grid->Loaded();
        grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
        QStringList events;
        grid->OnCheckBoxChange = [&](TObject*, int c, int r, bool s) { events << QStringLiteral("change %1,%2,%3").arg(c).arg(r).arg(s); };
        grid->OnCheckBoxClick = [&](TObject*, int c, int r, bool s) { events << QStringLiteral("click %1,%2,%3").arg(c).arg(r).arg(s); };
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        if (bySpace) {
            grid->MoveToCell(2, 2);
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Space);
        } else {
            const TRect R = grid->CellRect(2, 2);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2));
        }
        EXPECT_EQ(events, (QStringList{"change 2,2,1", "click 2,2,1"}));
        EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("Y"));
    }
}

// ---- other check kinds --------------------------------------------------------------

TEST(CheckBoxes, ThreeStateBoxesCycleAndNodeRowsWithAutoCheckGroupNeverTurnGrayed)
{
    auto grid = MakeStringGrid(3, 6);
    grid->AddCheckBox(1, 1, cbUnchecked);
    grid->AddNode(3, 2);
    grid->AddCheckBox(1, 3, cbUnchecked);
    grid->Grouping()->SetAutoCheckGroup(true);
    const std::pair<int, std::vector<TCheckBoxState>> cycles[] = {
        {1, {cbGrayed, cbChecked, cbUnchecked}}, {3, {cbChecked, cbUnchecked, cbChecked}}};
    for (const auto& [row, states] : cycles)
        for (TCheckBoxState expected : states) {
            EXPECT_TRUE(grid->ToggleCheckBox(1, row));
            TCheckBoxState state = cbGrayed;
            ASSERT_TRUE(grid->GetCheckBoxState(1, row, state));
            EXPECT_EQ(state, expected) << "row " << row;
            bool checked = !(expected == cbChecked);
            EXPECT_TRUE(grid->GetCheckBoxState(1, row, checked)) << "the Boolean reader finds three-state boxes";
            EXPECT_EQ(checked, expected == cbChecked);
        }
    EXPECT_FALSE(grid->SetCheckBoxState(1, 2, cbChecked)) << "no three-state box there";
}

TEST(CheckBoxes, AddingRaisesInvalidCellBeyondTheGridAndKeepsDataTexts)
{
    auto grid = MakeStringGrid(3, 4);
    grid->HideColumn(2);
    EXPECT_THROW(grid->AddCheckBox(3, 1, true, true), Exception);
    EXPECT_THROW(grid->AddRadioButton(1, 4, true), Exception);
    EXPECT_NO_THROW(grid->AddCheckBox(2, 3, true, false)) << "a hidden column counts";
    grid->SetCells(1, 1, QStringLiteral("N"));
    grid->SetCells(1, 2, QStringLiteral("abc"));
    grid->AddCheckBox(1, 1, true, true);
    grid->AddCheckBox(1, 2, true, true);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("N"));
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("Y"));
}

// Rows 1 to 4: plain unchecked, plain checked, text without a box, data "N".
TEST(CheckBoxes, CheckAllChangesOnlyBoxesAndFiresOncePerChangedBox)
{
    auto grid = MakeStringGrid(3, 5);
    grid->AddCheckBox(1, 1, false, false);
    grid->AddCheckBox(1, 2, true, false);
    grid->SetCells(1, 3, QStringLiteral("abc"));
    grid->AddCheckBox(1, 4, false, true);
    QStringList events;
    grid->OnCheckBoxChange = [&](TObject*, int c, int r, bool s) { events << QStringLiteral("%1,%2,%3").arg(c).arg(r).arg(s); };
    grid->CheckAll(1);
    EXPECT_EQ(events, (QStringList{"1,1,1", "1,4,1"}));
    EXPECT_EQ(grid->Cells(1, 3), QStringLiteral("abc"));
    EXPECT_EQ(grid->Cells(1, 4), QStringLiteral("Y"));
    events.clear();
    grid->UnCheckAll(1);
    EXPECT_EQ(events, (QStringList{"1,1,0", "1,2,0", "1,4,0"}));
}

// Node at row 1 spanning rows 1 to 4, row 5 outside; plain boxes under it.
TEST(CheckBoxes, AutoCheckGroupChecksTheBlockByRealRowAndGraysTheNodeOnADifference)
{
    auto grid = MakeStringGrid(3, 6);
    grid->AddNode(1, 4);
    grid->AddCheckBoxColumn(1, false, false);
    grid->Grouping()->SetAutoCheckGroup(true);
    auto states = [&] {
        QString s;
        for (int r = 1; r <= 5; ++r)
            s += grid->IsChecked(1, r) ? QLatin1Char('x') : QLatin1Char('.');
        return s;
    };
    grid->ToggleCheckBox(1, 1);
    EXPECT_EQ(states(), QStringLiteral("xxxx."));
    grid->ContractNode(1);
    ASSERT_EQ(grid->NumHiddenRows(), 3);
    grid->ToggleCheckBox(1, 1);
    EXPECT_EQ(states(), QStringLiteral("....."));
    grid->ToggleCheckBox(1, 1);
    EXPECT_EQ(states(), QStringLiteral("xxxx.")) << "rows hidden in the contracted block follow by real row";
    grid->ExpandNode(1);
    grid->ToggleCheckBox(1, 3);
    TCheckBoxState node = cbChecked;
    grid->GetCheckBoxState(1, 1, node);
    EXPECT_EQ(node, cbGrayed);
    grid->ToggleCheckBox(1, 3);
    grid->GetCheckBoxState(1, 1, node);
    EXPECT_EQ(node, cbChecked);
    grid->ToggleCheckBox(1, 5);
    grid->GetCheckBoxState(1, 1, node);
    EXPECT_EQ(node, cbChecked) << "a row outside every block changes no node";
}

TEST(CheckBoxes, RowCheckBoxesStandForTheRowSelection)
{
    auto grid = MakeStringGrid(3, 6);
    grid->MouseActions()->SetHotmailRowSelect(true);
    EXPECT_EQ(grid->GetCellType(0, 2), ctRowCheckBox);
    grid->SetRowSelect(1, true);
    grid->SetRowSelect(2, true);
    const TCellGraphic* all = grid->GetCellGraphic(0, 0);
    ASSERT_TRUE(all);
    EXPECT_FALSE(all->CellBoolean);
    EXPECT_EQ(all->CellAngle, 1) << "the partial mark";
    for (int r = 3; r <= 5; ++r)
        grid->SetRowSelect(r, true);
    all = grid->GetCellGraphic(0, 0);
    EXPECT_TRUE(all->CellBoolean);
    EXPECT_EQ(all->CellAngle, 0);
    grid->SetCells(0, 4, QStringLiteral("row"));
    EXPECT_TRUE(grid->ToggleCheckBox(0, 4));
    EXPECT_FALSE(grid->RowSelect(4));
    EXPECT_FALSE(grid->IsChecked(0, 4));
    EXPECT_EQ(grid->Cells(0, 4), QStringLiteral("row")) << "the toggle leaves column 0's text alone";
    EXPECT_TRUE(grid->ToggleCheckBox(0, 4));
    EXPECT_TRUE(grid->IsChecked(0, 4));
    EXPECT_EQ(grid->Cells(0, 4), QStringLiteral("row"));
}

TEST(CheckBoxes, PreciseClicksHitTheCentredBoxOnly)
{
    auto grid = MakeStringGrid(3, 3);
    grid->SetVAlignment(vtaCenter);
    grid->SetRowHeights(1, 25);
    grid->AddCheckBox(1, 1, false, false);
    grid->MouseActions()->SetPreciseCheckBoxCheck(true);
    const TRect cell = grid->CellRect(1, 1);
    const int top = cell.Top + (25 - 15) / 2;
    const std::pair<TPoint, bool> points[] = {{{cell.Left + 2, top}, true},
                                              {{cell.Left + 16, top + 14}, true},
                                              {{cell.Left + 17, top}, false},
                                              {{cell.Left + 2, top - 1}, false}};
    for (auto [point, hit] : points)
        EXPECT_EQ(grid->IsInCheckBox(1, 1, point.X, point.Y), hit) << point.X - cell.Left << "," << point.Y - cell.Top;
}

TEST(CheckBoxes, AHiddenRowIsReadAndSetByItsRealRow)
{
    auto grid = MakeStringGrid(3, 6);
    grid->AddCheckBox(1, 3, true, false);
    grid->AddCheckBox(1, 4, false, true);
    grid->HideRows(2, 4);
    bool state = false;
    EXPECT_TRUE(grid->GetCheckBoxState(1, 3, state));
    EXPECT_TRUE(state);
    EXPECT_TRUE(grid->SetCheckBoxState(1, 3, false));
    EXPECT_TRUE(grid->SetCheckBoxState(1, 4, true));
    grid->UnHideRows(2, 4);
    EXPECT_FALSE(grid->IsChecked(1, 3));
    EXPECT_EQ(grid->Cells(1, 4), QStringLiteral("Y"));
}

TEST(CheckBoxes, OnlyDataBoxTogglesReachTheUndoRecorder)
{
    auto grid = MakeStringGrid(3, 4);
    TExGridUndoRedo undo;
    grid->SetUndoRedo(&undo);
    grid->AddCheckBox(1, 1, false, false);
    grid->AddCheckBox(1, 2, cbUnchecked);
    grid->AddCheckBox(1, 3, false, true);
    for (int r = 1; r <= 3; ++r)
        grid->ToggleCheckBox(1, r);
    ASSERT_EQ(undo.Items().Count(), 1);
    EXPECT_EQ(undo.Items().Items(0).Row, 3);
    EXPECT_EQ(undo.Items().Items(0).OrigValue, QStringLiteral("N"));
    EXPECT_EQ(undo.Items().Items(0).Value, QStringLiteral("Y"));
    EXPECT_TRUE(grid->Cells(1, 1).isEmpty());
    grid->SetUndoRedo(nullptr);
}

// ---- radio groups and buttons -------------------------------------------------------

TEST(RadioGroups, SpaceStepsToTheNextOptionFromTheIndexOrTheText)
{
    TStringList options;
    for (const char* o : {"one", "two", "three"})
        options.Add(QString::fromLatin1(o));
    struct Case {
        int index;
        const char* text;
        int nextIndex;
        const char* nextText;
        int lastSelected;
    };
    const Case cases[] = {
        {2, "three", 0, "one", 0}, {-1, "two", 2, "three", 2}, {-2, "x", -2, "one", 0}, {0, "", 1, "two", 1}};
    for (const Case& c : cases) {
        auto grid = MakeStringGrid(3, 3);
        grid->AddRadio(1, 1, 0, c.index, &options);
        grid->SetCells(1, 1, QString::fromLatin1(c.text));
        grid->SelectNextRadioOption(1, 1, false);
        const TCellGraphic* g = grid->GetCellGraphic(1, 1);
        EXPECT_EQ(g->CellIndex, c.nextIndex) << c.index;
        EXPECT_EQ(grid->Cells(1, 1), QString::fromLatin1(c.nextText)) << c.index;
        EXPECT_EQ(g->CellVar.toInt(), c.lastSelected) << c.index;
        int index = 99;
        EXPECT_TRUE(grid->GetRadioIdx(1, 1, index));
        EXPECT_EQ(index, c.nextIndex);
    }
}

TEST(RadioGroups, AGroupWithoutOptionsIgnoresSpace)
{
    auto grid = MakeStringGrid(3, 3);
    grid->CreateRadio(1, 1, 0, 0);
    grid->AddRadio(1, 2, 0, 0, nullptr);
    for (int r : {1, 2}) {
        grid->SetCells(1, r, QStringLiteral("kept"));
        grid->SelectNextRadioOption(1, r, false);
        EXPECT_EQ(grid->Cells(1, r), QStringLiteral("kept"));
        EXPECT_EQ(grid->GetCellGraphic(1, r)->CellIndex, 0);
    }
    int index = 7;
    EXPECT_FALSE(grid->GetRadioIdx(2, 2, index));
    EXPECT_EQ(index, 7);
    EXPECT_TRUE(grid->SetRadioIdx(1, 1, -1));
    EXPECT_TRUE(grid->Cells(1, 1).isEmpty());
}

// Buttons in rows 0 (fixed) to 3 of column 1, rows 0 and 2 selected.
TEST(RadioButtons, AClickSelectsOneButtonOfTheColumnFixedRowsIncluded)
{
    auto grid = MakeStringGrid(3, 4);
    for (int r = 0; r < 4; ++r)
        grid->AddRadioButton(1, r, r == 0 || r == 2);
    EXPECT_TRUE(grid->CheckRadioButtonCell(1, 2, false));
    EXPECT_TRUE(grid->IsRadioButtonChecked(1, 0)) << "a click on the selected button changes nothing";
    EXPECT_TRUE(grid->CheckRadioButtonCell(1, 3, false));
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(grid->IsRadioButtonChecked(1, r), r == 3) << r;
    EXPECT_FALSE(grid->CheckRadioButtonCell(2, 1, false)) << "no radio button there";
    EXPECT_EQ(grid->GetRadioButtonColumnIndex(1), 3);
    grid->SetRadioButtonColumnIndex(1, -1);
    EXPECT_EQ(grid->GetRadioButtonColumnIndex(1), -1);
    grid->SetRadioButtonColumnIndex(1, 2);
    EXPECT_EQ(grid->GetRadioButtonColumnIndex(1), 2);
    EXPECT_FALSE(grid->IsChecked(1, 2)) << "radio buttons are no check boxes";
}

}  // namespace
