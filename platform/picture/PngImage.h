#pragma once

#include "platform/picture/EncodedImage.h"

// A PNG picture, drawn with its alpha channel.
class TPngImage : public EncodedImage {
 public:
  TPngImage();
  std::unique_ptr<TGraphic> clone() const override;
};
