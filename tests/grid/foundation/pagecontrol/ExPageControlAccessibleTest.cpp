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

namespace {

class PageControlAccessible : public ::testing::Test {
 protected:
  PageControlAccessible() {
    window.resize(400, 300);
    control = new TExPageControl(&window);
    control->setGeometry(0, 0, 400, 300);
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

  // When the control goes, its interface and its tabs' go before its state and
  // its pages: a tool asking from a page on its way out reaches none of them.
  const QAccessible::Id listId = QAccessible::uniqueId(tabs);
  const QAccessible::Id gridsTab = QAccessible::uniqueId(tabs->child(0));
  const QAccessible::Id gridId = QAccessible::uniqueId(of(grid));
  int asked = 0;
  QObject::connect(spare, &QObject::destroyed, [&] {
    ++asked;
    EXPECT_EQ(QAccessible::accessibleInterface(listId), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(gridsTab), nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control), nullptr);
  });
  delete control;
  EXPECT_EQ(asked, 1);
  for (QAccessible::Id id : {listId, gridsTab, gridId}) EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
  EXPECT_EQ(faults(testsupport::AccessibleWindow(&window)), "");
}

}  // namespace
