#pragma once

#include "platform/xml/XmlElement.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

// A whole XML document in memory: loaded whole, changed, saved whole.
//
// Loading keeps what the program's readers rely on: attributes in their
// written order, comments, and an element whose only content is blanks keeps
// those blanks. A document that cannot be read or parsed leaves the document
// empty and reports why; nothing is thrown.
//
// Saving writes UTF-8 without a byte-order mark, without an XML declaration
// and without indentation: the document in one piece, as it stands in memory.
class XmlDocument {
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;
    // Element handles move with the content; the source is left empty.
    XmlDocument(XmlDocument&& other);
    XmlDocument& operator=(XmlDocument&& other);

    bool LoadFile(const QString& path, QString* error = nullptr);
    bool LoadString(const QString& xml, QString* error = nullptr);
    // Replaces the file through a temporary file in the same folder, so that
    // a failed save leaves the old file as it was.
    bool SaveFile(const QString& path, QString* error = nullptr) const;
    QString SaveString() const;

    void Clear();
    bool IsEmpty() const;

    // The document's first node when it is an element, whatever its name; a
    // null handle when the document begins with a declaration, a comment or
    // anything else, so that such a file reads as if every value were missing.
    XmlElement Root() const;
    // The one top-level element, wherever it stands among the top-level nodes.
    XmlElement DocumentElement() const;

    // Empties the document and gives it a new root element; a null handle
    // (and an empty document) when the name is not a valid XML name.
    XmlElement CreateRoot(const QString& name);
    // Appends a comment at document level, after what is there.
    bool AppendComment(const QString& text);
    // The texts of the top-level comments in document order.
    QStringList Comments() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace platform
