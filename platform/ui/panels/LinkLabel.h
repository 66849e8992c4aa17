#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QLabel>

enum TSysLinkType { sltURL, sltID };

// A label whose caption holds links written as <a href="address">text</a> (or
// <a id="name">text</a>); all other text shows as written. Clicking a link
// raises OnLinkClick with its address (sltURL) or its name (sltID).
class TLinkLabel : public QLabel, public platform::TControl, public TObject {
 public:
  explicit TLinkLabel(QWidget* parent = nullptr);
  ~TLinkLabel() override;

  QString Caption() const;
  void SetCaption(const QString& caption);
  bool AutoSize() const;
  void SetAutoSize(bool autoSize);

  std::function<void(TObject* Sender, const QString& Link, TSysLinkType LinkType)> OnLinkClick;

 protected:
  void ChangeBounds(const QRect& bounds) override;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
