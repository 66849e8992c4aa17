#pragma once

// Waiting on the event loop for something a timer or another thread brings
// about, without a fixed sleep: a loaded machine only makes the wait longer.

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>

#include <functional>

namespace testsupport {

// Runs the event loop until the condition holds or ms have passed; answers the condition.
inline bool WaitFor(const std::function<bool()>& condition, int ms = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return condition();
}

}  // namespace testsupport
