#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/dialogs/UNew_Project.h"
#include "app/shell/dialogs/UOpenConf.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/LinkLabel.h"
#include "platform/ui/panels/Shape.h"
#include "platform/ui/window/Timer.h"

#include <QFile>
#include <QSet>

using testsupport::FakeWindow;
using testsupport::ShellWindows;

namespace {

QString Text(int index)
{
    return Lang_Texts[index];
}

QStringList Names(const QList<TLbButton*>& buttons)
{
    QStringList names;
    for (TLbButton* button : buttons)
        names << button->Name();
    names.sort();
    return names;
}

QList<TLbButton*> VisibleButtons(TFMarquellFirmWare& window)
{
    QList<TLbButton*> visible;
    for (TLbButton* button : window.findChildren<TLbButton*>())
        if (button->Visible())
            visible << button;
    return visible;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(ShellWindows, FirstStartInAnEmptyFolderLaysOutTheProductsSteps)
{
    Start();

    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(QDir(Folder(QLatin1String(folder))).exists()) << folder;
    EXPECT_EQ(main->ClientWidth(), 694);
    EXPECT_EQ(main->ClientHeight(), 484);
    EXPECT_EQ(main->Caption(), QStringLiteral("Telvor - Configurator SVX91 SNMP Agent / LoRaWAN "));
    EXPECT_EQ(main->L_SW_Code->Caption(), QStringLiteral("SVX91"));
    EXPECT_EQ(main->L_SW_Desc->Caption(), QStringLiteral("SNMP Agent / LoRaWAN - Converter"));

    const QStringList expected = {"Btn_Close", "Btn_CreateBin", "Btn_Info", "Btn_LoRaWAN_Access", "Btn_New",
                                  "Btn_Open", "Btn_Opz", "Btn_Prm_Gen", "Btn_SNMP_MIB", "Btn_SNMP_Trap"};
    EXPECT_EQ(Names(VisibleButtons(*main)), expected);
    struct Place {
        TLbButton* button;
        int left, top, width, height;
    };
    for (const Place& place : {Place{main->Btn_Info, 516, 8, 50, 50}, Place{main->Btn_Opz, 574, 8, 50, 50},
                               Place{main->Btn_Close, 632, 8, 50, 50}, Place{main->Btn_New, 80, 112, 170, 36},
                               Place{main->Btn_Open, 258, 112, 170, 36}, Place{main->Btn_Prm_Gen, 80, 156, 170, 36},
                               Place{main->Btn_LoRaWAN_Access, 80, 200, 170, 36},
                               Place{main->Btn_SNMP_Trap, 80, 244, 170, 36},
                               Place{main->Btn_SNMP_MIB, 80, 288, 170, 36},
                               Place{main->Btn_CreateBin, 80, 332, 170, 36}}) {
        EXPECT_EQ(place.button->Left(), place.left) << place.button->Name().toStdString();
        EXPECT_EQ(place.button->Top(), place.top) << place.button->Name().toStdString();
        EXPECT_EQ(place.button->Width(), place.width) << place.button->Name().toStdString();
        EXPECT_EQ(place.button->Height(), place.height) << place.button->Name().toStdString();
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(main->L_Step[i]->Visible(), i < 6) << i;
        EXPECT_EQ(main->L_Step[i]->Caption(), QStringLiteral("Step %1").arg(i + 1));
        EXPECT_EQ(main->L_Step[i]->Top(), 128 + 44 * i);
    }
    EXPECT_TRUE(main->L_Telvor->Visible());
    EXPECT_EQ(main->L_Telvor->Left(), 565);
    EXPECT_EQ(main->L_Telvor->Top(), 348);
    EXPECT_EQ(main->Shape1->Top(), 383);
    EXPECT_EQ(main->Shape1->Width(), 674);
    EXPECT_EQ(main->Shape1->Height(), 1);
    EXPECT_EQ(main->L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), QStringLiteral("Use Step1 to open or create new configuration"));
    EXPECT_EQ(main->Btn_New->Caption(), QStringLiteral("New Configuration"));
    EXPECT_EQ(main->Btn_CreateBin->Hint(), Text(26));
    EXPECT_FALSE(main->LL_Update->Visible());
    EXPECT_FALSE(main->Timer_Update->Enabled());
    EXPECT_TRUE(Path_Project.isEmpty());
    EXPECT_EQ(File_SNMP_Trap, QStringLiteral("/SNMP_Trap.xml"));
    EXPECT_TRUE(seams->Shown().empty());
    main->Show();
    platform::SaveScreenshot(*main, QStringLiteral("main_window"));
}

TEST_F(ShellWindows, EveryGuardedStepIsRefusedWhileNoConfigurationIsOpen)
{
    Start();
    FakeWindow fake;
    for (const char* name : {"FParGen", "FLoRa_Set_Access", "FSNMP_Trap_Access", "FBoot", "FMeter_Bus"})
        Register_Window(QLatin1String(name), fake.Entry());
    int commands = 0;
    for (const char* name : {"Export_SNMP_MIB", "Build_Bank_Images", "Export_GSD_File"})
        Register_Command(QLatin1String(name), [&](const QString&, QString&) { return ++commands > 0; });
    const QSet<TLbButton*> free = {main->Btn_New, main->Btn_Open, main->Btn_Close, main->Btn_Info, main->Btn_Opz};

    int guarded = 0;
    for (TLbButton* button : main->findChildren<TLbButton*>()) {
        if (free.contains(button))
            continue;
        ++guarded;
        seams->AnswerMessage(mrOk);
        main->Btn_Click(button);
        ASSERT_EQ(seams->Messages().size(), guarded) << button->Name().toStdString();
        EXPECT_EQ(seams->Messages().last(), QStringLiteral("Error! Project not Valid"));
        EXPECT_EQ(seams->Shown().back().type, mtError);
    }
    EXPECT_EQ(guarded, 31);
    EXPECT_EQ(fake.shown, 0);
    EXPECT_EQ(commands, 0);
}

TEST_F(ShellWindows, EveryShownStepReachesItsTargetOnceAConfigurationIsOpen)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant"));
    std::map<QString, FakeWindow> windows;
    for (const char* name : {"FParGen", "FLoRa_Set_Access", "FSNMP_Trap_Access", "FBoot", "FAbout", "FNew_Project",
                             "FOpenConf", "FSoftOptions"})
        Register_Window(QLatin1String(name), windows[QLatin1String(name)].Entry());
    for (auto& [name, window] : windows)
        window.result = mrCancel;
    std::map<QString, int> runs;
    for (const char* name : {"Export_SNMP_MIB", "Build_Bank_Images"})
        Register_Command(QLatin1String(name), [&runs, name](const QString&, QString&) {
            ++runs[QLatin1String(name)];
            return true;
        });

    const std::pair<TLbButton*, const char*> steps[] = {
        {main->Btn_New, "FNew_Project"},          {main->Btn_Open, "FOpenConf"},
        {main->Btn_Info, "FAbout"},               {main->Btn_Opz, "FSoftOptions"},
        {main->Btn_Prm_Gen, "FParGen"},           {main->Btn_LoRaWAN_Access, "FLoRa_Set_Access"},
        {main->Btn_SNMP_Trap, "FSNMP_Trap_Access"}, {main->Btn_CreateBin, "FBoot"},
    };
    for (const auto& [button, window] : steps) {
        main->Btn_Click(button);
        EXPECT_EQ(windows[QLatin1String(window)].shown, 1) << window;
    }
    main->Btn_Click(main->Btn_SNMP_MIB);
    EXPECT_EQ(runs[QStringLiteral("Export_SNMP_MIB")], 1);
    EXPECT_EQ(runs[QStringLiteral("Build_Bank_Images")], 1);
    EXPECT_EQ(windows[QStringLiteral("FBoot")].fields.value(QStringLiteral("Form_Type")).toInt(), 1);
    for (auto& [name, window] : windows)
        EXPECT_EQ(window.shown, 1) << name.toStdString();
    EXPECT_TRUE(seams->Shown().empty());
    EXPECT_EQ(Path_Project, Path_Projects + QStringLiteral("/Plant"));
}

TEST_F(ShellWindows, AStepWhoseWindowIsNotBuiltSaysSoAndDoesNothingElse)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant"));
    for (TLbButton* button : {main->Btn_Prm_Gen, main->Btn_SNMP_MIB, main->Btn_SNMP_Trap}) {
        seams->AnswerMessage(mrOk);
        main->Btn_Click(button);
    }
    ASSERT_EQ(seams->Shown().size(), 3u);
    for (const platform::ShownModal& shown : seams->Shown()) {
        EXPECT_EQ(shown.type, mtInformation);
        EXPECT_EQ(shown.text, QStringLiteral("This step is not available in this version of the program."));
    }
}

TEST_F(ShellWindows, CloseWritesTheSettingsFile)
{
    Start();
    main->Btn_Click(main->Btn_Close);
    const QByteArray settings = ReadFile(Folder(QStringLiteral("Marquell.xml")));
    EXPECT_TRUE(settings.contains("<language>English</language>")) << settings.constData();
    EXPECT_TRUE(settings.contains("<ipaddress>192.168.2.205</ipaddress>")) << settings.constData();
}

TEST_F(ShellWindows, ARememberedConfigurationWhoseFolderIsGoneOpensNothingAndIsKept)
{
    testsupport::WriteTestFile(
        QStringLiteral("Marquell.xml"),
        "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
    Start();

    EXPECT_TRUE(Path_Project.isEmpty());
    EXPECT_EQ(Name_Project, QStringLiteral("Gone"));
    EXPECT_EQ(main->L_Name_Conf->Caption(), Text(9));
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), Text(10));
    main->Close();
    EXPECT_TRUE(ReadFile(Folder(QStringLiteral("Marquell.xml"))).contains("<projectname>Gone</projectname>"));
}

TEST_F(ShellWindows, ARememberedConfigurationIsReopened)
{
    testsupport::WriteTestFile(QStringLiteral("PROJECTS/Plant/bin/.keep"), "");
    testsupport::WriteTestFile(
        QStringLiteral("Marquell.xml"),
        "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
    Start();

    EXPECT_EQ(Path_Project, Folder(QStringLiteral("PROJECTS/Plant")));
    EXPECT_EQ(File_ParGen, Folder(QStringLiteral("PROJECTS/Plant/ParGen.xml")));
    EXPECT_EQ(main->L_Name_Conf->Caption(), Text(11));
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), QStringLiteral("Plant"));
}

TEST_F(ShellWindows, TheTimerRunsFromTheStartWhenBothInternetOptionsAreSet)
{
    testsupport::WriteTestFile(QStringLiteral("Marquell.xml"),
                               "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                               "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
    Start();
    EXPECT_TRUE(main->Timer_Update->Enabled());
    EXPECT_EQ(main->Timer_Update->Interval(), 60000);
}

TEST_F(ShellWindows, HiddenExportStepsHandTheChosenFileToTheirEntryPoint)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant"));
    QStringList calls;
    for (const char* name : {"Export_EDE_File", "Write_EDS_File", "Export_GSDML_File", "Export_GSD_File"})
        Register_Command(QLatin1String(name), [&calls, name](const QString& argument, QString&) {
            calls << QLatin1String(name) + QLatin1Char(':') + argument;
            return true;
        });
    FakeWindow fileName;
    fileName.fields.insert(QStringLiteral("Name_File_XML"), QStringLiteral("GSDML-V2.3-Plant.xml"));
    Register_Window(QStringLiteral("FProfinetFileName"), fileName.Entry());
    const QString existing = Path_Project + QStringLiteral("/old.CSV");
    testsupport::WriteTestFile(QStringLiteral("PROJECTS/Plant/old.CSV"), "x");

    seams->ChooseFile(QStringLiteral("points"));
    main->Btn_Click(main->Btn_BACnet_EDE_File);
    seams->ChooseFile(existing);
    seams->AnswerMessage(mrNo);
    main->Btn_Click(main->Btn_BACnet_EDE_File);
    seams->ChooseFile(existing);
    seams->AnswerMessage(mrYes);
    main->Btn_Click(main->Btn_BACnet_EDE_File);
    seams->ChooseFile(QStringLiteral("node"));
    main->Btn_Click(main->Btn_CANopen_EDS);
    main->Btn_Click(main->Btn_PROFINET_XML);
    fileName.result = mrCancel;
    main->Btn_Click(main->Btn_PROFINET_XML);
    main->Btn_Click(main->Btn_PROFIBUS_GSD);

    EXPECT_EQ(calls, (QStringList{"Export_EDE_File:" + Path_Project + "/points.csv", "Export_EDE_File:" + existing,
                                  "Write_EDS_File:" + Path_Project + "/node.eds",
                                  "Export_GSDML_File:GSDML-V2.3-Plant.xml", "Export_GSD_File:"}));
    EXPECT_EQ(seams->Messages(), QStringList(2, Lang_Texts[1105]));
    EXPECT_EQ(seams->Shown()[0].initialDir, Path_Project);
    EXPECT_EQ(seams->Shown()[0].filter, QStringLiteral("CSV (MS-DOS) (*.csv)|*.csv"));
}

TEST_F(ShellWindows, TheHiddenScanStepAsksBeforeOverwritingANetworkAndPreparesTheScanWindow)
{
    Start();
    OpenConfiguration(QStringLiteral("Plant"));
    FakeWindow scan;
    Register_Window(QStringLiteral("FScanDecode"), scan.Entry());
    main->Btn_Click(main->Btn_ScanDecode);
    EXPECT_EQ(scan.shown, 1);
    EXPECT_EQ(scan.fields.value(QStringLiteral("FileName_MBus")).toString(), File_M_Bus);
    EXPECT_EQ(scan.fields.value(QStringLiteral("Form_Type")).toInt(), Get_Scan_Form_Type());
    EXPECT_EQ(scan.fields.value(QStringLiteral("XML_Code_Dev")).toInt(), Get_XML_Code_Dev());

    testsupport::WriteTestFile(QStringLiteral("PROJECTS/Plant/M_Bus.xml"), "<M_Bus/>");
    seams->AnswerMessage(mrNo);
    main->Btn_Click(main->Btn_ScanDecode);
    seams->AnswerMessage(mrYes);
    main->Btn_Click(main->Btn_ScanDecode);
    EXPECT_EQ(seams->Messages(), QStringList(2, Lang_Texts[35]));
    EXPECT_EQ(scan.shown, 2);
}
