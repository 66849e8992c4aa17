// The network table steps as the program starts them: the LoRaWAN and SNMP
// editors opened by the main window's buttons and relabelled by its language
// change, the SNMP MIB export, and the main road from New to Update Device.

#include "tests/app/shell/ShellWindowsFixture.h"

#include "tests/app/tables/network/snmp/Smilint.h"

#include "app/communication/UBoot.h"
#include "app/communication/UCommunicationStart.h"
#include "app/communication/UParGen.h"
#include "app/shell/buttons/LbButton.h"
#include "app/shell/dialogs/UNew_Project.h"
#include "app/tables/network/UNetworkTablesStart.h"
#include "app/tables/network/lorawan/ULoRa_Set_Access.h"
#include "app/tables/network/snmp/USNMP_Trap_Access.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/net/Ping.h"
#include "platform/ui/controls/Edit.h"

#include <QFile>
#include <QFileInfo>

namespace {

class LoRaAccessFromMain : public testsupport::ShellWindows {
protected:
    void TearDown() override
    {
        Clear_Window_Registry();
        Destroy_Network_Table_Windows();
        Destroy_Communication_Windows();
        ShellWindows::TearDown();
    }
};

struct AnsweringPinger : platform::Pinger {
    platform::PingReply Echo(const QString&, const QByteArray& data, int) override
    {
        return {platform::PingReply::Status::Answered, int(data.size()), {}};
    }
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void FillRow(TExColumnGrid* grid, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        grid->SetAllCells(c + 1, row, cells[c]);
}

TEST_F(LoRaAccessFromMain, StepButtonOpensTheEditorAndTheLanguageRelabelsIt)
{
    Start();
    Create_Network_Table_Windows();
    OpenConfiguration(QStringLiteral("Plant"));
    QFile parameters(File_ParGen);
    ASSERT_TRUE(parameters.open(QIODevice::WriteOnly));
    parameters.write("<Par_Gen><LoRa_Payload_Size>51</LoRa_Payload_Size></Par_Gen>");
    parameters.close();

    seams->HandleModal(*FLoRa_Set_Access, [] {
        FLoRa_Set_Access->ACG_LoRa_Uplink()->SetAllCells(2, 1, QStringLiteral("10"));
        FLoRa_Set_Access->ACG_LoRa_Uplink()->SetAllCells(3, 1, QStringLiteral("4"));
        FLoRa_Set_Access->Btn_OK->Click();
    });
    main->Btn_Click(main->Btn_LoRaWAN_Access);
    EXPECT_EQ(seams->Messages(), QStringList());
    EXPECT_TRUE(QFile::exists(File_LoRaWAN_SetAccess));

    Lang_Texts.SetStrings(1200, QStringLiteral("LoRaWAN table"));
    Lang_Texts.SetStrings(1218, QStringLiteral("First byte"));
    Lang_Texts.SetStrings(6208, QStringLiteral("Read table"));
    main->Change_Language();
    EXPECT_EQ(FLoRa_Set_Access->Caption(), QStringLiteral("LoRaWAN table"));
    EXPECT_EQ(FLoRa_Set_Access->ACG_LoRa_Uplink()->Columns()->Items(2)->Header(), QStringLiteral("First byte"));
    EXPECT_EQ(FSNMP_Trap_Access->Sheets[0]->Caption(), QStringLiteral("Read table"));
}

TEST_F(LoRaAccessFromMain, SnmpMibAsksForTheFileInTheConfigurationFolder)
{
    Start();
    Create_Network_Table_Windows();
    OpenConfiguration(QStringLiteral("Plant"));
    seams->CancelFile();
    main->Btn_Click(main->Btn_SNMP_MIB);
    ASSERT_EQ(seams->Shown().size(), 1u);
    EXPECT_EQ(seams->Shown()[0].kind, platform::ModalKind::SaveDialog);
    EXPECT_EQ(seams->Shown()[0].initialDir, Path_Project);
    EXPECT_EQ(seams->Shown()[0].filter, QStringLiteral("Management Information Base (*.mib)|*.mib"));
    EXPECT_EQ(QDir(Path_Project).entryList(QDir::Files), QStringList());

    // A table file the MIB cannot hold: the main window's error box, no file.
    QFile table(File_SNMP_Trap);
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("<SNMP_Trap><SNMP_Trap_Read/></SNMP_Trap>");
    table.close();
    seams->ChooseFile(QStringLiteral("gateway"));
    seams->AnswerMessage(mrOk);
    main->Btn_Click(main->Btn_SNMP_MIB);
    EXPECT_EQ(seams->Shown().back().type, mtError);
    EXPECT_TRUE(seams->Messages().last().endsWith(QStringLiteral("SNMP_Trap_Write")));
    EXPECT_FALSE(QFile::exists(Path_Project + QStringLiteral("/gateway.mib")));
}

TEST_F(LoRaAccessFromMain, MainRoadFromNewToUpdateDevice)
{
    AnsweringPinger pinger;
    platform::SetPingerForTesting(&pinger);
    Start();
    Create_Communication_Windows();
    Create_Network_Table_Windows();
    const QString program = Path_Exe + QStringLiteral("/Ethernet_Update");
    ASSERT_TRUE(QFile::copy(QStringLiteral(FAKE_PROGRAM_PATH), program));

    seams->HandleModal(*FNew_Project, [] {
        FNew_Project->E_New_Proj->SetText(QStringLiteral("Road"));
        FNew_Project->Btn_OK->Click();
    });
    main->Btn_Click(main->Btn_New);
    ASSERT_EQ(Name_Project, QStringLiteral("Road"));

    seams->HandleModal(*FParGen, [] { FParGen->Btn_OK->Click(); });
    main->Btn_Click(main->Btn_Prm_Gen);
    ASSERT_TRUE(QFile::exists(File_ParGen));

    seams->HandleModal(*FLoRa_Set_Access, [] {
        FillRow(FLoRa_Set_Access->ACG_LoRa_Uplink(), 1, {"Y", "10", "4", "N", "N", "N", "", "", "up"});
        FLoRa_Set_Access->Btn_OK->Click();
    });
    main->Btn_Click(main->Btn_LoRaWAN_Access);

    seams->HandleModal(*FSNMP_Trap_Access, [] {
        FillRow(FSNMP_Trap_Access->ACG_SNMP_Read(), 1,
                {"Y", "Quarry", "Int", "Y", "N", "N", "", "10", "0", "16", "temp", "192.168.1.10", "Float * 10", "t"});
        FillRow(FSNMP_Trap_Access->ACG_SNMP_Write(), 1,
                {"Y", "Lantern", "String", "20", "0", "4", "label", "None", "l"});
        FSNMP_Trap_Access->Btn_OK->Click();
    });
    main->Btn_Click(main->Btn_SNMP_Trap);

    seams->ChooseFile(QStringLiteral("gateway"));
    main->Btn_Click(main->Btn_SNMP_MIB);
    const QString mib = Path_Project + QStringLiteral("/gateway.mib");
    ASSERT_TRUE(QFile::exists(mib));

    seams->HandleModal(*FBoot, [] {
        for (TEdit* edit : {FBoot->E_IP1, FBoot->E_IP2, FBoot->E_IP3, FBoot->E_IP4})
            edit->SetText(edit == FBoot->E_IP1 ? "127" : edit == FBoot->E_IP4 ? "1" : "0");
        FBoot->Btn_UpdateClick(FBoot->Btn_Update);
        FBoot->SetModalResult(mrCancel);
    });
    main->Btn_Click(main->Btn_CreateBin);
    EXPECT_EQ(seams->Messages(), QStringList());

    const QByteArray bank1 = ReadAll(Path_Project + QStringLiteral("/bin/bank1.bin"));
    const QByteArray bank2 = ReadAll(Path_Project + QStringLiteral("/bin/bank2.bin"));
    ASSERT_EQ(bank1.size(), 2048);
    ASSERT_EQ(bank2.size(), 32768);
    EXPECT_EQ(bank1.mid(0x59C, 8).toHex(' '), QByteArray("01 00 00 00 01 00 00 00"));
    const QByteArray read = bank2.mid(0x2000, 48);
    const QByteArray write = bank2.mid(0x2000 + 256 * 48, 48);
    EXPECT_EQ(read.left(8).toHex(' '), QByteArray("0a 00 00 00 10 00 02 09"));
    EXPECT_EQ(read.mid(12, 6), QByteArray("Quarry"));
    EXPECT_EQ(read.mid(44, 4).toHex(' '), QByteArray("0a 01 a8 c0"));
    EXPECT_EQ(write.left(8).toHex(' '), QByteArray("14 00 00 00 20 00 00 00"));
    EXPECT_EQ(write.mid(28, 6), QByteArray("label\0", 6));
    if (testsupport::HasSmilint())
        EXPECT_EQ(testsupport::SmilintReport(mib), QString());
    else
        std::puts("smilint (Debian smitools) is not installed: the MIB is not checked");
    platform::SetPingerForTesting(nullptr);
}

} // namespace
