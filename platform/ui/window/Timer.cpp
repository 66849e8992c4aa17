#include "platform/ui/window/Timer.h"

#include <QtCore/QTimer>

struct TTimer::Data {
  QTimer timer;
  int interval = 1000;
  bool enabled = true;
};

TTimer::TTimer(QObject* owner) : QObject(owner), d(std::make_unique<Data>()) {
  connect(&d->timer, &QTimer::timeout, this, [this] {
    if (OnTimer) OnTimer(this);
  });
  update();
}

TTimer::~TTimer() = default;

int TTimer::Interval() const { return d->interval; }

void TTimer::SetInterval(int milliseconds) {
  if (milliseconds == d->interval) return;
  d->interval = milliseconds;
  d->timer.stop();
  update();
}

bool TTimer::Enabled() const { return d->enabled; }

void TTimer::SetEnabled(bool enabled) {
  if (enabled == d->enabled) return;
  d->enabled = enabled;
  update();
}

void TTimer::update() {
  if (!d->enabled || d->interval <= 0) {
    d->timer.stop();
    return;
  }
  if (!d->timer.isActive()) d->timer.start(d->interval);
}
