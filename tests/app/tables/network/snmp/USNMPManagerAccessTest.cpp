// The SNMP manager table: each row's checks in their order, the duplicate
// requests, the character budget, and its one-table file.

#include "app/tables/network/snmp/USNMPManagerAccess.h"
#include "tests/app/tables/common/TableEditorFixture.h"

#include "platform/xml/XmlDocument.h"

namespace {

class SnmpManager : public TableEditorTest<TFSNMPManagerAccess> {
protected:
    void SetUp() override
    {
        StartProject();
        File_SNMP_Manager = Path_Project + "/SNMP_Manager.xml";
        CreateEditor();
    }

    TExColumnGrid* Grid() const { return editor->ACG_SNMP(); }

    // A row from column 1 that passes every check.
    static QStringList Row(const QString& ip = "192.168.1.10", const QString& oid = "1.3.6.1")
    {
        return {"Y", ip, "2", "public", oid, "Int", "Get", "N", "N", "N", "", "0", "4", "None", "N",
                "", "", "", "", "", "", "m"};
    }
    using Change = std::pair<int, QString>; // column, text
    static QStringList With(QStringList row, const QList<Change>& changes)
    {
        for (const auto& [column, text] : changes)
            row[column - 1] = text;
        return row;
    }

    // Shows the editor, fills rows 1, 2, ... and presses OK; the boxes shown.
    QStringList PressOK(const QList<QStringList>& rows, bool fault)
    {
        QFile::remove(File_SNMP_Manager);
        const int before = int(seams->Messages().size());
        const TModalResult result = Open([&] {
            for (int i = 0; i < rows.size(); ++i)
                Fill(Grid(), i + 1, rows[i]);
            if (fault)
                seams->AnswerMessage(mrOk);
            editor->Btn_OK->Click();
        });
        EXPECT_EQ(result, fault ? mrCancel : mrOk);
        EXPECT_EQ(QFile::exists(File_SNMP_Manager), !fault);
        return seams->Messages().mid(before);
    }
};

TEST_F(SnmpManager, RowChecksStopAtTheFirstFault)
{
    const QString digits129 = "1." + QString(127, u'2');
    struct Case {
        QList<std::pair<int, QString>> changes;
        const char* fault; // empty: passes
    };
    const Case cases[] = {
        {{}, ""},
        {{{2, "192.168.1"}}, "!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {{{2, " 192.168.1.10 "}}, ""},
        {{{5, ".1"}}, "!! OID string cannot start with a \".\""},
        {{{5, "1."}}, "!! OID string cannot finish with a \".\""},
        {{{5, "1..2"}}, "!! OID string cannot contains two or more consecutive \".\""},
        {{{5, "1.a"}}, "!! OID string can contains only number and \".\""},
        {{{5, ""}}, "!! OID string can contains only number and \".\""},
        {{{5, digits129}}, "!! OID string is too much length"},
        {{{5, "1.4294967296"}}, "!! OID string cannot contains number major of $FFFFFFFF between two \".\""},
        {{{5, "1.4294967295"}}, ""},
        {{{10, "Y"}, {11, "0"}}, "!! Time must be between 1 and 100000000 ms"},
        {{{10, "Y"}, {11, "100000001"}}, "!! Time must be between 1 and 100000000 ms"},
        {{{10, " Y "}, {11, "500 "}}, "!! Time must be between 1 and 100000000 ms"},
        {{{10, "Y"}, {11, "100000000"}}, ""},
        {{{10, "Y"}, {11, "x1F4"}}, ""},
        {{{10, "y"}, {11, "0"}}, ""},
        {{{10, "N"}, {11, "abc"}}, ""},
        {{{13, "1025"}}, "!! Number bytes must be between 0 and 1024"},
        {{{13, ""}}, "!! Number bytes must be between 0 and 1024"},
        {{{13, "1024"}}, ""},
        {{{13, "X400"}}, ""},
        {{{14, " "}}, "!! Conversion not selected"},
        {{{3, "3"}, {19, "Auth NoPriv"}}, "!! Auth Mode must be selected"},
        {{{3, "3"}, {19, "Auth NoPriv"}, {20, "MD5"}}, ""},
        {{{3, "3"}, {19, "Auth Priv"}, {20, "MD5"}}, "!! Priv Mode must be selected"},
        {{{3, "3"}, {19, "Auth Priv"}, {20, "SHA"}, {21, "DES"}}, ""},
        {{{3, "3"}, {19, ""}}, "!! Auth Mode must be selected"},
        {{{3, "3"}, {19, ""}, {20, "MD5"}}, "!! Priv Mode must be selected"},
        {{{3, "3"}, {19, "NoAuth NoPriv"}}, ""},
        {{{3, "2"}, {19, "Auth Priv"}}, ""},
        // with two faults the first shows
        {{{2, "bad"}, {5, ".1"}}, "!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {{{13, "2000"}, {14, ""}}, "!! Number bytes must be between 0 and 1024"},
        // Enable is compared trimmed, not upper-cased
        {{{1, " Y "}, {5, "1."}}, "!! OID string cannot finish with a \".\""},
        {{{1, "y"}, {5, "1."}}, ""},
    };
    for (const Case& c : cases) {
        const QStringList row = With(Row(), c.changes);
        SCOPED_TRACE(row.join(',').toStdString());
        EXPECT_EQ(PressOK({row}, *c.fault), *c.fault ? QStringList{"Error row 1" + QString(c.fault)} : QStringList());
    }
}

TEST_F(SnmpManager, TwoEnabledRowsMayNotAskTheSameDeviceForTheSameObject)
{
    const QString same = "Error in rows 1 and 2!! Same IP Address, Version and OID used";
    struct Case {
        QList<QStringList> rows;
        QString message; // empty: passes
    };
    const Case cases[] = {
        {{Row("10.0.0.1"), Row("10.0.0.1")}, same},
        {{Row("10.0.0.1"), With(Row(" 10.0.0.1"), {{3, "2 "}, {5, "1.3.6.1"}})}, same},
        {{Row("10.0.0.1"), With(Row("10.0.0.1"), {{1, "N"}})}, ""},
        {{Row("10.0.0.1"), With(Row("10.0.0.1"), {{3, "1"}})}, ""},
        {{Row("10.0.0.1"), Row("10.0.0.2"), Row("10.0.0.1"), Row("10.0.0.2")},
         "Error in rows 1 and 3!! Same IP Address, Version and OID used"},
        // a row fault comes before any pair
        {{Row("10.0.0.1"), Row("10.0.0.1"), With(Row(), {{13, "2000"}})},
         "Error row 3!! Number bytes must be between 0 and 1024"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(PressOK(c.rows, !c.message.isEmpty()), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

// Each valid OID takes its length and a terminating zero of the budget, as
// do a version 3 row's User and the passwords of the flags in use; community
// names take nothing.
TEST_F(SnmpManager, TheTextsOfAllRowsMustFitTheBudget)
{
    const QString community(200, u'c');
    QList<QStringList> rows;
    for (int i = 0; i < 365; ++i) {
        const QString oid = QString("1.").repeated(60) + QString::number(i).rightJustified(8, u'0');
        ASSERT_EQ(oid.size(), 128);
        rows << With(Row("10.0.0.1", oid), {{4, community}});
    }
    rows[364] = With(rows[364], {{3, "3"}, {19, "NoAuth NoPriv"}, {17, QString(500, u'a')}, {18, QString(500, u'p')}});

    rows[364][15] = QString(17, u'u'); // 1 + 365 * 129 + 18 = 47104
    EXPECT_EQ(PressOK(rows, false), QStringList());

    rows[364][15] = QString(18, u'u');
    EXPECT_EQ(PressOK(rows, true),
              QStringList{"Error!! Too many charaters used for Community Name / User, OID, AuthPass and PrivPass"});

    // The passwords count once their security level uses them.
    rows[364][15] = QString(17, u'u');
    rows[364][18] = "Auth NoPriv";
    rows[364][19] = "MD5";
    EXPECT_EQ(PressOK(rows, true).size(), 1);

    // Every row is checked before the budget.
    rows[364][18] = "NoAuth NoPriv";
    rows[364][15] = QString(18, u'u');
    rows << With(Row(), {{2, "x"}});
    EXPECT_EQ(PressOK(rows, true), QStringList{"Error row 366!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"});
}

TEST_F(SnmpManager, FreshOkWritesTheRootAndTheComment)
{
    EXPECT_EQ(Open([&] { editor->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(Read(File_SNMP_Manager).toStdString(), "<SNMP_Manager_Access/><!--SW_VERSION = 1.000-->");
}

TEST_F(SnmpManager, AFixtureIsWrittenBackByteForByte)
{
    const QString fixture = Read(CONFIGURATOR_FIXTURES "/tables/SNMP_Manager.xml");
    ASSERT_FALSE(fixture.isEmpty());
    Write(File_SNMP_Manager, fixture);
    EXPECT_EQ(Open([&] {
                  EXPECT_EQ(Grid()->AllCells(2, 1), " 192.168.1.20");
                  EXPECT_EQ(Grid()->AllCells(22, 2), " spare  row ");
                  EXPECT_EQ(editor->UsedRows(0), 3);
                  editor->Btn_OK->Click();
              }),
              mrOk);
    EXPECT_EQ(Read(File_SNMP_Manager).toStdString(), fixture.toStdString());
}

TEST_F(SnmpManager, MissingAttributesTakeTheirDefaults)
{
    Write(File_SNMP_Manager, "<Other><row IP_Address=\"10.0.0.1\"/><anything OID=\"1.2\" Enable=\"N\"/></Other>");
    Open([&] {
        EXPECT_EQ(RowOf(Grid(), 1, 23), QStringList({"Y", "10.0.0.1", "", "", "", "", "", "N", "N", "N", "", "", "",
                                                     "None", "N", "", "", "", "", "", "", ""}));
        EXPECT_EQ(RowOf(Grid(), 2, 23), QStringList({"N", "", "", "", "1.2", "", "", "N", "N", "N", "", "", "",
                                                     "None", "N", "", "", "", "", "", "", ""}));
        EXPECT_EQ(editor->UsedRows(0), 1);
    });
}

TEST_F(SnmpManager, WindowColumnsAndTexts)
{
    EXPECT_EQ(editor->ClientWidth(), 1230);
    EXPECT_EQ(editor->ClientHeight(), 337);
    EXPECT_EQ(editor->PageControl, nullptr);
    EXPECT_EQ(editor->Font().Name(), "Verdana");
    EXPECT_EQ(editor->Font().Height(), -11);
    EXPECT_EQ(editor->Caption(), "Set SNMP Manager Access");
    EXPECT_EQ(Grid()->Name(), "ACG_SNMP");
    EXPECT_EQ(Grid()->ColCount(), 23);
    EXPECT_EQ(Grid()->Columns()->Items(0)->Header(), "N");
    EXPECT_EQ(Grid()->Columns()->Items(14)->Header(), "Conversion");
    EXPECT_EQ(Grid()->Columns()->Items(19)->ComboItems()->Count(), 3);
    EXPECT_EQ(Grid()->Columns()->Items(4)->Editor(), edComboEdit);
    EXPECT_EQ(editor->Btn_PasteRow->Hint(), "Paste the fields in the selected row");
    QString hint;
    editor->GridHint(Grid(), 0, 21, hint);
    EXPECT_EQ(hint, "Select the Privacy Mode (only if Security Level is set to \"Auth Priv\"");
    EXPECT_FALSE(Grid()->OnClickCell);
    Open([&] {
        EXPECT_EQ(Grid()->RowCount(), 513);
        EXPECT_EQ(Grid()->AllCells(0, 512), "512");
        EXPECT_EQ(Grid()->Columns()->Items(12)->ComboItems()->Count(), 1440);
        EXPECT_EQ(Grid()->Columns()->Items(12)->ComboItems()->Strings(1439), "1439");
    });
}

} // namespace
