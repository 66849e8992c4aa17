#pragma once

// The title and button bands that the small dialogs of the shell share, and
// the borderless panels and auto-sized labels the windows build them from.

#include "platform/ui/controls/Control.h"

#include <QString>

class QWidget;
class TLabel;
class TLbButton;
class TPanel;

struct TDialogTitle {
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
};

struct TDialogButtons {
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;
};

// A borderless panel of a height, aligned in its parent.
TPanel* Make_Band_Panel(QWidget* parent, int height, TAlign align);
// A label at a place that sizes itself to its caption.
TLabel* Make_Auto_Label(QWidget* parent, int left, int top, const QString& caption = QString());

// A band across the top with the product code (large, grey) and a title line.
TDialogTitle Make_Dialog_Title(QWidget* form);
// A band across the bottom with OK and Cancel at the right of a window of
// that client width; Cancel closes the window with mrCancel, OK does nothing
// of its own.
TDialogButtons Make_Dialog_Buttons(QWidget* form, int clientWidth);
