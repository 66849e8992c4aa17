#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QWidget>

// A bar between aligned controls: dragging it resizes the control aligned on
// the same side just before it (left of a left-aligned bar, above a
// top-aligned one), never below MinSize pixels, and re-arranges the parent.
// Give it its place (SetBounds) before its alignment, as with any aligned
// control: the alignment orders aligned controls by their position.
class TSplitter : public QWidget, public platform::TControl, public TObject {
 public:
  explicit TSplitter(QWidget* parent = nullptr);
  ~TSplitter() override;

  int MinSize() const { return minSize_; }
  void SetMinSize(int size) { minSize_ = size; }
  // The control that a drag resizes; nullptr when none stands before the bar.
  platform::TControl* ResizedControl() const;
  // Moves the bar by `delta` pixels as a drag does.
  void MoveBy(int delta);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool vertical() const;
  int minSize_ = 30;
  int pressPos_ = -1;
};
