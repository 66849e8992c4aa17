// The LoRaWAN access editor as the program starts it: opened by the main
// window's "Set LoRaWAN Access" and relabelled by its language change.

#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/LbButton.h"
#include "app/tables/network/UNetworkTablesStart.h"
#include "app/tables/network/ULoRa_Set_Access.h"
#include "grid/cells/ExColumnGrid.h"

#include <QFile>

namespace {

class LoRaAccessFromMain : public testsupport::ShellWindows {
protected:
    void TearDown() override
    {
        Clear_Window_Registry();
        Destroy_Network_Table_Windows();
        ShellWindows::TearDown();
    }
};

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
    main->Change_Language();
    EXPECT_EQ(FLoRa_Set_Access->Caption(), QStringLiteral("LoRaWAN table"));
    EXPECT_EQ(FLoRa_Set_Access->ACG_LoRa_Uplink()->Columns()->Items(2)->Header(), QStringLiteral("First byte"));
}

} // namespace
