#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QCheckBox>

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box. Every change of its state, by the user or by the program, raises
// OnClick.
class TCheckBox : public QCheckBox, public platform::TControl, public TObject {
 public:
  explicit TCheckBox(QWidget* parent = nullptr);
  ~TCheckBox() override;

  QString Caption() const;
  void SetCaption(const QString& caption);
  bool Checked() const;
  void SetChecked(bool checked);
  TCheckBoxState State() const;
  void SetState(TCheckBoxState state);
  bool AllowGrayed() const;
  void SetAllowGrayed(bool allow);

  TNotifyEvent OnClick;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
