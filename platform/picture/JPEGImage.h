#pragma once

#include "platform/picture/Graphic.h"

class QImage;

// A JPEG file that libjpeg cannot read or write; the text names libjpeg's message
// number ("JPEG error #n").
class EJPEG : public EInvalidGraphic {
 public:
  using EInvalidGraphic::EInvalidGraphic;
};

// A JPEG picture. It keeps the file it was read from and saves that unchanged
// until Compress() encodes the pixels again; a picture assigned from another type
// is encoded when it is saved.
class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;

  int Width() const override;
  int Height() const override;
  // 1 to 100; used by the next encoding.
  int CompressionQuality() const;
  void SetCompressionQuality(int quality);
  // Shows (and encodes) the picture in shades of gray.
  bool Grayscale() const;
  void SetGrayscale(bool grayscale);
  // Encodes the current pixels with the current quality.
  void Compress();

  void LoadFromStream(const QByteArray& data) override;
  void SaveToStream(QByteArray& data) const override;
  void Assign(const TGraphic* source) override;
  void Draw(TCanvas& canvas, const TRect& r) const override;
  QImage toImage() const override;
  std::unique_ptr<TGraphic> clone() const override;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};

namespace platform {
// Decodes a JPEG file; throws EJPEG.
QImage decodeJpeg(const QByteArray& data, bool grayscale);
// Encodes an image as a JPEG file; throws EJPEG.
QByteArray encodeJpeg(const QImage& image, int quality, bool grayscale);
}  // namespace platform
