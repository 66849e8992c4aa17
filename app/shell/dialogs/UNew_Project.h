#pragma once

#include "app/shell/mainwindow/UMarquellFirmWareDialogBands.h"
#include "platform/ui/window/Form.h"

class TEdit;
class TLabel;

// Asks for the name of a new configuration and creates its folders.
class TFNew_Project : public TForm {
public:
    explicit TFNew_Project(QWidget* parent = nullptr);
    ~TFNew_Project() override;

    // Checks the typed name, creates the configuration and closes with mrOk;
    // a refused name leaves the dialog open after an error box. A folder only
    // half made is removed again.
    void Btn_OKClick(TObject* Sender);
    void Set_Lang();

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLabel* Label1;
    TEdit* E_New_Proj;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

protected:
    void FormCreate(TObject* Sender) override;
    void FormShow(TObject* Sender) override;
};

extern TFNew_Project* FNew_Project;

// 0 when `name` (already trimmed) may name a configuration folder, otherwise
// the text index that refuses it: 107 for an empty name, 105 for a name that
// is no single folder name ("." or "..", a separator or a control character).
int Check_New_Project_Name(const QString& name);
