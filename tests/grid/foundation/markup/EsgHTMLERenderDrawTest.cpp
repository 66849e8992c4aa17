// What markup draws: colours, rules, bands, marks, rotation and the canvas state
// left behind; and a sheet of samples written to a PNG for a look by eye.

#include "tests/grid/foundation/markup/EsgHTMLERenderFixture.h"

#include "grid/foundation/markup/EsgHTMLESyntax.h"
#include "grid/foundation/pictures/PictureContainer.h"
#include "platform/picture/Bitmap.h"
#include "platform/picture/ImageList.h"

#include <QtCore/QBuffer>
#include <QtCore/QDir>
#include <QtGui/QPainter>

#include <functional>

using namespace esghtmletest;

namespace {

// Pixels close to a colour (text edges are blended with the background).
int countNear(const QImage& image, const QRect& area, QColor colour, int tolerance = 40) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      n += std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
                   std::abs(c.blue() - colour.blue()) <= tolerance
               ? 1
               : 0;
    }
  }
  return n;
}

QColor rgb(TColor c) { return ToQColor(ColorToRGB(c)); }

}  // namespace

class MarkupDrawTest : public MarkupRenderTest {
 protected:
  QImage draw(const QString& text, const std::function<void(MarkupCall&)>& setUp = {}) {
    image.fill(Qt::white);
    MarkupCall call;
    if (setUp) {
      setUp(call);
    }
    call.run(*canvas, text);
    last = call;
    return pixels();
  }
  QRect line(int n = 1) const { return QRect(0, 0, 400, n * gh() + 4); }
  MarkupCall last;
};

TEST_F(MarkupDrawTest, ColoursOfTextAnchorsAndBackgrounds) {
  struct Case {
    const char* name;
    QString text;
    std::function<void(MarkupCall&)> setUp;
    QColor colour;
    bool present;
  };
  const QColor red(255, 0, 0);
  const QColor green(0, 128, 0);
  const QColor blue(0, 0, 255);
  const Case cases[] = {
      {"hexadecimal font colour", "<FONT color=\"#FF0000\">WWW</FONT>", {}, red, true},
      {"fixed colour name in any case", "<FONT color=\"CLGreen\">WWW</FONT>", {}, green, true},
      {"unknown colour name is black", "<FONT color=\"clnothing\">WWW</FONT>", {}, QColor(0, 0, 0), true},
      {"closing FONT returns to the initial colour", "<FONT color=\"#FF0000\"></FONT>WWW", {}, red, false},
      {"anchor in the anchor colour", "<A href=\"u\">WWW</A>", {}, blue, true},
      {"kept colours leave the anchor black", "<A href=\"u\">WWW</A>", [](MarkupCall& c) { c.keepColors = true; },
       blue, false},
      {"hovered anchor in the hover colour", "<A href=\"u\">WWW</A>",
       [](MarkupCall& c) {
         c.hoverOnly = true;
         c.hoverAnchor = 1;
         c.hoverTextColor = 0x0000FF;
       },
       red, true},
      {"hover background behind every anchor", "<A href=\"u\">WWW</A>",
       [](MarkupCall& c) { c.hoverBackColor = 0x00FF00; }, QColor(0, 255, 0), true},
      {"shadow in the shadow colour", "<SH>WWW</SH>", {}, QColor(128, 128, 128), true},
      {"text background of FONT", "<FONT bgcolor=\"#00FF00\">WWW</FONT>", {}, QColor(0, 255, 0), true},
      {"highlight background", "<HI>WWW</HI>", {}, rgb(MarkupHighlightBackColor()), true},
      {"error marking zigzag", "<E>WWW</E>", {}, red, true},
      {"blink phase off draws in the background colour", "<BLINK>WWW</BLINK>",
       [](MarkupCall& c) { c.blinkVisible = false; }, QColor(0, 0, 0), false},
      {"hidden text is not drawn", "<Z>WWW</Z>", {}, QColor(0, 0, 0), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage img = draw(c.text, c.setUp);
    const int n = countNear(img, line(), c.colour, 30);
    if (c.present) {
      EXPECT_GT(n, 3);
    } else {
      EXPECT_EQ(n, 0);
    }
  }
}

TEST_F(MarkupDrawTest, BodyAndParagraphBackgroundsFillTheirAreas) {
  const TRect bounds = Rect(20, 20, 220, 120);
  QImage img = draw("<BODY bgcolor=\"#00FF00\">x", [&](MarkupCall& c) { c.bounds = bounds; });
  EXPECT_EQ(img.pixel(20, 20), qRgb(0, 255, 0));
  EXPECT_EQ(img.pixel(219, 119), qRgb(0, 255, 0));
  EXPECT_EQ(img.pixel(220, 120), qRgb(255, 255, 255));

  img = draw("<P bgcolor=\"#0000FF\">x</P><BR>y", [&](MarkupCall& c) { c.bounds = bounds; });
  EXPECT_EQ(img.pixel(219, 22), qRgb(0, 0, 255));            // the band spans the bounds
  EXPECT_EQ(img.pixel(219, 20 + gh() + 3), qRgb(255, 255, 255));  // and ends with its paragraph
}

TEST_F(MarkupDrawTest, BodyBackgroundPictureIsTiledInsideTheBounds) {
  QImage tile(10, 10, QImage::Format_RGB32);
  tile.fill(Qt::blue);
  tile.setPixel(0, 0, qRgb(255, 0, 0));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  tile.save(&buffer, "PNG");
  TPictureContainer container;
  TPictureItem* item = container.Items()->Add();
  item->SetName("tile");
  item->Picture()->LoadFromStream(bytes);

  const QImage img = draw("<BODY background=\"tile\">", [&](MarkupCall& c) {
    c.container = &container;
    c.bounds = Rect(20, 20, 55, 45);
  });
  EXPECT_EQ(img.pixel(20, 20), qRgb(255, 0, 0));
  EXPECT_EQ(img.pixel(50, 40), qRgb(255, 0, 0));  // the fourth column, third row of tiles
  EXPECT_EQ(img.pixel(54, 44), qRgb(0, 0, 255));
  EXPECT_EQ(img.pixel(55, 44), qRgb(255, 255, 255));
  EXPECT_EQ(img.pixel(54, 45), qRgb(255, 255, 255));
}

TEST_F(MarkupDrawTest, RuleIsDrawnUnderTheLineToTheRightEdge) {
  const QImage img = draw("ab<HR>c", [](MarkupCall& c) { c.bounds = Rect(0, 0, 300, 200); });
  const int row = gh() + 1;
  EXPECT_EQ(countNear(img, QRect(1, row, 299, 1), QColor(0, 0, 0), 0), 299);
  EXPECT_EQ(countNear(img, QRect(300, row, 50, 1), QColor(0, 0, 0), 0), 0);
}

TEST_F(MarkupDrawTest, RotatedTextStandsUpAndAnOpenRotationEndsWithTheText) {
  const QString word = "WWWWWWWW";
  QImage img = draw("<R a=\"90\">" + word + "</R>", [](MarkupCall& c) { c.bounds = Rect(0, 150, 400, 300); });
  QRect box = inkBox(img, img.rect());
  EXPECT_GT(box.height(), box.width());

  // Left open, the rotation neither leaks into the canvas font nor into the next text.
  draw("<R a=\"90\">" + word, [](MarkupCall& c) { c.bounds = Rect(0, 150, 400, 300); });
  EXPECT_EQ(canvas->Font()->Orientation(), 0);
  img = draw(word);
  box = inkBox(img, img.rect());
  EXPECT_GT(box.width(), box.height());
}

TEST_F(MarkupDrawTest, CanvasSettingsAreRestored) {
  canvas->Pen()->SetColor(0x123456);
  canvas->Pen()->SetWidth(3);
  canvas->Brush()->SetColor(0x654321);
  canvas->Font()->SetStyle(fsItalic);
  TFont before;
  before.Assign(*canvas->Font());
  draw("<B><U><FONT face=\"Courier New\" size=\"5\" color=\"#FF0000\" bgcolor=\"#00FF00\">x<E>y<HR>"
       "<P bgcolor=\"#0000FF\"><HI>z<A href=\"u\">a</A><SUB>b<SH>c<R a=\"45\">d");
  EXPECT_EQ(canvas->Pen()->Color(), TColor(0x123456));
  EXPECT_EQ(canvas->Pen()->Width(), 3);
  EXPECT_EQ(canvas->Brush()->Color(), TColor(0x654321));
  EXPECT_EQ(canvas->Brush()->Style(), bsSolid);
  EXPECT_TRUE(canvas->Font()->SameAs(before));
}

TEST_F(MarkupDrawTest, FocusedAnchorGetsItsRectangleAndReference) {
  const QImage img = draw("a <A href=\"one\">x</A> <A href=\"two\">yy</A>",
                          [](MarkupCall& c) { c.focusAnchor = 1; });
  EXPECT_EQ(last.focusAnchorRef, "two");
  // The dotted frame runs along the top of the anchor's text band.
  const int left = 1 + width("a ") + width("x") + width(" ");
  EXPECT_GT(countNear(img, QRect(left, 0, width("yy"), 1), QColor(0, 0, 0), 0) +
                countNear(img, QRect(left, 1, width("yy"), 1), QColor(0, 0, 0), 0),
            0);
}

// Renders a sheet of samples to esghtmle-samples.png in SCREENSHOT_DIR, or in the
// test's folder, for a look by eye; the checks only make sure every sample drew.
TEST_F(MarkupDrawTest, SampleSheet) {
  auto list = std::make_unique<TImageList>(16, 16);
  for (QColor colour : {QColor(Qt::darkGreen), QColor(Qt::darkRed)}) {
    QImage pic(16, 16, QImage::Format_RGB32);
    pic.fill(colour);
    QPainter(&pic).fillRect(4, 4, 8, 8, Qt::yellow);
    TBitmap bmp;
    bmp.setImage(pic);
    list->Add(&bmp);
  }
  const QString samples[] = {
      "<B>Bold</B>, <I>italic</I>, <U>underlined</U>, <S>struck</S> and <FONT color=\"clred\">red</FONT> "
      "<FONT face=\"Courier New\" size=\"4\" color=\"#0000FF\">Courier 14</FONT> H<SUB>2</SUB>O x<SUP>2</SUP>",
      "<P align=\"center\">Centred with a <A href=\"http://x\">link</A> and a <HI>highlight</HI></P>"
      "<P align=\"right\"><SH>Shadowed</SH> right <E>mispelt</E></P>",
      "<UL><LI>first item<LI>second item<UL><LI>nested</UL></UL>",
      "<IMG src=\"idx:0\"> picture <IMG src=\"idx:1\" align=\"middle\"> middle &amp; &lt;tag&gt; &euro; <HR>after rule",
      "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"16\"> check "
      "<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"TRUE\" WIDTH=\"16\"> radio "
      "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"text\" WIDTH=\"60\"> "
      "<CONTROL TYPE=\"COMBO\" ID=\"o\" VALUE=\"item\" WIDTH=\"70\"> "
      "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Press\" WIDTH=\"60\">",
      "<P bgcolor=\"#FFFFC0\">A banded paragraph that is long enough to wrap onto a second line here</P>"
      "<R a=\"20\">tilted</R> and <FONT bgcolor=\"#C0FFC0\">marked</FONT>",
  };
  QImage sheet(420, 6 * 80, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  {
    TCanvas c(&sheet);
    c.Font()->Assign(*canvas->Font());
    int top = 0;
    for (const QString& sample : samples) {
      c.Pen()->SetColor(0xC0C0C0);
      c.Brush()->SetStyle(bsClear);
      c.Rectangle(2, top + 2, 418, top + 78);
      MarkupCall call;
      call.images = list.get();
      call.bounds = Rect(4, top + 4, 416, top + 76);
      call.run(c, sample);
      EXPECT_GT(call.textWidth, 50);
      top += 80;
    }
  }
  QString dir = qEnvironmentVariable("SCREENSHOT_DIR");
  if (dir.isEmpty()) {
    dir = testsupport::TestFolder();
  }
  const QString path = QDir(dir).filePath("esghtmle-samples.png");
  EXPECT_TRUE(sheet.save(path));
  for (int i = 0; i < 6; ++i) {
    EXPECT_FALSE(inkBox(sheet, QRect(5, i * 80 + 5, 410, 70)).isEmpty()) << i;
  }
}
