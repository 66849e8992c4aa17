// The editor's "SNMP_Trap.xml" as the bank image builder reads it: the same
// trap tables as a hand-written file of the same rows.

#include "tests/app/tables/network/snmp/SnmpAccessFixture.h"

#include "app/communication/USaveBincc.h"

namespace {

struct Banks {
    QByteArray traps; // bank 2 from 0x2000
    QByteArray counts; // bank 1 at 0x59C: read and write counts
};

Banks Build()
{
    QString error;
    EXPECT_TRUE(Compile_Bin_Banks(error)) << error.toStdString();
    return {Bank2_Buffer().mid(0x2000), Bank1_Buffer().mid(0x59C, 8)};
}

TEST_F(SnmpAccess, BuilderReadsTheEditorsFileAsAHandWrittenOne)
{
    ASSERT_EQ(Open([&] {
                  Fill(Rd(), 1, {"Y", "public", "String", "Y", "N", "Y", "500", "10", "0", "4", "temp",
                                 "192.168.1.10", "Float * 10", "m"});
                  Fill(Rd(), 2, {"N", "off", "Int", "N", "N", "N", "", "1", "0", "8", "off", "1.2.3.4", "None", ""});
                  Fill(Rd(), 3, {"Y", "Lantern", "Int", "N", "Y", "N", "", "20", "3", "16", "", "10.0.0.1", "None", ""});
                  Fill(Wr(), 1, {"Y", "public", "Int", "12", "0", "16", "set", "Int * 100", "w"});
                  editor->Btn_OK->Click();
              }),
              mrOk);
    const Banks fromEditor = Build();

    Write(File_SNMP_Trap,
          R"(<SNMP_Trap><SNMP_Trap_Read>)"
          R"(<row Enable="Y" Community_Name="public" Type="String" On_Change="Y" On_Command="N" On_Timer="Y" Time="500" Position="10" Bit="0" NumBits="4" Description="temp" IP_Address="192.168.1.10" Conversion="Float * 10"/>)"
          R"(<row Enable="N" Community_Name="off" Type="Int" Position="1" Bit="0" NumBits="8"/>)"
          R"(<row Enable="Y" Community_Name="Lantern" Type="Int" On_Change="N" On_Command="Y" On_Timer="N" Time="" Position="20" Bit="3" NumBits="16" Description="" IP_Address="10.0.0.1" Conversion="None"/>)"
          R"(</SNMP_Trap_Read><SNMP_Trap_Write>)"
          R"(<row Enable="Y" Community_Name="public" Type="Int" Position="12" Bit="0" NumBits="16" Description="set" Conversion="Int * 100"/>)"
          R"(</SNMP_Trap_Write></SNMP_Trap>)");
    const Banks handWritten = Build();
    EXPECT_EQ(fromEditor.traps, handWritten.traps);
    EXPECT_EQ(fromEditor.counts.toHex(' '), QByteArray("02 00 00 00 01 00 00 00"));
    EXPECT_EQ(handWritten.counts, fromEditor.counts);

    // The first read entry: size in bits, conversion code, flags, address.
    const QByteArray entry = fromEditor.traps.left(48);
    EXPECT_EQ(entry.mid(4, 2).toHex(' '), QByteArray("20 00"));
    EXPECT_EQ(quint8(entry[6]), 2);
    EXPECT_EQ(quint8(entry[7]), 0x05);
    EXPECT_EQ(entry.mid(44, 4).toHex(' '), QByteArray("0a 01 a8 c0"));
    EXPECT_EQ(entry.mid(28, 5), QByteArray("temp\0", 5));
}

} // namespace
