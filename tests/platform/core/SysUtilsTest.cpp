#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/SysUtils.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct WholeCase {
    const char16_t* text;
    int expected; // the default when the text is refused
};

constexpr int def = 424242;

TEST(StrToIntDef, LenientRules)
{
    const WholeCase cases[] = {
        {u"42", 42},
        {u"  42", 42},
        {u"\t7", 7},
        {u" -5", -5},
        {u"+8", 8},
        {u"007", 7},
        {u"$FF", 255},
        {u"$ff", 255},
        {u"0x1A", 26},
        {u"0X1a", 26},
        {u"-$10", -16},
        {u"2147483647", std::numeric_limits<int>::max()},
        {u"-2147483648", std::numeric_limits<int>::min()},
        {u"$7FFFFFFF", std::numeric_limits<int>::max()},
        {u"$80000000", std::numeric_limits<int>::min()}, // hexadecimal: the bit pattern
        {u"$FFFFFFFF", -1},
        {u"0xFF000005", int(0xFF000005u)},
        {u"$000000001", 1},
        {u"-$FFFFFFFF", 1},
        // refused: the default comes back
        {u"", def},
        {u"   ", def},
        {u"5x", def},
        {u"5 ", def},
        {u"1.5", def},
        {u"-", def},
        {u"+", def},
        {u"$", def},
        {u"0x", def},
        {u"--5", def},
        {u"- 5", def},
        {u"0x-5", def},
        {u"$FG", def},
        {u"x1A", def},
        {u"\uFF11\uFF12", def}, // full-width digits
        {u"2147483648", def},
        {u"-2147483649", def},
        {u"$100000000", def},
        {u"99999999999999999999999", def},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(StrToIntDef(text, def), c.expected) << "text: \"" << text.toStdString() << '"';
        int value = 12345;
        EXPECT_EQ(TryStrToInt(text, value), c.expected != def) << text.toStdString();
    }
}

TEST(ReadLeadingInt, KeepsTheDigitsReadBeforeTheFirstMisfit)
{
    const WholeCase cases[] = {
        {u"12abc", 12},
        {u"  -7;", -7},
        {u"\t5", 5},
        {u"+8", 8},
        {u"$1Fg", 31},
        {u"0x10z", 16},
        {u"$FFFFFFFF", -1},
        {u"-2147483648", std::numeric_limits<int>::min()},
        {u"99999999999", 1215752191}, // wraps at 32 bits
        {u"", 0},
        {u"abc", 0},
        {u"-", 0},
        {u"0x", 0},
        {u"0x-5", 0},
        {u"1.5", 1},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(ReadLeadingInt(text), c.expected) << "text: \"" << text.toStdString() << '"';
    }
}

TEST(StrToIntDef, RefusedTextLeavesTryValueUntouched)
{
    int value = 77;
    EXPECT_FALSE(TryStrToInt("12a", value));
    EXPECT_EQ(value, 77);
}

TEST(StrToInt64Def, FullRangeAndOverflow)
{
    EXPECT_EQ(StrToInt64Def("9223372036854775807", 0), std::numeric_limits<qint64>::max());
    EXPECT_EQ(StrToInt64Def("-9223372036854775808", 0), std::numeric_limits<qint64>::min());
    EXPECT_EQ(StrToInt64Def("9223372036854775808", -3), -3);
    EXPECT_EQ(StrToInt64Def("$FFFFFFFFFF", 0), 0xFFFFFFFFFFLL);
    EXPECT_EQ(StrToInt64Def("$FFFFFFFFFFFFFFFF", 0), -1);
    EXPECT_EQ(StrToInt64Def("$10000000000000000", -3), -3);
    EXPECT_EQ(StrToInt64Def("-9223372036854775809", -3), -3);
}

TEST(StrToInt, StrictParseRaisesConvertError)
{
    EXPECT_EQ(StrToInt(" -12"), -12);
    EXPECT_EQ(StrToInt64("$100"), 256);
    for (const char* bad : {"", "abc", "12x", "4294967296"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "no exception for " << bad;
        } catch (const EConvertError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(bad)));
            EXPECT_STREQ(e.what(), e.Message().toUtf8().constData());
        }
    }
    EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
}

struct FloatCase {
    const char* text;
    bool ok;
    double value;
};

TEST(StrToFloat, AcceptsCommaAndDot)
{
    const FloatCase cases[] = {
        {"1.5", true, 1.5},
        {"1,5", true, 1.5},
        {" -2.25 ", true, -2.25},
        {"+3", true, 3.0},
        {"1e3", true, 1000.0},
        {"1,5E-2", true, 0.015},
        {".5", true, 0.5},
        {"5.", true, 5.0},
        {"0", true, 0.0},
        {"", false, 0},
        {" ", false, 0},
        {"abc", false, 0},
        {"1.2.3", false, 0},
        {"1,2.3", false, 0},
        {"1e", false, 0},
        {"1e+", false, 0},
        {"1e400", false, 0},
        {"--1", false, 0},
        {"1 5", false, 0},
        {".", false, 0},
        {"nan", false, 0},
        {"inf", false, 0},
        {"0x10", false, 0},
    };
    for (const auto& c : cases) {
        double v = -99.0;
        EXPECT_EQ(TryStrToFloat(c.text, v), c.ok) << c.text;
        if (c.ok)
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        else
            EXPECT_EQ(v, -99.0) << c.text;
        EXPECT_DOUBLE_EQ(StrToFloatDef(c.text, 7.0), c.ok ? c.value : 7.0) << c.text;
    }
    EXPECT_THROW(StrToFloat("1.x"), EConvertError);
}

TFormatSettings settingsWithDecimal(QChar separator)
{
    TFormatSettings s;
    s.DecimalSeparator = separator;
    s.ThousandSeparator = u' ';
    s.DateSeparator = u'.';
    s.TimeSeparator = u':';
    s.ShortDateFormat = "dd/mm/yyyy";
    s.LongTimeFormat = "hh:nn:ss";
    return s;
}

TEST(FloatToStr, ShortestFormWithUsersSeparator)
{
    const platform::ScopedFormatSettings comma(settingsWithDecimal(u','));
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {1.5, "1,5"},
        {-2.5, "-2,5"},
        {100.0, "100"},
        {123.456, "123,456"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {1e14, "100000000000000"},
        {1e15, "1E15"},
        {-1.25e20, "-1,25E20"},
        {0.00001, "0,00001"},
        {0.000001, "1E-6"},
        {1.5e-7, "1,5E-7"},
        {0.1 + 0.2, "0,3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.value).toStdString(), c.text) << c.value;
}

TEST(FloatToStr, SeparatorThatIsNeitherCommaNorDotBecomesComma)
{
    {
        const platform::ScopedFormatSettings dot(settingsWithDecimal(u'.'));
        EXPECT_EQ(FloatToStr(2.75), "2.75");
    }
    {
        const platform::ScopedFormatSettings arabic(settingsWithDecimal(QChar(0x066B)));
        EXPECT_EQ(FloatToStr(2.75), "2,75");
    }
}

TEST(FloatToStr, ReadsBackThroughStrToFloat)
{
    const platform::ScopedFormatSettings comma(settingsWithDecimal(u','));
    for (double v : {0.1, -7.125, 123456.789, 1e-5, 3.0e200, 1.0 / 7.0})
        EXPECT_NEAR(StrToFloat(FloatToStr(v)), v, std::abs(v) * 1e-14) << v;
}

TEST(Trim, RemovesEveryCharacterUpToSpace)
{
    EXPECT_EQ(Trim(QString::fromUtf8("\t a b \r\n")), "a b");
    EXPECT_EQ(Trim(QString(QChar(1)) + "x" + QChar(0x1F) + QChar(0)), "x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(QString::fromUtf8("\u00A0x\u00A0")), QString::fromUtf8("\u00A0x\u00A0"));
    EXPECT_EQ(TrimLeft("  a  "), "a  ");
    EXPECT_EQ(TrimRight("  a  "), "  a");
}

TEST(UpperCase, ChangesAsciiLettersOnly)
{
    EXPECT_EQ(UpperCase(QString::fromUtf8("abz\u00E4\u00DF-1")), QString::fromUtf8("ABZ\u00E4\u00DF-1"));
    EXPECT_EQ(LowerCase(QString::fromUtf8("ABZ\u00C4")), QString::fromUtf8("abz\u00C4"));
    EXPECT_TRUE(SameText("Abc", "aBC"));
    EXPECT_FALSE(SameText(QString::fromUtf8("\u00E4"), QString::fromUtf8("\u00C4")));
    EXPECT_TRUE(AnsiSameText(QString::fromUtf8("\u00E4"), QString::fromUtf8("\u00C4")));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_LT(CompareText("ab", "ABC"), 0);
}

TEST(IntToHex, BitPatternAtItsOwnWidth)
{
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(qint64(-1), 2), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(quint8(0xAB), 1), "AB");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(std::numeric_limits<quint64>::max()), "18446744073709551615");
    EXPECT_EQ(IntToStr(std::numeric_limits<qint64>::min()), "-9223372036854775808");
}

} // namespace
