#pragma once

// Conversions that carry cell texts with line breaks, quotes, markup or
// characters outside the code page through the grid's text, HTML and
// clipboard formats. CR is character 13, LF character 10; positions count
// from 1.

#include "platform/ui/paint/Colors.h"

#include <QtCore/QString>

// Turns an HTML fragment into the whole clipboard document of the "HTML
// Format": the header with the byte offsets of the document and the fragment
// (the document is meant to be written one byte per character), then the
// document around the fragment.
void BuildClipboardHtml(QString& Html);

// Escape form: CR as backslash and "n", LF dropped; and back (CR only).
QString LineBreaksToEscapes(const QString& Text);
QString EscapesToLineBreaks(const QString& Text);

// Delimited export: each CR LF becomes character 11 and the text is wrapped
// in double quotes. The decoding turns each character 11 into CR LF.
void QuoteCellForExport(QString& Text);
void VerticalTabsToCrLf(QString& Text);

// Fixed-width files: CR becomes "~" and LF is dropped; back, each "~" becomes
// CR LF and a text of just "^" becomes empty.
void CrToTilde(QString& Text);
void TildeToCrLf(QString& Text);

// One-line records: a text holding a CR gets CR as character 9, LF as 8 and
// character 0 as 1. Decoding undoes that when the text holds a character 8;
// without MultiLine only the first line is kept.
QString EncodeBreaksForFile(const QString& Text);
QString DecodeBreaksFromFile(const QString& Text, bool MultiLine);

// HTML: CR becomes "<br>", LF stays.
QString LineBreaksToHtml(const QString& Text);
// Every blank becomes "&nbsp;".
QString SpacesToNbsp(const QString& Text);

// The text before the first CR; it leaves Source together with the CR and a
// directly following LF. Source keeps the rest only with KeepRest. Without a
// CR the line is the whole source and the source becomes empty.
QString TakeFirstLine(QString& Source, bool KeepRest);
// 1 plus the number of CRs with MultiLine, otherwise 1.
int CountTextLines(const QString& Text, bool MultiLine);

void CrLfToLf(QString& Text);
QString RemoveCarriageReturns(const QString& Text);
QString CrToLf(const QString& Text);

// Every double quote written twice.
QString DoubleEmbeddedQuotes(const QString& Text);
// Each doubled Ch written once.
QString CollapseDoubledChar(QChar Ch, const QString& Text);

// The position of the quote that ends a quoted field (doubled quotes are part
// of the field), 0 when none; also stored in Index.
int FindClosingQuote(QChar Quote, const QString& Text, int& Index);
int CountClosingQuotes(QChar Quote, const QString& Text);

// Text-file export and import in the OEM code page. The text stands for the
// bytes of the file as the ANSI code page reads and writes them.
void AnsiToOemText(QString& Text);
void OemToAnsiText(QString& Text);

// "RRGGBB" of the stored colour value (system colours are not resolved).
QString ColorToHtmlHex(TColor Color);

// When the text holds the link prefix (given in upper case, matched in any
// case): Linked becomes the text with "<" and ">" escaped and the address
// that begins at the prefix wrapped in an anchor; false otherwise (Linked is
// then left alone).
bool WrapUrlInAnchor(const QString& Text, const QString& Prefix, QString& Linked);
