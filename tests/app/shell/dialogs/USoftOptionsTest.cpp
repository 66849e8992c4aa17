#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/dialogs/UNew_Project.h"
#include "app/shell/dialogs/UOpenConf.h"
#include "app/shell/dialogs/USoftOptions.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/panels/Image.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/LinkLabel.h"
#include "platform/ui/window/Timer.h"
#include "tests/platform/net/LocalHttpServer.h"

#include <QFile>
#include <QTabWidget>

#include <utility>

using testsupport::FakeWindow;
using testsupport::LocalHttpServer;
using testsupport::ShellWindows;

namespace {

QByteArray Settings()
{
    QFile file(Path_Exe + QStringLiteral("/Marquell.xml"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteLanguages(int count)
{
    for (int i = 0; i < count; ++i)
        testsupport::WriteTestFile(QStringLiteral("LANGUAGE/Lang%1.lng").arg(i), "STR0 =x\r\n");
}

// Restores the version page address after a test pointed it elsewhere.
class VersionPage {
public:
    explicit VersionPage(const QString& address) { Set_Version_Page_Address(address); }
    ~VersionPage() { Set_Version_Page_Address(saved_); }

private:
    QString saved_ = Version_Page_Address();
};

} // namespace

TEST_F(ShellWindows, OptionsOkStoresTheChoicesAndSwitchesTheTimer)
{
    Start();
    seams->HandleModal(*FSoftOptions, [] {
        EXPECT_FALSE(FSoftOptions->CB_Update->Enabled());
        FSoftOptions->CB_En_Con->SetChecked(true);
        EXPECT_TRUE(FSoftOptions->CB_Update->Enabled());
        EXPECT_FALSE(FSoftOptions->Btn_Check_Update->Enabled());
        FSoftOptions->CB_Update->SetChecked(true);
        EXPECT_TRUE(FSoftOptions->Btn_Check_Update->Enabled());
        FSoftOptions->CB_Soft_Set_Jump_Table->SetChecked(true);
        FSoftOptions->Btn_OK->Click();
    });
    main->Btn_Click(main->Btn_Opz);

    EXPECT_TRUE(main->Timer_Update->Enabled());
    EXPECT_TRUE(Enable_Internet && Enable_Update && Enable_Jump_Field);
    EXPECT_FALSE(Enable_Auto_Size);
    EXPECT_TRUE(Settings().contains("<enable_internet>1</enable_internet>")) << Settings().constData();
    EXPECT_TRUE(Settings().contains("<enable_jump_field_tables>1</enable_jump_field_tables>"));

    // Clearing the connection disables the update choice; OK stops the timer
    // although the update box stays ticked.
    seams->HandleModal(*FSoftOptions, [] {
        EXPECT_TRUE(FSoftOptions->CB_Update->Checked());
        FSoftOptions->CB_En_Con->SetChecked(false);
        EXPECT_FALSE(FSoftOptions->CB_Update->Enabled());
        EXPECT_FALSE(FSoftOptions->Btn_Check_Update->Enabled());
        FSoftOptions->Btn_OK->Click();
    });
    main->Btn_Click(main->Btn_Opz);
    EXPECT_FALSE(main->Timer_Update->Enabled());
    EXPECT_TRUE(Enable_Update);
    EXPECT_TRUE(Settings().contains("<enable_internet>0</enable_internet>"));

    seams->HandleModal(*FSoftOptions, [] {
        FSoftOptions->CB_En_Con->SetChecked(true);
        FSoftOptions->Btn_Cancel->Click();
    });
    main->Btn_Click(main->Btn_Opz);
    EXPECT_FALSE(main->Timer_Update->Enabled());
    EXPECT_FALSE(Enable_Internet);
}

TEST_F(ShellWindows, LanguagePagesShowSixSlotsEach)
{
    WriteLanguages(7);
    Start();
    seams->HandleModal(*FSoftOptions, [] {
        TFSoftOptions& o = *FSoftOptions;
        EXPECT_EQ(o.PC_Options->currentWidget(), o.TS_Language);
        EXPECT_EQ(o.L_Page_Lang->Caption(), QStringLiteral("Page 1 / 2"));
        EXPECT_TRUE(o.Btn_Next->Visible());
        EXPECT_FALSE(o.Btn_Prev->Visible());
        for (int k = 0; k < 6; ++k)
            EXPECT_TRUE(o.L_L[k]->Visible()) << k;
        EXPECT_EQ(o.L_L[0]->Caption(), QStringLiteral("Lang0"));
        // No flag pictures: each slot shows the plain placeholder.
        EXPECT_FALSE(o.I_L[0]->Picture().isNull());
        o.Btn_Next->Click();
        EXPECT_EQ(o.L_Page_Lang->Caption(), QStringLiteral("Page 2 / 2"));
        EXPECT_TRUE(o.Btn_Prev->Visible());
        EXPECT_FALSE(o.Btn_Next->Visible());
        EXPECT_TRUE(o.L_L[0]->Visible());
        EXPECT_EQ(o.L_L[0]->Caption(), QStringLiteral("Lang6"));
        for (int k = 1; k < 6; ++k)
            EXPECT_FALSE(o.L_L[k]->Visible()) << k;
        o.Btn_Prev->Click();
        EXPECT_EQ(o.Show_Page, 1);
        platform::SaveScreenshot(o, QStringLiteral("options_languages"));
        o.Btn_Cancel->Click();
    });
    main->Btn_Click(main->Btn_Opz);
}

TEST_F(ShellWindows, NoLanguageFileGivesAnEmptyPageAndReadOnlyFilesAreNotListed)
{
    const QString readOnly = testsupport::WriteTestFile(QStringLiteral("LANGUAGE/Locked.lng"), "");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    Start();
    seams->HandleModal(*FSoftOptions, [] {
        TFSoftOptions& o = *FSoftOptions;
        EXPECT_EQ(o.SL_Languages.Count(), 0);
        EXPECT_EQ(o.L_Page_Lang->Caption(), QStringLiteral("Page 1 / 0"));
        EXPECT_FALSE(o.Btn_Prev->Visible());
        EXPECT_TRUE(o.Btn_Next->Visible());
        o.Btn_Next->Click();
        EXPECT_EQ(o.Show_Page, 1);
        for (int k = 0; k < 6; ++k)
            EXPECT_FALSE(o.L_L[k]->Visible()) << k;
        o.Btn_Cancel->Click();
    });
    main->Btn_Click(main->Btn_Opz);
}

TEST_F(ShellWindows, ALanguageChangeRelabelsEveryWindowAfterYes)
{
    testsupport::WriteTestFile(QStringLiteral("LANGUAGE/Italiano.lng"),
                               "STR15 =Nuova Configurazione\r\nSTR100 =Crea Configurazione\r\n"
                               "STR200 =Apri Configurazione\r\nSTR300 =Opzioni\r\n");
    Start();
    FakeWindow parGen;
    FakeWindow scan;
    Register_Window(QStringLiteral("FParGen"), parGen.Entry());
    Register_Window(QStringLiteral("FScanDecode"), scan.Entry());

    seams->HandleModal(*FSoftOptions, [] {
        TFSoftOptions& o = *FSoftOptions;
        ASSERT_EQ(o.L_L[0]->Caption(), QStringLiteral("Italiano"));
        o.LangClick(o.L_L[0]);
        EXPECT_EQ(o.Language_In_Use, QStringLiteral("English"));
        EXPECT_EQ(FMarquellFirmWare->Btn_New->Caption(), QStringLiteral("New Configuration"));
        o.LangClick(o.I_L[0]);
        EXPECT_EQ(o.Language_In_Use, QStringLiteral("Italiano"));
        EXPECT_EQ(o.L_Sel_Lang->Caption(), Lang_Texts[304] + QStringLiteral("Italiano"));
        o.Btn_Cancel->Click();
    });
    seams->AnswerMessage(mrNo);
    seams->AnswerMessage(mrYes);
    main->Btn_Click(main->Btn_Opz);

    ASSERT_EQ(seams->Messages().size(), 2);
    EXPECT_EQ(seams->Messages().first(), QStringLiteral("Do you want to change the Language from English to Italiano?"));
    ASSERT_EQ(seams->Shown().size(), 3u);
    EXPECT_EQ(seams->Shown()[1].type, mtConfirmation);
    EXPECT_EQ(main->Btn_New->Caption(), QStringLiteral("Nuova Configurazione"));
    EXPECT_EQ(FNew_Project->Caption(), QStringLiteral("Crea Configurazione"));
    EXPECT_EQ(FOpenConf->Caption(), QStringLiteral("Apri Configurazione"));
    EXPECT_EQ(FSoftOptions->Caption(), QStringLiteral("Opzioni"));
    EXPECT_EQ(parGen.relabelled, 1);
    EXPECT_EQ(scan.relabelled, 0);
    // Cancel: the stored language stays.
    EXPECT_EQ(Language_Name, QStringLiteral("English"));
}

TEST(VersionNumber, TakesTheFirstThirdFourthAndFifthCharacterAfterTheBlank)
{
    const std::pair<const char*, int> cases[] = {
        {"Ver. 1.001", 1001}, {"1.000", 1000},   {"Ver. 0.999", 999}, {"Ver. 2.10", -1},
        {"Ver. 1.0a1", -1},   {"Ver.   1.002  ", 1002}, {"", -1},     {"Ver. 12.345", -1},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(Conv_Version(QString::fromLatin1(text)), number) << text;
}

TEST(VersionCheck, DecidesFromTheMakersReply)
{
    LocalHttpServer server;
    const VersionPage page(server.Address(QStringLiteral("/version?nomesw=")));
    SW_Code = QStringLiteral("SVX91");
    const std::tuple<int, const char*, bool> cases[] = {
        {200, "Ver. 1.001", true},   {200, "Ver. 2.000\r\n", true}, {200, "VER. 0.000", false},
        {200, " ver. 0.000 ", false}, {200, "Ver. 1.000", false},  {200, "Ver. 0.999", false},
        {200, "Ver. 2.10", false},    {200, "", false},            {200, "   ", false},
        {500, "Ver. 9.999", false},   {404, "", false},
    };
    for (const auto& [status, body, newer] : cases) {
        server.Reply(status, body);
        EXPECT_EQ(Check_Version(), newer) << status << " " << body;
    }
    ASSERT_FALSE(server.Requests().isEmpty());
    const QByteArray request = server.Requests().first();
    EXPECT_TRUE(request.startsWith("GET /version?nomesw=SVX91 HTTP/1.")) << request.constData();
    EXPECT_TRUE(request.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)")) << request.constData();
    EXPECT_FALSE(Version_Check_Running());

    const VersionPage refused(LocalHttpServer::RefusedAddress() + QStringLiteral("?nomesw="));
    EXPECT_FALSE(Check_Version());
}

TEST_F(ShellWindows, TheTimerTickShowsAndHidesTheNewVersionLink)
{
    LocalHttpServer server;
    const VersionPage page(server.Address(QStringLiteral("/version?nomesw=")));
    Start();
    server.Reply(200, "Ver. 1.001");

    main->Timer_UpdateTimer(main->Timer_Update);
    EXPECT_TRUE(main->LL_Update->Visible());
    EXPECT_EQ(main->LL_Update->Caption(), Version_Link_Markup(Lang_Texts[19]));
    EXPECT_TRUE(main->Timer_Update->Enabled());
    EXPECT_EQ(main->Timer_Update->Interval(), 7200000);

    server.Reply(200, "VER. 0.000");
    main->Timer_UpdateTimer(main->Timer_Update);
    EXPECT_FALSE(main->LL_Update->Visible());
    EXPECT_TRUE(main->Timer_Update->Enabled());
}

TEST_F(ShellWindows, TheOptionsButtonReportsTheCheck)
{
    LocalHttpServer server;
    const VersionPage page(server.Address(QStringLiteral("/version?nomesw=")));
    testsupport::WriteTestFile(QStringLiteral("Marquell.xml"),
                               "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                               "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
    Start();
    server.Reply(200, "Ver. 1.001");
    seams->HandleModal(*FSoftOptions, [&] {
        TFSoftOptions& o = *FSoftOptions;
        EXPECT_FALSE(o.LL_Check_Update->Visible());
        o.Btn_Check_Update->Click();
        EXPECT_TRUE(o.LL_Check_Update->Visible());
        EXPECT_TRUE(o.LL_Check_Update->Caption().contains(Lang_Texts[314]));
        EXPECT_TRUE(o.LL_Check_Update->Caption().startsWith(QStringLiteral("<a href=\"https://")));
        server.Reply(200, "Ver. 1.000");
        o.Btn_Check_Update->Click();
        EXPECT_EQ(o.LL_Check_Update->Caption(), Lang_Texts[315]);
        o.Btn_Cancel->Click();
    });
    main->Btn_Click(main->Btn_Opz);
}

TEST_F(ShellWindows, AVersionCheckDoesNotRunTwiceAtOnce)
{
    LocalHttpServer server;
    const VersionPage page(server.Address(QStringLiteral("/version?nomesw=")));
    Start();
    server.Reply(200, "Ver. 1.001");
    main->LL_Update->Show();
    bool nested = true;
    bool runningSeen = false;
    bool served = false;
    server.OnRequest = [&] {
        if (std::exchange(served, true))
            return;
        runningSeen = Version_Check_Running();
        nested = Check_Version();
        // A timer tick during the check leaves the link alone and waits for the next tick.
        main->Timer_UpdateTimer(main->Timer_Update);
    };

    EXPECT_TRUE(Check_Version());

    EXPECT_TRUE(runningSeen);
    EXPECT_FALSE(nested);
    EXPECT_EQ(server.Requests().size(), 1);
    EXPECT_TRUE(main->LL_Update->Visible());
    EXPECT_TRUE(main->Timer_Update->Enabled());
    EXPECT_FALSE(Version_Check_Running());
}
