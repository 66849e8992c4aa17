#pragma once

#include "app/shell/mainwindow/UMarquellFirmWareDialogBands.h"
#include "platform/core/StringList.h"
#include "platform/ui/window/Form.h"

class TLabel;
class TListBox;

// Lists the configurations under PROJECTS and lets the user choose one.
class TFOpenConf : public TForm {
public:
    explicit TFOpenConf(QWidget* parent = nullptr);
    ~TFOpenConf() override;

    void Load_Existing_Configuration();
    // Index in SL of the first name equal to `snc` without regard to case, or -1.
    int Search_Open_Conf(const QString& snc) const;
    void ListBox1Click(TObject* Sender);
    void Set_Lang();

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLabel* Label1;
    TListBox* ListBox1;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    // The configuration names found at the last showing.
    TStringList SL;
    // The chosen configuration; empty until one is chosen.
    QString Name_Conf;

protected:
    void FormCreate(TObject* Sender) override;
    void FormShow(TObject* Sender) override;
};

extern TFOpenConf* FOpenConf;
