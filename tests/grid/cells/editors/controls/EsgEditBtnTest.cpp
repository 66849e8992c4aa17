#include "grid/cells/editors/controls/EsgEditBtn.h"

#include "platform/ui/window/ModalSeams.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

namespace {

void key(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, k, m);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, m);
    QApplication::sendEvent(w, &release);
}

TEST(EsgUnitEditBtn, TextAndUnitSplitsAtAUnitEndingTheValue)
{
    const struct {
        const char* value;
        const char* text;
        const char* unit;
    } cases[] = {
        {"12cm", "12", "cm"},
        {"12", "old", "mm"},
        {"mm5mm", "old", "mm"},
        {"7mm", "7", "mm"},
    };
    for (const auto& c : cases) {
        TEsgUnitEditBtn edit;
        edit.Units().Add("mm");
        edit.Units().Add("cm");
        edit.SetText("old");
        edit.SetUnitID("mm");
        edit.SetTextAndUnit(c.value);
        EXPECT_EQ(edit.Text(), c.text) << c.value;
        EXPECT_EQ(edit.UnitID(), c.unit) << c.value;
        EXPECT_EQ(edit.TextAndUnit(), QString(c.text) + c.unit) << c.value;
    }
}

TEST(EsgUnitEditBtn, MenuOfUnitsReportsAnotherUnitOnce)
{
    platform::ModalSeams seams;
    TEsgUnitEditBtn edit;
    edit.Units().Add("mm");
    edit.Units().Add("cm");
    edit.SetUnitID("mm");
    edit.resize(100, 22);
    QStringList changes;
    edit.OnUnitChanged = [&](TObject*, const QString& unit) { changes << unit; };
    for (int id : {2, 2, 1, 0}) {
        seams.PickMenuItem(id);
        edit.ButtonClick(&edit);
    }
    EXPECT_EQ(changes, QStringList({"cm", "mm"}));
    EXPECT_EQ(edit.UnitID(), "mm") << "closing without a pick keeps the unit";
    ASSERT_EQ(seams.Shown().size(), 4u);
    const platform::ShownModal& menu = seams.Shown().front();
    EXPECT_EQ(menu.kind, platform::ModalKind::PopupMenu);
    EXPECT_EQ(menu.items, QStringList({"mm", "cm"}));
    EXPECT_EQ(menu.screenPoint, edit.mapToGlobal(QPoint(100 - 15, 22)));
}

TEST(EsgEditBtn, F4ClicksTheButtonOnlyWithoutCtrlOrAlt)
{
    TEsgEditBtn edit;
    int clicks = 0;
    TObject* sender = nullptr;
    edit.OnClickBtn = [&](TObject* s) {
        ++clicks;
        sender = s;
    };
    key(&edit, Qt::Key_F4);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, &edit);
    key(&edit, Qt::Key_F4, Qt::ControlModifier);
    key(&edit, Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
}

TEST(EsgEditBtn, DisabledEditorRefusesTypingAndPasteButKeepsItsButton)
{
    TEsgEditBtn edit;
    edit.SetText("a");
    edit.SetEditorEnabled(false);
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
    QApplication::sendEvent(&edit, &typed);
    edit.PasteFromClipboard();
    edit.selectAll();
    edit.CutToClipboard();
    EXPECT_EQ(edit.Text(), "a");
    int clicks = 0;
    edit.OnClickBtn = [&](TObject*) { ++clicks; };
    key(&edit, Qt::Key_F4);
    EXPECT_EQ(clicks, 1);
}

TEST(EsgEditBtn, FormattingRectLeavesRoomForButtonAndUnit)
{
    EXPECT_EQ(EditBtnFormattingRect(100, 20, 18, 20, true).Right, 54);
    EXPECT_EQ(EditBtnFormattingRect(100, 20, 18, 0, true).Right, 77);
    EXPECT_EQ(EditBtnFormattingRect(100, 20, 18, 20, true).Left, 1);
    EXPECT_EQ(EditBtnFormattingRect(100, 20, 18, 20, false).Left, 3);
    EXPECT_EQ(EditBtnFormattingRect(100, 20, 18, 20, false).Bottom, 21);
}

}  // namespace
