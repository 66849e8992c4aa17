// Rich text of cells: the rich-text form read as plain text, and markup
// carried into a text document and back.

#include "grid/foundation/markup/ExUtilRichText.h"

#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

TEST(ExUtilRichText, RichTextFormReadsAsPlainText)
{
    const struct {
        const char* rtf;
        QString plain;
    } cases[] = {
        {"{\\rtf1\\ansi a\\par b}", QStringLiteral("a\r\nb")},
        {"{\\rtf1 a\\line b\\tab c}", QStringLiteral("a\r\nb\tc")},
        {"{\\rtf1 caf\\'e9 \\'80}", QStringLiteral("café €")},
        {"{\\rtf1 \\u8364? \\uc2\\u8482 xyz}", QStringLiteral("€ ™z")},
        {"{\\rtf1 {\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255;}{\\*\\generator w}{\\b x}}", QStringLiteral("x")},
        {"{\\rtf1 a\\\\b\\{c\\}}", QStringLiteral("a\\b{c}")},
        {"{\\rtf1 \\u-3913?}", QString(QChar(char16_t(61623)))},
        // cut off or unreadable sequences give nothing
        {"{\\rtf1 x\\'", QStringLiteral("x")},
        {"{\\rtf1 x\\'zz}", QStringLiteral("x")},
        {"{\\rtf1 x\\u99999999999 y}", QStringLiteral("xy")},
        {"}}}{\\", QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RtfToPlainText(QString::fromUtf8(c.rtf)), c.plain) << c.rtf;
}

TEST(ExUtilRichText, MarkupOpensFormatted)
{
    QTextDocument document;
    MarkupToDocument(&document, QStringLiteral("<B>b</B><FONT COLOR=\"#FF0000\" FACE=\"Arial\" SIZE=\"3\">r</FONT>"
                                               "<SUB>2</SUB><SUP>3</SUP><I><U><S>x</S></U></I>a&lt;&amp;&gt;"));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("br23xa<&>"));
    const auto formatAt = [&](int position) {
        QTextCursor cursor(&document);
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    };
    EXPECT_EQ(formatAt(0).fontWeight(), QFont::Bold);
    EXPECT_NE(formatAt(1).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(1).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatAt(1).fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(formatAt(1).fontPointSize(), 12);
    EXPECT_EQ(formatAt(2).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(formatAt(3).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_TRUE(formatAt(4).fontItalic() && formatAt(4).fontUnderline() && formatAt(4).fontStrikeOut());
    EXPECT_FALSE(formatAt(5).fontItalic());
}

TEST(ExUtilRichText, UnchangedMarkupIsWrittenAsRead)
{
    for (const char* markup : {
             "<B>bold</B> <FONT COLOR=\"#FF0000\">red</FONT> H<SUB>2</SUB>O",
             "<I>a<BR>b</I>",
             "x<SUP>2</SUP> and <B>b <I>bi</I></B>",
             "<U><S>us</S></U>",
             "<FONT FACE=\"Arial\" SIZE=\"14\">f</FONT>",
             "a &lt; b &amp; c<B>!</B>",
         }) {
        QTextDocument document;
        MarkupToDocument(&document, QString::fromUtf8(markup));
        EXPECT_EQ(DocumentToMarkup(&document), QString::fromUtf8(markup));
    }
}

TEST(ExUtilRichText, UnformattedTextIsWrittenPlainUnlessItWouldReadAsMarkup)
{
    const struct {
        QString cell;
        QString written;
    } cases[] = {
        {QStringLiteral("a\r\nb & c"), QStringLiteral("a\r\nb & c")},
        {QStringLiteral("a < b"), QStringLiteral("a < b")},
        {QStringLiteral("{\\rtf1 x}"), QStringLiteral("x")},
    };
    for (const auto& c : cases) {
        QTextDocument document;
        LoadCellRichText(&document, c.cell);
        EXPECT_EQ(DocumentToMarkup(&document), c.written) << c.cell.toStdString();
    }
    QTextDocument typed;
    typed.setPlainText(QStringLiteral("<B>x"));
    const QString written = DocumentToMarkup(&typed);
    EXPECT_EQ(written, QStringLiteral("<BODY>&lt;B&gt;x</BODY>"));
    QTextDocument again;
    LoadCellRichText(&again, written);
    EXPECT_EQ(again.toPlainText(), QStringLiteral("<B>x"));
}

TEST(ExUtilRichText, BrokenMarkupLosesNoText)
{
    QTextDocument document;
    MarkupToDocument(&document, QStringLiteral("</B>a<B>b</I>c</SUP>d<FONT COLOR=\"zz\">e"));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("abcde"));
    MarkupToDocument(&document, QStringLiteral("a<B"));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a"));
}

}  // namespace
