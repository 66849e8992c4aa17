#pragma once

// The form's own state shared by the files of the parameter form; not part
// of its public face.

#include "app/communication/UParGen.h"
#include "app/communication/UParGenPanels.h"

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <array>
#include <utility>
#include <vector>

class TMemo;

using TAddressEdits = std::array<TEdit*, 4>;

// The controls of one row of a panel: its caption (label or check box), its
// input control or four byte edits, and the dots between the bytes.
struct TParRowControls {
    TParRowControls() = default;
    TParRowControls(platform::TControl* caption_, std::vector<platform::TControl*> inputs_)
        : caption(caption_)
        , inputs(std::move(inputs_))
    {
    }

    platform::TControl* caption = nullptr;
    std::vector<platform::TControl*> inputs;
    std::vector<platform::TControl*> dots;

    void SetVisible(bool visible) const;
    // Shows the row with its caption and dots at y and its inputs 3 pixels
    // higher, then moves y on by one row.
    void Place(int& y) const;
};

struct TFParGen::Data {
    explicit Data(TFParGen& form_)
        : form(form_)
    {
    }

    TFParGen& form;
    TAddressEdits priDns{};
    TAddressEdits secDns{};
    TAddressEdits snmpIp{};
    TAddressEdits snmpSm{};
    TAddressEdits snmpGat{};
    // The address byte edits in the order in which "." moves the focus on;
    // a chain ends where the next edit begins another chain.
    std::vector<std::vector<TEdit*>> focusChains;
    // True while the program itself fills the controls, so that what it sets
    // is not filtered as pasted text.
    bool loading = false;
    bool resizing = false;

    // Set_Lang has run: a panel built afterwards takes the texts at once.
    bool textsSet = false;

    // The panels built so far; those of the other models are built on first use.
    std::array<TCategoryPanel*, Par_Panel_Count> panels{};
    // Every control of the built panels of the other models by name, and their
    // rows by the name of the caption (of the input for a row without caption).
    QHash<QString, platform::TControl*> controls;
    QHash<QString, TParRowControls> rows;

    // The row of the other panels by its caption's name; builds its panel on
    // first use.
    const TParRowControls& Row(const QString& caption);
};

// Geometry of the rows of a panel (pixels of the panel's surface).
namespace pargen {

inline constexpr int Label_Left = 14;
inline constexpr int Input_Left = 191;
inline constexpr int Input_Width = 238;
inline constexpr int Row_Pitch = 28;
// An edit or combo box sits this far above the label of its row.
inline constexpr int Input_Raise = 3;
inline constexpr int Panel_Bottom_Margin = 12;
inline constexpr int Edit_Height = 21;
inline constexpr int Combo_Height = 22;
inline constexpr int Check_Height = 17;
inline constexpr int Label_Height = 13;
inline constexpr int Memo_Height = 23;
inline constexpr int Check_Width = 415;
// A check box that shares its row with an input ends before the input.
inline constexpr int Row_Check_Width = 170;

// The controls of the form in the form's fonts, at design positions.
TLabel* MakeLabel(QWidget* parent, const QString& name, int left, int top);
TEdit* MakeEdit(QWidget* parent, const QString& name, int top, int maxLength = 0);
TMemo* MakeMemo(QWidget* parent, const QString& name, int top);
TComboBox* MakeCombo(QWidget* parent, const QString& name, int top, const QStringList& items);
TCheckBox* MakeCheck(QWidget* parent, const QString& name, int left, int top, int width = Check_Width);
// Four byte edits named prefix1 ... prefix4 with the three dots between them,
// named prefix_Dot1 ... prefix_Dot3 unless three names are given; the dots
// are added to `dots` when it is given.
// The names of the byte edits (1 to 4) and of the dots (1 to 3) of an address row.
QString OctetName(const QString& prefix, int number);
QString DotName(const QString& prefix, const QStringList& dotNames, int number);
TAddressEdits MakeAddressRow(QWidget* parent, const QString& prefix, int editTop, int dotTop,
                             const QStringList& dotNames = {}, std::vector<platform::TControl*>* dots = nullptr);
// The design height keeps the panels apart until the layout fits them.
TCategoryPanel* MakePanel(TCategoryPanelGroup* group, const QString& name, int height);

// Passes every later edit of the edit's text through the key filter, so that
// pasted or dropped text keeps only the characters that typing lets through.
// Text the program sets while `loading` is true is left as it is.
void Install_Paste_Filter(TEdit* edit, bool (*passes)(QChar), const bool* loading);

// Sets the panel's height to end 12 pixels below `lowest`, header included.
void Fit_Panel_Height(TCategoryPanel* panel, const platform::TControl* lowest);

} // namespace pargen
