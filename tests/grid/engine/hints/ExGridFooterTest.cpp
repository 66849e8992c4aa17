// The floating footer: the strip it shows, the footer cells' calculations, the
// custom preview's template and clicks on the strip.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/hints/ExGridFooter.h"
#include "grid/engine/ExGridViewSettings.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtGui/QHelpEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QScrollBar>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace {

// The cell store's flag that keeps the last row for the footer strip.
class FooterTestGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    using TExStringGrid::HideLastRow;
};

// A shown grid of 6 columns and 8 rows (one fixed row, 6 data rows and the
// footer row) in a window.
struct FooterGrid {
    QWidget window;
    FooterTestGrid* grid;
    FooterGrid()
    {
        window.resize(360, 240);
        grid = new FooterTestGrid(&window);
        grid->SetBounds(0, 0, 360, 240);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        for (int c = 0; c < 6; ++c) {
            grid->SetCells(c, 0, QStringLiteral("H%1").arg(c));
            for (int r = 1; r < 7; ++r)
                grid->SetCells(c, r, QString::number(c * 10 + r));
        }
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST(ExGridFooter, AVisibleFixedLastRowFooterTakesTheLastRowIntoTheStrip)
{
    FooterGrid g;
    TFloatingFooter* footer = g.grid->FloatingFooter();
    footer->SetVisible(true);
    TFooterPanel* panel = g.grid->FooterPanel();
    EXPECT_TRUE(g.grid->HideLastRow());
    EXPECT_EQ(g.grid->FixedFooters(), 1);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->height(), footer->Height() - 1);
    EXPECT_EQ(panel->geometry().bottom(), g.grid->viewport()->height() - 1);
    EXPECT_EQ(panel->width(), g.grid->viewport()->width());

    footer->SetFooterStyle(fsColumnPreview);
    EXPECT_FALSE(g.grid->HideLastRow());
    footer->SetVisible(false);
    EXPECT_EQ(g.grid->FixedFooters(), 0);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(panel->height(), 0);
}

TEST(ExGridFooter, TheStripFollowsTheScrolledColumns)
{
    FooterGrid g;
    g.grid->FloatingFooter()->SetVisible(true);
    g.grid->SetCells(2, 7, QStringLiteral("Sum 2"));
    g.grid->SetCells(3, 7, QStringLiteral("Sum 3"));
    g.grid->SetLeftCol(2);
    QApplication::processEvents();
    TFooterPanel* panel = g.grid->FooterPanel();
    const TRect cell = g.grid->CellRect(3, 1);
    EXPECT_EQ(panel->ColumnAt(cell.Left + 3), 3);
    EXPECT_EQ(panel->ColumnAt(5), 0);
    EXPECT_EQ(panel->ColumnAt(panel->width() + 500), -1);
    platform::SaveScreenshot(g.window, QStringLiteral("footer_scrolled"));
}

TEST(ExGridFooter, ColumnCalculationsAskTheCalculatorOverTheDataRows)
{
    FooterGrid g;
    g.grid->FloatingFooter()->SetVisible(true);
    std::vector<std::tuple<int, int, int, int>> asked;
    g.grid->SetColumnCalculator([&](TColumnCalcType kind, int col, int from, int to) {
        asked.emplace_back(int(kind), col, from, to);
        return 30.0;
    });
    g.grid->FloatingFooter()->SetColumnCalc(2, acSUM);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_tuple(int(acSUM), 2, 1, 8 - 2));
    EXPECT_EQ(g.grid->Cells(2, 7), "30.00");
    EXPECT_EQ(g.grid->FloatingFooter()->ColumnCalc(2), acSUM);
    EXPECT_EQ(g.grid->FloatingFooter()->ColumnCalc(3), acNONE);

    g.grid->FloatingFooter()->SetColumnCalc(4, acCOUNT);
    EXPECT_EQ(g.grid->Cells(4, 7), "6");
}

TEST(ExGridFooter, CountCountsTheDataRows)
{
    FooterGrid g;
    g.grid->SetRowCount(7);
    g.grid->FloatingFooter()->SetVisible(true);
    g.grid->FloatingFooter()->SetColumnCalc(1, acCOUNT);
    EXPECT_EQ(g.grid->Cells(1, 6), "5");
}

TEST(ExGridFooter, CustomCellsComeFromTheGridEventThenTheFooterEvent)
{
    FooterGrid g;
    TFloatingFooter* footer = g.grid->FloatingFooter();
    footer->SetVisible(true);
    footer->OnCalcFooter = [](TObject*, int, int, QString& v) { v = QStringLiteral("footer"); };
    footer->SetColumnCalc(1, acCUSTOM);
    EXPECT_EQ(g.grid->Cells(1, 7), "footer");
    g.grid->OnFooterCalc = [](TObject*, int c, int r, QString& v) { v = QStringLiteral("grid %1 %2").arg(c).arg(r); };
    g.grid->CalcFooter(1);
    EXPECT_EQ(g.grid->Cells(1, 7), "grid 1 7");
}

TEST(ExGridFooter, NothingIsCalculatedWhileHiddenOrInAnotherStyle)
{
    FooterGrid g;
    TFloatingFooter* footer = g.grid->FloatingFooter();
    footer->SetColumnCalc(4, acCOUNT);
    EXPECT_EQ(g.grid->Cells(4, 7), "");
    footer->SetVisible(true);
    footer->SetFooterStyle(fsCustomPreview);
    g.grid->CalcFooter(-1);
    EXPECT_EQ(g.grid->Cells(4, 7), "");
    footer->SetEnableCalculation(false);
    footer->SetFooterStyle(fsFixedLastRow);
    g.grid->CalcFooter(-1);
    EXPECT_EQ(g.grid->Cells(4, 7), "");
}

TEST(ExGridFooter, TemplatesTakeTheCurrentRowsCells)
{
    FooterGrid g;
    g.grid->SetCells(2, 3, QStringLiteral("17"));
    g.grid->SetRow(3);
    const std::pair<const char*, const char*> cases[] = {
        {"Total: <#2> units", "Total: 17 units"},
        {"A<#x>B", "AB"},
        {"A<#99>B", "AB"},
        {"A<#-1>B", "AB"},
        {"A<#2", "A"},
        {"<#2><#2>", "1717"},
        {"no tags > here", "no tags > here"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(g.grid->ExpandFooterTemplate(text), expected) << text;
}

TEST(ExGridFooter, AClickOnTheStripClicksTheGridThenTheFooterCell)
{
    FooterGrid g;
    g.grid->FloatingFooter()->SetVisible(true);
    QStringList log;
    g.grid->OnClick = [&](TObject*) { log << "click"; };
    g.grid->OnClickCell = [&](TObject*, int r, int c) { log << QStringLiteral("cell %1,%2").arg(r).arg(c); };
    TFooterPanel* panel = g.grid->FooterPanel();
    const TRect cell = g.grid->CellRect(2, 1);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(cell.Left + 4, 5));
    EXPECT_EQ(log, (QStringList{"click", "cell 7,2"}));
    log.clear();
    g.grid->SetColCount(2);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(panel->width() - 2, 5));
    EXPECT_EQ(log, QStringList{"click"}) << "right of the last column there is no cell";
}

TEST(ExGridFooter, HintsAskForTheFooterRowsCell)
{
    FooterGrid g;
    TFloatingFooter* footer = g.grid->FloatingFooter();
    footer->SetVisible(true);
    std::vector<std::pair<int, int>> asked;
    g.grid->OnGridHint = [&](TObject*, int r, int c, QString& h) {
        asked.emplace_back(r, c);
        h = QStringLiteral("total");
    };
    TFooterPanel* panel = g.grid->FooterPanel();
    const TRect cell = g.grid->CellRect(3, 1);
    QHelpEvent help(QEvent::ToolTip, QPoint(cell.Left + 2, 4), panel->mapToGlobal(QPoint(cell.Left + 2, 4)));
    QApplication::sendEvent(panel, &help);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_pair(7, 3));
    EXPECT_EQ(panel->HintColumn(), 3);
    QTest::mouseMove(panel, QPoint(cell.Left - 10, 4));
    EXPECT_EQ(panel->HintColumn(), -1) << "another column forgets the hint";
}

} // namespace
