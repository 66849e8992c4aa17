#include "tests/platform/grid/GridFixture.h"

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QVBoxLayout>

namespace {

// Records every hook call with its arguments, then runs the base behaviour.
class RecordingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
    QStringList log;
    bool allowEditor = true;

    void Clear() { log.clear(); }

protected:
    void Note(const QString& s) { log << s; }

    bool SelectCell(int c, int r) override
    {
        Note(QString("SelectCell(%1,%2)").arg(c).arg(r));
        return TStringGrid::SelectCell(c, r);
    }
    bool CanEditShow() override
    {
        Note("CanEditShow");
        return allowEditor && TStringGrid::CanEditShow();
    }
    QString GetEditText(int c, int r) override
    {
        Note(QString("GetEditText(%1,%2)").arg(c).arg(r));
        return TStringGrid::GetEditText(c, r);
    }
    void SetEditText(int c, int r, const QString& v) override
    {
        Note(QString("SetEditText(%1,%2,%3)").arg(c).arg(r).arg(v));
        TStringGrid::SetEditText(c, r, v);
    }
    QString GetEditMask(int c, int r) override
    {
        Note(QString("GetEditMask(%1,%2)").arg(c).arg(r));
        return TStringGrid::GetEditMask(c, r);
    }
    int GetEditLimit() override
    {
        Note("GetEditLimit");
        return TStringGrid::GetEditLimit();
    }
    TInplaceEdit* CreateEditor() override
    {
        Note("CreateEditor");
        return TStringGrid::CreateEditor();
    }
    void SizeChanged(int c, int r) override
    {
        Note(QString("SizeChanged(%1,%2)").arg(c).arg(r));
        TStringGrid::SizeChanged(c, r);
    }
    void TopLeftChanged() override
    {
        Note(QString("TopLeftChanged(%1,%2)").arg(LeftCol()).arg(TopRow()));
        TStringGrid::TopLeftChanged();
    }
    void ColumnMoved(int f, int t) override
    {
        Note(QString("ColumnMoved(%1,%2)").arg(f).arg(t));
        TStringGrid::ColumnMoved(f, t);
    }
    void RowMoved(int f, int t) override
    {
        Note(QString("RowMoved(%1,%2)").arg(f).arg(t));
        TStringGrid::RowMoved(f, t);
    }
    void ColWidthsChanged() override
    {
        Note("ColWidthsChanged");
        TStringGrid::ColWidthsChanged();
    }
    void RowHeightsChanged() override
    {
        Note("RowHeightsChanged");
        TStringGrid::RowHeightsChanged();
    }
    void KeyDown(Word& k, TShiftState s) override
    {
        Note(QString("KeyDown(%1,%2)").arg(k).arg(s.toInt()));
        TStringGrid::KeyDown(k, s);
    }
    void KeyPress(QChar& k) override
    {
        Note(QString("KeyPress(%1)").arg(k.unicode()));
        TStringGrid::KeyPress(k);
    }
    void KeyUp(Word& k, TShiftState s) override
    {
        Note(QString("KeyUp(%1,%2)").arg(k).arg(s.toInt()));
        TStringGrid::KeyUp(k, s);
    }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override
    {
        Note(QString("MouseDown(%1,%2,%3,%4)").arg(b).arg(s.toInt()).arg(x).arg(y));
        TStringGrid::MouseDown(b, s, x, y);
    }
    void MouseMove(TShiftState s, int x, int y) override
    {
        Note(QString("MouseMove(%1,%2,%3)").arg(s.toInt()).arg(x).arg(y));
        TStringGrid::MouseMove(s, x, y);
    }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override
    {
        Note(QString("MouseUp(%1,%2,%3,%4)").arg(b).arg(s.toInt()).arg(x).arg(y));
        TStringGrid::MouseUp(b, s, x, y);
    }
    void Click() override
    {
        Note("Click");
        TStringGrid::Click();
    }
    void DblClick() override
    {
        Note("DblClick");
        TStringGrid::DblClick();
    }
    bool DoMouseWheelDown(TShiftState s, const TPoint& p) override
    {
        Note(QString("WheelDown(%1,%2)").arg(p.X).arg(p.Y));
        return TStringGrid::DoMouseWheelDown(s, p);
    }
    bool DoMouseWheelUp(TShiftState s, const TPoint& p) override
    {
        Note(QString("WheelUp(%1,%2)").arg(p.X).arg(p.Y));
        return TStringGrid::DoMouseWheelUp(s, p);
    }
    void DoEnter() override
    {
        Note("DoEnter");
        TStringGrid::DoEnter();
    }
    void DoExit() override
    {
        Note("DoExit");
        TStringGrid::DoExit();
    }
    void Resize() override
    {
        Note("Resize");
        TStringGrid::Resize();
    }
};

class GridHooksTest : public GridFixture {
protected:
    std::unique_ptr<RecordingGrid> grid = MakeGrid<RecordingGrid>(10, 20, 230, 105);

    // The calls of one hook kind, in order.
    QStringList Calls(const QString& prefix) const { return grid->log.filter(QRegularExpression("^" + prefix)); }
    // The log without focus changes and without the modifier keys the test
    // library presses around a key.
    QStringList Log() const
    {
        QStringList log = grid->log;
        log.removeIf([](const QString& s) {
            return s.startsWith("Do") || s.contains(QString("(%1,").arg(VK_SHIFT)) ||
                   s.contains(QString("(%1,").arg(VK_CONTROL));
        });
        return log;
    }
};

TEST_F(GridHooksTest, SizeHooks)
{
    grid->Clear();
    grid->SetColCount(7);
    grid->SetRowCount(20);  // unchanged: no call
    grid->SetRowCount(3);
    grid->SetColWidths(2, 80);
    grid->SetColWidths(2, 80);  // unchanged: no call
    grid->SetRowHeights(1, 15);
    grid->SetDefaultColWidth(40);
    EXPECT_EQ(grid->log, (QStringList{"SizeChanged(10,20)", "SizeChanged(7,20)", "ColWidthsChanged",
                                      "RowHeightsChanged", "ColWidthsChanged"}));
}

TEST_F(GridHooksTest, MoveAndDeleteHooks)
{
    grid->Clear();
    grid->MoveColumn(1, 3);
    grid->MoveRow(4, 2);
    grid->MoveRow(2, 2);  // nowhere: no call
    grid->DeleteRow(5);
    grid->DeleteColumn(0);
    EXPECT_EQ(grid->log, (QStringList{"ColumnMoved(1,3)", "RowMoved(4,2)", "RowMoved(5,19)", "SizeChanged(10,20)",
                                      "ColumnMoved(0,9)", "SizeChanged(10,19)"}));
}

TEST_F(GridHooksTest, TopLeftChangedAfterEveryScroll)
{
    grid->Clear();
    grid->SetTopRow(4);
    grid->SetTopRow(4);
    grid->SetLeftCol(2);
    grid->WMVScroll(SB_LINEDOWN);
    grid->SetRow(15);  // scrolls into view
    EXPECT_EQ(Calls("TopLeftChanged"), (QStringList{"TopLeftChanged(1,4)", "TopLeftChanged(2,4)",
                                                    "TopLeftChanged(2,5)", "TopLeftChanged(1,12)"}));
}

TEST_F(GridHooksTest, KeyHooksWithVirtualKeysAndShiftStates)
{
    grid->Clear();
    Key(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    Key(grid.get(), Qt::Key_A);
    EXPECT_EQ(Log(), (QStringList{"KeyDown(40,1)", "SelectCell(1,2)", "Click", "KeyUp(40,1)", "KeyDown(65,0)",
                                      "KeyPress(97)", "KeyUp(65,0)"}));
}

TEST_F(GridHooksTest, MouseHooks)
{
    grid->Clear();
    const QPoint p = CellCentre(*grid, 2, 3);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, p);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, p);
    const QString at = QString("%1,%2").arg(p.x()).arg(p.y());
    EXPECT_EQ(Log(), (QStringList{"MouseDown(0," + QString::number((ssCtrl | ssLeft).toInt()) + "," + at + ")",
                                      "SelectCell(2,3)", "Click", "MouseUp(0," + QString::number(ssCtrl) + "," + at + ")"}));
    grid->Clear();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_TRUE(grid->log.contains("DblClick"));
    EXPECT_TRUE(grid->log.contains("MouseDown(0," + QString::number((ssLeft | ssDouble).toInt()) + "," + at + ")"));
}

TEST_F(GridHooksTest, SizingAndMovingByMouseCallTheHooks)
{
    grid->SetOptions(grid->Options() | goColSizing | goColMoving);
    grid->Clear();
    Drag(*grid, QPoint(101, 5), QPoint(111, 5));
    Drag(*grid, CellCentre(*grid, 1, 0), CellCentre(*grid, 3, 0));
    EXPECT_EQ(Calls("ColWidthsChanged|ColumnMoved"), (QStringList{"ColWidthsChanged", "ColumnMoved(1,3)"}));
    EXPECT_EQ(grid->ColWidths(1), 60);
}

TEST_F(GridHooksTest, WheelHooks)
{
    grid->Clear();
    QWheelEvent down(QPointF(60, 60), grid->viewport()->mapToGlobal(QPointF(60, 60)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &down);
    QWheelEvent up(QPointF(61, 62), grid->viewport()->mapToGlobal(QPointF(61, 62)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &up);
    EXPECT_EQ(Calls("Wheel"), (QStringList{"WheelDown(60,60)", "WheelUp(61,62)"}));
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(GridHooksTest, EditorProtocolHooks)
{
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCells(1, 1, "one");
    grid->Clear();
    Key(grid.get(), Qt::Key_F2);
    EXPECT_EQ(Log(), (QStringList{"KeyDown(113,0)", "CanEditShow", "CreateEditor", "GetEditText(1,1)",
                                      "GetEditMask(1,1)", "GetEditLimit", "KeyUp(113,0)"}));
    grid->Clear();
    Key(grid->InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(Log(), (QStringList{"KeyPress(13)", "SetEditText(1,1,one)"}));
    grid->Clear();
    Key(grid.get(), Qt::Key_Return);  // opens again without a new editor
    EXPECT_FALSE(grid->log.contains("CreateEditor"));
    EXPECT_TRUE(grid->log.contains("GetEditText(1,1)"));
    grid->HideEditor();
    grid->allowEditor = false;
    grid->Clear();
    Key(grid.get(), Qt::Key_F2);
    EXPECT_EQ(Log(), (QStringList{"KeyDown(113,0)", "CanEditShow", "KeyUp(113,0)"}));
    EXPECT_FALSE(grid->InplaceEditor()->isVisible());
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(GridHooksTest, ResizeAndFocusHooks)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QLineEdit(&window);
    auto* inner = new RecordingGrid(&window);
    layout->addWidget(other);
    layout->addWidget(inner);
    inner->SetOptions(inner->Options() | goEditing);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    inner->Clear();
    inner->setFocus();
    QApplication::processEvents();
    inner->ShowEditor();  // focus moves into the editor: still inside the grid
    QApplication::processEvents();
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(inner->log.filter(QRegularExpression("^Do")), (QStringList{"DoEnter", "DoExit"}));
    inner->Clear();
    window.resize(window.width() + 30, window.height());
    QApplication::processEvents();
    EXPECT_TRUE(inner->log.contains("Resize"));
}

TEST_F(GridHooksTest, PostedCallsRunAfterTheCurrentEvent)
{
    int runs = 0;
    grid->PostCall([&] { ++runs; });
    EXPECT_EQ(runs, 0);
    QApplication::processEvents();
    EXPECT_EQ(runs, 1);
    auto doomed = std::make_unique<TStringGrid>();
    doomed->PostCall([&] { ++runs; });
    doomed.reset();
    QApplication::processEvents();
    EXPECT_EQ(runs, 1);  // dropped with its grid
}

}  // namespace
