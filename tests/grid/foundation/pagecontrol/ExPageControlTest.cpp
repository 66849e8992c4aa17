#include "grid/foundation/pagecontrol/ExPageControl.h"

#include "grid/foundation/objects/ExObjLists.h"
#include "platform/core/StringList.h"
#include "platform/picture/ImageList.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/paint/Font.h"

#include <QtCore/QPointer>
#include <QtGui/QAccessible>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

namespace {

void mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
  const Qt::MouseButtons buttons =
      type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : button;
  QMouseEvent event(type, QPointF(p), QPointF(w->mapToGlobal(p)), type == QEvent::MouseMove ? Qt::NoButton : button,
                    buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

void click(QWidget* w, QPoint p) {
  mouse(w, QEvent::MouseButtonPress, p);
  mouse(w, QEvent::MouseButtonRelease, p);
}

QPoint centre(const TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

void key(QWidget* w, int qtKey, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
  QApplication::sendEvent(w, &press);
}

class PageControlTest : public ::testing::Test {
 protected:
  PageControlTest() { control.resize(300, 200); }

  TExTabSheet* addPage(const QString& name, const QString& caption) {
    auto* page = new TExTabSheet(&control);
    page->SetName(name);
    page->SetCaption(caption);
    page->SetExPageControl(&control);
    return page;
  }
  // Pages A, B and C; A is active.
  void addThree() {
    a = addPage("A", "Alpha");
    b = addPage("B", "Beta");
    c = addPage("C", "Gamma");
  }
  QStringList tabTexts() const {
    QStringList texts;
    for (int i = 0; i < control.TabCount(); ++i) texts << control.TabText(i);
    return texts;
  }
  QString thrown(const std::function<void()>& action) {
    try {
      action();
    } catch (const Exception& e) {
      return e.Message();
    }
    return QString();
  }

  TExPageControl control;
  TExTabSheet* a = nullptr;
  TExTabSheet* b = nullptr;
  TExTabSheet* c = nullptr;
};

TEST_F(PageControlTest, TabTextDropsAtMostTwoPaddingBlanksOrAddsOneForTheCloseButton) {
  struct Case {
    QString caption;
    bool showClose;
    QString tabText;
  };
  const Case cases[] = {
      {"  Nodes    ", false, "  Nodes  "},
      {"  Nodes    ", true, "  Nodes     "},
      {"Nodes", false, "Nodes"},
      {"AB", false, "AB"},
      {"Vars ", false, "Vars"},
      {"", false, ""},
      {"", true, " "},
  };
  TExTabSheet* page = addPage("P", "");
  for (const Case& c : cases) {
    page->SetShowClose(c.showClose);
    page->SetCaption(c.caption);
    EXPECT_EQ(control.TabText(0), c.tabText) << c.caption.toStdString();
    EXPECT_EQ(page->Caption(), c.caption);
  }
  control.SetTabBorder3D(true);  // the strip's own look shows the caption as it is
  EXPECT_EQ(control.TabText(0), "");
  page->SetCaption("  Nodes    ");
  EXPECT_EQ(control.TabText(0), "  Nodes    ");
  control.SetTabBorder3D(false);
  EXPECT_EQ(control.TabText(0), "  Nodes     ");
}

TEST_F(PageControlTest, PageAndTabIndexesCountOnlyShowingTabs) {
  addThree();
  a->SetTabVisible(false);
  EXPECT_EQ(c->PageIndex(), 2);
  EXPECT_EQ(c->TabIndex(), 1);
  EXPECT_EQ(a->TabIndex(), -1);
  EXPECT_FALSE(a->TabShowing());
  EXPECT_EQ(tabTexts(), QStringList({"Beta", "Gamma"}));
  EXPECT_EQ(control.TabObject(1), c);
  EXPECT_EQ(control.PageTabRect(2), control.TabRect(1));
  EXPECT_EQ(control.PageIndexAtPoint(centre(control.TabRect(1)).x(), centre(control.TabRect(1)).y()), 2);
  EXPECT_EQ(control.PageIndexAtPoint(centre(control.TabRect(0)).x(), centre(control.TabRect(0)).y()), 1);
  EXPECT_EQ(control.PageIndexAtPoint(150, 150), -1);

  a->SetTabVisible(true);  // back in its place
  EXPECT_EQ(tabTexts(), QStringList({"Alpha", "Beta", "Gamma"}));
  EXPECT_EQ(control.GetPage(1), b);
  EXPECT_EQ(control.PageCount(), 3);
}

TEST_F(PageControlTest, TheFirstPageBecomesActiveAndOnlyTheActivePageIsSeen) {
  a = addPage("A", "Alpha");
  EXPECT_EQ(control.ActivePage(), a);
  b = addPage("B", "Beta");
  EXPECT_EQ(control.ActivePage(), a);
  EXPECT_TRUE(a->isVisibleTo(&control));
  EXPECT_FALSE(b->isVisibleTo(&control));
  EXPECT_EQ(a->geometry(), ToQRect(control.DisplayRect()));

  control.SetActivePageIndex(1);
  EXPECT_EQ(control.ActivePage(), b);
  EXPECT_EQ(control.TabIndex(), 1);
  EXPECT_FALSE(a->isVisibleTo(&control));
  EXPECT_TRUE(b->isVisibleTo(&control));

  TExPageControl other;
  TExTabSheet* foreign = new TExTabSheet(&other);
  foreign->SetExPageControl(&other);
  control.SetActivePage(foreign);  // a page of another control: nothing
  EXPECT_EQ(control.ActivePage(), b);

  control.SetActivePageIndex(5);  // out of range: none, the shown page stays seen
  EXPECT_EQ(control.ActivePage(), nullptr);
  EXPECT_EQ(control.TabIndex(), -1);
  EXPECT_TRUE(b->isVisibleTo(&control));
}

TEST_F(PageControlTest, HidingTheActiveTabActivatesThePageAtTheSameTabIndexOrTheLast) {
  addThree();
  control.SetActivePage(b);
  b->SetTabVisible(false);
  EXPECT_EQ(control.ActivePage(), c);
  EXPECT_EQ(control.TabIndex(), 1);
  EXPECT_FALSE(b->isVisibleTo(&control));
  EXPECT_TRUE(c->isVisibleTo(&control));

  c->SetTabVisible(false);  // the last tab: the new last one takes over
  EXPECT_EQ(control.ActivePage(), a);
  EXPECT_EQ(control.TabIndex(), 0);

  c->SetTabVisible(true);  // a tab coming back does not change the active page
  EXPECT_EQ(control.ActivePage(), a);
}

TEST_F(PageControlTest, RefusedChangesRaiseTheirErrorsAndKeepTheValue) {
  addThree();
  a->SetTabVisible(false);
  control.SetActivePage(b);
  EXPECT_EQ(thrown([&] { b->SetTabEnable(false); }), "Can not disable active tab.");
  EXPECT_TRUE(b->TabEnable());
  EXPECT_EQ(thrown([&] { c->SetTabEnable(false); }), "");  // a page after a hidden tab
  EXPECT_FALSE(c->TabEnable());

  control.SetTabStyle(ExPageControl::tsDotNet);
  EXPECT_EQ(thrown([&] { control.SetTabSplitLine(true); }), "TabSplitLine must be false when TabStyle is tsDotNet");
  EXPECT_FALSE(control.TabSplitLine());
  control.SetTabStyle(ExPageControl::tsClassic);
  control.SetTabSplitLine(true);
  EXPECT_TRUE(control.TabSplitLine());

  EXPECT_EQ(thrown([&] { c->SetPageIndex(3); }), "3 is an invalid PageIndex value.  PageIndex must be between 0 and 2");
  EXPECT_THROW(c->SetPageIndex(3), EListError);
  EXPECT_EQ(thrown([&] { c->SetPageIndex(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(thrown([&] { control.GetPage(3); }), "List index out of bounds (3)");
  EXPECT_THROW(control.GetPage(-1), EListError);
  EXPECT_EQ(c->PageIndex(), 2);
}

TEST_F(PageControlTest, MovingAPageMovesItsTab) {
  addThree();
  control.SetActivePage(b);
  c->SetPageIndex(0);
  EXPECT_EQ(control.GetPage(0), c);
  EXPECT_EQ(tabTexts(), QStringList({"Gamma", "Alpha", "Beta"}));
  EXPECT_EQ(control.TabIndex(), 2);  // still Beta's tab
  b->SetTabVisible(false);
  a->SetPageIndex(2);  // behind the hidden page
  EXPECT_EQ(tabTexts(), QStringList({"Gamma", "Alpha"}));
  EXPECT_EQ(a->TabIndex(), 1);
}

TEST_F(PageControlTest, FindNextPageWrapsAndSkipsHiddenTabsOnRequest) {
  addThree();
  b->SetTabVisible(false);
  TExTabSheet stranger;
  struct Case {
    TExTabSheet* current;
    bool forward;
    bool visibleOnly;
    TExTabSheet* expected;
  };
  const Case cases[] = {
      {a, true, true, c},   {a, true, false, b},      {c, true, true, a},          {a, false, true, c},
      {c, false, false, b}, {nullptr, true, true, a}, {&stranger, false, true, c}, {&stranger, true, false, a},
  };
  for (const Case& t : cases)
    EXPECT_EQ(control.FindNextPage(t.current, t.forward, t.visibleOnly), t.expected)
        << (t.current ? t.current->Name().toStdString() : "none") << t.forward << t.visibleOnly;
  a->SetTabVisible(false);
  EXPECT_EQ(control.FindNextPage(c, true, true), c);  // itself after a full turn
  c->SetTabVisible(false);
  EXPECT_EQ(control.FindNextPage(c, true, true), nullptr);
  TExPageControl empty;
  EXPECT_EQ(empty.FindNextPage(nullptr, true, false), nullptr);
}

TEST_F(PageControlTest, ClickingATabAsksOnCanChangeWithPageIndexes) {
  addThree();
  a->SetTabVisible(false);
  int from = -2, to = -2, changes = 0;
  bool allow = false;
  control.OnCanChange = [&](TObject* sender, int fromPage, int toPage, bool& allowChange) {
    EXPECT_EQ(sender, &control);
    from = fromPage, to = toPage;
    allowChange = allow;
  };
  control.OnChange = [&](TObject*) { ++changes; };
  click(&control, centre(control.PageTabRect(2)));
  EXPECT_EQ(from, 1);
  EXPECT_EQ(to, 2);
  EXPECT_EQ(control.ActivePage(), b);
  EXPECT_EQ(changes, 0);

  allow = true;
  click(&control, centre(control.PageTabRect(2)));
  EXPECT_EQ(control.ActivePage(), c);
  EXPECT_EQ(control.TabIndex(), 1);
  EXPECT_EQ(changes, 1);

  b->SetTabEnable(false);  // a disabled tab cannot be chosen
  click(&control, centre(control.PageTabRect(1)));
  EXPECT_EQ(control.ActivePage(), c);
}

TEST_F(PageControlTest, CtrlTabSelectsTheNextEnabledPageAlsoFromAControlOnThePage) {
  addThree();
  auto* edit = new TEdit(a);
  int changes = 0;
  control.OnChange = [&](TObject*) { ++changes; };
  key(&control, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(control.ActivePage(), b);
  key(&control, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(control.ActivePage(), a);
  b->SetTabEnable(false);
  key(edit, Qt::Key_Tab, Qt::ControlModifier);  // the edit leaves it to its parents
  EXPECT_EQ(control.ActivePage(), c);
  EXPECT_EQ(control.TabIndex(), 2);
  EXPECT_EQ(changes, 3);
  bool refuse = true;
  control.OnChanging = [&](TObject*, bool& allowChange) { allowChange = !refuse; };
  control.SelectNextPage(true);
  EXPECT_EQ(control.ActivePage(), c);

  control.SetActivePage(nullptr);  // no active page and no tab that can be chosen
  refuse = false;
  for (TExTabSheet* page : {a, b, c}) page->SetTabEnable(false);
  control.SelectNextPage(true);
  EXPECT_EQ(control.ActivePage(), nullptr);
}

class CloseButtonTest : public PageControlTest {
 protected:
  void SetUp() override {
    addThree();
    for (TExTabSheet* page : {a, b, c}) page->SetShowClose(true);
    control.SetTabHoverColor(clYellow);
    control.show();
  }
  QPoint closeButtonOf(TExTabSheet* page) {
    const TRect r = control.PageTabRect(page->PageIndex());
    return QPoint(r.Left + 5, r.Top + 5);
  }
};

TEST_F(CloseButtonTest, ReleasingOnTheActiveButtonClosesThePageIntoTheClosedList) {
  bool canClose = false;
  int closes = 0;
  a->OnCanClose = [&](TObject* sender, bool& allow) {
    EXPECT_EQ(sender, a);
    allow = canClose;
  };
  a->OnClose = [&](TObject*) { ++closes; };

  mouse(&control, QEvent::MouseMove, closeButtonOf(a));
  EXPECT_TRUE(control.HoverClosedButton());
  EXPECT_EQ(control.HoverTab(), 0);
  click(&control, closeButtonOf(a));
  EXPECT_EQ(control.ActivePage(), a);  // refused
  EXPECT_EQ(closes, 0);

  canClose = true;
  click(&control, closeButtonOf(a));
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(control.ActivePage(), b);
  EXPECT_EQ(a->ExPageControl(), nullptr);
  EXPECT_FALSE(a->isVisibleTo(&control));
  EXPECT_EQ(control.PageCount(), 2);
  ASSERT_EQ(control.ClosedTabList().Count(), 1);
  EXPECT_EQ(control.ClosedTabList().Strings(0), "A");
  EXPECT_EQ(control.ClosedTabList().Objects(0), a);

  EXPECT_FALSE(control.OpenClosedTab("Nothing"));
  EXPECT_TRUE(control.OpenClosedTab("A"));
  EXPECT_EQ(a->ExPageControl(), &control);
  EXPECT_TRUE(a->TabShowing());
  EXPECT_EQ(a->PageIndex(), 2);
  EXPECT_EQ(control.ClosedTabList().Count(), 1);  // the list keeps its entries
}

TEST_F(CloseButtonTest, OnlyTheActiveTabsButtonReactsAndTheLastCloseLeavesNoActivePage) {
  mouse(&control, QEvent::MouseButtonRelease, closeButtonOf(b));
  EXPECT_EQ(control.PageCount(), 3);
  const TRect tab = control.PageTabRect(0);
  click(&control, QPoint(tab.Right - 3, tab.Bottom - 3));  // on the tab beside the button
  EXPECT_EQ(control.PageCount(), 3);

  for (int i = 0; i < 3; ++i) click(&control, closeButtonOf(control.ActivePage()));
  EXPECT_EQ(control.PageCount(), 0);
  EXPECT_EQ(control.ActivePage(), nullptr);
  EXPECT_EQ(control.TabCount(), 0);
  EXPECT_EQ(control.ClosedTabList().Count(), 3);
  control.OpenAllClosedTabs();
  EXPECT_EQ(control.PageCount(), 3);
  EXPECT_NE(control.ActivePage(), nullptr);
}

TEST_F(CloseButtonTest, FreeOnCloseDestroysThePageAndDestroyedPagesLeaveTheClosedList) {
  control.SetFreeOnClose(true);
  QPointer<TExTabSheet> first = a;
  click(&control, closeButtonOf(a));
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(control.ClosedTabList().Count(), 0);
  EXPECT_EQ(control.ActivePage(), b);

  control.SetFreeOnClose(false);
  click(&control, closeButtonOf(b));
  ASSERT_EQ(control.ClosedTabList().Count(), 1);
  delete b;
  EXPECT_EQ(control.ClosedTabList().Count(), 0);
  EXPECT_FALSE(control.OpenClosedTab("B"));
}

TEST_F(PageControlTest, CloseButtonHitFollowsTheMarginsAndTheSide) {
  struct Case {
    TTabPosition position;
    int left, top;
  };
  for (const Case& t : {Case{tpTop, 0, 0}, Case{tpTop, 3, 4}, Case{tpBottom, 2, 1}, Case{tpLeft, 0, 0},
                        Case{tpLeft, 5, 10}, Case{tpRight, 1, 2}}) {
    TExPageControl pc;
    pc.resize(300, 200);
    pc.SetTabPosition(t.position);
    pc.TabMargin().SetLeftMargin(t.left);
    pc.TabMargin().SetTopMargin(t.top);
    auto* page = new TExTabSheet(&pc);
    page->SetCaption("Variables");
    page->SetExPageControl(&pc);
    const TRect r = pc.PageTabRect(0);
    TRect button = t.position == tpLeft
                       ? Rect(r.Left + t.left + 2, r.Bottom - t.top - 13, r.Left + t.left + 14, r.Bottom - t.top - 2)
                       : Rect(r.Left + t.left + 2, r.Top + t.top + 2, r.Left + t.left + 14, r.Top + t.top + 13);
    SCOPED_TRACE(int(t.position));
    EXPECT_TRUE(pc.CloseButtonHit(0, button.Left, button.Top));
    EXPECT_TRUE(pc.CloseButtonHit(0, button.Right - 1, button.Bottom - 1));
    EXPECT_FALSE(pc.CloseButtonHit(0, button.Right, button.Bottom - 1));
    EXPECT_FALSE(pc.CloseButtonHit(0, button.Left - 1, button.Top));
    EXPECT_FALSE(pc.CloseButtonHit(0, button.Left, button.Bottom));
  }
}

TEST_F(PageControlTest, MarginsAndImagesWidenEveryTab) {
  a = addPage("A", "Alpha");
  const int width = control.TabRect(0).Width();
  control.TabMargin().SetRightMargin(20);
  EXPECT_EQ(control.TabRect(0).Width(), width + 20 + 3);  // the room and its gap
  control.TabMargin().SetLeftMargin(5);
  EXPECT_EQ(control.TabRect(0).Width(), width + 25 + 3);
  TImageList images(16, 16);
  control.SetImages(&images);
  EXPECT_EQ(control.TabRect(0).Width(), width + 41 + 3);
  control.SetImages(nullptr);
  control.TabMargin().SetRightMargin(0);
  control.TabMargin().SetLeftMargin(0);
  EXPECT_EQ(control.TabRect(0).Width(), width);

  control.SetTabPosition(tpLeft);  // along tabs on the left the top margin counts
  const int height = control.TabRect(0).Height();
  control.TabMargin().SetTopMargin(10);
  control.TabMargin().SetRightMargin(20);
  control.TabMargin().SetLeftMargin(7);
  EXPECT_EQ(control.TabRect(0).Height(), height + 30 + 3);
}

TEST_F(PageControlTest, MarginChangesAreReportedBeforeTheyAreStored) {
  TTabMargin margin;
  std::vector<std::tuple<int, int, int, int>> seen;
  margin.OnMarginChange = [&](TMarginSize newValue, TMarginSize oldValue, int index) {
    seen.emplace_back(newValue, oldValue, index, index == 2 ? margin.RightMargin() : -1);
  };
  margin.SetLeftMargin(4);
  margin.SetLeftMargin(4);
  margin.SetTopMargin(7);
  margin.SetRightMargin(9);
  EXPECT_EQ(seen, (std::vector<std::tuple<int, int, int, int>>{{4, 0, 0, -1}, {7, 0, 1, -1}, {9, 0, 2, 0}}));
  TTabMargin copy;
  copy.OnMarginChange = [&](TMarginSize, TMarginSize, int) { FAIL() << "Assign notifies nobody"; };
  copy.Assign(margin);
  EXPECT_EQ(copy.RightMargin(), 9);
  EXPECT_EQ(copy.TopMargin(), 7);
}

TEST_F(PageControlTest, JoiningPagesTakeTheDefaultColoursThatTheyLeftUnset) {
  control.SetDefaultTextColor(clNavy);
  control.SetDefaultTabColor(clAqua);
  control.SetDefaultTabColorTo(clWhite);
  a = addPage("A", "Alpha");
  auto* own = new TExTabSheet(&control);
  own->SetTabColor(clRed);
  own->SetTextColor(clGreen);
  own->SetExPageControl(&control);
  EXPECT_EQ(a->TextColor(), clNavy);
  EXPECT_EQ(a->TabColor(), clAqua);
  EXPECT_EQ(a->TabColorTo(), clWhite);
  EXPECT_EQ(own->TabColor(), clRed);
  EXPECT_EQ(own->TextColor(), clGreen);
  control.SetDefaultTabColor(clLime);  // pages with the old default follow
  EXPECT_EQ(a->TabColor(), clLime);
  EXPECT_EQ(own->TabColor(), clRed);
}

TEST_F(PageControlTest, ABoldActiveFontPadsTheActiveTabWithBlanks) {
  addThree();
  control.ActiveFont().SetStyle(fsBold);
  const QString alpha = control.TabText(0);
  EXPECT_TRUE(alpha.startsWith("Alpha "));
  EXPECT_EQ(alpha.trimmed(), "Alpha");
  EXPECT_EQ(control.TabText(1), "Beta");
  control.SetActivePage(b);
  EXPECT_EQ(control.TabText(0), "Alpha");
  EXPECT_TRUE(control.TabText(1).startsWith("Beta "));
}

TEST_F(PageControlTest, PagesReportShowingAndHidingAndFocusFollowsThePage) {
  a = addPage("A", "Alpha");
  b = addPage("B", "Beta");
  auto* editA = new TEdit(a);
  auto* editB = new TEdit(b);
  QStringList events;
  for (TExTabSheet* page : {a, b}) {
    page->OnShow = [&events, page](TObject*) { events << "show " + page->Name(); };
    page->OnHide = [&events, page](TObject*) { events << "hide " + page->Name(); };
  }
  control.show();
  QApplication::setActiveWindow(&control);
  editA->setFocus();
  EXPECT_EQ(events, QStringList({"show A"}));
  control.SetActivePage(b);
  EXPECT_EQ(events, QStringList({"show A", "show B", "hide A"}));
  EXPECT_TRUE(editB->hasFocus());
  // Pages going with their control report nothing to handlers that may be gone.
  {
    auto* owner = new TExPageControl;
    TExTabSheet* page = new TExTabSheet(owner);
    page->SetExPageControl(owner);
    page->OnHide = [&events](TObject*) { events << "hide during destruction"; };
    owner->show();
    delete owner;
  }
  EXPECT_EQ(events.size(), 3);
  for (TExTabSheet* page : {a, b}) page->OnShow = page->OnHide = nullptr;
}

TEST_F(PageControlTest, HighlightFollowsThePagesTab) {
  addThree();
  c->SetHighlighted(true);
  EXPECT_TRUE(control.TabHighlighted(2));
  a->SetTabVisible(false);
  EXPECT_TRUE(control.TabHighlighted(1));
  c->SetTabVisible(false);
  c->SetTabVisible(true);  // the item made anew is highlighted again
  EXPECT_TRUE(control.TabHighlighted(1));
  EXPECT_FALSE(control.TabHighlighted(0));
  c->SetHighlighted(false);
  EXPECT_FALSE(control.TabHighlighted(1));
}

TEST_F(PageControlTest, VersionAndAssistiveNames) {
  EXPECT_EQ(TExPageControl::VersionNr(), 0x01040000u);
  EXPECT_EQ(control.Version(), "1.4.0.0");
  control.SetVersion("9.9");
  EXPECT_EQ(control.Version(), "1.4.0.0");

  a = addPage("A", "  &Nodes    ");
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&control);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->role(), QAccessible::PageTabList);
  ASSERT_EQ(list->childCount(), 2);  // the tab, then its page
  EXPECT_EQ(list->child(0)->role(), QAccessible::PageTab);
  EXPECT_EQ(list->child(0)->text(QAccessible::Name), "Nodes");
  EXPECT_TRUE(list->child(0)->state().selected);
  EXPECT_EQ(list->child(1)->text(QAccessible::Name), "Nodes");
}

}  // namespace
