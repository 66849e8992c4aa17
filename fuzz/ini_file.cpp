// INI files as TMemIniFile reads them: what it writes back reads the same.

#include "fuzz/FuzzSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QString path = fuzz::PutFile(QStringLiteral("settings.ini"), fuzz::Bytes(data, size));
    TMemIniFile ini(path);
    for (const QString& section : ini.ReadSections())
        for (const QString& key : ini.ReadSection(section))
            (void)ini.ReadInteger(section, key, 0);
    ini.WriteInteger(QStringLiteral("Grid"), QStringLiteral("Col0"), 64);
    const QString text = ini.Text();
    try {
        ini.UpdateFile();
    } catch (const Exception&) {
        return 0;
    }
    TMemIniFile again(path);
    // Unpaired surrogates cannot be written in any encoding; the rest must come back.
    if (text == QString::fromUtf8(text.toUtf8()) && again.Text() != text)
        std::abort();
    return 0;
}
