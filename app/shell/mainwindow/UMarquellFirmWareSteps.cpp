// The steps of the main window: one click handler for every push button.

#include "app/shell/mainwindow/UMarquellFirmWare.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWareSettings.h"
#include "app/shell/dialogs/UOpenConf.h"
#include "app/shell/WindowRegistry.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/panels/Label.h"

#include <functional>

namespace {

struct Step {
    TLbButton* button;
    bool needsProject;
    std::function<void()> action;
};

void ShowError(const QString& text)
{
    MessageDlg(text, mtError, mbOK, 0);
}

// Runs an entry point of another part of the program; its own failure text
// is shown when it gives one.
void RunEntryPoint(const char* name, const QString& argument = QString())
{
    QString error;
    if (Run_Command(QLatin1String(name), argument, error) == CommandOutcome::Failed && !error.isEmpty())
        ShowError(error);
}

std::function<void()> ShowWindow(const char* name)
{
    return [name] { Show_Window(QLatin1String(name)); };
}

} // namespace

void TFMarquellFirmWare::Btn_Click(TObject* Sender)
{
    const Step steps[] = {
        {Btn_New, false, [this] { Create_New_Project(); }},
        {Btn_Open, false, [this] { Open_Project(); }},
        {Btn_Close, false, [this] { Close(); }},
        {Btn_Info, false, ShowWindow("FAbout")},
        {Btn_Opz, false,
         [this] {
             if (Show_Window(QStringLiteral("FSoftOptions")) != mrOk)
                 return;
             QString error;
             if (!Save_Setting(&error))
                 ShowError(QStringLiteral("The settings file could not be written: ") + error);
             Set_Update_Timer(Enable_Internet && Enable_Update);
         }},
        {Btn_Prm_Gen, true, ShowWindow("FParGen")},
        {Btn_LoRaWAN_Access, true, ShowWindow("FLoRa_Set_Access")},
        {Btn_BACnet_SetAccess, true, ShowWindow("FBACnetAccess")},
        {Btn_BACnet_EDE_File, true, [this] { BACnet_EDE_File(); }},
        {Btn_MBus, true, ShowWindow("FMeter_Bus")},
        {Btn_Modbus_Set_Access, true, ShowWindow("FModbus_TCP_Master_Set_Access")},
        {Btn_CAN_Rec_Frame, true, ShowWindow("FReceiveCAN")},
        {Btn_CAN_Send_Frame, true, ShowWindow("FTransmitCAN")},
        {Btn_PDO_CANopen, true, ShowWindow("FSet_PDO_Access")},
        {Btn_SDO_Client_CANopen, true, ShowWindow("FSet_SDO_Client_Access")},
        {Btn_SDO_Server_CANopen, true, ShowWindow("FSet_SDO_Server_Access")},
        {Btn_CANopen_EDS, true, [this] { Build_EDS_File(); }},
        {Btn_DNet_Net, true, ShowWindow("FDNet")},
        {Btn_DNet_Offset, true, ShowWindow("FDefOffset")},
        {Btn_DMX_Default, true, ShowWindow("FDMXDefVal")},
        {Btn_EtherNetIP_Access, true, ShowWindow("FEtherNetIP_Master_Access")},
        {Btn_KNX_Access, true, ShowWindow("FKNXAccess")},
        {Btn_PROFIBUS_GSD, true, [] { RunEntryPoint("Export_GSD_File"); }},
        {Btn_PROFINET_XML, true, [this] { PROFINET_XML(); }},
        {Btn_IEC61850_Client, true, ShowWindow("FIEC_61850_Access")},
        {Btn_TLS_List_Certificates, true, ShowWindow("FTLS_Server_Known_Cert")},
        {Btn_IEC61850_Access, true, ShowWindow("FIEC61850_Variables")},
        {Btn_MQTT_Set_Topic, true, ShowWindow("FMQTT_Set_Topic")},
        {Btn_OPC_UA_Client_Access, true, ShowWindow("FOPC_UA_Client_Access")},
        {Btn_OPC_UA_Server_Access, true, ShowWindow("FOPC_UA_Server_Access")},
        {Btn_S7_Protocol_Access, true, ShowWindow("FS7_Protocol_Set_Access")},
        {Btn_SNMP_Manager_Access, true, ShowWindow("FSNMPManagerAccess")},
        {Btn_SNMP_Trap, true, ShowWindow("FSNMP_Trap_Access")},
        {Btn_SNMP_MIB, true, [] { RunEntryPoint("Export_SNMP_MIB"); }},
        {Btn_CreateBin, true, [this] { Update_Device(); }},
        {Btn_ScanDecode, true,
         [] {
             if (FileExists(File_M_Bus) && MessageDlg(Lang_Texts[35], mtWarning, mbYesNo, 0) != mrYes)
                 return;
             const QString scan = QStringLiteral("FScanDecode");
             Write_Window_Field(scan, QStringLiteral("XML_Code_Dev"), Get_XML_Code_Dev());
             Write_Window_Field(scan, QStringLiteral("FileName_MBus"), File_M_Bus);
             Write_Window_Field(scan, QStringLiteral("Form_Type"), Get_Scan_Form_Type());
             Show_Window(scan);
         }},
    };
    for (const Step& step : steps) {
        if (dynamic_cast<TObject*>(step.button) != Sender)
            continue;
        if (step.needsProject && Path_Project.isEmpty()) {
            ShowError(Lang_Texts[18]);
            return;
        }
        step.action();
        return;
    }
}

void TFMarquellFirmWare::Create_New_Project()
{
    if (Show_Window(QStringLiteral("FNew_Project")) != mrOk)
        return;
    L_Name_Conf->SetCaption(Lang_Texts[11]);
    L_Name_Conf_L2->SetCaption(Name_Project);
}

void TFMarquellFirmWare::Open_Project()
{
    if (Show_Window(QStringLiteral("FOpenConf")) != mrOk || !FOpenConf)
        return;
    Name_Project = FOpenConf->Name_Conf;
    // The chosen name was listed from PROJECTS; the lookup keeps a name that
    // is no folder there from opening anything else.
    Path_Project = Find_Project_Folder(Name_Project);
    showHeader();
    Set_Files();
}

void TFMarquellFirmWare::PROFINET_XML()
{
    const QString dialog = QStringLiteral("FProfinetFileName");
    if (Show_Window(dialog) != mrOk)
        return;
    RunEntryPoint("Export_GSDML_File", Read_Window_Field(dialog, QStringLiteral("Name_File_XML")).toString());
}

void TFMarquellFirmWare::Build_EDS_File()
{
    SaveEDS->SetInitialDir(Path_Project);
    if (SaveEDS->Execute())
        RunEntryPoint("Write_EDS_File", SaveEDS->FileName());
}

void TFMarquellFirmWare::BACnet_EDE_File()
{
    SD1->SetInitialDir(Path_Project);
    if (!SD1->Execute())
        return;
    QString name = SD1->FileName();
    if (UpperCase(name.right(4)) != QLatin1String(".CSV"))
        name += QLatin1String(".csv");
    if (FileExists(name) && MessageDlg(Lang_Texts[1105], mtConfirmation, mbYesNoCancel, 0) != mrYes)
        return;
    RunEntryPoint("Export_EDE_File", name);
}
