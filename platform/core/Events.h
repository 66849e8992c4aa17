#pragma once

#include <memory>

// A signalled/unsignalled flag threads wait on. A manual-reset event stays
// signalled until ResetEvent; an auto-reset event releases one waiter and
// turns unsignalled again.
class TEvent {
public:
    TEvent(bool manualReset, bool initialState);
    ~TEvent();
    TEvent(const TEvent&) = delete;
    TEvent& operator=(const TEvent&) = delete;

    void SetEvent();
    void ResetEvent();
    // Waits up to `ms` milliseconds (a negative value waits without limit);
    // true when the event was signalled.
    bool WaitFor(int ms);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
