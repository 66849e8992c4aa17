#include "grid/foundation/pictures/PictureContainer.h"

#include "platform/core/Exceptions.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Palette of the test GIF files: red, green, blue, white.
const QRgb kPalette[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};

struct GifFrame {
    int left, top, width, height;
    int colorIndex;
    int delay;              // hundredths of a second
    bool controlled = true; // preceded by a graphic control extension
};

void appendWord(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Image data of one colour: 3-bit codes, a clear code before every two pixels
// so that the code size never grows.
QByteArray lzwOneColour(int pixels, int colorIndex)
{
    std::vector<int> codes;
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            codes.push_back(4);
        codes.push_back(colorIndex);
    }
    codes.push_back(5);
    QByteArray packed;
    unsigned bits = 0;
    int bitCount = 0;
    for (int code : codes) {
        bits |= unsigned(code) << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            packed.append(char(bits & 0xFF));
            bits >>= 8;
            bitCount -= 8;
        }
    }
    if (bitCount > 0)
        packed.append(char(bits & 0xFF));
    QByteArray out;
    out.append(char(2)); // minimum code size
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    return out;
}

QByteArray buildGif(int screenWidth, int screenHeight, const std::vector<GifFrame>& frames)
{
    QByteArray out("GIF89a");
    appendWord(out, screenWidth);
    appendWord(out, screenHeight);
    out.append(char(0xF1)); // global colour table of 4 entries
    out.append(char(0));
    out.append(char(0));
    for (QRgb c : kPalette) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19));
    for (const GifFrame& f : frames) {
        if (f.controlled) {
            out.append(QByteArray("\x21\xF9\x04\x04", 4)); // disposal: keep
            appendWord(out, f.delay);
            out.append(char(0));
            out.append(char(0));
        }
        out.append(char(0x2C));
        appendWord(out, f.left);
        appendWord(out, f.top);
        appendWord(out, f.width);
        appendWord(out, f.height);
        out.append(char(0));
        out.append(lzwOneColour(f.width * f.height, f.colorIndex));
    }
    out.append(char(0x3B));
    return out;
}

// An 8 x 6 animation: a red full frame, then a green 3 x 2 and a blue 2 x 2 patch.
QByteArray threeFrameGif()
{
    return buildGif(8, 6, {{0, 0, 8, 6, 0, 10}, {2, 1, 3, 2, 1, 20}, {4, 3, 2, 2, 2, 5}});
}

QRgb pixelOf(const THTMLPicture& picture, int x, int y)
{
    return picture.toImage().pixel(x, y) | 0xFF000000u;
}

TEST(PictureFrames, ThreeFrameGifGivesEachFrameWithItsPlaceAndSize)
{
    THTMLPicture picture;
    picture.LoadFromStream(threeFrameGif());
    ASSERT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.MaxWidth(), 8);
    EXPECT_EQ(picture.MaxHeight(), 6);

    int frameChanges = 0;
    picture.OnFrameChange = [&](TObject* sender) {
        EXPECT_EQ(sender, static_cast<TObject*>(&picture));
        ++frameChanges;
    };
    struct Case {
        int frame, x, y, width, height;
        QRgb colour;
    };
    const Case cases[] = {
        {2, 2, 1, 3, 2, kPalette[1]},
        {3, 4, 3, 2, 2, kPalette[2]},
        {1, 0, 0, 8, 6, kPalette[0]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame);
        picture.SetFrame(c.frame);
        EXPECT_EQ(picture.Frame(), c.frame);
        EXPECT_EQ(picture.FrameXPos(), c.x);
        EXPECT_EQ(picture.FrameYPos(), c.y);
        EXPECT_EQ(picture.Width(), c.width);
        EXPECT_EQ(picture.Height(), c.height);
        EXPECT_EQ(picture.MaxWidth(), 8);
        EXPECT_EQ(picture.MaxHeight(), 6);
        EXPECT_EQ(pixelOf(picture, 0, 0), c.colour);
        EXPECT_EQ(pixelOf(picture, c.width - 1, c.height - 1), c.colour);
    }
    EXPECT_EQ(frameChanges, 3);
}

TEST(PictureFrames, FrameTimesAreTheDelaysOfTheFrames)
{
    THTMLPicture picture;
    picture.LoadFromStream(threeFrameGif());
    const int expected[] = {-1, 10, 20, 5, -1};
    for (int n = 0; n <= 4; ++n)
        EXPECT_EQ(picture.GetFrameTime(n), expected[n]) << "frame " << n;

    THTMLPicture empty;
    EXPECT_EQ(empty.GetFrameTime(1), -1);
}

TEST(PictureFrames, FrameNextAndPrevWrapRoundTheFrames)
{
    THTMLPicture picture;
    picture.LoadFromStream(threeFrameGif());
    const int nextFrames[] = {2, 3, 1, 2};
    for (int expected : nextFrames) {
        picture.FrameNext();
        EXPECT_EQ(picture.Frame(), expected);
    }
    const int prevFrames[] = {1, 3, 2, 1, 3};
    for (int expected : prevFrames) {
        picture.FramePrev();
        EXPECT_EQ(picture.Frame(), expected);
    }
}

TEST(PictureFrames, StepAdvancesWhenTheFrameDelayHasPassed)
{
    THTMLPicture picture;
    picture.LoadFromStream(threeFrameGif());
    // Delays 10, 20, 5 hundredths; a tick is 10 hundredths and the first tick
    // counts as time -10.
    struct Tick {
        bool advanced;
        int frame;
    };
    const Tick ticks[] = {{false, 1}, {false, 1}, {true, 2}, {false, 2}, {true, 3},
                          {true, 1},  {true, 2},  {false, 2}, {true, 3}, {true, 1}};
    int n = 0;
    for (const Tick& t : ticks) {
        SCOPED_TRACE(n++);
        EXPECT_EQ(picture.Step(), t.advanced);
        EXPECT_EQ(picture.Frame(), t.frame);
    }
    EXPECT_EQ(picture.FrameXPos(), 0);
    EXPECT_EQ(picture.Width(), 8);
}

TEST(PictureFrames, GifsWithoutAnimationNeverStep)
{
    struct Case {
        const char* name;
        std::vector<GifFrame> frames;
        int frameCount;
    };
    const Case cases[] = {
        {"no control extension", {{0, 0, 4, 3, 2, 0, false}}, 0},
        {"one control extension", {{0, 0, 4, 3, 2, 7}}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        THTMLPicture picture;
        picture.LoadFromStream(buildGif(4, 3, c.frames));
        EXPECT_EQ(picture.FrameCount(), c.frameCount);
        EXPECT_EQ(picture.Width(), 4);
        EXPECT_EQ(picture.Height(), 3);
        EXPECT_EQ(pixelOf(picture, 3, 2), kPalette[2]);
        for (int i = 0; i < 5; ++i)
            EXPECT_FALSE(picture.Step());
        EXPECT_EQ(picture.Frame(), 1);
    }
}

TEST(PictureFrames, ReloadCountsTheFramesOfTheNewData)
{
    THTMLPicture picture;
    picture.LoadFromStream(threeFrameGif());
    ASSERT_EQ(picture.FrameCount(), 3);
    picture.LoadFromStream(buildGif(4, 3, {{0, 0, 4, 3, 1, 7}}));
    EXPECT_EQ(picture.FrameCount(), 1);
    EXPECT_FALSE(picture.Step());
    EXPECT_EQ(picture.MaxWidth(), 4);
}

// A frame whose image descriptor is cut off by the end of the data: its place
// is never read from beyond the data, and decoding it fails cleanly.
TEST(PictureFrames, TruncatedLastFrameRaisesAndKeepsTheCurrentFrame)
{
    const QByteArray whole = threeFrameGif();
    const qsizetype lastExtension = whole.lastIndexOf(QByteArray("\x21\xF9\x04", 3));
    ASSERT_GT(lastExtension, 0);
    for (qsizetype cut = 10; cut <= 16; ++cut) {
        SCOPED_TRACE(cut);
        THTMLPicture picture;
        picture.LoadFromStream(whole.left(lastExtension + cut));
        ASSERT_EQ(picture.FrameCount(), 3);
        picture.SetFrame(2);
        try {
            picture.SetFrame(3);
            FAIL() << "a cut-off frame decoded";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Could not load image. Invalid format"));
        }
        EXPECT_EQ(picture.Frame(), 2);
        EXPECT_EQ(picture.FrameXPos(), 2);
        EXPECT_EQ(picture.Width(), 3);
    }
}

TEST(PictureFrames, UndecodableFrameLeavesStepOnTheCurrentFrame)
{
    const QByteArray whole = threeFrameGif();
    const qsizetype lastExtension = whole.lastIndexOf(QByteArray("\x21\xF9\x04", 3));
    THTMLPicture picture;
    picture.LoadFromStream(whole.left(lastExtension + 12));
    picture.SetFrame(2);
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(picture.Step());
    EXPECT_EQ(picture.Frame(), 2);
    EXPECT_EQ(picture.Width(), 3);
}

TEST(PictureCacheAnimation, AnimateReportsWhenAnyPictureAdvanced)
{
    THTMLPictureCache cache;
    THTMLPicture* still = cache.AddPicture();
    still->LoadFromStream(buildGif(4, 3, {{0, 0, 4, 3, 1, 7}}));
    THTMLPicture* moving = cache.AddPicture();
    moving->LoadFromStream(threeFrameGif());
    const bool expected[] = {false, false, true, false, true};
    for (bool e : expected)
        EXPECT_EQ(cache.Animate(), e);
    EXPECT_EQ(moving->Frame(), 3);
    EXPECT_EQ(still->Frame(), 1);

    TPictureContainer container;
    container.Items()->Add()->Picture()->LoadFromStream(threeFrameGif());
    for (bool e : expected)
        EXPECT_EQ(container.Items()->Animate(), e);
}

} // namespace
