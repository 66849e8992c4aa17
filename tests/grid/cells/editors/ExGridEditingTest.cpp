// The in-cell editing flow and the inplace edit, driven by keys and clicks on a
// shown offscreen grid.

#include "grid/cells/editors/ExInplaceEdit.h"
#include "grid/engine/ExGrid.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/window/BalloonTip.h"
#include "platform/ui/window/Beep.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/grid/cells/GridInWindow.h"

#include <QtGui/QClipboard>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '{' << l.join(" | ").toStdString() << '}'; }
QT_END_NAMESPACE

namespace {

class ExGridEditing : public GridInWindow {
protected:
    QLineEdit* other = nullptr;
    QStringList log;

    void SetUp() override
    {
        MakeGrid(400, 300);
        grid->SetWordWrap(false);
        other = new QLineEdit(window.get());
        other->setGeometry(0, 220, 100, 20);
        ShowWindow();
        grid->setFocus();
        QApplication::processEvents();
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { KeyToEditorOrGrid(key, mods); }
    void Type(const QString& text) { QTest::keyClicks(Editor()->Body(), text); }
    // Opens the editor of a cell with F2, with the given kind.
    void Open(int col, int row, TEditorType kind = edNormal)
    {
        grid->OnGetEditorType = [kind](TObject*, int, int, TEditorType& e) { e = kind; };
        grid->SetCol(col);
        grid->SetRow(row);
        grid->setFocus();
        Key(Qt::Key_F2);
    }
};

TEST_F(ExGridEditing, OnePlainEditReportsItsEventsInOrderWithTheRealColumn)
{
    grid->HideColumn(1);  // display column 1 shows real column 2
    grid->SetCells(2, 1, "x");
    grid->OnGetEditorType = [this](TObject*, int c, int r, TEditorType&) { log << QString("type %1,%2").arg(c).arg(r); };
    grid->OnGetEditorProp = [this](TObject*, int c, int r, TObject*) { log << QString("prop %1,%2").arg(c).arg(r); };
    grid->OnEditChange = [this](TObject*, int, int, const QString& v) {
        log << "change " + v + " cell " + grid->Cells(2, 1);
    };
    grid->OnCellValidate = [this](TObject*, int c, int, QString& v, bool&) { log << QString("validate %1 %2").arg(c).arg(v); };
    grid->OnEditingDone = [this](TObject*) { log << "editing done"; };
    grid->OnEditCellDone = [this](TObject*, int c, int r) { log << QString("cell done %1,%2").arg(c).arg(r); };
    grid->SetCol(1);
    grid->SetRow(1);
    Key(Qt::Key_F2);
    ASSERT_TRUE(EditorShown());
    Key(Qt::Key_End);
    Type("yz");
    Key(Qt::Key_Return);
    EXPECT_FALSE(EditorShown());
    QApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"type 2,1", "prop 1,1", "change xy cell xy", "change xyz cell xyz", "validate 2 xyz",
                                "editing done", "cell done 2,1"}));
    EXPECT_EQ(grid->Cells(2, 1), "xyz");
}

TEST_F(ExGridEditing, ValidCharsEditsAreNotStoredWhileTyping)
{
    grid->SetValidChars("ab");
    grid->SetCells(1, 1, "");
    Open(1, 1, edValidChars);
    const int beeps = platform::BeepCount();
    Type("abc");
    EXPECT_EQ(Editor()->text(), "ab");
    EXPECT_EQ(platform::BeepCount(), beeps + 1);
    EXPECT_EQ(grid->Cells(1, 1), "");
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), "ab");
}

TEST_F(ExGridEditing, ARefusedValueRestoresTheCellAndReopensTheEditorWithABalloon)
{
    grid->SetCells(1, 1, "old");
    grid->SetInvalidEntryTitle("Title");
    grid->SetInvalidEntryText("Not a valid value");
    grid->OnCellValidate = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
    grid->SetModified(false);
    Open(1, 1);
    const int balloons = platform::LastBalloonTip().count;
    Type("new");
    EXPECT_EQ(grid->Cells(1, 1), "new");  // stored while typing
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), "old");
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_FALSE(grid->Modified());
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->text(), "new");
    EXPECT_EQ(platform::LastBalloonTip().count, balloons + 1);
    EXPECT_EQ(platform::LastBalloonTip().text, "Not a valid value");
    EXPECT_EQ(platform::LastBalloonTip().title, "Title");
    EXPECT_EQ(platform::LastBalloonTip().icon, static_cast<int>(ieWarning));

    grid->SetInvalidEntryTitle("");
    grid->SetInvalidEntryText("");
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), "old");
    EXPECT_EQ(platform::LastBalloonTip().count, balloons + 1);
}

TEST_F(ExGridEditing, AReplacementValueOfTheHandlerGoesIntoTheCell)
{
    grid->OnCellValidate = [](TObject*, int, int, QString& v, bool& valid) {
        valid = v.size() < 3;
        v = v.left(2);
    };
    Open(1, 1);
    Type("long");
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), "lo");
    EXPECT_TRUE(EditorShown());
}

TEST_F(ExGridEditing, AnUnchangedValueIsValidatedOnlyWithAlwaysValidateAndReportsNoChange)
{
    int validations = 0;
    int changes = 0;
    grid->SetCells(1, 1, "same");
    grid->OnCellValidate = [&](TObject*, int, int, QString&, bool&) { ++validations; };
    grid->OnCellsChanged = [&](TObject*, const TRect&) { ++changes; };
    for (bool always : {false, true}) {
        grid->SetAlwaysValidate(always);
        Open(1, 1);
        Key(Qt::Key_Return);
        EXPECT_EQ(validations, always ? 1 : 0);
        EXPECT_EQ(changes, 0);
    }
    Open(1, 1);
    Type("other");
    Key(Qt::Key_Return);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(grid->Modified());
}

TEST_F(ExGridEditing, KindsThatOpenNoEditorAndKindsWithoutTheirControl)
{
    const struct {
        TEditorType kind;
        bool opens;
    } cases[] = {{edNone, false}, {edDataCheckBox, false}, {edMemoDropDown, true}, {edNormal, true}};
    for (const auto& c : cases) {
        Open(2, 2, c.kind);
        EXPECT_EQ(EditorShown(), c.opens) << c.kind;
        EXPECT_EQ(grid->EditMode(), c.opens) << c.kind;
        if (c.opens) {
            EXPECT_EQ(grid->EditControl(), edNormal) << c.kind;
            Key(Qt::Key_Escape);
        }
    }
}

TEST_F(ExGridEditing, TheLengthLimitDropsCharactersButNeverCutsAStoredText)
{
    grid->SetMaxEditLength(5);
    grid->SetCells(1, 1, "abcde");
    Open(1, 1);
    Key(Qt::Key_End);
    Type("f");
    EXPECT_EQ(Editor()->text(), "abcde");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Editor()->text(), "abcd");
    Type("xy");
    EXPECT_EQ(Editor()->text(), "abcdx");
    Editor()->setSelection(0, 1);
    Type("Z");
    EXPECT_EQ(Editor()->text(), "Zbcdx");
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), "Zbcdx");
    Open(1, 1);
    Key(Qt::Key_End);
    Type("q");
    Key(Qt::Key_Escape);
    EXPECT_EQ(grid->Cells(1, 1), "Zbcdx");

    grid->SetCells(1, 2, "0123456789");
    Open(1, 2);
    EXPECT_EQ(Editor()->text(), "0123456789");
}

TEST_F(ExGridEditing, NumberKindsFilterTypedCharactersByTheLocaleSeparators)
{
    TFormatSettings settings = FormatSettings();
    settings.DecimalSeparator = QLatin1Char(',');
    settings.ThousandSeparator = QLatin1Char('.');
    platform::ScopedFormatSettings locale(settings);
    const struct {
        TEditorType kind;
        const char* typed;
        const char* text;
        int beeps;
    } cases[] = {
        {edNumeric, "-1-2", "-12", 1},
        {edNumeric, "1+a", "1", 2},
        {edPositiveNumeric, "-3", "3", 1},
        {edFloat, "1,2,3", "1,23", 0},
        {edFloat, "1.5", "15", 0},
        {edFloat, "-2", "-2", 0},
        {edPositiveFloat, "-2,5", "2,5", 0},
        {edUpperCase, "ab", "AB", 0},
        {edLowerCase, "AB", "ab", 0},
        {edMixedCase, "big dog", "Big Dog", 0},
    };
    int row = 1;
    for (const auto& c : cases) {
        grid->SetCells(1, row, "");
        Open(1, row, c.kind);
        const int beeps = platform::BeepCount();
        Type(c.typed);
        EXPECT_EQ(Editor()->text(), c.text) << c.kind << " " << c.typed;
        EXPECT_EQ(platform::BeepCount() - beeps, c.beeps) << c.kind << " " << c.typed;
        Key(Qt::Key_Escape);
        row = row % 4 + 1;
    }
}

TEST_F(ExGridEditing, ACtrlCharacterInAFloatCellIsHandledOnce)
{
    grid->SetCells(1, 1, "123");
    Open(1, 1, edFloat);
    Key(Qt::Key_End);
    Key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(Editor()->text(), "12");
}

TEST_F(ExGridEditing, PastingFollowsTheKindAndDropsOneClosingLineBreak)
{
    const struct {
        TEditorType kind;
        const char* clip;
        const char* text;
    } cases[] = {
        {edNormal, "12\r\n", "12"},
        {edNumeric, "1a", ""},
        {edNumeric, "-5", "-5"},
        {edPositiveNumeric, "-5", ""},
        {edUpperCase, "ab", "AB"},
    };
    for (const auto& c : cases) {
        grid->SetCells(1, 1, "");
        Open(1, 1, c.kind);
        QApplication::clipboard()->setText(c.clip);
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Editor()->text(), c.text) << c.kind << " " << c.clip;
        Key(Qt::Key_Escape);
    }
}

TEST_F(ExGridEditing, EscapeAfterSeveralChangesRestoresTheCell)
{
    grid->SetCells(1, 1, "start");
    Open(1, 1);
    Type("ab");
    Key(Qt::Key_Backspace);
    Type("cd");
    EXPECT_EQ(grid->Cells(1, 1), "acd");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 1), "start");
}

TEST_F(ExGridEditing, PasswordWrappingAndPlacement)
{
    grid->SetColWidths(1, 64);
    grid->SetRowHeights(1, 24);
    grid->SetCells(1, 1, "secret");
    Open(1, 1, edPassword);
    auto* line = qobject_cast<QLineEdit*>(Editor()->Body());
    ASSERT_TRUE(line);
    EXPECT_EQ(line->displayText(), "******");
    const TRect r = grid->CellRect(1, 1);
    EXPECT_EQ(Editor()->geometry(), QRect(r.Left, r.Top, 63, 23));
    EXPECT_EQ(r.Right - r.Left, 64);
    Key(Qt::Key_Escape);

    const QString longText = "a long text that does not fit into one line of the cell";
    grid->SetCells(1, 1, longText);
    grid->SetWordWrap(true);
    Open(1, 1);
    EXPECT_TRUE(Editor()->MultiLine());
    EXPECT_GT(Editor()->LineCount(), 1);
    EXPECT_EQ(Editor()->text(), longText);
    Key(Qt::Key_Escape);
}

TEST_F(ExGridEditing, WithoutWordWrapTheEditScrollsOnOneLine)
{
    grid->SetCells(1, 1, "a long text that does not fit into one line of the cell");
    Open(1, 1);
    EXPECT_FALSE(Editor()->MultiLine());
    EXPECT_EQ(Editor()->LineCount(), 1);
}

TEST_F(ExGridEditing, FocusGoingToAnotherWindowValidatesAndAnotherCellLeavesItToSelection)
{
    int validations = 0;
    int done = 0;
    grid->OnCellValidate = [&](TObject*, int, int, QString&, bool&) { ++validations; };
    grid->OnEditingDone = [&](TObject*) { ++done; };
    Open(1, 1);
    Type("typed");
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(done, 1);
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "typed");

    Open(1, 2);
    Type("x");
    const TRect target = grid->CellRect(3, 3);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(target.Left + 5, target.Top + 5));
    EXPECT_EQ(validations, 1);
    EXPECT_EQ(done, 2);
    EXPECT_EQ(grid->Cells(1, 2), "x");
}

TEST_F(ExGridEditing, AValidationFaultOnFocusLossStillClosesTheEditWithOneErrorBox)
{
    platform::ModalSeams seams;
    seams.AnswerMessage(mrOk);
    grid->OnCellValidate = [](TObject*, int, int, QString&, bool&) { throw std::runtime_error("validation broke"); };
    Open(1, 1);
    Type("x");
    other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(seams.Messages(), QStringList{"validation broke"});
}

TEST_F(ExGridEditing, ShowCellEditOpensAndSimulateCellClickKeepsTheMouseHandlers)
{
    int downs = 0;
    grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    grid->SimulateCellClick(3, 2);
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
    ASSERT_TRUE(grid->OnMouseDown);
    grid->ShowCellEdit();
    EXPECT_TRUE(EditorShown());
}

}  // namespace
