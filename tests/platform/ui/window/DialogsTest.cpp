#include "platform/ui/window/Dialogs.h"

#include "platform/ui/window/ModalSeams.h"

#include <QtCore/QDir>

#include <gtest/gtest.h>

namespace {

TEST(MessageDlg, AnsweredByTheResponderInOrderAndRecorded) {
  platform::ModalSeams seams;
  seams.AnswerMessage(mrYes);
  seams.AnswerMessage(mrOk);
  EXPECT_EQ(MessageDlg("Overwrite?", mtConfirmation, mbYesNoCancel, 0), mrYes);
  EXPECT_EQ(MessageDlg("Error! Project not Valid", mtError, mbOK, 0), mrOk);
  ASSERT_EQ(seams.Shown().size(), 2u);
  EXPECT_EQ(seams.Shown()[0].type, mtConfirmation);
  EXPECT_EQ(seams.Shown()[0].buttons, mbYesNoCancel);
  EXPECT_EQ(seams.Shown()[1].buttons, TMsgDlgButtons(mbOK));
  EXPECT_EQ(seams.Messages(), QStringList({"Overwrite?", "Error! Project not Valid"}));
  EXPECT_EQ(seams.Pending(), 0);
}

TEST(MessageDlg, UnexpectedBoxFailsAtOnce) {
  EXPECT_THROW(MessageDlg("nobody answers", mtWarning, mbOK, 0), platform::UnexpectedModal);
  platform::ModalSeams seams;
  EXPECT_THROW(MessageDlg("nobody answers", mtWarning, mbOK, 0), platform::UnexpectedModal);
  seams.ChooseFile("a.txt");
  EXPECT_THROW(MessageDlg("a file dialog was expected", mtWarning, mbOK, 0), platform::UnexpectedModal);
  seams.CancelFile();  // the queue kept its answer; use both up
  TOpenDialog dialog;
  EXPECT_TRUE(dialog.Execute());
  EXPECT_FALSE(dialog.Execute());
}

TEST(MessageDlg, AnswerThatIsNoButtonOfTheBoxFails) {
  platform::ModalSeams seams;
  seams.AnswerMessage(mrYes);
  EXPECT_THROW(MessageDlg("only OK here", mtInformation, mbOK, 0), platform::UnexpectedModal);
}

TEST(MessageDlg, WithAFailureHookTheBoxGivesUpWithCancel) {
  QStringList failures;
  platform::SetModalFailureHook([&](const QString& message) { failures << message; });
  EXPECT_EQ(MessageDlg("surprise", mtError, mbYesNo, 0), mrCancel);
  platform::SetModalFailureHook(nullptr);
  ASSERT_EQ(failures.size(), 1);
  EXPECT_TRUE(failures[0].contains("surprise"));
}

TEST(MessageDlg, ButtonResults) {
  const std::pair<TMsgDlgBtn, TModalResult> table[] = {
      {mbYes, mrYes},     {mbNo, mrNo},         {mbOK, mrOk},           {mbCancel, mrCancel},
      {mbAbort, mrAbort}, {mbRetry, mrRetry},   {mbIgnore, mrIgnore},   {mbAll, mrAll},
      {mbNoToAll, mrNoToAll}, {mbYesToAll, mrYesToAll}, {mbClose, mrClose}, {mbHelp, mrNone}};
  for (const auto& [button, result] : table) EXPECT_EQ(ModalResultOfButton(button), result) << button;
}

TEST(FileFilter, WindowsFiltersBecomeQtNameFilters) {
  const std::pair<QString, QStringList> table[] = {
      {"Text (*.txt)|*.txt|All (*.*)|*.*", {"Text (*.txt) (*.txt)", "All (*.*) (*)"}},
      {"CSV (MS-DOS) (*.csv)|*.csv", {"CSV (MS-DOS) (*.csv) (*.csv)"}},
      {"Pictures|*.bmp; *.jpg;*.JPEG", {"Pictures (*.bmp *.jpg *.JPEG)"}},
      {"Anything|", {"Anything (*)"}},
      {"", {}},
      {"Dangling description", {}},
  };
  for (const auto& [filter, expected] : table) EXPECT_EQ(platform::ToQtNameFilters(filter), expected) << filter.toStdString();
}

TEST(FileFilter, DefaultExtensionOnlyForNamesWithoutOne) {
  const std::tuple<QString, QString, QString> table[] = {
      {"/p/out", "eds", "/p/out.eds"},
      {"/p/out", "*.eds", "/p/out.eds"},
      {"/p/out", ".mib", "/p/out.mib"},
      {"/p/out.txt", "eds", "/p/out.txt"},
      {"/p/my.dir/out", "csv", "/p/my.dir/out.csv"},
      {"/p/out", "", "/p/out"},
      {"/p/", "csv", "/p/"},
  };
  for (const auto& [name, ext, expected] : table)
    EXPECT_EQ(platform::ApplyDefaultExt(name, ext), expected) << name.toStdString() << " " << ext.toStdString();
}

TEST(FileDialog, ChosenNameTakesTheInitialFolderAndTheDefaultExtension) {
  platform::ModalSeams seams;
  TSaveDialog save;
  save.SetFilter("Electronic Data Sheet (*.eds)|*.eds");
  save.SetDefaultExt("*.eds");
  save.SetInitialDir("/projects/demo");
  save.SetTitle("Export");
  seams.ChooseFile("device");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName(), "/projects/demo/device.eds");
  seams.ChooseFile("/elsewhere/device.txt");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName(), "/elsewhere/device.txt");
  seams.CancelFile();
  EXPECT_FALSE(save.Execute());
  EXPECT_EQ(save.FileName(), "/elsewhere/device.txt");
  ASSERT_EQ(seams.Shown().size(), 3u);
  const platform::ShownModal& shown = seams.Shown()[0];
  EXPECT_EQ(shown.kind, platform::ModalKind::SaveDialog);
  EXPECT_EQ(shown.text, "Export");
  EXPECT_EQ(shown.filter, "Electronic Data Sheet (*.eds)|*.eds");
  EXPECT_EQ(shown.initialDir, "/projects/demo");
}

TEST(FileDialog, OpenDialogIsRecordedAsSuch) {
  platform::ModalSeams seams;
  TOpenDialog open;
  seams.ChooseFile("/data/list.xml");
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(open.Files(), QStringList{"/data/list.xml"});
  EXPECT_EQ(seams.Shown().at(0).kind, platform::ModalKind::OpenDialog);
  EXPECT_EQ(seams.Shown().at(0).text, "Open");
}

}  // namespace
