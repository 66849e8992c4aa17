#include "app/shell/WindowRegistry.h"

#include "app/shell/ULanguage.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/app/shell/ShellWindowsFixture.h"

using testsupport::FakeWindow;

namespace {

class WindowRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Texts(); }
    void TearDown() override { Clear_Window_Registry(); }
    platform::ModalSeams seams;
};

} // namespace

TEST_F(WindowRegistryTest, NamesNothingRegisteredAreStepsThisBuildDoesNotHave)
{
    seams.AnswerMessage(mrOk);
    seams.AnswerMessage(mrOk);
    QString error = QStringLiteral("stale");

    EXPECT_EQ(Show_Window(QStringLiteral("FParGen")), mrNone);
    EXPECT_EQ(Run_Command(QStringLiteral("Export_SNMP_MIB"), QString(), error), CommandOutcome::Missing);

    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(Find_Window(QStringLiteral("FParGen")), nullptr);
    EXPECT_FALSE(Relabel_Window(QStringLiteral("FParGen")));
    EXPECT_FALSE(Read_Window_Field(QStringLiteral("FParGen"), QStringLiteral("x")).isValid());
    EXPECT_FALSE(Write_Window_Field(QStringLiteral("FParGen"), QStringLiteral("x"), 1));
    ASSERT_EQ(seams.Shown().size(), 2u);
    for (const platform::ShownModal& shown : seams.Shown()) {
        EXPECT_EQ(shown.type, mtInformation);
        EXPECT_EQ(shown.text, QStringLiteral("This step is not available in this version of the program."));
    }
}

TEST_F(WindowRegistryTest, ALanguageTextForTheMissingStepIsUsedWhenThereIsOne)
{
    testsupport::WriteTestFile(QStringLiteral("x.lng"), "STR86 =Non disponibile\r\n");
    ASSERT_TRUE(Load_Language_File(testsupport::TestFolder() + QStringLiteral("/x.lng")));
    seams.AnswerMessage(mrOk);
    Show_Window(QStringLiteral("FBoot"));
    EXPECT_EQ(seams.Messages(), QStringList{QStringLiteral("Non disponibile")});
}

TEST_F(WindowRegistryTest, RegisteredWindowsAndCommandsAreReachedByName)
{
    FakeWindow window;
    window.result = mrYes;
    Register_Window(QStringLiteral("FBoot"), window.Entry());
    Register_Command(QStringLiteral("Build"), [](const QString& argument, QString& error) {
        error = QStringLiteral("failed for ") + argument;
        return argument.isEmpty();
    });

    EXPECT_EQ(Show_Window(QStringLiteral("FBoot")), mrYes);
    EXPECT_TRUE(Relabel_Window(QStringLiteral("FBoot")));
    EXPECT_TRUE(Write_Window_Field(QStringLiteral("FBoot"), QStringLiteral("Form_Type"), 1));
    EXPECT_EQ(Read_Window_Field(QStringLiteral("FBoot"), QStringLiteral("Form_Type")).toInt(), 1);
    QString error;
    EXPECT_EQ(Run_Command(QStringLiteral("Build"), QString(), error), CommandOutcome::Done);
    EXPECT_EQ(Run_Command(QStringLiteral("Build"), QStringLiteral("x"), error), CommandOutcome::Failed);
    EXPECT_EQ(error, QStringLiteral("failed for x"));
    EXPECT_EQ(window.shown, 1);
    EXPECT_EQ(window.relabelled, 1);
    EXPECT_TRUE(seams.Shown().empty());

    // A window registered without a show function is shown modally itself.
    TForm form;
    WindowEntry plain;
    plain.form = &form;
    Register_Window(QStringLiteral("FPlain"), plain);
    seams.HandleModal(form, [&form] { form.SetModalResult(mrOk); });
    EXPECT_EQ(Show_Window(QStringLiteral("FPlain")), mrOk);
    EXPECT_EQ(Find_Window(QStringLiteral("FPlain")), &form);
}
