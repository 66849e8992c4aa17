#pragma once

// Dates in cell texts: the two-digit-year parsers of date sorting, the
// locale-driven date-time parser, and one step of a date series. A date value
// counts days from 30 December 1899, the time of day as the fraction.

#include <QtCore/QString>

#include <optional>

using TDateTime = double;

namespace platform {

// The date value of a calendar day (years 1 to 9999); false for a day that
// does not exist.
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value);
// The fraction of a day (hour < 24, minute < 60, second < 60, ms < 1000).
bool TryEncodeTime(int Hour, int Minute, int Second, int MilliSecond, TDateTime& Value);
// The calendar day of a date value.
void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day);

} // namespace platform

// A date written month-day-year or day-month-year with "/", "." or "-" (the
// first of them that the text holds). A two-digit year of 25 or less lies in
// 2000-2025, a larger one in the 1900s; a four-digit year is taken as
// written. 0 when the text is no date or names a day that does not exist.
TDateTime ParseDateMonthFirst(const QString& Text);
TDateTime ParseDateDayFirst(const QString& Text);

// A date in the order of the locale's short date format, with the locale's
// date separator, optionally followed by a blank and a time with the locale's
// time separator (hours and minutes, or hours, minutes and seconds). A time
// without a separator stores the date alone and fails.
bool ParseLocaleDateTime(const QString& Text, TDateTime& Value);

// Whether the locale's date separator stands at position 2 or later and again
// at least two characters further on.
bool LooksLikeDate(const QString& Text);

// The next date of a series: days only add the days (either sign); years only
// or months only move to the same day in the year or month that far away;
// any other combination adds Delta. Empty when the target day does not exist.
std::optional<TDateTime> StepDate(int Years, int Months, int Days, TDateTime Date, double Delta);

// A time of day written with the locale's time separator: hours and minutes,
// or hours, minutes and seconds.
bool ParseLocaleTime(const QString& Text, TDateTime& Value);

// A date value written in the runtime notation: d dd m mm yy yyyy h hh n nn
// s ss z zzz, "/" and ":" for the locale's separators, quoted text as it
// stands. Other letters are copied.
QString FormatDateTimeText(const QString& Format, TDateTime Value);

// The same day a number of months (either sign) away, on the month's last day
// when it is shorter; the time of day is kept.
TDateTime IncMonth(TDateTime Value, int Months);
