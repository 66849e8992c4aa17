#pragma once

#include "platform/picture/Graphic.h"

#include <QtGui/QImage>

// A picture kept as the file it was read from (icons, PNG, GIF): drawn with its
// own transparency and saved back unchanged. A picture assigned from another
// type is encoded in this type's format when it is saved.
class EncodedImage : public TGraphic {
 public:
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }

  void LoadFromStream(const QByteArray& data) override;
  void SaveToStream(QByteArray& data) const override;
  void Assign(const TGraphic* source) override;
  void Draw(TCanvas& canvas, const TRect& r) const override;
  QImage toImage() const override { return image_; }

 protected:
  // format: the toolkit's name of the file format ("ico", "png", "gif").
  EncodedImage(const char* format, const char* typeName);
  // Reads the picture out of data; a null image when data is not of the format.
  virtual QImage decode(const QByteArray& data) const;
  void copyFrom(const EncodedImage& source);
  template <class T>
  std::unique_ptr<TGraphic> cloneAs() const {
    auto copy = std::make_unique<T>();
    copy->copyFrom(*this);
    return copy;
  }

 private:
  const char* format_;
  const char* typeName_;
  QImage image_;
  QByteArray encoded_;
};
