#pragma once

#include <QString>

// The built-in English texts that fill Lang_Texts before a language file
// is applied.
constexpr int Default_Texts_Count = 6300;

// The built-in text of an index from 0 to Default_Texts_Count - 1 (a single
// blank where the index has no text of its own); an empty text outside.
QString Default_Text(int index);
