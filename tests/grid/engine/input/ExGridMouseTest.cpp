// Presses, releases, double clicks and the right button on a shown grid,
// driven through the viewport as a person makes them.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObjGridSettings.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "platform/core/StringList.h"
#include "platform/grid/InplaceEdit.h"

#include <QtCore/QUrl>
#include <QtGui/QCursor>
#include <QtGui/QDesktopServices>
#include <QtGui/QFontMetrics>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Records what the grid hands to the operations later parts fill in, and
// gives column 2 a check box or a rating where a test asks for one.
class MouseGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    using TExStringGrid::GridState;

    QStringList log;
    bool checkColumn = false;
    bool ratingColumn = false;

    void QSort() override
    {
        log << QStringLiteral("QSort(%1,%2)")
                   .arg(SortSettings()->Column())
                   .arg(SortSettings()->Direction() == sdAscending ? "asc" : "desc");
    }
    void QSortIndexed() override { log << QStringLiteral("QSortIndexed(%1)").arg(SortIndexes()->SaveToString()); }
    void QSortGroup() override { log << QStringLiteral("QSortGroup"); }
    void QSortGroupIndexed() override { log << QStringLiteral("QSortGroupIndexed"); }
    void QUnSort() override { log << QStringLiteral("QUnSort"); }
    void CopySelectionToClipboard() override { log << QStringLiteral("Copy") + Text(Selection()); }
    void PasteSelectionFromClipboard() override
    {
        log << QStringLiteral("Paste%1%2").arg(Text(Selection())).arg(Options().testFlag(goEditing) ? " editing" : "");
    }
    static QString Text(const TGridRect& r)
    {
        return QStringLiteral("(%1,%2,%3,%4)").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
    }
    void AutoSizeCol(int ACol, int Padding) override { log << QStringLiteral("AutoSizeCol(%1,%2)").arg(ACol).arg(Padding); }

protected:
    bool HasCheckBox(int ACol, int) override { return checkColumn && ACol == 2; }
    bool IsInCheckBox(int ACol, int ARow, int, int) override { return HasCheckBox(ACol, ARow); }
    bool GetCheckBoxState(int ACol, int ARow, bool& State) override
    {
        State = Cells(ACol, ARow) == QStringLiteral("Y");
        return true;
    }
    bool ToggleCellCheck(int ACol, int ARow, bool) override
    {
        SetCells(ACol, ARow, Cells(ACol, ARow) == QStringLiteral("Y") ? QStringLiteral("N") : QStringLiteral("Y"));
        return true;
    }
    bool HasRating(int ACol, int) override { return ratingColumn && ACol == 2; }
    // Column 3 holds a button on the right 20 pixels of its cells.
    bool HasButton(int ACol, int) override { return buttonColumn && ACol == 3; }
    TRect GetCellButtonRect(int ACol, int ARow) override
    {
        TRect r = CellRect(ACol, ARow);
        r.Left = r.Right - 20;
        return r;
    }
    void PushButton(int ACol, int ARow, bool Pushed) override
    {
        log << QStringLiteral("PushButton(%1,%2,%3)").arg(ACol).arg(ARow).arg(Pushed);
    }

public:
    bool buttonColumn = false;
};

// Stands in for the user's browser and mail program.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

constexpr const char* kSchemes[] = {"http", "https", "mailto", "file", "ftp"};

class ExGridMouse : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(600, 400);
        grid = new MouseGrid(window.get());
        grid->setGeometry(0, 0, 600, 400);
        grid->SetColCount(6);
        grid->SetRowCount(10);
        grid->SetDefaultColWidth(64);
        grid->SetDefaultRowHeight(24);
        grid->SetOptions(grid->Options() | goEditing | goRangeSelect | goColSizing);
        grid->OnClickCell = [this](TObject*, int r, int c) { log() << QStringLiteral("OnClickCell(%1,%2)").arg(r).arg(c); };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
    }
    void TearDown() override
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QStringList& log() { return grid->log; }
    QWidget* vp() { return grid->viewport(); }
    TRect rect(int c, int r) { return grid->CellRect(c, r); }
    QPoint center(int c, int r)
    {
        const TRect R = rect(c, r);
        return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
    }
    void click(QPoint at, Qt::KeyboardModifiers mods = {}) { QTest::mouseClick(vp(), Qt::LeftButton, mods, at); }
    // Press, release, double click, release: the order of a person's double click.
    void doubleClick(QPoint at)
    {
        QTest::mouseClick(vp(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(vp(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(vp(), Qt::LeftButton, {}, at);
    }
    void drag(QPoint from, QPoint to)
    {
        QTest::mousePress(vp(), Qt::LeftButton, {}, from);
        QTest::mouseMove(vp(), from + QPoint(1, 0));
        QTest::mouseMove(vp(), to);
        QTest::mouseRelease(vp(), Qt::LeftButton, {}, to);
    }
    void sortable()
    {
        grid->SortSettings()->SetShow(true);
        grid->OnClickCell = nullptr;
    }

    std::unique_ptr<QWidget> window;
    MouseGrid* grid = nullptr;
    UrlRecorder recorder;
};

TEST_F(ExGridMouse, ClickMakesTheCellCurrentAndDoubleClickReportsAfterTheBase)
{
    grid->OnClick = [this](TObject*) { log() << QStringLiteral("OnClick"); };
    click(center(2, 3));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    // the current cell moving clicks, and so does the end of the selecting press
    EXPECT_EQ(log(), (QStringList{QStringLiteral("OnClick"), QStringLiteral("OnClickCell(3,2)"),
                                  QStringLiteral("OnClick")}));
    grid->OnClick = nullptr;

    click(center(2, 3));
    EXPECT_FALSE(grid->EditorMode()) << "a click on the current cell opens no editor";

    log().clear();
    grid->OnDblClick = [this](TObject*) { log() << QStringLiteral("OnDblClick"); };
    grid->OnDblClickCell = [this](TObject*, int r, int c) { log() << QStringLiteral("OnDblClickCell(%1,%2)").arg(r).arg(c); };
    grid->OnClickCell = nullptr;
    QTest::mouseDClick(vp(), Qt::LeftButton, {}, center(2, 3));
    QTest::mouseRelease(vp(), Qt::LeftButton, {}, center(2, 3));
    EXPECT_EQ(log(), (QStringList{QStringLiteral("OnDblClick"), QStringLiteral("OnDblClickCell(3,2)")}));
}

TEST_F(ExGridMouse, ClicksThatStartEditing)
{
    const struct {
        const char* name;
        std::function<void(TMouseActions*)> set;
        int clicksBeforeEditor; // 0: a double click opens it
    } cases[] = {
        {"DirectEdit", [](TMouseActions* m) { m->SetDirectEdit(true); }, 1},
        {"RangeSelectAndEdit", [](TMouseActions* m) { m->SetRangeSelectAndEdit(true); }, 2},
        {"RangeSelectAndEdit, double click", [](TMouseActions* m) { m->SetRangeSelectAndEdit(true); }, 0},
        {"EditOnDblClickOnly", [](TMouseActions* m) { m->SetEditOnDblClickOnly(true); }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        c.set(grid->MouseActions());
        if (c.clicksBeforeEditor == 0) {
            doubleClick(center(2, 3));
        } else {
            for (int i = 1; i < c.clicksBeforeEditor; ++i) {
                click(center(2, 3));
                EXPECT_FALSE(grid->EditorMode());
            }
            click(center(2, 3));
        }
        EXPECT_TRUE(grid->EditorMode());
        EXPECT_EQ(grid->Col(), 2);
        EXPECT_EQ(grid->Row(), 3);
    }
}

TEST_F(ExGridMouse, TheEditorAClickOpensPutsItsCaretAtTheClickedCharacter)
{
    grid->MouseActions()->SetDirectEdit(true);
    grid->SetCells(2, 3, QStringLiteral("abcdefghij"));
    const TRect cell = grid->CellRect(2, 3);
    const QPoint at(cell.Left + 3 + QFontMetrics(grid->Font().ToQFont()).horizontalAdvance(QStringLiteral("abc")), center(2, 3).y());
    grid->window()->activateWindow();
    QCursor::setPos(vp()->mapToGlobal(at));
    click(at);
    ASSERT_TRUE(grid->EditorMode());
    TInplaceEdit* edit = grid->NormalEdit();
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_GT(edit->cursorPosition(), 1);
    EXPECT_LT(edit->cursorPosition(), 6);
}

TEST_F(ExGridMouse, RangeSelectAndEditSelectsAShiftRangeWithoutEditing)
{
    grid->MouseActions()->SetRangeSelectAndEdit(true);
    click(center(1, 1));
    click(center(3, 4), Qt::ShiftModifier);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_FALSE(grid->Options().testFlag(goEditing));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 4}));
}

TEST_F(ExGridMouse, PressOnAMergedCellSelectsItsBaseCell)
{
    grid->MergeCells(2, 3, 2, 2);
    QTest::mousePress(vp(), Qt::LeftButton, {}, center(3, 4));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(log(), QStringList{QStringLiteral("OnClickCell(3,2)")});
    QTest::mouseRelease(vp(), Qt::LeftButton, {}, center(3, 4));
}

TEST_F(ExGridMouse, PressOnThePartlyVisibleRowScrollsUnlessAsked)
{
    grid->SetRowCount(40);
    const int partial = grid->TopRow() + grid->VisibleRowCount();
    const TRect R = rect(2, partial - 1);
    const QPoint at(R.Left + 10, R.Bottom + 6);
    ASSERT_LT(at.y(), vp()->height());
    for (const bool keep : {false, true}) {
        SCOPED_TRACE(keep);
        grid->SetTopRow(1);
        grid->MouseActions()->SetNoScrollOnPartialRow(keep);
        click(at);
        EXPECT_EQ(grid->TopRow() == 1, keep);
    }
}

TEST_F(ExGridMouse, HeaderPressNearABorderSizesInsteadOfClicking)
{
    grid->SortSettings()->SetShow(true);
    const TRect R = rect(2, 0);
    const int y = (R.Top + R.Bottom) / 2;
    const int width = grid->ColWidths(2);
    QTest::mousePress(vp(), Qt::LeftButton, {}, QPoint(R.Right - 3, y));
    EXPECT_EQ(grid->GridState(), gsColSizing);
    QTest::mouseRelease(vp(), Qt::LeftButton, {}, QPoint(R.Right - 3, y));
    EXPECT_TRUE(log().isEmpty()) << log().join(' ').toStdString();
    EXPECT_EQ(grid->ColWidths(2), width);

    click(QPoint(R.Right - 5, y));
    EXPECT_EQ(log().value(0), QStringLiteral("OnClickCell(0,2)"));
}

TEST_F(ExGridMouse, DraggingABorderOrAHeaderSortsNothing)
{
    sortable();
    const TRect R = rect(2, 0);
    const int y = (R.Top + R.Bottom) / 2;
    drag(QPoint(R.Right - 1, y), QPoint(R.Right + 20, y));
    EXPECT_EQ(grid->ColWidths(2), 64 + 21);
    EXPECT_TRUE(log().isEmpty()) << log().join(' ').toStdString();

    grid->SetOptions(grid->Options() | goColMoving);
    grid->SetCells(2, 0, QStringLiteral("two"));
    drag(center(2, 0), center(4, 0));
    EXPECT_EQ(grid->Cells(4, 0), QStringLiteral("two")) << "the column moved";
    EXPECT_TRUE(log().isEmpty()) << log().join(' ').toStdString();
}

TEST_F(ExGridMouse, HeaderClicksSortAscendingDescendingThenUndo)
{
    sortable();
    grid->SortSettings()->SetUndoSort(true);
    for (int i = 0; i < 3; ++i)
        click(center(2, 0));
    EXPECT_EQ(log(), (QStringList{QStringLiteral("QSort(2,asc)"), QStringLiteral("QSort(2,desc)"),
                                  QStringLiteral("QUnSort")}));
    EXPECT_EQ(grid->SortSettings()->Column(), -1);
}

TEST_F(ExGridMouse, IndexedSortAddsColumnsWithTheKeyAndRestartsWithout)
{
    sortable();
    grid->SortSettings()->SetIndexShow(true);
    click(center(2, 0), Qt::ShiftModifier);
    click(center(3, 0), Qt::ShiftModifier);
    EXPECT_EQ(grid->SortIndexes()->SaveToString(), QStringLiteral("u2;u3"));
    click(center(3, 0));
    EXPECT_EQ(grid->SortIndexes()->SaveToString(), QStringLiteral("u3"));
    click(center(3, 0));
    EXPECT_EQ(grid->SortIndexes()->SaveToString(), QStringLiteral("d3"));
    EXPECT_EQ(log(), (QStringList{QStringLiteral("QSortIndexed(u2)"), QStringLiteral("QSortIndexed(u2;u3)"),
                                  QStringLiteral("QSortIndexed(u3)"), QStringLiteral("QSortIndexed(d3)")}));
    EXPECT_EQ(grid->SortSettings()->Column(), 3);
}

TEST_F(ExGridMouse, RefusedSortRunsNothing)
{
    sortable();
    int asked = -1;
    grid->OnCanSort = [&](TObject*, int c, bool& doSort) {
        asked = c;
        doSort = false;
    };
    click(center(2, 0));
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(log().isEmpty());
    EXPECT_EQ(grid->SortSettings()->Column(), -1);
}

TEST_F(ExGridMouse, HeaderClickOnTheFilterGlyphDoesNotSort)
{
    sortable();
    grid->OnGetColumnFilter = [](TObject*, int c, TStringList* list) {
        if (c == 2)
            list->Add(QStringLiteral("a"));
    };
    const TRect R = rect(2, 0);
    const QPoint glyph(R.Right - 8, R.Top + 8);
    click(glyph);
    EXPECT_TRUE(log().isEmpty()) << log().join(' ').toStdString();
    click(QPoint(R.Left + 8, R.Top + 8));
    EXPECT_EQ(log(), QStringList{QStringLiteral("QSort(2,asc)")});
    click(QPoint(rect(3, 0).Right - 8, R.Top + 8));
    EXPECT_EQ(log().value(1), QStringLiteral("QSort(3,asc)")) << "no filter list, so the glyph area sorts";
}

TEST_F(ExGridMouse, DoubleClickOnAHeaderBorderSizesThatColumnAndDoesNotSort)
{
    sortable();
    grid->OnColumnSize = [this](TObject*, int c, bool&) { log() << QStringLiteral("OnColumnSize(%1)").arg(c); };
    grid->OnEndColumnSize = [this](TObject*, int c) { log() << QStringLiteral("OnEndColumnSize(%1)").arg(c); };
    const TRect R = rect(2, 0);
    const int y = (R.Top + R.Bottom) / 2;
    const struct {
        int x;
        int column;
    } cases[] = {{R.Right - 2, 2}, {R.Left + 2, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        log().clear();
        doubleClick(QPoint(c.x, y));
        const int at = log().indexOf(QStringLiteral("AutoSizeCol(%1,0)").arg(c.column));
        ASSERT_GT(at, 0) << log().join(' ').toStdString();
        EXPECT_EQ(log().at(at - 1), QStringLiteral("OnColumnSize(%1)").arg(c.column));
        EXPECT_EQ(log().value(at + 1), QStringLiteral("OnEndColumnSize(%1)").arg(c.column));
        EXPECT_FALSE(log().join(' ').contains(QStringLiteral("QSort")));
    }
}

TEST_F(ExGridMouse, CheckBoxPressTogglesAndReports)
{
    grid->checkColumn = true;
    grid->SetCells(2, 3, QStringLiteral("N"));
    grid->OnClickCell = nullptr;
    grid->OnCheckBoxClick = [this](TObject*, int c, int r, bool s) {
        log() << QStringLiteral("OnCheckBoxClick(%1,%2,%3)").arg(c).arg(r).arg(s);
    };
    grid->OnCheckBoxMouseUp = [this](TObject*, int c, int r, bool s) {
        log() << QStringLiteral("OnCheckBoxMouseUp(%1,%2,%3)").arg(c).arg(r).arg(s);
    };
    grid->OnClick = [this](TObject*) { log() << QStringLiteral("OnClick"); };
    click(center(2, 3));
    EXPECT_EQ(grid->Cells(2, 3), QStringLiteral("Y"));
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    // moving the current cell clicks on its own first
    const qsizetype at = log().indexOf(QStringLiteral("OnCheckBoxClick(2,3,1)"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(log().mid(at), (QStringList{QStringLiteral("OnCheckBoxClick(2,3,1)"), QStringLiteral("OnClick"),
                                          QStringLiteral("OnCheckBoxMouseUp(2,3,1)")}));

    grid->SetOptions(grid->Options() & ~TGridOptions(goEditing));
    click(center(2, 4));
    EXPECT_EQ(grid->Cells(2, 4), QString()) << "read-only: nothing";
    grid->SetCells(2, 4, QStringLiteral("N"));
    grid->ControlLook()->SetCheckAlwaysActive(true);
    click(center(2, 4));
    EXPECT_EQ(grid->Cells(2, 4), QStringLiteral("Y"));
}

TEST_F(ExGridMouse, RatingPressRatesByHalfStars)
{
    grid->ratingColumn = true;
    int offered = -1;
    bool refuse = false;
    grid->OnRatingChange = [&](TObject*, int, int, int& rate, bool& allow) {
        offered = rate;
        allow = !refuse;
    };
    const TRect R = rect(2, 3);
    QTest::mouseClick(vp(), Qt::LeftButton, {}, QPoint(R.Left + 40, R.Top + 5));
    EXPECT_EQ(offered, 2);
    EXPECT_EQ(grid->Floats(2, 3), 2.0);

    refuse = true;
    QTest::mouseClick(vp(), Qt::LeftButton, {}, QPoint(R.Left + 60, R.Top + 5));
    EXPECT_EQ(offered, 3);
    EXPECT_EQ(grid->Floats(2, 3), 2.0);
}

TEST_F(ExGridMouse, CellButtonClicksWhenReleasedOnIt)
{
    grid->buttonColumn = true;
    grid->OnButtonClick = [this](TObject*, int c, int r) { log() << QStringLiteral("OnButtonClick(%1,%2)").arg(c).arg(r); };
    const TRect R = rect(3, 4);
    const QPoint onButton(R.Right - 8, R.Top + 8);
    click(onButton);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(log(), (QStringList{QStringLiteral("PushButton(3,4,1)"), QStringLiteral("OnClickCell(4,3)"),
                                  QStringLiteral("PushButton(3,4,0)"), QStringLiteral("OnButtonClick(3,4)")}));

    log().clear();
    QTest::mousePress(vp(), Qt::LeftButton, {}, onButton);
    QTest::mouseRelease(vp(), Qt::LeftButton, {}, QPoint(R.Left + 5, R.Top + 8));
    EXPECT_EQ(log(), (QStringList{QStringLiteral("PushButton(3,4,1)"), QStringLiteral("OnClickCell(4,3)"),
                                  QStringLiteral("PushButton(3,4,0)")}))
        << "released beside the button";
}

TEST_F(ExGridMouse, DraggingTheSelectionGripFillsTheLargerSelection)
{
    grid->SetOptions(grid->Options() & ~TGridOptions(goEditing));
    grid->SetSelectionRectangle(true);
    grid->SetSelectionResizer(true);
    grid->OnClickCell = nullptr;
    grid->OnSelectionResize = [this](TObject*, const TGridRect& o, const TGridRect& n) {
        log() << QStringLiteral("Resize") + MouseGrid::Text(o) + MouseGrid::Text(n);
    };
    grid->OnSelectionResized = [this](TObject*, const TGridRect& o, const TGridRect& n) {
        log() << QStringLiteral("Resized") + MouseGrid::Text(o) + MouseGrid::Text(n);
    };
    grid->SetSelection(TGridRect{1, 1, 2, 2});
    const TRect c = rect(2, 2);
    drag(QPoint(c.Right - 3, c.Bottom - 3), center(3, 4));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 4}));
    EXPECT_EQ(log(), (QStringList{QStringLiteral("Copy(1,1,2,2)"), QStringLiteral("Resize(1,1,2,2)(1,1,3,4)"),
                                  QStringLiteral("Paste(1,1,3,4) editing"),
                                  QStringLiteral("Resized(1,1,2,2)(1,1,3,4)")}));
    EXPECT_FALSE(grid->Options().testFlag(goEditing)) << "editing is forced only for the paste";

    log().clear();
    click(center(3, 4));
    EXPECT_TRUE(log().isEmpty()) << "a press beside the grip selects";
}

TEST_F(ExGridMouse, DisjunctCellsArePickedByCtrlAndStartedAgainWithout)
{
    grid->MouseActions()->SetDisjunctCellSelect(true);
    click(center(1, 1));
    click(center(3, 2), Qt::ControlModifier);
    click(center(4, 5), Qt::ControlModifier);
    const auto picked = [this](int c, int r) { return grid->SelectedCells()->HasValue((r << 16) | c); };
    EXPECT_TRUE(picked(1, 1));
    EXPECT_TRUE(picked(3, 2));
    EXPECT_TRUE(picked(4, 5));
    click(center(3, 2), Qt::ControlModifier);
    EXPECT_FALSE(picked(3, 2)) << "Ctrl on a picked cell drops it";
    click(center(2, 2));
    EXPECT_EQ(grid->SelectedCells()->Count(), 1);
    EXPECT_TRUE(picked(2, 2));
}

TEST_F(ExGridMouse, RadioOptionUnderThePoint)
{
    const QList<int> widths{30, 40, 50};
    const struct {
        bool horizontal;
        int spacing;
        int x;
        int y;
        int option;
    } cases[] = {
        {false, 16, 5, 20, 1},  // stacked, csWinXP spacing
        {false, 16, 5, 40, 2},
        {false, 10, 5, 20, 1},  // RadioSize below the text height: the text height counts
        {true, 16, 50, 5, 1},   // side by side: 46 to 102
        {true, 16, 200, 5, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TExStringGrid::RadioOptionAt(widths, c.horizontal, c.spacing, 14, c.x, c.y), c.option)
            << c.x << "," << c.y;
}

TEST_F(ExGridMouse, AnchorsMoveToCellsOrOpenOnlyWebAddresses)
{
    grid->SetURLShow(true);
    const struct {
        const char* text;
        int opened;
        int row;
        int col;
    } cases[] = {
        {"CELL://R5C3", 0, 5, 3},     {"CELL://R99C3", 0, 1, 1},    {"CELL://R5C99", 0, 1, 1},
        {"CELL://R-1C3", 0, 1, 1},    {"CELL://R5C-2", 0, 1, 1},    {"https://example.com/x", 1, 1, 1},
        {"mailto:a@b.c", 1, 1, 1},    {"file:///etc/passwd", 0, 1, 1}, {"ftp://h/x", 0, 1, 1},
        {"/usr/bin/xterm", 0, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        grid->SetCol(1);
        grid->SetRow(1);
        recorder.opened.clear();
        grid->SetCells(2, 2, QString::fromLatin1(c.text));
        click(center(2, 2));
        EXPECT_EQ(recorder.opened.size(), c.opened);
        if (c.row != 1) {
            EXPECT_EQ(grid->Row(), c.row);
            EXPECT_EQ(grid->Col(), c.col);
        } else if (QString::fromLatin1(c.text).contains(QStringLiteral("://")) ||
                   QString::fromLatin1(c.text).startsWith(QStringLiteral("mailto"))) {
            EXPECT_EQ(grid->Row(), 1) << "a link press selects nothing";
        }
    }
    grid->OnAnchorClick = [](TObject*, int, int, const QString&, bool& follow) { follow = false; };
    grid->SetCells(2, 2, QStringLiteral("https://example.com/x"));
    recorder.opened.clear();
    click(center(2, 2));
    EXPECT_TRUE(recorder.opened.isEmpty());
}

TEST_F(ExGridMouse, MarkupLinksOpenOnlyWebAddresses)
{
    const struct {
        const char* href;
        int opened;
    } cases[] = {{"https://example.com/x", 1}, {"mailto:a@b.c", 1}, {"file:///etc/passwd", 0}, {"/usr/bin/xterm", 0}};
    const TRect R = rect(2, 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.href);
        recorder.opened.clear();
        grid->SetCells(2, 2, QStringLiteral("<A href=\"%1\">link text</A>").arg(QString::fromLatin1(c.href)));
        click(QPoint(R.Left + 8, R.Top + 8));
        EXPECT_EQ(recorder.opened.size(), c.opened);
    }
    grid->SetCells(2, 2, QStringLiteral("<A href=\"CELL://R7C4\">go</A>"));
    click(QPoint(R.Left + 6, R.Top + 8));
    EXPECT_EQ(grid->Row(), 7);
    EXPECT_EQ(grid->Col(), 4);
    click(QPoint(R.Right - 6, R.Top + 8));
    EXPECT_EQ(grid->Row(), 2) << "beside the link the press selects";
}

TEST_F(ExGridMouse, MovedColumnCarriesWidthSortColumnAndCurrentCell)
{
    for (int c = 1; c <= 4; ++c)
        grid->SetColWidths(c, 30 + 10 * c);
    grid->SetCells(1, 6, QStringLiteral("hidden"));
    grid->HideRow(6);
    grid->SetCol(1);
    grid->SortSettings()->SetColumn(3);
    grid->MoveColumn(1, 3);
    EXPECT_EQ((QList<int>{grid->ColWidths(1), grid->ColWidths(2), grid->ColWidths(3), grid->ColWidths(4)}),
              (QList<int>{50, 60, 40, 70}));
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->SortSettings()->Column(), 2);
    grid->UnHideRow(6);
    EXPECT_EQ(grid->Cells(3, 6), QStringLiteral("hidden"));

    grid->SortSettings()->SetColumn(1);
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->SortSettings()->Column(), 3);

    grid->SetEnhRowColMove(false);
    const int widths[] = {grid->ColWidths(1), grid->ColWidths(3)};
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->ColWidths(1), widths[0]);
    EXPECT_EQ(grid->ColWidths(3), widths[1]);
}

TEST_F(ExGridMouse, MovedRowCarriesItsHeightButNotOntoAFixedFooter)
{
    grid->SetCells(1, 2, QStringLiteral("two"));
    grid->SetRowHeights(2, 40);
    grid->MoveRow(2, 4);
    EXPECT_EQ(grid->Cells(1, 4), QStringLiteral("two"));
    EXPECT_EQ(grid->RowHeights(4), 40);
    EXPECT_EQ(grid->RowHeights(2), 24);

    grid->FloatingFooter()->SetVisible(true);
    grid->MoveRow(4, grid->RowCount() - 1);
    EXPECT_EQ(grid->Cells(1, 4), QStringLiteral("two"));
}

TEST_F(ExGridMouse, SynchronisedGridsMoveTheirColumnsAndRowsOnce)
{
    TExStringGrid other(window.get());
    other.SetColCount(6);
    other.SetRowCount(10);
    other.SetCells(1, 0, QStringLiteral("one"));
    other.SetCells(0, 2, QStringLiteral("two"));
    for (TExStringGrid* g : {static_cast<TExStringGrid*>(grid), &other}) {
        g->SyncGrid()->SetMoveColumn(true);
        g->SyncGrid()->SetMoveRow(true);
    }
    grid->SyncGrid()->SetGrid(&other);
    other.SyncGrid()->SetGrid(grid);
    grid->MoveColumn(1, 3);
    grid->MoveRow(2, 5);
    EXPECT_EQ(other.Cells(3, 0), QStringLiteral("one"));
    EXPECT_EQ(other.Cells(0, 5), QStringLiteral("two"));
    grid->SyncGrid()->SetGrid(nullptr);
}

TEST_F(ExGridMouse, RightClickReportsAndMovesOnlyWhenAsked)
{
    grid->OnRightClickCell = [this](TObject*, int r, int c) { log() << QStringLiteral("OnRightClickCell(%1,%2)").arg(r).arg(c); };
    QTest::mouseClick(vp(), Qt::RightButton, {}, center(2, 3));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(log(), QStringList{QStringLiteral("OnRightClickCell(3,2)")});

    grid->MouseActions()->SetSelectOnRightClick(true);
    QTest::mouseClick(vp(), Qt::RightButton, {}, center(4, 5));
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 5);
    EXPECT_EQ(log().value(1), QStringLiteral("OnRightClickCell(5,4)"));

    grid->SetSelection(TGridRect{1, 1, 3, 3});
    QTest::mouseClick(vp(), Qt::RightButton, {}, center(2, 2));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 3})) << "a cell of the selection keeps it";

    grid->OnRightClickCell = nullptr;
    log().clear();
    QTest::mouseClick(vp(), Qt::RightButton, {}, center(5, 6));
    EXPECT_EQ(grid->Col(), 5);
    EXPECT_EQ(grid->Row(), 6);
}

TEST_F(ExGridMouse, FixedCellEditorOpensOnTheChosenClick)
{
    int opened = 0;
    grid->OnFixedEdit = [&](TObject*, int, int, TGridFixedCellEditor&, TStringList*) { ++opened; };
    const TRect R = rect(2, 0);
    grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
    click(QPoint(R.Left + 5, R.Top + 5));
    EXPECT_EQ(opened, 1);
    click(QPoint(R.Left + 2, R.Top + 5));
    EXPECT_EQ(opened, 1) << "on the sizing border";

    grid->MouseActions()->SetFixedRowsEdit(fceRightClick);
    click(center(2, 0));
    EXPECT_EQ(opened, 1);
    QTest::mouseClick(vp(), Qt::RightButton, {}, center(2, 0));
    EXPECT_EQ(opened, 2);

    grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    click(center(2, 0));
    EXPECT_EQ(opened, 2);
    doubleClick(center(2, 0));
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(grid->FixedEditCell().X, 2);
}

} // namespace

#include "ExGridMouseTest.moc"
