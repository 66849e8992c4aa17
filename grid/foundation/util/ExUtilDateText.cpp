// Date values written as text in the runtime's format notation, and the
// month step of date editors.

#include "grid/foundation/util/ExUtilDate.h"

#include "platform/core/FormatSettings.h"

#include <QtCore/QDate>

#include <cmath>

namespace {

// The number of times the character at i repeats from there on.
int runLength(const QString& format, int i)
{
    int n = 1;
    while (i + n < format.size() && format[i + n].toLower() == format[i].toLower())
        ++n;
    return n;
}

QString padded(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')); }

struct DateTimeParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
};

DateTimeParts decode(TDateTime value)
{
    DateTimeParts p;
    platform::DecodeDate(value, p.year, p.month, p.day);
    const double fraction = value - std::floor(value);
    qint64 msOfDay = std::llround(fraction * 86400000.0);
    if (msOfDay >= 86400000)
        msOfDay = 86399999;
    p.hour = int(msOfDay / 3600000);
    p.minute = int(msOfDay / 60000 % 60);
    p.second = int(msOfDay / 1000 % 60);
    p.ms = int(msOfDay % 1000);
    return p;
}

} // namespace

QString FormatDateTimeText(const QString& Format, TDateTime Value)
{
    const TFormatSettings fs = FormatSettings();
    const DateTimeParts p = decode(Value);
    QString out;
    for (int i = 0; i < Format.size();) {
        const QChar c = Format[i];
        const int n = runLength(Format, i);
        switch (c.toLower().unicode()) {
        case 'd': out += n >= 2 ? padded(p.day, 2) : QString::number(p.day); break;
        case 'm': out += n >= 2 ? padded(p.month, 2) : QString::number(p.month); break;
        case 'y': out += n <= 2 ? padded(p.year % 100, 2) : padded(p.year, 4); break;
        case 'h': out += n >= 2 ? padded(p.hour, 2) : QString::number(p.hour); break;
        case 'n': out += n >= 2 ? padded(p.minute, 2) : QString::number(p.minute); break;
        case 's': out += n >= 2 ? padded(p.second, 2) : QString::number(p.second); break;
        case 'z': out += n >= 3 ? padded(p.ms, 3) : QString::number(p.ms); break;
        case '/': out += QString(fs.DateSeparator).repeated(n); break;
        case ':': out += QString(fs.TimeSeparator).repeated(n); break;
        case '"':
        case '\'': {
            const int end = Format.indexOf(c, i + 1);
            const int stop = end < 0 ? int(Format.size()) : end;
            out += Format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        default: out += Format.mid(i, n);
        }
        i += n;
    }
    return out;
}

TDateTime IncMonth(TDateTime Value, int Months)
{
    int year = 0, month = 0, day = 0;
    platform::DecodeDate(Value, year, month, day);
    const QDate moved = QDate(year, month, 1).addMonths(Months);
    const int lastDay = moved.daysInMonth();
    TDateTime date = 0;
    if (!platform::TryEncodeDate(moved.year(), moved.month(), std::min(day, lastDay), date))
        return Value;
    return date + (Value - std::floor(Value));
}
