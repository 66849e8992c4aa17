#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/layout/ExGridColumnSize.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/foundation/objects/ExObjFocusWindow.h"
#include "grid/foundation/objects/ExObjGridSettings.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/StringList.h"
#include "platform/ui/window/Form.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QScrollBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A grid that counts its paints.
class PaintCountingGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        TExStringGrid::Paint();
    }
};

// A form that counts its own resize handling.
class CountingForm : public TForm {
public:
    int resizes = 0;

protected:
    void FormResize(TObject*) override { ++resizes; }
};

void Settle(QWidget& w)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::processEvents();
}

}  // namespace

TEST(ExGridLifecycle, NewGridHasTheDefaults)
{
    TExStringGrid grid;
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.Width(), 400);
    EXPECT_EQ(grid.Height(), 250);
    EXPECT_EQ(grid.DefaultRowHeight(), 22);
    EXPECT_EQ(grid.FixedRowHeight(), 22);
    EXPECT_EQ(grid.RowHeights(0), 22);
    EXPECT_EQ(grid.RowHeights(5), 22);
    EXPECT_EQ(grid.DefaultColWidth(), 64);
    EXPECT_EQ(grid.FixedColWidth(), 64);
    EXPECT_EQ(grid.FloatFormat(), "%.2f");
    EXPECT_EQ(grid.CheckTrue(), "Y");
    EXPECT_EQ(grid.CheckFalse(), "N");
    EXPECT_EQ(grid.PasswordChar(), QChar(u'*'));
    EXPECT_EQ(grid.SelectionColor(), TColor(15387318));
    EXPECT_EQ(grid.SelectionColorTo(), clNone);
    EXPECT_EQ(grid.BorderColor(), TColor(12164479));
    EXPECT_EQ(grid.ActiveCellColor(), clGray);
    EXPECT_EQ(grid.ExGradientFrom(), clWhite);
    EXPECT_EQ(grid.ExGradientTo(), ColorToRGB(clBtnFace));
    EXPECT_EQ(grid.Look(), glXP);
    EXPECT_EQ(grid.ScrollBars(), ssBoth);
    EXPECT_EQ(grid.ScrollType(), ssNormal);
    EXPECT_EQ(grid.ScrollWidth(), 17);
    EXPECT_EQ(grid.FilterDropDownClear(), "(All)");
    EXPECT_EQ(grid.XMLEncoding(), "ISO-8859-1");
    EXPECT_EQ(grid.InvalidEntryIcon(), ieWarning);
    EXPECT_TRUE(grid.FixedFont()->Style().testFlag(fsBold));
    EXPECT_EQ(grid.FixedFont()->Name(), "Tahoma");
    EXPECT_TRUE(grid.ActiveCellFont()->Style().testFlag(fsBold));
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_TRUE(grid.SaveWithHTML());
    EXPECT_TRUE(grid.ShowSelection());
    EXPECT_EQ(grid.ControlLook()->ControlStyle(), csTheme);
    EXPECT_EQ(grid.ColumnSize()->StretchColumn(), -1);
    EXPECT_EQ(LinkCursor, crHandPoint);
    EXPECT_EQ(grid.GetVersionNr(), 100794627);
    EXPECT_EQ(grid.GetVersionString(), "6.2.1.3 Sep, 2012");
    EXPECT_TRUE(grid.IsLoading());
}

TEST(ExGridLifecycle, LoadedSettlesWhatTheFormStored)
{
    TExStringGrid grid;
    grid.SetOptions(grid.Options() | goAlwaysShowEditor | goEditing);
    grid.SetDefaultRowHeight(20);
    grid.SetMinColWidth(3);
    grid.Loaded();
    EXPECT_TRUE(grid.Navigation()->AlwaysEdit());
    EXPECT_FALSE(grid.Options().testFlag(goAlwaysShowEditor));
    EXPECT_TRUE(grid.Options().testFlag(goEditing));
    EXPECT_EQ(grid.MinColWidth(), 10);
    EXPECT_EQ(grid.MinRowHeight(), 20);
    EXPECT_EQ(grid.ControlLook()->ControlStyle(), csClassic) << "no visual styles here";
    EXPECT_TRUE(grid.IsLoaded());
    EXPECT_FALSE(grid.IsLoading());
}

TEST(ExGridLifecycle, TheFirstShowingLoadsAGridNobodyLoaded)
{
    TForm form;
    auto* grid = new TExStringGrid(&form);
    grid->SetOptions(grid->Options() | goAlwaysShowEditor);
    EXPECT_FALSE(grid->IsLoaded());
    Settle(form);
    EXPECT_TRUE(grid->IsLoaded());
    EXPECT_TRUE(grid->Navigation()->AlwaysEdit());
    EXPECT_FALSE(grid->Options().testFlag(goAlwaysShowEditor));
}

TEST(ExGridLifecycle, AssignCopiesLayoutHeadersAndTextsFromAGridOnly)
{
    TExStringGrid source;
    source.SetColCount(3);
    source.SetRowCount(7);
    source.SetColWidths(1, 90);
    source.SetRowHeights(4, 33);
    source.ColumnHeaders()->Add("No");
    source.ColumnHeaders()->Add("Name");
    source.SetCells(2, 6, "last");
    source.SetCells(1, 1, "first");
    source.Bands()->SetActive(true);

    TExStringGrid grid;
    grid.Assign(&source);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 7);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(grid.ColWidths(c), source.ColWidths(c)) << c;
    for (int r = 0; r < 7; ++r)
        EXPECT_EQ(grid.RowHeights(r), source.RowHeights(r)) << r;
    EXPECT_EQ(grid.ColumnHeaders()->CommaText(), "No,Name");
    EXPECT_EQ(grid.Cells(2, 6), "last");
    EXPECT_EQ(grid.Cells(1, 1), "first");
    EXPECT_TRUE(grid.Bands()->Active());

    TExStringGrid untouched;
    untouched.SetCells(1, 1, "mine");
    TStringGrid other;
    other.SetColCount(2);
    untouched.Assign(&other);
    untouched.Assign(source.Bands());
    untouched.AssignCells(&other);
    EXPECT_EQ(untouched.ColCount(), 5);
    EXPECT_EQ(untouched.RowCount(), 10);
    EXPECT_EQ(untouched.Cells(1, 1), "mine");
}

TEST(ExGridLifecycle, IntegralHeightFitsWholeRows)
{
    TExStringGrid grid;
    grid.SetIntegralHeight(true);
    grid.SetHeight(100);
    EXPECT_EQ(grid.Height(), 92) << "100 + 2 - (98 mod 22)";
    grid.SetColCount(10);
    grid.SetHeight(100);
    EXPECT_EQ(grid.Height(), 87) << "with the horizontal bar: 100 + 2 - (81 mod 22)";
    grid.SetIntegralHeight(false);
    grid.SetHeight(100);
    EXPECT_EQ(grid.Height(), 100);
}

TEST(ExGridLifecycle, AnInvalidateRightAfterAnEditChangePaintsNothing)
{
    PaintCountingGrid grid;
    Settle(grid);
    grid.paints = 0;
    grid.SetEditChange(true);
    grid.Invalidate();
    QApplication::processEvents();
    EXPECT_EQ(grid.paints, 0);
    grid.Invalidate();
    QApplication::processEvents();
    EXPECT_GT(grid.paints, 0);
}

TEST(ExGridLifecycle, GridsLeaveTheirFormInAnyOrderAndTheFormKeepsResizing)
{
    for (const bool creationOrder : {true, false}) {
        auto form = std::make_unique<CountingForm>();
        form->resize(500, 400);
        auto* first = new TExStringGrid(form.get());
        auto* second = new TExStringGrid(form.get());
        second->SetSizeWithForm(true);
        Settle(*form);
        form->resize(560, 430);
        QApplication::processEvents();
        EXPECT_EQ(second->Width(), 460) << "a grid sized with the form grows by as much as the form";
        EXPECT_EQ(second->Height(), 280);

        if (creationOrder) {
            delete first;
            form->resize(580, 440);
            QApplication::processEvents();
            EXPECT_EQ(second->Width(), 480) << "the other grid still follows the form";
            delete second;
        } else {
            delete second;
            delete first;
        }
        const int before = form->resizes;
        form->resize(600, 450);
        QApplication::processEvents();
        EXPECT_GT(form->resizes, before) << (creationOrder ? "creation order" : "reverse order");
    }
}

TEST(ExGridLifecycle, TheFocusGlowFollowsWindowMovesAndForgetsAFreedGrid)
{
    TForm form;
    form.resize(500, 400);
    auto* grid = new TExStringGrid(&form);
    Settle(form);
    SetFocusGlowGrid(grid);
    form.move(form.x() + 30, form.y() + 20);
    QApplication::processEvents();
    const TRect cell = grid->CellRect(grid->Col(), grid->Row());
    const QPoint origin = grid->viewport()->mapToGlobal(QPoint(cell.Left, cell.Top));
    EXPECT_EQ(grid->FocusWindow()->geometry(),
              QRect(origin.x() - 4, origin.y() - 4, cell.Right - cell.Left + 9, cell.Bottom - cell.Top + 9));

    delete grid;
    EXPECT_EQ(FocusGlowGrid(), nullptr);
    form.move(form.x() + 10, form.y() + 10);
    QApplication::processEvents();
}

// The grid of a running program: filled on a form and shown, every text is
// drawn inside its own cell.
TEST(ExGridLifecycle, AShownGridPaintsEachTextInItsCell)
{
    TForm form;
    form.SetClientWidth(480);
    form.SetClientHeight(520);
    auto* grid = new TExStringGrid(&form);
    grid->SetBounds(8, 8, 460, 500);
    grid->SetColCount(6);
    grid->SetRowCount(20);
    for (int r = 1; r < 20; ++r)
        for (int c = 1; c < 6; ++c)
            grid->SetCells(c, r, QStringLiteral("%1.%2").arg(r).arg(c));
    grid->SetCells(3, 4, QString());
    Settle(form);
    platform::SaveScreenshot(form, QStringLiteral("exgrid_running"));

    const QImage image = grid->viewport()->grab().toImage();
    auto darkPixels = [&](int c, int r) {
        const TRect rect = grid->CellRect(c, r);
        int count = 0;
        for (int y = rect.Top + 2; y < rect.Bottom - 2; ++y)
            for (int x = rect.Left + 2; x < rect.Right - 2; ++x)
                if (qGray(image.pixel(x, y)) < 100)
                    ++count;
        return count;
    };
    for (int r = 1; r <= grid->TopRow() + grid->VisibleRowCount() - 1; ++r)
        for (int c = 1; c < 6; ++c) {
            if (c == 3 && r == 4)
                EXPECT_EQ(darkPixels(c, r), 0) << "the empty cell";
            else
                EXPECT_GT(darkPixels(c, r), 5) << c << "," << r;
        }
}

TEST(ExGridLifecycle, ScrollBarsKeptVisibleWhileEverythingFitsHaveNoUse)
{
    TExStringGrid grid;
    Settle(grid);
    ASSERT_FALSE(grid.verticalScrollBar()->isVisible()) << "ten rows fit";
    grid.SetScrollBarAlways(saVert);
    QApplication::processEvents();
    EXPECT_TRUE(grid.verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid.verticalScrollBar()->isEnabled());
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
    grid.SetRowCount(40);
    QApplication::processEvents();
    EXPECT_TRUE(grid.verticalScrollBar()->isVisible());
    EXPECT_TRUE(grid.verticalScrollBar()->isEnabled()) << "rows out of view enable it again";
}

TEST(ExGridLifecycle, TheFirstShowingWithAParentDropsTheXPFlagWithoutVisualStyles)
{
    class ProbeGrid : public TExStringGrid {
    public:
        using TExStringGrid::TExStringGrid;
        using TExStringGrid::IsXP;
    };
    TForm form;
    auto* grid = new ProbeGrid(&form);
    EXPECT_TRUE(grid->IsXP());
    Settle(form);
    EXPECT_FALSE(grid->IsXP());
    EXPECT_EQ(grid->BorderColor(), TColor(12164479)) << "the border colour was chosen at creation";

    ProbeGrid alone;
    Settle(alone);
    EXPECT_TRUE(alone.IsXP()) << "a grid without a parent has no window steps";
}
