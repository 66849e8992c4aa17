#include "platform/ui/controls/MaskEdit.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QtGui/QClipboard>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include <vector>

namespace {

using uitest::sendKey;
using uitest::typeText;

TEST(EditMaskConversion, PlatformMasksBecomeToolkitMasks) {
  const struct {
    const char* mask;
    const char* input;
  } cases[] = {
      {"", ""},
      {"!99/99/0000;1;_", "00/00/9999;_"},
      {"LLaaCc", "AAnnXx;_"},
      {">LL<ll<>c", ">AA<aa!x;_"},
      {"\\9\\0 #;0; ", "\\9\\0 #; "},
      {"(000) Box", "(999) \\Bo\\x;_"},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::InputMaskFromEditMask(c.mask), c.input) << c.mask;
}

// Records the stages a key runs through; a stage may end the key.
class StageEdit : public TMaskEdit {
 public:
  std::vector<QString> stages;
  Word stopAtKeyDown = 0;
  bool wantTab = false;
  QChar replaceWith;

 protected:
  void WMKeyDown(Word& Key, TShiftState Shift) override {
    stages.push_back(QStringLiteral("message %1").arg(Key));
    TMaskEdit::WMKeyDown(Key, Shift);
  }
  void KeyDown(Word& Key, TShiftState Shift) override {
    stages.push_back(QStringLiteral("down %1").arg(Key));
    if (Key == stopAtKeyDown) Key = 0;
    TMaskEdit::KeyDown(Key, Shift);
  }
  void KeyPress(QChar& Key) override {
    stages.push_back(QStringLiteral("press %1").arg(Key));
    if (!replaceWith.isNull()) Key = replaceWith;
    TMaskEdit::KeyPress(Key);
  }
  bool WantsKey(Word Key, TShiftState) override { return Key == VK_TAB && wantTab; }
};

TEST(MaskEdit, KeyRunsThroughItsStagesAndAStageCanEndIt) {
  StageEdit edit;
  int keyDownEvents = 0;
  edit.OnKeyDown = [&](TObject*, Word&, TShiftState) { ++keyDownEvents; };
  typeText(&edit, "a");
  EXPECT_EQ(edit.stages, (std::vector<QString>{"message 65", "down 65", "press a"}));
  EXPECT_EQ(edit.Text(), "a");
  EXPECT_EQ(keyDownEvents, 1);

  edit.stages.clear();
  edit.stopAtKeyDown = 'B';
  typeText(&edit, "b");
  EXPECT_EQ(edit.stages, (std::vector<QString>{"message 66", "down 66"}));
  EXPECT_EQ(edit.Text(), "a") << "a key cleared in the key-down hook types nothing";

  edit.replaceWith = u'x';
  typeText(&edit, "c");
  EXPECT_EQ(edit.Text(), "ax") << "the key-press stage replaced the character";
  edit.replaceWith = QChar(8);
  typeText(&edit, "d");
  EXPECT_EQ(edit.Text(), "a") << "a character replaced by Backspace deletes";
}

TEST(MaskEdit, OnKeyPressDropsOrReplacesCharacters) {
  TMaskEdit edit;
  edit.OnKeyPress = [](TObject*, QChar& key) {
    if (key == u'-') key = QChar();
    if (key == u'a') key = u'A';
  };
  typeText(&edit, "a-b");
  EXPECT_EQ(edit.Text(), "Ab");
}

TEST(MaskEdit, TabReachesTheEditOnlyWhenItAsksForIt) {
  TForm form;
  auto* edit = new StageEdit;
  edit->setParent(&form);
  auto* other = new TMaskEdit(&form);
  other->move(0, 40);
  form.show();
  edit->setFocus();
  QApplication::processEvents();
  sendKey(edit, Qt::Key_Tab);
  EXPECT_TRUE(edit->stages.empty()) << "the window took Tab";

  edit->setFocus();
  edit->wantTab = true;
  sendKey(edit, Qt::Key_Tab);
  ASSERT_FALSE(edit->stages.empty());
  EXPECT_EQ(edit->stages.front(), "message 9");
  EXPECT_EQ(edit->Text(), "") << "Tab types nothing in one line";
}

TEST(MaskEdit, SelectionAccessorsCountFromZero) {
  TMaskEdit edit;
  edit.SetText("abcdef");
  edit.SetSelStart(2);
  edit.SetSelLength(3);
  EXPECT_EQ(edit.SelStart(), 2);
  EXPECT_EQ(edit.SelLength(), 3);
  EXPECT_EQ(edit.SelText(), "cde");
  edit.SetSelText("X");
  EXPECT_EQ(edit.Text(), "abXf");
  EXPECT_EQ(edit.SelLength(), 0);
  EXPECT_EQ(edit.SelStart(), 3);
}

TEST(MaskEdit, AutoSelectSelectsAllUnlessSwitchedOff) {
  TForm form;
  auto* first = new TMaskEdit(&form);
  auto* second = new TMaskEdit(&form);
  second->move(0, 40);
  first->SetText("one");
  second->SetText("two");
  second->SetAutoSelect(false);
  form.show();
  QApplication::setActiveWindow(&form);
  QApplication::processEvents();
  second->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(second->SelLength(), 0);
  first->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(first->SelText(), "one");
}

TEST(MaskEdit, FormattingRectBecomesTextMargins) {
  TMaskEdit edit;
  edit.SetBorderStyle(bsEditNone);
  edit.resize(100, 20);
  edit.show();
  edit.SetFormattingRect(TRect{3, 3, 54, 21});
  EXPECT_EQ(edit.textMargins(), QMargins(3, 3, 46, 0));
  edit.resize(120, 20);
  EXPECT_EQ(edit.textMargins(), QMargins(3, 3, 66, 0)) << "the rectangle keeps its place on a resize";
  EXPECT_EQ(edit.FormattingRect(), (TRect{3, 3, 54, 21}));
}

TEST(MaskEdit, ReadOnlyEditNeitherCutsNorPastes) {
  QApplication::clipboard()->setText("pasted");
  TMaskEdit edit;
  edit.SetText("keep");
  edit.SetReadOnly(true);
  edit.selectAll();
  edit.PasteFromClipboard();
  edit.CutToClipboard();
  EXPECT_EQ(edit.Text(), "keep");
  EXPECT_EQ(QApplication::clipboard()->text(), "pasted");
  edit.SetReadOnly(false);
  edit.SetSelStart(4);
  edit.PasteFromClipboard();
  EXPECT_EQ(edit.Text(), "keeppasted");
}

TEST(MaskEdit, EditMaskShapesTheText) {
  TMaskEdit edit;
  edit.SetEditMask("!00:00;1;_");
  EXPECT_EQ(edit.EditMask(), "!00:00;1;_");
  EXPECT_EQ(edit.inputMask(), "99:99;_");
  edit.SetSelStart(0);
  typeText(&edit, "1234");
  EXPECT_EQ(edit.Text(), "12:34");
}

}  // namespace
