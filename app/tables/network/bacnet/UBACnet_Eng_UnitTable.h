#pragma once

// The BACnet engineering units (codes 0 to 236) as the chooser offers them.

#include <span>

struct TEng_Unit_Row {
    int category; // index into Eng_Unit_Categories()
    int code;
    const char16_t* text; // the name in the unit list
};

struct TEng_Unit_Name {
    int code;
    const char16_t* text;
};

// The 23 categories in list order.
std::span<const char16_t* const> Eng_Unit_Categories();
// Every unit once, grouped by category, in list order within each category.
std::span<const TEng_Unit_Row> Eng_Unit_Rows();
// The codes whose shown name differs from their list text.
std::span<const TEng_Unit_Name> Eng_Unit_Desc_Names();
