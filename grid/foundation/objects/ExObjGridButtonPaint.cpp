// The face of the grid button: flat looks in its colours (idle, hot, down,
// checked), the classic frame of a non-flat button, the drop-down part, the glyph
// with its shadow and the caption.

#include "grid/foundation/objects/ExObjGridButton.h"

#include "grid/foundation/objects/ExObjGridButtonPrivate.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"
#include "platform/ui/paint/FrameControls.h"

#include <QtGui/QPainter>

#include <algorithm>
#include <cmath>

namespace {

int Nearest(double x)
{
    return int(std::nearbyint(x));
}

TRect Grown(const TRect& r, int by)
{
    return Rect(r.Left - by, r.Top - by, r.Right + by, r.Bottom + by);
}

// A face in one colour (outlined in the border colour, or in the fill colour
// without one) or as a gradient to colorTo (outlined only in a border colour).
void FillFace(TCanvas* canvas, const TRect& face, TColor color, TColor colorTo, TColor border)
{
    if (colorTo == clNone) {
        canvas->Brush()->SetColor(color);
        canvas->Pen()->SetColor(border != clNone ? border : color);
        canvas->Rectangle(face);
    } else {
        DrawButtonGradient(canvas, color, colorTo, border, 16, face, false);
    }
}

void Outline(TCanvas* canvas, const TRect& r, TColor border, bool rounded)
{
    if (border == clNone)
        return;
    canvas->Pen()->SetColor(border);
    canvas->Brush()->SetStyle(bsClear);
    if (rounded)
        canvas->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
    else
        canvas->Rectangle(r);
    canvas->Brush()->SetStyle(bsSolid);
}

struct Placement {
    TPoint glyph;
    TPoint text;
};

// Glyph and caption along the layout axis, in face coordinates.
Placement PlaceGlyphAndText(TExGridButton::TButtonLayout layout, TSize client, TSize glyph, TSize text,
                            int margin, int spacing)
{
    const bool horizontal =
        layout == TExGridButton::blGlyphLeft || layout == TExGridButton::blGlyphRight;
    Placement at;
    if (horizontal) {
        at.glyph.Y = (client.cy - glyph.cy + 1) / 2;
        at.text.Y = (client.cy - text.cy + 1) / 2;
    } else {
        at.glyph.X = (client.cx - glyph.cx + 1) / 2;
        at.text.X = (client.cx - text.cx + 1) / 2;
    }
    if (text.cx == 0 || glyph.cx == 0)
        spacing = 0;
    const int extent = horizontal ? client.cx : client.cy;
    const int glyphExtent = horizontal ? glyph.cx : glyph.cy;
    const int textExtent = horizontal ? text.cx : text.cy;
    if (margin == -1 && spacing == -1) {
        margin = spacing = (extent - glyphExtent - textExtent) / 3;
    } else if (margin == -1) {
        margin = (extent - (glyphExtent + spacing + textExtent) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (extent - margin - glyphExtent - textExtent) / 2;
    }
    switch (layout) {
    case TExGridButton::blGlyphLeft:
        at.glyph.X = margin;
        at.text.X = at.glyph.X + glyph.cx + spacing;
        break;
    case TExGridButton::blGlyphRight:
        at.glyph.X = client.cx - margin - glyph.cx;
        at.text.X = at.glyph.X - spacing - text.cx;
        break;
    case TExGridButton::blGlyphTop:
        at.glyph.Y = margin;
        at.text.Y = at.glyph.Y + glyph.cy + spacing;
        break;
    case TExGridButton::blGlyphBottom:
        at.glyph.Y = client.cy - margin - glyph.cy;
        at.text.Y = at.glyph.Y - spacing - text.cy;
        break;
    }
    return at;
}

}  // namespace

void DrawButtonGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, TColor BorderColor, int Steps,
                        const TRect& R, bool Horizontal)
{
    const int steps = std::max(Steps, 1);
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    const int extent = Horizontal ? R.Right - R.Left : R.Bottom - R.Top;
    const int length = Nearest(double(extent) / steps) + 1;
    for (int i = 0; i < steps; ++i) {
        const auto channel = [&](int a, int b) { return a + Nearest(double(i) * (b - a) / steps); };
        const TColor band = RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
                                channel(GetBValue(from), GetBValue(to)));
        Canvas->Pen()->SetColor(band);
        Canvas->Brush()->SetColor(band);
        const int offset = Nearest(double(i) * extent / steps);
        if (Horizontal)
            Canvas->Rectangle(R.Left + offset, R.Top, std::min(R.Right, R.Left + offset + length), R.Bottom);
        else
            Canvas->Rectangle(R.Left, R.Top + offset, R.Right, std::min(R.Bottom, R.Top + offset + length));
    }
    Outline(Canvas, R, BorderColor, false);
}

void TExGridButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(&painter);
    PaintTo(&canvas);
}

void TExGridButton::PaintTo(TCanvas* canvas)
{
    if (!isEnabled()) {
        d->state = bsDisabled;
        d->dragging = false;
    } else if (d->state == bsDisabled) {
        d->state = d->down && d->groupIndex != 0 ? bsExclusive : bsUp;
    }
    if (d->style == tasCheck && d->down)
        d->state = bsDown;

    const bool hot = d->mouseInControl && isEnabled();
    const bool pressed = d->state == bsDown || d->state == bsExclusive;
    canvas->SetFont(Font());
    canvas->Pen()->SetWidth(1);
    TRect face = Rect(0, 0, width(), height());
    if (d->flat) {
        paintFlatFace(canvas, face, hot);
    } else {
        platform::DrawFrameControl(canvas, face, platform::FrameKind::PushButton,
                                   pressed ? platform::FrameStates(platform::fsPushed) : platform::FrameStates());
        face = Grown(face, -2);
    }

    TPoint offset{0, 0};
    if (pressed) {
        if (d->state == bsExclusive && (!d->flat || !hot))
            FillFace(canvas, Grown(face, 1), d->colorChecked, d->colorCheckedTo,
                     d->down ? d->borderDownColor : d->borderColor);
        if (!d->flat)
            offset = {1, 1};
    }
    if (d->flat && isEnabled() && d->shaded && hot && d->state != bsDown)
        offset = {-1, -1};

    if (d->dropDownButton) {
        const int cy = face.Top + (face.Bottom - face.Top) / 2 - 1;
        const TColor arrow = Font().Color();
        canvas->Pen()->SetColor(arrow);
        canvas->Brush()->SetColor(arrow);
        canvas->Polygon({{face.Right - 8, cy}, {face.Right - 4, cy}, {face.Right - 6, cy + 2}});
        face.Right -= 12;
    }
    paintGlyphAndCaption(canvas, face, offset, hot);
}

void TExGridButton::paintFlatFace(TCanvas* canvas, TRect& face, bool hot)
{
    if (d->borderDownColor == clNone || d->rounded)
        face = Grown(face, -1);
    if (!hot) {
        if (d->style == tasCheck && d->down) {
            FillFace(canvas, face, d->colorChecked, d->colorCheckedTo, d->borderDownColor);
        } else {
            if (d->colorTo == clNone) {
                canvas->Brush()->SetColor(Color());
                canvas->FillRect(face);
            } else {
                const TColor border = d->rounded ? clNone : d->state == bsDown ? d->borderDownColor : d->borderColor;
                DrawButtonGradient(canvas, Color(), d->colorTo, border, 16, face, false);
            }
            Outline(canvas, d->rounded ? Grown(face, 1) : face, d->borderColor, d->rounded);
        }
    } else {
        TColor color = d->colorHot, colorTo = d->colorHotTo, border = d->borderHotColor;
        if (d->state == bsDown) {
            color = d->colorDown;
            colorTo = d->colorDownTo;
            border = d->borderDownColor;
        }
        if (d->style == tasCheck && d->down && !d->dragging) {
            color = d->colorChecked;
            colorTo = d->colorCheckedTo;
            border = d->borderDownColor;
        }
        if (d->rounded) {
            FillFace(canvas, face, color, colorTo, clNone);
            Outline(canvas, Grown(face, 1), border, true);
        } else {
            FillFace(canvas, face, color, colorTo, border);
        }
        if (d->dropDownButton && border != clNone) {
            canvas->Pen()->SetColor(border);
            canvas->MoveTo(face.Right - 12, face.Top);
            canvas->LineTo(face.Right - 12, face.Bottom);
        }
    }
    face = Grown(face, -1);
}

void TExGridButton::paintGlyphAndCaption(TCanvas* canvas, const TRect& face, TPoint offset, bool hot)
{
    const bool pressed = d->state == bsDown || d->state == bsExclusive;
    const TBitmap* glyph = &d->glyph;
    if (hot && !d->glyphHot.Empty())
        glyph = &d->glyphHot;
    if (pressed && !d->glyphDown.Empty())
        glyph = &d->glyphDown;
    if (d->state == bsDisabled && !d->glyphDisabled.Empty())
        glyph = &d->glyphDisabled;

    const QString caption = d->showCaption ? d->caption : QString();
    TSize textSize{0, 0};
    if (!caption.isEmpty()) {
        TRect bounds = Rect(0, 0, face.Right - face.Left, 0);
        DrawText(canvas, caption, bounds, DT_CALCRECT);
        textSize = {bounds.Right - bounds.Left, bounds.Bottom - bounds.Top};
    }
    TButtonLayout layout = d->layout;
    if (isRightToLeft() && (layout == blGlyphLeft || layout == blGlyphRight))
        layout = layout == blGlyphLeft ? blGlyphRight : blGlyphLeft;
    const TSize glyphSize = glyph->Empty() ? TSize{0, 0} : TSize{glyph->Width(), glyph->Height()};
    const Placement at = PlaceGlyphAndText(layout, {face.Right - face.Left, face.Bottom - face.Top}, glyphSize,
                                           textSize, d->margin, d->spacing);
    const int gx = face.Left + at.glyph.X + offset.X;
    const int gy = face.Top + at.glyph.Y + offset.Y;

    if (!glyph->Empty()) {
        if (d->shaded && isEnabled() && hot && d->state != bsDown && !d->glyphShade.Empty()) {
            const int shift = caption.isEmpty() ? 0 : 2;
            canvas->Draw(gx + shift, gy + shift, &d->glyphShade);
        }
        canvas->Draw(gx, gy, glyph);
    }
    if (caption.isEmpty())
        return;
    TRect text = Bounds(face.Left + at.text.X + offset.X, face.Top + at.text.Y + offset.Y, textSize.cx, textSize.cy);
    if (hot && d->shaded && d->flat && d->state != bsDown)
        text = Rect(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1);
    canvas->SetBkMode(TRANSPARENT);
    canvas->Brush()->SetStyle(bsClear);
    const unsigned format = DT_CENTER | DT_VCENTER;
    if (d->state == bsDisabled) {
        TRect lit = Rect(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawText(canvas, caption, lit, format);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawText(canvas, caption, text, format);
    canvas->Brush()->SetStyle(bsSolid);
}
