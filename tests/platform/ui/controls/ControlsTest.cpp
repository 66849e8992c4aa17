#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/LinkLabel.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/Memo.h"
#include "platform/ui/controls/RadioButton.h"
#include "platform/ui/window/Timer.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/EventWait.h"

#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using uitest::sendKey;
using uitest::typeText;

TEST(Caption, AcceleratorMarks) {
  const std::tuple<QString, QString, QChar> table[] = {
      {"&File", "File", u'F'},
      {"Scan && Decode", "Scan & Decode", QChar()},
      {"Save &as", "Save as", u'a'},
      {"&&x &y", "&x y", u'y'},
      {"trailing &", "trailing ", QChar()},
  };
  for (const auto& [caption, shown, accelerator] : table) {
    EXPECT_EQ(platform::StripAccelerator(caption), shown) << caption.toStdString();
    EXPECT_EQ(platform::AcceleratorChar(caption), accelerator) << caption.toStdString();
  }
}

TEST(Control, BoundsVisibilityAndHints) {
  QWidget parent;
  TLabel label(&parent);
  label.SetAutoSize(false);
  label.SetBounds(16, 42, 300, 13);
  EXPECT_EQ(label.Left(), 16);
  EXPECT_EQ(label.Top(), 42);
  EXPECT_EQ(label.Width(), 300);
  EXPECT_EQ(label.Height(), 13);
  label.SetTop(50);
  EXPECT_EQ(label.Widget().geometry(), QRect(16, 50, 300, 13));
  EXPECT_TRUE(label.Visible());  // before the parent is shown
  label.SetVisible(false);
  parent.show();
  EXPECT_FALSE(label.isVisible());
  label.SetVisible(true);
  EXPECT_TRUE(label.isVisible());

  TEdit edit(&parent);
  edit.SetHint("Device address|The address of the device on the bus");
  EXPECT_EQ(edit.toolTip(), "Device address");
  edit.SetShowHint(false);
  EXPECT_TRUE(edit.toolTip().isEmpty());
  EXPECT_EQ(edit.Hint(), "Device address|The address of the device on the bus");
  parent.setEnabled(false);
  EXPECT_TRUE(edit.Enabled());  // its own state, not the parent's
  edit.SetEnabled(false);
  EXPECT_FALSE(edit.Enabled());
}

// The next control the Tab key reaches from w.
QWidget* nextTab(QWidget* w) {
  do w = w->nextInFocusChain();
  while (!(w->focusPolicy() & Qt::TabFocus));
  return w;
}

TEST(Control, TabOrderRenumbersSiblingsAndOrdersTheFocusChain) {
  QWidget parent;
  TEdit a(&parent), b(&parent), c(&parent);
  EXPECT_EQ(a.TabOrder(), 0);
  EXPECT_EQ(c.TabOrder(), 2);
  b.SetTabOrder(0);
  EXPECT_EQ(b.TabOrder(), 0);
  EXPECT_EQ(a.TabOrder(), 1);
  EXPECT_EQ(c.TabOrder(), 2);
  EXPECT_EQ(nextTab(&b), &a);
  EXPECT_EQ(nextTab(&a), &c);
  EXPECT_EQ(nextTab(&c), &b);
  b.SetTabOrder(99);  // beyond the end: last
  EXPECT_EQ(b.TabOrder(), 2);
  EXPECT_EQ(a.TabOrder(), 0);
  EXPECT_EQ(nextTab(&a), &c);
  EXPECT_EQ(nextTab(&c), &b);
  b.SetTabStop(false);
  EXPECT_FALSE(b.TabStop());
  EXPECT_EQ(b.focusPolicy(), Qt::ClickFocus);
  {
    TEdit d(&parent);  // made after a renumbering: last
    EXPECT_EQ(d.TabOrder(), 3);
    b.SetTabOrder(0);
    EXPECT_EQ(d.TabOrder(), 3);
  }
  TEdit e(&parent);  // made after a sibling went: still last, the others keep theirs
  EXPECT_EQ(e.TabOrder(), 3);
  EXPECT_EQ(b.TabOrder(), 0);
  EXPECT_EQ(c.TabOrder(), 2);
}

TEST(Control, FontChangesApplyToTheWidget) {
  QWidget parent;
  TLabel label(&parent);
  label.SetCaption("Step 1");
  label.SetBounds(16, 128, 0, 0);  // AutoSize keeps the text's size
  EXPECT_EQ(label.Widget().size(), label.sizeHint());
  const int before = label.Height();
  label.Font().SetHeight(-32);
  label.Font().SetColor(clGray);
  EXPECT_EQ(label.font().pixelSize(), 32);
  EXPECT_GT(label.Height(), before);  // AutoSize follows the font
  EXPECT_EQ(label.palette().color(QPalette::WindowText), ToQColor(clGray));
}

TEST(Label, AutoSizeFitsEachLabelsOwnTextFontAndFrame) {
  QWidget parent;
  TLabel plain(&parent), framed(&parent), bold(&parent);
  framed.setMargin(6);
  bold.Font().SetStyle(fsBold);
  for (TLabel* label : {&plain, &framed, &bold}) label->SetCaption("Subnet Mask");
  EXPECT_EQ(plain.Widget().size(), plain.sizeHint());
  framed.SetCaption("Subnet Mask ");  // measured anew once the frame differs
  framed.SetCaption("Subnet Mask");
  EXPECT_EQ(framed.Widget().size(), framed.sizeHint());
  EXPECT_EQ(framed.Height(), plain.Height() + 12);
  EXPECT_EQ(bold.Widget().size(), bold.sizeHint());
  EXPECT_GT(bold.Width(), plain.Width());
}

TEST(Control, AFontItsContainerShowsIsInheritedAndStillReads) {
  QWidget surface;
  TFont font;
  font.SetName("Verdana");
  font.SetHeight(-11);
  font.SetColor(clBlack);
  platform::ApplyTextFont(surface, font.ToQFont(), font.Color());
  TEdit edit(&surface);
  edit.Font().Assign(font);
  EXPECT_FALSE(edit.testAttribute(Qt::WA_SetFont));  // left to inherit
  EXPECT_EQ(edit.Font().Name(), "Verdana");
  EXPECT_EQ(edit.font(), font.ToQFont());
  EXPECT_EQ(edit.palette().color(QPalette::Text), ToQColor(clBlack));
  edit.Font().SetStyle(fsBold);  // a font of its own is applied
  EXPECT_TRUE(edit.testAttribute(Qt::WA_SetFont));
  EXPECT_TRUE(edit.font().bold());
  TEdit red(&surface);
  red.Font().Assign(font);
  red.Font().SetColor(clRed);  // so is a colour of its own
  EXPECT_EQ(red.palette().color(QPalette::Text), ToQColor(clRed));
}

// The windows rely on these: code setting a combo box's ItemIndex is silent;
// code setting an edit's text or a check box's state raises the event.
TEST(EventRules, ComboBoxChangesOnlyRaiseOnChangeWhenTheUserPicks) {
  QWidget parent;
  TComboBox combo(&parent);
  combo.SetStyle(csDropDownList);
  int changes = 0;
  combo.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &combo);
    ++changes;
  };
  combo.Items().Assign({"AS923", "AU915", "EU868"});
  EXPECT_EQ(combo.ItemIndex(), -1);  // adding items selects nothing
  EXPECT_EQ(combo.Text(), "");
  combo.SetItemIndex(1);
  combo.SetText("eu868");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(combo.ItemIndex(), 2);
  combo.SetItemIndex(7);
  EXPECT_EQ(combo.ItemIndex(), -1);
  combo.SetItemIndex(0);
  sendKey(&combo, Qt::Key_Down);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(combo.Text(), "AU915");
}

TEST(EventRules, EditAndCheckBoxRaiseTheirEventsAlsoFromCode) {
  QWidget parent;
  TEdit edit(&parent);
  TCheckBox check(&parent);
  int changes = 0;
  int clicks = 0;
  edit.OnChange = [&](TObject*) { ++changes; };
  check.OnClick = [&](TObject*) { ++clicks; };
  edit.SetText("192");
  edit.SetText("192");  // unchanged: no event
  check.SetChecked(true);
  check.SetChecked(true);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);
  typeText(&edit, "4");
  check.click();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(edit.Text(), "1924");
  EXPECT_FALSE(check.Checked());
}

TEST(EventRules, EditOnKeyPressDropsOrReplacesTypedKeys) {
  QWidget parent;
  TEdit edit(&parent);
  QString seen;
  edit.OnKeyPress = [&](TObject*, QChar& key) {
    seen += key;
    if (key == u'.') key = QChar();
    if (key == u'x') key = u'y';
  };
  typeText(&edit, "1.2x");
  EXPECT_EQ(edit.Text(), "12y");
  EXPECT_EQ(seen, "1.2x");
  sendKey(&edit, Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8)));
  EXPECT_EQ(edit.Text(), "12");
  sendKey(&edit, Qt::Key_Return, Qt::NoModifier, "\r");  // left to the window
  EXPECT_EQ(seen, QString("1.2x") + QChar(8));
}

TEST(Edit, CharCaseAndMaxLength) {
  QWidget parent;
  TEdit edit(&parent);
  edit.SetCharCase(ecUpperCase);
  edit.SetMaxLength(4);
  typeText(&edit, "ab12cd");
  EXPECT_EQ(edit.Text(), "AB12");
  edit.SetText("deadbeef");  // the program may set more than the limit
  EXPECT_EQ(edit.Text(), "DEADBEEF");
  edit.setCursorPosition(2);
  typeText(&edit, "0");
  EXPECT_EQ(edit.Text(), "DEADBEEF");  // but nothing more is typed
  edit.SetCharCase(ecLowerCase);
  EXPECT_EQ(edit.Text(), "deadbeef");
  edit.SetMaxLength(0);
  typeText(&edit, "X");
  EXPECT_EQ(edit.Text().size(), 9);
}

TEST(Edit, OnExitWhenTheFocusMovesOn) {
  QWidget parent;
  TEdit first(&parent), second(&parent);
  int exits = 0;
  first.OnExit = [&](TObject*) { ++exits; };
  parent.show();
  QApplication::setActiveWindow(&parent);
  first.setFocus();
  second.setFocus();
  EXPECT_EQ(exits, 1);
}

TEST(ComboBox, ItemsAndSelectionStayConsistent) {
  QWidget parent;
  TComboBox combo(&parent);
  combo.SetStyle(csDropDownList);
  combo.Items().Add("DES");
  combo.Items().Add("AES");
  combo.SetItemIndex(1);
  combo.Items().Insert(0, "none");
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(combo.Text(), "AES");
  combo.Items().Delete(2);
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(combo.Items().IndexOf("des"), 1);
  EXPECT_THROW(combo.Items().Strings(5), std::out_of_range);
  combo.Items().Clear();
  EXPECT_EQ(combo.Items().Count(), 0);
}

TEST(ComboBox, DropDownStyleTakesFreeText) {
  QWidget parent;
  TComboBox combo(&parent);
  combo.Items().Assign({"public", "private"});
  int changes = 0;
  combo.OnChange = [&](TObject*) { ++changes; };
  combo.SetItemIndex(0);
  EXPECT_EQ(combo.Text(), "public");
  combo.SetText("community");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(combo.ItemIndex(), -1);
  typeText(combo.lineEdit(), "2");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo.Text(), "community2");
}

// A style given at construction is the box's style from the start; a list
// style has no text editor until the program switches to a free-text style.
TEST(ComboBox, StyleGivenAtConstructionHoldsAndCanStillChange) {
  QWidget parent;
  TComboBox combo(&parent, csOwnerDrawFixed);
  EXPECT_EQ(combo.Style(), csOwnerDrawFixed);
  EXPECT_EQ(combo.lineEdit(), nullptr);
  combo.Items().Assign({"public", "private"});
  combo.SetText("PRIVATE");
  EXPECT_EQ(combo.ItemIndex(), 1);
  int changes = 0;
  combo.OnChange = [&](TObject*) { ++changes; };
  combo.SetStyle(csDropDown);
  ASSERT_NE(combo.lineEdit(), nullptr);
  EXPECT_EQ(combo.ItemIndex(), 1);
  typeText(combo.lineEdit(), "2");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo.Text(), "private2");
}

TEST(RadioButton, CheckingExcludesSiblingsAndRaisesOnClick) {
  QWidget parent;
  TRadioButton one(&parent), two(&parent);
  int clicks = 0;
  two.OnClick = [&](TObject*) { ++clicks; };
  one.SetChecked(true);
  two.SetChecked(true);
  EXPECT_FALSE(one.Checked());
  EXPECT_EQ(clicks, 1);
  two.SetChecked(false);
  EXPECT_FALSE(two.Checked());
}

TEST(ListBox, ItemIndexFromCodeIsSilent) {
  QWidget parent;
  TListBox list(&parent);
  int clicks = 0;
  list.OnClick = [&](TObject*) { ++clicks; };
  list.Items().Assign({"a", "b", "c"});
  list.SetItemIndex(1);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(clicks, 0);
  list.setFocus();
  sendKey(&list, Qt::Key_Down);
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  list.SetItemIndex(-1);
  EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(Memo, LinesAndText) {
  QWidget parent;
  TMemo memo(&parent);
  int changes = 0;
  memo.OnChange = [&](TObject*) { ++changes; };
  memo.SetText("one\r\ntwo\r\n");
  EXPECT_EQ(memo.Lines().Count(), 2);
  memo.Lines().Add("three");
  memo.Lines().SetStrings(0, "1");
  EXPECT_EQ(memo.Text(), "1\r\ntwo\r\nthree");
  EXPECT_EQ(memo.Lines().Text(), "1\r\ntwo\r\nthree\r\n");
  EXPECT_GE(changes, 3);
  memo.Lines().Clear();
  EXPECT_EQ(memo.Lines().Count(), 0);
}

TEST(LinkLabel, LinksReportTheirAddress) {
  QWidget parent;
  TLinkLabel link(&parent);
  link.SetCaption("Tom & Jerry: <a href=\"https://example.com/dl?a=1&b=2\">New Version</a> or <a id=\"more\">more</a>");
  QString clicked;
  TSysLinkType type = sltID;
  link.OnLinkClick = [&](TObject*, const QString& target, TSysLinkType t) {
    clicked = target;
    type = t;
  };
  EXPECT_TRUE(link.text().contains("Tom &amp; Jerry"));
  emit link.linkActivated("0");
  EXPECT_EQ(clicked, "https://example.com/dl?a=1&b=2");
  EXPECT_EQ(type, sltURL);
  emit link.linkActivated("1");
  EXPECT_EQ(clicked, "more");
  EXPECT_EQ(type, sltID);
}

TEST(Timer, TicksWhileEnabledAndRestartsFromTheHandler) {
  TTimer timer;
  timer.SetEnabled(false);
  timer.SetInterval(20);
  std::vector<int> intervals;
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    intervals.push_back(timer.Interval());
    timer.SetEnabled(false);
    timer.SetInterval(30);
    timer.SetEnabled(intervals.size() < 2);
  };
  QApplication::processEvents();
  EXPECT_TRUE(intervals.empty());
  timer.SetEnabled(true);
  EXPECT_TRUE(testsupport::WaitFor([&] { return intervals.size() == 2; }, 2000));
  EXPECT_EQ(intervals, std::vector<int>({20, 30}));
  EXPECT_FALSE(timer.Enabled());
  timer.SetInterval(0);
  timer.SetEnabled(true);
  EXPECT_FALSE(testsupport::WaitFor([&] { return intervals.size() > 2; }, 100));
}

}  // namespace
