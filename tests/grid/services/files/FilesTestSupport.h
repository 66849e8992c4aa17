#pragma once

// Reading back what the grid's file formats wrote.

#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QString>

namespace filestest {

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The file as Latin-1 text (ANSI files of ASCII texts).
inline QString FileText(const QString& path) { return QString::fromLatin1(FileBytes(path)); }

// UTF-16 little-endian units of an ASCII text.
inline QByteArray Utf16(const char* text)
{
    QByteArray bytes;
    for (const char* c = text; *c; ++c) {
        bytes.append(*c);
        bytes.append('\0');
    }
    return bytes;
}

} // namespace filestest
