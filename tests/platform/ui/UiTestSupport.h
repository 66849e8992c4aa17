#pragma once

#include "platform/ui/window/Form.h"

#include <QtCore/QStringList>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

namespace uitest {

// A push button of the simplest kind that takes part in the dialog keys.
class FakeButton : public QWidget, public platform::DialogButton {
 public:
  explicit FakeButton(QWidget* parent, TModalResult result = mrNone) : QWidget(parent), result_(result) {
    setFocusPolicy(Qt::StrongFocus);
  }
  bool Default() const override { return isDefault; }
  bool Cancel() const override { return isCancel; }
  void Click() override {
    ++clicks;
    if (result_ != mrNone)
      if (auto* form = dynamic_cast<TForm*>(window())) form->SetModalResult(result_);
  }
  bool isDefault = false;
  bool isCancel = false;
  int clicks = 0;

 private:
  TModalResult result_;
};

inline void sendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

inline void typeText(QWidget* target, const QString& text) {
  for (QChar c : text) sendKey(target, c.toUpper().unicode(), Qt::NoModifier, QString(c));
}

}  // namespace uitest
