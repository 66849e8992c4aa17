#include "platform/core/FormatSettings.h"

#include <QLocale>

#include <mutex>
#include <optional>

namespace {

std::mutex& overrideMutex()
{
    static std::mutex m;
    return m;
}

std::optional<TFormatSettings>& overrideSettings()
{
    static std::optional<TFormatSettings> settings;
    return settings;
}

QChar firstChar(const QString& s, QChar fallback)
{
    return s.isEmpty() ? fallback : s[0];
}

// Direction marks and other invisible format characters that some locales
// put around their separators.
bool isInvisible(QChar c)
{
    return c.category() == QChar::Other_Format;
}

// The first character of a locale format that is neither a field letter,
// a quote, a blank nor invisible: the separator between the fields.
QChar firstSeparator(const QString& qtFormat, QChar fallback)
{
    for (const QChar c : qtFormat) {
        if (!c.isLetter() && c != u'\'' && !c.isSpace() && !isInvisible(c))
            return c;
    }
    return fallback;
}

// Rewrites a locale format into the runtime's notation: months "m", minutes
// "n", 12-hour marker "AMPM", separators as "/" and ":", no time zone.
QString runtimeFormat(const QString& qtFormat, QChar dateSep, QChar timeSep)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < qtFormat.size(); ++i) {
        const QChar c = qtFormat[i];
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
        } else if (quoted) {
            out += c;
        } else if (c == u'M') {
            out += u'm';
        } else if (c == u'm') {
            out += u'n';
        } else if (c == u'H') {
            out += u'h';
        } else if (c == u'A' || c == u'a') {
            out += c == u'A' ? QStringLiteral("AMPM") : QStringLiteral("ampm");
            if (i + 1 < qtFormat.size() && (qtFormat[i + 1] == u'P' || qtFormat[i + 1] == u'p'))
                ++i;
        } else if (c == u't' || isInvisible(c)) {
            continue;
        } else if (c == dateSep) {
            out += u'/';
        } else if (c == timeSep) {
            out += u':';
        } else {
            out += c;
        }
    }
    return out.trimmed();
}

} // namespace

namespace platform {

TFormatSettings FormatSettingsFromLocale(const QLocale& locale)
{
    TFormatSettings s;
    s.DecimalSeparator = firstChar(locale.decimalPoint(), u'.');
    s.ThousandSeparator = firstChar(locale.groupSeparator(), u',');
    const QString date = locale.dateFormat(QLocale::ShortFormat);
    const QString time = locale.timeFormat(QLocale::LongFormat);
    s.DateSeparator = firstSeparator(date, u'/');
    s.TimeSeparator = firstSeparator(time, u':');
    s.ShortDateFormat = runtimeFormat(date, s.DateSeparator, QChar());
    s.LongTimeFormat = runtimeFormat(time, QChar(), s.TimeSeparator);
    return s;
}

} // namespace platform

TFormatSettings FormatSettings()
{
    {
        std::lock_guard lock(overrideMutex());
        if (overrideSettings())
            return *overrideSettings();
    }
    return platform::FormatSettingsFromLocale(QLocale::system());
}

namespace platform {

void SetFormatSettingsOverride(const TFormatSettings& settings)
{
    std::lock_guard lock(overrideMutex());
    overrideSettings() = settings;
}

void ClearFormatSettingsOverride()
{
    std::lock_guard lock(overrideMutex());
    overrideSettings().reset();
}

FormatSettingsSnapshot::FormatSettingsSnapshot()
{
    const TFormatSettings now = FormatSettings();
    std::lock_guard lock(overrideMutex());
    previous_ = overrideSettings();
    overrideSettings() = now;
}

FormatSettingsSnapshot::~FormatSettingsSnapshot()
{
    std::lock_guard lock(overrideMutex());
    overrideSettings() = previous_;
}

QChar NumberDecimalSeparator()
{
    const QChar sep = FormatSettings().DecimalSeparator;
    return (sep == u',' || sep == u'.') ? sep : QChar(u',');
}

} // namespace platform
