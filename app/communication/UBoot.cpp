// The Update Device window: its layout per connection type, the ping of the
// gateway, the job description and the start of the update program.

#include "app/communication/UBoot.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWare.h"
#include "app/shell/mainwindow/UMarquellFirmWareDialogBands.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/cells/columns/ExGridColumns.h"
#include "platform/core/Clock.h"
#include "platform/net/Ping.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/Panel.h"
#include "platform/xml/XmlDocument.h"

#include <QCoreApplication>
#include <QDir>

#include <array>
#include <future>

TFBoot* FBoot = nullptr;

namespace {

constexpr int Ping_Try_Ms = 400;
constexpr int Ping_Total_Ms = 5000;
constexpr int Text_Job_File_Error = 1039;

QString Text(int index)
{
    return Lang_Texts[index];
}

// The Update button stays disabled while an update runs, so that a second
// press cannot start a second ping or program.
class BusyGuard {
public:
    BusyGuard(bool& busy, TLbButton& button) : busy_(busy), button_(button)
    {
        busy_ = true;
        button_.SetEnabled(false);
    }
    ~BusyGuard()
    {
        busy_ = false;
        button_.SetEnabled(true);
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    bool& busy_;
    TLbButton& button_;
};

// Serves the window's paint and timer messages between short sleeps; input
// stays queued so that nothing re-enters the window while it waits.
void PauseServingMessages()
{
    Sleep(10);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

TLbButton* MakeButton(QWidget* parent, int left, int top, int width, int height)
{
    auto* button = new TLbButton(parent);
    button->SetBounds(left, top, width, height);
    return button;
}

QString JoinPath(const QString& folder, const QString& name)
{
    return folder + QDir::separator() + name;
}

} // namespace

struct TFBoot::Data {
    bool busy = false;
};

TFBoot::TFBoot(QWidget* parent) : TForm(parent), d(std::make_unique<Data>())
{
    setObjectName("FBoot");
    SetBorderStyle(bsSingle);
    SetPosition(poScreenCenter);
    SetColor(15595512);
    Font().SetName("Verdana");
    Font().SetSize(8);
    SetClientWidth(449);

    P_Title = Make_Band_Panel(this, 69, alTop);
    L_SW_Code = Make_Auto_Label(P_Title, 16, 6);
    L_SW_Code->Font().SetSize(20);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Desc = Make_Auto_Label(P_Title, 16, 44);
    L_SW_Desc->Font().SetStyle(fsBold);

    P_IP_Address = Make_Band_Panel(this, 49, alNone);
    L_IP_Address = Make_Auto_Label(P_IP_Address, 16, 4);
    TEdit** edits[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
    for (int i = 0; i < 4; ++i) {
        auto* edit = new TEdit(P_IP_Address);
        edit->SetBounds(16 + 50 * i, 20, 41, 21);
        edit->SetText("0");
        edit->OnKeyPress = [this](TObject* sender, QChar& key) { KeyPress(sender, key); };
        *edits[i] = edit;
        if (i < 3)
            Make_Auto_Label(P_IP_Address, 16 + 50 * i + 43, 24, ".");
    }

    P_Serial = Make_Band_Panel(this, 51, alNone);
    L_COM_Port = Make_Auto_Label(P_Serial, 16, 4, "Select the COM port for the Update");
    CB_COM_Port = new TComboBox(P_Serial, csDropDownList);
    CB_COM_Port->SetBounds(16, 22, 200, 21);
    Btn_COM_List = MakeButton(P_Serial, 224, 19, 27, 27);
    Btn_COM_List->SetHint("Update COM Ports List");
    Btn_COM_List->OnClick = [this](TObject* sender) { Btn_COM_ListClick(sender); };

    P_Eth_Search = Make_Band_Panel(this, 184, alNone);
    L_List_Device = Make_Auto_Label(P_Eth_Search, 16, 4);
    Btn_Search = MakeButton(P_Eth_Search, 329, 0, 104, 25);
    ACG_List_Devices = new TExColumnGrid(P_Eth_Search);
    ACG_List_Devices->SetBounds(16, 28, 417, 124);
    ACG_List_Devices->SetColCount(2);
    ACG_List_Devices->SetRowCount(2);
    ACG_List_Devices->SetFixedCols(0);
    ACG_List_Devices->SetFixedRows(1);
    ACG_List_Devices->Loaded();
    for (int c = 0; c < 2; ++c)
        ACG_List_Devices->Columns()->Items(c)->SetWidth(180);
    CB_Find_All_Telvor = new TCheckBox(P_Eth_Search);
    CB_Find_All_Telvor->SetBounds(16, 158, 300, 17);
    CB_Find_All_Telvor->SetChecked(true);

    P_Options = Make_Band_Panel(this, 72, alNone);
    L_Update_Option = Make_Auto_Label(P_Options, 16, 4);
    CB_Update_Options = new TComboBox(P_Options, csDropDownList);
    CB_Update_Options->SetBounds(16, 22, 250, 21);
    CB_Update_Option_Read_Back = new TCheckBox(P_Options);
    CB_Update_Option_Read_Back->SetBounds(16, 50, 300, 17);
    CB_Update_Option_Read_Back->SetChecked(true);

    P_Button = Make_Band_Panel(this, 40, alBottom);
    Btn_Cancel = MakeButton(P_Button, 16, 6, 130, 28);
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Update = MakeButton(P_Button, 303, 6, 130, 28);
    Btn_Update->OnClick = [this](TObject* sender) { Btn_UpdateClick(sender); };
}

TFBoot::~TFBoot() = default;

void TFBoot::Set_Lang()
{
    const int captions[] = {1000, 1002, 1004};
    const int type = (Form_Type >= 0 && Form_Type <= 2) ? Form_Type : 0;
    SetCaption(Text(captions[type]));
    L_SW_Desc->SetCaption(Text(captions[type] + 1));
    L_IP_Address->SetCaption(Text(1006));
    L_List_Device->SetCaption(Text(1009));
    Btn_Search->SetCaption(Text(1010));
    Btn_Search->SetHint(Text(1029));
    ACG_List_Devices->Columns()->Items(0)->SetHeader(Text(1011));
    ACG_List_Devices->Columns()->Items(1)->SetHeader(Text(1012));
    ACG_List_Devices->SetHint(Text(1030));
    CB_Find_All_Telvor->SetCaption(Text(1013));
    CB_Find_All_Telvor->SetHint(Text(1031));
    L_Update_Option->SetCaption(Text(1014));
    CB_Update_Options->Items().Clear();
    for (int index : {1015, 1016, 1017})
        CB_Update_Options->Items().Add(Text(index));
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Options->SetHint(Text(1032));
    CB_Update_Option_Read_Back->SetCaption(Text(1018));
    CB_Update_Option_Read_Back->SetHint(Text(1033));
    Btn_Cancel->SetCaption(Text(1019));
    Btn_Cancel->SetHint(Text(1034));
    Btn_Update->SetCaption(Text(1020));
    Btn_Update->SetHint(Text(1035));
    TEdit* edits[] = {E_IP1, E_IP2, E_IP3, E_IP4};
    for (int i = 0; i < 4; ++i)
        edits[i]->SetHint(Text(1021 + i));
}

void TFBoot::FormShow(TObject*)
{
    Set_Lang();
    L_SW_Code->SetCaption(SW_Code);
    for (TPanel* panel : {P_IP_Address, P_Eth_Search, P_Options, P_Serial}) {
        panel->SetVisible(false);
        panel->SetAlign(alNone);
    }
    if (Form_Type != 0 && Form_Type != 1)
        return;

    const bool serial = Form_Type == 0;
    TPanel* shown = serial ? P_Serial : P_IP_Address;
    shown->SetVisible(true);
    P_Options->SetVisible(true);
    SetClientWidth(449);
    shown->SetAlign(alTop);
    if (!serial)
        P_Eth_Search->SetAlign(alTop);
    P_Options->SetAlign(alTop);
    SetClientHeight(P_Title->Height() + shown->Height() + P_Options->Height() + P_Button->Height());

    const std::array<TPanel*, 6> order = serial
        ? std::array<TPanel*, 6>{P_Title, P_Serial, P_Options, P_Button, P_IP_Address, P_Eth_Search}
        : std::array<TPanel*, 6>{P_Title, P_IP_Address, P_Eth_Search, P_Options, P_Button, P_Serial};
    int tab = 0;
    for (TPanel* panel : order)
        panel->SetTabOrder(tab++);

    if (!serial) {
        QString a, b, c, e;
        if (!Last_IP_Address.isEmpty() && Split_IP_Address(Last_IP_Address, a, b, c, e)) {
            E_IP1->SetText(a);
            E_IP2->SetText(b);
            E_IP3->SetText(c);
            E_IP4->SetText(e);
        }
    }
    CB_Update_Options->SetItemIndex(Update_Option_Index);
    CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);
    if (serial)
        update_ComPort();
    TEdit* first = E_IP1;
    if (serial ? CB_COM_Port->CanFocus() : first->CanFocus())
        serial ? CB_COM_Port->SetFocus() : first->SetFocus();
}

void TFBoot::KeyPress(TObject* Sender, QChar& Key)
{
    if (Key != '.')
        return;
    Key = QChar(0);
    TEdit* order[] = {E_IP1, E_IP2, E_IP3, E_IP4};
    for (int i = 0; i < 3; ++i) {
        if (Sender == order[i] && order[i + 1]->CanFocus())
            order[i + 1]->SetFocus();
    }
}

void TFBoot::update_ComPort()
{
    CB_COM_Port->Items().Clear();
    for (const QString& port : Get_COM_Port_List())
        CB_COM_Port->Items().Add(port);
    CB_COM_Port->SetItemIndex(0);
}

void TFBoot::Btn_COM_ListClick(TObject*)
{
    update_ComPort();
}

QString TFBoot::IP_Address_Text() const
{
    return E_IP1->Text() + "." + E_IP2->Text() + "." + E_IP3->Text() + "." + E_IP4->Text();
}

bool TFBoot::IP_Address_Valid() const
{
    QString a, b, c, e;
    return Split_IP_Address(IP_Address_Text(), a, b, c, e);
}

void TFBoot::PingReply(int replyBytes)
{
    ping_res = replyBytes > 0 ? 1 : 2;
}

bool TFBoot::Send_Ping()
{
    const quint32 start = GetTickCount();
    ping_res = 0;
    const QString address = IP_Address_Text();
    int answered = 0;
    do {
        // Each try ends with its own reply or time-out before the next one
        // starts, so an answer always belongs to the try it is counted for.
        auto echo = std::async(std::launch::async, [address] {
            return platform::CurrentPinger().Echo(address, address.toLatin1(), Ping_Try_Ms);
        });
        do {
            PauseServingMessages();
        } while (echo.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready);
        const platform::PingReply reply = echo.get();
        if (reply.status == platform::PingReply::Status::Failed)
            return false;
        PingReply(reply.status == platform::PingReply::Status::Answered ? reply.replyBytes : 0);
        if (ping_res == 1 && ++answered == 2)
            break;
    } while (GetTickCount() - start <= Ping_Total_Ms);
    return ping_res == 1;
}

bool TFBoot::Compile_XML_Parameter_New_Boot(QString& error)
{
    platform::XmlDocument doc;
    platform::XmlElement root = doc.CreateRoot("Ethernet_Update");
    const std::pair<const char*, QString> header[] = {
        {"Version", "1000"},          {"Title", "Telvor - SVX91 Ethernet Update"}, {"IP_Address_Dev", IP_Address_Text()},
        {"Application_Port", "10000"}, {"Boot_Port", "2008"},                       {"Boot_Port_Sec", "2007"},
        {"Address_Protection", "0x07800"},
    };
    for (const auto& [name, text] : header)
        root.AppendChild(name).SetText(text);
    root.AppendChild("Protections").AppendChild("Protection").SetText("0x422");
    platform::XmlElement operations = root.AppendChild("Operations");

    struct Operation {
        QString fileName, startAddress, bankType, writeCss, writeInternalData, goToAppAfter;
    };
    const QString bin = JoinPath(Path_Project, "bin");
    const int option = CB_Update_Options->ItemIndex();
    std::vector<Operation> list;
    if (option == 0 || option == 1)
        list.push_back({JoinPath(Path_Master, "SimVX91.sim"), "0x8000", "1", "1", "0", option == 1 ? "1" : "0"});
    if (option == 0 || option == 2) {
        list.push_back({JoinPath(bin, "bank1.bin"), "0x07000", "2", "0", "1", "0"});
        list.push_back({JoinPath(bin, "bank2.bin"), "0x80000", "2", "0", "0", "1"});
    }
    const QString readBack = CB_Update_Option_Read_Back->Checked() ? "1" : "0";
    for (const Operation& op : list) {
        platform::XmlElement element = operations.AppendChild("Operation");
        const std::pair<const char*, QString> fields[] = {
            {"Ope_Protection_Enabled", ""},      {"Ope_GoToBoot_Before", "0"},   {"Ope_GoToApp_Before", "0"},
            {"Ope_IP_Address", ""},              {"Ope_Port", "2008"},           {"Ope_Port_Sec", "2007"},
            {"Ope_Erase_Memory", "0"},           {"Ope_FileName", op.fileName},  {"Ope_Start_Address", op.startAddress},
            {"Ope_Memory_Type", "0"},            {"Ope_Bank_Type", op.bankType}, {"Ope_Read_Back", readBack},
            {"Ope_Write_CSS", op.writeCss},      {"Ope_Address_CSS", "0x07A00"}, {"Ope_Command_CSS", "0x02"},
            {"Ope_Write_Internal_Data", op.writeInternalData}, {"Ope_WID_Address", "0x07810"},
            {"Ope_WID_Command", "0x02"},         {"Ope_WID_Data", "0x00, 0x00, 0x00, 0x01"},
            {"Ope_GoToApp_After", op.goToAppAfter},
        };
        for (const auto& [name, text] : fields)
            element.AppendChild(name).SetText(text);
    }
    return doc.SaveFile(JoinPath(Path_Exe, "Ethernet_Update.xml"), &error);
}

void TFBoot::Btn_UpdateClick(TObject*)
{
    if (d->busy)
        return;
    if (Form_Type == 0) {
        Update_Option_Index = CB_Update_Options->ItemIndex();
        Update_Read_Back = CB_Update_Option_Read_Back->Checked();
        return;
    }
    if (Form_Type != 1)
        return;
    BusyGuard guard(d->busy, *Btn_Update);
    Run_Update();
}

void TFBoot::Run_Update()
{
    if (!IP_Address_Valid()) {
        MessageDlg(Text(1037), mtError, mbOK, 0);
        return;
    }
    if (!Send_Ping()) {
        if (ping_res == 2)
            MessageDlg(Text(1036), mtWarning, mbOK, 0);
        else
            MessageDlg(Text(1037), mtError, mbOK, 0);
        return;
    }
    Last_IP_Address = IP_Address_Text();
    Update_Option_Index = CB_Update_Options->ItemIndex();
    Update_Read_Back = CB_Update_Option_Read_Back->Checked();
    QString error;
    if (!Compile_XML_Parameter_New_Boot(error)) {
        MessageDlg(Text(Text_Job_File_Error) + error, mtError, mbOK, 0);
        return;
    }
    FMarquellFirmWare->Start_Program(JoinPath(Path_Exe, "Ethernet_Update"), QString(), false);
}
