// TStringList loading of a file in any encoding (UTF-8, UTF-16 little- and
// big-endian by their byte-order marks, otherwise ANSI), then the list read
// as name=value pairs and its text split again as delimited and comma text.

#include "fuzz/FuzzSupport.h"

#include "platform/core/StringList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QString path = fuzz::PutFile(QStringLiteral("list.txt"), fuzz::Bytes(data, size));
    TStringList list;
    list.LoadFromFile(path);
    for (int i = 0; i < list.Count(); ++i) {
        (void)list.Names(i);
        (void)list.ValueFromIndex(i);
    }
    if (list.Count() > 0)
        (void)list.Values(list.Names(0));

    // A list saved as UTF-16 reads back the same.
    const QString text = list.Text();
    list.SaveToFile(path, TEncoding::Unicode);
    TStringList again;
    again.LoadFromFile(path);
    if (again.Text() != text)
        std::abort();

    TStringList split;
    split.SetCommaText(text);
    const QString comma = split.CommaText();
    TStringList resplit;
    resplit.SetCommaText(comma);
    if (resplit.CommaText() != comma)
        std::abort(); // comma text written by the list reads back the same
    split.SetStrictDelimiter(true);
    split.SetDelimiter(u';');
    split.SetDelimitedText(text);
    (void)split.DelimitedText();
    return 0;
}
