#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TFormatSettings commaSettings()
{
    TFormatSettings s;
    s.DecimalSeparator = u',';
    s.ThousandSeparator = u'.';
    s.DateSeparator = u'.';
    s.TimeSeparator = u':';
    s.ShortDateFormat = "dd/mm/yyyy";
    s.LongTimeFormat = "hh:nn:ss";
    return s;
}

TEST(Format, Directives)
{
    const platform::ScopedFormatSettings comma(commaSettings());
    const struct {
        const char* format;
        std::initializer_list<FormatArg> args;
        const char* expected;
    } cases[] = {
        {"Row %d: %s", {12, "bad"}, "Row 12: bad"},
        {"%d", {-7}, "-7"},
        {"%5d|", {42}, "   42|"},
        {"%-5d|", {42}, "42   |"},
        {"%.3d", {-5}, "-005"},
        {"%.3d", {1234}, "1234"},
        {"%d", {std::numeric_limits<qint64>::min()}, "-9223372036854775808"},
        {"%d", {std::numeric_limits<quint64>::max()}, "18446744073709551615"},
        {"%u", {42u}, "42"},
        {"%u", {-1}, "4294967295"},
        {"%x", {255}, "FF"},
        {"%.4x", {26}, "001A"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%x", {std::int64_t(-0x10000000000)}, "FFFFFF0000000000"},
        {"%s", {QString::fromUtf8("\u00E9t\u00E9")}, "\u00E9t\u00E9"},
        {"%.2s", {"abc"}, "ab"},
        {"%4s|%-4s|", {"a", "b"}, "   a|b   |"},
        {"%f", {1.5}, "1,50"},
        {"%.1f", {2.26}, "2,3"},
        {"%.0f", {2.6}, "3"},
        {"%8.3f", {-3.14159}, "  -3,142"},
        {"100%%", {}, "100%"},
        {"%d%%", {5}, "5%"},
        {"%D %S", {1, "x"}, "1 x"},
        {"no directives", {1, 2}, "no directives"},
        {"", {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.format, c.args).toStdString(), c.expected) << c.format;
}

TEST(Format, DotSeparatorUsedWhenTheUserHasIt)
{
    TFormatSettings s = commaSettings();
    s.DecimalSeparator = u'.';
    const platform::ScopedFormatSettings dot(s);
    EXPECT_EQ(Format("%.2f", {0.125}), "0.13");
}

TEST(Format, IllFormedOrMismatchedRaisesConvertError)
{
    const struct {
        const char* format;
        std::initializer_list<FormatArg> args;
    } cases[] = {
        {"%d", {}},                 // argument missing
        {"%s and %s", {"one"}},     // second argument missing
        {"%d", {"text"}},           // text for a number
        {"%x", {1.5}},              // float for a number
        {"%s", {5}},                // number for a text
        {"%f", {5}},                // whole number for a float
        {"%", {1}},                 // directive cut off
        {"abc %", {}},
        {"%5", {1}},
        {"%.d", {1}},               // precision without digits
        {"%q", {1}},                // unknown type
        {"%ld", {1}},
        {"%*d", {3, 1}},
        {"%99999999999d", {1}},     // absurd width
    };
    for (const auto& c : cases) {
        try {
            Format(c.format, c.args);
            ADD_FAILURE() << "no exception for " << c.format;
        } catch (const EConvertError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.format))) << e.what();
        }
    }
}

} // namespace
