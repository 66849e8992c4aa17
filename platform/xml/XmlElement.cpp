#include "platform/xml/XmlElement.h"

#include "platform/core/TextEncoding.h"

#include <pugixml.hpp>

namespace platform {

namespace {

bool isNameStartChar(QChar c)
{
    if (c.unicode() < 0x80)
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' || c == u':';
    return c.isLetter() || c.isSurrogate();
}

bool isNameChar(QChar c)
{
    if (isNameStartChar(c))
        return true;
    if (c.unicode() < 0x80)
        return (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
    return c.isLetterOrNumber() || c.isMark() || c.unicode() == 0xB7;
}

bool isTextNode(const pugi::xml_node& node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

bool isElementNamed(const pugi::xml_node& node, const QByteArray& name)
{
    return node.type() == pugi::node_element && name == node.name();
}

} // namespace

bool IsValidXmlName(const QString& name)
{
    if (name.isEmpty() || !isNameStartChar(name.front()))
        return false;
    for (QChar c : name)
        if (!isNameChar(c))
            return false;
    return true;
}

bool IsValidXmlComment(const QString& text)
{
    return !text.contains(QLatin1String("--")) && !text.endsWith(u'-');
}

// Only elements get a handle: any other node (a comment, a declaration, a
// processing instruction) reads as missing.
XmlElement::XmlElement(pugi::xml_node_struct* node)
    : node_(pugi::xml_node(node).type() == pugi::node_element ? node : nullptr)
{
}

QString XmlElement::Name() const
{
    return StringFromUtf8(pugi::xml_node(node_).name());
}

QString XmlElement::Text() const
{
    QByteArray text;
    for (const pugi::xml_node& child : pugi::xml_node(node_).children())
        if (isTextNode(child))
            text += child.value();
    return StringFromUtf8(text);
}

void XmlElement::SetText(const QString& text)
{
    if (IsNull())
        return;
    pugi::xml_node node(node_);
    node.remove_children();
    if (!text.isEmpty())
        node.append_child(pugi::node_pcdata).set_value(text.toUtf8().constData());
}

bool XmlElement::HasElementChildren() const
{
    return pugi::xml_node(node_).find_child([](const pugi::xml_node& child) {
        return child.type() == pugi::node_element;
    });
}

QString XmlElement::ChildText(const QString& name, const QString& def) const
{
    const XmlElement child = Child(name);
    if (child.IsNull() || child.HasElementChildren())
        return def;
    return child.Text();
}

bool XmlElement::HasAttribute(const QString& name) const
{
    return pugi::xml_node(node_).attribute(name.toUtf8().constData());
}

QString XmlElement::Attribute(const QString& name, const QString& def) const
{
    const pugi::xml_attribute attribute = pugi::xml_node(node_).attribute(name.toUtf8().constData());
    return attribute ? StringFromUtf8(attribute.value()) : def;
}

bool XmlElement::SetAttribute(const QString& name, const QString& value)
{
    if (IsNull() || !IsValidXmlName(name))
        return false;
    pugi::xml_node node(node_);
    const QByteArray key = name.toUtf8();
    pugi::xml_attribute attribute = node.attribute(key.constData());
    if (!attribute)
        attribute = node.append_attribute(key.constData());
    return attribute.set_value(value.toUtf8().constData());
}

QStringList XmlElement::AttributeNames() const
{
    QStringList names;
    for (const pugi::xml_attribute& attribute : pugi::xml_node(node_).attributes())
        names.append(StringFromUtf8(attribute.name()));
    return names;
}

XmlElement XmlElement::Child(const QString& name) const
{
    const QByteArray key = name.toUtf8();
    for (const pugi::xml_node& child : pugi::xml_node(node_).children())
        if (isElementNamed(child, key))
            return XmlElement(child.internal_object());
    return XmlElement();
}

QList<XmlElement> XmlElement::Children() const
{
    QList<XmlElement> children;
    for (const pugi::xml_node& child : pugi::xml_node(node_).children())
        if (child.type() == pugi::node_element)
            children.append(XmlElement(child.internal_object()));
    return children;
}

QList<XmlElement> XmlElement::Children(const QString& name) const
{
    const QByteArray key = name.toUtf8();
    QList<XmlElement> children;
    for (const pugi::xml_node& child : pugi::xml_node(node_).children())
        if (isElementNamed(child, key))
            children.append(XmlElement(child.internal_object()));
    return children;
}

XmlElement XmlElement::AppendChild(const QString& name)
{
    if (IsNull() || !IsValidXmlName(name))
        return XmlElement();
    return XmlElement(pugi::xml_node(node_).append_child(name.toUtf8().constData()).internal_object());
}

bool XmlElement::AppendComment(const QString& text)
{
    if (IsNull() || !IsValidXmlComment(text))
        return false;
    return pugi::xml_node(node_).append_child(pugi::node_comment).set_value(text.toUtf8().constData());
}

} // namespace platform
