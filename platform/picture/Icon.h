#pragma once

#include "platform/picture/EncodedImage.h"

// An icon file (.ico). Of several sizes in the file the one nearest to 32 by 32
// pixels is shown; saving writes the file as it was read.
class TIcon : public EncodedImage {
 public:
  TIcon();
  std::unique_ptr<TGraphic> clone() const override;

 protected:
  QImage decode(const QByteArray& data) const override;
};
