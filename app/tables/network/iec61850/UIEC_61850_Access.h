#pragma once

// The IEC 61850 client table: SCL files of the servers in the configuration's
// catalog, each server's model in a tree, the picked data attributes and data
// sets with their addresses and placement, stored in "IEC_61850_Client.xml".
// The window shares the table frame's window setup, title band and column look
// without being a table frame. A file is decoded before it is copied into the
// catalog ("ICD_Catalog"), so a bad file never replaces a good one; a catalog
// file that is missing or no longer decodes keeps its place as a placeholder
// device and is reported.

#include "platform/ui/window/Form.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTreeWidgetItem;
class TExColumnGrid;
class TExPageControl;
class TExTabSheet;
class TIEC_DA;
class TIEC_DataSet;
class TIEC_Device;
class TLabel;
class TLbButton;
class TListBox;
class TOpenDialog;
class TPanel;
class TSplitter;
class TTreeView;

// A member of a picked data set with the texts the table gives it.
class TDataSet_DA {
public:
    TIEC_DA* Select_DA = nullptr; // the model's attribute, not owned
    QString Position;
    QString bitAddress;
    QString conversion;
    QString multFactor;
    QString Mnemonic;
};

// A picked data set: the model's data set (nil when its device has none of
// that reference) and its members.
class TDataSet {
public:
    TIEC_DataSet* Select_DataSet = nullptr;
    std::vector<std::unique_ptr<TDataSet_DA>> List_DAs;
};

class TFIEC_61850_Access : public TForm {
public:
    explicit TFIEC_61850_Access(QWidget* parent = nullptr);
    ~TFIEC_61850_Access() override;

    void Set_Lang();
    bool Controllo_dati();
    void Set_Start_Num_Byte();

    void LB_IEC_DevicesClick(TObject* Sender);
    void TV_IEC_DeviceClick(TObject* Sender);
    void Btn_Add_IEC_DeviceClick(TObject* Sender);
    void Btn_Remove_IEC_DeviceClick(TObject* Sender);
    void Btn_AddVarClick(TObject* Sender);
    void Btn_RemoveVarClick(TObject* Sender);
    void Btn_OKClick(TObject* Sender);
    void ClickCell(TObject* Sender, int ARow, int ACol);
    void ACG_DS_VarsSelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);
    void ACG_DS_VarsEditCellDone(TObject* Sender, int ACol, int ARow);
    void Show_DataSet_DAs();

    TIEC_DataSet* Get_DataSet(int deviceIndex, const QString& reference) const;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TLbButton* Btn_AddVar;
    TLbButton* Btn_RemoveVar;
    TLbButton* Btn_MoveUp;
    TLbButton* Btn_ModeDown;
    TPanel* PDevIEC;
    TPanel* PDevIECList;
    TPanel* PDevIECTree;
    TLbButton* Btn_Add_IEC_Device;
    TListBox* LB_IEC_Devices;
    TLbButton* Btn_Remove_IEC_Device;
    TTreeView* TV_IEC_Device;
    TPanel* PTable;
    TExPageControl* PC_DA_DataSet;
    TExTabSheet* TS_DA;
    TExTabSheet* TS_DataSet;
    TExColumnGrid* ACG_DA;
    TExColumnGrid* ACG_DataSet;
    TExColumnGrid* ACG_DS_Vars;
    TOpenDialog* OD_IcdFile;

    std::vector<std::unique_ptr<TIEC_Device>> List_IEC_Dev;
    TIEC_DA* Selected_IEC_DA = nullptr;
    TIEC_DataSet* Selected_IEC_DS = nullptr;
    QStringList Hint;
    std::vector<std::unique_ptr<TDataSet>> List_DataSet;
    int DataSet_Row_Select = 0;

protected:
    void FormCreate(TObject* Sender) override;
    void FormShow(TObject* Sender) override;

private:
    void buildWindow();
    void buildDevicePanel();
    void buildTables();
    // File
    void clearAll();
    void loadFile();
    bool writeFile(QString& error) const;
    // Tree
    void Show_IEC_Devices();
    void Show_Tree_IEC_Device(TIEC_Device* device);
    // Catalog
    std::unique_ptr<TIEC_Device> addFromFile(const QString& chosen);
    bool deviceInUse(int index) const;
    void lowerIndexesAbove(int index);
    // Rows
    int appendRow(TExColumnGrid* grid);
    void removeRow(TExColumnGrid* grid, int row);
    TIEC_Device* selectedDevice() const;

    bool fileUnreadable_ = false;
};

// The catalog folder of the open configuration, with a trailing separator.
QString IEC_Catalog_Folder();

extern TFIEC_61850_Access* FIEC_61850_Access;
