#include "app/communication/UBoot.h"
#include "grid/cells/columns/ExColumnGrid.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "platform/core/Clock.h"
#include "platform/core/ExeFolder.h"
#include "platform/net/Ping.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/window/ModalSeams.h"
#include "platform/ui/panels/Panel.h"
#include "platform/xml/XmlDocument.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Answers echo requests from a script and advances the test clock by each
// try's duration, so the ping's time rules run without waiting.
class ScriptedPinger : public platform::Pinger {
public:
    explicit ScriptedPinger(quint64& now) : now_(now) {}
    std::vector<platform::PingReply::Status> script; // repeats its last entry
    int tries = 0;
    QString lastAddress;
    QByteArray lastData;

    platform::PingReply Echo(const QString& address, const QByteArray& data, int timeoutMs) override
    {
        lastAddress = address;
        lastData = data;
        const auto status = script.empty() ? platform::PingReply::Status::NoReply
                                           : script[std::min<size_t>(size_t(tries), script.size() - 1)];
        ++tries;
        now_ += status == platform::PingReply::Status::Answered ? 20 : quint64(timeoutMs);
        return {status, status == platform::PingReply::Status::Answered ? int(data.size()) : 0,
                status == platform::PingReply::Status::Failed ? "no route" : ""};
    }

private:
    quint64& now_;
};

class UpdateForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        Path_Exe = platform::ExeFolder();
        Path_Master = Path_Exe + QDir::separator() + "MASTER";
        Path_Project = Path_Exe + QDir::separator() + "PROJECTS" + QDir::separator() + "Plant";
        SW_Code = "SVX91";
        Last_IP_Address.clear();
        Update_Option_Index = 0;
        Update_Read_Back = true;
        platform::SetClockForTesting([this] { return now; });
        platform::SetPingerForTesting(&pinger);
        form = std::make_unique<TFBoot>();
        form->Form_Type = 1;
    }
    void TearDown() override
    {
        form.reset();
        platform::SetPingerForTesting(nullptr);
        platform::ResetClock();
    }

    // Shows the form modally and runs `work` inside it.
    void WhileShown(const std::function<void()>& work)
    {
        seams.HandleModal(*form, [&] {
            work();
            form->SetModalResult(mrCancel);
        });
        form->ShowModal();
    }

    void TypeAddress(const QString& a, const QString& b, const QString& c, const QString& e)
    {
        form->E_IP1->SetText(a);
        form->E_IP2->SetText(b);
        form->E_IP3->SetText(c);
        form->E_IP4->SetText(e);
    }

    platform::XmlElement JobOperations(platform::XmlDocument& doc)
    {
        QString error;
        EXPECT_TRUE(doc.LoadFile(Path_Exe + "/Ethernet_Update.xml", &error)) << error.toStdString();
        return doc.Root().Child("Operations");
    }

    quint64 now = 1000;
    ScriptedPinger pinger{now};
    platform::ModalSeams seams;
    std::unique_ptr<TFBoot> form;
};

TEST_F(UpdateForm, EthernetLayoutAndStoredAddress)
{
    Last_IP_Address = "192.168.2.205";
    Update_Option_Index = 2;
    WhileShown([&] {
        EXPECT_EQ(form->ClientWidth(), 449);
        EXPECT_EQ(form->ClientHeight(), 230);
        EXPECT_EQ(form->Caption(), "Update Device by Ethernet (UDP)");
        EXPECT_EQ(form->L_SW_Code->Caption(), "SVX91");
        EXPECT_TRUE(form->P_IP_Address->isVisible());
        EXPECT_FALSE(form->P_Eth_Search->isVisible());
        EXPECT_FALSE(form->P_Serial->isVisible());
        EXPECT_EQ(form->E_IP1->Text(), "192");
        EXPECT_EQ(form->E_IP4->Text(), "205");
        EXPECT_EQ(form->CB_Update_Options->ItemIndex(), 2); // restored after the texts reset it
        EXPECT_EQ(form->P_IP_Address->TabOrder(), 1);
        EXPECT_EQ(form->P_Options->TabOrder(), 3);
        platform::SaveScreenshot(*form, QStringLiteral("update_device_ethernet"));
    });

    Last_IP_Address = "10.0.1";
    WhileShown([&] { EXPECT_EQ(form->E_IP1->Text(), "192"); }); // a three-part address leaves the edits
}

TEST_F(UpdateForm, SerialLayoutHeight)
{
    form->Form_Type = 0;
    WhileShown([&] {
        EXPECT_EQ(form->ClientHeight(), 232);
        EXPECT_TRUE(form->P_Serial->isVisible());
        EXPECT_FALSE(form->P_IP_Address->isVisible());
        EXPECT_EQ(form->Caption(), "Update Device by Serial");
    });
}

TEST_F(UpdateForm, DotMovesToTheNextAddressEditAndIsNeverEntered)
{
    WhileShown([&] {
        QChar key('.');
        form->E_IP2->SetFocus();
        form->KeyPress(form->E_IP2, key);
        EXPECT_EQ(key, QChar(0));
        EXPECT_TRUE(form->focusWidget() == form->E_IP3);
        key = '.';
        form->KeyPress(form->E_IP4, key);
        EXPECT_EQ(key, QChar(0));
        EXPECT_TRUE(form->focusWidget() == form->E_IP3);
        key = '7';
        form->KeyPress(form->E_IP1, key);
        EXPECT_EQ(key, QChar('7'));
    });
}

TEST_F(UpdateForm, JobFileOperationsPerOption)
{
    struct Case {
        int option;
        bool readBack;
        std::vector<const char*> starts;
        std::vector<const char*> goToApp;
    } cases[] = {
        {0, true, {"0x8000", "0x07000", "0x80000"}, {"0", "0", "1"}},
        {1, false, {"0x8000"}, {"1"}},
        {2, true, {"0x07000", "0x80000"}, {"0", "1"}},
    };
    form->Set_Lang();
    TypeAddress("192", "168", "2", "205");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        form->CB_Update_Options->SetItemIndex(c.option);
        form->CB_Update_Option_Read_Back->SetChecked(c.readBack);
        QString error;
        ASSERT_TRUE(form->Compile_XML_Parameter_New_Boot(error)) << error.toStdString();
        platform::XmlDocument doc;
        const auto operations = JobOperations(doc).Children();
        ASSERT_EQ(operations.size(), int(c.starts.size()));
        for (int i = 0; i < operations.size(); ++i) {
            EXPECT_EQ(operations[i].ChildText("Ope_Start_Address"), c.starts[i]);
            EXPECT_EQ(operations[i].ChildText("Ope_GoToApp_After"), c.goToApp[i]);
            EXPECT_EQ(operations[i].ChildText("Ope_Read_Back"), c.readBack ? "1" : "0");
            EXPECT_EQ(operations[i].Children().size(), 20);
        }
        EXPECT_EQ(doc.Root().ChildText("IP_Address_Dev"), "192.168.2.205");
    }
}

TEST_F(UpdateForm, JobFileHeaderAndBankOperation)
{
    form->Set_Lang();
    TypeAddress("10", "0", "0", "7");
    form->CB_Update_Options->SetItemIndex(2);
    QString error;
    ASSERT_TRUE(form->Compile_XML_Parameter_New_Boot(error));
    platform::XmlDocument doc;
    const auto bank1 = JobOperations(doc).Children().at(0);
    const platform::XmlElement root = doc.Root();
    EXPECT_EQ(root.Name(), "Ethernet_Update");
    const std::pair<const char*, const char*> header[] = {
        {"Version", "1000"}, {"Title", "Telvor - SVX91 Ethernet Update"}, {"Application_Port", "10000"},
        {"Boot_Port", "2008"}, {"Boot_Port_Sec", "2007"}, {"Address_Protection", "0x07800"}};
    for (const auto& [name, text] : header)
        EXPECT_EQ(root.ChildText(name), text) << name;
    EXPECT_EQ(root.Child("Protections").ChildText("Protection"), "0x422");
    QStringList names;
    for (const auto& child : bank1.Children())
        names << child.Name() + "=" + child.Text();
    EXPECT_EQ(names.join(";"),
              "Ope_Protection_Enabled=;Ope_GoToBoot_Before=0;Ope_GoToApp_Before=0;Ope_IP_Address=;Ope_Port=2008;"
              "Ope_Port_Sec=2007;Ope_Erase_Memory=0;Ope_FileName=" + Path_Project + QDir::separator() + "bin"
              + QDir::separator() + "bank1.bin;Ope_Start_Address=0x07000;Ope_Memory_Type=0;Ope_Bank_Type=2;"
              "Ope_Read_Back=1;Ope_Write_CSS=0;Ope_Address_CSS=0x07A00;Ope_Command_CSS=0x02;"
              "Ope_Write_Internal_Data=1;Ope_WID_Address=0x07810;Ope_WID_Command=0x02;"
              "Ope_WID_Data=0x00, 0x00, 0x00, 0x01;Ope_GoToApp_After=0");
}

TEST_F(UpdateForm, PingRules)
{
    using S = platform::PingReply::Status;
    struct Case {
        std::vector<S> script;
        bool result;
        int tries;
    } cases[] = {
        {{S::Answered}, true, 2},
        {{S::NoReply, S::Answered}, true, 3},
        {{S::Answered, S::NoReply}, false, 14}, // tries go on for 5 s; the last one failed
        {{S::NoReply}, false, 13},
        {{S::Failed}, false, 1},
    };
    TypeAddress("192", "168", "2", "205");
    for (const Case& c : cases) {
        pinger.script = c.script;
        pinger.tries = 0;
        EXPECT_EQ(form->Send_Ping(), c.result);
        EXPECT_EQ(pinger.tries, c.tries);
    }
    EXPECT_EQ(pinger.lastAddress, "192.168.2.205");
    EXPECT_EQ(pinger.lastData, "192.168.2.205");
}

TEST_F(UpdateForm, FailedUpdatesShowTheirTextAndWriteNothing)
{
    using S = platform::PingReply::Status;
    struct Case {
        QString fourth;
        S reply;
        const char* text;
        int tries;
    } cases[] = {
        {"205", S::NoReply, "Device Not Found!", 13},
        {"205", S::Failed, "Error!!! Check the Ip Address", 1},
        {"256", S::Answered, "Error!!! Check the Ip Address", 0},
        {"", S::Answered, "Error!!! Check the Ip Address", 0},
    };
    form->Set_Lang();
    for (const Case& c : cases) {
        TypeAddress("192", "168", "2", c.fourth);
        pinger.script = {c.reply};
        pinger.tries = 0;
        seams.AnswerMessage(mrOk);
        form->Btn_UpdateClick(form->Btn_Update);
        EXPECT_EQ(seams.Messages().last(), c.text);
        EXPECT_EQ(pinger.tries, c.tries);
        EXPECT_FALSE(QFile::exists(Path_Exe + "/Ethernet_Update.xml"));
        EXPECT_TRUE(form->Btn_Update->Enabled());
    }
    EXPECT_TRUE(Last_IP_Address.isEmpty());
}

} // namespace

TEST_F(UpdateForm, DeviceListIsAColumnGridLabelledFromTheTexts)
{
    Lang_Texts.SetStrings(1011, "Device address");
    Lang_Texts.SetStrings(1012, "Device name");
    Lang_Texts.SetStrings(1030, "Found devices");
    form->Set_Lang();
    TExColumnGrid* grid = form->ACG_List_Devices;
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->FixedCols(), 0);
    for (int c = 0; c < 2; ++c)
        EXPECT_EQ(grid->ColWidths(c), 180);
    EXPECT_EQ(grid->Cells(0, 0), "Device address");
    EXPECT_EQ(grid->Cells(1, 0), "Device name");
    EXPECT_EQ(grid->Hint(), "Found devices");
}
