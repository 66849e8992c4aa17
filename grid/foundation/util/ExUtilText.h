#pragma once

// Character classes and small text routines of the grid family. Positions in
// texts count from 1, as the grid's text rules do; 0 means "not found". The
// routines that look at separators read the user's locale at every call.

#include "platform/grid/GridTypes.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QChar>
#include <QtCore/QString>

class TStringList;
struct TFormatSettings;

// A character of a Unicode number category (0-9 and other number characters).
bool IsDigitChar(QChar c);
bool IsDigitOrMinus(QChar c);
// A digit, the locale's thousand or decimal separator, "e" or "E".
bool IsFloatChar(QChar c);
// IsFloatChar, "+" or "-".
bool IsSignedFloatChar(QChar c);
// The same with settings the caller has already read.
bool IsFloatChar(QChar c, const TFormatSettings& Settings);
bool IsSignedFloatChar(QChar c, const TFormatSettings& Settings);
// A digit, "-", ".", "e", "E" or "+": the characters of a plain numeric text.
bool IsNumberTextChar(QChar c);
// Blank, "'", ",", "-" or ".".
bool IsWordDelimiter(QChar c);

// The locale's conventions, read at each call.
QChar LocaleTimeSeparator();
QChar LocaleDateSeparator();
QChar LocaleThousandSeparator();
QChar LocaleDecimalSeparator();
QString LocaleShortDateFormat();
QString LocaleLongTimeFormat();
// The long time format without its seconds.
QString LocaleShortTimeFormat();

// Position of an upper-case pattern in the upper-cased text.
int PosInUpperCase(const QString& Pattern, const QString& Text);
// Position of Sub in Text (0 when absent or empty), also stored in Index.
int FindSubstring(const QString& Sub, const QString& Text, int& Index);
int FindWideSubstring(const QString& Sub, const QString& Text);
// Index of the first Ch in Text, 0 when absent; Index is set only when found.
int FindCharIndexVar(QChar Ch, const QString& Text, int& Index);
int CharIndexOf(QChar Ch, const QString& Text);
int CountCharOccurrences(QChar Ch, const QString& Text);
// The part of Text before the first Delimiter; that part and the delimiter
// leave Text. With no delimiter the result is empty and Text unchanged.
QString SplitOffBefore(QString& Text, const QString& Delimiter);
// Every character of Text overwritten with Ch.
void FillWithChar(QString& Text, QChar Ch);
// All items of the list joined without a separator.
QString ConcatListItems(const TStringList& List);
// Whether the cell lies inside the rectangle of cells (bounds included).
bool CellInGridRect(int ACol, int ARow, const TGridRect& Cells);

// Each word's first letter upper-cased and the rest lower-cased; keeps a
// capital after a leading "Mc" and the Roman numerals " I" and " II" at the end.
QString CapitalizeWords(const QString& Text);

// What a cell text holds: 0 plain, 1 markup (only with DetectMarkup), 2 rich
// text, 3 formula, 5 wide-encoded text.
enum : int { ctPlain = 0, ctMarkup = 1, ctRichText = 2, ctFormula = 3, ctWideEncoded = 5 };
int ClassifyCellText(const QString& Text, bool DetectMarkup);

// Cell texts with characters beyond one byte: "|\" and, per character, the
// character of its high byte and the character of its low byte.
QString EncodeWideCellText(const QString& Text);
// Texts without the "|\" prefix come back unchanged; an odd last character is ignored.
QString DecodeWideCellText(const QString& Text);

// "R<row>C<column>" in any letter case, into Point (column, row).
bool ParseRowColRef(const QString& Text, TPoint& Point);

// Whether the text holds "://" or "mailto:".
bool ContainsUrlScheme(const QString& Text);
// Removes everything up to and including the first "://", or else the first "mailto:".
void StripUrlScheme(QString& Text);
