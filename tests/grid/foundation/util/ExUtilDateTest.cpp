#include "grid/foundation/util/ExUtilDate.h"

#include "tests/grid/foundation/util/ExUtilTestLocale.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TDateTime date(int y, int m, int d)
{
    TDateTime v = 0;
    EXPECT_TRUE(platform::TryEncodeDate(y, m, d, v)) << y << "-" << m << "-" << d;
    return v;
}

TDateTime dayTime(int h, int n, int s)
{
    TDateTime v = 0;
    EXPECT_TRUE(platform::TryEncodeTime(h, n, s, 0, v));
    return v;
}

TEST(DateEncoding, CountsDaysFromTheEndOf1899)
{
    EXPECT_EQ(date(1899, 12, 30), 0.0);
    EXPECT_EQ(date(1900, 1, 1), 2.0);
    EXPECT_EQ(date(2000, 1, 1), 36526.0);
    TDateTime v = 0;
    EXPECT_FALSE(platform::TryEncodeDate(2021, 2, 29, v));
    EXPECT_FALSE(platform::TryEncodeDate(0, 1, 1, v));
    EXPECT_FALSE(platform::TryEncodeTime(24, 0, 0, 0, v));
    EXPECT_DOUBLE_EQ(dayTime(12, 0, 0), 0.5);
    int y = 0, m = 0, d = 0;
    platform::DecodeDate(date(2024, 2, 29) + 0.75, y, m, d);
    EXPECT_EQ((std::tuple{y, m, d}), (std::tuple{2024, 2, 29}));
}

TEST(TwoDigitYearDates, ParseDayFirstAndMonthFirst)
{
    struct Case {
        const char* text;
        int y, m, d; // 0 for "no date"
    };
    const Case dayFirst[] = {
        {"31/12/99", 1999, 12, 31}, {"1.2.25", 2025, 2, 1},    {"1-2-26", 1926, 2, 1},
        {"5/6/2023", 2023, 6, 5},   {"5/6/0", 2000, 6, 5},     {"1/2.3", 0, 0, 0},
        {"31/4/20", 0, 0, 0},       {"1/13/20", 0, 0, 0},      {"29/2/23", 0, 0, 0},
        {"a/1/20", 0, 0, 0},        {"12", 0, 0, 0},           {"", 0, 0, 0},
        {"1/2/", 0, 0, 0},          {"1/2/-1", 0, 0, 0},
    };
    for (const Case& c : dayFirst) {
        const TDateTime expected = c.y ? date(c.y, c.m, c.d) : 0;
        EXPECT_EQ(ParseDateDayFirst(c.text), expected) << c.text;
    }
    EXPECT_EQ(ParseDateMonthFirst("12/31/99"), date(1999, 12, 31));
    EXPECT_EQ(ParseDateMonthFirst("2.1.25"), date(2025, 2, 1));
    EXPECT_EQ(ParseDateMonthFirst("31/12/99"), 0.0);
}

TEST(ParseLocaleDateTime, ReadsDateAndTimeInTheLocaleOrder)
{
    platform::ScopedFormatSettings locale(gridtest::EnglishDayFirst());
    struct Case {
        const char* text;
        bool ok;
        TDateTime value;
    };
    const Case cases[] = {
        {"05/03/2021", true, date(2021, 3, 5)},
        {"05/03/2021 10:30", true, date(2021, 3, 5) + dayTime(10, 30, 0)},
        {"05/03/2021 10:30:15", true, date(2021, 3, 5) + dayTime(10, 30, 15)},
        {" 5/3/21 ", true, date(21, 3, 5)},
        {"05/03/2021 10", false, date(2021, 3, 5)},
        {"05/03/2021 24:00", false, 0},
        {"05/03/2021 10:60", false, 0},
        {"05/03/2021 10:30:60", false, 0},
        {"05/03/2021 1x:30", false, 0},
        {"32/01/2021", false, 0},
        {"01/13/2021", false, 0},
        {"30/02/2021", false, 0},
        {"00/01/2021", false, 0},
        {"05/03", false, 0},
        {"5-3-2021", false, 0},
        {"a/03/2021", false, 0},
    };
    for (const Case& c : cases) {
        TDateTime value = 0;
        EXPECT_EQ(ParseLocaleDateTime(c.text, value), c.ok) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
}

TEST(ParseLocaleDateTime, FollowsAMonthFirstFormat)
{
    TFormatSettings us = gridtest::EnglishDayFirst();
    us.ShortDateFormat = "M/d/yyyy";
    platform::ScopedFormatSettings locale(us);
    TDateTime value = 0;
    ASSERT_TRUE(ParseLocaleDateTime("3/5/2021", value));
    EXPECT_EQ(value, date(2021, 3, 5));
}

TEST(LooksLikeDate, NeedsTwoSeparatedDateSeparators)
{
    platform::ScopedFormatSettings locale(gridtest::EnglishDayFirst());
    const std::pair<const char*, bool> cases[] = {
        {"1/2/3", true}, {"12/1/2020", true}, {"/1/2", false}, {"1//2", false},
        {"1/2", false},  {"", false},         {"1.2.3", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(LooksLikeDate(text), expected) << text;
}

TEST(StepDate, StepsBySignedDaysMonthsOrYears)
{
    struct Case {
        const char* name;
        int years, months, days;
        TDateTime from;
        double delta;
        std::optional<TDateTime> expected;
    };
    const Case cases[] = {
        {"days forward", 0, 0, 10, date(2021, 12, 25), 0, date(2022, 1, 4)},
        {"days backward", 0, 0, -1, date(2021, 3, 1), 0, date(2021, 2, 28)},
        {"years", 2, 0, 0, date(2020, 5, 17), 0, date(2022, 5, 17)},
        {"years backward", -1, 0, 0, date(2020, 5, 17), 0, date(2019, 5, 17)},
        {"month into next year", 0, 1, 0, date(2021, 12, 15), 0, date(2022, 1, 15)},
        {"month into last year", 0, -1, 0, date(2021, 1, 15), 0, date(2020, 12, 15)},
        {"several months back", 0, -14, 0, date(2021, 1, 15), 0, date(2019, 11, 15)},
        {"missing day in month", 0, 1, 0, date(2021, 1, 31), 0, std::nullopt},
        {"missing leap day", 1, 0, 0, date(2020, 2, 29), 0, std::nullopt},
        {"years and months use delta", 1, 1, 0, date(2021, 1, 1), 2.5, date(2021, 1, 1) + 2.5},
        {"nothing uses delta", 0, 0, 0, date(2021, 1, 1), 7, date(2021, 1, 8)},
    };
    for (const Case& c : cases) {
        const auto result = StepDate(c.years, c.months, c.days, c.from, c.delta);
        EXPECT_EQ(result.has_value(), c.expected.has_value()) << c.name;
        if (result && c.expected) {
            EXPECT_DOUBLE_EQ(*result, *c.expected) << c.name;
        }
    }
}

} // namespace
