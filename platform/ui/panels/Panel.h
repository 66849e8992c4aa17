#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QWidget>

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// A container with optional raised or lowered edges and a centred caption.
// Aligned controls inside keep clear of the edges.
class TPanel : public QWidget, public platform::TControl, public TObject {
 public:
  explicit TPanel(QWidget* parent = nullptr);
  ~TPanel() override;

  QString Caption() const;
  void SetCaption(const QString& caption);
  TPanelBevel BevelOuter() const;
  void SetBevelOuter(TPanelBevel bevel);
  TPanelBevel BevelInner() const;
  void SetBevelInner(TPanelBevel bevel);
  int BevelWidth() const;
  void SetBevelWidth(int width);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void updateMargins();
  struct Data;
  std::unique_ptr<Data> d;
};

namespace platform {
// Draws a classic 3D edge of the given width inside rect: raised (light top and
// left, dark bottom and right) or lowered (the reverse).
void DrawEdge3D(QPainter& painter, const QRect& rect, bool raised, int width);
}  // namespace platform
