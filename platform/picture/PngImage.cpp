#include "platform/picture/PngImage.h"

TPngImage::TPngImage() : EncodedImage("png", "PNG") {}

std::unique_ptr<TGraphic> TPngImage::clone() const { return cloneAs<TPngImage>(); }
