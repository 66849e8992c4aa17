#pragma once

// Bitmaps with which the grid draws soft glows and shadows outside its cells:
// a 32-bit premultiplied-alpha bitmap built from a colour picture and a grey
// mask, the grey mask of a rounded rectangle and the blur that softens it.

#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Colors.h"

#include <QtCore/QtGlobal>
#include <QtGui/QRgb>

#include <array>
#include <memory>

class QImage;

// A 32-bit bitmap whose pixels are blue, green, red and alpha, the colour
// channels premultiplied by alpha, drawn with a constant Opacity on top.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();

    quint8 Opacity() const { return m_opacity; }
    void SetOpacity(quint8 Value) { m_opacity = Value; }

    // Fills this bitmap from a 24-bit Bitmap: its size, each pixel's alpha from
    // the red channel of the Mask pixel at the same place and each colour
    // channel premultiplied by that alpha. Nothing happens when Bitmap is not
    // 24-bit or the Mask does not cover it. Color is not used.
    void MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor Color = clNone);

    // From another alpha mask: its Opacity and its pixels, taking its size
    // first. From any other picture: the plain bitmap copy. The result is
    // always 32-bit.
    void Assign(const TGraphic* Source) override;
    std::unique_ptr<TGraphic> clone() const override;

    // The pixels as a premultiplied image, for showing on a translucent window.
    QImage PremultipliedImage() const;

private:
    quint8 m_opacity = 255;
};

// Blur weights for the offsets -10 to 10; only -HalfWidth to +HalfWidth are used.
struct TBlurKernel {
    static constexpr int MaxHalfWidth = 10;
    std::array<float, 2 * MaxHalfWidth + 1> Weights{};
    int HalfWidth = 1;

    float Weight(int Offset) const { return Weights[std::size_t(Offset + MaxHalfWidth)]; }
};

// The Gaussian kernel of a radius, trimmed where its tails stay below half a
// grey level. A radius that is not positive gives the kernel that changes
// nothing.
TBlurKernel MakeBlurKernel(double Radius);

// Blurs the red, green and blue channels of Count pixels in place; pixels past
// either end repeat the end pixel. Each result is truncated and held in 0..255.
void BlurLine(const TBlurKernel& Kernel, QRgb* Line, int Count);

// Blurs a 24-bit bitmap in place near its borders: the outer 21 rows and
// columns on each side are blurred, the inside repeats row and column 15,
// which is exact for the masks BuildShadowMask draws. A radius that is not
// positive changes nothing. Throws Exception("Blur only works for 24-bit
// bitmaps") for any other pixel format.
void GaussianBlur(TBitmap* Bitmap, double Radius);

// Makes Bitmap a black 24-bit Width x Height picture with a white rounded
// rectangle inset by PenWidth div 2 + 2: filled when PenWidth < 1, otherwise a
// ring of that pen width; then blurs it when BlurRadius > 0.
void BuildShadowMask(TBitmap* Bitmap, int Width, int Height, int PenWidth, int CornerSize,
                     double BlurRadius);
