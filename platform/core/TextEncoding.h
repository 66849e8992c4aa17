#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// How a text is written to a file.
enum class TEncoding {
    ANSI,      // Windows-1252, no byte-order mark
    UTF8,      // UTF-8 with the mark EF BB BF
    UTF8NoBOM, // UTF-8 without a mark
    Unicode,   // UTF-16 little-endian with the mark FF FE
};

namespace platform {

// UTF-8 bytes as text with every character kept. A leading U+FEFF is a
// character of the value here: only a file's own start can hold a byte-order
// mark (DecodeText drops it there), whereas the toolkit's fromUtf8 drops it
// from any value and so loses it on the next save.
QString StringFromUtf8(QByteArrayView bytes);

// Decodes file content: a byte-order mark selects UTF-8, UTF-16 LE or
// UTF-16 BE (the mark is dropped); without one the bytes are ANSI.
QString DecodeText(const QByteArray& bytes);

// Encodes a text for a file, the mark included where the encoding has one.
QByteArray EncodeText(const QString& text, TEncoding encoding);

} // namespace platform
