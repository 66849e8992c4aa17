#include "app/ShownProbe.h"

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

#include <cstdio>

namespace {

class ShownProbe : public QObject {
public:
    explicit ShownProbe(QWidget* window)
        : QObject(window)
        , window_(window)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The filter sees the paint event before the window paints; the queued
        // call runs once the painted picture has been handed to the screen.
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            QMetaObject::invokeMethod(this, [this] { report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        window_->close();
    }

    QWidget* window_;
};

} // namespace

void Close_When_Shown_If_Asked(QWidget* window)
{
    if (qEnvironmentVariableIsEmpty("CONFIGURATOR_CLOSE_WHEN_SHOWN"))
        return;
    window->installEventFilter(new ShownProbe(window));
}
