#pragma once

#include "app/communication/UParGenPanels.h"

#include <QtCore/QStringList>

#include <vector>

// The design of the panels that serve the other models of the family: their
// rows in design order, with names, positions, list items, preset values and
// the language texts of each row. The form builds these panels from it.

enum class TParRowKind {
    Edit,          // label and single-line edit
    Memo,          // label and multi-line edit
    Combo,         // label and fixed drop-down list
    Check,         // a lone check box
    Check_Edit,    // check box with an edit on the same row
    Check_Combo,   // check box with a combo box on the same row
    Address,       // label and four byte edits with three dots
    Check_Address, // check box (the gateway or DNS switch) and four byte edits
    Lone_Edit,     // an edit without a caption of its own, hidden
};

struct TParRow {
    TParRowKind kind = TParRowKind::Edit;
    // The caption control: a check box's name, or the label's, which follows
    // from the input's name ("E_X" or "CB_X" gives "L_X").
    QString caption;
    // The input control, or for an address row the byte edits' common prefix
    // ("E_S7_Protocol_IP" for E_S7_Protocol_IP1 ... E_S7_Protocol_IP4).
    QString input;
    int top = 0; // design y of the caption
    // First language text of the row: the caption, then the hints in row
    // order (check box, then input or the four bytes); -1 for none.
    int text = -1;
    bool inputHint = true; // false: the input takes no hint text
    // A list rebuilt from consecutive texts, and the text of its hint when it
    // does not directly follow the caption.
    int listText = -1;
    int listCount = 0;
    int hintText = -1;
    QString checkCaption; // design caption of a check box
    QStringList items;
    int itemIndex = -1;
    QString value; // preset text of an edit
    int maxLength = 0;
    bool lowerCase = false;
    bool enabled = true;
    QStringList dots; // names of an address row's dot labels, when it has its own

    TParRow& Caption(const char* text);
    TParRow& Items(const QStringList& list, int selected = -1);
    TParRow& Value(const char* text);
    TParRow& Max(int length, bool lower = false);
    TParRow& Disabled();
    TParRow& NoHint();
    TParRow& List(int firstText, int count, int hint);
    TParRow& Dots(const char* a, const char* b, const char* c);
};

struct TParPanelDesign {
    TParPanel panel;
    QString header;   // the header caption of the design
    int height;       // the design height; 0 fits the panel to its rows
    std::vector<TParRow> rows;
};

// The designs of the 33 panels, in the order of the panel enumeration.
const std::vector<TParPanelDesign>& Par_Other_Panel_Designs();

// The label that captions a row whose input is `input`.
QString Par_Row_Label(const QString& input);
