// The focus glow: a translucent light-blue ring around the cell being edited,
// shown while FocusHelper.Enabled is set and moved along with its window. The
// ring is an alpha mask made from the rounded shadow mask, shown on the grid's
// focus window, whose window mask leaves only the ring.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/styles/ExObjAlphaMask.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QRegion>

namespace {

constexpr TColor GlowColor = TColor(151 | (211 << 8) | (253 << 16));
constexpr quint8 GlowOpacity = 230;
// The ring reaches this far left of and above the cell; the window is
// GlowGrowth pixels wider and higher than the cell.
constexpr int GlowInset = 4;
constexpr int GlowGrowth = 9;

// Shows the window as the layered picture of the alpha mask, keeping its
// position; a mask of height 0 changes nothing.
void ApplyAlphaMaskToWindow(TGridFocusWindow* Window, const TGridAlphaMask& Mask)
{
    if (Mask.Height() == 0)
        return;
    Window->SetLayeredPicture(Mask.PremultipliedImage(), Mask.Opacity());
}

} // namespace

void TExStringGrid::BuildFocusWindow(const TRect& R)
{
    TGridFocusWindow* glow = p->focusWindow.data();
    if (!glow)
        return;
    glow->hide();
    const int w = R.Right - R.Left;
    const int h = R.Bottom - R.Top;
    const int W = w + GlowGrowth;
    const int H = h + GlowGrowth;
    TBitmap mask;
    BuildShadowMask(&mask, W, H, 3, 5, 4);
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(W, H);
    picture.Canvas()->Brush()->SetColor(GlowColor);
    picture.Canvas()->FillRect(Rect(0, 0, W, H));
    TGridAlphaMask alpha;
    alpha.MergeMask(&mask, &picture);
    alpha.SetOpacity(GlowOpacity);
    ApplyAlphaMaskToWindow(glow, alpha);
    glow->setMask(QRegion(0, 0, W, H) - QRegion(GlowInset, GlowInset, w, h));
    const QPoint origin = viewport()->mapToGlobal(QPoint(R.Left, R.Top));
    glow->setGeometry(origin.x() - GlowInset, origin.y() - GlowInset, W, H);
    glow->show();
}

void TExStringGrid::HideFocusWindow()
{
    SetFocusGlowGrid(nullptr);
    if (p->focusWindow)
        p->focusWindow->hide();
}

void TExStringGrid::showFocusGlow()
{
    if (!p->focusHelper->Enabled())
        return;
    SetFocusGlowGrid(this);
    BuildFocusWindow(CellRect(Col(), Row()));
}
