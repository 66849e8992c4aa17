// Layout of markup texts: sizes, line breaking, plain text and alignment,
// checked against the metrics of the fixed test font.

#include "tests/grid/foundation/markup/EsgHTMLERenderFixture.h"

#include <functional>

using namespace esghtmletest;

class MarkupSizeTest : public MarkupRenderTest {
 public:
  int W(const QString& s, TFontStyles st = {}, int size = 0) const { return width(s, st, size); }
  int GH(int size = 0) const { return gh(size); }
};

TEST_F(MarkupSizeTest, MeasuresTextRunsTagsAndEntities) {
  struct Case {
    const char* name;
    QString text;
    int width;  // -1: not checked
    int height;
    QString plain;
    int anchors;
  };
  const Case cases[] = {
      {"empty text", "", 0, GH(), "", 0},
      {"plain word", "ab", W("ab"), GH(), "ab", 0},
      {"break tag", "a<BR>bb", W("bb"), 2 * GH(), "a\rbb", 0},
      {"carriage return and line feed", "a\r\nbb", W("bb"), 2 * GH(), "a\rbb", 0},
      {"lone line feed", "a\nbb", W("abb"), GH(), "abb", 0},
      {"escaped brackets draw no bold", "x &lt;b&gt; y", W("x ") + W("<b> ") + W("y"), GH(), "x <b> y", 0},
      {"bold run", "<B>ab</B>", W("ab", fsBold), GH(), "ab", 0},
      {"lower-case tags", "<b>ab</b>", W("ab", fsBold), GH(), "ab", 0},
      {"unknown tag BIG ignored", "<BIG>ab</BIG>", W("ab"), GH(), "ab", 0},
      {"hidden text takes no room", "a<Z>bbb</Z>c", W("a") + W("c"), GH(), "abbbc", 0},
      // Unknown entities stay as written; the drawing's "&" prefix rule then
      // hides a bare ampersand, and a doubled one shows once.
      {"unknown entity kept", "&eacute;", W("eacute;"), GH(), "&eacute;", 0},
      {"bare ampersand hidden", "a&b", W("ab"), GH(), "a&b", 0},
      {"ampersand entity shown once", "a&amp;b", W("a&b"), GH(), "a&&b", 0},
      {"anchors counted", "<A href=\"u\">l</A> <A>m</A>", W("l") + W(" ") + W("m"), GH(), "l m", 2},
      {"font size 3 is 12 points", "<FONT size=\"3\">ab</FONT>", W("ab", {}, 12), GH(12), "ab", 0},
      {"font size 20 is 20 points", "<FONT size=\"20\">ab</FONT>", W("ab", {}, 20), GH(20), "ab", 0},
      {"subscript room below the line", "a<SUB>b</SUB>", W("a") + W("b"), GH() + GH() / 4, "ab", 0},
      {"two list items give two lines", "<UL><LI>a<LI>b</UL>", -1, 3 * GH(), "ab", 0},
      {"list opening ends the line", "a<UL>b", -1, 2 * GH(), "ab", 0},
      {"rule ends the line", "a<HR>b", -1, 2 * GH(), "ab", 0},
      {"text ending in a bracket and a letter", "ab<x", W("ab"), GH(), "ab", 0},
      {"unclosed tag drops the rest", "ab<B cd", W("ab"), GH(), "ab", 0},
      {"indent tag moves to an offset", "a<IN x=\"100\">b", 100 + W("b"), GH(), "ab", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (Mode mode : {Mode::Measure, Mode::Draw}) {
      MarkupCall call;
      call.mode = mode;
      EXPECT_FALSE(call.run(*canvas, c.text));
      if (c.width >= 0) {
        EXPECT_EQ(call.textWidth, c.width);
      }
      EXPECT_EQ(call.textHeight, c.height);
      EXPECT_EQ(call.plainText, c.plain);
      EXPECT_EQ(call.anchorCount, c.anchors);
      EXPECT_EQ(call.hitAnchorIndex, -1);
    }
  }
}

TEST_F(MarkupSizeTest, WordWrapBreaksAtBlanksAndKeepsNonBreakingSpaces) {
  struct Case {
    const char* name;
    QString text;
    int boundsWidth;  // in units of the width of "aaa "
    int lines;
  };
  const int unit = W("aaa ");
  const Case cases[] = {
      {"fits on one line", "aaa bbb", 3, 1},
      {"third word wraps", "aaa bbb ccc", 2, 2},
      {"every word on its own line", "aaa bbb ccc", 1, 3},
      {"non-breaking spaces join words", "aaa&nbsp;bbb&nbsp;ccc", 1, 1},
      {"wide word stands alone", "a wwwwwwwwwwwwwwwwwwww b", 2, 3},
      {"word split by a tag stays whole", "aaa b<B>bb</B>b", 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MarkupCall call;
    call.mode = Mode::Measure;
    call.bounds = Rect(0, 0, 1 + c.boundsWidth * unit + 2, 300);
    call.run(*canvas, c.text);
    EXPECT_EQ(call.textHeight, c.lines * GH());
  }
}

TEST_F(MarkupSizeTest, WithoutWordWrapAnOverflowingSecondRunEndsTheText) {
  MarkupCall call;
  call.wordWrap = false;
  call.bounds = Rect(0, 0, W("aaa ") + W("bb"), 300);
  call.run(*canvas, "aaa <B>bbbbbbbbbbbb</B><BR>more");
  EXPECT_EQ(call.textHeight, GH());
  EXPECT_EQ(call.plainText, "aaa bbbbbbbbbbbb");

  // A single overflowing run is kept whole.
  MarkupCall one;
  one.wordWrap = false;
  one.bounds = Rect(0, 0, W("aa"), 300);
  one.run(*canvas, "aaaaaaaa<BR>b");
  EXPECT_EQ(one.textHeight, 2 * GH());
}

TEST_F(MarkupSizeTest, DrawingStopsBelowTheBoundsMeasuringCountsAllLines) {
  const QString text = "a<BR>b<BR>c<BR>d";
  MarkupCall draw;
  draw.bounds = Rect(0, 0, 200, 2 * GH());
  draw.run(*canvas, text);
  EXPECT_EQ(draw.textHeight, 2 * GH());
  // The plain text is collected once, in the measuring pass.
  EXPECT_EQ(draw.plainText, "a\rb\r");

  MarkupCall measure = draw;
  measure.mode = Mode::Measure;
  measure.run(*canvas, text);
  EXPECT_EQ(measure.textHeight, 4 * GH());
  EXPECT_EQ(measure.plainText, "a\rb\rc\rd");
}

// Where an anchor ends up is what the hit test reports, so the anchor rectangle
// shows where each line was placed.
TEST_F(MarkupSizeTest, ParagraphAlignmentAndIndentPlaceTheLines) {
  struct Case {
    const char* name;
    QString text;
    std::function<int(int left, int right, int w)> expectedLeft;
  };
  const TRect bounds = Rect(10, 0, 310, 200);
  const Case cases[] = {
      {"left", "<A href=\"u\">word</A>", [](int l, int, int) { return l + 1; }},
      {"right", "<P align=\"right\"><A href=\"u\">word</A>", [](int, int r, int w) { return r - w; }},
      {"centre", "<P align=\"center\"><A href=\"u\">word</A>",
       [](int l, int r, int w) { return l + 1 + (r - (l + 1) - w) / 2; }},
      {"centre stays after the closing P", "<P align=\"center\">x</P><A href=\"u\">word</A>",
       [](int l, int r, int w) { return l + 1 + (r - (l + 1) - w) / 2; }},
      {"indent", "<P indent=\"30\"><A href=\"u\">word</A>", [](int l, int, int) { return l + 1 + 30; }},
      {"last alignment word wins", "<P align=\"right center\"><A href=\"u\">word</A>",
       [](int l, int r, int w) { return l + 1 + (r - (l + 1) - w) / 2; }},
  };
  const int w = W("word");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MarkupCall probe;
    probe.mode = Mode::Measure;
    probe.bounds = bounds;
    probe.run(*canvas, c.text);
    const int lastTop = probe.textHeight - GH();
    const int left = c.expectedLeft(bounds.Left, bounds.Right, w);

    MarkupCall call;
    call.mode = Mode::HitTest;
    call.bounds = bounds;
    call.pointX = left + w / 2;
    call.pointY = lastTop + GH() / 2;
    EXPECT_TRUE(call.run(*canvas, c.text));
    EXPECT_EQ(call.hitAnchorRect, Rect(left, lastTop, left + w, lastTop + GH()));
  }
}

