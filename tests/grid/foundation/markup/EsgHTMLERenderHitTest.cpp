// What lies under a point: anchors on text, anchored pictures and form controls,
// in the three modes.

#include "tests/grid/foundation/markup/EsgHTMLERenderFixture.h"

#include "grid/foundation/pictures/PictureContainer.h"
#include "platform/picture/Bitmap.h"
#include "platform/picture/ImageList.h"

#include <QtCore/QBuffer>
#include <QtCore/QDir>

using namespace esghtmletest;

namespace {

// A list of 16 x 16 pictures, one per colour.
std::unique_ptr<TImageList> colourList(std::initializer_list<QColor> colours) {
  auto list = std::make_unique<TImageList>(16, 16);
  for (const QColor& colour : colours) {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(colour);
    TBitmap bmp;
    bmp.setImage(img);
    list->Add(&bmp);
  }
  return list;
}

QByteArray pngBytes(int w, int h, QColor colour) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, "PNG");
  return bytes;
}

}  // namespace

class MarkupHitTest : public MarkupRenderTest {
 protected:
  const QString anchors = "go <A href=\"one\" title=\"First\">first</A> and <A href=\"two\">second</A>";
  int lineMiddle() const { return gh() / 2; }
};

TEST_F(MarkupHitTest, AnchorsOnTextAreFoundInHitTestMode) {
  struct Case {
    const char* name;
    int x;
    int y;
    bool hit;
    QString href;
    QString title;
    int index;
    int left;  // of the anchor rectangle
    int right;
  };
  const int firstLeft = 1 + width("go ");
  const int firstRight = firstLeft + width("first");
  const int secondLeft = firstRight + width(" ") + width("and ");
  const int secondRight = secondLeft + width("second");
  const Case cases[] = {
      {"on the first anchor", firstLeft + 3, lineMiddle(), true, "one", "First", 1, firstLeft, firstRight},
      {"on the second anchor", secondLeft + 3, lineMiddle(), true, "two", "", 2, secondLeft, secondRight},
      {"on plain text", 3, lineMiddle(), false, "(none)", "", -1, -9, -9},
      {"between the anchors", secondLeft - width("and ") + 2, lineMiddle(), false, "(none)", "", -1, -9, -9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MarkupCall call;
    call.mode = Mode::HitTest;
    call.pointX = c.x;
    call.pointY = c.y;
    EXPECT_EQ(call.run(*canvas, anchors), c.hit);
    EXPECT_EQ(call.hitAnchor, c.href);
    EXPECT_EQ(call.hitAnchorTitle, c.title);
    EXPECT_EQ(call.hitAnchorIndex, c.index);
    EXPECT_EQ(call.hitAnchorRect.Left, c.left);
    EXPECT_EQ(call.hitAnchorRect.Right, c.right);
    EXPECT_EQ(call.anchorCount, 2);
  }
}

TEST_F(MarkupHitTest, TextAnchorsReportTrueOnlyInHitTestMode) {
  const int x = 1 + width("go ") + 3;
  for (Mode mode : {Mode::Draw, Mode::Measure, Mode::HitTest}) {
    SCOPED_TRACE(int(mode));
    MarkupCall call;
    call.mode = mode;
    call.pointX = x;
    call.pointY = lineMiddle();
    EXPECT_EQ(call.run(*canvas, anchors), mode == Mode::HitTest);
  }
  // Below the line nothing is hit, even inside the anchor's columns.
  MarkupCall below;
  below.mode = Mode::HitTest;
  below.pointX = x;
  below.pointY = gh() + 5;
  EXPECT_FALSE(below.run(*canvas, anchors));
}

TEST_F(MarkupHitTest, AnchorWithoutHrefIsNotReported) {
  MarkupCall call;
  call.mode = Mode::HitTest;
  call.pointX = 4;
  call.pointY = lineMiddle();
  EXPECT_FALSE(call.run(*canvas, "<A title=\"t\">text</A>"));
  EXPECT_EQ(call.hitAnchor, "(none)");
  EXPECT_EQ(call.anchorCount, 1);
}

TEST_F(MarkupHitTest, FormControlsTakeTheirRoomAndAreFoundUnderThePoint) {
  const QString text =
      "a<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"16\">"
      "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"hello\" WIDTH=\"60\">"
      "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"false\" WIDTH=\"16\">"
      "<CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"40\">";
  const int a = 1 + width("a");
  struct Case {
    const char* name;
    Mode mode;
    int x;
    QString id;  // input, then expected
    bool hit;
    QString expectedId;
    QString value;
    QString type;
    TRect rect;
  };
  const Case cases[] = {
      {"check box in draw mode", Mode::Draw, a + 8, "", true, "c1", "TRUE", "CHECK", Rect(a, 0, a + 16, 16)},
      {"edit box in hit test", Mode::HitTest, a + 16 + 30, "", true, "e1", "hello", "EDIT",
       Rect(a + 16, 0, a + 16 + 60, gh() + 10)},
      {"radio drawn normal but hit", Mode::Draw, a + 76 + 8, "", true, "r1", "false", "RADIO",
       Rect(a + 76, 0, a + 92, 16)},
      {"button", Mode::HitTest, a + 92 + 20, "", true, "b1", "Go", "BUTTON", Rect(a + 92, 0, a + 132, 25)},
      {"named control wherever the point is", Mode::HitTest, 300, "e1", true, "e1", "hello", "EDIT",
       Rect(a + 16, 0, a + 16 + 60, gh() + 10)},
      {"nothing under the point", Mode::HitTest, 300, "", false, "", "", "", TRect{}},
      {"measure mode reports nothing", Mode::Measure, a + 8, "", false, "", "", "", TRect{}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MarkupCall call;
    call.mode = c.mode;
    call.pointX = c.x;
    call.pointY = 8;
    call.controlID = c.id;
    EXPECT_EQ(call.run(*canvas, text), c.hit);
    EXPECT_EQ(call.controlID, c.expectedId);
    EXPECT_EQ(call.controlValue, c.value);
    EXPECT_EQ(call.controlType, c.type);
    EXPECT_EQ(call.controlRect, c.rect);
    EXPECT_EQ(call.hitAnchor, c.expectedId.isEmpty() ? "(none)" : "ctrl");
    EXPECT_EQ(call.textWidth, width("a") + 16 + 60 + 16 + 40);
  }
}

TEST_F(MarkupHitTest, ControlWithoutWidthIsIgnored) {
  MarkupCall call;
  call.mode = Mode::Measure;
  call.run(*canvas, "a<CONTROL TYPE=\"EDIT\" ID=\"x\">b");
  EXPECT_EQ(call.textWidth, width("a") + width("b"));
  EXPECT_EQ(call.textHeight, gh());
}

TEST_F(MarkupHitTest, PicturesFromTheImageListContainerAndCache) {
  auto list = colourList({Qt::green, Qt::red});
  TPictureContainer container;
  TPictureItem* item = container.Items()->Add();
  item->SetName("Photo");
  item->Picture()->LoadFromStream(pngBytes(64, 48, Qt::blue));
  const QString file = QDir(testsupport::TestFolder()).filePath("pic.png");
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(pngBytes(20, 10, Qt::yellow));
  }
  THTMLPictureCache cache;

  struct Case {
    const char* name;
    QString text;
    int width;
    int height;
  };
  const Case cases[] = {
      {"image list index 1", "<IMG src=\"idx:1\">", 16, std::max(gh(), 16)},
      {"image list index past its count", "<IMG src=\"idx:2\">", 0, gh()},
      {"container picture by name in any case", "<IMG src=\"photo\">", 64, 48},
      {"only WIDTH keeps the proportions", "<IMG src=\"photo\" width=\"32\">", 32, std::max(gh(), 24)},
      {"WIDTH and HEIGHT", "<IMG src=\"photo\" width=\"10\" height=\"30\">", 10, 30},
      {"unknown name", "<IMG src=\"nothing\">", 0, gh()},
      {"file location", "<IMG src=\"file://" + file + "\">", 20, std::max(gh(), 10)},
      {"web location is never drawn", "<IMG src=\"http://example.com/a.png\">", 0, gh()},
      {"numbered desktop icon does not exist here", "<IMG src=\"ssys:3\">", 0, gh()},
      {"desktop icon of a file does not exist here", "<IMG src=\"lsys:/tmp\">", 0, gh()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MarkupCall call;
    call.images = list.get();
    call.container = &container;
    call.cache = &cache;
    call.run(*canvas, c.text);
    EXPECT_EQ(call.textWidth, c.width);
    EXPECT_EQ(call.textHeight, c.height);
  }
  // Located pictures were added to the cache once each, by their location.
  EXPECT_EQ(cache.Count(), 2);
  EXPECT_NE(cache.FindPicture("http://example.com/a.png"), nullptr);
}

// Cell text may name any file as a picture: a pipe must not stop the window,
// a device must not be read until memory runs out. Neither takes room.
TEST_F(MarkupHitTest, PictureLocationOfAPipeOrDeviceDrawsNothingAndReturns) {
  const QString pipe = testsupport::MakeTestPipe("pipe.png");
  for (const QString& path : {pipe, QStringLiteral("/dev/zero")}) {
    SCOPED_TRACE(path.toStdString());
    THTMLPictureCache cache;
    for (const Mode mode : {Mode::Measure, Mode::Draw}) {
      MarkupCall call;
      call.mode = mode;
      call.cache = &cache;
      call.run(*canvas, "a<IMG src=\"file://" + path + "\">b");
      EXPECT_EQ(call.textWidth, width("a") + width("b"));
      EXPECT_EQ(call.textHeight, gh());
    }
    ASSERT_EQ(cache.Count(), 1);
    EXPECT_TRUE(cache.GetPicture(0)->Empty());
  }
}

TEST_F(MarkupHitTest, AnchoredPictureIsHitInDrawModeAndShowsItsHoverPicture) {
  auto list = colourList({Qt::green, Qt::red});
  const QString text = "<A href=\"pic\" title=\"P\"><IMG src=\"idx:0\" alt=\"idx:1\"></A>";
  MarkupCall call;
  call.images = list.get();
  call.pointX = 9;
  call.pointY = 8;
  EXPECT_TRUE(call.run(*canvas, text));
  EXPECT_EQ(call.hitAnchor, "pic");
  EXPECT_EQ(call.hitAnchorTitle, "P");
  const QImage img = pixels();
  EXPECT_EQ(img.pixel(8, 8), qRgb(255, 0, 0));  // the ALT picture under the pointer

  MarkupCall away;
  away.images = list.get();
  away.pointX = 100;
  away.pointY = 100;
  image.fill(Qt::white);
  EXPECT_FALSE(away.run(*canvas, text));
  EXPECT_EQ(pixels().pixel(8, 8), qRgb(0, 255, 0));
}

TEST_F(MarkupHitTest, MiddleAlignedPictureNextToLargerTextStillFindsTheAnchor) {
  auto list = colourList({Qt::green});
  // The font grows past the picture's height before the picture comes, so the
  // room to centre in is negative: the text must not be lifted off its line.
  const QString text = "<FONT size=\"20\"><IMG src=\"idx:0\" align=\"middle\"><A href=\"u\">x</A>";
  MarkupCall call;
  call.mode = Mode::HitTest;
  call.images = list.get();
  call.pointX = 1 + 16 + 3;
  call.pointY = 3;
  EXPECT_TRUE(call.run(*canvas, text));
  EXPECT_EQ(call.hitAnchor, "u");
}

TEST_F(MarkupHitTest, ScaledImageListPicturesKeepTheirLayoutSize) {
  auto list = colourList({Qt::red});
  for (double scale : {1.0, 2.0, 1.5}) {
    SCOPED_TRACE(scale);
    image.fill(Qt::white);
    MarkupCall call;
    call.images = list.get();
    call.scaleImages = true;
    call.imageScale = scale;
    call.run(*canvas, "<IMG src=\"idx:0\">");
    EXPECT_EQ(call.textWidth, 16);
    const int side = int(std::lrint(16 * scale));
    EXPECT_EQ(inkBox(pixels(), QRect(0, 0, 100, 100)), QRect(1, 0, side, side));
  }
}
