#pragma once

#include "platform/ui/controls/Control.h"
#include "platform/ui/controls/ItemStrings.h"
#include "platform/ui/paint/ScrollStyle.h"

#include <QtWidgets/QPlainTextEdit>

// A multi-line text entry. Lines are the text's lines; Text joins them with
// CR LF. Any change of the text, by the user or by the program, raises OnChange.
class TMemo : public QPlainTextEdit, public platform::TControl, public TObject {
 public:
  explicit TMemo(QWidget* parent = nullptr);
  ~TMemo() override;

  platform::ItemStrings& Lines();
  QString Text() const;
  void SetText(const QString& text);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  bool WordWrap() const;
  void SetWordWrap(bool wrap);
  TScrollStyle ScrollBars() const;
  void SetScrollBars(TScrollStyle style);

  TNotifyEvent OnChange;
  TNotifyEvent OnExit;

 protected:
  void ApplyColor(TColor color) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
