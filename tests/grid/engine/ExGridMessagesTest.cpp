#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/layout/ExGridColumnSize.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/FormatSettings.h"
#include "platform/grid/InplaceEdit.h"

#include <QtGui/QKeyEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A shown, focused grid that edits, with its current cell at (1, 1).
std::unique_ptr<TExStringGrid> editingGrid()
{
    auto grid = std::make_unique<TExStringGrid>();
    grid->resize(300, 200);
    grid->SetOptions(grid->Options() | goEditing);
    grid->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    QApplication::setActiveWindow(grid.get());
    grid->setFocus();
    QApplication::processEvents();
    return grid;
}

void typeText(QWidget* widget, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
              int key = Qt::Key_unknown)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

QString editorText(TExStringGrid& grid)
{
    return grid.InplaceEditor() && grid.InplaceEditor()->isVisible() ? grid.InplaceEditor()->text() : QString();
}

} // namespace

TEST(ExGridTyping, APrintableCharacterOpensTheEditorWithIt)
{
    for (const QString& typed : {QStringLiteral("a"), QStringLiteral("\u20AC"), QStringLiteral("\u0416")}) {
        auto grid = editingGrid();
        int presses = 0;
        grid->OnKeyPress = [&presses](TObject*, QChar&) { ++presses; };
        QTest::keyClicks(grid.get(), QString());
        typeText(grid.get(), typed);
        EXPECT_EQ(presses, 1) << typed.toStdString();
        EXPECT_EQ(editorText(*grid), typed) << typed.toStdString();
        EXPECT_EQ(grid->StartEditChar(), typed.at(0));
    }
}

TEST(ExGridTyping, FormControlsInACellSwallowTheCharacter)
{
    auto grid = editingGrid();
    grid->SetCells(1, 1, "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"x\">");
    int presses = 0;
    grid->OnKeyPress = [&presses](TObject*, QChar&) { ++presses; };
    QTest::keyClick(grid.get(), Qt::Key_A);
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(editorText(*grid), "");
}

TEST(ExGridTyping, TheKeypadPointTypesTheLocaleDecimalSeparator)
{
    platform::ScopedFormatSettings locale(
        TFormatSettings{u',', u'.', u'.', u':', QStringLiteral("dd.mm.yyyy"), QStringLiteral("hh:nn:ss")});
    auto grid = editingGrid();
    grid->SetExcelStyleDecimalSeparator(true);
    QTest::keyClick(grid.get(), Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(editorText(*grid), ",");

    auto plain = editingGrid();
    plain->SetExcelStyleDecimalSeparator(true);
    QTest::keyClick(plain.get(), Qt::Key_Period);
    EXPECT_EQ(editorText(*plain), ".") << "the point of the main keys stays";
}

TEST(ExGridTimer, TheIncrementalSearchTextEndsAtTheFourthTick)
{
    TExStringGrid grid;
    grid.SetSearchInc("ab");
    for (int i = 0; i < 4; ++i)
        grid.GridTimerTick();
    EXPECT_EQ(grid.SearchInc(), "ab") << "only with AutoGotoIncremental";

    grid.Navigation()->SetAutoGotoIncremental(true);
    grid.SetSearchInc("ab");
    for (int i = 0; i < 3; ++i)
        grid.GridTimerTick();
    EXPECT_EQ(grid.SearchInc(), "ab");
    grid.GridTimerTick();
    EXPECT_EQ(grid.SearchInc(), "");
    EXPECT_EQ(grid.TimerTicks(), 8);
}

TEST(ExGridTimer, BlinkingTogglesItsPhase)
{
    TExStringGrid grid;
    grid.GridTimerTick();
    EXPECT_FALSE(grid.BlinkOn());
    grid.SetEnableBlink(true);
    grid.GridTimerTick();
    EXPECT_TRUE(grid.BlinkOn());
    grid.GridTimerTick();
    EXPECT_FALSE(grid.BlinkOn());
}

TEST(ExGridBalloon, TheTextIsPlainShortenedAndTheTitleLimited)
{
    TExStringGrid grid;
    grid.resize(300, 200);
    grid.Balloon()->SetEnable(true);
    const TRect cell = grid.CellRect(1, 1);
    const int x = cell.Left + 2;
    const int y = cell.Top + 2;
    QString title;
    QString text;
    int icon = 0;

    grid.SetCells(1, 1, QString(3000, u'x'));
    ASSERT_TRUE(grid.GetBalloonText(x, y, title, text, icon));
    EXPECT_EQ(text, QString(2045, u'x') + "...");
    EXPECT_EQ(title, " ");
    EXPECT_EQ(grid.LastBalloonCell(), TPoint(1, 1));

    grid.SetCells(1, 1, "\t\r\n<B>a</B>\tb");
    grid.GetBalloonText(x, y, title, text, icon);
    EXPECT_EQ(text, "a b");

    grid.OnCellBalloon = [](TObject*, int, int, QString& ATitle, QString&, int&) { ATitle = QString(120, u't'); };
    grid.GetBalloonText(x, y, title, text, icon);
    EXPECT_EQ(title, QString(97, u't') + "...");

    grid.Balloon()->SetEnable(false);
    EXPECT_FALSE(grid.GetBalloonText(x, y, title, text, icon));
}

TEST(ExGridResize, ColumnsScaleWithTheGridsWidth)
{
    TExStringGrid grid;
    grid.resize(400, 200);
    grid.SetColWidths(1, 100);
    grid.ColumnSize()->SetSynchWithGrid(true);
    grid.show();
    QApplication::processEvents();
    grid.resize(500, 200);
    QApplication::processEvents();
    EXPECT_EQ(grid.ColWidths(1), 126);
}

TEST(ExGridBorder, TheBorderColourIsPaintedInsideTheFormColouredEdge)
{
    QWidget form;
    form.resize(400, 300);
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    form.setPalette(palette);
    TExStringGrid grid(&form);
    grid.SetBorderColor(TColor(12164479));
    grid.setGeometry(10, 10, 300, 200);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage image = grid.grab().toImage();
    EXPECT_EQ(FromQColor(image.pixelColor(1, 10)), TColor(12164479));
    EXPECT_EQ(image.pixelColor(0, 10), QColor(10, 200, 30));

    grid.SetFlat(true);
    const QImage flat = grid.grab().toImage();
    EXPECT_NE(FromQColor(flat.pixelColor(1, 10)), TColor(12164479));
}

TEST(ExGridTyping, TheEditorTakesNoMoreThanMaxEditLength)
{
    auto grid = editingGrid();
    grid->SetMaxEditLength(3);
    for (char c : {'a', 'b', 'c', 'd'})
        QTest::keyClick(QApplication::focusWidget(), c);
    EXPECT_EQ(editorText(*grid), "abc");
}

TEST(ExGridSettings, TheMixerFactorStaysAPercentage)
{
    TExStringGrid grid;
    grid.SetSelectionColorMixerFactor(150);
    EXPECT_EQ(grid.SelectionColorMixerFactor(), 100);
    grid.SetSelectionColorMixerFactor(-5);
    EXPECT_EQ(grid.SelectionColorMixerFactor(), 0);
}
