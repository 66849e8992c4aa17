#pragma once

// The EDE import dialog: the objects of a BACnet device's EDE file, which of
// them the client table takes over for reading and writing, and the device's
// address.

#include "app/tables/network/bacnet/UImportEDEFileRead.h"
#include "platform/ui/window/Form.h"

class TEdit;
class TExColumnGrid;
class TLabel;
class TLbButton;
class TPanel;

class TFImportEDEFile : public TForm {
public:
    explicit TFImportEDEFile(QWidget* parent = nullptr);
    ~TFImportEDEFile() override;

    void Set_Lang();
    void Cancel_EDE_List_Vars();
    void Load_EDE_File();
    void Show_Data_in_Grid();
    void ACGCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);
    void Btn_Select_AllClick(TObject* Sender);
    void Btn_Unselect_AllClick(TObject* Sender);
    void Btn_OKClick(TObject* Sender);

    QString EDE_File;
    QList<TBACnet_Var> List_EDE_Var;
    int App_BACnet_Type = 0;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_ID_IP;
    TLabel* LID_IP;
    TEdit* E_ID_IP;
    TExColumnGrid* ACG;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_Select_All;
    TLbButton* Btn_Unselect_All;

protected:
    void FormCreate(TObject* Sender) override;
    void FormShow(TObject* Sender) override;

private:
    void buildGrid();
    void reportFaults(const TEDE_Read_Result& result);
    void setAllImport(bool import);
};

extern TFImportEDEFile* FImportEDEFile;
