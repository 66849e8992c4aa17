// The comparison rules of sorting without a grid: which style two texts are
// detected as, how each text style compares, and where blanks go.

#include "grid/services/sorting/ExGridSortCompare.h"
#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

using enum TSortStyle;

// A locale that writes 3.1.2020 and 1.234,5.
TFormatSettings dottedDates()
{
    return {u',', u'.', u'.', u':', QStringLiteral("d/m/yyyy"), QStringLiteral("hh:nn:ss")};
}

// A locale that writes 1/3/2020 and 1,234.5.
TFormatSettings slashedDates()
{
    return {u'.', u',', u'/', u':', QStringLiteral("m/d/yyyy"), QStringLiteral("hh:nn:ss")};
}

struct DetectCase {
    const char* first;
    const char* second;
    bool checkBox;
    bool ignoreCase;
    TSortStyle expected;
};

TEST(ExGridSortCompare, DetectsTheStyleFromTheFirstTextAndTheSecondsSeparators)
{
    platform::ScopedFormatSettings locale(dottedDates());
    const DetectCase cases[] = {
        {"10", "abc", false, false, ssNumeric},
        {"-1,5", "", false, false, ssNumeric},
        {"1E5", "x", false, false, ssNumeric},
        {"b", "A", false, false, ssAlphabetic},
        {"b", "A", false, true, ssAlphaNoCase},
        {"10", "9", true, false, ssCheckBox},
        {"3.1.2020", "12.12.2019", false, false, ssDate},
        {"3.1.2020 10:00", "12.12.2019", false, false, ssDateTime},
        // the second text has no date separator: text after all
        {"3.1.2020", "12122019", false, false, ssAlphabetic},
        // a date-like first text whose second lacks the separator makes no time test either
        {"3.1:2020", "10:30", false, false, ssAlphabetic},
        // the separator too far in, last, or without digits around it
        {"123.4.5", "1.1.1", false, false, ssAlphabetic},
        {"12.x", "1.1", false, false, ssAlphabetic},
        {"a.1.2020", "1.1.2020", false, false, ssAlphabetic},
        {"9:15", "10:30", false, false, ssTime},
        {"9:15", "1030", false, false, ssAlphabetic},
    };
    for (const DetectCase& c : cases)
        EXPECT_EQ(DetectSortStyle(QString::fromUtf8(c.first), QString::fromUtf8(c.second), c.checkBox, c.ignoreCase),
                  c.expected)
            << c.first << " / " << c.second;
}

struct CompareCase {
    TSortStyle style;
    const char* first;
    const char* second;
    const char* prefix;
    const char* suffix;
    int expected;
};

void expectCompares(const CompareCase* cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const CompareCase& c = cases[i];
        QString first = QString::fromUtf8(c.first);
        QString second = QString::fromUtf8(c.second);
        EXPECT_EQ(CompareSortTexts(c.style, first, second, QString::fromUtf8(c.prefix), QString::fromUtf8(c.suffix)),
                  c.expected)
            << int(c.style) << ": " << c.first << " / " << c.second;
    }
}

TEST(ExGridSortCompare, ComparesNumbersAfterPrefixAndSuffixWithEmptyAsZero)
{
    platform::ScopedFormatSettings locale(slashedDates());
    const CompareCase cases[] = {
        {ssNumeric, "9", "10", "", "", -1},
        {ssNumeric, "100", "10", "", "", 1},
        {ssNumeric, "-2.5", "-2.25", "", "", -1},
        {ssNumeric, "1e3", "999", "", "", 1},
        {ssNumeric, "€ 5", "€ 40", "€ ", "", -1},
        {ssNumeric, "€ 40", "€ 5", "€ ", "", 1},
        {ssNumeric, "", "€ 40", "€ ", "", -1},
        {ssNumeric, "€ ", "€ 0", "€ ", "", 0},
        {ssNumeric, "5 kg", "40 kg", "", " kg", -1},
        // two texts that are no numbers are equal; one that is gives its leading digits
        {ssNumeric, "abc", "xyz", "", "", 0},
        {ssNumeric, "12abc", "5", "", "", 1},
        {ssNumeric, "abc", "5", "", "", -1},
        // only the financial style drops the thousand separators
        {ssFinancial, "1,234.5", "999", "", "", 1},
        {ssNumeric, "1,234.5", "999", "", "", -1},
        {ssAlphaNumeric, "10", "9", "", "", 1},
        {ssAlphaNumeric, "10", "9x", "", "", -1},
        {ssAlphaNumericNoCase, "a", "A", "", "", 0},
    };
    expectCompares(cases, std::size(cases));
}

TEST(ExGridSortCompare, ComparesNumbersWithTheLocalesDecimalComma)
{
    platform::ScopedFormatSettings locale(dottedDates());
    const CompareCase cases[] = {
        {ssNumeric, "2,5", "10", "", "", -1},
        {ssNumeric, "2,5", "2,25", "", "", 1},
        {ssFinancial, "1.234,5", "999", "", "", 1},
    };
    expectCompares(cases, std::size(cases));
}

TEST(ExGridSortCompare, ComparesDatesAndTimesByTheLocaleAndUnparsedAsZero)
{
    platform::ScopedFormatSettings locale(dottedDates());
    const CompareCase cases[] = {
        {ssDate, "3.1.2020", "12.12.2019", "", "", 1},
        {ssDate, "12.12.2019", "3.1.2020", "", "", -1},
        {ssDateTime, "3.1.2020 10:00", "3.1.2020 9:00", "", "", 1},
        {ssDate, "", "1.1.1900", "", "", -1},
        {ssDate, "no date", "", "", "", 0},
        {ssTime, "9:15", "10:30", "", "", -1},
        {ssTime, "x", "0:00", "", "", 0},
        {ssShortDateEU, "01/02/2020", "02/01/2020", "", "", 1},
        {ssShortDateUS, "01/02/2020", "02/01/2020", "", "", -1},
        {ssShortDateEU, "1-2-99", "1-2-05", "", "", -1},
        {ssShortDateEU, "32/01/2020", "", "", "", 0},
    };
    expectCompares(cases, std::size(cases));
}

TEST(ExGridSortCompare, ComparesTextOrdinallyOrWithoutCase)
{
    const CompareCase cases[] = {
        {ssAlphabetic, "b", "A", "", "", 1},
        {ssAlphabetic, "A", "a", "", "", -1},
        {ssAlphaCase, "a", "B", "", "", 1},
        {ssAlphaNoCase, "a", "A", "", "", 0},
        {ssAlphaNoCase, "a", "B", "", "", -1},
        // only ASCII letters change case
        {ssAlphaNoCase, "ä", "Ä", "", "", 1},
        {ssAnsiAlphaNoCase, "ä", "Ä", "", "", 0},
        {ssAnsiAlphaNoCase, "a", "B", "", "", -1},
        {ssAnsiAlphaCase, "a", "b", "", "", -1},
    };
    expectCompares(cases, std::size(cases));
}

TEST(ExGridSortCompare, NumberStylesLeaveTheStrippedTextsForTheBlankRule)
{
    QString first = QStringLiteral("€ ");
    QString second = QStringLiteral("€ 3");
    CompareSortTexts(ssNumeric, first, second, QStringLiteral("€ "), QString());
    EXPECT_EQ(first, QString());
    EXPECT_EQ(second, QStringLiteral("3"));
    EXPECT_EQ(ApplySortBlanks(-1, first, second, sdAscending, blLast), 1);
}

TEST(ExGridSortCompare, BlanksGoToTheirEndWhateverTheDirection)
{
    struct Case {
        TSortDirection direction;
        TSortBlankPosition position;
        bool firstEmpty;
        int expected;
    };
    const Case cases[] = {
        {sdAscending, blLast, true, 1},   {sdAscending, blLast, false, -1},
        {sdAscending, blFirst, true, -1}, {sdAscending, blFirst, false, 1},
        {sdDescending, blLast, true, -1}, {sdDescending, blLast, false, 1},
        {sdDescending, blFirst, true, 1}, {sdDescending, blFirst, false, -1},
    };
    for (const Case& c : cases) {
        const QString first = c.firstEmpty ? QString() : QStringLiteral("x");
        const QString second = c.firstEmpty ? QStringLiteral("x") : QString();
        EXPECT_EQ(ApplySortBlanks(0, first, second, c.direction, c.position), c.expected)
            << c.direction << c.position << c.firstEmpty;
    }
    // both or neither empty: the comparison stands
    EXPECT_EQ(ApplySortBlanks(-1, QString(), QString(), sdAscending, blLast), -1);
    EXPECT_EQ(ApplySortBlanks(1, QStringLiteral("a"), QStringLiteral("b"), sdDescending, blFirst), 1);
}

} // namespace
