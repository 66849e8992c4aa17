// Data check boxes: the state is the cell text, read against the cell's
// check-true text, written by setting and toggling.

#include "ColumnGridFixture.h"
#include "grid/engine/ExGridControlLook.h"
#include "grid/foundation/ExObjMouseActions.h"

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

}  // namespace
