// Painting of the grid check box: background, classic box, caption and focus
// rectangle.

#include "grid/foundation/objects/ExObjCheckBox.h"

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"
#include "platform/ui/paint/FrameControls.h"

#include <QtGui/QPainter>
#include <QtGui/QPalette>

namespace {

constexpr int kBoxSize = 13;
constexpr TColor kDisabledHighlight = clWhite;
constexpr TColor kDisabledText = TColor(0x808080);

TRect classicBoxRect(int clientWidth, int clientHeight, bool boxLeft, TVAlignment vAlign)
{
    const int left = boxLeft ? 0 : clientWidth - kBoxSize;
    int top = 4;
    if (vAlign == vtaCenter)
        top = clientHeight / 2 - 6;
    else if (vAlign == vtaBottom)
        top = clientHeight - 17;
    return Rect(left, top, left + kBoxSize, top + kBoxSize);
}

TRect captionRect(int clientWidth, int clientHeight, bool boxLeft)
{
    TRect r = Rect(0, 0, clientWidth, clientHeight);
    if (boxLeft) {
        r.Left += 9;
    } else {
        r.Right -= 9;
        r.Left = 0;
    }
    r.Top += 4;
    r.Left += 6;
    return r;
}

}  // namespace

void TExCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(&painter);
    const int w = ClientWidth();
    const int h = ClientHeight();
    const bool boxLeft = Alignment() != taRightJustify;

    if (!Transparent()) {
        TColor background = Color();
        if (ParentColor() && parentWidget()) {
            const platform::TControl* parent = platform::AsControl(parentWidget());
            background = parent ? parent->Color() : FromQColor(parentWidget()->palette().color(QPalette::Window));
        }
        canvas.Brush()->SetColor(background);
        canvas.FillRect(Rect(0, 0, w, h));
    }
    canvas.SetFont(Font());

    platform::FrameStates box;
    if (State() == cbGrayed || !isEnabled())
        box |= platform::fsInactive;
    if (State() == cbChecked)
        box |= platform::fsChecked;
    platform::DrawFrameControl(&canvas, classicBoxRect(w, h, boxLeft, ButtonVertAlign()), platform::FrameKind::CheckBox,
                               box);

    const TRect textRect = captionRect(w, h, boxLeft);
    const unsigned format = DT_LEFT | (Ellipsis() ? DT_END_ELLIPSIS : 0);
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBkMode(TRANSPARENT);
    if (isEnabled()) {
        TRect r = textRect;
        DrawText(canvas, Caption(), r, format);
    } else {
        TRect shadow = textRect;
        OffsetRect(shadow, 1, 1);
        canvas.Font()->SetColor(kDisabledHighlight);
        DrawText(canvas, Caption(), shadow, format);
        TRect r = textRect;
        canvas.Font()->SetColor(kDisabledText);
        DrawText(canvas, Caption(), r, format);
    }

    if (hasFocus()) {
        const QString shown = platform::StripAccelerator(Caption());
        const int textWidth = canvas.TextWidth(shown);
        const int textHeight = canvas.TextHeight(shown);
        canvas.DrawFocusRect(
            Rect(textRect.Left - 2, textRect.Top, textRect.Left + textWidth + 1, textRect.Top + textHeight + 1));
    }
}
