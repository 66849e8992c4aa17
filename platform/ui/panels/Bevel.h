#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QWidget>

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A sunken or raised box, frame or line.
class TBevel : public QWidget, public platform::TControl, public TObject {
 public:
  explicit TBevel(QWidget* parent = nullptr);
  ~TBevel() override;

  TBevelShape Shape() const;
  void SetShape(TBevelShape shape);
  TBevelStyle Style() const;
  void SetStyle(TBevelStyle style);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
