// The language file reader: the built-in texts overlaid with the file, then
// every text the file replaced filled as the windows fill it.

#include "fuzz/FuzzSupport.h"

#include "app/shell/ULanguage.h"
#include "app/shell/ULanguageDefaults.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    Load_Default_Texts();
    const QString path = fuzz::PutFile(QStringLiteral("LANGUAGE/Fuzz.lng"), fuzz::Bytes(data, size));
    if (!Load_Language_File(path))
        std::abort(); // the file is there to be read
    if (Lang_Texts.Count() != Lang_Texts_Count)
        std::abort(); // a language file replaces texts, it never adds or drops one
    for (int i = 0; i < Lang_Texts_Count; ++i) {
        if (Lang_Texts[i] == Default_Text(i))
            continue;
        (void)Lang_Format(i, {});
        (void)Lang_Format(i, {42, QStringLiteral("text")});
        (void)Lang_Format(i, {QStringLiteral("text"), -7, 2.5});
    }
    return 0;
}
