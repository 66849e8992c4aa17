#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QPushButton>

// A push button with a caption that raises OnClick when clicked by the mouse,
// by Space or from code.
class TButton : public QPushButton, public platform::TControl, public TObject {
 public:
  explicit TButton(QWidget* parent = nullptr);
  ~TButton() override;

  QString Caption() const;
  void SetCaption(const QString& caption);
  virtual void Click();

  TNotifyEvent OnClick;
};
