#pragma once

#include "platform/ui/window/Form.h"

#include <QString>

class TLabel;
class TLbButton;
class TLinkLabel;
class TSaveDialog;
class TShape;
class TTimer;

// The main window: prepares the shared state at start-up, lays out the step
// buttons of this product, and runs every step of the configuration work.
// Every step button goes through the one click handler Btn_Click; the windows
// and exports of the other parts are reached only by name through the window
// registry (WindowRegistry.h). The update program runs through
// platform::RunProgram, limited by Start_Program_Limit_Ms.
class TFMarquellFirmWare : public TForm {
public:
    explicit TFMarquellFirmWare(QWidget* parent = nullptr);
    ~TFMarquellFirmWare() override;

    void Btn_Click(TObject* Sender);
    void Set_Lang();
    // Relabels every window that exists, in the program's fixed order.
    void Change_Language();
    void Timer_UpdateTimer(TObject* Sender);
    void L_TelvorClick(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const QString& Link, int LinkType);

    void Create_New_Project();
    void Open_Project();
    void Update_Device();
    // True when every enabled uplink row fits the payload size.
    bool Check_Config_LoraWAN();
    // Runs the program and waits for its end, at most the update program's
    // limit; a program that cannot be started or outlives the limit is
    // reported in an error box.
    void Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo);

    void PROFINET_XML();
    void Build_EDS_File();
    void BACnet_EDE_File();

    // Enabling a running timer keeps its count (see TTimer).
    void Set_Update_Timer(bool enabled);

    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLinkLabel* LL_Update;
    TLbButton* Btn_Info;
    TLbButton* Btn_Opz;
    TLbButton* Btn_Close;
    TLabel* L_Begin;
    TShape* Shape2;
    TLabel* L_Name_Conf;
    TLabel* L_Name_Conf_L2;
    TLabel* L_Step[8]; // L_Step_1 ... L_Step_8
    TLbButton* Btn_New;
    TLbButton* Btn_Open;
    TLbButton* Btn_Prm_Gen;
    TLbButton* Btn_LoRaWAN_Access;
    TLbButton* Btn_SNMP_Trap;
    TLbButton* Btn_SNMP_MIB;
    TLbButton* Btn_CreateBin;
    TLbButton* Btn_BACnet_SetAccess;
    TLbButton* Btn_BACnet_EDE_File;
    TLbButton* Btn_MBus;
    TLbButton* Btn_ScanDecode;
    TLbButton* Btn_Modbus_Set_Access;
    TLbButton* Btn_CAN_Rec_Frame;
    TLbButton* Btn_CAN_Send_Frame;
    TLbButton* Btn_SDO_Server_CANopen;
    TLbButton* Btn_SDO_Client_CANopen;
    TLbButton* Btn_PDO_CANopen;
    TLbButton* Btn_CANopen_EDS;
    TLbButton* Btn_DNet_Net;
    TLbButton* Btn_DNet_Offset;
    TLbButton* Btn_DMX_Default;
    TLbButton* Btn_EtherNetIP_Access;
    TLbButton* Btn_KNX_Access;
    TLbButton* Btn_PROFIBUS_GSD;
    TLbButton* Btn_PROFINET_XML;
    TLbButton* Btn_IEC61850_Client;
    TLbButton* Btn_IEC61850_Access;
    TLbButton* Btn_TLS_List_Certificates;
    TLbButton* Btn_MQTT_Set_Topic;
    TLbButton* Btn_OPC_UA_Client_Access;
    TLbButton* Btn_OPC_UA_Server_Access;
    TLbButton* Btn_S7_Protocol_Access;
    TLbButton* Btn_SNMP_Manager_Access;
    TLabel* L_Telvor;
    TShape* Shape1;
    TTimer* Timer_Update;
    TSaveDialog* SD1;
    TSaveDialog* SaveEDS;
    TSaveDialog* SaveMIB;

protected:
    void FormCreate(TObject* Sender) override;
    void FormClose(TObject* Sender, TCloseAction& Action) override;

private:
    void createControls();
    void layOutVariant();
    void showHeader();
    TLbButton* makeButton(const char* name, int left, int top, int width, int height);
};

extern TFMarquellFirmWare* FMarquellFirmWare;

// The program's version, shown in the about box and compared by the version check.
extern const QString Program_Version;
// The maker's pages. Placeholders until the maker's addresses are known.
extern const QString Maker_Product_Page;  // with the product code for "frompg"
extern const QString Maker_Download_Page;
extern const QString Maker_Web_Caption;
// The maker as the SNMP MIB names it: postal address, mail domain and the
// private enterprise number of its root node (placeholders, the last one the
// number kept for documentation).
extern const QString Maker_Street;
extern const QString Maker_Town;
extern const QString Maker_Country;
extern const QString Maker_Mail_Domain;
extern const int Maker_Enterprise_Number;

// The longest wait for the update program, in milliseconds (150 s); tests
// shorten it.
extern int Start_Program_Limit_Ms;
