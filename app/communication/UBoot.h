#pragma once

#include "platform/ui/window/Form.h"

#include <QString>

#include <memory>

class TCheckBox;
class TExColumnGrid;
class TComboBox;
class TEdit;
class TLabel;
class TLbButton;
class TPanel;

// The Update Device window: the user types the gateway's address and picks
// what to update; the window pings the gateway, writes the job description
// "Ethernet_Update.xml" beside the executable and runs the update program
// through the main window's Start_Program. Its layout follows Form_Type, which
// the main window sets before showing it. The address is checked before the
// ping; each echo try (400 ms, through platform::CurrentPinger) waits on a
// worker while the window keeps painting, two answers end the ping and 5 s end
// it in any case. The Update button is disabled while an update runs.
class TFBoot : public TForm {
public:
    explicit TFBoot(QWidget* parent = nullptr);
    ~TFBoot() override;

    void Set_Lang();
    void Btn_UpdateClick(TObject* Sender);
    void Btn_COM_ListClick(TObject* Sender);
    void KeyPress(TObject* Sender, QChar& Key);
    // True when the gateway answered the last of its echo tries.
    bool Send_Ping();
    void update_ComPort();
    // Writes the job description; false with the reason in `error` when the
    // file cannot be written.
    bool Compile_XML_Parameter_New_Boot(QString& error);

    int Form_Type = 0; // 0 serial, 1 Ethernet, 2 USB
    int ping_res = 0;  // 0 no reply yet, 1 answered, 2 not answered
    int BACnetType = 0;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_IP_Address;
    TLabel* L_IP_Address;
    TEdit* E_IP1;
    TEdit* E_IP2;
    TEdit* E_IP3;
    TEdit* E_IP4;
    TPanel* P_Serial;
    TLabel* L_COM_Port;
    TComboBox* CB_COM_Port;
    TLbButton* Btn_COM_List;
    TPanel* P_Eth_Search;
    TLabel* L_List_Device;
    TLbButton* Btn_Search;
    TExColumnGrid* ACG_List_Devices;
    TCheckBox* CB_Find_All_Telvor;
    TPanel* P_Options;
    TLabel* L_Update_Option;
    TComboBox* CB_Update_Options;
    TCheckBox* CB_Update_Option_Read_Back;
    TPanel* P_Button;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_Update;

protected:
    void FormShow(TObject* Sender) override;

private:
    void PingReply(int replyBytes);
    QString IP_Address_Text() const;
    bool IP_Address_Valid() const;
    void Run_Update();
    struct Data;
    std::unique_ptr<Data> d;
};

extern TFBoot* FBoot;
