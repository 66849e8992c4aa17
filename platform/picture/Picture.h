#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

#include <functional>
#include <memory>

class TBitmap;
class TGraphic;
class TIcon;

namespace platform {
enum class PictureFormat { Unknown, Bitmap, Icon, Png, Gif, Jpeg };
// The format of a picture file, judged by its first bytes.
PictureFormat detectPictureFormat(const QByteArray& data);
// A picture of the matching type read from data; throws EInvalidGraphic when the
// format is unknown or the data is damaged.
std::unique_ptr<TGraphic> loadGraphic(const QByteArray& data);
}  // namespace platform

// Holder of one picture of any type (bitmap, icon, PNG, GIF or JPEG). Loading
// picks the type by the file's content; a file that cannot be read throws and
// leaves the current picture in place.
class TPicture {
 public:
  TPicture();
  ~TPicture();
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // The picture, or nullptr when there is none.
  TGraphic* Graphic() const;
  // Holds a copy of graphic (nullptr empties the picture).
  void SetGraphic(const TGraphic* graphic);
  // The picture as a bitmap or icon; a picture of another type is replaced by an
  // empty one of the requested type.
  TBitmap* Bitmap();
  TIcon* Icon();

  int Width() const;
  int Height() const;

  void LoadFromFile(const QString& path);
  void LoadFromStream(const QByteArray& data);
  // Writes the picture in its own format; nothing when there is no picture.
  void SaveToFile(const QString& path) const;
  void SaveToStream(QByteArray& data) const;
  void Assign(const TPicture* source);

  std::function<void(TPicture* sender)> OnChange;

 private:
  void hold(std::unique_ptr<TGraphic> graphic);
  void changed();
  std::unique_ptr<TGraphic> graphic_;
};
