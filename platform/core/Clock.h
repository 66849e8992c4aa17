#pragma once

#include <QtGlobal>

#include <functional>

class QDateTime;

// Milliseconds since an arbitrary start, wrapping at 2^32 as the system
// counter does.
quint32 GetTickCount();
void Sleep(int ms);
// The local date and time of the wall clock.
QDateTime Now();

namespace platform {

// Replaces the millisecond source of GetTickCount (tests); ResetClock
// returns to the real monotonic clock.
void SetClockForTesting(std::function<quint64()> clock);
// Replaces the source of Now (tests); ResetClock returns to the real clock.
void SetNowForTesting(std::function<QDateTime()> now);
void ResetClock();

} // namespace platform
