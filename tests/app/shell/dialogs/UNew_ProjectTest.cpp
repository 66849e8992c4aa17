#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/dialogs/UAbout.h"
#include "app/shell/dialogs/UNew_Project.h"
#include "app/shell/dialogs/UOpenConf.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/controls/ListBox.h"
#include "tests/support/KeyStrokes.h"

#include <QtWidgets/QApplication>

using testsupport::ShellWindows;

namespace {

// Types the name, presses OK, and presses Cancel when the dialog stayed open.
void TypeNameAndConfirm(platform::ModalSeams& seams, const QString& name)
{
    seams.HandleModal(*FNew_Project, [name] {
        FNew_Project->E_New_Proj->SetText(name);
        FNew_Project->Btn_OK->Click();
        if (FNew_Project->IsModalShowing() && FNew_Project->ModalResult() == mrNone)
            FNew_Project->Btn_Cancel->Click();
    });
}

} // namespace

TEST(NewProjectName, RefusesWhatIsNoSingleFolderName)
{
    const std::pair<const char*, int> cases[] = {
        {"", 107},     {".", 105},      {"..", 105},      {"a/b", 105},  {"a\\b", 105},
        {"x\ty", 105}, {"x\ny", 105},   {"../up", 105},   {"Plant", 0},  {"Plant 2 (old)", 0},
        {"é-ü", 0},    {"...", 0},
    };
    for (const auto& [name, text] : cases)
        EXPECT_EQ(Check_New_Project_Name(QString::fromUtf8(name)), text) << name;
}

TEST_F(ShellWindows, NewCreatesTheConfigurationAndOpensIt)
{
    Start();
    TypeNameAndConfirm(*seams, QStringLiteral("  Plant 1 "));

    main->Btn_Click(main->Btn_New);

    EXPECT_TRUE(seams->Messages().isEmpty());
    EXPECT_TRUE(QDir(Folder(QStringLiteral("PROJECTS/Plant 1/bin"))).exists());
    EXPECT_EQ(Name_Project, QStringLiteral("Plant 1"));
    EXPECT_EQ(Path_Project, Path_Projects + QStringLiteral("/Plant 1"));
    EXPECT_EQ(File_ParGen, Path_Project + QStringLiteral("/ParGen.xml"));
    EXPECT_EQ(main->L_Name_Conf->Caption(), Lang_Texts[11]);
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), QStringLiteral("Plant 1"));
}

TEST_F(ShellWindows, NewRefusesBadNamesWithItsTextsAndKeepsTheDialogOpen)
{
    testsupport::WriteTestFile(QStringLiteral("PROJECTS/Existing/bin/.keep"), "");
    testsupport::WriteTestFile(QStringLiteral("PROJECTS/afile"), "x");
    Start();
    const std::pair<const char*, const char*> cases[] = {
        {"", "Error! Name Project is not valid"},
        {"   ", "Error! Name Project is not valid"},
        {"..", "Error! Name project is not valid"},
        {"../../escape", "Error! Name project is not valid"},
        {"sub\\dir", "Error! Name project is not valid"},
        {"tab\there", "Error! Name project is not valid"},
        {"EXISTING", "Error! Name project is not valid because directory already exists"},
        {"afile", "Error! Name project is not valid"},
    };
    for (const auto& [name, text] : cases) {
        TypeNameAndConfirm(*seams, QString::fromUtf8(name));
        seams->AnswerMessage(mrOk);
        main->Btn_Click(main->Btn_New);
        ASSERT_FALSE(seams->Messages().isEmpty()) << name;
        EXPECT_EQ(seams->Messages().last(), QString::fromUtf8(text)) << name;
        EXPECT_EQ(seams->Shown().back().type, mtError);
    }
    EXPECT_TRUE(Path_Project.isEmpty());
    EXPECT_EQ(main->L_Name_Conf->Caption(), Lang_Texts[9]);
    QStringList left = QDir(Path_Projects).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    left.sort();
    EXPECT_EQ(left, (QStringList{"Existing", "afile"}));
    EXPECT_FALSE(QDir(Folder(QStringLiteral("escape"))).exists());
}

TEST_F(ShellWindows, EnterInTheNameFieldConfirms)
{
    Start();
    seams->HandleModal(*FNew_Project, [] {
        FNew_Project->E_New_Proj->SetText(QStringLiteral("Keyed"));
        emit FNew_Project->E_New_Proj->returnPressed();
    });
    main->Btn_Click(main->Btn_New);
    EXPECT_EQ(Name_Project, QStringLiteral("Keyed"));
    EXPECT_TRUE(QDir(Folder(QStringLiteral("PROJECTS/Keyed/bin"))).exists());
}

// The user's keys in their order: Space on "New Configuration" opens the
// dialog, the name is typed and Enter goes down in the name field, which
// closes the dialog; Enter comes up over the main window, whose button has the
// focus again. That release was not pressed on the button and opens nothing.
TEST_F(ShellWindows, EnterThatClosesTheNewDialogDoesNotOpenItAgain)
{
    Start();
    QStringList failures;
    platform::SetModalFailureHook([&failures](const QString& message) { failures << message; });
    main->Show();
    QApplication::setActiveWindow(main);
    main->Btn_New->SetFocus();
    QApplication::processEvents();

    bool typedIntoTheDialog = false;
    seams->HandleModal(*FNew_Project, [&typedIntoTheDialog] {
        typedIntoTheDialog = QApplication::focusWidget() == FNew_Project->E_New_Proj
                             || FNew_Project->focusWidget() == FNew_Project->E_New_Proj;
        testsupport::TypeText(*FNew_Project, QStringLiteral("Keyed"));
        testsupport::PressKey(*FNew_Project, Qt::Key_Return);
    });
    testsupport::PressKey(*main, Qt::Key_Space);
    testsupport::ReleaseKey(*main, Qt::Key_Space);
    EXPECT_TRUE(typedIntoTheDialog);
    EXPECT_FALSE(FNew_Project->isVisible());
    EXPECT_EQ(main->focusWidget(), main->Btn_New);
    testsupport::ReleaseKey(*main, Qt::Key_Return);
    platform::SetModalFailureHook(nullptr);

    EXPECT_TRUE(failures.isEmpty()) << failures.join(u'\n').toStdString();
    EXPECT_EQ(seams->Shown().size(), 1u);
    EXPECT_EQ(Name_Project, QStringLiteral("Keyed"));
    EXPECT_EQ(QDir(Path_Projects).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{QStringLiteral("Keyed")});
}

TEST_F(ShellWindows, CancellingNewOrOpenLeavesTheOpenConfiguration)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant"));
    seams->HandleModal(*FNew_Project, [] {
        FNew_Project->E_New_Proj->SetText(QStringLiteral("Other"));
        FNew_Project->Btn_Cancel->Click();
    });
    main->Btn_Click(main->Btn_New);
    seams->HandleModal(*FOpenConf, [] { FOpenConf->Btn_Cancel->Click(); });
    main->Btn_Click(main->Btn_Open);

    EXPECT_EQ(Name_Project, QStringLiteral("Plant"));
    EXPECT_EQ(Path_Project, Path_Projects + QStringLiteral("/Plant"));
    EXPECT_FALSE(QDir(Folder(QStringLiteral("PROJECTS/Other"))).exists());
}

TEST_F(ShellWindows, OpenPreselectsTheOpenConfigurationWithoutRegardToCase)
{
    Start();
    OpenConfiguration(QStringLiteral("alpha"));
    OpenConfiguration(QStringLiteral("beta"));
    Path_Project = Path_Projects + QStringLiteral("/BETA");
    QStringList listed;
    QString preselected;
    seams->HandleModal(*FOpenConf, [&] {
        for (int i = 0; i < FOpenConf->ListBox1->count(); ++i)
            listed << FOpenConf->ListBox1->item(i)->text();
        preselected = FOpenConf->Name_Conf;
        FOpenConf->Btn_OK->Click();
    });

    main->Btn_Click(main->Btn_Open);

    listed.sort();
    EXPECT_EQ(listed, (QStringList{"alpha", "beta"}));
    EXPECT_EQ(preselected, QStringLiteral("beta"));
    EXPECT_EQ(Name_Project, QStringLiteral("beta"));
    EXPECT_EQ(Path_Project, Path_Projects + QStringLiteral("/beta"));
    EXPECT_EQ(File_SNMP_Trap, Path_Project + QStringLiteral("/SNMP_Trap.xml"));
    EXPECT_EQ(main->L_Name_Conf->Caption(), Lang_Texts[11]);
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), QStringLiteral("beta"));
}

TEST_F(ShellWindows, OpenWithoutAMatchPreselectsTheFirstAndAClickChoosesAnother)
{
    testsupport::WriteTestFile(QStringLiteral("PROJECTS/one/bin/.keep"), "");
    testsupport::WriteTestFile(QStringLiteral("PROJECTS/two/bin/.keep"), "");
    testsupport::WriteTestFile(QStringLiteral("PROJECTS/.hidden/bin/.keep"), "");
    Start();
    QString first;
    QString chosen;
    seams->HandleModal(*FOpenConf, [&] {
        EXPECT_EQ(FOpenConf->ListBox1->count(), 2);
        EXPECT_EQ(FOpenConf->ListBox1->ItemIndex(), 0);
        first = FOpenConf->Name_Conf;
        FOpenConf->ListBox1->SetItemIndex(1);
        FOpenConf->ListBox1Click(FOpenConf->ListBox1);
        chosen = FOpenConf->Name_Conf;
        FOpenConf->Btn_OK->Click();
    });
    main->Btn_Click(main->Btn_Open);

    EXPECT_EQ(first, FOpenConf->SL[0]);
    EXPECT_EQ(chosen, FOpenConf->SL[1]);
    EXPECT_EQ(Name_Project, chosen);
    EXPECT_EQ(Path_Project, Path_Projects + QLatin1Char('/') + chosen);
}

TEST_F(ShellWindows, OpenWithNoConfigurationsLeavesNoneOpen)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant"));
    QDir(Path_Projects + QStringLiteral("/Plant")).removeRecursively();
    seams->HandleModal(*FOpenConf, [] {
        EXPECT_EQ(FOpenConf->ListBox1->count(), 0);
        EXPECT_TRUE(FOpenConf->Name_Conf.isEmpty());
        FOpenConf->Btn_OK->Click();
    });
    main->Btn_Click(main->Btn_Open);

    EXPECT_TRUE(Name_Project.isEmpty());
    EXPECT_TRUE(Path_Project.isEmpty());
    EXPECT_EQ(main->L_Name_Conf->Caption(), Lang_Texts[9]);
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), Lang_Texts[10]);
    EXPECT_EQ(File_ParGen, QStringLiteral("/ParGen.xml"));
}

TEST_F(ShellWindows, DialogsShowTheirTextsAndSizes)
{
    Start();
    EXPECT_EQ(FNew_Project->Caption(), QStringLiteral("Create New Configuration"));
    EXPECT_EQ(FNew_Project->ClientWidth(), 331);
    EXPECT_EQ(FNew_Project->ClientHeight(), 162);
    EXPECT_EQ(FNew_Project->L_SW_Code->Caption(), QStringLiteral("SVX91"));
    EXPECT_EQ(FNew_Project->Btn_OK->Hint(), QStringLiteral("Confirm the Name of new Configuration"));
    EXPECT_EQ(FOpenConf->Caption(), QStringLiteral("Open Configuration"));
    EXPECT_EQ(FOpenConf->ClientWidth(), 377);
    EXPECT_EQ(FOpenConf->ClientHeight(), 351);
    EXPECT_EQ(FOpenConf->Label1->Caption(), QStringLiteral("List of Avaliable Configurations"));
    platform::SaveScreenshot(*FNew_Project, QStringLiteral("new_project"));
    platform::SaveScreenshot(*FOpenConf, QStringLiteral("open_configuration"));
    platform::SaveScreenshot(*FAbout, QStringLiteral("about"));
}
