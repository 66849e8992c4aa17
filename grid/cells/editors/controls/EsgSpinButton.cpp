// The spin buttons: two speed buttons that click when pressed and repeat
// while held, painted classic or in their owner's colours.

#include "grid/cells/editors/controls/EsgSpinEdit.h"

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/paint/FrameControls.h"
#include "platform/ui/window/Timer.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>

TExTimerSpeedButton::TExTimerSpeedButton(QWidget* AOwner, const TButtonColors* Colors)
    : TSpeedButton(AOwner), colors_(Colors)
{
}

// The click comes with the press; a held button repeats it from the timer.
void TExTimerSpeedButton::mousePressEvent(QMouseEvent* e)
{
    TSpeedButton::mousePressEvent(e);
    if (e->button() != Qt::LeftButton)
        return;
    platform::RunReportingFaults([this] { Click(); });
    if (TimeBtnState.testFlag(tbAllowTimer)) {
        if (!repeatTimer_) {
            repeatTimer_ = new TTimer(this);
            repeatTimer_->OnTimer = [this](TObject*) { repeatTick(); };
        }
        repeatTimer_->SetInterval(400);
        repeatTimer_->SetEnabled(true);
    }
    if (parentWidget())
        parentWidget()->update();
}

// The release ends the repeat; the click already came with the press.
void TExTimerSpeedButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (repeatTimer_)
        repeatTimer_->SetEnabled(false);
    setDown(false);
    e->accept();
    if (parentWidget())
        parentWidget()->update();
}

// A fault of a repeated click stops the repeat before the box shows, so the
// box does not come again every 100 ms.
void TExTimerSpeedButton::repeatTick()
{
    repeatTimer_->SetInterval(100);
    if (!isDown())
        return;
    try {
        Click();
    } catch (...) {
        repeatTimer_->SetEnabled(false);
        setDown(false);
        platform::RunReportingFaults([] { throw; });
    }
}

void TExTimerSpeedButton::enterEvent(QEnterEvent* e)
{
    TSpeedButton::enterEvent(e);
    hasMouse_ = true;
    update();
}

void TExTimerSpeedButton::leaveEvent(QEvent* e)
{
    TSpeedButton::leaveEvent(e);
    hasMouse_ = false;
    update();
}

namespace {

// The small arrow of a coloured button, by direction, from the button's corner.
std::vector<TPoint> arrowOf(TButtonDirection Direction, int l, int t)
{
    switch (Direction) {
    case bdLeft: return {{l + 5, t + 5}, {l + 3, t + 7}, {l + 5, t + 9}};
    case bdRight: return {{l + 3, t + 5}, {l + 5, t + 7}, {l + 3, t + 9}};
    case bdUp: return {{l + 4, t + 4}, {l + 8, t + 4}, {l + 6, t + 2}};
    case bdDown: break;
    }
    return {{l + 4, t + 2}, {l + 8, t + 2}, {l + 6, t + 4}};
}

// The default up and down glyph: a 5-pixel arrow centred on the face.
void drawGlyphArrow(TCanvas& Canvas, const TRect& R, bool Up, bool Enabled)
{
    const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
    const TColor colour = Enabled ? clBlack : clGrayText;
    Canvas.Brush()->SetColor(colour);
    Canvas.Pen()->SetColor(colour);
    if (Up)
        Canvas.Polygon({{cx - 2, cy + 1}, {cx + 2, cy + 1}, {cx, cy - 1}});
    else
        Canvas.Polygon({{cx - 2, cy - 1}, {cx + 2, cy - 1}, {cx, cy + 1}});
}

}  // namespace

void TExTimerSpeedButton::paintEvent(QPaintEvent*)
{
    TCanvas canvas(this);
    const TRect r{0, 0, width(), height()};
    const bool pressed = isDown();
    if (colors_ && colors_->Coloured()) {
        PaintColouredButtonFace(&canvas, r, *colors_, pressed, hasMouse_);
        canvas.Brush()->SetColor(clBlack);
        canvas.Pen()->SetColor(clBlack);
        canvas.Polygon(arrowOf(ButtonDirection, r.Left, r.Top));
        return;
    }
    platform::FrameStates states;
    if (pressed)
        states |= platform::fsPushed;
    if (Flat())
        states |= platform::fsFlat;
    if (ButtonDirection == bdLeft || ButtonDirection == bdRight) {
        platform::DrawFrameControl(&canvas, r,
                                   ButtonDirection == bdLeft ? platform::FrameKind::ScrollLeft
                                                             : platform::FrameKind::ScrollRight,
                                   states);
        return;
    }
    platform::DrawFrameControl(&canvas, r, platform::FrameKind::PushButton, states);
    TRect face = r;
    if (pressed)
        face = TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    drawGlyphArrow(canvas, face, ButtonDirection == bdUp, isEnabled());
}

// ---- spin buttons --------------------------------------------------------------------------

TEsgSpinButton::TEsgSpinButton(QWidget* AOwner)
    : QWidget(AOwner), platform::TControl(*this, clBtnFace), up_(new TExTimerSpeedButton(this, &colors_)),
      down_(new TExTimerSpeedButton(this, &colors_)), focused_(up_)
{
    resize(15, 25);
    setAttribute(Qt::WA_OpaquePaintEvent);
    up_->ButtonDirection = bdUp;
    down_->ButtonDirection = bdDown;
    up_->OnClick = [this](TObject*) {
        if (OnUpClick)
            OnUpClick(this);
    };
    down_->OnClick = [this](TObject*) {
        if (OnDownClick)
            OnDownClick(this);
    };
    for (TExTimerSpeedButton* b : {up_, down_})
        connect(b, &QToolButton::pressed, this, [this, b] { buttonPressed(b); });
    layoutButtons();
}

void TEsgSpinButton::SetDirection(TSpinDirection Value)
{
    if (Value == direction_)
        return;
    direction_ = Value;
    up_->ButtonDirection = Value == spHorizontal ? bdRight : bdUp;
    down_->ButtonDirection = Value == spHorizontal ? bdLeft : bdDown;
    SetWidth(Value == spHorizontal ? 20 : 15);
    layoutButtons();
}

void TEsgSpinButton::SetIsWinXP(bool Value)
{
    down_->SetIsWinXP(Value);
    focused_->SetIsWinXP(Value);
}

void TEsgSpinButton::SetFlat(bool Value)
{
    up_->SetFlat(Value);
    down_->SetFlat(Value);
}

void TEsgSpinButton::resizeEvent(QResizeEvent*) { layoutButtons(); }

// Vertical: the up button the upper half, the down button from one pixel
// above its bottom. Horizontal: the left half points left.
void TEsgSpinButton::layoutButtons()
{
    const int w = width(), h = height();
    if (direction_ == spVertical) {
        const int half = h / 2;
        up_->SetBounds(0, 0, w, half);
        down_->SetBounds(0, half - 1, w, h - half + 1);
    } else {
        const int half = w / 2;
        down_->SetBounds(0, 0, half, h);
        up_->SetBounds(half + 1, 0, w - half - 1, h);
    }
}

void TEsgSpinButton::setFocusedButton(TExTimerSpeedButton* Button)
{
    focused_->TimeBtnState &= ~TTimeBtnState(tbFocusRect);
    focused_ = Button;
    if (hasFocus())
        focused_->TimeBtnState |= tbFocusRect;
    update();
}

void TEsgSpinButton::buttonPressed(TExTimerSpeedButton* Button)
{
    if (focusPolicy() != Qt::NoFocus)
        setFocusedButton(Button);
    QWidget* target = focusControl_.data();
    if (target && target->focusPolicy() != Qt::NoFocus && target->isEnabled() && !target->hasFocus())
        target->setFocus(Qt::MouseFocusReason);
    else if (focusPolicy() != Qt::NoFocus && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TEsgSpinButton::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Space: focused_->Click(); break;
    case Qt::Key_Up:
        setFocusedButton(up_);
        up_->Click();
        break;
    case Qt::Key_Down:
        setFocusedButton(down_);
        down_->Click();
        break;
    default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
}

void TEsgSpinButton::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    focused_->TimeBtnState |= tbFocusRect;
    focused_->update();
}

void TEsgSpinButton::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    focused_->TimeBtnState &= ~TTimeBtnState(tbFocusRect);
    focused_->update();
}
