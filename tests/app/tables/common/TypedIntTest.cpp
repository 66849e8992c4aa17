// How the table checks read a whole number typed into a cell.

#include "app/tables/common/TableEditorFrame.h"

#include "app/shell/UComon.h"
#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(TypedInt, LenientDecimalAndHexadecimalWithTheCallersDefault)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"502", 502},   {"  502", 502},  {"\t+502", 502}, {"-7", -7},          {"x1F6", 502},
        {"X1f6", 502},  {"-x10", -16},   {" x10", 16},    {"0x1F6", 502},      {"$1F6", 502},
        {"502 ", -1},   {"", -1},        {" ", -1},       {"x", -1},           {"xx1", -1},
        {"5 02", -1},   {"1.5", -1},     {"4294967296", -1}, {"2147483647", 2147483647},
        {"x7FFFFFFF", 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Typed_Int(QString::fromLatin1(c.text)), c.value) << c.text;
    EXPECT_EQ(Typed_Int(QStringLiteral("abc"), 0), 0);
    EXPECT_EQ(Typed_Int(QStringLiteral("x1"), 0), 1);
}

TEST(ValidFactor, NoneInAnyCaseOrADecimalNumber)
{
    for (const QChar separator : {QChar(u','), QChar(u'.')}) {
        TFormatSettings settings = FormatSettings();
        settings.DecimalSeparator = separator;
        settings.ThousandSeparator = separator == u',' ? u'.' : u',';
        const platform::ScopedFormatSettings scoped(settings);
        ASSERT_EQ(Get_Decimal_Separator(), separator);
        for (const char* text : {"None", "nOnE", " none ", "2", "0,5", "0.5"})
            EXPECT_TRUE(Valid_Factor(QString::fromLatin1(text), separator)) << text;
        for (const char* text : {"", "Nonee", "1,2.3", "a1"})
            EXPECT_FALSE(Valid_Factor(QString::fromLatin1(text), separator)) << text;
    }
}

} // namespace
