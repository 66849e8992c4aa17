// The BACnet client table as the program starts it: opened by name, filled
// from an EDE file through the import dialog, saved by OK.

#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/buttons/LbButton.h"
#include "app/tables/network/bacnet/UBACnetAccess.h"
#include "app/tables/network/bacnet/UImportEDEFile.h"
#include "app/tables/network/UNetworkTablesStart.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/ui/controls/Edit.h"
#include "platform/xml/XmlDocument.h"

#include <QFile>

namespace {

class BACnetAccessFromProgram : public testsupport::ShellWindows {
protected:
    void TearDown() override
    {
        Clear_Window_Registry();
        Destroy_Network_Table_Windows();
        ShellWindows::TearDown();
    }
    static void Put(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(BACnetAccessFromProgram, OpensByNameImportsAnEDEFileAndSaves)
{
    Start();
    Create_Network_Table_Windows();
    OpenConfiguration(QStringLiteral("Plant"));
    Put(File_ParGen, "<Par_Gen><BACnet_Master_Type>0</BACnet_Master_Type></Par_Gen>");
    const QString ede = Path_Project + "/device.csv";
    Put(ede, "PROJECT_NAME; Telvor--Boiler;;;;;;\r\nVERSION_OF_REFERENCEFILE;1.0;;;;;;\r\n"
             "TIMESTAMP_OF_LAST_CHANGE;09:05:03 07/03/2024;;;;;;\r\nAUTHOR_OF_LAST_CHANGE;Telvor;;;;;;\r\n"
             "VERSION_OF_LAYOUT;2;;;;;;\r\n"
             "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;\r\n"
             "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;\r\n"
             "12_Flow_0;12;Flow;0;0;Water flow;62;\r\n"
             "12_Pump_0;12;Pump;4;0;Pump command;95;;;Y;\r\n"
             "12_Mode_0;12;Mode;19;0;Operating mode;95;\r\n");

    seams->HandleModal(*FBACnetAccess, [&] {
        seams->ChooseFile(ede);
        seams->HandleModal(*FImportEDEFile, [&] {
            FImportEDEFile->E_ID_IP->SetText(QStringLiteral("192.168.1.40"));
            platform::SaveScreenshot(*FImportEDEFile, QStringLiteral("ede_import"));
            FImportEDEFile->Btn_OK->Click();
        });
        FBACnetAccess->Btn_Import_CSV->Click();
        platform::SaveScreenshot(*FBACnetAccess, QStringLiteral("bacnet_access"));
        FBACnetAccess->Btn_OK->Click();
    });
    EXPECT_EQ(Show_Window(QStringLiteral("FBACnetAccess")), mrOk);
    EXPECT_EQ(seams->Messages(), QStringList());

    platform::XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(File_BACnet_Master_Access));
    const QList<platform::XmlElement> read = doc.Root().Child(QStringLiteral("BACnet_Read")).Children();
    const QList<platform::XmlElement> write = doc.Root().Child(QStringLiteral("BACnet_Write")).Children();
    ASSERT_EQ(read.size(), 3);
    ASSERT_EQ(write.size(), 1);
    EXPECT_EQ(read[2].Attribute(QStringLiteral("Position")), QStringLiteral("5"));
    EXPECT_EQ(write[0].Attribute(QStringLiteral("Object_Type")), QStringLiteral("Binary Output"));
    EXPECT_EQ(write[0].Attribute(QStringLiteral("Mnemonic")), QStringLiteral("Pump - Pump command"));
}

} // namespace
