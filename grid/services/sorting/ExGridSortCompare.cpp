#include "grid/services/sorting/ExGridSortCompare.h"

#include "grid/foundation/util/ExUtilDate.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/SysUtils.h"

#include <cmath>

namespace {

using enum TSortStyle;

int sign(int value) { return value < 0 ? -1 : value > 0 ? 1 : 0; }

template <typename T>
int compareValues(T a, T b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}

// The separator stands at the second or third character, not last, with a
// digit on each side.
bool separatorInDatePlace(const QString& text, QChar separator)
{
    const int p = text.indexOf(separator) + 1;
    return p > 1 && p < 4 && p < text.size() && text[p - 2].isDigit() && text[p].isDigit();
}

QString withoutFirst(const QString& text, const QString& part)
{
    if (part.isEmpty())
        return text;
    const int at = text.indexOf(part);
    return at < 0 ? text : QString(text).remove(at, part.size());
}

// A number text with "." as its decimal point; blanks around are allowed.
bool parseDecimal(const QString& text, double& value)
{
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

// What a text that is no number still gives when the other one is: the
// digits it starts with.
double leadingDigits(const QString& text)
{
    double value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

int compareNumbers(QString& first, QString& second, const QString& prefix, const QString& suffix, bool financial)
{
    const TFormatSettings fs = FormatSettings();
    QString* texts[2] = {&first, &second};
    double values[2] = {0, 0};
    bool parsed[2] = {false, false};
    for (int k = 0; k < 2; ++k) {
        QString& text = *texts[k];
        text = withoutFirst(withoutFirst(text, prefix), suffix);
        QString number = text;
        if (financial)
            number.remove(fs.ThousandSeparator);
        if (fs.DecimalSeparator != u'.') {
            const int at = number.indexOf(fs.DecimalSeparator);
            if (at >= 0)
                number[at] = u'.';
        }
        parsed[k] = parseDecimal(number, values[k]) || text.isEmpty();
        if (!parsed[k])
            values[k] = leadingDigits(number);
        else if (text.isEmpty())
            values[k] = 0;
    }
    if (!parsed[0] && !parsed[1])
        return 0;
    return compareValues(values[0], values[1]);
}

TDateTime dateTimeOf(const QString& text)
{
    TDateTime value = 0;
    return !text.isEmpty() && ParseLocaleDateTime(text, value) ? value : 0;
}

TDateTime timeOf(const QString& text)
{
    TDateTime value = 0;
    return ParseLocaleTime(text, value) ? value : 0;
}

} // namespace

bool IsSortNumber(const QString& Text)
{
    const int kind = DetectNumberKind(Text);
    return kind == nkInteger || kind == nkFloat || kind == nkScientific;
}

TSortStyle DetectSortStyle(const QString& First, const QString& Second, bool FirstIsCheckBox, bool IgnoreCase)
{
    if (FirstIsCheckBox)
        return ssCheckBox;
    if (IsSortNumber(First))
        return ssNumeric;
    const TFormatSettings fs = FormatSettings();
    if (separatorInDatePlace(First, fs.DateSeparator)) {
        if (Second.contains(fs.DateSeparator))
            return First.contains(fs.TimeSeparator) ? ssDateTime : ssDate;
    } else if (separatorInDatePlace(First, fs.TimeSeparator) && Second.contains(fs.TimeSeparator)) {
        return ssTime;
    }
    return IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
}

TSortStyle ResolveAlphaNumeric(TSortStyle Style, const QString& First, const QString& Second)
{
    if (Style != ssAlphaNumeric && Style != ssAlphaNumericNoCase)
        return Style;
    if (IsSortNumber(First) && IsSortNumber(Second))
        return ssNumeric;
    return Style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
}

bool IsTextSortStyle(TSortStyle Style)
{
    switch (Style) {
    case ssAlphabetic:
    case ssAlphaCase:
    case ssNumeric:
    case ssFinancial:
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssAlphaNoCase:
    case ssShortDateEU:
    case ssShortDateUS:
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase:
        return true;
    default:
        return false;
    }
}

int CompareSortTexts(TSortStyle Style, QString& First, QString& Second, const QString& Prefix,
                     const QString& Suffix)
{
    Style = ResolveAlphaNumeric(Style, First, Second);
    switch (Style) {
    case ssNumeric:
        return compareNumbers(First, Second, Prefix, Suffix, false);
    case ssFinancial:
        return compareNumbers(First, Second, Prefix, Suffix, true);
    case ssDate:
    case ssDateTime:
        return compareValues(dateTimeOf(First), dateTimeOf(Second));
    case ssTime:
        return compareValues(timeOf(First), timeOf(Second));
    case ssShortDateEU:
        return compareValues(ParseDateDayFirst(First), ParseDateDayFirst(Second));
    case ssShortDateUS:
        return compareValues(ParseDateMonthFirst(First), ParseDateMonthFirst(Second));
    case ssAlphaNoCase:
        return sign(QString::compare(UpperCase(First), UpperCase(Second)));
    case ssAnsiAlphaCase:
        return sign(QString::localeAwareCompare(First, Second));
    case ssAnsiAlphaNoCase:
        return sign(AnsiCompareText(First, Second));
    default:
        return sign(QString::compare(First, Second));
    }
}

int ApplySortBlanks(int Result, const QString& First, const QString& Second, TSortDirection Direction,
                    TSortBlankPosition BlankPos)
{
    if (First.isEmpty() == Second.isEmpty())
        return Result;
    // the blank's side in ascending order: last is "greater"
    int blankSide = BlankPos == blLast ? 1 : -1;
    if (Direction == sdDescending)
        blankSide = -blankSide;
    return First.isEmpty() ? blankSide : -blankSide;
}
