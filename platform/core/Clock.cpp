#include "platform/core/Clock.h"

#include <chrono>
#include <mutex>
#include <thread>

namespace {

std::mutex& clockMutex()
{
    static std::mutex m;
    return m;
}

std::function<quint64()>& testClock()
{
    static std::function<quint64()> clock;
    return clock;
}

quint64 monotonicMilliseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return quint64(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace

quint32 GetTickCount()
{
    std::function<quint64()> clock;
    {
        std::lock_guard lock(clockMutex());
        clock = testClock();
    }
    return quint32(clock ? clock() : monotonicMilliseconds());
}

void Sleep(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    else
        std::this_thread::yield();
}

namespace platform {

void SetClockForTesting(std::function<quint64()> clock)
{
    std::lock_guard lock(clockMutex());
    testClock() = std::move(clock);
}

void ResetClock()
{
    std::lock_guard lock(clockMutex());
    testClock() = nullptr;
}

} // namespace platform
