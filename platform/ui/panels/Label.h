#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QLabel>

// A text label. Its caption may mark an accelerator ("&x"), shown without the
// mark; with AutoSize (the default) the label takes the size of its text.
class TLabel : public QLabel, public platform::TControl, public TObject {
 public:
  explicit TLabel(QWidget* parent = nullptr);
  ~TLabel() override;

  QString Caption() const;
  void SetCaption(const QString& caption);
  bool AutoSize() const;
  void SetAutoSize(bool autoSize);
  bool WordWrap() const;
  void SetWordWrap(bool wrap);
  TAlignment Alignment() const;
  void SetAlignment(TAlignment alignment);
  // A transparent label shows its parent through; otherwise it fills with Color.
  bool Transparent() const;
  void SetTransparent(bool transparent);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  void ChangeBounds(const QRect& bounds) override;
  void ApplyFont(const QFont& font, TColor textColor) override;
  void ApplyColor(TColor color) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void fitText();
  QSize unwrappedSize() const;
  struct Data;
  std::unique_ptr<Data> d;
};
