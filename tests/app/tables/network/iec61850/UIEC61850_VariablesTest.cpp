// The IEC 61850 server variables: the row checks in their order, the factor
// under either decimal separator of the user, and the one-table file.

#include "app/tables/network/iec61850/UIEC61850_Variables.h"
#include "tests/app/tables/common/TableEditorFixture.h"

#include "platform/core/FormatSettings.h"

#include <QtTest/QTest>

namespace {

class IecVariables : public TableEditorTest<TFIEC61850_Variables> {
protected:
    void SetUp() override
    {
        StartProject();
        File_IEC61850_Variables = Path_Project + "/IEC61850_Variables.xml";
        CreateEditor();
    }

    TExColumnGrid* Grid() const { return editor->ACG(); }

    // A row from column 1 that passes every check.
    static QStringList Row()
    {
        return {"Y", "Temp", "Int", "4", "N", "0", "", "None", "None", "N", "N", "t"};
    }
    using Change = std::pair<int, QString>;
    static QStringList With(QStringList row, const QList<Change>& changes)
    {
        for (const auto& [column, text] : changes)
            row[column - 1] = text;
        return row;
    }

    QStringList PressOK(const QStringList& row, bool fault)
    {
        QFile::remove(File_IEC61850_Variables);
        const int before = int(seams->Messages().size());
        const TModalResult result = Open([&] {
            Fill(Grid(), 1, row);
            if (fault)
                seams->AnswerMessage(mrOk);
            editor->Btn_OK->Click();
        });
        EXPECT_EQ(result, fault ? mrCancel : mrOk);
        return seams->Messages().mid(before);
    }
};

TEST_F(IecVariables, RowChecksStopAtTheFirstFault)
{
    struct Case {
        QList<std::pair<int, QString>> changes;
        const char* fault;
    };
    const Case cases[] = {
        {{}, ""},
        {{{4, "0"}}, "!! Length must be between 1 and 4"},
        {{{4, "5"}}, "!! Length must be between 1 and 4"},
        {{{4, "4 "}}, "!! Length must be between 1 and 4"},
        {{{4, "1"}}, ""},
        {{{6, "1437"}}, ""},
        {{{6, "1438"}}, "!! Position must be between 0 and 1437"},
        {{{6, ""}}, "!! Position must be between 0 and 1437"},
        {{{3, "Digital (Bit)"}}, "!! Start Bit must be Selected "},
        {{{3, "Digital (Bit)"}, {7, "0"}}, ""},
        {{{3, "digital (bit)"}}, ""},
        {{{3, ""}}, ""},
        {{{8, " "}}, "!! Conversion must be Selected "},
        {{{9, "abc"}}, "!! Molt. Factor must be a valid Float"},
        {{{9, ""}}, "!! Molt. Factor must be a valid Float"},
        {{{4, "9"}, {9, "abc"}}, "!! Length must be between 1 and 4"},
        {{{1, "N"}, {4, "9"}}, ""},
    };
    for (const Case& c : cases) {
        const QStringList row = With(Row(), c.changes);
        SCOPED_TRACE(row.join(',').toStdString());
        EXPECT_EQ(PressOK(row, *c.fault), *c.fault ? QStringList{"Error row 1" + QString(c.fault)} : QStringList());
    }
}

TEST_F(IecVariables, AFactorWithEitherDecimalSignPassesUnderEitherUserSeparator)
{
    for (const QChar separator : {u',', u'.'}) {
        TFormatSettings settings = FormatSettings();
        settings.DecimalSeparator = separator;
        settings.ThousandSeparator = separator == u',' ? u'.' : u',';
        const platform::ScopedFormatSettings scoped(settings);
        for (const char* factor : {"None", "none", " NONE ", "1,5", "1.5", "-0.25"}) {
            SCOPED_TRACE(std::string(1, char(separator.unicode())) + " " + factor);
            EXPECT_EQ(PressOK(With(Row(), {{9, factor}}), false), QStringList());
        }
        for (const char* factor : {"abc", "", "1.5.1", "x"}) {
            SCOPED_TRACE(std::string(1, char(separator.unicode())) + " " + factor);
            EXPECT_EQ(PressOK(With(Row(), {{9, factor}}), true),
                      QStringList{"Error row 1!! Molt. Factor must be a valid Float"});
        }
    }
}

TEST_F(IecVariables, FreshOkWritesTheRootAndTheComment)
{
    EXPECT_EQ(Open([&] { editor->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(Read(File_IEC61850_Variables).toStdString(), "<IEC61850_Variables/><!--SW_VERSION = 1.000-->");
}

TEST_F(IecVariables, AFixtureIsWrittenBackByteForByte)
{
    const QString fixture = Read(CONFIGURATOR_FIXTURES "/tables/IEC61850_Variables.xml");
    ASSERT_FALSE(fixture.isEmpty());
    Write(File_IEC61850_Variables, fixture);
    EXPECT_EQ(Open([&] {
                  EXPECT_EQ(Grid()->AllCells(9, 1), "0,1");
                  EXPECT_EQ(Grid()->AllCells(12, 3), " pump ");
                  editor->Btn_OK->Click();
              }),
              mrOk);
    EXPECT_EQ(Read(File_IEC61850_Variables).toStdString(), fixture.toStdString());
}

TEST_F(IecVariables, MissingAttributesTakeTheirDefaults)
{
    Write(File_IEC61850_Variables, "<IEC61850_Variables><row Name=\"Level\" Conversion=\"None\"/></IEC61850_Variables>");
    Open([&] {
        EXPECT_EQ(RowOf(Grid(), 1, 13),
                  QStringList({"Y", "Level", "", "", "N", "", "", "None", "", "N", "N", ""}));
    });
}

TEST_F(IecVariables, AClickOnTheNumberSelectsTheRow)
{
    EXPECT_EQ(editor->ClientWidth(), 1155);
    EXPECT_EQ(editor->Caption(), "Set Variables Access for IEC61850");
    EXPECT_EQ(Grid()->Name(), "ACG");
    EXPECT_EQ(Grid()->Columns()->Items(9)->Header(), "Molt. Factor");
    EXPECT_EQ(Grid()->Columns()->Items(9)->Editor(), edComboEdit);
    Open([&] {
        EXPECT_EQ(Grid()->RowCount(), 51);
        editor->activateWindow();
        const TRect cell = Grid()->CellRect(0, 4);
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
        EXPECT_TRUE(Grid()->IsSelected(5, 4));
        EXPECT_FALSE(Grid()->IsSelected(5, 3));
    });
}

} // namespace
