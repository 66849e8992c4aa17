#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QGroupBox>

// A framed group with a caption; its controls are placed relative to its
// top-left corner.
class TGroupBox : public QGroupBox, public platform::TControl, public TObject {
 public:
  explicit TGroupBox(QWidget* parent = nullptr);
  ~TGroupBox() override;

  QString Caption() const;
  void SetCaption(const QString& caption);

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
