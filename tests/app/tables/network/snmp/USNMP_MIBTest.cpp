// The SNMP MIB export: the module byte for byte, the rows it takes from
// "SNMP_Trap.xml", the files it refuses, and the checker's verdict.

#include "tests/app/tables/network/snmp/SnmpAccessFixture.h"
#include "tests/app/tables/network/snmp/Smilint.h"

#include "app/tables/network/snmp/USNMP_MIB.h"

namespace {

class SnmpMib : public SnmpAccess {
protected:
    QString Export()
    {
        QString error;
        EXPECT_TRUE(Export_SNMP_MIB(mib, error)) << error.toStdString();
        return Read(mib);
    }
    static QStringList Lines(const QString& text) { return text.split("\r\n"); }

    void SetUp() override
    {
        SnmpAccess::SetUp();
        mib = Path_Project + "/gateway.mib";
    }

    QString mib;
};

const char* const Rows = R"(<SNMP_Trap><SNMP_Trap_Read>)"
                         R"(<row Enable="Y" Type="int" Description="temp"/>)"
                         R"(<row Enable="N" Type="Int" Description="off"/>)"
                         R"(<row Enable="y" Description=""/>)"
                         R"(</SNMP_Trap_Read><SNMP_Trap_Write>)"
                         R"(<row Enable="Y" Type="String" Description="set"/>)"
                         R"(</SNMP_Trap_Write></SNMP_Trap>)";

TEST_F(SnmpMib, WithoutTheTableFileTheSkeletonHas56Lines)
{
    const QString text = Export();
    EXPECT_EQ(text.count("\r\n"), 56);
    EXPECT_EQ(text.count('\n'), 56);
    EXPECT_TRUE(text.endsWith("END\r\n"));
    const QStringList lines = Lines(text);
    EXPECT_EQ(lines[2], "       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE");
    EXPECT_EQ(lines[10], "    LAST-UPDATED \"201701310000Z\"");
    EXPECT_EQ(lines[11], "    ORGANIZATION \"www.example.com\"");
    EXPECT_EQ(lines[13], "\t \"1 Example Street");
    EXPECT_EQ(lines[16], "    email:    example.com\"");
    EXPECT_EQ(lines[26], "telvor          OBJECT IDENTIFIER ::= { enterprises 32473 }");
    EXPECT_EQ(lines[30], "hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION \"\" ::= { data 1}");
    EXPECT_EQ(lines[41], "bufferinblk8 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION \"data block n.8\" ::= { bufferin 8 }");
    EXPECT_EQ(lines[42], " bufferinval OBJECT IDENTIFIER::= { bufferin 9 }");
    EXPECT_EQ(lines[43], "bufferout OBJECT IDENTIFIER::= { data 5 }");
    EXPECT_EQ(lines[52], " bufferoutval OBJECT IDENTIFIER::= { bufferout 9 }");
    EXPECT_EQ(lines[54], " trapsval OBJECT IDENTIFIER::= { traps 1 }");
}

TEST_F(SnmpMib, EnabledRowsGiveObjectsAndNotifications)
{
    Write(File_SNMP_Trap, Rows);
    const QStringList lines = Lines(Export());
    EXPECT_EQ(lines.size(), 62);
    EXPECT_EQ(lines[43], "temp OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION \"temp\" ::= { bufferinval 1 }");
    EXPECT_EQ(lines[44], "bufferinval2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION \"\" ::= { bufferinval 2 }");
    EXPECT_EQ(lines[55], "set OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current DESCRIPTION \"set\" ::= { bufferoutval 1 }");
    EXPECT_EQ(lines[58], "trapval1 NOTIFICATION-TYPE OBJECTS { temp } STATUS current DESCRIPTION \"temp\" ::= { trapsval 1 }");
    EXPECT_EQ(lines[59], "trapval2 NOTIFICATION-TYPE OBJECTS { bufferinval2 } STATUS current DESCRIPTION \"\" ::= { trapsval 2 }");
    EXPECT_EQ(lines[60], "END");
    EXPECT_EQ(MIB_Read_Desc.Count(), 2);
    EXPECT_EQ(MIB_Int_Flags.read, QList<bool>({true, false}));
    EXPECT_EQ(MIB_Int_Flags.write, QList<bool>({false}));
}

TEST_F(SnmpMib, AnExistingFileIsReplacedOnlyAfterYes)
{
    Write(mib, "old");
    seams->AnswerMessage(mrNo);
    QString error;
    EXPECT_TRUE(Export_SNMP_MIB(mib, error));
    EXPECT_EQ(Read(mib), "old");
    EXPECT_EQ(seams->Messages(), QStringList({"File already exists. Do you want to overwrite?"}));
    seams->AnswerMessage(mrYes);
    EXPECT_TRUE(Export_SNMP_MIB(mib, error));
    EXPECT_TRUE(Read(mib).startsWith("GATEWAY DEFINITIONS ::= BEGIN\r\n"));
}

TEST_F(SnmpMib, ATableFileTheMibCannotHoldWritesNothing)
{
    struct Case {
        const char* file;
        QString error; // empty: exported
    };
    const QString bad = "Error!! The SNMP MIB is not written: the SNMP table file holds a Description that cannot be a MIB object name: ";
    const QString twice = "Error!! The SNMP MIB is not written: the SNMP table file holds the same Description twice: ";
    const QString lacks = "Error!! The SNMP MIB is not written: the SNMP table file lacks the section ";
    const Case cases[] = {
        {"<SNMP_Trap><SNMP_Trap_Read>", "Error!! The SNMP MIB is not written: the SNMP table file cannot be read: "},
        {"<SNMP_Trap><SNMP_Trap_Read/></SNMP_Trap>", lacks + "SNMP_Trap_Write"},
        {"<SNMP_Trap><SNMP_Trap_Write/></SNMP_Trap>", lacks + "SNMP_Trap_Read"},
        {R"(<SNMP_Trap><SNMP_Trap_Read><row Enable="Y" Description="countin"/></SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>)", bad + "countin"},
        {R"(<SNMP_Trap><SNMP_Trap_Read/><SNMP_Trap_Write><row Enable="Y" Description="Temp"/></SNMP_Trap_Write></SNMP_Trap>)", bad + "Temp"},
        {R"(<SNMP_Trap><SNMP_Trap_Read><row Enable="Y" Description="trapval12"/></SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>)", bad + "trapval12"},
        {R"(<SNMP_Trap><SNMP_Trap_Read><row Enable="Y" Description="temp"/></SNMP_Trap_Read><SNMP_Trap_Write><row Enable="Y" Description="temp"/></SNMP_Trap_Write></SNMP_Trap>)", twice + "temp"},
        {R"(<SNMP_Trap><SNMP_Trap_Read><row Enable="N" Description="countin"/><row Enable="Y"/><row Enable="Y"/></SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>)", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        QFile::remove(mib);
        Write(File_SNMP_Trap, c.file);
        QString error;
        EXPECT_EQ(Export_SNMP_MIB(mib, error), c.error.isEmpty());
        EXPECT_TRUE(c.error.isEmpty() ? error.isEmpty() : error.startsWith(c.error)) << error.toStdString();
        EXPECT_EQ(QFile::exists(mib), c.error.isEmpty());
    }
}

TEST_F(SnmpMib, AFailedSaveGivesItsReason)
{
    QString error;
    EXPECT_FALSE(Export_SNMP_MIB(Path_Project + "/missing/gateway.mib", error));
    EXPECT_TRUE(error.startsWith("Error!! The SNMP MIB file cannot be written: ")) << error.toStdString();
    EXPECT_GT(error.size(), 50);
}

TEST_F(SnmpMib, TheExportPassesTheChecker)
{
    SKIP_WITHOUT_SMILINT();
    EXPECT_NE(testsupport::SmilintReport(mib + "-none"), "") << "a missing file is reported";
    Export();
    EXPECT_EQ(testsupport::SmilintReport(mib), "");
    Write(File_SNMP_Trap, Rows);
    QFile::remove(mib);
    Export();
    EXPECT_EQ(testsupport::SmilintReport(mib), "");
}

TEST_F(SnmpMib, TheCheckerFindsWhatTheExportAvoids)
{
    SKIP_WITHOUT_SMILINT();
    // A name of the module written past the editor's checks.
    MIB_Read_Desc.Clear();
    MIB_Read_Desc.Add("countin");
    MIB_Write_Desc.Clear();
    MIB_Int_Flags = {{true}, {}};
    QString error;
    ASSERT_TRUE(Write_MIB_File(mib, error));
    EXPECT_TRUE(testsupport::SmilintReport(mib).contains("redefinition of identifier `countin'"));

    // A notification with the clauses of an object.
    MIB_Read_Desc.Clear();
    MIB_Read_Desc.Add("temp");
    QStringList lines = MIB_Lines();
    const int notification = int(lines.size()) - 2;
    ASSERT_TRUE(lines[notification].startsWith("trapval1 NOTIFICATION-TYPE OBJECTS"));
    lines[notification] = "trapval1 NOTIFICATION-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION "
                          "\"temp\" ::= { trapsval 1 }";
    Write(mib, lines.join("\r\n") + "\r\n");
    EXPECT_TRUE(testsupport::SmilintReport(mib).contains("syntax error")) << testsupport::SmilintReport(mib).toStdString();

    // Without the import of NOTIFICATION-TYPE.
    lines = MIB_Lines();
    lines[2] = "       MODULE-IDENTITY,OBJECT-TYPE";
    Write(mib, lines.join("\r\n") + "\r\n");
    EXPECT_TRUE(testsupport::SmilintReport(mib).contains("has not been imported"));
}

} // namespace
