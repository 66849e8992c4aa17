#pragma once

// Pixel counting and ink boxes for painter tests that draw on a TCanvas over a
// QImage.

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QRect>
#include <QtGui/QImage>

namespace testsupport {

// How many pixels inside area have the colour (a system colour is resolved).
inline int CountPixels(const TCanvas& canvas, TColor color, const TRect& area)
{
    const TColor wanted = ColorToRGB(color);
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            n += canvas.Pixels(x, y) == wanted;
    return n;
}

// Bounding box of the pixels that are not white inside area; empty when none.
// Text placement is checked by this box rather than by glyph pixels.
inline QRect inkBox(const QImage& image, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace testsupport
