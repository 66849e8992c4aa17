#pragma once

#include "platform/core/TObject.h"

#include <QtCore/QObject>

#include <functional>
#include <memory>

// A repeating timer on the GUI thread. It runs while Enabled and Interval > 0.
// Enabling a running timer leaves its count alone; enabling a stopped one or
// changing the interval starts a new count.
class TTimer : public QObject, public TObject {
 public:
  explicit TTimer(QObject* owner = nullptr);
  ~TTimer() override;

  int Interval() const;
  void SetInterval(int milliseconds);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  std::function<void(TObject* Sender)> OnTimer;

 private:
  void update();
  struct Data;
  std::unique_ptr<Data> d;
};
