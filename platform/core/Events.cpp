#include "platform/core/Events.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

struct TEvent::Private {
    std::mutex mutex;
    std::condition_variable changed;
    bool manualReset = false;
    bool signalled = false;
};

TEvent::TEvent(bool manualReset, bool initialState)
    : d(std::make_unique<Private>())
{
    d->manualReset = manualReset;
    d->signalled = initialState;
}

TEvent::~TEvent() = default;

void TEvent::SetEvent()
{
    {
        std::lock_guard lock(d->mutex);
        d->signalled = true;
    }
    if (d->manualReset)
        d->changed.notify_all();
    else
        d->changed.notify_one();
}

void TEvent::ResetEvent()
{
    std::lock_guard lock(d->mutex);
    d->signalled = false;
}

bool TEvent::WaitFor(int ms)
{
    std::unique_lock lock(d->mutex);
    const auto isSignalled = [this] { return d->signalled; };
    if (ms < 0)
        d->changed.wait(lock, isSignalled);
    else if (!d->changed.wait_for(lock, std::chrono::milliseconds(ms), isSignalled))
        return false;
    if (!d->manualReset)
        d->signalled = false;
    return true;
}
