#include "platform/core/Clock.h"
#include "platform/core/Events.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

TEST(TEvent, ManualResetStaysSignalledUntilReset)
{
    TEvent event(true, false);
    EXPECT_FALSE(event.WaitFor(0));
    event.SetEvent();
    EXPECT_TRUE(event.WaitFor(0));
    EXPECT_TRUE(event.WaitFor(0));
    event.ResetEvent();
    EXPECT_FALSE(event.WaitFor(0));
    EXPECT_TRUE(TEvent(true, true).WaitFor(0));
}

TEST(TEvent, AutoResetReleasesOneWait)
{
    TEvent event(false, true);
    EXPECT_TRUE(event.WaitFor(0));
    EXPECT_FALSE(event.WaitFor(0));
    event.SetEvent();
    event.SetEvent();
    EXPECT_TRUE(event.WaitFor(0));
    EXPECT_FALSE(event.WaitFor(0));
}

TEST(TEvent, WaitTimesOutAfterItsLimit)
{
    TEvent event(false, false);
    const auto start = Clock::now();
    EXPECT_FALSE(event.WaitFor(30));
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(30));
}

TEST(TEvent, SetFromAnotherThreadWakesTheWaiter)
{
    for (const bool manual : {true, false}) {
        TEvent event(manual, false);
        std::thread setter([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            event.SetEvent();
        });
        const auto start = Clock::now();
        EXPECT_TRUE(event.WaitFor(-1));
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
        setter.join();
        EXPECT_EQ(event.WaitFor(0), manual);
    }
}

TEST(Clock, TestClockReplacesTheTickCounterAndWraps)
{
    quint64 now = 0x100000005ULL;
    platform::SetClockForTesting([&] { return now; });
    EXPECT_EQ(GetTickCount(), 5u);
    now += 1000;
    EXPECT_EQ(GetTickCount(), 1005u);
    platform::ResetClock();
    const quint32 first = GetTickCount();
    Sleep(20);
    const quint32 elapsed = GetTickCount() - first;
    EXPECT_GE(elapsed, 20u);
    EXPECT_LT(elapsed, 5000u);
}

TEST(Clock, TestNowReplacesTheWallClockUntilReset)
{
    const QDateTime fixed(QDate(2024, 3, 7), QTime(9, 5, 3));
    platform::SetNowForTesting([&] { return fixed; });
    EXPECT_EQ(Now(), fixed);
    platform::ResetClock();
    EXPECT_GT(Now().date().year(), 2024);
}

} // namespace
