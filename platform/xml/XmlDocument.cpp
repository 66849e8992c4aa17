#include "platform/xml/XmlDocument.h"

#include "platform/core/Files.h"
#include "platform/core/TextEncoding.h"

#include <QByteArray>

#include <pugixml.hpp>

#include <exception>
#include <utility>

namespace platform {

namespace {

// Comments, declarations and processing instructions stay nodes of their own,
// so that "the first node" means what the file shows. Fragment parsing keeps
// stray text outside the root visible, so that it can be refused below.
constexpr unsigned int kParseOptions = pugi::parse_default | pugi::parse_comments
    | pugi::parse_declaration | pugi::parse_pi | pugi::parse_doctype
    | pugi::parse_ws_pcdata_single | pugi::parse_fragment;

constexpr unsigned int kSaveOptions = pugi::format_raw | pugi::format_no_declaration;

class ByteArrayWriter : public pugi::xml_writer {
public:
    explicit ByteArrayWriter(QByteArray& out)
        : out_(out)
    {
    }
    void write(const void* data, size_t size) override
    {
        out_.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }

private:
    QByteArray& out_;
};

bool isWideEncoded(const QByteArray& data)
{
    return data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")
        || (data.size() >= 2 && (data[0] == '\0' || data[1] == '\0'));
}

// Where in the text a parse fault lies, as a person looks for it: line and
// column, counted from 1 (columns in bytes).
QString positionText(const QByteArray& data, qsizetype offset)
{
    if (offset < 0 || offset > data.size() || isWideEncoded(data))
        return QStringLiteral("at offset %1").arg(offset);
    const QByteArray before = data.left(offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = offset - (before.lastIndexOf('\n') + 1) + 1;
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

QString faultText(const QByteArray& data, qsizetype offset, const QString& what)
{
    return QStringLiteral("%1: %2").arg(positionText(data, offset), what);
}

// The parser accepts some documents that are not well-formed XML; these are
// refused here so that a damaged file is reported instead of half read.
QString checkTopLevel(const pugi::xml_document& doc, const QByteArray& data)
{
    int elements = 0;
    for (const pugi::xml_node& node : doc.children()) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            return faultText(data, node.offset_debug(), QStringLiteral("text outside the root element"));
        if (node.type() == pugi::node_element && ++elements > 1)
            return faultText(data, node.offset_debug(), QStringLiteral("more than one root element"));
    }
    if (elements == 0)
        return QStringLiteral("no root element");
    return QString();
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

struct XmlDocument::Private {
    pugi::xml_document doc;

    bool parse(const QByteArray& data, pugi::xml_encoding encoding, QString* error)
    {
        QString fault;
        try {
            const pugi::xml_parse_result result
                = doc.load_buffer(data.constData(), static_cast<size_t>(data.size()), kParseOptions, encoding);
            fault = result ? checkTopLevel(doc, data)
                           : faultText(data, result.offset, QString::fromUtf8(result.description()));
        } catch (const std::exception& e) {
            fault = QString::fromUtf8(e.what());
        }
        if (fault.isEmpty())
            return true;
        doc.reset();
        setError(error, fault);
        return false;
    }

    QByteArray serialize() const
    {
        QByteArray data;
        ByteArrayWriter writer(data);
        doc.save(writer, "", kSaveOptions, pugi::encoding_utf8);
        return data;
    }
};

XmlDocument::XmlDocument()
    : d(std::make_unique<Private>())
{
}

XmlDocument::~XmlDocument() = default;

XmlDocument::XmlDocument(XmlDocument&& other)
    : d(std::exchange(other.d, std::make_unique<Private>()))
{
}

XmlDocument& XmlDocument::operator=(XmlDocument&& other)
{
    if (this != &other) {
        d = std::move(other.d);
        other.d = std::make_unique<Private>();
    }
    return *this;
}

bool XmlDocument::LoadFile(const QString& path, QString* error)
{
    Clear();
    QByteArray data;
    QString readError;
    if (!ReadWholeFile(path, data, &readError)) {
        setError(error, readError);
        return false;
    }
    QString parseError;
    if (d->parse(data, pugi::encoding_auto, &parseError))
        return true;
    setError(error, QStringLiteral("Cannot load XML file \"%1\": %2").arg(path, parseError));
    return false;
}

bool XmlDocument::LoadString(const QString& xml, QString* error)
{
    return d->parse(xml.toUtf8(), pugi::encoding_utf8, error);
}

bool XmlDocument::SaveFile(const QString& path, QString* error) const
{
    return WriteFileAtomic(path, d->serialize(), error);
}

QString XmlDocument::SaveString() const
{
    return StringFromUtf8(d->serialize());
}

void XmlDocument::Clear()
{
    d->doc.reset();
}

bool XmlDocument::IsEmpty() const
{
    return !d->doc.first_child();
}

XmlElement XmlDocument::Root() const
{
    return XmlElement(d->doc.first_child().internal_object());
}

XmlElement XmlDocument::DocumentElement() const
{
    return XmlElement(d->doc.document_element().internal_object());
}

XmlElement XmlDocument::CreateRoot(const QString& name)
{
    Clear();
    if (!IsValidXmlName(name))
        return XmlElement();
    return XmlElement(d->doc.append_child(name.toUtf8().constData()).internal_object());
}

bool XmlDocument::AppendComment(const QString& text)
{
    if (!IsValidXmlComment(text))
        return false;
    return d->doc.append_child(pugi::node_comment).set_value(text.toUtf8().constData());
}

QStringList XmlDocument::Comments() const
{
    QStringList comments;
    for (const pugi::xml_node& node : d->doc.children())
        if (node.type() == pugi::node_comment)
            comments.append(StringFromUtf8(node.value()));
    return comments;
}

} // namespace platform
