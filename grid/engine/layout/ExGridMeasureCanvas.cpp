#include "grid/engine/layout/ExGridMeasureCanvas.h"

#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>

// Markup measuring asks for a painter, so the canvas has a surface to open one on.
struct TMeasureCanvas::Surface {
    QImage image{1, 1, QImage::Format_ARGB32_Premultiplied};
    TCanvas canvas{&image};
};

TMeasureCanvas::TMeasureCanvas() = default;

TMeasureCanvas::~TMeasureCanvas() = default;

TMeasureCanvas::Lease::Lease(TMeasureCanvas& Owner) : m_owner(Owner)
{
    if (m_owner.m_busy) {
        m_own = std::make_unique<Surface>();
        m_surface = m_own.get();
        return;
    }
    if (!m_owner.m_shared)
        m_owner.m_shared = std::make_unique<Surface>();
    m_owner.m_busy = true;
    m_surface = m_owner.m_shared.get();
}

// The painter, clipping, pen and brush one measure may have changed go back to
// those of a new canvas. Every measure sets the font itself; the background
// mode and the pen position matter only to drawing, which measuring does not do.
TMeasureCanvas::Lease::~Lease()
{
    if (m_own)
        return;
    TCanvas& canvas = m_surface->canvas;
    canvas.Release();
    canvas.ResetClipRect();
    canvas.Pen()->Assign(TPen());
    canvas.Brush()->Assign(TBrush());
    m_owner.m_busy = false;
}

TCanvas& TMeasureCanvas::Lease::operator*() const { return m_surface->canvas; }
