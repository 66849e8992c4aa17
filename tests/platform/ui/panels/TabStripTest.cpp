#include "platform/ui/panels/TabStrip.h"

#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/KeyStrokes.h"

#include <QtGui/QAccessible>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>

#include <set>

#include <gtest/gtest.h>

namespace {

// A strip whose hooks the tests watch: tabs in `locked` cannot be selected.
class Strip : public TCustomTabControl {
 public:
  Strip() {
    resize(300, 200);
    OnChange = [this](TObject*) { ++changes; };
  }
  std::set<int> locked;
  int changes = 0;
  int lastCanChangeTarget = -2;

 protected:
  bool CanShowTab(int index) override { return !locked.count(index); }
  bool CanChange(int newIndex) override {
    lastCanChangeTarget = newIndex;
    return TCustomTabControl::CanChange(newIndex);
  }
};

void click(QWidget* w, const TRect& r) {
  const QPointF p((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

void addTabs(TCustomTabControl& strip, std::initializer_list<const char*> texts) {
  for (const char* text : texts) strip.InsertTab(strip.TabCount(), QString::fromLatin1(text), nullptr);
}

TEST(TabStrip, ItemChangesKeepTheSelectedItemAndRaiseNoEvents) {
  Strip strip;
  addTabs(strip, {"A"});
  EXPECT_EQ(strip.TabIndex(), 0);  // the first tab of an empty strip is selected
  addTabs(strip, {"B", "C"});
  strip.SetTabIndex(1);
  strip.InsertTab(0, "Z", nullptr);  // before the selection: it moves along
  EXPECT_EQ(strip.TabIndex(), 2);
  EXPECT_EQ(strip.TabText(2), "B");
  strip.MoveTab(2, 0);
  EXPECT_EQ(strip.TabIndex(), 0);
  EXPECT_EQ(strip.TabText(0), "B");
  strip.DeleteTab(3);
  EXPECT_EQ(strip.TabIndex(), 0);
  strip.DeleteTab(0);  // the selected one: none is left selected
  EXPECT_EQ(strip.TabIndex(), -1);
  strip.SetTabIndex(7);
  EXPECT_EQ(strip.TabIndex(), -1);
  EXPECT_EQ(strip.changes, 0);
}

TEST(TabStrip, TabsLineUpAlongTheirEdgeAndThePageFillsTheRest) {
  struct Case {
    TTabPosition position;
    bool alongX;
  };
  for (const Case& c : {Case{tpTop, true}, Case{tpBottom, true}, Case{tpLeft, false}, Case{tpRight, false}}) {
    Strip strip;
    strip.SetTabPosition(c.position);
    addTabs(strip, {"One", "Two", "Three"});
    const TRect a = strip.TabRect(0), b = strip.TabRect(1), last = strip.TabRect(2);
    SCOPED_TRACE(int(c.position));
    if (c.alongX) {
      EXPECT_EQ(a.Left, 2);
      EXPECT_EQ(b.Left, a.Right);
      EXPECT_EQ(a.Top, b.Top);
      EXPECT_GT(last.Width(), a.Width());  // sized to the text
    } else {
      EXPECT_EQ(a.Top, 2);
      EXPECT_EQ(b.Top, a.Bottom);
      EXPECT_EQ(a.Left, b.Left);
      EXPECT_GT(last.Height(), a.Height());
    }
    const TRect page = strip.DisplayRect();
    switch (c.position) {
      case tpTop:
        EXPECT_EQ(a.Top, 2);
        EXPECT_EQ(page, Rect(4, a.Bottom + 4, 296, 196));
        break;
      case tpBottom:
        EXPECT_EQ(a.Bottom, 198);
        EXPECT_EQ(page, Rect(4, 4, 296, a.Top - 4));
        break;
      case tpLeft:
        EXPECT_EQ(a.Left, 2);
        EXPECT_EQ(page, Rect(a.Right + 4, 4, 296, 196));
        break;
      case tpRight:
        EXPECT_EQ(a.Right, 298);
        EXPECT_EQ(page, Rect(4, 4, a.Left - 4, 196));
        break;
    }
    for (int i = 0; i < 3; ++i) {
      const TRect r = strip.TabRect(i);
      EXPECT_EQ(strip.IndexOfTabAt(r.Left, r.Top), i);
      EXPECT_EQ(strip.IndexOfTabAt(r.Right - 1, r.Bottom - 1), i);
    }
    EXPECT_EQ(strip.IndexOfTabAt(page.Left + 5, page.Top + 5), -1);
  }
}

TEST(TabStrip, FixedSizesAndMultipleRowsWithTheSelectedRowNextToThePage) {
  Strip strip;
  strip.resize(204, 150);  // 200 pixels for tabs: two tabs of 80 per row
  strip.SetTabWidth(80);
  strip.SetTabHeight(20);
  addTabs(strip, {"A", "B", "C", "D", "E"});
  EXPECT_EQ(strip.TabRect(2), Rect(162, 2, 242, 22));  // one row runs past the edge
  strip.SetMultiLine(true);
  strip.SetRaggedRight(true);
  // Rows A B | C D | E; the selected tab A's row lies next to the page.
  EXPECT_EQ(strip.TabRect(0), Rect(2, 42, 82, 62));
  EXPECT_EQ(strip.TabRect(2), Rect(2, 2, 82, 22));
  EXPECT_EQ(strip.TabRect(4), Rect(2, 22, 82, 42));
  EXPECT_EQ(strip.DisplayRect().Top, 66);
  strip.SetTabIndex(4);
  EXPECT_EQ(strip.TabRect(4), Rect(2, 42, 82, 62));
  EXPECT_EQ(strip.TabRect(0), Rect(2, 2, 82, 22));
  strip.SetRaggedRight(false);  // with several rows every row is stretched to the full length
  EXPECT_EQ(strip.TabRect(1), Rect(102, 2, 202, 22));
  EXPECT_EQ(strip.TabRect(4), Rect(2, 42, 202, 62));
}

TEST(TabStrip, TheUserSelectsByClickOrArrowKeysThroughTheChecks) {
  Strip strip;
  addTabs(strip, {"A", "B", "C", "D"});
  bool allow = false;
  strip.OnChanging = [&](TObject* sender, bool& allowChange) {
    EXPECT_EQ(sender, &strip);
    allowChange = allow;
  };
  click(&strip, strip.TabRect(2));
  EXPECT_EQ(strip.lastCanChangeTarget, 2);
  EXPECT_EQ(strip.TabIndex(), 0);
  EXPECT_EQ(strip.changes, 0);

  allow = true;
  click(&strip, strip.TabRect(2));
  EXPECT_EQ(strip.TabIndex(), 2);
  EXPECT_EQ(strip.changes, 1);
  click(&strip, strip.TabRect(2));  // the selected tab again: nothing
  EXPECT_EQ(strip.changes, 1);

  strip.locked = {1};
  click(&strip, strip.TabRect(1));
  EXPECT_EQ(strip.TabIndex(), 2);
  uitest::sendKey(&strip, Qt::Key_Left);  // passes over the locked tab
  EXPECT_EQ(strip.TabIndex(), 0);
  uitest::sendKey(&strip, Qt::Key_Left);
  EXPECT_EQ(strip.TabIndex(), 0);
  uitest::sendKey(&strip, Qt::Key_Down);
  EXPECT_EQ(strip.TabIndex(), 2);
  EXPECT_EQ(strip.lastCanChangeTarget, 2);
  EXPECT_EQ(strip.changes, 3);
}

// The strip moves on an arrow key's press, so a key coming up over it, its
// press made elsewhere, selects nothing.
TEST(TabStrip, KeyReleasesAloneSelectNothing) {
  Strip strip;
  addTabs(strip, {"A", "B", "C"});
  strip.show();
  QApplication::setActiveWindow(&strip);
  strip.setFocus();
  QApplication::processEvents();
  for (int key : {int(Qt::Key_Right), int(Qt::Key_Down), int(Qt::Key_Return), int(Qt::Key_Space)})
    testsupport::ReleaseKey(strip, key);
  EXPECT_EQ(strip.TabIndex(), 0);
  EXPECT_EQ(strip.changes, 0);
  testsupport::TypeKey(strip, Qt::Key_Right);
  EXPECT_EQ(strip.TabIndex(), 1);
  EXPECT_EQ(strip.changes, 1);
}

TEST(TabStrip, AssistiveToolsSeeAPageTabListOfPageTabs) {
  Strip strip;
  addTabs(strip, {" Nodes ", "Variables"});
  strip.locked = {1};
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&strip);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::PageTabList);
  ASSERT_EQ(list->childCount(), 2);
  QAccessibleInterface* nodes = list->child(0);
  QAccessibleInterface* variables = list->child(1);
  EXPECT_EQ(nodes->role(), QAccessible::PageTab);
  EXPECT_EQ(nodes->text(QAccessible::Name), "Nodes");
  EXPECT_EQ(list->indexOfChild(variables), 1);
  EXPECT_TRUE(nodes->state().selected);
  EXPECT_FALSE(variables->state().selected);
  EXPECT_TRUE(variables->state().disabled);

  strip.locked.clear();
  ASSERT_NE(variables->actionInterface(), nullptr);
  variables->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(strip.TabIndex(), 1);
  EXPECT_TRUE(variables->state().selected);
  EXPECT_EQ(strip.changes, 1);
}

}  // namespace
