#include "grid/foundation/util/ExUtilNumber.h"

#include "tests/grid/foundation/util/ExUtilTestLocale.h"

#include <gtest/gtest.h>

namespace {

TEST(DetectNumberKind, JudgesTextsInAnEnglishLocale)
{
    platform::ScopedFormatSettings locale(gridtest::EnglishDayFirst());
    const std::pair<const char*, int> cases[] = {
        {"", nkNoNumber},         {"123", nkInteger},       {"-123", nkInteger},    {"-", nkInteger},
        {"1.5", nkFloat},         {"1,000.5", nkFloat},     {"1,000,000", nkFloat}, {"1,00,0", nkNoNumber},
        {"1.5E-3", nkScientific}, {"-1.5e-3", nkScientific}, {"1E5", nkScientific},  {"1E", nkNoNumber},
        {"E5", nkNoNumber},       {"1E5E2", nkNoNumber},    {"--5", nkNoNumber},    {"1-2", nkNoNumber},
        {"1.2.3", nkNoNumber},    {"12a", nkNoNumber},      {"1 2", nkNoNumber},    {"1,5E3", nkNoNumber},
    };
    for (const auto& [text, kind] : cases)
        EXPECT_EQ(DetectNumberKind(text), kind) << text;
}

TEST(DetectNumberKind, FollowsTheLocaleSeparators)
{
    platform::ScopedFormatSettings locale(gridtest::GermanStyle());
    EXPECT_EQ(DetectNumberKind("1,5"), nkFloat);
    EXPECT_EQ(DetectNumberKind("1.000,5"), nkFloat);
    EXPECT_EQ(DetectNumberKind("1,5,5"), nkNoNumber);
}

TEST(ExtractNumericText, KeepsTheNumberOfADisplayedValue)
{
    platform::ScopedFormatSettings locale(gridtest::EnglishDayFirst());
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"(1,234.50)", "-1234.50"},
        {"USD 12", "12"},
        {"12 kg", "12"},
        {"  -$ 7.5 ", "-7.5"},
        {"1.5E-3x", "1.5E-3"},
        {"x", ""},
        {"   ", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ExtractNumericText(text), QString(expected)) << text;
}

TEST(ExtractNumericText, WritesTheLocaleDecimalSeparatorAsPoint)
{
    platform::ScopedFormatSettings locale(gridtest::GermanStyle());
    EXPECT_EQ(ExtractNumericText("USD 1.234,5"), "1234.5");
    EXPECT_EQ(NormalizeNumberText("a1.234,5"), "a1234.5");
}

TEST(ClampToLimits, TreatsZeroOrLessAsNoLimit)
{
    struct Case {
        int value, minimum, maximum, expected;
    };
    const Case cases[] = {
        {5, 3, 3, 5},   {50, 0, 10, 10}, {-5, 0, 10, -5}, {1, 2, 10, 2},
        {7, 2, 10, 7},  {50, 2, 0, 50},  {1, 2, -1, 2},   {-9, -5, 5, -9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClampToLimits(c.value, c.minimum, c.maximum), c.expected)
            << c.value << " in " << c.minimum << ".." << c.maximum;
    EXPECT_EQ(MaxOfTwo(-1, 4), 4);
    EXPECT_EQ(MinOfTwo(-1, 4), -1);
}

} // namespace
