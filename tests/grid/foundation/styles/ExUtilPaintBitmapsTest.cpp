#include "grid/foundation/styles/ComboBoxX.h"
#include "grid/foundation/styles/ExUtilPaintBitmaps.h"

#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

constexpr TColor kBackground = RGB(1, 2, 3);

TEST(BitmapResources, EveryNamedPictureHasItsSizeAndAKeyCorner) {
  const struct {
    const char* name;
    int width, height;
  } cases[] = {{"ESGLEAFCLOSE", 9, 9},  {"ESGLEAFOPEN", 9, 9},   {"XPNODEC", 9, 9},      {"XPNODEO", 9, 9},
               {"CBX_BMP_EDIT", 13, 11}, {"CBX_BMP_NEW", 13, 11}, {"CBX_BMP_NEW_D", 13, 11},
               {"CBX_BMP_DEL", 13, 11},  {"CBX_BMP_DEL_D", 13, 11}, {"CBX_BMP_UP", 13, 11},
               {"CBX_BMP_DOWN", 13, 11}, {"CBX_BMP_PINS", 52, 11}, {"METROCHECKON", 16, 16},
               {"METROCHECKOFF", 16, 16}, {"METRORADIOON", 16, 16}, {"METRORADIOOFF", 16, 16}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage image = LoadBitmapResource(QString::fromLatin1(c.name));
    EXPECT_EQ(image.size(), QSize(c.width, c.height));
    EXPECT_EQ(FromQColor(image.pixelColor(0, 0)), clFuchsia);
    // Every picture shows something besides its key colour.
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) drawn += FromQColor(image.pixelColor(x, y)) != clFuchsia;
    EXPECT_GT(drawn, 8);
  }
  // Open and closed tree buttons differ by the plus's upright stroke.
  EXPECT_NE(LoadBitmapResource(QStringLiteral("ESGLEAFCLOSE")), LoadBitmapResource(QStringLiteral("ESGLEAFOPEN")));
  EXPECT_NE(LoadBitmapResource(QStringLiteral("CBX_BMP_UP")), LoadBitmapResource(QStringLiteral("CBX_BMP_DOWN")));
}

TEST(BitmapResources, NamesMatchWithoutRegardToCase) {
  EXPECT_EQ(LoadBitmapResource(QStringLiteral("metrocheckon")), LoadBitmapResource(QStringLiteral("METROCHECKON")));
  EXPECT_EQ(LoadBitmapResource(QStringLiteral("EsgFilt")), LoadBitmapResource(QStringLiteral("ESGFILT")));
  EXPECT_NE(LoadBitmapResource(QStringLiteral("metroradioon")), LoadBitmapResource(QStringLiteral("metroradiooff")));
}

TEST(BitmapResources, UnknownNameIsAResourceError) {
  try {
    LoadBitmapResource(QStringLiteral("NO_SUCH_BMP"));
    FAIL() << "no error";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Resource NO_SUCH_BMP not found"));
  }
  QImage image(20, 20, QImage::Format_RGB32);
  TCanvas canvas(&image);
  EXPECT_THROW(DrawResourceBitmapTransparent(&canvas, clWhite, Rect(0, 0, 20, 20), QStringLiteral("")),
               EResNotFound);
}

class TransparentTest : public ::testing::Test {
 protected:
  TransparentTest() : image(40, 30, QImage::Format_RGB32), canvas(&image) { image.fill(ToQColor(kBackground)); }
  TColor at(int x, int y) const { return canvas.Pixels(x, y); }
  QImage image;
  TCanvas canvas;
};

TEST_F(TransparentTest, TopLeftColourBecomesTheBackgroundAtTheBitmapsOwnSize) {
  TBitmap bitmap(4, 3);
  QImage& pixels = bitmap.image();
  pixels.fill(ToQColor(clLime));
  pixels.setPixelColor(1, 1, ToQColor(clRed));
  pixels.setPixelColor(3, 2, ToQColor(clBlue));
  // The rectangle's size is not used: the picture keeps its 4 by 3 pixels.
  DrawBitmapTransparent(&canvas, &bitmap, clYellow, Rect(10, 5, 30, 25));
  EXPECT_EQ(at(10, 5), clYellow);
  EXPECT_EQ(at(11, 6), clRed);
  EXPECT_EQ(at(13, 7), clBlue);
  EXPECT_EQ(at(12, 7), clYellow);
  EXPECT_EQ(at(14, 5), kBackground);
  EXPECT_EQ(at(10, 8), kBackground);
}

TEST_F(TransparentTest, ResourceBitmapKeepsItsPictureOverTheBackground) {
  DrawResourceBitmapTransparent(&canvas, clYellow, Rect(3, 4, 40, 30), QStringLiteral("ESGLEAFCLOSE"));
  EXPECT_EQ(at(3, 4), clYellow);     // key corner
  EXPECT_EQ(at(4, 4), clGray);       // frame
  EXPECT_EQ(at(7, 8), clBlack);      // centre of the plus
  EXPECT_EQ(at(4, 5), clWhite);
  EXPECT_EQ(at(12, 4), kBackground);
}

TEST(ComboBoxXBitmaps, EightPicturesInResourceOrder) {
  const auto& bitmaps = ComboBoxXBitmaps();
  const auto& names = ComboBoxXBitmapNames();
  ASSERT_EQ(bitmaps.size(), 8u);
  EXPECT_EQ(names.front(), QStringLiteral("CBX_BMP_EDIT"));
  EXPECT_EQ(names.back(), QStringLiteral("CBX_BMP_PINS"));
  for (std::size_t i = 0; i < bitmaps.size(); ++i) {
    ASSERT_NE(bitmaps[i], nullptr);
    EXPECT_EQ(bitmaps[i]->pixels(), LoadBitmapResource(names[i]).convertToFormat(bitmaps[i]->pixels().format()))
        << i;
  }
  EXPECT_EQ(bitmaps[7]->Width(), 52);
  EXPECT_EQ(&ComboBoxXBitmaps(), &bitmaps);  // made once
}

}  // namespace
