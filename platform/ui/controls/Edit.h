#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QLineEdit>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// A single-line text entry. Setting Text from code raises OnChange as typing
// does. OnKeyPress sees each typed character first and may drop it (set it to 0)
// or replace it; Enter, Escape and Tab are left to the window. MaxLength limits
// what is typed or pasted (0: no limit), not what the program sets.
class TEdit : public QLineEdit, public platform::TControl, public TObject {
 public:
  explicit TEdit(QWidget* parent = nullptr);
  ~TEdit() override;

  QString Text() const;
  void SetText(const QString& text);
  int MaxLength() const;
  void SetMaxLength(int length);
  TEditCharCase CharCase() const;
  void SetCharCase(TEditCharCase charCase);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  // A character other than 0 hides the text behind it.
  QChar PasswordChar() const;
  void SetPasswordChar(QChar character);
  void SelectAll();

  TNotifyEvent OnChange;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  void ApplyColor(TColor color) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  friend class EditValidator;
  struct Data;
  std::unique_ptr<Data> d;
};
