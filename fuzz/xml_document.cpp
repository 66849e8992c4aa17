// The XML document load: bytes of a file as the readers of project files,
// settings and job descriptions load them, then every element, attribute and
// comment read (each attribute written back as read), and the document saved
// and read back.

#include "fuzz/FuzzSupport.h"
#include "platform/xml/XmlDocument.h"

#include <cstdlib>
#include <vector>

namespace {

// Text that came from bytes that are no UTF-8 holds replacement characters and
// cannot name or give back the original; every other text must.
bool Faithful(const QString& text)
{
    return !text.contains(QChar(QChar::ReplacementCharacter));
}

// Reads every element, attribute and comment. Each name the reader reports
// finds its element or attribute again, and each attribute value written back
// as read changes nothing.
void ReadEverything(const platform::XmlElement& root)
{
    std::vector<platform::XmlElement> pending{root};
    while (!pending.empty()) {
        platform::XmlElement element = pending.back();
        pending.pop_back();
        (void)element.Text();
        (void)element.ChildText(element.Name(), QStringLiteral("-"));
        for (const QString& name : element.AttributeNames()) {
            const QString value = element.Attribute(name);
            if (Faithful(name) && !element.HasAttribute(name))
                std::abort();
            if (Faithful(name) && Faithful(value))
                element.SetAttribute(name, value);
        }
        for (const platform::XmlElement& child : element.Children()) {
            if (Faithful(child.Name()) && element.Child(child.Name()).IsNull())
                std::abort();
            pending.push_back(child);
        }
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
    const QString loaded = document.SaveString();
    const platform::XmlElement root = document.DocumentElement();
    if (!root.IsNull())
        ReadEverything(root);
    (void)document.Root();

    // What the program saves it must be able to read again.
    const QString saved = document.SaveString();
    if (saved != loaded)
        std::abort(); // a value read and written back is lost or changed
    platform::XmlDocument again;
    if (!saved.isEmpty() && !again.LoadString(saved, &error))
        std::abort();
    return 0;
}
