#pragma once

#include "platform/core/Format.h"
#include "platform/core/StringList.h"

#include <QString>

#include <initializer_list>

// Every caption, hint, column header and message of the windows, fetched by
// its fixed index. Empty until Init_Language (or Load_Default_Texts) runs,
// then exactly Lang_Texts_Count entries.
extern TStringList Lang_Texts;
// 0 until the built-in texts are loaded, then 6300.
extern int Lang_Texts_Count;

// Built-in texts first, then the language file that Language_Name names, or
// "English.lng" when that file is missing (Language_Name becomes "English").
void Init_Language();
// Empties Lang_Texts and fills it with the built-in English texts.
void Load_Default_Texts();
// Overlays the entries that the language file names; malformed lines are
// skipped one by one. False when the file cannot be read (the list is then
// unchanged).
bool Load_Language_File(const QString& fileName);

// Text `index` with its "%d"/"%s" directives filled. A language file may
// carry directives that do not fit the arguments; the built-in text is used
// then, and when even that does not fit, the text unfilled.
QString Lang_Format(int index, std::initializer_list<FormatArg> args);
