#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QWidget>

class QImage;

// Shows a picture: at the top-left corner, centred, or stretched to the control
// (keeping its proportions with Proportional).
class TImage : public QWidget, public platform::TControl, public TObject {
 public:
  explicit TImage(QWidget* parent = nullptr);
  ~TImage() override;

  QImage Picture() const;
  void SetPicture(const QImage& picture);
  bool Stretch() const;
  void SetStretch(bool stretch);
  bool Proportional() const;
  void SetProportional(bool proportional);
  bool Center() const;
  void SetCenter(bool center);
  // With AutoSize the control takes the size of the picture.
  bool AutoSize() const;
  void SetAutoSize(bool autoSize);

  TNotifyEvent OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRect pictureRect() const;
  struct Data;
  std::unique_ptr<Data> d;
};
