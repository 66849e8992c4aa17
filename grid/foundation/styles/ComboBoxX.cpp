#include "grid/foundation/styles/ComboBoxX.h"

#include "grid/foundation/styles/ExUtilPaintBitmaps.h"
#include "platform/picture/Bitmap.h"

#include <memory>

namespace {

struct LoadedBitmaps {
  LoadedBitmaps() {
    for (int i = 0; i < ComboBoxXBitmapCount; ++i) {
      owned[std::size_t(i)] = std::make_unique<TBitmap>();
      LoadBitmapResource(owned[std::size_t(i)].get(), ComboBoxXBitmapNames()[std::size_t(i)]);
      view[std::size_t(i)] = owned[std::size_t(i)].get();
    }
  }
  std::array<std::unique_ptr<TBitmap>, ComboBoxXBitmapCount> owned;
  std::array<TBitmap*, ComboBoxXBitmapCount> view{};
};

}  // namespace

const std::array<QString, ComboBoxXBitmapCount>& ComboBoxXBitmapNames() {
  static const std::array<QString, ComboBoxXBitmapCount> names = {
      QStringLiteral("CBX_BMP_EDIT"), QStringLiteral("CBX_BMP_NEW"),  QStringLiteral("CBX_BMP_NEW_D"),
      QStringLiteral("CBX_BMP_DEL"),  QStringLiteral("CBX_BMP_DEL_D"), QStringLiteral("CBX_BMP_UP"),
      QStringLiteral("CBX_BMP_DOWN"), QStringLiteral("CBX_BMP_PINS")};
  return names;
}

const std::array<TBitmap*, ComboBoxXBitmapCount>& ComboBoxXBitmaps() {
  static const LoadedBitmaps bitmaps;
  return bitmaps.view;
}
