#pragma once

// The engineering unit chooser: the engineer picks the BACnet engineering unit
// of an object by category and name instead of typing its number.

#include "platform/ui/window/Form.h"

class TComboBox;
class TEdit;
class TLabel;
class TLbButton;
class TPanel;
class TShape;

// The name of a unit code, "unknown" for a code that is no unit (callers pass
// -1 for a text that is not a number).
QString Desc_Unit(int code);
// The code of the unit at `unitIndex` in the list of category `category`; 0
// for an index outside the table.
int Eng_Unit_Code(int category, int unitIndex);

class TFBACnet_Eng_Unit : public TForm {
public:
    explicit TFBACnet_Eng_Unit(QWidget* parent = nullptr);
    ~TFBACnet_Eng_Unit() override;

    void Set_Lang();
    void CB_Select_TypeSelect(TObject* Sender);
    void Btn_Select_Eng_UnitClick(TObject* Sender);

    // Shows `unitText` (a cell's text) in the edit and its name in the label.
    void Set_Selected_EU(const QString& unitText);
    // Shows the chooser modally for `unitText`; on OK writes the edit's text
    // back into it and returns true, otherwise leaves it as it was.
    bool Choose(QString& unitText);

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLabel* Label1;
    TEdit* E_Selected_EU;
    TLabel* Label5;
    TShape* Shape1;
    TLabel* Label2;
    TLabel* Label3;
    TComboBox* CB_Select_Type;
    TLabel* Label4;
    TComboBox* CB_Select_Unit;
    TLbButton* Btn_Select_Eng_Unit;
    TShape* Shape2;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

protected:
    void FormCreate(TObject* Sender) override;
    void FormShow(TObject* Sender) override;
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
