#pragma once

#include "platform/picture/EncodedImage.h"

// A GIF picture; of an animation the first frame is shown.
class TGIFImage : public EncodedImage {
 public:
  TGIFImage();
  std::unique_ptr<TGraphic> clone() const override;
};
