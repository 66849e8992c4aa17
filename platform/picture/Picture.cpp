#include "platform/picture/Picture.h"

#include "platform/picture/Bitmap.h"
#include "platform/picture/GIFImage.h"
#include "platform/picture/Icon.h"
#include "platform/picture/JPEGImage.h"
#include "platform/picture/PngImage.h"

namespace platform {

PictureFormat detectPictureFormat(const QByteArray& data) {
  if (data.startsWith("BM")) {
    return PictureFormat::Bitmap;
  }
  if (data.startsWith(QByteArray("\x00\x00\x01\x00", 4))) {
    return PictureFormat::Icon;
  }
  if (data.startsWith("\x89PNG\r\n\x1a\n")) {
    return PictureFormat::Png;
  }
  if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) {
    return PictureFormat::Gif;
  }
  if (data.startsWith("\xFF\xD8\xFF")) {
    return PictureFormat::Jpeg;
  }
  return PictureFormat::Unknown;
}

std::unique_ptr<TGraphic> loadGraphic(const QByteArray& data) {
  std::unique_ptr<TGraphic> graphic;
  switch (detectPictureFormat(data)) {
    case PictureFormat::Bitmap: graphic = std::make_unique<TBitmap>(); break;
    case PictureFormat::Icon: graphic = std::make_unique<TIcon>(); break;
    case PictureFormat::Png: graphic = std::make_unique<TPngImage>(); break;
    case PictureFormat::Gif: graphic = std::make_unique<TGIFImage>(); break;
    case PictureFormat::Jpeg: graphic = std::make_unique<TJPEGImage>(); break;
    case PictureFormat::Unknown:
      throw EInvalidGraphic(QStringLiteral("Unknown picture format"));
  }
  graphic->LoadFromStream(data);
  return graphic;
}

}  // namespace platform

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::changed() {
  if (OnChange) {
    OnChange(this);
  }
}

void TPicture::hold(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) {
    graphic_->OnChange = [this](TGraphic*) { changed(); };
  }
  changed();
}

TGraphic* TPicture::Graphic() const { return graphic_.get(); }

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (graphic == graphic_.get()) {
    return;
  }
  hold(graphic ? graphic->clone() : nullptr);
}

TBitmap* TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get())) {
    return bitmap;
  }
  hold(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon() {
  if (auto* icon = dynamic_cast<TIcon*>(graphic_.get())) {
    return icon;
  }
  hold(std::make_unique<TIcon>());
  return static_cast<TIcon*>(graphic_.get());
}

int TPicture::Width() const { return graphic_ ? graphic_->Width() : 0; }

int TPicture::Height() const { return graphic_ ? graphic_->Height() : 0; }

void TPicture::LoadFromFile(const QString& path) { LoadFromStream(platform::readPictureFile(path)); }

void TPicture::LoadFromStream(const QByteArray& data) { hold(platform::loadGraphic(data)); }

void TPicture::SaveToFile(const QString& path) const {
  if (graphic_) {
    graphic_->SaveToFile(path);
  }
}

void TPicture::SaveToStream(QByteArray& data) const {
  data.clear();
  if (graphic_) {
    graphic_->SaveToStream(data);
  }
}

void TPicture::Assign(const TPicture* source) {
  if (source != this) {
    SetGraphic(source ? source->Graphic() : nullptr);
  }
}
