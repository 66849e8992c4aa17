#include "platform/core/CodePages.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

TEST(AnsiCodePage, HighControlRangeMapsAndRoundTrips)
{
    const struct {
        unsigned char byte;
        char16_t unit;
    } cases[] = {
        {0x80, 0x20AC}, {0x82, 0x201A}, {0x83, 0x0192}, {0x85, 0x2026}, {0x88, 0x02C6},
        {0x8A, 0x0160}, {0x8C, 0x0152}, {0x8E, 0x017D}, {0x91, 0x2018}, {0x94, 0x201D},
        {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9C, 0x0153},
        {0x9E, 0x017E}, {0x9F, 0x0178},
        // the five open positions keep their own number
        {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D},
        {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF}, {0x41, u'A'}, {0x00, 0x0000},
    };
    for (const auto& c : cases) {
        const QByteArray byte(1, static_cast<char>(c.byte));
        const QString text = StringFromAnsi(byte);
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), c.unit) << int(c.byte);
        EXPECT_EQ(AnsiFromString(text), byte) << int(c.byte);
    }
    EXPECT_EQ(AnsiFromString(StringFromAnsi(allBytes())), allBytes());
}

TEST(OemCodePage, MapsLettersAndBoxDrawingBothWays)
{
    EXPECT_EQ(OemFromString(QString::fromUtf8("\u00C4\u00D6\u00DC\u00E4\u00F6\u00FC\u00DF")),
              QByteArray("\x8E\x99\x9A\x84\x94\x81\xE1"));
    EXPECT_EQ(StringFromOem("\x80\xB3\xC9\xD5\xF2\xFE\xFF"),
              QString::fromUtf8("\u00C7\u2502\u2554\u0131\u2017\u25A0\u00A0"));
    EXPECT_EQ(OemFromString(StringFromOem(allBytes())), allBytes());
    // Every byte has its own character.
    const QString all = StringFromOem(allBytes());
    EXPECT_EQ(QSet<QChar>(all.begin(), all.end()).size(), 256);
}

TEST(CodePages, UnmappedCharactersBecomeQuestionMarks)
{
    const struct {
        const char* text;
        QByteArray ansi;
        QByteArray oem;
    } cases[] = {
        {"\u0100", "?", "?"},                       // Latin A with macron: in neither
        {"\u20AC", "\x80", "?"},                    // euro: ANSI only
        {"\u2554", "?", "\xC9"},                    // box corner: OEM only
        {"a\U0001F600b", "a?b", "a?b"},             // one character outside the BMP, one "?"
        {"\u4E2D\u6587", "??", "??"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(AnsiFromString(text), c.ansi) << c.text;
        EXPECT_EQ(OemFromString(text), c.oem) << c.text;
    }
    // A lone surrogate half is a character of no code page either.
    EXPECT_EQ(AnsiFromString(QString(QChar(0xD800))), "?");
}

} // namespace
