#include "grid/foundation/styles/ExUtilPaintLayered.h"

#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

namespace {

TEST(LayeredWindow, AttributesSetTheConstantOpacityAndThenRefuseUpdates) {
  QWidget window;
  EXPECT_TRUE(CallSetLayeredWindowAttributes(&window, clNone, 128, LWA_ALPHA));
  EXPECT_NEAR(window.windowOpacity(), 128 / 255.0, 0.01);
  const TBlendFunction blend{};  // constant opacity 255
  const TSize size{10, 10};
  EXPECT_FALSE(CallUpdateLayeredWindow(&window, nullptr, nullptr, &size, nullptr, nullptr, clNone, &blend,
                                       ULW_ALPHA));
  EXPECT_NEAR(window.windowOpacity(), 128 / 255.0, 0.01);
  EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, clNone, 10, LWA_ALPHA));
}

TEST(LayeredWindow, UpdatePlacesTheWindowAndShowsThePicture) {
  QWidget window;
  QImage picture(30, 20, QImage::Format_RGB32);
  picture.fill(Qt::white);
  TCanvas source(&picture);
  source.Brush()->SetColor(clRed);
  source.FillRect(Rect(5, 5, 15, 10));
  const TPoint position{40, 50}, from{5, 5};
  const TSize size{10, 5};
  TBlendFunction blend;
  blend.SourceConstantAlpha = 51;
  EXPECT_TRUE(CallUpdateLayeredWindow(&window, nullptr, &position, &size, &source, &from, clNone, &blend,
                                      ULW_ALPHA));
  EXPECT_EQ(window.pos(), QPoint(40, 50));
  EXPECT_EQ(window.size(), QSize(10, 5));
  EXPECT_NEAR(window.windowOpacity(), 0.2, 0.01);
  const QImage shown = window.palette().brush(QPalette::Window).textureImage();
  ASSERT_EQ(shown.size(), QSize(10, 5));
  EXPECT_EQ(FromQColor(shown.pixelColor(0, 0)), clRed);
  EXPECT_EQ(FromQColor(shown.pixelColor(9, 4)), clRed);
  EXPECT_FALSE(CallUpdateLayeredWindow(nullptr, nullptr, &position, &size, &source, &from, clNone, &blend, 0));
}

}  // namespace
