#pragma once

// Rich text of cells: the rich-text form ("{\rtf1 ...") read into and written
// from a text document, every character kept (characters beyond the code page
// as Unicode escapes). Bold, italic and underline are kept; other formatting
// is not.

#include <QtCore/QString>

class QTextDocument;

// Clears the document and loads Text: rich text when it starts with "{\",
// plain text otherwise.
void LoadRichText(QTextDocument* Document, const QString& Text);
QString SaveRichText(const QTextDocument* Document);
