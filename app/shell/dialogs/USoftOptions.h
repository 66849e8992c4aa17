#pragma once

#include "app/shell/mainwindow/UMarquellFirmWareDialogBands.h"
#include "platform/core/StringList.h"
#include "platform/ui/window/Form.h"

#include <QString>

class QTabWidget;
class TCheckBox;
class TImage;
class TLabel;
class TLinkLabel;

// The options dialog: language, internet access and update check, and the
// table editing options.
class TFSoftOptions : public TForm {
public:
    explicit TFSoftOptions(QWidget* parent = nullptr);
    ~TFSoftOptions() override;

    void Btn_OKClick(TObject* Sender);
    void CB_En_ConClick(TObject* Sender);
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const QString& Link, int LinkType);
    void LangClick(TObject* Sender);
    void Btn_NextClick(TObject* Sender);
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void Update_CheckBox();
    void Set_Lang();

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    QTabWidget* PC_Options;
    QWidget* TS_Language;
    QWidget* TS_Con_Options;
    QWidget* TS_Soft_Settings;
    TLabel* L_Sel_Lang;
    TLabel* L_Page_Lang;
    TImage* I_L[6]; // I_L1 ... I_L6
    TLabel* L_L[6]; // L_L1 ... L_L6
    TLbButton* Btn_Prev;
    TLbButton* Btn_Next;
    TCheckBox* CB_En_Con;
    TCheckBox* CB_Update;
    TLbButton* Btn_Check_Update;
    TLinkLabel* LL_Check_Update;
    TCheckBox* CB_Soft_Set_Jump_Table;
    TCheckBox* CB_DoubleClick_Auto_Size;

    // The language file names found, sorted.
    TStringList SL_Languages;
    // The language page shown, from 1.
    int Show_Page = 1;
    // The language chosen in this dialog.
    QString Language_In_Use;

protected:
    void FormCreate(TObject* Sender) override;
    void FormShow(TObject* Sender) override;

private:
    int pageCount() const;
};

extern TFSoftOptions* FSoftOptions;

// The version number of a version text ("Ver. 1.001" gives 1001), or -1.
int Conv_Version(const QString& Ver_str);
// Asks the maker's version page; true when it names a newer version. A failed
// or unanswered request means no newer version. While one check runs, another
// gives false at once.
bool Check_Version();
bool Version_Check_Running();
// The link markup that leads to the maker's download page.
QString Version_Link_Markup(const QString& text);
// The version page address, up to and including "nomesw="; tests point it
// at a local server.
QString Version_Page_Address();
void Set_Version_Page_Address(const QString& address);
