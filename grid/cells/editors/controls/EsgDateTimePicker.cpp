// The date-time picker's own frame and button painting and its hover state.

#include "grid/cells/editors/controls/EsgDateTimePicker.h"

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/FrameControls.h"

#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>

namespace {

// The system's vertical scroll bar width on this platform, plus 2.
constexpr int PickerButtonWidth = 17 + 2;
const TColor DisabledFrame = RGB(127, 157, 185);

}  // namespace

struct TEsgDateTimePicker::Private {
    bool metro = false;
    TColor borderColor = clNone;
    TButtonColors colors;
    bool mouseInControl = false;
    bool buttonHover = false;
    bool hasFocus = false;
};

TEsgDateTimePicker::TEsgDateTimePicker(QWidget* AOwner) : TDateTimePicker(AOwner), p(std::make_unique<Private>())
{
    setMouseTracking(true);
}

TEsgDateTimePicker::~TEsgDateTimePicker() = default;

bool TEsgDateTimePicker::MetroStyle() const { return p->metro; }

void TEsgDateTimePicker::SetMetroStyle(bool Value)
{
    if (Value == p->metro)
        return;
    p->metro = Value;
    update();
}

TColor TEsgDateTimePicker::BorderColor() const { return p->borderColor; }

void TEsgDateTimePicker::SetBorderColor(TColor Value)
{
    if (Value == p->borderColor)
        return;
    p->borderColor = Value;
    update();
}

TButtonColors& TEsgDateTimePicker::ButtonColors() { return p->colors; }

unsigned TEsgDateTimePicker::GetVersionNr() { return 1u << 24; }

QString TEsgDateTimePicker::Version() const
{
    const unsigned v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

bool TEsgDateTimePicker::ButtonHovered() const { return p->buttonHover; }

TRect TEsgDateTimePicker::ButtonRect() const
{
    return TRect{width() - PickerButtonWidth + 2 + 1, 1, width() - 1, height() - 1};
}

// The button is hovered while X lies strictly inside its width from the
// right edge; only a change repaints.
void TEsgDateTimePicker::mouseMoveEvent(QMouseEvent* e)
{
    TDateTimePicker::mouseMoveEvent(e);
    const int x = int(e->position().x());
    const bool hover = x > width() - PickerButtonWidth && x < width();
    if (hover != p->buttonHover) {
        p->buttonHover = hover;
        update();
    }
}

void TEsgDateTimePicker::enterEvent(QEnterEvent* e)
{
    TDateTimePicker::enterEvent(e);
    if (isEnabled()) {
        p->mouseInControl = true;
        update();
    }
}

void TEsgDateTimePicker::leaveEvent(QEvent* e)
{
    TDateTimePicker::leaveEvent(e);
    if (isEnabled()) {
        p->mouseInControl = false;
        p->buttonHover = false;
        update();
    }
}

void TEsgDateTimePicker::focusInEvent(QFocusEvent* e)
{
    TDateTimePicker::focusInEvent(e);
    p->hasFocus = true;
    update();
}

void TEsgDateTimePicker::focusOutEvent(QFocusEvent* e)
{
    TDateTimePicker::focusOutEvent(e);
    p->hasFocus = false;
    update();
}

// Without the metro look the platform's picker paints alone.
void TEsgDateTimePicker::paintEvent(QPaintEvent* e)
{
    TDateTimePicker::paintEvent(e);
    if (!p->metro)
        return;
    TCanvas canvas(this);
    if (Kind() != dtkTime) {
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(TRect{width() - PickerButtonWidth - 2, 4, width() - 2, height() - 4});
        paintButton(canvas);
    }
    paintBorder(canvas);
}

void TEsgDateTimePicker::paintButton(TCanvas& Canvas)
{
    const TRect b = ButtonRect();
    const bool held = QApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
    if (p->colors.Coloured()) {
        Canvas.Brush()->SetColor(p->colors.FaceColor(p->buttonHover && held, p->buttonHover));
        Canvas.FillRect(TRect{b.Left + 2, b.Top, b.Right, b.Bottom});
        if (p->colors.BorderColor != clNone) {
            Canvas.Pen()->SetColor(p->colors.BorderColor);
            Canvas.MoveTo(b.Left, b.Top);
            Canvas.LineTo(b.Left, b.Bottom);
        }
        const TColor arrow = held && p->colors.TextColorDown != clNone ? p->colors.TextColorDown : p->colors.TextColor;
        Canvas.Brush()->SetColor(arrow == clNone ? clBlack : arrow);
        Canvas.Pen()->SetColor(arrow == clNone ? clBlack : arrow);
        Canvas.Polygon({{b.Left + 5, b.Top + 7}, {b.Left + 11, b.Top + 7}, {b.Left + 8, b.Top + 10}});
        return;
    }
    platform::FrameStates states = isEnabled() ? platform::FrameStates(platform::fsFlat) : platform::FrameStates(platform::fsInactive);
    platform::DrawFrameControl(&Canvas, b, platform::FrameKind::ComboArrow, states);
}

// A disabled picker has the light blue frame; a border colour gives a
// one-pixel frame; the default frame is the parent's colour outside and the
// control's inside.
void TEsgDateTimePicker::paintBorder(TCanvas& Canvas)
{
    const TRect r{0, 0, width(), height()};
    Canvas.Brush()->SetStyle(bsClear);
    if (!isEnabled()) {
        Canvas.Brush()->SetColor(DisabledFrame);
        Canvas.FrameRect(r);
        return;
    }
    if (p->borderColor != clNone) {
        Canvas.Brush()->SetColor(p->borderColor);
        Canvas.FrameRect(r);
        return;
    }
    const TColor outer = parentWidget() ? FromQColor(parentWidget()->palette().color(QPalette::Window)) : clBtnFace;
    Canvas.Brush()->SetColor(outer);
    Canvas.FrameRect(r);
    Canvas.FrameRect(TRect{1, 1, width() - PickerButtonWidth, height() - 1});
    Canvas.Brush()->SetColor(Color());
    Canvas.FrameRect(TRect{2, 2, width() - PickerButtonWidth, height() - 2});
}
