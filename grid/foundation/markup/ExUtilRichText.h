#pragma once

// Rich text of cells. A cell's rich text is kept as the grid's markup: bold,
// italic, underline, strike-out, FONT face, size and colour, subscript,
// superscript and line breaks. Two conversions carry it between a cell and a
// text document, and a small reader shows the older rich-text form ("{\rtf1
// ...") as plain text; nothing is ever written in that form.

#include <QtCore/QString>

class QTextDocument;

// The plain text of a text in the rich-text form: paragraphs and line breaks
// (\par, \line) become CR LF, \tab a tab, \'hh the character hh of code page
// 1252 and \uN the Unicode character N (its stand-ins, \ucN of them, are
// skipped). Groups that hold no text (font and colour tables, pictures,
// "\*" destinations) are left out; every other control word is dropped.
QString RtfToPlainText(const QString& Rtf);

// Clears the document and fills it from markup. Tags other than B, I, U, S,
// FONT, SUB, SUP and BR are passed over; "&lt;", "&gt;", "&amp;", "&quot;" and
// "&nbsp;" stand for their characters; a carriage return is a line break.
void MarkupToDocument(QTextDocument* Document, const QString& Markup);

// The document as markup. A document without formatting gives its plain text
// with CR LF line ends, unless that text would read as markup or rich text:
// then it is written escaped inside BODY.
QString DocumentToMarkup(const QTextDocument* Document);

// Loads a cell's text: rich-text form as plain text, markup formatted, any
// other text as it stands (CR LF as line ends).
void LoadCellRichText(QTextDocument* Document, const QString& CellText);
