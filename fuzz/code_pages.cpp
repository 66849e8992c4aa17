// The code page converters and the file text decoder: every byte survives
// the ANSI and OEM code pages, and a text encoded for a file decodes back.

#include "fuzz/FuzzSupport.h"

#include "platform/core/CodePages.h"
#include "platform/core/TextEncoding.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::Bytes(data, size);
    if (AnsiFromString(StringFromAnsi(bytes)) != bytes)
        std::abort();
    if (OemFromString(StringFromOem(bytes)) != bytes)
        std::abort();

    const QString decoded = platform::DecodeText(bytes);
    if (platform::DecodeText(platform::EncodeText(decoded, TEncoding::Unicode)) != decoded)
        std::abort();
    for (const TEncoding encoding : {TEncoding::UTF8, TEncoding::UTF8NoBOM, TEncoding::ANSI})
        (void)platform::EncodeText(decoded, encoding);

    const QString wide = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    (void)AnsiFromString(wide);
    (void)OemFromString(wide);
    if (wide.isValidUtf16() && platform::DecodeText(platform::EncodeText(wide, TEncoding::UTF8)) != wide)
        std::abort();
    return 0;
}
