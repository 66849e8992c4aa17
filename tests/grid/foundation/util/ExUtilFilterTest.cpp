#include "grid/foundation/util/ExUtilFilter.h"

#include "tests/grid/foundation/util/ExUtilTestLocale.h"

#include <gtest/gtest.h>

namespace {

struct FilterCase {
    const char* condition;
    const char* text;
    bool caseSensitive;
    bool expected;
};

void expectAll(std::initializer_list<FilterCase> cases)
{
    for (const FilterCase& c : cases)
        EXPECT_EQ(EvaluateFilterCondition(c.condition, c.text, c.caseSensitive), c.expected)
            << "'" << c.condition << "' on '" << c.text << "'" << (c.caseSensitive ? " (case)" : "");
}

TEST(FilterCondition, ComparesNumbersDatesAndTexts)
{
    platform::ScopedFormatSettings locale(gridtest::EnglishDayFirst());
    expectAll({
        {">5&<10", "7", false, true},
        {">5&<10", "12", false, false},
        {">5", "5", false, false},
        {">=5", "5", false, true},
        {"<=5", "5", false, true},
        {"< 5", "4", false, true},
        {">1,000", "1,500.5", false, true},
        {">9", "10", false, true},                 // by number, not by text
        {">01/02/2021", "15/01/2021", false, false}, // by date, not by text
        {">01/02/2021", "15/02/2021", false, true},
        {">b", "c", true, true},
        {">b", "a", true, false},
        {">=\"b c\"", "b c", true, true},
    });
}

TEST(FilterCondition, MatchesPatterns)
{
    platform::ScopedFormatSettings locale(gridtest::EnglishDayFirst());
    expectAll({
        {"a*", "ABC", false, true},
        {"a*", "ABC", true, false},
        {"a*", "a", true, true},
        {"*c", "abc", true, true},
        {"a*c", "abbbc", true, true},
        {"a*c", "abcd", true, false},
        {"a?c", "abc", true, true},
        {"a?c", "ac", true, false},
        {"!a*", "abc", false, false},
        {"!a*", "xbc", false, true},
        {"=x", "x", true, true},
        {"=x", "X", false, true},
        {"=x", "X", true, false},
        {"=x", "xy", false, false},
        {"", "", false, true},
        {"", "a", false, false},
        {"\"a b\"", "a b", true, true},
        {"a b", "ab", true, true},
        {"\"a&b\"", "a&b", true, true},
    });
}

TEST(FilterCondition, CombinesTermsLeftToRightWithoutPrecedence)
{
    platform::ScopedFormatSettings locale(gridtest::EnglishDayFirst());
    expectAll({
        {"x;y;z", "y", true, true},
        {"x;y;z", "w", true, false},
        {"x^y", "y", true, true},
        {"x|y", "x", true, true},
        {"x|y&z", "x", true, false}, // (x or y) and z
        {"a*&*c", "abc", true, true},
        {"a*&*d", "abc", true, false},
        {"(x|y)&*y*", "y", true, true},
        {"(x|y)&*z*", "y", true, false},
        {"z|(x|y)", "y", true, true},
        {"(x|y)", "q", true, false},
    });
}

TEST(FilterCondition, EndsOnAGroupWithoutItsClosingParenthesis)
{
    platform::ScopedFormatSettings locale(gridtest::EnglishDayFirst());
    expectAll({
        {"(x|y", "y", true, true},
        {"(x|y", "z", true, false},
        {"a|((b", "b", true, true},
        {"(", "", true, true},
    });
}

TEST(FilterPattern, WithoutUpperCasingComparesAsWritten)
{
    EXPECT_TRUE(MatchFilterPattern("a*", "abc"));
    EXPECT_FALSE(MatchFilterPattern("A*", "abc"));
    EXPECT_TRUE(MatchFilterTerm("A*", "abc", false));
    EXPECT_TRUE(MatchFilterPattern("*", ""));
    EXPECT_FALSE(MatchFilterPattern("?", ""));
}

} // namespace

namespace {

TEST(FilterPattern, ManyAsterisksStayFast)
{
    const QString value = QString(400, u'a') + u'c';
    EXPECT_FALSE(MatchFilterPattern("*a*a*a*a*a*a*a*a*a*a*b", value));
    EXPECT_TRUE(MatchFilterPattern("*a*a*a*a*a*a*a*a*a*a*c", value));

    // Every asterisk against every position of a long text: each tail of the
    // text is tried once per pattern position, not once per way of reaching it.
    QString pattern;
    for (int i = 0; i < 1000; ++i)
        pattern += QStringLiteral("*a");
    const QString text(1000, u'a');
    EXPECT_TRUE(MatchFilterPattern(pattern, text));
    EXPECT_FALSE(MatchFilterPattern(pattern + u'b', text));
    EXPECT_TRUE(MatchFilterPattern(u'!' + pattern + u'b', text));
    EXPECT_FALSE(MatchFilterPattern(pattern, text.left(999)));
}

} // namespace

namespace {

TEST(FilterCondition, DeeplyNestedGroupsTakeNeitherStackNorACopyPerLevel)
{
    // 100000 levels held a copy of the rest of the text each: gigabytes.
    const QString nested = QString(100000, u'(') + QStringLiteral("abc");
    EXPECT_TRUE(EvaluateFilterCondition(nested, "abc", false));
    EXPECT_FALSE(EvaluateFilterCondition(nested, "abd", false));
    EXPECT_TRUE(EvaluateFilterCondition(nested + QString(100000, u')'), "ABC", false));
}

} // namespace
