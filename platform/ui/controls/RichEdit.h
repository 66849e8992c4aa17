#pragma once

#include "platform/ui/controls/Control.h"
#include "platform/ui/paint/Geometry.h"

#include <QtWidgets/QTextEdit>

// A multi-line entry of formatted text. Text is the plain text with CR LF line
// ends. Whenever the laid-out content changes size, RequestSize reports the
// size the content asks for (the content width and height in pixels), as the
// platform's rich edit reports its resize requests.
class TRichEdit : public QTextEdit, public platform::TControl, public TObject {
 public:
  explicit TRichEdit(QWidget* parent = nullptr);
  ~TRichEdit() override;

  QString Text() const;
  void SetText(const QString& text);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  bool WordWrap() const;
  void SetWordWrap(bool wrap);
  // The content's requested size, as last reported.
  int RequestedWidth() const;
  int RequestedHeight() const;
  void SelectAll();
  // The part of the client area the text is laid out in.
  void SetFormattingRect(const TRect& rect);

  TNotifyEvent OnChange;
  TNotifyEvent OnSelectionChange;
  TNotifyEvent OnExit;

 protected:
  // Called with the content's new size; the default does nothing more.
  virtual void RequestSize(int width, int height);
  void ApplyColor(TColor color) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
