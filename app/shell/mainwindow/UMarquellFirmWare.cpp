#include "app/shell/mainwindow/UMarquellFirmWare.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWareGlyphs.h"
#include "app/shell/mainwindow/UMarquellFirmWareSettings.h"
#include "app/shell/dialogs/USoftOptions.h"
#include "app/shell/WindowRegistry.h"
#include "platform/process/WebAddress.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/LinkLabel.h"
#include "platform/ui/panels/Shape.h"
#include "platform/ui/window/Timer.h"

#include <QCursor>

TFMarquellFirmWare* FMarquellFirmWare = nullptr;

const QString Program_Version = QStringLiteral("1.000");
const QString Maker_Product_Page = QStringLiteral("https://www.example.com/product?frompg=SVX91");
const QString Maker_Download_Page = QStringLiteral("https://www.example.com/download?nomesw=SVX91");
const QString Maker_Web_Caption = QStringLiteral("www.example.com");
const QString Maker_Street = QStringLiteral("1 Example Street");
const QString Maker_Town = QStringLiteral("00000 Example Town");
const QString Maker_Country = QStringLiteral("Example Country");
const QString Maker_Mail_Domain = QStringLiteral("example.com");
const int Maker_Enterprise_Number = 32473;

namespace {

constexpr int First_Timer_Interval = 60000;
constexpr int Later_Timer_Interval = 7200000;

// The windows a language change relabels after the main window, in order.
const char* const Relabelled_Windows[] = {
    "FNew_Project", "FOpenConf", "FSoftOptions", "FBoot", "FParGen", "FLoRa_Set_Access",
    "FBACnetAccess", "FImportEDEFile", "FBACnetSlaveSetAccess", "FBACnet_Eng_Unit", "FMeter_Bus",
    "FNewIDNode", "FSetAccess", "FModbus_TCP_Master_Set_Access", "FReceiveCAN", "FTransmitCAN",
    "FSet_PDO_Access", "FSet_SDO_Client_Access", "FSet_SDO_Server_Access", "FDNet", "FDefOffset",
    "FDMXDefVal", "FEtherNetIP_Master_Access", "FEtherNEtIP_EDS", "FReceiveJ1939", "FTransmitJ1939",
    "FKNXAccess", "FReceiveNMEA", "FTransmitNMEA", "FIEC_61850_Access", "FProfinetFileName",
    "FTLS_Server_Known_Cert", "FIEC61850_Variables", "FMQTT_Set_Topic", "FTopicTemplate",
    "FOPC_UA_Client_Access", "FOPC_UA_Add_Server", "FOPC_UA_Scan_Server", "FOPC_UA_Server_Access",
    "FS7_Protocol_Set_Access", "FSNMPManagerAccess", "FSNMP_Trap_Access",
};

QString Text(int index)
{
    return Lang_Texts[index];
}

void SetCaptionHint(TLbButton* button, int caption, int hint)
{
    button->SetCaption(Text(caption));
    button->SetHint(Text(hint));
}

TLabel* MakeLabel(QWidget* parent, const char* name, int left, int top)
{
    auto* label = new TLabel(parent);
    label->SetName(QLatin1String(name));
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

} // namespace

TFMarquellFirmWare::TFMarquellFirmWare(QWidget* parent)
    : TForm(parent)
{
    setObjectName(QStringLiteral("FMarquellFirmWare"));
    SetBorderStyle(bsSingle);
    SetPosition(poScreenCenter);
    Font().SetName(QStringLiteral("Verdana"));
    Font().SetHeight(11);
    createControls();
}

TFMarquellFirmWare::~TFMarquellFirmWare()
{
    delete SD1;
    delete SaveEDS;
    delete SaveMIB;
    if (FMarquellFirmWare == this)
        FMarquellFirmWare = nullptr;
}

TLbButton* TFMarquellFirmWare::makeButton(const char* name, int left, int top, int width, int height)
{
    auto* button = new TLbButton(this);
    button->SetName(QLatin1String(name));
    button->SetBounds(left, top, width, height);
    button->SetShowHint(true);
    button->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
    return button;
}

void TFMarquellFirmWare::createControls()
{
    L_SW_Code = MakeLabel(this, "L_SW_Code", 16, 8);
    L_SW_Code->Font().SetHeight(27);
    L_SW_Code->Font().SetStyle(fsBold);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Desc = MakeLabel(this, "L_SW_Desc", 16, 42);
    L_SW_Desc->Font().SetStyle(fsBold);
    LL_Update = new TLinkLabel(this);
    LL_Update->SetName(QStringLiteral("LL_Update"));
    LL_Update->SetBounds(200, 48, 300, 16);
    LL_Update->Hide();
    LL_Update->OnLinkClick = [this](TObject* Sender, const QString& Link, TSysLinkType LinkType) {
        LL_UpdateLinkClick(Sender, Link, int(LinkType));
    };
    Btn_Info = makeButton("Btn_Info", 516, 8, 50, 50);
    Btn_Opz = makeButton("Btn_Opz", 574, 8, 50, 50);
    Btn_Close = makeButton("Btn_Close", 632, 8, 50, 50);
    Btn_Info->SetGlyph(Info_Glyph());
    Btn_Opz->SetGlyph(Options_Glyph());
    Btn_Close->SetGlyph(Close_Glyph());
    L_Begin = MakeLabel(this, "L_Begin", 16, 84);
    Shape2 = new TShape(this);
    Shape2->SetName(QStringLiteral("Shape2"));
    Shape2->SetBounds(80, 70, 602, 34);
    Shape2->SetBrushColor(clWindow);
    Shape2->SetPenColor(clGray);
    L_Name_Conf = MakeLabel(this, "L_Name_Conf", 87, 75);
    L_Name_Conf_L2 = MakeLabel(this, "L_Name_Conf_L2", 87, 88);
    L_Name_Conf_L2->Font().SetStyle(fsBold);
    for (int i = 0; i < 8; ++i) {
        const QByteArray name = "L_Step_" + QByteArray::number(i + 1);
        L_Step[i] = MakeLabel(this, name.constData(), 16, 128 + 44 * i);
        L_Step[i]->Font().SetStyle(fsBold);
    }
    Btn_New = makeButton("Btn_New", 80, 112, 170, 36);
    Btn_Open = makeButton("Btn_Open", 258, 112, 170, 36);
    Btn_Prm_Gen = makeButton("Btn_Prm_Gen", 80, 156, 170, 36);
    Btn_LoRaWAN_Access = makeButton("Btn_LoRaWAN_Access", 80, 200, 170, 36);
    Btn_SNMP_Trap = makeButton("Btn_SNMP_Trap", 80, 244, 170, 36);
    Btn_SNMP_MIB = makeButton("Btn_SNMP_MIB", 80, 288, 170, 36);
    Btn_CreateBin = makeButton("Btn_CreateBin", 80, 332, 170, 36);
    // The steps of the other products keep a place of their own; this product hides them.
    int row = 0;
    auto hidden = [&](const char* name, int width = 170) {
        TLbButton* button = makeButton(name, 436 + (row % 2) * 176, 112 + 44 * (row / 2), width, 36);
        ++row;
        return button;
    };
    Btn_BACnet_SetAccess = hidden("Btn_BACnet_SetAccess");
    Btn_BACnet_EDE_File = hidden("Btn_BACnet_EDE_File");
    Btn_MBus = hidden("Btn_MBus");
    Btn_ScanDecode = hidden("Btn_ScanDecode", 166);
    Btn_Modbus_Set_Access = hidden("Btn_Modbus_Set_Access");
    Btn_CAN_Rec_Frame = hidden("Btn_CAN_Rec_Frame");
    Btn_CAN_Send_Frame = hidden("Btn_CAN_Send_Frame");
    Btn_SDO_Server_CANopen = hidden("Btn_SDO_Server_CANopen");
    Btn_SDO_Client_CANopen = hidden("Btn_SDO_Client_CANopen");
    Btn_PDO_CANopen = hidden("Btn_PDO_CANopen");
    Btn_CANopen_EDS = hidden("Btn_CANopen_EDS");
    Btn_DNet_Net = hidden("Btn_DNet_Net");
    Btn_DNet_Offset = hidden("Btn_DNet_Offset");
    Btn_DMX_Default = hidden("Btn_DMX_Default");
    Btn_EtherNetIP_Access = hidden("Btn_EtherNetIP_Access");
    Btn_KNX_Access = hidden("Btn_KNX_Access");
    Btn_PROFIBUS_GSD = hidden("Btn_PROFIBUS_GSD");
    Btn_PROFINET_XML = hidden("Btn_PROFINET_XML");
    Btn_IEC61850_Client = hidden("Btn_IEC61850_Client");
    Btn_IEC61850_Access = hidden("Btn_IEC61850_Access");
    Btn_TLS_List_Certificates = hidden("Btn_TLS_List_Certificates");
    Btn_MQTT_Set_Topic = hidden("Btn_MQTT_Set_Topic");
    Btn_OPC_UA_Client_Access = hidden("Btn_OPC_UA_Client_Access");
    Btn_OPC_UA_Server_Access = hidden("Btn_OPC_UA_Server_Access");
    Btn_S7_Protocol_Access = hidden("Btn_S7_Protocol_Access");
    Btn_SNMP_Manager_Access = hidden("Btn_SNMP_Manager_Access");
    for (TLbButton* button : findChildren<TLbButton*>())
        if (button->Width() == 170 || button == Btn_ScanDecode)
            button->SetAlignment(taLeftJustify);
    L_Telvor = MakeLabel(this, "L_Telvor", 565, 392);
    L_Telvor->SetCaption(Maker_Web_Caption);
    L_Telvor->Font().SetStyle(fsBold);
    L_Telvor->Font().SetColor(clGray);
    L_Telvor->setCursor(Qt::PointingHandCursor);
    L_Telvor->OnClick = [this](TObject* Sender) { L_TelvorClick(Sender); };
    Shape1 = new TShape(this);
    Shape1->SetName(QStringLiteral("Shape1"));
    Timer_Update = new TTimer(this);
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(First_Timer_Interval);
    Timer_Update->OnTimer = [this](TObject* Sender) { Timer_UpdateTimer(Sender); };
    SD1 = new TSaveDialog;
    SD1->SetFilter(QStringLiteral("CSV (MS-DOS) (*.csv)|*.csv"));
    SaveEDS = new TSaveDialog;
    SaveEDS->SetFilter(QStringLiteral("Electronic Data Sheet (*.eds)|*.eds"));
    SaveEDS->SetDefaultExt(QStringLiteral("*.eds"));
    SaveMIB = new TSaveDialog;
    SaveMIB->SetFilter(QStringLiteral("Management Information Base (*.mib)|*.mib"));
    SaveMIB->SetDefaultExt(QStringLiteral("*.mib"));
}

void TFMarquellFirmWare::layOutVariant()
{
    for (TLabel* step : L_Step)
        step->Hide();
    L_Telvor->Hide();
    for (TLbButton* button : {Btn_LoRaWAN_Access, Btn_BACnet_SetAccess, Btn_BACnet_EDE_File, Btn_MBus,
                              Btn_ScanDecode, Btn_Modbus_Set_Access, Btn_CAN_Rec_Frame, Btn_CAN_Send_Frame,
                              Btn_SDO_Server_CANopen, Btn_SDO_Client_CANopen, Btn_PDO_CANopen, Btn_CANopen_EDS,
                              Btn_DNet_Net, Btn_DNet_Offset, Btn_DMX_Default, Btn_EtherNetIP_Access,
                              Btn_KNX_Access, Btn_PROFIBUS_GSD, Btn_PROFINET_XML, Btn_IEC61850_Client,
                              Btn_IEC61850_Access, Btn_TLS_List_Certificates, Btn_MQTT_Set_Topic,
                              Btn_OPC_UA_Client_Access, Btn_OPC_UA_Server_Access, Btn_S7_Protocol_Access,
                              Btn_SNMP_Manager_Access, Btn_SNMP_Trap, Btn_SNMP_MIB})
        button->Hide();
    for (TLbButton* button : {Btn_LoRaWAN_Access, Btn_SNMP_Trap, Btn_SNMP_MIB})
        button->Show();
    for (int i = 0; i < 6; ++i)
        L_Step[i]->Show();
    L_Telvor->SetLeft(565);
    L_Telvor->SetTop(L_Step[5]->Top());
    L_Telvor->Show();
    Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
    SetClientWidth(694);
    SetClientHeight(Btn_CreateBin->Top() + 152);
}

void TFMarquellFirmWare::FormCreate(TObject*)
{
    Lang_Texts.Clear();
    layOutVariant();
    // A folder that cannot be made is not reported here: the steps that need it fail with their own message.
    Init_Folders();
    Name_Project.clear();
    Update_Read_Back = true;
    Load_Setting();
    Set_Update_Timer(Enable_Internet && Enable_Update);
    Title_Program = QStringLiteral("Telvor - Configurator SVX91 SNMP Agent / LoRaWAN ");
    SW_Code = QStringLiteral("SVX91");
    SW_Desc = QStringLiteral("SNMP Agent / LoRaWAN - Converter");
    SetCaption(Title_Program);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Desc);
    Init_Language();
    Path_Project = Find_Project_Folder(Name_Project);
    List_Slave_MBus.Clear();
    List_Slave_wMBus.Clear();
    Set_Lang();
    Set_Files();
    Row_Clipboard.Clear();
    Row_Clipboard_Checks.clear();
    MIB_Read_Desc.Clear();
    MIB_Write_Desc.Clear();
}

void TFMarquellFirmWare::FormClose(TObject*, TCloseAction&)
{
    QString error;
    if (!Save_Setting(&error))
        MessageDlg(QStringLiteral("The settings file could not be written: ") + error, mtError, mbOK, 0);
}

void TFMarquellFirmWare::showHeader()
{
    if (!Path_Project.isEmpty()) {
        L_Name_Conf->SetCaption(Text(11));
        L_Name_Conf_L2->SetCaption(Name_Project);
    } else {
        L_Name_Conf->SetCaption(Text(9));
        L_Name_Conf_L2->SetCaption(Text(10));
    }
}

void TFMarquellFirmWare::Set_Lang()
{
    L_Begin->SetCaption(Text(0));
    for (int i = 0; i < 8; ++i)
        L_Step[i]->SetCaption(Text(1 + i));
    Btn_Info->SetHint(Text(12));
    Btn_Opz->SetHint(Text(13));
    Btn_Close->SetHint(Text(14));
    SetCaptionHint(Btn_New, 15, 22);
    SetCaptionHint(Btn_Open, 16, 23);
    SetCaptionHint(Btn_CreateBin, 17, 26);
    SetCaptionHint(Btn_Prm_Gen, 20, 24);
    SetCaptionHint(Btn_LoRaWAN_Access, 21, 25);
    showHeader();
    SetCaptionHint(Btn_BACnet_SetAccess, 27, 29);
    SetCaptionHint(Btn_MBus, 31, 32);
    SetCaptionHint(Btn_ScanDecode, 33, 34);
    SetCaptionHint(Btn_Modbus_Set_Access, 36, 37);
    SetCaptionHint(Btn_CAN_Rec_Frame, 38, 39);
    SetCaptionHint(Btn_CAN_Send_Frame, 40, 41);
    SetCaptionHint(Btn_SDO_Server_CANopen, 46, 47);
    SetCaptionHint(Btn_SDO_Client_CANopen, 48, 49);
    SetCaptionHint(Btn_PDO_CANopen, 50, 51);
    SetCaptionHint(Btn_CANopen_EDS, 52, 53);
    SetCaptionHint(Btn_DNet_Net, 54, 55);
    SetCaptionHint(Btn_DNet_Offset, 56, 57);
    SetCaptionHint(Btn_DMX_Default, 58, 59);
    SetCaptionHint(Btn_EtherNetIP_Access, 60, 61);
    SetCaptionHint(Btn_PROFIBUS_GSD, 62, 63);
    SetCaptionHint(Btn_PROFINET_XML, 64, 65);
    SetCaptionHint(Btn_IEC61850_Client, 66, 67);
    SetCaptionHint(Btn_IEC61850_Access, 68, 69);
    SetCaptionHint(Btn_TLS_List_Certificates, 70, 71);
    SetCaptionHint(Btn_MQTT_Set_Topic, 72, 73);
    SetCaptionHint(Btn_OPC_UA_Client_Access, 74, 75);
    SetCaptionHint(Btn_OPC_UA_Server_Access, 76, 77);
    SetCaptionHint(Btn_S7_Protocol_Access, 78, 79);
    SetCaptionHint(Btn_SNMP_Manager_Access, 80, 81);
    SetCaptionHint(Btn_SNMP_Trap, 82, 83);
    SetCaptionHint(Btn_SNMP_MIB, 84, 85);
}

void TFMarquellFirmWare::Change_Language()
{
    Set_Lang();
    for (const char* name : Relabelled_Windows)
        Relabel_Window(QLatin1String(name));
}

void TFMarquellFirmWare::Set_Update_Timer(bool enabled)
{
    Timer_Update->SetEnabled(enabled);
}

void TFMarquellFirmWare::Timer_UpdateTimer(TObject*)
{
    Timer_Update->SetEnabled(false);
    // A check already running (from the options dialog) answers for this tick.
    if (!Version_Check_Running()) {
        if (Check_Version()) {
            LL_Update->SetCaption(Version_Link_Markup(Text(19)));
            LL_Update->Show();
        } else {
            LL_Update->Hide();
        }
    }
    Timer_Update->SetInterval(Later_Timer_Interval);
    Timer_Update->SetEnabled(true);
}

void TFMarquellFirmWare::L_TelvorClick(TObject*)
{
    platform::OpenWebAddress(Maker_Product_Page);
}

void TFMarquellFirmWare::LL_UpdateLinkClick(TObject*, const QString& Link, int)
{
    platform::OpenWebAddress(Link);
}
