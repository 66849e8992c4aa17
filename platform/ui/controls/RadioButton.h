#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QRadioButton>

// A radio button; the buttons of one parent exclude each other. Becoming checked,
// by the user or by the program, raises OnClick.
class TRadioButton : public QRadioButton, public platform::TControl, public TObject {
 public:
  explicit TRadioButton(QWidget* parent = nullptr);
  ~TRadioButton() override;

  QString Caption() const;
  void SetCaption(const QString& caption);
  bool Checked() const;
  // Checking unchecks the other buttons of the parent; unchecking is allowed
  // even when no other button is checked.
  void SetChecked(bool checked);

  TNotifyEvent OnClick;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
