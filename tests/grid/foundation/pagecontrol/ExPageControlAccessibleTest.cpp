// The page control as assistive tools walk it: its tabs, then its pages with
// the controls on them, and nothing left behind or read from freed state when
// pages or the whole control go.

#include "grid/foundation/pagecontrol/ExPageControl.h"

#include "platform/grid/StringGrid.h"
#include "platform/ui/controls/Edit.h"
#include "tests/support/AccessibleTree.h"

#include <QtGui/QAccessible>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include <functional>

namespace {

class PageControlAccessible : public ::testing::Test {
 protected:
  PageControlAccessible() {
    window.resize(400, 300);
    control = new TExPageControl(&window);
    control->setGeometry(0, 0, 400, 300);
    watchTeardown(control);
  }

  // Connected before any interface of the object exists, so `tearingDown` runs
  // while the accessibility cache still holds its interfaces: a tool asking
  // then, as the control's and the grid's own state is already gone.
  void watchTeardown(QObject* object) {
    QObject::connect(object, &QObject::destroyed, [this](QObject* gone) {
      if (tearingDown) tearingDown(gone);
    });
  }

  TExTabSheet* addPage(const QString& caption) {
    auto* page = new TExTabSheet(control);
    page->SetCaption(caption);
    page->SetExPageControl(control);
    return page;
  }
  // Pages with a grid, an edit field and a page whose tab is hidden; the
  // first is active and the window shown.
  void addPages() {
    grids = addPage("  &Grids    ");
    grid = new TStringGrid(grids);
    watchTeardown(grid);
    grid->setGeometry(0, 0, 200, 100);
    grid->SetCells(1, 0, "Mnemonic");
    fields = addPage("Fields");
    edit = new TEdit(fields);
    spare = addPage("Spare");
    spare->SetTabVisible(false);
    window.show();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
  }
  QAccessibleInterface* list() const { return QAccessible::queryAccessibleInterface(control); }
  QAccessibleInterface* of(QObject* object) const { return QAccessible::queryAccessibleInterface(object); }
  static QString faults(QAccessibleInterface* root) {
    return testsupport::AccessibleTreeFaults(root).join('\n');
  }

  std::function<void(QObject* gone)> tearingDown;  // outlives the window
  QWidget window;
  TExPageControl* control = nullptr;
  TExTabSheet* grids = nullptr;
  TExTabSheet* fields = nullptr;
  TExTabSheet* spare = nullptr;
  TStringGrid* grid = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(PageControlAccessible, TheTabsComeFirstThenEveryPageNamedAsItsTabWithItsControls) {
  addPages();
  QAccessibleInterface* tabs = list();
  ASSERT_EQ(tabs->childCount(), 2 + 3);
  EXPECT_EQ(tabs->child(0)->role(), QAccessible::PageTab);
  EXPECT_EQ(tabs->child(1)->text(QAccessible::Name), "Fields");
  EXPECT_EQ(tabs->child(2), of(grids));
  EXPECT_EQ(tabs->child(2)->text(QAccessible::Name), "Grids");
  EXPECT_EQ(tabs->child(3), of(fields));
  EXPECT_EQ(tabs->child(4), of(spare));
  EXPECT_EQ(faults(testsupport::AccessibleWindow(control)), "");

  // Only the shown page is seen; the controls of the others are reached, marked invisible.
  EXPECT_FALSE(of(grids)->state().invisible);
  EXPECT_TRUE(of(fields)->state().invisible);
  EXPECT_TRUE(of(spare)->state().invisible);
  QAccessibleInterface* table = testsupport::FindAccessibleTable(control, {"Mnemonic", "", "", ""});
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table, of(grid));
  EXPECT_TRUE(of(edit)->state().invisible);

  control->SetActivePage(fields);
  EXPECT_TRUE(table->state().invisible);
  EXPECT_FALSE(of(edit)->state().invisible);
  EXPECT_TRUE(tabs->child(1)->state().selected);
}

TEST_F(PageControlAccessible, PointAndFocusLeadToTheShownPageAndTheControlOnIt) {
  addPages();
  control->SetActivePage(fields);
  QAccessibleInterface* tabs = list();
  const QPoint onPages = control->mapToGlobal(ToQRect(control->DisplayRect()).bottomRight() - QPoint(5, 5));
  EXPECT_EQ(tabs->childAt(onPages.x(), onPages.y()), of(fields));  // not the hidden pages under it
  const QPoint onTab = control->mapToGlobal(ToQRect(control->TabRect(0)).center());
  EXPECT_EQ(tabs->childAt(onTab.x(), onTab.y()), tabs->child(0));

  edit->setFocus();
  EXPECT_EQ(tabs->focusChild(), of(edit));
  control->setFocus();
  EXPECT_EQ(tabs->focusChild(), tabs->child(1));
}

TEST_F(PageControlAccessible, PagesThatGoLeaveTheirPlaceAndNoInterfaceBehind) {
  addPages();
  QAccessibleInterface* tabs = list();
  const QAccessible::Id fieldsTab = QAccessible::uniqueId(tabs->child(1));
  const QAccessible::Id fieldsPage = QAccessible::uniqueId(of(fields));
  const QAccessible::Id editId = QAccessible::uniqueId(of(edit));

  delete fields;
  EXPECT_EQ(tabs->childCount(), 1 + 2);
  EXPECT_EQ(tabs->child(1), of(grids));
  EXPECT_EQ(tabs->indexOfChild(of(spare)), 2);
  EXPECT_FALSE(QAccessible::accessibleInterface(fieldsTab)->isValid());  // the strip's, with no tab left
  EXPECT_EQ(tabs->indexOfChild(QAccessible::accessibleInterface(fieldsTab)), -1);
  EXPECT_EQ(QAccessible::accessibleInterface(fieldsPage), nullptr);
  EXPECT_EQ(QAccessible::accessibleInterface(editId), nullptr);
  EXPECT_EQ(faults(tabs), "");

  // A tool asking while the control and the grid on its page are torn down
  // reads nothing from their state, which is already gone.
  const QAccessible::Id listId = QAccessible::uniqueId(tabs);
  const QAccessible::Id gridsTab = QAccessible::uniqueId(tabs->child(0));
  const QAccessible::Id gridId = QAccessible::uniqueId(of(grid));
  const QAccessible::Id cellId = QAccessible::uniqueId(of(grid)->tableInterface()->cellAt(0, 1));
  QList<QObject*> asked;
  tearingDown = [&](QObject* gone) {
    asked << gone;
    const bool isGrid = gone == grid;
    QAccessibleInterface* going = QAccessible::accessibleInterface(isGrid ? gridId : listId);
    ASSERT_NE(going, nullptr);
    EXPECT_FALSE(going->isValid());
    EXPECT_EQ(going->childCount(), 0);
    EXPECT_EQ(going->child(0), nullptr);
    EXPECT_EQ(going->focusChild(), nullptr);
    QAccessibleInterface* part = QAccessible::accessibleInterface(isGrid ? cellId : gridsTab);
    ASSERT_NE(part, nullptr);
    EXPECT_FALSE(part->isValid());
    EXPECT_EQ(part->text(QAccessible::Name), "");
    EXPECT_EQ(part->rect(), QRect());
    EXPECT_EQ(going->indexOfChild(part), -1);
  };
  delete control;
  EXPECT_EQ(asked.size(), 2);
  tearingDown = nullptr;
  for (QAccessible::Id id : {listId, gridsTab, gridId, cellId}) EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
  EXPECT_EQ(faults(testsupport::AccessibleWindow(&window)), "");
}

}  // namespace
