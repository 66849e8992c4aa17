// The editor's file as the bank image builder reads it: the same bank 2 as a
// hand-written file of the same rows.

#include "tests/app/tables/network/lorawan/LoRaAccessFixture.h"

#include "app/communication/USaveBincc.h"

namespace {

QByteArray BuildBank2()
{
    QString error;
    EXPECT_TRUE(Compile_Bin_Banks(error)) << error.toStdString();
    return Bank2_Buffer();
}

TEST_F(LoRaAccess, BuilderReadsTheEditorsFileAsAHandWrittenOne)
{
    struct Case {
        const char* fport;
        QStringList up;   // from column 1, FPort at column 8
        QStringList down; // from column 1, FPort at column 4
        const char* handUp;
        const char* handDown;
    };
    const Case cases[] = {
        {"Fixed",
         {"Y", "10", "4", "Y", "N", "Y", "60", "", "temp"},
         {"Y", "100", "2", "", "set"},
         R"(<row Enable="Y" StartByte="10" NumByte="4" OnChange="Y" OnCMD="N" OnTimer="Y" Time="60" FPort="" Mnemonic="temp"/>)",
         R"(<row Enable="Y" StartByte="100" NumByte="2" FPort="" Mnemonic="set"/>)"},
        {"Variable",
         {"Y", "10", "4", "N", "Y", "N", "", "7", "temp"},
         {"Y", "100", "2", "9", "set"},
         R"(<row Enable="Y" StartByte="10" NumByte="4" OnChange="N" OnCMD="Y" OnTimer="N" Time="" FPort="7" Mnemonic="temp"/>)",
         R"(<row Enable="Y" StartByte="100" NumByte="2" FPort="9" Mnemonic="set"/>)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fport);
        WriteParGen("51", c.fport);
        ASSERT_EQ(Open([&] {
                      Fill(Up(), 1, c.up);
                      Fill(Up(), 2, {"N", "20", "1"});
                      Fill(Down(), 1, c.down);
                      editor->Btn_OK->Click();
                  }),
                  mrOk);
        const QByteArray fromEditor = BuildBank2();
        Write(File_LoRaWAN_SetAccess, QString("<LoRaWAN_Set_Access><LoRaWAN_Uplink>") + c.handUp
                                          + "<row Enable=\"N\" StartByte=\"20\" NumByte=\"1\"/></LoRaWAN_Uplink>"
                                          + "<LoRaWAN_Downlink>" + c.handDown
                                          + "</LoRaWAN_Downlink></LoRaWAN_Set_Access>");
        EXPECT_EQ(fromEditor, BuildBank2());
    }
}

TEST_F(LoRaAccess, FixedFPortUplinkEntryBytes)
{
    WriteParGen("51", "Fixed");
    ASSERT_EQ(Open([&] {
                  Fill(Up(), 1, {"Y", "10", "4", "Y", "N", "Y", "60"});
                  editor->Btn_OK->Click();
              }),
              mrOk);
    const QByteArray bank2 = BuildBank2();
    const QByteArray expected = QByteArray::fromHex("0A000400050200003C000000");
    EXPECT_EQ(bank2.mid(0x400, 12).toHex(' '), expected.toHex(' '));
}

} // namespace
