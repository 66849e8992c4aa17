#include "platform/ui/window/Form.h"

#include "platform/ui/panels/Bevel.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/window/ModalSeams.h"
#include "platform/ui/panels/Panel.h"
#include "platform/ui/panels/Shape.h"
#include "tests/support/TempExeFolder.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QtCore/QDir>
#include <QtGui/QFontInfo>
#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

using uitest::FakeButton;

class CountingForm : public TForm {
 public:
  int created = 0;
  int shown = 0;
  int closed = 0;
  bool refuseClose = false;

 protected:
  void FormCreate(TObject*) override { ++created; }
  void FormShow(TObject*) override { ++shown; }
  void FormClose(TObject*, TCloseAction& action) override {
    ++closed;
    if (refuseClose) action = caNone;
  }
};

TEST(Form, CreateFormRunsFormCreateOnce) {
  std::unique_ptr<CountingForm> form(platform::CreateForm<CountingForm>());
  form->Created();
  EXPECT_EQ(form->created, 1);
}

TEST(Form, ModalWindowWorkedByHandlerReturnsTheButtonsResult) {
  CountingForm form;
  form.SetCaption("Options");
  FakeButton ok(&form, mrOk);
  FakeButton cancel(&form, mrCancel);
  platform::ModalSeams seams;
  seams.HandleModal(form, [&] {
    EXPECT_TRUE(form.IsModalShowing());
    EXPECT_EQ(form.shown, 1);
    cancel.Click();
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  seams.HandleModal(form, [&] { ok.Click(); });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.shown, 2);
  EXPECT_EQ(form.closed, 2);
  ASSERT_EQ(seams.Shown().size(), 2u);
  EXPECT_EQ(seams.Shown()[0].kind, platform::ModalKind::Form);
  EXPECT_EQ(seams.Shown()[0].text, "Options");
  EXPECT_EQ(seams.Pending(), 0);
}

TEST(Form, FormCloseWithCaNoneKeepsTheWindowOpen) {
  CountingForm form;
  platform::ModalSeams seams;
  seams.HandleModal(form, [&] {
    form.refuseClose = true;
    form.SetModalResult(mrOk);
    EXPECT_TRUE(form.IsModalShowing());
    EXPECT_EQ(form.ModalResult(), mrNone);
    form.refuseClose = false;
    form.Close();  // the window's own close button gives mrCancel
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Form, SettingModalResultOnANonModalWindowDoesNotCloseIt) {
  CountingForm form;
  form.Show();
  form.SetModalResult(mrOk);
  EXPECT_TRUE(form.isVisible());
  form.Close();
  EXPECT_FALSE(form.isVisible());
}

TEST(Form, UnexpectedModalWindowFailsAtOnce) {
  CountingForm form;
  EXPECT_THROW(form.ShowModal(), platform::UnexpectedModal);
  CountingForm other;
  platform::ModalSeams seams;
  seams.HandleModal(other, [&] { other.SetModalResult(mrOk); });
  EXPECT_THROW(form.ShowModal(), platform::UnexpectedModal);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(other.ShowModal(), mrOk);
  seams.HandleModal(form, [&] { form.SetModalResult(mrOk); });
  EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(Form, HandlerThatLeavesTheWindowOpenIsReportedAndTheWindowCloses) {
  QStringList failures;
  platform::SetModalFailureHook([&](const QString& message) { failures << message; });
  CountingForm form;
  form.SetCaption("Set Communication");
  {
    platform::ModalSeams seams;
    seams.HandleModal(form, [] {});
    EXPECT_EQ(form.ShowModal(), mrCancel);
  }
  platform::SetModalFailureHook(nullptr);
  EXPECT_FALSE(form.isVisible());
  ASSERT_EQ(failures.size(), 1);
  EXPECT_TRUE(failures[0].contains("Set Communication"));
}

TEST(Form, ClientSizeIsFixedForSingleBorder) {
  TForm form;
  form.SetBorderStyle(bsSingle);
  form.SetClientWidth(694);
  form.SetClientHeight(484);
  EXPECT_EQ(form.ClientWidth(), 694);
  EXPECT_EQ(form.ClientHeight(), 484);
  EXPECT_EQ(form.minimumSize(), QSize(694, 484));
  EXPECT_EQ(form.maximumSize(), QSize(694, 484));
}

TEST(Form, ShownCentredOnTheScreen) {
  TForm form;
  form.SetClientWidth(200);
  form.SetClientHeight(100);
  form.Show();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_NEAR(form.geometry().center().x(), screen.center().x(), 1);
  EXPECT_NEAR(form.geometry().center().y(), screen.center().y(), 1);
}

// Enter goes to the default button and Escape to the cancel button, unless a
// push button has the focus.
struct DialogKeyCase {
  const char* name;
  const char* focus;  // "edit", "check", "button"
  int key;
  Qt::KeyboardModifiers modifiers;
  int defaultClicks;
  int cancelClicks;
};

class DialogKeys : public ::testing::TestWithParam<DialogKeyCase> {};

TEST_P(DialogKeys, RouteToTheRightButton) {
  const DialogKeyCase& c = GetParam();
  TForm form;
  TEdit edit(&form);
  TCheckBox check(&form);
  FakeButton other(&form);
  FakeButton ok(&form);
  ok.isDefault = true;
  FakeButton cancel(&form);
  cancel.isCancel = true;
  form.Show();
  QWidget* focus = QString(c.focus) == "edit" ? static_cast<QWidget*>(&edit)
                   : QString(c.focus) == "check" ? static_cast<QWidget*>(&check)
                                                 : static_cast<QWidget*>(&other);
  focus->setFocus();
  ASSERT_EQ(form.focusWidget(), focus);
  uitest::sendKey(focus, c.key, c.modifiers);
  EXPECT_EQ(ok.clicks, c.defaultClicks);
  EXPECT_EQ(cancel.clicks, c.cancelClicks);
  EXPECT_EQ(other.clicks, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Form, DialogKeys,
    ::testing::Values(DialogKeyCase{"EnterInEdit", "edit", Qt::Key_Return, Qt::NoModifier, 1, 0},
                      DialogKeyCase{"KeypadEnterInEdit", "edit", Qt::Key_Enter, Qt::KeypadModifier, 1, 0},
                      DialogKeyCase{"ShiftEnterInEdit", "edit", Qt::Key_Return, Qt::ShiftModifier, 1, 0},
                      DialogKeyCase{"EscapeInEdit", "edit", Qt::Key_Escape, Qt::NoModifier, 0, 1},
                      DialogKeyCase{"ShiftEscapeInEdit", "edit", Qt::Key_Escape, Qt::ShiftModifier, 0, 0},
                      DialogKeyCase{"EnterOnCheckBox", "check", Qt::Key_Return, Qt::NoModifier, 1, 0},
                      DialogKeyCase{"EnterOnPushButton", "button", Qt::Key_Return, Qt::NoModifier, 0, 0},
                      DialogKeyCase{"EscapeOnPushButton", "button", Qt::Key_Escape, Qt::NoModifier, 0, 0}),
    [](const ::testing::TestParamInfo<DialogKeyCase>& info) { return std::string(info.param.name); });

TEST(Form, EscapeSkipsADisabledCancelButtonAndClosesWithItsResult) {
  TForm form;
  TEdit edit(&form);
  FakeButton cancel(&form, mrCancel);
  cancel.isCancel = true;
  platform::ModalSeams seams;
  seams.HandleModal(form, [&] {
    edit.setFocus();
    cancel.setEnabled(false);
    uitest::sendKey(&edit, Qt::Key_Escape);
    EXPECT_TRUE(form.IsModalShowing());
    cancel.setEnabled(true);
    uitest::sendKey(&edit, Qt::Key_Escape);
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(cancel.clicks, 1);
}

TEST(Form, AlignedPanelsShareTheClientArea) {
  TForm form;
  TPanel title(&form);
  title.SetHeight(69);
  title.SetAlign(alTop);
  TPanel buttons(&form);
  buttons.SetHeight(40);
  buttons.SetAlign(alBottom);
  TPanel middle(&form);
  middle.SetAlign(alClient);
  form.SetClientWidth(460);
  form.SetClientHeight(700);
  EXPECT_EQ(title.Widget().geometry(), QRect(0, 0, 460, 69));
  EXPECT_EQ(buttons.Widget().geometry(), QRect(0, 660, 460, 40));
  EXPECT_EQ(middle.Widget().geometry(), QRect(0, 69, 460, 591));
  buttons.SetVisible(false);
  EXPECT_EQ(middle.Height(), 631);
}

// A window that names no font shows what its Font property reports, Tahoma
// of 8 points, in its labels too; the desktop's font never shows.
TEST(Form, WithoutAFontOfItsOwnShowsTahomaOfEightPoints) {
  TForm form;
  TLabel label(&form);
  EXPECT_EQ(form.Font().Name(), QStringLiteral("Tahoma"));
  EXPECT_EQ(form.Font().Size(), 8);
  EXPECT_EQ(QFontInfo(label.Widget().font()).family(), QStringLiteral("Tahoma"));
  EXPECT_EQ(QFontInfo(label.Widget().font()).pixelSize(), 11);
  form.Font().SetName(QStringLiteral("Verdana"));
  EXPECT_EQ(QFontInfo(label.Widget().font()).family(), QStringLiteral("DejaVu Sans"));
}

TEST(Screenshot, WrittenOnlyWhenAFolderIsGiven) {
  TForm form;
  form.SetCaption("Controls");
  form.SetClientWidth(320);
  form.SetClientHeight(160);
  TLabel label(&form);
  label.SetCaption("&Device name");
  label.SetBounds(14, 12, 0, 0);
  TEdit edit(&form);
  edit.SetBounds(120, 9, 180, 21);
  edit.SetText("gateway-1");
  TComboBox combo(&form);
  combo.SetStyle(csDropDownList);
  combo.SetBounds(120, 37, 180, 22);
  combo.Items().Assign({"AS923", "EU868"});
  combo.SetItemIndex(1);
  TCheckBox check(&form);
  check.SetCaption("Enable &DNS");
  check.SetBounds(14, 68, 200, 17);
  TShape line(&form);
  line.SetBounds(10, 100, 300, 1);
  TBevel bevel(&form);
  bevel.SetShape(bsTopLine);
  bevel.SetBounds(10, 110, 300, 2);

  const QByteArray given = qgetenv("SCREENSHOT_DIR");  // set by scripts/screenshot.sh
  qunsetenv("SCREENSHOT_DIR");
  EXPECT_TRUE(platform::SaveScreenshot(form, "controls").isEmpty());
  const QString folder = QDir(testsupport::TestFolder()).filePath("shots");
  qputenv("SCREENSHOT_DIR", folder.toUtf8());
  const QString path = platform::SaveScreenshot(form, "controls");
  qputenv("SCREENSHOT_DIR", given);
  if (!given.isEmpty()) platform::SaveScreenshot(form, "controls");
  EXPECT_EQ(path, QDir(folder).filePath("controls.png"));
  const QImage picture(path);
  EXPECT_EQ(picture.size(), QSize(320, 160));
}

}  // namespace
