// Update Device from the main window with a configuration open: the bank
// images are built, the gateway is pinged, the job description is written and
// the update program runs (the test program in its place).

#include "app/communication/UBoot.h"
#include "app/communication/UCommunicationStart.h"
#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/mainwindow/UMarquellFirmWare.h"
#include "app/shell/mainwindow/UMarquellFirmWareSettings.h"
#include "app/shell/mainwindow/UMarquellFirmWareStart.h"
#include "app/shell/WindowRegistry.h"
#include "platform/net/Ping.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/window/ModalSeams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

struct AnsweringPinger : platform::Pinger {
    int tries = 0;
    platform::PingReply Echo(const QString&, const QByteArray& data, int) override
    {
        ++tries;
        return {platform::PingReply::Status::Answered, int(data.size()), {}};
    }
};

TEST(UpdateDeviceEndToEnd, BuildsBothBanksWritesTheJobAndRunsTheUpdateProgram)
{
    platform::ModalSeams seams;
    AnsweringPinger pinger;
    platform::SetPingerForTesting(&pinger);
    Create_Shell_Windows();
    Create_Communication_Windows();

    QDir().mkpath(Path_Projects + "/Plant/bin");
    Name_Project = "Plant";
    Path_Project = Path_Projects + QDir::separator() + "Plant";
    Set_Files();
    const QString program = Path_Exe + QDir::separator() + "Ethernet_Update";
    ASSERT_TRUE(QFile::copy(FAKE_PROGRAM_PATH, program));
    const QString record = Path_Exe + QDir::separator() + "started.txt";
    qputenv("FAKE_PROGRAM_RECORD", record.toLocal8Bit());

    seams.HandleModal(*FBoot, [&] {
        EXPECT_EQ(FBoot->Form_Type, 1);
        for (TEdit* edit : {FBoot->E_IP1, FBoot->E_IP2, FBoot->E_IP3, FBoot->E_IP4})
            edit->SetText(edit == FBoot->E_IP1 ? "127" : edit == FBoot->E_IP4 ? "1" : "0");
        FBoot->Btn_UpdateClick(FBoot->Btn_Update);
        FBoot->SetModalResult(mrCancel);
    });
    FMarquellFirmWare->Update_Device();

    EXPECT_EQ(QFileInfo(Path_Project + "/bin/bank1.bin").size(), 2048);
    EXPECT_EQ(QFileInfo(Path_Project + "/bin/bank2.bin").size(), 32768);
    EXPECT_TRUE(QFile::exists(Path_Exe + "/Ethernet_Update.xml"));
    QFile started(record);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    const QByteArray lines = started.readAll();
    EXPECT_TRUE(lines.contains("done")) << lines.constData();
    EXPECT_FALSE(lines.contains("arg=")) << lines.constData(); // started without arguments
    EXPECT_EQ(pinger.tries, 2);
    EXPECT_EQ(Last_IP_Address, "127.0.0.1");
    EXPECT_TRUE(seams.Messages().isEmpty()) << seams.Messages().join("; ").toStdString();

    qunsetenv("FAKE_PROGRAM_RECORD");
    platform::SetPingerForTesting(nullptr);
    Clear_Window_Registry();
    Destroy_Communication_Windows();
    Destroy_Shell_Windows();
}

} // namespace
