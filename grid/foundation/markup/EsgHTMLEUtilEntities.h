#pragma once

// Named character entities of the cell markup and the escaping of plain text
// for markup.

#include <QtCore/QChar>
#include <QtCore/QString>

#include <span>

struct MarkupEntity {
  char16_t Char;
  const char* Entity; // "&eacute;", ...
};

// The 51 characters that escaping with characters writes as named entities,
// in the order they are replaced.
std::span<const MarkupEntity> MarkupEntityTable();

// Encloses every attribute value that the markup routines read or write.
inline constexpr QChar MarkupQuoteChar = u'"';

// "&" becomes "&amp;", the double quote "&quot;", "<" "&lt;" and ">" "&gt;";
// with WithCharacters every character of MarkupEntityTable becomes its entity.
QString EscapeMarkupText(const QString& Text, bool WithCharacters);

// "&lt;", "&gt;", "&amp;" and "&quot;" (and with WithCharacters the entities of
// MarkupEntityTable) become their characters. The text is read once from left
// to right, so what one replacement yields is never read as a further entity:
// unescaping undoes EscapeMarkupText exactly.
QString UnescapeMarkupText(const QString& Text, bool WithCharacters);

// SpacesToNbsp, which the markup routines share with the clipboard
// conversions, lives in ExUtilClipboard.h.
