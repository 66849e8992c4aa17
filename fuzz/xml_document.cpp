// The XML document load: bytes of a file as the readers of project files,
// settings and job descriptions load them, then every element, attribute and
// comment read, and the document saved and read back.

#include "fuzz/FuzzSupport.h"
#include "platform/xml/XmlDocument.h"

#include <cstdlib>
#include <vector>

namespace {

void ReadEverything(const platform::XmlElement& root)
{
    std::vector<platform::XmlElement> pending{root};
    while (!pending.empty()) {
        const platform::XmlElement element = pending.back();
        pending.pop_back();
        (void)element.Text();
        (void)element.ChildText(element.Name(), QStringLiteral("-"));
        for (const QString& name : element.AttributeNames())
            (void)element.Attribute(name);
        for (const platform::XmlElement& child : element.Children())
            pending.push_back(child);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QString path = fuzz::PutFile(QStringLiteral("document.xml"), fuzz::Bytes(data, size));
    platform::XmlDocument document;
    QString error;
    if (!document.LoadFile(path, &error)) {
        if (error.isEmpty() || !document.IsEmpty())
            std::abort(); // a failed load names its fault and leaves nothing behind
        return 0;
    }
    (void)document.Comments();
    const platform::XmlElement root = document.DocumentElement();
    if (!root.IsNull())
        ReadEverything(root);
    (void)document.Root();

    // What the program saves it must be able to read again.
    const QString saved = document.SaveString();
    platform::XmlDocument again;
    if (!saved.isEmpty() && !again.LoadString(saved, &error))
        std::abort();
    return 0;
}
