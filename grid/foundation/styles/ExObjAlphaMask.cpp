#include "grid/foundation/styles/ExObjAlphaMask.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Rows and columns this far from an edge are blurred; the inside copies the
// line kBlurSample, which lies deep enough in the blurred border to be final.
constexpr int kBlurBorder = 20;
constexpr int kBlurSample = 15;

// Half a grey level of the 0..255 range: tails lighter than this are cut off.
constexpr float kNegligibleTail = 1.0f / 510.0f;

quint8 premultiplied(int channel, int alpha)
{
    return quint8((channel * alpha + 127) / 255);
}

// The single-precision weights sum to 1 only within their rounding, so a flat
// area would lose one level to the truncation without this slack.
constexpr double kWeightRoundingSlack = 1e-3;

quint8 clampChannel(double sum)
{
    return quint8(std::clamp(int(std::trunc(sum + kWeightRoundingSlack)), 0, 255));
}

bool isBorderLine(int index, int count)
{
    return index <= kBlurBorder || index >= count - kBlurBorder;
}

void blurRows(const TBlurKernel& kernel, QImage& image)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (isBorderLine(y, image.height()))
            BlurLine(kernel, line, width);
        else
            std::copy_n(reinterpret_cast<const QRgb*>(image.constScanLine(kBlurSample)), width, line);
    }
}

void blurColumns(const TBlurKernel& kernel, QImage& image)
{
    const int width = image.width();
    const int height = image.height();
    std::vector<QRgb> column(static_cast<std::size_t>(height));
    for (int x = 0; x < width; ++x) {
        if (isBorderLine(x, width)) {
            for (int y = 0; y < height; ++y)
                column[std::size_t(y)] = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
            BlurLine(kernel, column.data(), height);
            for (int y = 0; y < height; ++y)
                reinterpret_cast<QRgb*>(image.scanLine(y))[x] = column[std::size_t(y)];
        } else {
            for (int y = 0; y < height; ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                line[x] = line[kBlurSample];
            }
        }
    }
}

}  // namespace

TGridAlphaMask::TGridAlphaMask()
{
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor /*Color*/)
{
    if (!Mask || !Bitmap || Bitmap->PixelFormat() != pf24bit)
        return;
    const int width = Bitmap->Width();
    const int height = Bitmap->Height();
    if (Mask->Width() < width || Mask->Height() < height)
        return;
    const QImage picture = Bitmap->pixels();
    const QImage grey = Mask->pixels();
    QImage merged(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* mask = reinterpret_cast<const QRgb*>(grey.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(merged.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int alpha = qRed(mask[x]);
            target[x] = qRgba(premultiplied(qRed(source[x]), alpha), premultiplied(qGreen(source[x]), alpha),
                              premultiplied(qBlue(source[x]), alpha), alpha);
        }
    }
    // An ARGB32 image keeps the bytes as given, so the premultiplied values
    // stay exactly as computed.
    setImage(merged);
}

void TGridAlphaMask::Assign(const TGraphic* Source)
{
    if (Source == this)
        return;
    if (const auto* mask = dynamic_cast<const TGridAlphaMask*>(Source)) {
        m_opacity = mask->m_opacity;
        setImage(mask->pixels().convertToFormat(QImage::Format_ARGB32));
    } else {
        TBitmap::Assign(Source);
    }
    SetPixelFormat(pf32bit);
}

std::unique_ptr<TGraphic> TGridAlphaMask::clone() const
{
    auto copy = std::make_unique<TGridAlphaMask>();
    copy->Assign(this);
    return copy;
}

QImage TGridAlphaMask::PremultipliedImage() const
{
    const QImage stored = pixels();
    if (stored.isNull())
        return {};
    QImage view(stored.constBits(), stored.width(), stored.height(), stored.bytesPerLine(),
                QImage::Format_ARGB32_Premultiplied);
    return view.copy();
}

TBlurKernel MakeBlurKernel(double Radius)
{
    TBlurKernel kernel;
    constexpr int maxHalf = TBlurKernel::MaxHalfWidth;
    auto weight = [&kernel](int offset) -> float& { return kernel.Weights[std::size_t(offset + maxHalf)]; };
    if (!(Radius > 0) || !std::isfinite(Radius)) {
        weight(0) = 1.0f;
        kernel.HalfWidth = 1;
        return kernel;
    }
    float sum = 0;
    for (int j = -maxHalf; j <= maxHalf; ++j) {
        const double scaled = j / Radius;
        weight(j) = float(std::exp(-scaled * scaled / 2));
        sum += weight(j);
    }
    for (float& w : kernel.Weights)
        w /= sum;

    int half = maxHalf;
    float trimmed = 0;
    while (trimmed < kNegligibleTail && half > 1) {
        trimmed += 2 * weight(half);
        --half;
    }
    kernel.HalfWidth = half;

    float kept = 0;
    for (int j = -half; j <= half; ++j)
        kept += weight(j);
    for (int j = -maxHalf; j <= maxHalf; ++j)
        weight(j) = std::abs(j) <= half ? weight(j) / kept : 0.0f;
    return kernel;
}

void BlurLine(const TBlurKernel& Kernel, QRgb* Line, int Count)
{
    if (!Line || Count <= 0)
        return;
    const int half = std::clamp(Kernel.HalfWidth, 0, TBlurKernel::MaxHalfWidth);
    std::vector<QRgb> scratch(static_cast<std::size_t>(Count));
    for (int x = 0; x < Count; ++x) {
        double red = 0, green = 0, blue = 0;
        for (int k = -half; k <= half; ++k) {
            const QRgb pixel = Line[std::clamp(x - k, 0, Count - 1)];
            const double w = Kernel.Weight(k);
            red += w * qRed(pixel);
            green += w * qGreen(pixel);
            blue += w * qBlue(pixel);
        }
        scratch[std::size_t(x)] = qRgba(clampChannel(red), clampChannel(green), clampChannel(blue), qAlpha(Line[x]));
    }
    std::copy(scratch.begin(), scratch.end(), Line);
}

void GaussianBlur(TBitmap* Bitmap, double Radius)
{
    if (!Bitmap)
        return;
    if (Bitmap->PixelFormat() != pf24bit)
        throw Exception(QStringLiteral("Blur only works for 24-bit bitmaps"));
    if (!(Radius > 0) || !std::isfinite(Radius) || Bitmap->Empty())
        return;
    const TBlurKernel kernel = MakeBlurKernel(Radius);
    QImage& image = Bitmap->image();
    image.bits();  // one private copy before lines are read and written in place
    blurRows(kernel, image);
    blurColumns(kernel, image);
}

void BuildShadowMask(TBitmap* Bitmap, int Width, int Height, int PenWidth, int CornerSize, double BlurRadius)
{
    if (!Bitmap)
        return;
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(Width, Height);
    if (Bitmap->Empty())
        return;
    Bitmap->image().fill(Qt::black);

    TCanvas* canvas = Bitmap->Canvas();
    const int inset = PenWidth / 2 + 2;
    canvas->Pen()->SetColor(clWhite);
    if (PenWidth < 1) {
        canvas->Pen()->SetWidth(1);
        canvas->Brush()->SetColor(clWhite);
    } else {
        canvas->Pen()->SetWidth(PenWidth);
        canvas->Brush()->SetColor(clBlack);
    }
    canvas->RoundRect(inset, inset, Width - inset, Height - inset, CornerSize, CornerSize);
    canvas->Release();

    if (BlurRadius > 0)
        GaussianBlur(Bitmap, BlurRadius);
}
