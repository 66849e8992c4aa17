#include "platform/core/Clock.h"

#include <QDateTime>

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

std::function<QDateTime()>& testNow()
{
    static std::function<QDateTime()> now;
    return now;
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

QDateTime Now()
{
    std::function<QDateTime()> now;
    {
        std::lock_guard lock(clockMutex());
        now = testNow();
    }
    return now ? now() : QDateTime::currentDateTime();
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

void SetNowForTesting(std::function<QDateTime()> now)
{
    std::lock_guard lock(clockMutex());
    testNow() = std::move(now);
}

void ResetClock()
{
    std::lock_guard lock(clockMutex());
    testClock() = nullptr;
    testNow() = nullptr;
}

} // namespace platform
