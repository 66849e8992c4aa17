#include "grid/foundation/util/ExUtilClipboard.h"

#include "platform/core/CodePages.h"

#include <gtest/gtest.h>

namespace {

int headerValue(const QString& document, const QString& label)
{
    const int at = document.indexOf(label);
    EXPECT_GE(at, 0) << label.toStdString();
    return document.mid(at + label.size(), 8).toInt();
}

TEST(ClipboardHtml, HeaderOffsetsPointIntoTheDocument)
{
    for (const QString& fragment : {QString(), QStringLiteral("<table><tr><td>1</td></tr></table>")}) {
        QString document = fragment;
        BuildClipboardHtml(document);
        const int startHtml = headerValue(document, "StartHTML:");
        const int endHtml = headerValue(document, "EndHTML:");
        const int startFragment = headerValue(document, "StartFragment:");
        const int endFragment = headerValue(document, "EndFragment:");

        EXPECT_TRUE(document.startsWith("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:"));
        EXPECT_EQ(startHtml, 97);
        EXPECT_EQ(startFragment, 274);
        EXPECT_EQ(endFragment, 274 + fragment.size());
        EXPECT_EQ(endHtml, 306 + fragment.size());
        EXPECT_EQ(document.size(), endHtml);
        EXPECT_TRUE(document.mid(startHtml).startsWith("<!DOCTYPE HTML PUBLIC"));
        EXPECT_TRUE(document.left(startFragment).endsWith("<!--StartFragment-->"));
        EXPECT_EQ(document.mid(startFragment, endFragment - startFragment), fragment);
        EXPECT_EQ(document.mid(endFragment), "<!--EndFragment--></body></html>");
        EXPECT_TRUE(document.contains("charset=iso-8859-1"));
    }
}

TEST(ClipboardHtml, EmptyFragmentGivesTheFixedOffsets)
{
    QString document;
    BuildClipboardHtml(document);
    EXPECT_TRUE(document.contains("EndHTML:00000306\r\n"));
    EXPECT_TRUE(document.contains("StartFragment:00000274\r\n"));
    EXPECT_TRUE(document.contains("EndFragment:00000274\r\n"));
}

TEST(LineBreakEncodings, EncodeAndDecode)
{
    EXPECT_EQ(LineBreaksToEscapes("a\r\nb\rc\n"), "a\\nb\\nc");
    EXPECT_EQ(EscapesToLineBreaks("a\\nb"), "a\rb");
    EXPECT_EQ(LineBreaksToHtml("a\r\nb"), "a<br>\nb");
    EXPECT_EQ(SpacesToNbsp("a b"), "a&nbsp;b");

    QString cell = "one\r\ntwo\rthree";
    QuoteCellForExport(cell);
    EXPECT_EQ(cell, QString("\"one") + QChar(11) + "two\rthree\"");
    QString inner = cell.mid(1, cell.size() - 2);
    VerticalTabsToCrLf(inner);
    EXPECT_EQ(inner, "one\r\ntwo\rthree");

    QString fixed = "a\r\nb";
    CrToTilde(fixed);
    EXPECT_EQ(fixed, "a~b");
    TildeToCrLf(fixed);
    EXPECT_EQ(fixed, "a\r\nb");
    for (QString empty : {QString(), QStringLiteral("^")}) {
        TildeToCrLf(empty);
        EXPECT_EQ(empty, QString());
    }
    QString caret = "^^";
    TildeToCrLf(caret);
    EXPECT_EQ(caret, "^^");
}

TEST(LineBreakEncodings, OneLineRecordsRoundTrip)
{
    const QString multi = QString("a\r\nb") + QChar(0) + "c";
    const QString encoded = EncodeBreaksForFile(multi);
    EXPECT_EQ(encoded, QString("a") + QChar(9) + QChar(8) + "b" + QChar(1) + "c");
    EXPECT_FALSE(encoded.contains(u'\r'));
    EXPECT_EQ(DecodeBreaksFromFile(encoded, true), multi);
    EXPECT_EQ(DecodeBreaksFromFile(encoded, false), "a");

    const QString single = QString("x") + QChar(0);
    EXPECT_EQ(EncodeBreaksForFile(single), single);
    const QString tabbed = QString("a") + QChar(9) + "b";
    EXPECT_EQ(DecodeBreaksFromFile(tabbed, true), tabbed);
}

TEST(TakeFirstLine, SplitsOffTheFirstLine)
{
    struct Case {
        const char* source;
        bool keepRest;
        const char* line;
        const char* rest;
    };
    const Case cases[] = {
        {"one\r\ntwo\r\nthree", true, "one", "two\r\nthree"},
        {"one\r\ntwo", false, "one", ""},
        {"one\rtwo", true, "one", "two"},
        {"one\n\ntwo", true, "one\n\ntwo", ""},
        {"single", true, "single", ""},
        {"\r\n", true, "", ""},
        {"", true, "", ""},
    };
    for (const Case& c : cases) {
        QString source = c.source;
        EXPECT_EQ(TakeFirstLine(source, c.keepRest), QString(c.line)) << c.source;
        EXPECT_EQ(source, QString(c.rest)) << c.source;
    }
    EXPECT_EQ(CountTextLines("a\rb\rc", true), 3);
    EXPECT_EQ(CountTextLines("a\rb\rc", false), 1);
    EXPECT_EQ(CountTextLines("", true), 1);
}

TEST(LineEnds, ConvertCrAndCrLf)
{
    QString text = "a\r\nb\rc\nd";
    CrLfToLf(text);
    EXPECT_EQ(text, "a\nb\rc\nd");
    EXPECT_EQ(RemoveCarriageReturns("a\r\nb\r"), "a\nb");
    EXPECT_EQ(CrToLf("a\r\nb\r"), "a\n\nb\n");
}

TEST(Quotes, DoubleCollapseAndFindTheClosingQuote)
{
    EXPECT_EQ(DoubleEmbeddedQuotes("say \"hi\""), "say \"\"hi\"\"");
    EXPECT_EQ(CollapseDoubledChar(u'"', "say \"\"hi\"\""), "say \"hi\"");
    EXPECT_EQ(CollapseDoubledChar(u'"', "a\"\"\"b"), "a\"\"b");
    EXPECT_EQ(CollapseDoubledChar(u'x', "abc"), "abc");

    struct Case {
        const char* text;
        int position;
    };
    const Case cases[] = {
        {"ab\"\"c\"d", 6}, // doubled quotes belong to the field
        {"abc\"", 4},      // a quote at the very end closes
        {"abc\",x", 4},
        {"a\"\"\",x", 4},  // a run of three ends with its last quote
        {"a\"\"b", 0},
        {"abc", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        int index = -1;
        EXPECT_EQ(FindClosingQuote(u'"', c.text, index), c.position) << c.text;
        EXPECT_EQ(index, c.position) << c.text;
    }
    EXPECT_EQ(CountClosingQuotes(u'"', "x\",y\",z\""), 3);
    EXPECT_EQ(CountClosingQuotes(u'"', "a\"\",b\""), 1);
    EXPECT_EQ(CountClosingQuotes(u'"', "a\"\"b"), 0);
}

TEST(OemText, ConvertsForFilesWrittenInTheAnsiCodePage)
{
    const QString text = QString::fromUtf8("K\xC3\xA4se \xC3\xA9t\xC3\xA9");
    QString forFile = text;
    AnsiToOemText(forFile);
    EXPECT_EQ(AnsiFromString(forFile), OemFromString(text));
    OemToAnsiText(forFile);
    EXPECT_EQ(forFile, text);
}

TEST(ColorToHtmlHex, WritesRedGreenBlue)
{
    EXPECT_EQ(ColorToHtmlHex(clRed), "FF0000");
    EXPECT_EQ(ColorToHtmlHex(clBlue), "0000FF");
    EXPECT_EQ(ColorToHtmlHex(RGB(0x12, 0xAB, 0x0C)), "12AB0C");
    EXPECT_EQ(ColorToHtmlHex(clBtnFace), "0F0000"); // stored value, not resolved
}

TEST(WrapUrlInAnchor, WrapsTheAddressStartingAtThePrefix)
{
    struct Case {
        const char* text;
        const char* prefix;
        bool wrapped;
        const char* linked;
    };
    const Case cases[] = {
        {"see http://x.com/a b", "HTTP://", true, "see <a href=\"http://x.com/a\">http://x.com/a</a> b"},
        {"HTTP://x.com/p?q=1", "HTTP://", true, "<a href=\"HTTP://x.com/p\">HTTP://x.com/p</a>?q=1"},
        {"<b>www.x.com</b>", "WWW.", true,
         "&lt;b&gt;<a href=\"www.x.com\">www.x.com</a>&lt;/b&gt;"},
        {"no link", "HTTP://", false, "untouched"},
    };
    for (const Case& c : cases) {
        QString linked = "untouched";
        EXPECT_EQ(WrapUrlInAnchor(c.text, c.prefix, linked), c.wrapped) << c.text;
        EXPECT_EQ(linked, QString(c.linked)) << c.text;
    }
}

} // namespace
