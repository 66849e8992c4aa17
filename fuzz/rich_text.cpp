// Rich text of cells: the rich-text form read as plain text, and markup read
// into a text document and written back. Markup written by the program reads
// back to the same text.

#include "fuzz/FuzzSupport.h"

#include "grid/foundation/markup/ExUtilRichText.h"

#include <QtGui/QTextDocument>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QString text = QString::fromUtf8(fuzz::Bytes(data, size));
    (void)RtfToPlainText(text);
    (void)RtfToPlainText(QStringLiteral("{\\rtf1 ") + text);

    QTextDocument document;
    MarkupToDocument(&document, text);
    const QString written = DocumentToMarkup(&document);
    QTextDocument again;
    LoadCellRichText(&again, written);
    if (again.toPlainText() != document.toPlainText())
        std::abort(); // the written markup must read back to the same text
    LoadCellRichText(&again, text);
    return 0;
}
