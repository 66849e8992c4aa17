#pragma once

// The form's own state shared by the files of the parameter form; not part
// of its public face.

#include "app/communication/UParGen.h"

#include <array>
#include <vector>

using TAddressEdits = std::array<TEdit*, 4>;

struct TFParGen::Data {
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

// Passes every later edit of the edit's text through the key filter, so that
// pasted or dropped text keeps only the characters that typing lets through.
// Text the program sets while `loading` is true is left as it is.
void Install_Paste_Filter(TEdit* edit, bool (*passes)(QChar), const bool* loading);

} // namespace pargen
