#pragma once

#include <QByteArray>
#include <QString>

// The ANSI code page (Windows-1252). The five positions the code page leaves
// open (0x81, 0x8D, 0x8F, 0x90, 0x9D) pass through as the control characters
// of the same number, so every byte survives a round trip. A character with
// no place in the code page becomes "?".
QByteArray AnsiFromString(const QString& s);
QString StringFromAnsi(const QByteArray& bytes);

// The OEM code page (IBM850), with the same rule for unmapped characters.
QByteArray OemFromString(const QString& s);
QString StringFromOem(const QByteArray& bytes);
