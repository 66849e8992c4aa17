// The push button in a window: mouse, keys, accelerators, dialog keys, modal
// result, preset kinds and colour styles, the fade and accessibility.

#include "app/shell/buttons/LbButton.h"

#include "platform/ui/paint/Font.h"
#include "platform/ui/window/Form.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/support/KeyStrokes.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QTimer>
#include <QtGui/QAccessible>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QWindow>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

void processEvents() {
  QApplication::processEvents();
}

class LbButtonTest : public ::testing::Test {
 protected:
  LbButtonTest() {
    form.SetBounds(100, 100, 400, 200);
    ok = makeButton("&OK", 10);
    cancel = makeButton("Cancel", 120);
    other = makeButton("&Next", 230);
    edit = new QLineEdit(&form);
    edit->setGeometry(10, 60, 100, 22);
    check = new QCheckBox(QStringLiteral("Check"), &form);
    check->setGeometry(10, 90, 100, 22);
    radio = new QRadioButton(QStringLiteral("Radio"), &form);
    radio->setGeometry(10, 120, 100, 22);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    form.Show();
    QApplication::setActiveWindow(&form);
    edit->setFocus();
    processEvents();
  }

  TLbButton* makeButton(const char* caption, int left) {
    auto* button = new TLbButton(&form);
    button->SetBounds(left, 10, 100, 28);
    button->SetCaption(QString::fromUtf8(caption));
    button->OnClick = [this, button](TObject* sender) {
      EXPECT_EQ(sender, button);
      clicks.push_back(button);
    };
    return button;
  }

  int clicksOf(TLbButton* button) const { return int(std::count(clicks.begin(), clicks.end(), button)); }

  void mouse(TLbButton* button, QEvent::Type type, QPoint pos, Qt::MouseButton which = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(which);
    QMouseEvent event(type, QPointF(pos), QPointF(button->mapToGlobal(pos)), which, held, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
  }

  void enter(TLbButton* button) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(button->mapToGlobal(QPoint(5, 5))));
    QApplication::sendEvent(button, &event);
  }

  void leave(TLbButton* button) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(button, &event);
  }

  void key(QEvent::Type type, int keyCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false) {
    QString text;
    if (keyCode == Qt::Key_Space) text = QStringLiteral(" ");
    if (keyCode == Qt::Key_Return) text = QStringLiteral("\r");
    if (keyCode == Qt::Key_Escape) text = QString(QChar(27));
    if (keyCode >= Qt::Key_A && keyCode <= Qt::Key_Z) text = QString(QChar(keyCode)).toLower();
    qt_handleKeyEvent(form.windowHandle(), type, keyCode, modifiers, text, autoRepeat);
    processEvents();
  }

  void typeKey(int keyCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    key(QEvent::KeyPress, keyCode, modifiers);
    key(QEvent::KeyRelease, keyCode, modifiers);
  }

  TForm form;
  TLbButton* ok = nullptr;
  TLbButton* cancel = nullptr;
  TLbButton* other = nullptr;
  QLineEdit* edit = nullptr;
  QCheckBox* check = nullptr;
  QRadioButton* radio = nullptr;
  std::vector<TLbButton*> clicks;
};

TEST_F(LbButtonTest, StartsWithItsDefaults) {
  TLbButton button;
  EXPECT_EQ(button.Width(), 100);
  EXPECT_EQ(button.Height(), 23);
  EXPECT_EQ(button.Color(), clBtnFace);
  EXPECT_EQ(button.LightColor(), clWhite);
  EXPECT_EQ(button.ShadowColor(), clGray);
  EXPECT_EQ(button.ColorWhenDown(), clNone);
  EXPECT_EQ(button.HotTrackColor(), clNone);
  EXPECT_EQ(button.Style(), bsNormal);
  EXPECT_EQ(button.Kind(), bkCustom);
  EXPECT_EQ(button.Alignment(), taCenter);
  EXPECT_EQ(button.Layout(), blGlyphLeft);
  EXPECT_EQ(button.ModalResult(), mrNone);
  EXPECT_EQ(button.NumGlyphs(), 0);
  EXPECT_TRUE(button.TabStop());
  EXPECT_FALSE(button.Default() || button.Cancel() || button.WordWrap() || button.Flat() || button.SlowDecease());
}

TEST_F(LbButtonTest, HotTrackFontCopiesTheWindowFontAtCreation) {
  form.Font().SetName(QStringLiteral("Verdana"));
  form.Font().SetHeight(-15);
  TLbButton button(&form);
  EXPECT_EQ(button.HotTrackFont().Name(), QStringLiteral("Verdana"));
  EXPECT_EQ(button.HotTrackFont().Height(), -15);
}

TEST_F(LbButtonTest, ClickFiresOnReleaseAfterPress) {
  mouse(ok, QEvent::MouseButtonPress, QPoint(10, 10));
  EXPECT_TRUE(ok->Down());
  EXPECT_TRUE(ok->hasFocus());
  EXPECT_TRUE(clicks.empty());
  mouse(ok, QEvent::MouseButtonRelease, QPoint(10, 10));
  EXPECT_EQ(clicksOf(ok), 1);
  EXPECT_FALSE(ok->Down());
}

TEST_F(LbButtonTest, DraggingOffAndBackBeforeReleaseGivesOneClick) {
  mouse(ok, QEvent::MouseButtonPress, QPoint(10, 10));
  mouse(ok, QEvent::MouseMove, QPoint(300, 10));
  leave(ok);
  mouse(ok, QEvent::MouseMove, QPoint(20, 10));
  enter(ok);
  mouse(ok, QEvent::MouseButtonRelease, QPoint(20, 10));
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicksOf(ok), 1);
}

TEST_F(LbButtonTest, ReleaseAwayFromTheButtonStillClicks) {
  mouse(ok, QEvent::MouseButtonPress, QPoint(10, 10));
  leave(ok);
  mouse(ok, QEvent::MouseButtonRelease, QPoint(300, 150));
  EXPECT_EQ(clicksOf(ok), 1);
}

TEST_F(LbButtonTest, DisablingWhileHeldGivesNoClick) {
  mouse(ok, QEvent::MouseButtonPress, QPoint(10, 10));
  ok->SetEnabled(false);
  EXPECT_FALSE(ok->Down());
  mouse(ok, QEvent::MouseButtonRelease, QPoint(10, 10));
  ok->SetEnabled(true);
  mouse(ok, QEvent::MouseButtonRelease, QPoint(10, 10));
  EXPECT_TRUE(clicks.empty());
}

TEST_F(LbButtonTest, RightButtonDoesNotPress) {
  mouse(ok, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton);
  EXPECT_FALSE(ok->Down());
  mouse(ok, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::RightButton);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(LbButtonTest, EnterAndSpacePressOnKeyDownAndClickOnKeyUp) {
  for (int keyCode : {int(Qt::Key_Return), int(Qt::Key_Space)}) {
    clicks.clear();
    other->SetFocus();
    processEvents();
    key(QEvent::KeyPress, keyCode);
    EXPECT_TRUE(other->Down()) << keyCode;
    EXPECT_TRUE(clicks.empty()) << keyCode;
    key(QEvent::KeyRelease, keyCode);
    EXPECT_EQ(clicksOf(other), 1) << keyCode;
    EXPECT_EQ(clicks.size(), 1u) << "a focused button takes Enter itself, not the default one";
  }
}

TEST_F(LbButtonTest, HeldKeyClicksOnceOnRelease) {
  other->SetFocus();
  processEvents();
  key(QEvent::KeyPress, Qt::Key_Space);
  key(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, true);
  key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, true);
  key(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, true);
  key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, true);
  key(QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_EQ(clicksOf(other), 1);
}

// Enter, keypad Enter, Space and the accelerator click once per press the
// button received, and never for a release alone.
TEST_F(LbButtonTest, KeysClickOncePerPressTheButtonReceived) {
  const auto focusOther = [this] {
    other->SetFocus();
    processEvents();
  };
  const auto focusEdit = [this] {
    edit->setFocus();
    processEvents();
  };
  const auto clicksOfOther = [this] { return clicksOf(other); };
  const testsupport::KeyActivationRow rows[] = {
      {"Enter", &form, Qt::Key_Return, Qt::NoModifier, focusOther, clicksOfOther},
      {"keypad Enter", &form, Qt::Key_Enter, Qt::KeypadModifier, focusOther, clicksOfOther},
      {"Space", &form, Qt::Key_Space, Qt::NoModifier, focusOther, clicksOfOther},
      {"accelerator", &form, Qt::Key_N, Qt::AltModifier, focusEdit, clicksOfOther},
  };
  for (const auto& row : rows) testsupport::ExpectKeyActivations(row);
  EXPECT_EQ(clicks.size(), size_t(clicksOf(other))) << "only the button that took the keys clicked";
}

TEST_F(LbButtonTest, KeyHeldWhenTheFocusLeavesIsLetGoWithoutAClick) {
  other->SetFocus();
  processEvents();
  key(QEvent::KeyPress, Qt::Key_Space);
  ASSERT_TRUE(other->Down());
  edit->setFocus();
  processEvents();
  EXPECT_FALSE(other->Down());
  other->SetFocus();
  processEvents();
  key(QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(LbButtonTest, AcceleratorClicksTheButton) {
  typeKey(Qt::Key_N, Qt::AltModifier);
  EXPECT_EQ(clicksOf(other), 1);
  typeKey(Qt::Key_O, Qt::AltModifier);
  EXPECT_EQ(clicksOf(ok), 1);

  other->SetCaption(QStringLiteral("&Back"));
  typeKey(Qt::Key_N, Qt::AltModifier);
  EXPECT_EQ(clicksOf(other), 1) << "the old accelerator is gone";
  typeKey(Qt::Key_B, Qt::AltModifier);
  EXPECT_EQ(clicksOf(other), 2);

  other->SetEnabled(false);
  typeKey(Qt::Key_B, Qt::AltModifier);
  other->SetEnabled(true);
  other->SetVisible(false);
  typeKey(Qt::Key_B, Qt::AltModifier);
  EXPECT_EQ(clicksOf(other), 2);
}

TEST_F(LbButtonTest, EnterGoesToTheDefaultButtonUnlessAPushButtonHasTheFocus) {
  struct Case {
    QWidget* focus;
    Qt::KeyboardModifiers modifiers;
    TLbButton* clicked;
  };
  const Case cases[] = {
      {edit, Qt::NoModifier, ok},      {edit, Qt::ShiftModifier, ok}, {check, Qt::NoModifier, ok},
      {radio, Qt::NoModifier, ok},     {cancel, Qt::NoModifier, cancel},
  };
  for (const Case& c : cases) {
    clicks.clear();
    c.focus->setFocus();
    processEvents();
    typeKey(Qt::Key_Return, c.modifiers);
    ASSERT_EQ(clicks.size(), 1u) << c.focus->metaObject()->className();
    EXPECT_EQ(clicks[0], c.clicked) << c.focus->metaObject()->className();
  }
}

TEST_F(LbButtonTest, EscapeGoesToTheCancelButtonWithoutModifiers) {
  typeKey(Qt::Key_Escape);
  EXPECT_EQ(clicksOf(cancel), 1);
  typeKey(Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_EQ(clicksOf(cancel), 1);
  cancel->SetEnabled(false);
  typeKey(Qt::Key_Escape);
  EXPECT_EQ(clicksOf(cancel), 1);
}

TEST_F(LbButtonTest, DisabledDefaultButtonSwallowsEnterWithoutClicking) {
  ok->SetEnabled(false);
  other->SetDefault(true);  // later in the window: never reached
  typeKey(Qt::Key_Return);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(LbButtonTest, ModalResultClosesTheWindowAfterOnClick) {
  cancel->SetModalResult(mrCancel);
  TModalResult resultSeenInClick = -1;
  bool openInClick = false;
  cancel->OnClick = [&](TObject*) {
    resultSeenInClick = form.ModalResult();
    openInClick = form.IsModalShowing();
  };
  platform::ModalSeams seams;
  seams.HandleModal(form, [&] { cancel->Click(); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(resultSeenInClick, mrNone);
  EXPECT_TRUE(openInClick);
}

TEST_F(LbButtonTest, ButtonWithoutModalResultLeavesTheWindowOpen) {
  platform::ModalSeams seams;
  bool openAfterClick = false;
  seams.HandleModal(form, [&] {
    other->Click();
    openAfterClick = form.IsModalShowing();
    form.SetModalResult(mrOk);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_TRUE(openAfterClick);
  EXPECT_EQ(clicksOf(other), 1);
}

TEST_F(LbButtonTest, PresetKindsSetGlyphCaptionAndModalResult) {
  struct Case {
    TLbButtonKind kind;
    const char16_t* caption;
    TModalResult result;
    QSize glyph;
  };
  const Case cases[] = {
      {bkOK, u"OK", 1, {36, 18}},          {bkCancel, u"Abbrechen", 2, {36, 18}},
      {bkHelp, u"Hilfe", 0, {36, 18}},     {bkYes, u"Ja", 6, {36, 18}},
      {bkNo, u"Nein", 7, {36, 18}},        {bkClose, u"Schlie\u00DFen", 0, {36, 18}},
      {bkAbort, u"Abbrechen", 3, {36, 18}}, {bkRetry, u"Wiederholen", 4, {36, 18}},
      {bkIgnore, u"Ignorieren", 5, {36, 18}}, {bkAll, u"Alle", 12, {36, 19}},
  };
  for (const Case& c : cases) {
    TLbButton button;
    button.SetKind(c.kind);
    EXPECT_EQ(button.Kind(), c.kind);
    EXPECT_EQ(button.Caption(), QString::fromUtf16(c.caption));
    EXPECT_EQ(button.ModalResult(), c.result);
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(button.Glyph().size(), c.glyph);
  }
}

TEST_F(LbButtonTest, CustomKindKeepsWhatThePresetSet) {
  TLbButton button;
  button.SetKind(bkYes);
  button.SetKind(bkCustom);
  EXPECT_EQ(button.Kind(), bkCustom);
  EXPECT_EQ(button.Caption(), QStringLiteral("Ja"));
  EXPECT_EQ(button.ModalResult(), mrYes);
  EXPECT_EQ(button.NumGlyphs(), 2);
  EXPECT_FALSE(button.Glyph().isNull());
}

TEST_F(LbButtonTest, ModalResultOrGlyphMakesTheKindCustom) {
  TLbButton button;
  button.SetKind(bkOK);
  button.SetModalResult(mrNone);
  EXPECT_EQ(button.Kind(), bkCustom);
  EXPECT_EQ(button.Caption(), QStringLiteral("OK"));

  button.SetKind(bkOK);
  button.SetGlyph(QImage(64, 16, QImage::Format_RGB32));
  EXPECT_EQ(button.Kind(), bkCustom);
  EXPECT_EQ(button.NumGlyphs(), 4);
  EXPECT_EQ(button.ModalResult(), mrOk);

  button.SetGlyph(QImage());
  EXPECT_EQ(button.NumGlyphs(), 0);
  EXPECT_TRUE(button.Glyph().isNull());
}

TEST_F(LbButtonTest, ColorStylesApplyTheirColoursAndReadBackCustom) {
  TLbButton button;
  button.SetFlat(true);
  button.SetColorStyle(lcsGold);
  EXPECT_EQ(button.ColorStyle(), lcsCustom);
  EXPECT_EQ(button.Style(), bsModern);
  EXPECT_FALSE(button.Flat());
  EXPECT_EQ(button.Color(), RGB(192, 192, 0));
  EXPECT_EQ(button.LightColor(), RGB(255, 255, 0));
  EXPECT_EQ(button.ShadowColor(), RGB(128, 128, 0));
  EXPECT_EQ(button.ColorWhenDown(), clNone);
  EXPECT_EQ(button.HotTrackColor(), RGB(223, 223, 0));
  EXPECT_EQ(button.Font().Color(), clBlack);

  button.SetColorStyle(lcsQuicken);
  EXPECT_EQ(button.Style(), bsQuicken);
  EXPECT_EQ(button.Font().Color(), clWhite);
  EXPECT_EQ(button.ColorWhenDown(), RGB(41, 101, 173));

  button.SetColorStyle(lcsUltraFlat2);
  EXPECT_EQ(button.Style(), bsNormal);
  EXPECT_TRUE(button.Flat());
  EXPECT_EQ(button.Color(), clBtnFace);

  button.SetColorStyle(lcsCustom);  // changes nothing
  EXPECT_TRUE(button.Flat());
  EXPECT_EQ(button.HotTrackColor(), RGB(228, 246, 140));
}

TEST_F(LbButtonTest, PointerOverTheButtonPaintsTheHotColour) {
  ok->SetStyle(bsEncarta);
  ok->SetColor(RGB(248, 247, 237));
  ok->SetHotTrackColor(clYellow);
  ok->SetCaption(QString());
  const auto faceAt = [&] { return FromQColor(ok->grab().toImage().pixelColor(50, 6)) & 0xFFFFFF; };
  EXPECT_EQ(faceAt(), RGB(248, 247, 237));
  enter(ok);
  EXPECT_EQ(ok->HotTrackStep(), 8);
  EXPECT_EQ(faceAt(), clYellow);
  leave(ok);
  EXPECT_EQ(ok->HotTrackStep(), 0);
  EXPECT_EQ(faceAt(), RGB(248, 247, 237));
}

TEST_F(LbButtonTest, FocusedButtonShowsAFocusRectangleAndOldStyleAFrame) {
  const TColor face = RGB(200, 200, 200);
  ok->SetColor(face);
  ok->SetCaption(QString());
  const auto at = [](const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)) & 0xFFFFFF; };
  EXPECT_EQ(at(ok->grab().toImage(), 4, 4), face);

  ok->SetFocus();
  processEvents();
  ASSERT_TRUE(ok->hasFocus());
  QImage image = ok->grab().toImage();
  EXPECT_EQ(at(image, 4, 4), RGB(55, 55, 55)) << "dotted outline inverts the face";
  EXPECT_EQ(at(image, 5, 4), face);
  EXPECT_EQ(at(image, 0, 0), clWhite);

  ok->SetStyle(bsOld);
  image = ok->grab().toImage();
  EXPECT_EQ(at(image, 0, 0), clBlack);
  EXPECT_EQ(at(image, 99, 27), clBlack);
  EXPECT_EQ(at(image, 1, 10), clWhite) << "the face moves one pixel in";
  EXPECT_EQ(at(image, 98, 10), RGB(64, 64, 64));
  EXPECT_EQ(at(image, 4, 4), RGB(55, 55, 55));
}

TEST_F(LbButtonTest, FadeStepsDownToZeroAndStopsItsTimer) {
  int enters = 0;
  int exits = 0;
  ok->OnMouseEnter = [&](TObject*) { ++enters; };
  ok->OnMouseExit = [&](TObject*) { ++exits; };
  EXPECT_EQ(ok->findChild<QTimer*>(), nullptr) << "no timer without the fade option";
  ok->SetSlowDecease(true);
  auto* timer = ok->findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->isActive());

  enter(ok);
  EXPECT_EQ(ok->HotTrackStep(), 8);
  leave(ok);
  EXPECT_EQ(ok->HotTrackStep(), 8) << "the highlight stays until the timer ticks";
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 30);
  for (int expected = 7; expected >= 1; --expected) {
    ok->HotTrackTick();
    EXPECT_EQ(ok->HotTrackStep(), expected);
    EXPECT_TRUE(timer->isActive());
  }
  ok->HotTrackTick();
  EXPECT_EQ(ok->HotTrackStep(), 0);
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
}

TEST_F(LbButtonTest, FadeRunsOnItsTimerAndSwitchingItOffDropsTheHighlight) {
  ok->SetSlowDecease(true);
  auto* timer = ok->findChild<QTimer*>();
  enter(ok);
  leave(ok);
  QElapsedTimer elapsed;
  elapsed.start();
  while (ok->HotTrackStep() > 0 && elapsed.elapsed() < 3000) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  EXPECT_EQ(ok->HotTrackStep(), 0);
  EXPECT_GE(elapsed.elapsed(), 200);
  EXPECT_FALSE(timer->isActive());

  enter(ok);
  leave(ok);
  ok->SetSlowDecease(false);
  EXPECT_EQ(ok->HotTrackStep(), 0);
  EXPECT_EQ(ok->findChild<QTimer*>(), nullptr);
}

QAccessibleInterface* findByRoleAndName(QAccessibleInterface* root, QAccessible::Role role, const QString& name) {
  if (!root) return nullptr;
  if (root->role() == role && root->text(QAccessible::Name) == name) return root;
  for (int i = 0; i < root->childCount(); ++i) {
    if (QAccessibleInterface* found = findByRoleAndName(root->child(i), role, name)) return found;
  }
  return nullptr;
}

TEST_F(LbButtonTest, AccessibilityReportsAPushButtonWithCaptionHintAndState) {
  ok->SetHint(QStringLiteral("Accept the settings"));
  QAccessibleInterface* button =
      findByRoleAndName(QAccessible::queryAccessibleInterface(&form), QAccessible::Button, QStringLiteral("OK"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->object(), ok);
  EXPECT_EQ(button->text(QAccessible::Description), QStringLiteral("Accept the settings"));
  EXPECT_FALSE(button->state().disabled);
  EXPECT_FALSE(button->state().pressed);

  mouse(ok, QEvent::MouseButtonPress, QPoint(5, 5));
  EXPECT_TRUE(button->state().pressed);
  EXPECT_TRUE(button->state().focused);
  mouse(ok, QEvent::MouseButtonRelease, QPoint(5, 5));
  EXPECT_FALSE(button->state().pressed);

  ok->SetEnabled(false);
  EXPECT_TRUE(button->state().disabled);
  ok->SetEnabled(true);

  QAccessibleActionInterface* actions = button->actionInterface();
  ASSERT_NE(actions, nullptr);
  clicks.clear();
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicksOf(ok), 1);
}

}  // namespace
