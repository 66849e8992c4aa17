#pragma once

#include <QtGlobal>

#include <functional>

// Milliseconds since an arbitrary start, wrapping at 2^32 as the system
// counter does.
quint32 GetTickCount();
void Sleep(int ms);

namespace platform {

// Replaces the millisecond source of GetTickCount (tests); ResetClock
// returns to the real monotonic clock.
void SetClockForTesting(std::function<quint64()> clock);
void ResetClock();

} // namespace platform
