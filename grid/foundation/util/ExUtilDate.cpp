#include "grid/foundation/util/ExUtilDate.h"

#include "platform/core/FormatSettings.h"
#include "platform/core/SysUtils.h"

#include <QtCore/QDate>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QDate DateZero(1899, 12, 30);

} // namespace

namespace platform {

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value)
{
    if (Year < 1 || Year > 9999 || !QDate::isValid(Year, Month, Day))
        return false;
    Value = static_cast<TDateTime>(DateZero.daysTo(QDate(Year, Month, Day)));
    return true;
}

bool TryEncodeTime(int Hour, int Minute, int Second, int MilliSecond, TDateTime& Value)
{
    if (Hour < 0 || Hour > 23 || Minute < 0 || Minute > 59 || Second < 0 || Second > 59 || MilliSecond < 0
        || MilliSecond > 999)
        return false;
    Value = (((Hour * 60.0 + Minute) * 60.0 + Second) * 1000.0 + MilliSecond) / 86400000.0;
    return true;
}

void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day)
{
    const QDate d = DateZero.addDays(static_cast<qint64>(std::floor(Value)));
    Year = d.year();
    Month = d.month();
    Day = d.day();
}

} // namespace platform

namespace {

// Two-digit years: 0..25 are this century, the rest the last one.
int expandYear(int written)
{
    const int n = written & 0xFFFF;
    if (n >= 1000)
        return n;
    return n <= 25 ? 2000 + n : 1900 + n;
}

// Splits "a<sep>b<sep>c" at the first separator of "/", "." and "-" that the
// text holds.
bool splitDate(const QString& text, int& first, int& second, int& year)
{
    QChar sep;
    for (QChar candidate : {u'/', u'.', u'-'}) {
        if (text.contains(candidate)) {
            sep = candidate;
            break;
        }
    }
    if (sep.isNull())
        return false;
    const int p1 = text.indexOf(sep);
    const int p2 = text.indexOf(sep, p1 + 1);
    if (p2 < 0)
        return false;
    return TryStrToInt(text.left(p1), first) && TryStrToInt(text.mid(p1 + 1, p2 - p1 - 1), second)
           && TryStrToInt(text.mid(p2 + 1), year);
}

TDateTime encodeOrZero(int year, int month, int day)
{
    TDateTime value = 0;
    return platform::TryEncodeDate(expandYear(year), month, day, value) ? value : 0;
}

} // namespace

TDateTime ParseDateMonthFirst(const QString& Text)
{
    int month = 0, day = 0, year = 0;
    return splitDate(Text, month, day, year) ? encodeOrZero(year, month, day) : 0;
}

TDateTime ParseDateDayFirst(const QString& Text)
{
    int day = 0, month = 0, year = 0;
    return splitDate(Text, day, month, year) ? encodeOrZero(year, month, day) : 0;
}

namespace {

enum DatePart { PartDay, PartMonth, PartYear };

// The order of day, month and year in the locale's short date format.
bool datePartOrder(std::array<DatePart, 3>& order)
{
    const QString format = FormatSettings().ShortDateFormat.toUpper();
    std::array<std::pair<int, DatePart>, 3> found{
        {{int(format.indexOf(u'D')), PartDay}, {int(format.indexOf(u'M')), PartMonth}, {int(format.indexOf(u'Y')), PartYear}}};
    for (const auto& f : found)
        if (f.first < 0)
            return false;
    std::sort(found.begin(), found.end());
    for (int i = 0; i < 3; ++i)
        order[i] = found[i].second;
    return true;
}

// Hours, minutes and optional seconds around the locale's time separator.
bool parseTime(const QString& text, QChar sep, TDateTime& time)
{
    const int p1 = text.indexOf(sep);
    int hour = 0, minute = 0, second = 0;
    if (!TryStrToInt(text.left(p1), hour) || hour > 23)
        return false;
    const int p2 = text.indexOf(sep, p1 + 1);
    if (p2 >= 0) {
        if (!TryStrToInt(text.mid(p1 + 1, p2 - p1 - 1), minute) || !TryStrToInt(text.mid(p2 + 1), second)
            || second > 60)
            return false;
    } else if (!TryStrToInt(text.mid(p1 + 1), minute)) {
        return false;
    }
    if (minute > 59)
        return false;
    return platform::TryEncodeTime(hour, minute, second, 0, time);
}

} // namespace

bool ParseLocaleDateTime(const QString& Text, TDateTime& Value)
{
    const TFormatSettings fs = FormatSettings();
    std::array<DatePart, 3> order{};
    if (!datePartOrder(order))
        return false;
    const int p1 = Text.indexOf(fs.DateSeparator);
    const int p2 = p1 < 0 ? -1 : Text.indexOf(fs.DateSeparator, p1 + 1);
    if (p2 < 0)
        return false;
    std::array<int, 3> fields{};
    if (!TryStrToInt(Text.left(p1), fields[0]) || !TryStrToInt(Text.mid(p1 + 1, p2 - p1 - 1), fields[1]))
        return false;
    QString rest = Trim(Text.mid(p2 + 1));
    QString timeText;
    const int blank = rest.indexOf(u' ');
    if (blank >= 0) {
        timeText = rest.mid(blank);
        rest = rest.left(blank);
    }
    if (!TryStrToInt(rest, fields[2]))
        return false;

    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i)
        (order[i] == PartDay ? day : order[i] == PartMonth ? month : year) = fields[i];
    if (day > 31 || month > 12)
        return false;
    TDateTime date = 0;
    if (!platform::TryEncodeDate(year, month, day, date))
        return false;
    if (timeText.isEmpty()) {
        Value = date;
        return true;
    }
    if (!timeText.contains(fs.TimeSeparator)) {
        Value = date;
        return false;
    }
    TDateTime time = 0;
    if (!parseTime(timeText, fs.TimeSeparator, time))
        return false;
    Value = date + time;
    return true;
}

bool LooksLikeDate(const QString& Text)
{
    const QChar sep = FormatSettings().DateSeparator;
    const int first = Text.indexOf(sep);
    if (first < 1)
        return false;
    return Text.indexOf(sep, first + 2) >= 0;
}

namespace {

std::optional<TDateTime> sameDayIn(int year, int month, int day)
{
    TDateTime value = 0;
    if (!platform::TryEncodeDate(year, month, day, value))
        return std::nullopt;
    return value;
}

// Month numbers outside 1..12 roll into the neighbouring years.
void normaliseMonth(int& year, int& month)
{
    const int zeroBased = month - 1;
    const int yearShift = zeroBased >= 0 ? zeroBased / 12 : -((11 - zeroBased) / 12);
    year += yearShift;
    month = zeroBased - yearShift * 12 + 1;
}

} // namespace

std::optional<TDateTime> StepDate(int Years, int Months, int Days, TDateTime Date, double Delta)
{
    if (Years == 0 && Months == 0 && Days != 0)
        return Date + Days;
    if ((Years != 0) == (Months != 0) || Days != 0)
        return Date + Delta;
    int year = 0, month = 0, day = 0;
    platform::DecodeDate(Date, year, month, day);
    if (Years != 0)
        return sameDayIn(year + Years, month, day);
    month += Months;
    normaliseMonth(year, month);
    return sameDayIn(year, month, day);
}

bool ParseLocaleTime(const QString& Text, TDateTime& Value)
{
    const QString text = Trim(Text);
    return text.contains(FormatSettings().TimeSeparator) && parseTime(text, FormatSettings().TimeSeparator, Value);
}
