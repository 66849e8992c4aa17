// The alpha mask, the blur kernel and line blur, the border blur and the
// shadow mask of a rounded rectangle.

#include "grid/foundation/styles/ExObjAlphaMask.h"

#include "platform/core/Exceptions.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace {

std::unique_ptr<TBitmap> filledBitmap(int width, int height, QRgb color, TPixelFormat format = pf24bit)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(format);
    bitmap->SetSize(width, height);
    bitmap->image().fill(color);
    return bitmap;
}

QRgb pixelOf(TBitmap& bitmap, int x, int y)
{
    return bitmap.pixels().pixel(x, y);
}

// The raw stored bytes of a mask pixel as blue, green, red, alpha.
std::array<int, 4> storedBytes(TGridAlphaMask& mask, int x, int y)
{
    const uchar* p = mask.pixels().constScanLine(y) + 4 * x;
    return {p[0], p[1], p[2], p[3]};
}

int grey(TBitmap& bitmap, int x, int y)
{
    return qRed(pixelOf(bitmap, x, y));
}

// Blurs every row and then every column: what the border blur must equal on
// the masks it is meant for.
QImage fullBlur(QImage image, double radius)
{
    const TBlurKernel kernel = MakeBlurKernel(radius);
    for (int y = 0; y < image.height(); ++y)
        BlurLine(kernel, reinterpret_cast<QRgb*>(image.scanLine(y)), image.width());
    std::vector<QRgb> column(std::size_t(image.height()));
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y)
            column[std::size_t(y)] = image.pixel(x, y);
        BlurLine(kernel, column.data(), image.height());
        for (int y = 0; y < image.height(); ++y)
            image.setPixel(x, y, column[std::size_t(y)]);
    }
    return image;
}

// ---- TGridAlphaMask ----

TEST(GridAlphaMask, StartsEmptyThirtyTwoBitAndOpaque)
{
    TGridAlphaMask mask;
    EXPECT_EQ(mask.PixelFormat(), pf32bit);
    EXPECT_TRUE(mask.Empty());
    EXPECT_EQ(mask.Opacity(), 255);
}

struct MergeCase {
    QRgb picture;
    int maskRed;
    std::array<int, 4> bgra;
};

TEST(GridAlphaMask, MergeTakesAlphaFromTheMaskRedAndPremultipliesTheColour)
{
    const MergeCase cases[] = {
        {qRgb(255, 255, 255), 128, {128, 128, 128, 128}},
        {qRgb(200, 100, 50), 255, {50, 100, 200, 255}},
        {qRgb(200, 100, 50), 0, {0, 0, 0, 0}},
        {qRgb(255, 0, 51), 51, {10, 0, 51, 51}},     // 51 * 51 / 255 = 10.2
        {qRgb(151, 211, 253), 230, {228, 190, 136, 230}},  // 253 * 230 / 255 = 228.2, 211 -> 190.3, 151 -> 136.2
        {qRgb(1, 3, 5), 127, {2, 1, 0, 127}},        // 0.498 -> 0, 1.494 -> 1, 2.49 -> 2
    };
    for (const MergeCase& c : cases) {
        SCOPED_TRACE(c.maskRed);
        auto picture = filledBitmap(6, 4, c.picture);
        // Only the red channel of the mask counts.
        auto grey = filledBitmap(6, 4, qRgb(c.maskRed, 17, 250));
        TGridAlphaMask mask;
        mask.MergeMask(grey.get(), picture.get(), clRed);
        ASSERT_EQ(mask.Width(), 6);
        ASSERT_EQ(mask.Height(), 4);
        EXPECT_EQ(mask.PixelFormat(), pf32bit);
        EXPECT_EQ(storedBytes(mask, 0, 0), c.bgra);
        EXPECT_EQ(storedBytes(mask, 5, 3), c.bgra);
    }
}

TEST(GridAlphaMask, MergeReadsEachPixelFromItsOwnPlaceAndTakesThePictureSize)
{
    auto picture = filledBitmap(3, 2, qRgb(255, 255, 255));
    auto grey = filledBitmap(8, 5, qRgb(0, 0, 0));  // larger than the picture
    grey->image().setPixel(2, 1, qRgb(100, 0, 0));
    TGridAlphaMask mask;
    mask.MergeMask(grey.get(), picture.get());
    ASSERT_EQ(mask.Width(), 3);
    ASSERT_EQ(mask.Height(), 2);
    EXPECT_EQ(storedBytes(mask, 2, 1), (std::array<int, 4>{100, 100, 100, 100}));
    EXPECT_EQ(storedBytes(mask, 1, 1), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(qAlpha(mask.PremultipliedImage().pixel(2, 1)), 100);
    EXPECT_EQ(mask.PremultipliedImage().format(), QImage::Format_ARGB32_Premultiplied);
}

struct RefusedMerge {
    const char* name;
    TPixelFormat pictureFormat;
    int maskWidth;
    int maskHeight;
};

TEST(GridAlphaMask, MergeLeavesTheMaskUnchangedWhenItCannotMerge)
{
    const RefusedMerge cases[] = {
        {"32-bit picture", pf32bit, 10, 10},
        {"device picture", pfDevice, 10, 10},
        {"mask too narrow", pf24bit, 9, 10},
        {"mask too low", pf24bit, 10, 9},
        {"empty mask", pf24bit, 0, 0},
    };
    for (const RefusedMerge& c : cases) {
        SCOPED_TRACE(c.name);
        auto picture = filledBitmap(10, 10, qRgb(255, 255, 255), c.pictureFormat);
        auto grey = filledBitmap(c.maskWidth, c.maskHeight, qRgb(255, 255, 255));
        TGridAlphaMask mask;
        mask.SetSize(2, 3);
        mask.image().fill(qRgba(1, 2, 3, 4));
        mask.MergeMask(grey.get(), picture.get());
        EXPECT_EQ(mask.Width(), 2);
        EXPECT_EQ(mask.Height(), 3);
        EXPECT_EQ(storedBytes(mask, 1, 2), (std::array<int, 4>{3, 2, 1, 4}));
    }
    TGridAlphaMask mask;
    auto picture = filledBitmap(4, 4, qRgb(255, 255, 255));
    mask.MergeMask(nullptr, picture.get());
    mask.MergeMask(picture.get(), nullptr);
    EXPECT_TRUE(mask.Empty());
}

TEST(GridAlphaMask, AssignFromAnotherMaskTakesItsSizeOpacityAndPixels)
{
    const std::pair<int, int> targetSizes[] = {{0, 0}, {3, 2}, {40, 30}, {12, 9}};
    for (auto [width, height] : targetSizes) {
        SCOPED_TRACE(width);
        auto picture = filledBitmap(12, 9, qRgb(200, 100, 50));
        auto grey = filledBitmap(12, 9, qRgb(128, 0, 0));
        TGridAlphaMask source;
        source.MergeMask(grey.get(), picture.get());
        source.SetOpacity(230);

        TGridAlphaMask target;
        target.SetSize(width, height);
        target.Assign(&source);
        EXPECT_EQ(target.Width(), 12);
        EXPECT_EQ(target.Height(), 9);
        EXPECT_EQ(target.Opacity(), 230);
        EXPECT_EQ(target.PixelFormat(), pf32bit);
        EXPECT_EQ(storedBytes(target, 11, 8), storedBytes(source, 11, 8));
    }
}

TEST(GridAlphaMask, AssignFromAPlainBitmapCopiesItAndStaysThirtyTwoBit)
{
    auto picture = filledBitmap(5, 4, qRgb(10, 20, 30));
    TGridAlphaMask target;
    target.SetOpacity(99);
    target.Assign(picture.get());
    EXPECT_EQ(target.Width(), 5);
    EXPECT_EQ(target.PixelFormat(), pf32bit);
    EXPECT_EQ(target.Opacity(), 99);
    EXPECT_EQ(storedBytes(target, 4, 3), (std::array<int, 4>{30, 20, 10, 255}));

    std::unique_ptr<TGraphic> copy = target.clone();
    auto* copiedMask = dynamic_cast<TGridAlphaMask*>(copy.get());
    ASSERT_NE(copiedMask, nullptr);
    EXPECT_EQ(copiedMask->Opacity(), 99);
}

// ---- Blur kernel and line ----

TEST(BlurKernel, IsNormalisedSymmetricAndTrimmedToWhatMatters)
{
    const double radii[] = {0.5, 1.0, 3.0, 4.0, 10.0, 1e6};
    for (double radius : radii) {
        SCOPED_TRACE(radius);
        const TBlurKernel kernel = MakeBlurKernel(radius);
        ASSERT_GE(kernel.HalfWidth, 1);
        ASSERT_LE(kernel.HalfWidth, TBlurKernel::MaxHalfWidth);
        double sum = 0;
        for (int k = -kernel.HalfWidth; k <= kernel.HalfWidth; ++k) {
            EXPECT_FLOAT_EQ(kernel.Weight(k), kernel.Weight(-k));
            EXPECT_LE(kernel.Weight(std::abs(k)), kernel.Weight(0) + 1e-7f);
            sum += kernel.Weight(k);
        }
        EXPECT_NEAR(sum, 1.0, 1e-5);
    }
    // Radius 3: w(10) and w(9) together stay below half a grey level.
    EXPECT_EQ(MakeBlurKernel(3.0).HalfWidth, 8);
    EXPECT_LT(MakeBlurKernel(1.0).HalfWidth, MakeBlurKernel(4.0).HalfWidth);
    // A flat kernel loses one tap on each side, never all of them.
    EXPECT_EQ(MakeBlurKernel(1e6).HalfWidth, 9);
}

TEST(BlurKernel, ARadiusThatIsNotPositiveChangesNothing)
{
    for (double radius : {0.0, -2.0, std::nan("")}) {
        const TBlurKernel kernel = MakeBlurKernel(radius);
        EXPECT_EQ(kernel.Weight(0), 1.0f);
        std::vector<QRgb> line = {qRgb(0, 0, 0), qRgb(255, 10, 20), qRgb(7, 8, 9)};
        const std::vector<QRgb> before = line;
        BlurLine(kernel, line.data(), int(line.size()));
        EXPECT_EQ(line, before);
    }
}

struct ClampCase {
    const char* name;
    float centreWeight;
    int value;
    int expected;
};

TEST(BlurLine, TruncatesAndHoldsEachChannelInTheByteRange)
{
    const ClampCase cases[] = {
        {"exactly 255", 1.0f, 255, 255}, {"above 255", 2.0f, 200, 255}, {"below 0", -1.0f, 50, 0},
        {"truncated", 0.5f, 255, 127},   {"small", 0.5f, 3, 1},
    };
    for (const ClampCase& c : cases) {
        SCOPED_TRACE(c.name);
        TBlurKernel kernel;
        kernel.HalfWidth = 1;
        kernel.Weights[TBlurKernel::MaxHalfWidth] = c.centreWeight;
        QRgb pixel = qRgb(c.value, c.value, c.value);
        BlurLine(kernel, &pixel, 1);
        EXPECT_EQ(qRed(pixel), c.expected);
        EXPECT_EQ(qGreen(pixel), c.expected);
        EXPECT_EQ(qBlue(pixel), c.expected);
    }
}

TEST(BlurLine, RepeatsTheEndPixelsAndKeepsAFlatLineFlat)
{
    const TBlurKernel kernel = MakeBlurKernel(3.0);
    for (int level : {0, 1, 128, 254, 255}) {
        std::vector<QRgb> line(5, qRgb(level, level, level));
        BlurLine(kernel, line.data(), int(line.size()));
        for (QRgb pixel : line)
            EXPECT_EQ(qRed(pixel), level) << level;
    }
    // A step: every value lies between the two sides and rises left to right.
    std::vector<QRgb> step(30, qRgb(0, 0, 0));
    std::fill(step.begin() + 15, step.end(), qRgb(255, 255, 255));
    BlurLine(kernel, step.data(), int(step.size()));
    EXPECT_EQ(qRed(step.front()), 0);
    EXPECT_EQ(qRed(step.back()), 255);
    for (std::size_t i = 1; i < step.size(); ++i)
        EXPECT_LE(qRed(step[i - 1]), qRed(step[i]));
    EXPECT_GT(qRed(step[14]), 0);
    EXPECT_LT(qRed(step[15]), 255);
}

// ---- GaussianBlur ----

TEST(GaussianBlur, RefusesAnythingButTwentyFourBitBitmaps)
{
    for (TPixelFormat format : {pf32bit, pfDevice, pf8bit}) {
        auto bitmap = filledBitmap(30, 30, qRgb(9, 9, 9), format);
        try {
            GaussianBlur(bitmap.get(), 3.0);
            ADD_FAILURE() << "no error for format " << format;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Blur only works for 24-bit bitmaps"));
        }
    }
}

TEST(GaussianBlur, EqualsABlurOfEveryLineOnTheShadowMasks)
{
    const std::pair<int, int> sizes[] = {{100, 80}, {60, 45}, {43, 43}};
    for (auto [width, height] : sizes) {
        SCOPED_TRACE(width);
        TBitmap mask;
        BuildShadowMask(&mask, width, height, 3, 5, 0);
        const QImage expected = fullBlur(mask.pixels(), 4.0);
        GaussianBlur(&mask, 4.0);
        EXPECT_EQ(mask.pixels(), expected);
        EXPECT_GT(grey(mask, 1, height / 2), 0);  // the blur reached outside the ring
    }
}

TEST(GaussianBlur, SmallBitmapsAreBlurredWithinTheirBoundsAndOnlyOnce)
{
    // Narrower or lower than the two blurred borders together: the borders
    // overlap, and each line is still blurred once. A long side keeps its
    // copied inside, so the picture is uniform along it.
    const std::pair<int, int> sizes[] = {{1, 1}, {5, 3}, {3, 50}, {50, 2}, {20, 20}, {41, 41}, {30, 41}};
    for (auto [width, height] : sizes) {
        SCOPED_TRACE(width * 1000 + height);
        auto bitmap = filledBitmap(width, height, qRgb(0, 0, 0));
        QImage& image = bitmap->image();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((width <= 41 && x == width / 2) || (height <= 41 && y == height / 2))
                    image.setPixel(x, y, qRgb(255, 255, 255));
        const QImage expected = fullBlur(bitmap->pixels(), 2.0);
        GaussianBlur(bitmap.get(), 2.0);
        EXPECT_EQ(bitmap->pixels(), expected);
    }
}

TEST(GaussianBlur, ARadiusThatIsNotPositiveLeavesTheBitmapAlone)
{
    auto bitmap = filledBitmap(60, 60, qRgb(0, 0, 0));
    bitmap->image().setPixel(30, 30, qRgb(255, 255, 255));
    const QImage before = bitmap->pixels();
    GaussianBlur(bitmap.get(), 0);
    GaussianBlur(bitmap.get(), -1);
    EXPECT_EQ(bitmap->pixels(), before);
}

// ---- BuildShadowMask ----

struct ShapePoint {
    int x;
    int y;
    int grey;
};

TEST(ShadowMask, FilledRoundedRectangleInsetByTwo)
{
    TBitmap mask;
    mask.SetPixelFormat(pf32bit);
    BuildShadowMask(&mask, 30, 20, 0, 5, 0);
    ASSERT_EQ(mask.Width(), 30);
    ASSERT_EQ(mask.Height(), 20);
    EXPECT_EQ(mask.PixelFormat(), pf24bit);
    const ShapePoint points[] = {
        {15, 10, 255}, {2, 10, 255}, {27, 10, 255}, {15, 2, 255}, {15, 17, 255},  // edges of the shape
        {1, 10, 0},    {28, 10, 0},  {15, 1, 0},    {15, 18, 0},                  // the 2-pixel margin
        {2, 2, 0},     {27, 17, 0},                                               // rounded corners
    };
    for (const ShapePoint& p : points)
        EXPECT_EQ(grey(mask, p.x, p.y), p.grey) << p.x << "," << p.y;
}

TEST(ShadowMask, APenWidthDrawsARingAndTheBlurSoftensIt)
{
    TBitmap ring;
    BuildShadowMask(&ring, 40, 30, 4, 5, 0);
    // Inset 4: the 4-pixel pen runs on the outline from (4,4) to (36,26).
    const ShapePoint points[] = {
        {20, 15, 0}, {20, 10, 0},             // inside the ring
        {4, 15, 255}, {20, 4, 255}, {35, 15, 255}, {20, 25, 255},  // on it
        {0, 15, 0},  {20, 0, 0},              // outside
    };
    for (const ShapePoint& p : points)
        EXPECT_EQ(grey(ring, p.x, p.y), p.grey) << p.x << "," << p.y;

    TBitmap glow;
    BuildShadowMask(&glow, 40, 30, 4, 5, 3.0);
    const QImage expected = fullBlur(ring.pixels(), 3.0);
    EXPECT_EQ(glow.pixels(), expected);
    EXPECT_GT(grey(glow, 0, 15), 0);
    EXPECT_LT(grey(glow, 4, 15), 255);
}

TEST(ShadowMask, AnEmptySizeGivesAnEmptyMask)
{
    TBitmap mask;
    BuildShadowMask(&mask, 0, 10, 3, 5, 4);
    EXPECT_TRUE(mask.Empty());
    BuildShadowMask(&mask, 10, -3, 3, 5, 4);
    EXPECT_TRUE(mask.Empty());
}

}  // namespace
