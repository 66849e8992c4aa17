#pragma once

#include <QChar>
#include <QString>

#include <optional>

class QLocale;

// The user's number and date conventions. Date formats use the runtime
// notation: d, m (month), y, h, n (minutes), s; "/" and ":" stand for the
// date and time separators.
struct TFormatSettings {
    QChar DecimalSeparator;
    QChar ThousandSeparator;
    QChar DateSeparator;
    QChar TimeSeparator;
    QString ShortDateFormat;
    QString LongTimeFormat;
};

// Read from the user's locale at each call (or the test override).
TFormatSettings FormatSettings();

namespace platform {

// The settings a locale gives (what FormatSettings() reads from the user's).
TFormatSettings FormatSettingsFromLocale(const QLocale& locale);

void SetFormatSettingsOverride(const TFormatSettings& settings);
void ClearFormatSettingsOverride();

// The separator written into decimal numbers: the user's decimal separator
// when it is "," or ".", otherwise ",".
QChar NumberDecimalSeparator();

// Sets an override for its lifetime (tests).
class ScopedFormatSettings {
public:
    explicit ScopedFormatSettings(const TFormatSettings& settings) { SetFormatSettingsOverride(settings); }
    ~ScopedFormatSettings() { ClearFormatSettingsOverride(); }
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;
};

// Holds the settings as they are at its creation for its lifetime, so that a
// long run of conversions (a sort of many rows) reads the locale once; the
// override in force before, if any, returns afterwards.
class FormatSettingsSnapshot {
public:
    FormatSettingsSnapshot();
    ~FormatSettingsSnapshot();
    FormatSettingsSnapshot(const FormatSettingsSnapshot&) = delete;
    FormatSettingsSnapshot& operator=(const FormatSettingsSnapshot&) = delete;

private:
    std::optional<TFormatSettings> previous_;
};

} // namespace platform
