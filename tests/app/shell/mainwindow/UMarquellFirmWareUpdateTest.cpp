#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/buttons/LbButton.h"

#include <QElapsedTimer>
#include <QFile>

using testsupport::FakeWindow;
using testsupport::ShellWindows;

namespace {

QByteArray ParGen(const char* payloadSize)
{
    return QByteArray("<Par_Gen><LoRa_Payload_Size>") + payloadSize + "</LoRa_Payload_Size></Par_Gen>";
}

QByteArray UplinkTable(const QByteArray& rows)
{
    return "<LoRaWAN_Set_Access><LoRaWAN_Uplink>" + rows
        + "</LoRaWAN_Uplink><LoRaWAN_Downlink/></LoRaWAN_Set_Access>";
}

void WriteProjectFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The update program's stand-in: a shell script, started directly.
QString WriteScript(const QString& name, const QByteArray& body)
{
    const QString path = testsupport::WriteTestFile(name, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

class UpdateDevice : public ShellWindows {
protected:
    void SetUp() override
    {
        Start();
        OpenConfiguration(QStringLiteral("Plant"));
        Register_Window(QStringLiteral("FBoot"), boot.Entry());
        Register_Command(QStringLiteral("Build_Bank_Images"), [this](const QString&, QString& error) {
            ++builds;
            error = buildError;
            return buildError.isEmpty();
        });
    }

    FakeWindow boot;
    int builds = 0;
    QString buildError;
};

} // namespace

TEST_F(UpdateDevice, RowsMustFitThePayloadSizeLessTwo)
{
    struct Case {
        const char* payload; // nullptr: no parameter file
        QByteArray rows;     // empty: no table file
        bool fits;
    };
    const Case cases[] = {
        {"51", R"(<row Enable="Y" NumByte="49"/>)", true},
        {"51", R"(<row Enable="Y" NumByte="50"/>)", false},
        {"51", R"(<row Enable="Y" NumByte="-1"/>)", false},
        {"51", R"(<row Enable="Y" NumByte="many"/>)", false},
        {"51", R"(<row Enable="Y"/>)", false},
        {"51", R"(<row Enable="N" NumByte="500"/><row Enable="" NumByte="x"/>)", true},
        // The builder's rule: trimmed and upper-cased "Y", or no Enable at all.
        {"51", R"(<row Enable=" y " NumByte="50"/>)", false},
        {"51", R"(<row NumByte="50"/>)", false},
        {"51", R"(<row Enable="Y" NumByte="0"/><!-- note --><row Enable="Y" NumByte="$31"/>)", true},
        {"0x33", R"(<row Enable="Y" NumByte="49"/>)", true},
        {"x", R"(<row Enable="Y" NumByte="0"/>)", false},
        {nullptr, R"(<row Enable="Y" NumByte="0"/>)", false},
        {nullptr, "", true},
        {"1", "", true},
    };
    for (const Case& c : cases) {
        QFile::remove(File_ParGen);
        QFile::remove(File_LoRaWAN_SetAccess);
        if (c.payload)
            WriteProjectFile(File_ParGen, ParGen(c.payload));
        if (!c.rows.isEmpty())
            WriteProjectFile(File_LoRaWAN_SetAccess, UplinkTable(c.rows));
        EXPECT_EQ(main->Check_Config_LoraWAN(), c.fits) << (c.payload ? c.payload : "-") << " " << c.rows.constData();
    }
    EXPECT_TRUE(seams->Shown().empty());
}

TEST_F(UpdateDevice, ARowThatDoesNotFitStopsBeforeAnythingIsBuilt)
{
    WriteProjectFile(File_ParGen, ParGen("51"));
    WriteProjectFile(File_LoRaWAN_SetAccess, UplinkTable(R"(<row Enable="Y" NumByte="50"/>)"));
    seams->AnswerMessage(mrOk);

    main->Btn_Click(main->Btn_CreateBin);

    ASSERT_EQ(seams->Messages().size(), 1);
    EXPECT_EQ(seams->Messages().first(), Lang_Texts[30]);
    EXPECT_EQ(seams->Shown().front().type, mtError);
    EXPECT_EQ(builds, 0);
    EXPECT_EQ(boot.shown, 0);
}

TEST_F(UpdateDevice, AMalformedProjectFileIsReportedAndNothingIsBuilt)
{
    for (const QString* file : {&File_ParGen, &File_LoRaWAN_SetAccess}) {
        QFile::remove(File_ParGen);
        QFile::remove(File_LoRaWAN_SetAccess);
        WriteProjectFile(*file, "<Par_Gen><LoRa_Payload_Size>51</Par");
        seams->AnswerMessage(mrOk);
        main->Update_Device();
        ASSERT_FALSE(seams->Messages().isEmpty());
        EXPECT_TRUE(seams->Messages().last().startsWith(QStringLiteral("Error while creating the bank images: ")))
            << seams->Messages().last().toStdString();
        EXPECT_TRUE(seams->Messages().last().contains(QFileInfo(*file).fileName()));
    }
    EXPECT_EQ(builds, 0);
    EXPECT_EQ(boot.shown, 0);
}

TEST_F(UpdateDevice, ABuildFailureIsReportedAndTheUpdateFormStaysClosed)
{
    buildError = QStringLiteral("bank2.bin could not be written");
    seams->AnswerMessage(mrOk);

    main->Update_Device();

    EXPECT_EQ(builds, 1);
    EXPECT_EQ(boot.shown, 0);
    ASSERT_EQ(seams->Messages().size(), 1);
    EXPECT_EQ(seams->Messages().first().toStdString(),
              "Error while creating the bank images: bank2.bin could not be written");
}

TEST_F(UpdateDevice, WithoutATableTheImagesAreBuiltAndTheUpdateFormOpensForEthernet)
{
    main->Update_Device();

    EXPECT_EQ(builds, 1);
    EXPECT_EQ(boot.shown, 1);
    EXPECT_EQ(boot.fields.value(QStringLiteral("Form_Type")).toInt(), 1);
    EXPECT_TRUE(seams->Shown().empty());
}

TEST_F(UpdateDevice, StartProgramWaitsForTheProgramToEnd)
{
    const QString record = Folder(QStringLiteral("ran.txt"));
    const QString program = WriteScript(QStringLiteral("Ethernet_Update"),
                                        "sleep 0.3\necho \"$#\" > '" + record.toUtf8() + "'");
    QElapsedTimer clock;
    clock.start();

    main->Start_Program(program, QString(), false);

    EXPECT_GE(clock.elapsed(), 250);
    QFile ran(record);
    ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
    EXPECT_EQ(ran.readAll().trimmed(), QByteArray("0"));
    EXPECT_TRUE(seams->Shown().empty());
}

TEST_F(UpdateDevice, StartProgramReportsAProgramThatCannotStartOrDoesNotEnd)
{
    seams->AnswerMessage(mrOk);
    main->Start_Program(Folder(QStringLiteral("missing")), QString(), false);
    ASSERT_EQ(seams->Messages().size(), 1);
    EXPECT_EQ(seams->Shown().back().type, mtError);
    EXPECT_TRUE(seams->Messages().last().startsWith(QStringLiteral("The program ") + Folder(QStringLiteral("missing"))
                                                    + QStringLiteral(" could not be started: ")));

    const int savedLimit = Start_Program_Limit_Ms;
    Start_Program_Limit_Ms = 300;
    const QString program = WriteScript(QStringLiteral("slow"), "sleep 3");
    seams->AnswerMessage(mrOk);
    QElapsedTimer clock;
    clock.start();
    main->Start_Program(program, QString(), false);
    Start_Program_Limit_Ms = savedLimit;

    EXPECT_LT(clock.elapsed(), 2500);
    ASSERT_EQ(seams->Messages().size(), 2);
    EXPECT_TRUE(seams->Messages().last().endsWith(QStringLiteral(" did not end within 0 seconds; it keeps running on its own.")));
}
