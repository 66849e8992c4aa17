#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QWidget>

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A drawn figure: outline in the pen colour and width, filled with the brush
// colour; clNone leaves out the outline or the fill. A rectangle of height 1
// is a line in the pen colour.
class TShape : public QWidget, public platform::TControl, public TObject {
 public:
  explicit TShape(QWidget* parent = nullptr);
  ~TShape() override;

  TShapeType Shape() const;
  void SetShape(TShapeType shape);
  TColor PenColor() const;
  void SetPenColor(TColor color);
  int PenWidth() const;
  void SetPenWidth(int width);
  TColor BrushColor() const;
  void SetBrushColor(TColor color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
