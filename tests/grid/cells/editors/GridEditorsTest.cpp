// The spin, edit-with-button, unit, check box and button editors in a shown
// offscreen grid, the drop-down seam and the cell checker.

#include "grid/cells/content/ExGridCheck.h"
#include "grid/cells/editors/GridEditors.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/grid/cells/GridInWindow.h"

#include <QtGui/QClipboard>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <functional>

namespace {

const TFormatSettings DayFirstDot{u'.', u',', u'/', u':', QStringLiteral("dd/mm/yyyy"), QStringLiteral("hh:nn:ss")};

class GridEditors : public GridInWindow {
protected:
    platform::ScopedFormatSettings locale{DayFirstDot};
    QStringList validated;

    void SetUp() override
    {
        MakeGrid(500, 400);
        ShowWindow();
        grid->setFocus();
        QApplication::processEvents();
        grid->OnCellValidate = [this](TObject*, int, int, QString& v, bool&) { validated << v; };
    }
    void Open(int col, int row, TEditorType kind)
    {
        grid->OnGetEditorType = [kind](TObject*, int, int, TEditorType& e) { e = kind; };
        grid->SetCol(col);
        grid->SetRow(row);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F2);
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(Focused(), key, mods); }
};

TEST_F(GridEditors, EachKindOpensCommitsWithEnterAndWritesBack)
{
    grid->UnitEditBtn()->Units().Add("mm");
    const struct {
        TEditorType kind;
        const char* cell;
        std::function<void()> work;
        const char* validatedText;  // nullptr: no validation
        const char* written;
    } cases[] = {
        {edSpinEdit, "5", [this] { Key(Qt::Key_Up); }, "6", "6"},
        {edFloatSpinEdit, "1.5", [this] { Key(Qt::Key_Up); }, "1.6", "1.60"},  // the grid's float format
        {edTimeSpinEdit, "10:00:00",
         [this] {
             grid->SpinEdit()->SetSelStart(0);
             Key(Qt::Key_Down);
         },
         "09:00:00", "09:00:00"},
        {edDateSpinEdit, "31/01/2023",
         [this] {
             grid->SpinEdit()->SetSelStart(4);
             Key(Qt::Key_Up);
         },
         "28/02/2023", "28/02/2023"},
        {edEditBtn, "ab", [this] { QTest::keyClicks(Focused(), "c"); }, "c", "c"},
        {edNumericEditBtn, "1", [this] { QTest::keyClicks(Focused(), "x2"); }, "2", "2"},
        {edUnitEditBtn, "12mm", [this] { grid->UnitEditBtn()->SetText("13"); }, "13mm", "13mm"},
        {edDateEdit, "15/03/2023", [this] { Key(Qt::Key_Up); }, "16/03/2023", "16/03/2023"},
        {edTimeEdit, "10:20:30", [this] { Key(Qt::Key_Up); }, "11:20:30", "11:20:30"},
        {edCheckBox, "caption", [] {}, nullptr, "caption"},
        {edButton, "push", [] {}, nullptr, "push"},
    };
    for (const auto& c : cases) {
        grid->SetCells(2, 2, c.cell);
        validated.clear();
        Open(2, 2, c.kind);
        ASSERT_TRUE(grid->EditMode()) << c.kind;
        ASSERT_NE(Focused(), grid) << c.kind << " opened its own control";
        c.work();
        const QString typed = c.validatedText;
        QTest::keyClick(Focused(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_FALSE(grid->EditMode()) << c.kind;
        if (c.validatedText) {
            ASSERT_EQ(validated.size(), 1) << c.kind;
            EXPECT_EQ(validated.front(), typed) << c.kind;
            EXPECT_EQ(grid->Cells(2, 2), c.written) << c.kind;
        } else {
            EXPECT_TRUE(validated.isEmpty()) << c.kind;
            EXPECT_EQ(grid->Cells(2, 2), c.written) << c.kind << " writes nothing back";
        }
    }
}

TEST_F(GridEditors, SpinHomeAndEndSetTheRangeEndsWithOneSpinClickEach)
{
    grid->HideColumn(1);  // display column 1 shows real column 2
    grid->SetCells(2, 1, "50");
    QStringList clicks;
    grid->OnSpinClick = [&](TObject*, int c, int, int v, bool up) { clicks << QString("%1 %2 %3").arg(c).arg(v).arg(up); };
    grid->OnFloatSpinClick = [&](TObject*, int c, int, double v, bool up) {
        clicks << QString("float %1 %2 %3").arg(c).arg(v).arg(up);
    };
    Open(1, 1, edSpinEdit);
    Key(Qt::Key_Home);
    EXPECT_EQ(grid->SpinEdit()->Text(), "100");
    Key(Qt::Key_End);
    EXPECT_EQ(grid->SpinEdit()->Text(), "0");
    Key(Qt::Key_Up);
    EXPECT_EQ(grid->SpinEdit()->Text(), "1") << "Up spins without leaving the cell";
    EXPECT_TRUE(grid->EditMode());
    grid->SpinEdit()->UpClick(grid->SpinEdit()->Button());
    EXPECT_EQ(clicks, QStringList({"1 100 0", "1 0 0", "1 2 1"}));
    Key(Qt::Key_Escape);

    clicks.clear();
    grid->SetCells(2, 1, "2.5");
    Open(1, 1, edFloatSpinEdit);
    grid->SpinEdit()->DownClick(grid->SpinEdit()->Button());
    EXPECT_EQ(clicks, QStringList({"float 1 2.4 0"}));
}

TEST_F(GridEditors, EscapePutsTheCellCacheBack)
{
    for (TEditorType kind : {edSpinEdit, edEditBtn}) {
        grid->SetCells(1, 1, "40");
        Open(1, 1, kind);
        auto* edit = dynamic_cast<TMaskEdit*>(Focused());
        ASSERT_NE(edit, nullptr);
        edit->SetText("77");
        Key(Qt::Key_Escape);
        EXPECT_FALSE(grid->EditMode()) << kind;
        EXPECT_EQ(grid->Cells(1, 1), "40") << kind;
    }
}

TEST_F(GridEditors, ArrowOnTheButtonEditorMovesTheGridAndHidesTheButton)
{
    Open(2, 2, edButton);
    ASSERT_EQ(Focused(), grid->GridButton());
    Key(Qt::Key_Down);
    EXPECT_FALSE(grid->GridButton()->isVisible());
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(GridEditors, PastingIntoTheButtonEditDropsTheOnlyLineBreakAtTheEnd)
{
    const struct {
        const char* clip;
        const char* text;
    } cases[] = {{"12\r\n", "12"}, {"7\n", "7"}, {"12", "12"}};
    QStringList pasted;
    grid->OnClipboardBeforePasteCell = [&](TObject*, int, int, QString& v, bool&) { pasted << v; };
    for (const auto& c : cases) {
        grid->SetCells(1, 1, "");
        Open(1, 1, edEditBtn);
        grid->EditBtn()->SetText("");
        QApplication::clipboard()->setText(c.clip);
        grid->EditBtn()->PasteFromClipboard();
        EXPECT_EQ(grid->EditBtn()->Text(), c.text) << c.clip;
        EXPECT_EQ(grid->CurrentCell(), c.text) << "the pasted text goes into the cell's edit text";
        Key(Qt::Key_Escape);
    }
    EXPECT_EQ(pasted.size(), 3);
    EXPECT_EQ(pasted.front(), "12\r\n") << "the grid's event sees the clipboard's text";
}

TEST_F(GridEditors, UnitEditorWritesValueAndUnitWithoutBlank)
{
    grid->UnitEditBtn()->Units().Add("mm");
    grid->SetCells(1, 1, "5mm");
    Open(1, 1, edUnitEditBtn);
    EXPECT_EQ(grid->UnitEditBtn()->Text(), "5");
    EXPECT_EQ(grid->UnitEditBtn()->UnitID(), "mm");
    grid->UnitEditBtn()->SetText("12");
    grid->HideInplaceEdit();
    EXPECT_EQ(grid->Cells(1, 1), "12mm");
}

TEST_F(GridEditors, CheckBoxEditorTogglesOncePerSpaceOrPress)
{
    Open(1, 1, edCheckBox);
    TGridCheckBox* box = grid->EditCheck();
    ASSERT_EQ(Focused(), box);
    EXPECT_FALSE(box->Checked());
    Key(Qt::Key_Space);
    EXPECT_TRUE(box->Checked());
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(box->Checked());
}

TEST_F(GridEditors, DatePickerMovesOnAfterAChangedDayButNotAfterTheYear)
{
    grid->SetCells(1, 1, "15/03/2023");
    grid->OnGetEditorProp = [this](TObject*, int, int, TObject*) { grid->DateTimePicker()->SetFormat("dd/mm/yyyy"); };
    Open(1, 1, edDateEdit);
    TGridDatePicker* picker = grid->DateTimePicker();
    ASSERT_EQ(Focused(), picker);
    EXPECT_EQ(picker->currentSection(), QDateTimeEdit::DaySection);
    QTest::keyClicks(picker, "25");
    QApplication::processEvents();
    EXPECT_EQ(picker->currentSection(), QDateTimeEdit::MonthSection) << "one field on, not two";
    EXPECT_EQ(picker->date().day(), 25);
    picker->SelectField(2);
    QTest::keyClicks(picker, "2024");
    QApplication::processEvents();
    EXPECT_EQ(picker->currentSection(), QDateTimeEdit::YearSection);
    QTest::keyClick(picker, Qt::Key_Escape);
    EXPECT_EQ(grid->Cells(1, 1), "15/03/2023") << "Esc takes the cell's date again";
}

// A drop-down editor standing in for the drop-down family's ones.
class FakeDropDown : public QLineEdit, public IGridDropDownEditor {
public:
    explicit FakeDropDown(QWidget* parent) : QLineEdit(parent) {}
    QWidget* Control() override { return this; }
    void ShowInCell(TEditorType, const TRect& Box, const QString& EditText) override
    {
        setGeometry(Box.Left, Box.Top, Box.Right - Box.Left, Box.Bottom - Box.Top);
        setText("[" + EditText + "]");
        show();
        setFocus();
    }
    QString CellValue(TEditorType) override { return text(); }
    void HideFromCell() override { ++hides; }
    int hides = 0;
};

TEST_F(GridEditors, RegisteredDropDownEditorOpensAndIsReadBack)
{
    EXPECT_EQ(grid->MemoDropDown(), nullptr);
    RegisterGridDropDownEditor(edMemoDropDown, [](TExStringGrid& g) { return new FakeDropDown(&g); });
    grid->SetCells(1, 1, "memo");
    Open(1, 1, edMemoDropDown);
    auto* fake = dynamic_cast<FakeDropDown*>(grid->MemoDropDown());
    ASSERT_NE(fake, nullptr);
    EXPECT_TRUE(fake->isVisible());
    EXPECT_EQ(grid->EditCtrl(), fake);
    grid->HideInplaceEdit();
    EXPECT_EQ(grid->Cells(1, 1), "[memo]");
    EXPECT_EQ(fake->hides, 1);
    EXPECT_FALSE(fake->isVisible());
    RegisterGridDropDownEditor(edMemoDropDown, nullptr);
}

class UpperCaseChecker : public TExStringGridCheck {
public:
    QString Correct(int, int, const QString& Value) override { return Value.toUpper(); }
};

TEST_F(GridEditors, CheckerCorrectsBeforeValidationAndItsFreeingClearsTheLink)
{
    auto* checker = new UpperCaseChecker;
    checker->AutoCorrect = true;
    grid->SetCellChecker(checker);
    Open(1, 1, edNormal);
    QTest::keyClicks(Focused(), "abc");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(validated, QStringList({"ABC"}));
    EXPECT_EQ(grid->Cells(1, 1), "ABC");
    delete checker;
    EXPECT_EQ(grid->CellChecker(), nullptr);

    TExStringGridCheck neutral;
    neutral.AutoCorrect = neutral.AutoMarkError = true;
    grid->SetCellChecker(&neutral);
    Open(2, 1, edNormal);
    QTest::keyClicks(Focused(), "Mixed");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(grid->Cells(2, 1), "Mixed") << "the neutral checker changes nothing";
    grid->SetCellChecker(nullptr);
}

TEST_F(GridEditors, ScreenshotOfTheEditorsInCells)
{
    grid->SetDefaultColWidth(110);
    grid->UnitEditBtn()->Units().Add("mm");
    grid->SetCells(1, 1, "42");
    grid->SetCells(2, 2, "12mm");
    Open(1, 1, edSpinEdit);
    EXPECT_TRUE(grid->SpinEdit()->isVisible());
    platform::SaveScreenshot(*window, "grid_spin_editor");
    Key(Qt::Key_Escape);
    Open(2, 2, edUnitEditBtn);
    EXPECT_TRUE(grid->UnitEditBtn()->isVisible());
    platform::SaveScreenshot(*window, "grid_unit_editor");
    Key(Qt::Key_Escape);
    grid->SetCells(1, 3, "15/03/2023");
    Open(1, 3, edDateEdit);
    EXPECT_TRUE(grid->DateTimePicker()->isVisible());
    platform::SaveScreenshot(*window, "grid_date_editor");
    Key(Qt::Key_Escape);
}

}  // namespace
