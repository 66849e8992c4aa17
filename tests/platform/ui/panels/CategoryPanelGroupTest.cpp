#include "platform/ui/panels/CategoryPanelGroup.h"

#include "platform/ui/controls/Edit.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtGui/QAccessible>
#include <QtGui/QWheelEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QScrollBar>

#include <gtest/gtest.h>

namespace {

// Three panels as the Set Communication window shows them.
class PanelGroup : public ::testing::Test {
 protected:
  PanelGroup() {
    group.SetBounds(0, 69, 460, 591);
    for (TCategoryPanel* panel : {&ethernet, &lora, &snmp}) panel->SetVisible(false);
    ethernet.SetCaption("1. Ethernet Connection");
    lora.SetCaption("2. LoRaWAN");
    snmp.SetCaption("3. SNMP Agent");
    unused.SetVisible(false);
    int top = 0;
    for (TCategoryPanel* panel : {&ethernet, &lora, &snmp}) {
      panel->SetTop(top);
      panel->SetVisible(true);
      top += 1000;
    }
    ethernet.SetHeight(206);
    lora.SetHeight(372);
    snmp.SetHeight(232);
  }

  std::vector<int> tops() const {
    return {ethernet.Top(), lora.Top(), snmp.Top()};
  }

  TCategoryPanelGroup group;
  TCategoryPanel ethernet{&group};
  TCategoryPanel unused{&group};
  TCategoryPanel lora{&group};
  TCategoryPanel snmp{&group};
};

TEST_F(PanelGroup, VisiblePanelsStackByTopWithoutGaps) {
  EXPECT_EQ(group.HeaderHeight(), 24);
  EXPECT_EQ(tops(), std::vector<int>({0, 206, 578}));
  EXPECT_FALSE(unused.Visible());
  lora.SetHeight(400);  // a layout grows a panel: those below move down
  EXPECT_EQ(tops(), std::vector<int>({0, 206, 606}));
  EXPECT_EQ(group.widget()->height(), 206 + 400 + 232);
  lora.SetVisible(false);
  EXPECT_EQ(snmp.Top(), 206);
  lora.SetVisible(true);
  EXPECT_EQ(tops(), std::vector<int>({0, 206, 606}));
  EXPECT_EQ(ethernet.Width(), group.viewport()->width());
}

TEST_F(PanelGroup, SettingTopMovesAPanelBeforeTheOneAtThatPlace) {
  snmp.SetTop(206);
  EXPECT_EQ(tops(), std::vector<int>({0, 438, 206}));
  ethernet.SetTop(5000);
  EXPECT_EQ(tops(), std::vector<int>({604, 232, 0}));
}

TEST_F(PanelGroup, CollapsedPanelShowsOnlyItsHeaderAndKeepsItsHeight) {
  TEdit edit(lora.Surface());
  edit.SetBounds(191, 9, 200, 21);
  int collapses = 0;
  lora.OnCollapse = [&](TObject*) { ++collapses; };
  lora.Collapse();
  EXPECT_TRUE(lora.Collapsed());
  EXPECT_EQ(lora.Height(), 24);
  EXPECT_EQ(snmp.Top(), 230);
  EXPECT_FALSE(lora.Surface()->isVisibleTo(&lora));
  lora.SetHeight(316);  // a layout while collapsed applies on expanding
  EXPECT_EQ(lora.Height(), 24);
  lora.Expand();
  EXPECT_EQ(lora.Height(), 316);
  EXPECT_EQ(snmp.Top(), 522);
  EXPECT_EQ(collapses, 1);
  EXPECT_EQ(edit.mapTo(&lora, QPoint(0, 0)), QPoint(191, 24 + 9));  // controls sit below the header
}

TEST_F(PanelGroup, ClickOnTheHeaderToggles) {
  QWidget* header = lora.childAt(10, 10);
  ASSERT_NE(header, nullptr);
  const QPointF inside(10, 10);
  QMouseEvent press(QEvent::MouseButtonPress, inside, header->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, header->mapToGlobal(inside), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(header, &press);
  QApplication::sendEvent(header, &release);
  EXPECT_TRUE(lora.Collapsed());
}

TEST_F(PanelGroup, WheelScrollsByLinesAlsoOverItsControls) {
  group.SetBounds(0, 0, 460, 300);
  group.show();
  TEdit edit(snmp.Surface());
  const int lines = QApplication::wheelScrollLines();
  ASSERT_GT(lines, 0);
  auto wheel = [&](QWidget* target, int delta) {
    QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
  };
  EXPECT_TRUE(wheel(group.viewport(), -120));
  EXPECT_EQ(group.ScrollPosition(), lines * group.ScrollIncrement());
  EXPECT_TRUE(wheel(&edit, -120));
  EXPECT_EQ(group.ScrollPosition(), 2 * lines * group.ScrollIncrement());
  wheel(&edit, 120);
  EXPECT_EQ(group.ScrollPosition(), lines * group.ScrollIncrement());
  QWidget outside;
  wheel(&outside, -120);
  EXPECT_EQ(group.ScrollPosition(), lines * group.ScrollIncrement());
  platform::SaveScreenshot(group, "category_panel_group");
}

TEST_F(PanelGroup, HeadersReportRoleCaptionAndState) {
  QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(&lora);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->role(), QAccessible::Grouping);
  EXPECT_EQ(panel->text(QAccessible::Name), "2. LoRaWAN");
  ASSERT_GE(panel->childCount(), 1);
  QAccessibleInterface* header = panel->child(0);
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->role(), QAccessible::Button);
  EXPECT_EQ(header->text(QAccessible::Name), "2. LoRaWAN");
  EXPECT_TRUE(header->state().expandable);
  EXPECT_TRUE(header->state().expanded);
  QAccessibleActionInterface* action = header->actionInterface();
  ASSERT_NE(action, nullptr);
  action->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(lora.Collapsed());
  EXPECT_TRUE(header->state().collapsed);
  EXPECT_FALSE(header->state().expanded);
}

}  // namespace
