#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace pugi {
struct xml_node_struct;
}

namespace platform {

// A handle to one element of an XmlDocument. It is cheap to copy and stays
// valid as long as its document lives and is not emptied. A null handle
// stands for an element that is not there: every read on it gives the
// caller's default and every write does nothing, so a reader can walk a
// path without checking each step.
class XmlElement {
public:
    XmlElement() = default;

    bool IsNull() const { return node_ == nullptr; }
    QString Name() const;

    // The element's own text: its text and CDATA children joined, without
    // the text of nested elements.
    QString Text() const;
    // Replaces everything inside the element with the text; an empty text
    // leaves the element empty.
    void SetText(const QString& text);
    bool HasElementChildren() const;

    // The text of the first child element of that name; `def` when there is
    // none or when it holds elements instead of text. A child that is
    // present but empty gives the empty text, not `def`.
    QString ChildText(const QString& name, const QString& def = QString()) const;

    bool HasAttribute(const QString& name) const;
    QString Attribute(const QString& name, const QString& def = QString()) const;
    // Changes the value in place or appends the attribute after the others;
    // false (and nothing changed) when the name is not a valid XML name.
    bool SetAttribute(const QString& name, const QString& value);
    QStringList AttributeNames() const;

    XmlElement Child(const QString& name) const;
    QList<XmlElement> Children() const;
    QList<XmlElement> Children(const QString& name) const;

    // Appends a child element after the existing children; a null handle
    // when the name is not a valid XML name.
    XmlElement AppendChild(const QString& name);
    // Appends a comment node; false when the text cannot stand in a comment
    // ("--" inside or "-" at the end).
    bool AppendComment(const QString& text);

    friend bool operator==(const XmlElement& a, const XmlElement& b) { return a.node_ == b.node_; }

private:
    friend class XmlDocument;
    explicit XmlElement(pugi::xml_node_struct* node);

    pugi::xml_node_struct* node_ = nullptr;
};

// True for the names an element or attribute may carry.
bool IsValidXmlName(const QString& name);
// True for texts a comment may hold.
bool IsValidXmlComment(const QString& text);

} // namespace platform
