#pragma once

#include "platform/core/Exceptions.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <functional>
#include <memory>

class QImage;
class TCanvas;

// Picture data that cannot be read (unknown format, damaged file).
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// A picture operation that the picture type does not allow.
class EInvalidGraphicOperation : public Exception {
 public:
  using Exception::Exception;
};

// Base of the picture types: size, drawing on a canvas, loading and saving in the
// type's own file format. Loading replaces the picture only when the data is good;
// bad data throws EInvalidGraphic and leaves the picture as it was.
class TGraphic {
 public:
  TGraphic();
  virtual ~TGraphic();
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  virtual bool Transparent() const;
  virtual void SetTransparent(bool transparent);

  virtual void LoadFromStream(const QByteArray& data) = 0;
  virtual void SaveToStream(QByteArray& data) const = 0;
  // File errors throw EFOpenError / EFCreateError.
  void LoadFromFile(const QString& path);
  void SaveToFile(const QString& path) const;

  // Copies the picture of source (converted to this type where it can be).
  virtual void Assign(const TGraphic* source) = 0;
  // Draws the picture scaled into r.
  virtual void Draw(TCanvas& canvas, const TRect& r) const = 0;

  // The picture as an image (transparent parts with alpha 0 when Transparent).
  virtual QImage toImage() const = 0;
  virtual std::unique_ptr<TGraphic> clone() const = 0;

  std::function<void(TGraphic* sender)> OnChange;

 protected:
  void changed();

 private:
  bool transparent_ = false;
};

class QImageReader;

namespace platform {
// Draws image scaled into r with nearest-pixel sampling; alpha blends.
void drawImage(TCanvas& canvas, const TRect& r, const QImage& image);
// A copy of image in which every pixel of the key colour is fully transparent.
QImage withKeyColorTransparent(const QImage& image, TColor key);
// Decoded pictures larger than this many megabytes are refused as not valid
// (2048 x 2048 pixels at four bytes each; glyphs, flags and cell pictures are far smaller).
inline constexpr int kPictureAllocationLimitMB = 16;
// True when a picture of this size would decode beyond the limit (pictures are
// kept at four bytes a pixel whatever their file's depth).
bool exceedsPictureLimit(qint64 width, qint64 height);
// The bytes of a picture file. Only a regular file of at most the picture size
// limit is read; anything else (a device, a pipe, a larger file) is refused
// before reading it, and throws EFOpenError as a file that cannot be read does.
QByteArray readPictureFile(const QString& path);
// Reads a picture of the given format ("bmp", "png", ...) with the toolkit; a null
// image when the data is not such a picture or would decode too large.
QImage readImage(const QByteArray& data, const char* format);
// Reads the reader's next picture; a null image when it would decode too large
// (a few header bytes can declare hundreds of megabytes).
QImage readLimited(QImageReader& reader);
}  // namespace platform
