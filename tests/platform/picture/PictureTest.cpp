#include "platform/picture/Bitmap.h"
#include "platform/picture/GIFImage.h"
#include "platform/picture/Icon.h"
#include "platform/picture/ImageList.h"
#include "platform/picture/JPEGImage.h"
#include "platform/picture/Picture.h"
#include "platform/picture/PngImage.h"
#include "platform/ui/paint/Canvas.h"

#include "tests/support/TempExeFolder.h"

#include <QtCore/QBuffer>
#include <QtGui/QImage>

#include <gtest/gtest.h>

#include <jerror.h>

namespace {

// A 2 by 2 GIF: red, green / transparent, blue.
const QByteArray kSmallGif(
    "GIF89a\x02\x00\x02\x00\x81\x00\x00"
    "\xff\x00\x00\x00\xff\x00\x00\x00\x00\x00\x00\xff"
    "\x21\xf9\x04\x01\x00\x00\x02\x00"
    "\x2c\x00\x00\x00\x00\x02\x00\x02\x00\x00"
    "\x02\x03\x44\x34\x05\x00\x3b",
    47);

QImage twoColourImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(200, 30, 30));
  for (int y = 0; y < height; ++y) {
    for (int x = width / 2; x < width; ++x) {
      image.setPixelColor(x, y, QColor(20, 40, 220));
    }
  }
  return image;
}

QByteArray encoded(const QImage& image, const char* format) {
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format)) << format;
  return data;
}

QByteArray jpegFile(int width = 32, int height = 16) {
  TBitmap bitmap;
  bitmap.setImage(twoColourImage(width, height));
  TJPEGImage jpeg;
  jpeg.Assign(&bitmap);
  QByteArray data;
  jpeg.SaveToStream(data);
  return data;
}

bool near(TColor a, TColor b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TColor pixelOf(const TGraphic& graphic, int x, int y) {
  return FromQColor(graphic.toImage().pixelColor(x, y));
}

TEST(Jpeg, RoundTripKeepsSizeAndColours) {
  const QByteArray data = jpegFile();
  ASSERT_TRUE(data.startsWith("\xFF\xD8\xFF"));
  TJPEGImage jpeg;
  jpeg.LoadFromStream(data);
  EXPECT_EQ(jpeg.Width(), 32);
  EXPECT_EQ(jpeg.Height(), 16);
  EXPECT_TRUE(near(pixelOf(jpeg, 4, 8), RGB(200, 30, 30), 12));
  EXPECT_TRUE(near(pixelOf(jpeg, 28, 8), RGB(20, 40, 220), 12));
  QByteArray saved;
  jpeg.SaveToStream(saved);
  EXPECT_EQ(saved, data);  // unchanged pictures are written back as read
}

TEST(Jpeg, QualityAndGrayscaleApplyWhenCompressed) {
  TJPEGImage jpeg;
  jpeg.LoadFromStream(jpegFile(64, 64));
  jpeg.SetCompressionQuality(10);
  jpeg.Compress();
  QByteArray low;
  jpeg.SaveToStream(low);
  jpeg.SetCompressionQuality(100);
  jpeg.Compress();
  QByteArray high;
  jpeg.SaveToStream(high);
  EXPECT_LT(low.size(), high.size());

  jpeg.SetGrayscale(true);
  const TColor gray = pixelOf(jpeg, 4, 4);
  EXPECT_EQ(GetRValue(gray), GetGValue(gray));
  EXPECT_EQ(GetGValue(gray), GetBValue(gray));
}

TEST(Jpeg, BrokenFilesGiveTheLibraryMessageNumber) {
  const QByteArray good = jpegFile();
  struct Case {
    const char* name;
    QByteArray data;
    int code;
  };
  const Case cases[] = {
      {"not a JPEG", QByteArray("this is no picture at all"), JERR_NO_SOI},
      {"empty", QByteArray(), JERR_INPUT_EMPTY},
      {"headers cut off", good.left(40), JERR_NO_IMAGE},
  };
  for (const Case& c : cases) {
    TJPEGImage jpeg;
    jpeg.LoadFromStream(good);
    try {
      jpeg.LoadFromStream(c.data);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const EJPEG& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("JPEG error #%1").arg(c.code)) << c.name;
    }
    EXPECT_EQ(jpeg.Width(), 32) << c.name << ": the old picture is kept";
  }
}

// A small JPEG file whose frame header declares another size.
QByteArray jpegDeclaring(int width, int height) {
  QByteArray data = jpegFile(16, 16);
  const qsizetype frame = data.indexOf("\xFF\xC0");
  EXPECT_GT(frame, 0);
  data[frame + 5] = char(height >> 8);
  data[frame + 6] = char(height & 0xFF);
  data[frame + 7] = char(width >> 8);
  data[frame + 8] = char(width & 0xFF);
  return data;
}

// A few hundred bytes can declare a picture of hundreds of megabytes; the
// header is judged by the same limit as other pictures before any decoding.
TEST(Jpeg, HeaderDeclaringAPictureBeyondTheLimitIsRefusedBeforeDecoding) {
  struct Case {
    int width;
    int height;
    bool refused;
  };
  const Case cases[] = {
      {2048, 2048, false},
      {2049, 2048, true},
      {8000, 8000, true},
      {65000, 1, false},
      {65000, 65000, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    const QByteArray data = jpegDeclaring(c.width, c.height);
    ASSERT_LT(data.size(), 1000);
    TJPEGImage jpeg;
    jpeg.LoadFromStream(jpegFile());
    if (!c.refused) {
      jpeg.LoadFromStream(data);
      EXPECT_EQ(jpeg.Width(), c.width);
      EXPECT_EQ(jpeg.Height(), c.height);
      continue;
    }
    try {
      jpeg.LoadFromStream(data);
      ADD_FAILURE() << "no error";
    } catch (const EJPEG& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("JPEG error #%1").arg(JERR_IMAGE_TOO_BIG));
    }
    EXPECT_EQ(jpeg.Width(), 32) << "the old picture is kept";
    TPicture picture;
    EXPECT_THROW(picture.LoadFromStream(data), EInvalidGraphic);
  }
}

TEST(Jpeg, DataCutInsideThePixelsStillGivesThePicture) {
  const QByteArray good = jpegFile(64, 64);
  const qsizetype scanStart = good.indexOf("\xFF\xDA");
  ASSERT_GT(scanStart, 0);
  TJPEGImage jpeg;
  jpeg.LoadFromStream(good.left(scanStart + 40));
  EXPECT_EQ(jpeg.Width(), 64);
  EXPECT_EQ(jpeg.Height(), 64);
  EXPECT_TRUE(near(pixelOf(jpeg, 4, 4), RGB(200, 30, 30), 12));
}

TEST(Jpeg, GarbageAfterTheStartMarkerNeverCrashes) {
  const QByteArray good = jpegFile(64, 64);
  for (int cut = 2; cut < good.size(); cut += 37) {
    QByteArray damaged = good;
    for (int i = cut; i < std::min<int>(cut + 16, int(damaged.size())); ++i) {
      damaged[i] = char(0xA5 ^ i);
    }
    TJPEGImage jpeg;
    try {
      jpeg.LoadFromStream(damaged);
    } catch (const EJPEG& e) {
      EXPECT_TRUE(e.Message().startsWith(QStringLiteral("JPEG error #"))) << cut;
    }
  }
}

TEST(Picture, FormatIsTakenFromTheContent) {
  const QImage image = twoColourImage(8, 4);
  QImage icon = image.convertToFormat(QImage::Format_ARGB32).scaled(16, 16);
  struct Case {
    const char* name;
    QByteArray data;
    platform::PictureFormat format;
    int width;
    int height;
  };
  const Case cases[] = {
      {"bmp", encoded(image, "BMP"), platform::PictureFormat::Bitmap, 8, 4},
      {"png", encoded(image, "PNG"), platform::PictureFormat::Png, 8, 4},
      {"ico", encoded(icon, "ICO"), platform::PictureFormat::Icon, 16, 16},
      {"gif", kSmallGif, platform::PictureFormat::Gif, 2, 2},
      {"jpeg", jpegFile(), platform::PictureFormat::Jpeg, 32, 16},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::detectPictureFormat(c.data), c.format) << c.name;
    TPicture picture;
    picture.LoadFromStream(c.data);
    ASSERT_NE(picture.Graphic(), nullptr) << c.name;
    EXPECT_EQ(picture.Width(), c.width) << c.name;
    EXPECT_EQ(picture.Height(), c.height) << c.name;
    const TGraphic* g = picture.Graphic();
    switch (c.format) {
      case platform::PictureFormat::Bitmap: EXPECT_NE(dynamic_cast<const TBitmap*>(g), nullptr); break;
      case platform::PictureFormat::Png: EXPECT_NE(dynamic_cast<const TPngImage*>(g), nullptr); break;
      case platform::PictureFormat::Icon: EXPECT_NE(dynamic_cast<const TIcon*>(g), nullptr); break;
      case platform::PictureFormat::Gif: EXPECT_NE(dynamic_cast<const TGIFImage*>(g), nullptr); break;
      case platform::PictureFormat::Jpeg: EXPECT_NE(dynamic_cast<const TJPEGImage*>(g), nullptr); break;
      case platform::PictureFormat::Unknown: break;
    }
  }
}

TEST(Picture, UnreadableDataThrowsAndKeepsThePicture) {
  TPicture picture;
  picture.LoadFromStream(encoded(twoColourImage(8, 4), "PNG"));
  int changes = 0;
  picture.OnChange = [&](TPicture*) { ++changes; };
  EXPECT_THROW(picture.LoadFromStream(QByteArray("plain text")), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromStream(QByteArray("BM this is no bitmap")), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromStream(QByteArray("\x89PNG\r\n\x1a\n broken")), EInvalidGraphic);
  EXPECT_EQ(picture.Width(), 8);
  EXPECT_EQ(changes, 0);
  EXPECT_THROW(picture.LoadFromFile(testsupport::TestFolder() + "/missing.png"), EFOpenError);
}

TEST(Picture, AFewBytesDeclaringAHugePictureAreRefused) {
  // A bitmap header of 6000 x 3000 pixels at 24 bits followed by no pixels.
  QByteArray bmp("BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18);
  const auto le32 = [&bmp](quint32 v) {
    for (int i = 0; i < 4; ++i) bmp.append(char((v >> (8 * i)) & 0xFF));
  };
  le32(6000);
  le32(3000);
  bmp.append("\x01\0\x18\0", 4);
  bmp.append(QByteArray(24, '\0'));
  TPicture picture;
  EXPECT_THROW(picture.LoadFromStream(bmp), EInvalidGraphic);

  TBitmap bitmap;
  EXPECT_THROW(bitmap.LoadFromStream(bmp), EInvalidGraphic);
  EXPECT_TRUE(bitmap.Empty());
}

// Reading any of these whole would block (a pipe), never end (a device) or
// take gigabytes; each is refused as a file that cannot be read, unread.
TEST(Picture, OnlyRegularFilesWithinTheLimitAreRead) {
  const QByteArray png = encoded(twoColourImage(8, 4), "PNG");
  const qint64 limit = qint64(platform::kPictureAllocationLimitMB) * 1024 * 1024;
  // Bytes after a PNG file's end are ignored by its reader, so a padded file
  // holds a good picture: only its size can refuse it.
  const QString withinLimit = testsupport::WriteLargeTestFile("within.png", png, limit);
  const QString paths[] = {
      testsupport::MakeTestPipe("pipe.png"),
      "/dev/zero",
      testsupport::WriteLargeTestFile("over.png", png, limit + 1),
      testsupport::WriteLargeTestFile("gigabytes.png", png, qint64(8) << 30),
  };
  TPicture picture;
  picture.LoadFromFile(withinLimit);
  ASSERT_EQ(picture.Width(), 8);
  for (const QString& path : paths) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_THROW(picture.LoadFromFile(path), EFOpenError);
    EXPECT_EQ(picture.Width(), 8);
    TPngImage graphic;
    EXPECT_THROW(graphic.LoadFromFile(path), EFOpenError);
  }
}

TEST(Picture, SavesInTheFormatItHolds) {
  const QString path = testsupport::TestFolder() + "/picture.jpg";
  TPicture picture;
  picture.LoadFromStream(jpegFile());
  picture.SaveToFile(path);
  TPicture again;
  again.LoadFromFile(path);
  EXPECT_NE(dynamic_cast<const TJPEGImage*>(again.Graphic()), nullptr);

  picture.LoadFromStream(kSmallGif);
  QByteArray saved;
  picture.SaveToStream(saved);
  EXPECT_EQ(saved, kSmallGif);

  TPicture copy;
  copy.Assign(&picture);
  EXPECT_NE(copy.Graphic(), picture.Graphic());
  EXPECT_EQ(copy.Width(), 2);
}

TEST(Picture, AskingForABitmapReplacesAnotherType) {
  TPicture picture;
  picture.LoadFromStream(kSmallGif);
  TBitmap* bitmap = picture.Bitmap();
  EXPECT_EQ(picture.Graphic(), bitmap);
  EXPECT_TRUE(bitmap->Empty());
  EXPECT_EQ(picture.Bitmap(), bitmap);
}

class DrawTest : public ::testing::Test {
 protected:
  DrawTest() : target(12, 8, QImage::Format_RGB32), canvas(&target) { target.fill(Qt::white); }

  TColor at(int x, int y) { return canvas.Pixels(x, y); }

  // A 3 by 2 bitmap: fuchsia left column (bottom-left too), red middle, blue right.
  static void paintSample(TBitmap& bitmap) {
    bitmap.SetSize(3, 2);
    TCanvas* c = bitmap.Canvas();
    c->Pen()->SetStyle(psClear);
    const TColor colours[] = {clFuchsia, clRed, clBlue};
    for (int x = 0; x < 3; ++x) {
      c->Brush()->SetColor(colours[x]);
      c->FillRect(Rect(x, 0, x + 1, 2));
    }
  }

  QImage target;
  TCanvas canvas;
};

TEST_F(DrawTest, OpaqueBitmapDrawsEveryPixel) {
  TBitmap bitmap;
  paintSample(bitmap);
  canvas.Draw(1, 1, &bitmap);
  EXPECT_EQ(at(1, 1), clFuchsia);
  EXPECT_EQ(at(2, 2), clRed);
  EXPECT_EQ(at(3, 1), clBlue);
  EXPECT_EQ(at(4, 1), clWhite);
}

TEST_F(DrawTest, TransparentBitmapLeavesOutTheKeyColour) {
  TBitmap bitmap;
  paintSample(bitmap);
  bitmap.SetTransparent(true);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);  // bottom-left pixel
  canvas.Draw(1, 1, &bitmap);
  EXPECT_EQ(at(1, 1), clWhite);
  EXPECT_EQ(at(2, 1), clRed);

  bitmap.SetTransparentColor(clRed);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  canvas.Draw(6, 1, &bitmap);
  EXPECT_EQ(at(6, 1), clFuchsia);
  EXPECT_EQ(at(7, 1), clWhite);
  EXPECT_EQ(at(8, 1), clBlue);
}

TEST_F(DrawTest, StretchDrawScalesWithoutBlending) {
  TBitmap bitmap;
  paintSample(bitmap);
  canvas.StretchDraw(Rect(0, 0, 12, 8), &bitmap);
  EXPECT_EQ(at(3, 7), clFuchsia);
  EXPECT_EQ(at(4, 0), clRed);
  EXPECT_EQ(at(7, 7), clRed);
  EXPECT_EQ(at(8, 3), clBlue);
}

TEST_F(DrawTest, GifTransparencyShowsWhatIsBehind) {
  TGIFImage gif;
  gif.LoadFromStream(kSmallGif);
  target.fill(Qt::yellow);
  canvas.Draw(0, 0, &gif);
  EXPECT_EQ(at(0, 0), clRed);
  EXPECT_EQ(at(1, 0), clLime);
  EXPECT_EQ(at(0, 1), clYellow);
  EXPECT_EQ(at(1, 1), clBlue);
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndAddsWhite) {
  TBitmap bitmap(4, 4);
  bitmap.Canvas()->Brush()->SetColor(clRed);
  bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
  bitmap.SetSize(6, 2);
  EXPECT_EQ(pixelOf(bitmap, 3, 1), clRed);
  EXPECT_EQ(pixelOf(bitmap, 4, 0), clWhite);
  bitmap.Canvas()->Brush()->SetColor(clBlue);
  bitmap.Canvas()->FillRect(Rect(5, 1, 6, 2));
  EXPECT_EQ(pixelOf(bitmap, 5, 1), clBlue);
  EXPECT_EQ(bitmap.Canvas()->ClipRect(), Rect(0, 0, 6, 2));
}

TEST(Bitmap, PixelFormatAndBmpRoundTrip) {
  TBitmap bitmap(5, 3);
  EXPECT_EQ(bitmap.image().format(), QImage::Format_RGB32);
  bitmap.SetPixelFormat(pf32bit);
  EXPECT_TRUE(bitmap.image().hasAlphaChannel());
  bitmap.SetPixelFormat(pf24bit);
  bitmap.Canvas()->SetPixels(4, 2, clTeal);
  QByteArray data;
  bitmap.SaveToStream(data);
  EXPECT_TRUE(data.startsWith("BM"));
  TBitmap loaded;
  loaded.LoadFromStream(data);
  EXPECT_EQ(loaded.Width(), 5);
  EXPECT_EQ(pixelOf(loaded, 4, 2), clTeal);
  EXPECT_THROW(loaded.LoadFromStream(encoded(twoColourImage(2, 2), "PNG")), EInvalidGraphic);
  EXPECT_EQ(loaded.Width(), 5);
}

TEST(ImageList, StripsAreCutIntoPicturesAndDrawnWithTheirMask) {
  TBitmap strip(8, 4);
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect(Rect(0, 0, 4, 4));
  strip.Canvas()->Brush()->SetColor(clBlue);
  strip.Canvas()->FillRect(Rect(4, 0, 8, 4));
  strip.Canvas()->SetPixels(5, 1, clWhite);

  TImageList list(4, 4);
  EXPECT_EQ(list.AddMasked(&strip, clWhite), 0);
  EXPECT_EQ(list.Count(), 2);

  QImage target(10, 10, QImage::Format_RGB32);
  target.fill(Qt::green);
  TCanvas canvas(&target);
  list.Draw(&canvas, 2, 2, 1);
  list.Draw(&canvas, 0, 0, 7);  // out of range: nothing
  EXPECT_EQ(canvas.Pixels(2, 2), clBlue);
  EXPECT_EQ(canvas.Pixels(3, 3), clLime);
  EXPECT_EQ(canvas.Pixels(0, 0), clLime);

  TBitmap mask(4, 4);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 4, 2));
  TBitmap single(4, 4);
  single.Canvas()->Brush()->SetColor(clNavy);
  single.Canvas()->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(list.Add(&single, &mask), 2);
  list.Draw(&canvas, 6, 6, 2);
  EXPECT_EQ(canvas.Pixels(6, 6), clNavy);
  EXPECT_EQ(canvas.Pixels(6, 9), clLime);

  TBitmap copy;
  list.GetBitmap(2, &copy);
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_EQ(pixelOf(copy, 0, 3), clWhite);

  list.SetWidth(8);
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
