#include "grid/foundation/util/ExUtilText.h"

#include "platform/core/StringList.h"
#include "tests/grid/foundation/util/ExUtilTestLocale.h"

#include <gtest/gtest.h>

namespace {

TEST(CharacterClasses, AnswerForTheirCharacters)
{
    platform::ScopedFormatSettings locale(gridtest::GermanStyle());
    struct Case {
        char16_t c;
        bool digit, digitOrMinus, floatChar, signedFloat, numberText, delimiter;
    };
    const Case cases[] = {
        {u'7', true, true, true, true, true, false},
        {u'\u0663', true, true, true, true, true, false}, // Arabic-Indic three
        {u'\u00BD', true, true, true, true, true, false}, // one half: a number character
        {u'-', false, true, false, true, true, true},
        {u'+', false, false, false, true, true, false},
        {u',', false, false, true, true, false, true},   // decimal separator here
        {u'.', false, false, true, true, true, true},    // thousand separator here
        {u'E', false, false, true, true, true, false},
        {u'\'', false, false, false, false, false, true},
        {u' ', false, false, false, false, false, true},
        {u'x', false, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        const QChar ch(c.c);
        EXPECT_EQ(IsDigitChar(ch), c.digit) << int(c.c);
        EXPECT_EQ(IsDigitOrMinus(ch), c.digitOrMinus) << int(c.c);
        EXPECT_EQ(IsFloatChar(ch), c.floatChar) << int(c.c);
        EXPECT_EQ(IsSignedFloatChar(ch), c.signedFloat) << int(c.c);
        EXPECT_EQ(IsNumberTextChar(ch), c.numberText) << int(c.c);
        EXPECT_EQ(IsWordDelimiter(ch), c.delimiter) << int(c.c);
    }
}

TEST(LocaleAccessors, ReadTheCurrentSettings)
{
    platform::ScopedFormatSettings locale(gridtest::GermanStyle());
    EXPECT_EQ(LocaleDecimalSeparator(), u',');
    EXPECT_EQ(LocaleThousandSeparator(), u'.');
    EXPECT_EQ(LocaleDateSeparator(), u'.');
    EXPECT_EQ(LocaleTimeSeparator(), u':');
    EXPECT_EQ(LocaleShortDateFormat(), "dd.mm.yyyy");
    EXPECT_EQ(LocaleLongTimeFormat(), "hh:nn:ss");
    EXPECT_EQ(LocaleShortTimeFormat(), "hh:nn");
}

TEST(LocaleAccessors, TheShortTimeFormatDropsOnlyTheSeconds)
{
    platform::ScopedFormatSettings locale(
        TFormatSettings{u'.', u',', u'/', u':', QStringLiteral("m/d/yyyy"), QStringLiteral("h:nn:ss AMPM")});
    EXPECT_EQ(LocaleShortTimeFormat(), "h:nn AMPM");
}

TEST(SmallTextRoutines, FindCountAndSplit)
{
    EXPECT_EQ(PosInUpperCase("<BLI", "a<bli>"), 2);
    EXPECT_EQ(PosInUpperCase("<CONTROL", "none"), 0);
    EXPECT_EQ(PosInUpperCase("SS", QString::fromUtf8("\xC3\x9F" "ss")), 2); // sharp s keeps positions

    int index = 99;
    EXPECT_EQ(FindSubstring("lo", "hello", index), 4);
    EXPECT_EQ(index, 4);
    EXPECT_EQ(FindSubstring("x", "hello", index), 0);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(FindWideSubstring("", "hello"), 0);
    EXPECT_EQ(FindWideSubstring("l", "hello"), 3);

    index = 42;
    EXPECT_EQ(FindCharIndexVar(u'z', "abc", index), 0);
    EXPECT_EQ(index, 42);
    EXPECT_EQ(FindCharIndexVar(u'c', "abc", index), 3);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(CharIndexOf(u'a', "abca"), 1);
    EXPECT_EQ(CountCharOccurrences(u'a', "abca"), 2);

    QString source = "key=value=x";
    EXPECT_EQ(SplitOffBefore(source, "="), "key");
    EXPECT_EQ(source, "value=x");
    EXPECT_EQ(SplitOffBefore(source, ";"), "");
    EXPECT_EQ(source, "value=x");

    QString secret = "abc";
    FillWithChar(secret, u'*');
    EXPECT_EQ(secret, "***");

    TStringList list;
    list.Add("a");
    list.Add("bc");
    EXPECT_EQ(ConcatListItems(list), "abc");
}

TEST(SmallTextRoutines, CellInGridRectIncludesTheBounds)
{
    const TGridRect cells{1, 2, 3, 4};
    EXPECT_TRUE(CellInGridRect(1, 2, cells));
    EXPECT_TRUE(CellInGridRect(3, 4, cells));
    EXPECT_FALSE(CellInGridRect(4, 4, cells));
    EXPECT_FALSE(CellInGridRect(2, 1, cells));
}

TEST(CapitalizeWords, CapitalisesWordsNamesAndNumerals)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"john smith", "John Smith"},
        {"JOHN SMITH", "John Smith"},
        {"o'neil-smith", "O'Neil-Smith"},
        {"mcdonald", "McDonald"},
        {"ronald mcdonald", "Ronald McDonald"},
        {"john smith iii", "John Smith III"},
        {"henry viii", "Henry Viii"},
        {"louis i", "Louis I"},
        {"ian is here", "Ian Is Here"},
        {"a.b,c", "A.B,C"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CapitalizeWords(text), QString(expected)) << text;
}

TEST(ClassifyCellText, TellsFormulaWideRichMarkupAndPlain)
{
    const QString wideFormula = EncodeWideCellText("=A1");
    struct Case {
        QString text;
        bool detectMarkup;
        int kind;
    };
    const Case cases[] = {
        {"", true, ctPlain},
        {"=SUM(A1)", false, ctFormula},
        {wideFormula, false, ctFormula},
        {EncodeWideCellText(QString::fromUtf8("\xE2\x82\xAC")), false, ctWideEncoded},
        {"|\\", false, ctWideEncoded},
        {"{\\rtf1 x}", false, ctRichText},
        {"<B>bold</B>", true, ctMarkup},
        {"a<Control>", true, ctMarkup},
        {"<b>lower case</b", true, ctMarkup},
        {"<b>lower", true, ctPlain},
        {"1 < 2 <I>x", true, ctMarkup},
        {"<<C", true, ctMarkup},
        {"a <b <i x<", true, ctPlain},
        {"<B>bold</B>", false, ctPlain},
        {"plain", true, ctPlain},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyCellText(c.text, c.detectMarkup), c.kind) << c.text.toStdString();
}

TEST(WideCellText, RoundTripsCharactersBeyondOneByte)
{
    const QString text = QString::fromUtf8("a\xE2\x82\xAC\xC3\xA9");
    const QString encoded = EncodeWideCellText(text);
    ASSERT_EQ(encoded.size(), 2 + 2 * text.size());
    EXPECT_TRUE(encoded.startsWith("|\\"));
    EXPECT_EQ(encoded[2].unicode(), 0x00);
    EXPECT_EQ(encoded[3].unicode(), u'a');
    EXPECT_EQ(encoded[4].unicode(), 0x20);
    EXPECT_EQ(encoded[5].unicode(), 0xAC);
    EXPECT_EQ(DecodeWideCellText(encoded), text);

    EXPECT_EQ(DecodeWideCellText("plain"), "plain");
    EXPECT_EQ(DecodeWideCellText(encoded + u'x'), text); // odd last character ignored
}

TEST(ParseRowColRef, ReadsRowThenColumn)
{
    struct Case {
        const char* text;
        bool ok;
        TPoint point;
    };
    const Case cases[] = {
        {"r3c7", true, {7, 3}}, {"R12C1", true, {1, 12}}, {"R3", false, {}},
        {"RxC1", false, {}},    {"R1C", false, {}},       {"A1C1", false, {}},
        {"R1X1", false, {}},
    };
    for (const Case& c : cases) {
        TPoint point{-1, -1};
        EXPECT_EQ(ParseRowColRef(c.text, point), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(point, c.point) << c.text;
        }
    }
}

TEST(UrlScheme, DetectsAndStripsSchemes)
{
    EXPECT_TRUE(ContainsUrlScheme("http://x"));
    EXPECT_TRUE(ContainsUrlScheme("mailto:a@b"));
    EXPECT_FALSE(ContainsUrlScheme("www.x.com"));

    const std::pair<const char*, const char*> cases[] = {
        {"http://www.x.com", "www.x.com"},
        {"see mailto:a@b", "a@b"},
        {"mailto:x http://y", "y"},
        {"plain", "plain"},
    };
    for (const auto& [text, expected] : cases) {
        QString s = text;
        StripUrlScheme(s);
        EXPECT_EQ(s, QString(expected)) << text;
    }
}

} // namespace
