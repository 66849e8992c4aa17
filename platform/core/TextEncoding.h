#pragma once

#include <QByteArray>
#include <QString>

// How a text is written to a file.
enum class TEncoding {
    ANSI,      // Windows-1252, no byte-order mark
    UTF8,      // UTF-8 with the mark EF BB BF
    UTF8NoBOM, // UTF-8 without a mark
    Unicode,   // UTF-16 little-endian with the mark FF FE
};

namespace platform {

// Decodes file content: a byte-order mark selects UTF-8, UTF-16 LE or
// UTF-16 BE (the mark is dropped); without one the bytes are ANSI.
QString DecodeText(const QByteArray& bytes);

// Encodes a text for a file, the mark included where the encoding has one.
QByteArray EncodeText(const QString& text, TEncoding encoding);

} // namespace platform
