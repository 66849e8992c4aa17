#include "platform/picture/GIFImage.h"

TGIFImage::TGIFImage() : EncodedImage("gif", "GIF") {}

std::unique_ptr<TGraphic> TGIFImage::clone() const { return cloneAs<TGIFImage>(); }
