// The combo box with its own look: the button, the frame and the label it
// paints and places itself, the colours it takes with the focus.

#include "grid/cells/editors/controls/EsgComboBox.h"

#include "grid/foundation/styles/ExStyleIF.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/paint/FrameControls.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/paint/VisualStyles.h"

#include <QtCore/QPointer>
#include <QtGui/QGuiApplication>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCompleter>
#include <QtWidgets/QLineEdit>

namespace {

constexpr int kScrollBarWidth = 17;
constexpr TColor kDisabledThemeFrame = RGB(127, 157, 185);

bool isSet(TColor c) { return c != clNone; }

// The background colour a control shows through from its parent.
TColor parentColor(const QWidget* w)
{
    const QWidget* parent = w->parentWidget();
    if (!parent)
        return clBtnFace;
    if (platform::TControl* control = platform::AsControl(const_cast<QWidget*>(parent)))
        return control->Color();
    return FromQColor(parent->palette().color(QPalette::Window));
}

}  // namespace

TPoint ComboLabelPlace(TLabelPosition Position, const TRect& Combo, TSize LabelSize, int TextWidth, int Margin)
{
    const int L = Combo.Left, T = Combo.Top;
    const int CW = Combo.Right - Combo.Left, CH = Combo.Bottom - Combo.Top;
    const int LW = LabelSize.cx, LH = LabelSize.cy;
    const int midTop = T + (CH - LH) / 2;
    const int midLeft = L + (CW - LW) / 2;
    switch (Position) {
    case lpLeftTop:
        return {L - TextWidth - Margin, T};
    case lpLeftCenter:
        return {L - TextWidth - Margin, midTop};
    case lpLeftBottom:
        return {L - TextWidth - Margin, T + CH - LH};
    case lpTopLeft:
        return {L, T - LH - Margin};
    case lpBottomLeft:
        return {L, T + CH + Margin};
    case lpLeftTopLeft:
        return {L - Margin, T};
    case lpLeftCenterLeft:
        return {L - Margin, midTop};
    case lpLeftBottomLeft:
        return {L - Margin, T + CH - LH};
    case lpTopCenter:
        return {midLeft, T - LH - Margin};
    case lpBottomCenter:
        return {midLeft, T + CH + Margin};
    case lpRightTop:
        return {L + CW + Margin, T};
    case lpRightCenter:
        return {L + CW + Margin, midTop};
    case lpRighBottom:
        return {L + CW + Margin, T + CH - LH};
    }
    return {L, T};
}

int SizedDropDownWidth(int Width, const std::vector<int>& ItemWidths, int DropDownCount)
{
    const bool scrolls = static_cast<int>(ItemWidths.size()) > DropDownCount;
    int w = Width;
    for (int t : ItemWidths) {
        if (scrolls && t > w - 25)
            w = t + 25;
        else if (!scrolls && t > w - 5)
            w = t + 8;
    }
    return w;
}

struct TEsgCustomCombo::Data {
    int buttonWidth = kScrollBarWidth + 2;
    bool flat = false;
    bool etched = false;
    TColor flatLineColor = clNone;
    bool flatParentColor = true;
    TColor borderColor = clNone;
    TColor focusBorderColor = clNone;
    TColor focusColor = clNone;
    bool focusBorder = false;
    bool focusLabel = false;
    bool autoFocus = false;
    bool disabledBorder = true;
    int dropWidth = 0;
    bool autoComplete = true;
    QCompleter* completer = nullptr;  // a child of the combo, made once
    QString labelCaption;
    TLabelPosition labelPosition = lpLeftTop;
    int labelMargin = 4;
    bool labelTransparent = false;
    bool labelAlwaysEnabled = false;
    TFont labelFont;
    QPointer<TLabel> label;  // a child of the combo's parent, deleted with the combo
    TColor buttonColor = clNone, buttonColorHot = clNone, buttonColorDown = clNone;
    TColor buttonTextColor = clNone, buttonTextColorHot = clNone, buttonTextColorDown = clNone;
    TColor buttonBorderColor = clNone;
    bool isWinXP = false;
    bool isVista = false;

    TColor normalColor = clNone;
    TColor loadedColor = clWindow;
    TColor oldColor = clWindow;
    bool mouseInControl = false;
    bool buttonHover = false;
    bool hasFocus = false;
    bool dropped = false;
    bool isThemed = IsComCtl6OrNewer();
};

TEsgCustomCombo::TEsgCustomCombo(QWidget* AOwner, TComboBoxStyle Style)
    : TComboBox(AOwner, Style), d(std::make_unique<Data>())
{
    setMouseTracking(true);
    d->labelFont.OnChange = [this](TFont*) { layoutLabel(); };
    applyAutoComplete();
}

TEsgCustomCombo::~TEsgCustomCombo() { delete d->label; }

void TEsgCustomCombo::Init() { d->normalColor = Color(); }

void TEsgCustomCombo::Loaded()
{
    applyDropWidth();
    d->loadedColor = Color();
    d->oldColor = Color();
    if (d->label && !d->labelAlwaysEnabled)
        d->label->setEnabled(isEnabled());
    layoutLabel();
    Init();
}

void TEsgCustomCombo::SelectItem(const QString& AText)
{
    const int index = Items().IndexOf(AText);
    if (index >= 0)
        SetItemIndex(index);
}

// ---- properties ---------------------------------------------------------------------------

int TEsgCustomCombo::ButtonWidth() const { return d->buttonWidth; }

void TEsgCustomCombo::SetButtonWidth(int Value)
{
    if (Value < 14 || Value > 32)
        return;
    d->buttonWidth = Value;
    update();
}

bool TEsgCustomCombo::Flat() const { return d->flat; }

void TEsgCustomCombo::SetFlat(bool Value)
{
    if (Value == d->flat)
        return;
    d->flat = Value;
    setFrame(!Value);
    if (d->flatParentColor && Value && parentWidget())
        SetColor(parentColor(this));
    else
        SetColor(d->loadedColor);
    update();
}

// A stored setting and what a change of it redoes.
#define ESG_COMBO_SETTING(Type, Name, field, redo)                                                             \
    Type TEsgCustomCombo::Name() const { return d->field; }                                                  \
    void TEsgCustomCombo::Set##Name(Type Value)                                                               \
    {                                                                                                         \
        d->field = Value;                                                                                     \
        redo();                                                                                               \
    }
#define ESG_COMBO_PROPERTY(Type, Name, field) ESG_COMBO_SETTING(Type, Name, field, update)

ESG_COMBO_PROPERTY(bool, Etched, etched)
ESG_COMBO_PROPERTY(TColor, FlatLineColor, flatLineColor)
ESG_COMBO_PROPERTY(bool, FlatParentColor, flatParentColor)
ESG_COMBO_PROPERTY(TColor, BorderColor, borderColor)
ESG_COMBO_PROPERTY(TColor, FocusBorderColor, focusBorderColor)
ESG_COMBO_PROPERTY(TColor, FocusColor, focusColor)
ESG_COMBO_PROPERTY(bool, FocusBorder, focusBorder)
ESG_COMBO_PROPERTY(bool, FocusLabel, focusLabel)
ESG_COMBO_PROPERTY(bool, AutoFocus, autoFocus)
ESG_COMBO_PROPERTY(bool, DisabledBorder, disabledBorder)
ESG_COMBO_PROPERTY(TColor, ButtonColor, buttonColor)
ESG_COMBO_PROPERTY(TColor, ButtonColorHot, buttonColorHot)
ESG_COMBO_PROPERTY(TColor, ButtonColorDown, buttonColorDown)
ESG_COMBO_PROPERTY(TColor, ButtonTextColor, buttonTextColor)
ESG_COMBO_PROPERTY(TColor, ButtonTextColorHot, buttonTextColorHot)
ESG_COMBO_PROPERTY(TColor, ButtonTextColorDown, buttonTextColorDown)
ESG_COMBO_PROPERTY(TColor, ButtonBorderColor, buttonBorderColor)
ESG_COMBO_PROPERTY(bool, IsWinXP, isWinXP)
ESG_COMBO_PROPERTY(bool, IsVista, isVista)

#undef ESG_COMBO_PROPERTY

int TEsgCustomCombo::DropWidth() const { return d->dropWidth; }

void TEsgCustomCombo::SetDropWidth(int Value)
{
    d->dropWidth = Value;
    applyDropWidth();
}

void TEsgCustomCombo::applyDropWidth()
{
    if (d->dropWidth > 0)
        view()->setMinimumWidth(d->dropWidth);
}

bool TEsgCustomCombo::AutoComplete() const { return d->autoComplete; }

void TEsgCustomCombo::SetAutoComplete(bool Value)
{
    d->autoComplete = Value;
    applyAutoComplete();
}

void TEsgCustomCombo::StyleChanged() { applyAutoComplete(); }

// An editable box completes inline from its items; a list box selects by the
// typed letters through the list's own keyboard search.
void TEsgCustomCombo::applyAutoComplete()
{
    if (!isEditable())
        return;
    if (!d->autoComplete) {
        setCompleter(nullptr);
        return;
    }
    if (!d->completer) {
        d->completer = new QCompleter(model(), this);
        d->completer->setCompletionMode(QCompleter::InlineCompletion);
        d->completer->setCaseSensitivity(Qt::CaseInsensitive);
    }
    setCompleter(d->completer);
}

// ---- label --------------------------------------------------------------------------------

QString TEsgCustomCombo::LabelCaption() const { return d->labelCaption; }

void TEsgCustomCombo::SetLabelCaption(const QString& Value)
{
    d->labelCaption = Value;
    if (!d->label && !Value.isEmpty()) {
        d->label = new TLabel(parentWidget());
        d->label->setBuddy(this);
        d->label->Font().Assign(d->labelFont);
    }
    if (d->label)
        d->label->SetCaption(Value);
    layoutLabel();
}

// Each label setting lays the label out again.
ESG_COMBO_SETTING(TLabelPosition, LabelPosition, labelPosition, layoutLabel)
ESG_COMBO_SETTING(int, LabelMargin, labelMargin, layoutLabel)
ESG_COMBO_SETTING(bool, LabelTransparent, labelTransparent, layoutLabel)

#undef ESG_COMBO_SETTING

bool TEsgCustomCombo::LabelAlwaysEnabled() const { return d->labelAlwaysEnabled; }

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool Value)
{
    d->labelAlwaysEnabled = Value;
    if (d->label)
        d->label->setEnabled(Value || isEnabled());
    layoutLabel();
}

TFont* TEsgCustomCombo::LabelFont() const { return &d->labelFont; }
TLabel* TEsgCustomCombo::ComboLabel() const { return d->label; }

void TEsgCustomCombo::layoutLabel()
{
    TLabel* label = d->label;
    if (!label)
        return;
    label->SetTransparent(d->labelTransparent);
    label->Font().Assign(d->labelFont);
    TCanvas measure;
    QImage scratch(1, 1, QImage::Format_RGB32);
    measure.SetDevice(&scratch);
    measure.SetFont(label->Font());
    TRect r{0, 0, 1000, 255};
    DrawText(&measure, label->Caption(), r, DT_CALCRECT | DT_HIDEPREFIX);
    const TRect combo{x(), y(), x() + width(), y() + height()};
    const TPoint at = ComboLabelPlace(d->labelPosition, combo, TSize{label->width(), label->height()},
                                      r.Right - r.Left, d->labelMargin);
    label->move(at.X, at.Y);
    label->setVisible(!isHidden());
}

void TEsgCustomCombo::setLabelBold(bool Bold)
{
    if (!d->label)
        return;
    TFontStyles style = d->label->Font().Style();
    style.setFlag(fsBold, Bold);
    d->label->Font().SetStyle(style);
}

void TEsgCustomCombo::ChangeBounds(const QRect& bounds)
{
    TComboBox::ChangeBounds(bounds);
    layoutLabel();
}

void TEsgCustomCombo::ChangeVisible(bool visible)
{
    TComboBox::ChangeVisible(visible);
    if (d->label)
        d->label->setVisible(visible);
}

void TEsgCustomCombo::moveEvent(QMoveEvent* e)
{
    TComboBox::moveEvent(e);
    layoutLabel();
}

void TEsgCustomCombo::resizeEvent(QResizeEvent* e)
{
    TComboBox::resizeEvent(e);
    layoutLabel();
}

// ---- state changes ------------------------------------------------------------------------

void TEsgCustomCombo::changeEvent(QEvent* e)
{
    TComboBox::changeEvent(e);
    if (e->type() != QEvent::EnabledChange)
        return;
    if (d->flat) {
        if (!isEnabled()) {
            d->oldColor = Color();
            SetColor(parentColor(this));
        } else {
            SetColor(d->oldColor);
        }
    }
    if (d->label && !d->labelAlwaysEnabled)
        d->label->setEnabled(isEnabled());
}

void TEsgCustomCombo::focusInEvent(QFocusEvent* e)
{
    TComboBox::focusInEvent(e);
    d->hasFocus = true;
    if (isSet(d->focusColor))
        SetColor(d->focusColor);
    setLabelBold(d->focusLabel);
    update();
}

void TEsgCustomCombo::focusOutEvent(QFocusEvent* e)
{
    TComboBox::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason)
        return;
    d->hasFocus = false;
    if (isSet(d->focusColor) && isSet(d->normalColor))
        SetColor(d->normalColor);
    setLabelBold(false);
    update();
}

void TEsgCustomCombo::enterEvent(QEnterEvent* e)
{
    TComboBox::enterEvent(e);
    if (!isEnabled() || d->mouseInControl)
        return;
    d->mouseInControl = true;
    if (d->autoFocus) {
        const QWidget* form = window();
        if (!form || form == QApplication::activeWindow())
            setFocus(Qt::MouseFocusReason);
    }
    update();
}

void TEsgCustomCombo::leaveEvent(QEvent* e)
{
    TComboBox::leaveEvent(e);
    d->mouseInControl = false;
    d->buttonHover = false;
    update();
}

void TEsgCustomCombo::mouseMoveEvent(QMouseEvent* e)
{
    TComboBox::mouseMoveEvent(e);
    const int x = static_cast<int>(e->position().x());
    const bool hover = x > width() - d->buttonWidth && x < width();
    if (hover != d->buttonHover) {
        d->buttonHover = hover;
        update();
    }
}

void TEsgCustomCombo::showPopup()
{
    TComboBox::showPopup();
    update(QRect(width() - d->buttonWidth, 0, d->buttonWidth, height()));
    if (view()->isVisible() && !d->dropped) {
        d->dropped = true;
        DroppedDown();
    }
}

// The toolkit also closes the list each time the box hides; only a list that
// was open closes up.
void TEsgCustomCombo::hidePopup()
{
    TComboBox::hidePopup();
    if (!d->dropped)
        return;
    d->dropped = false;
    update(QRect(width() - d->buttonWidth, 0, d->buttonWidth, height()));
    if (OnDropUp)
        OnDropUp(this);
    ClosedUp();
}

// ---- painting -----------------------------------------------------------------------------

bool TEsgCustomCombo::PaintsOwnLook() const
{
    if (d->isVista && !isSet(d->buttonColor))
        return false;
    const bool themeActive = d->isThemed && platform::VisualStylesActive();
    return d->flat || isSet(d->buttonColor) || isSet(d->borderColor) ||
           (isSet(d->focusBorderColor) && d->hasFocus) || (!isEnabled() && themeActive && !d->disabledBorder);
}

void TEsgCustomCombo::paintEvent(QPaintEvent* e)
{
    TComboBox::paintEvent(e);
    if (!PaintsOwnLook())
        return;
    QPainter painter(this);
    TCanvas canvas(&painter);
    PaintOwnLook(&canvas);
}

// The toolkit has painted the box; the own button and frame go over it.
void TEsgCustomCombo::PaintOwnLook(TCanvas* Canvas)
{
    const bool leftToRight = layoutDirection() == Qt::LeftToRight;
    if (Style() != csSimple && leftToRight) {
        Canvas->Brush()->SetColor(Color());
        Canvas->FillRect(TRect{width() - d->buttonWidth - 4, 0, width(), height()});
        drawButton(Canvas);
    }
    if (leftToRight)
        drawBorders(Canvas);
}

bool TEsgCustomCombo::mouseButtonDown() const
{
    return QGuiApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
}

void TEsgCustomCombo::drawButton(TCanvas* Canvas)
{
    TRect r{width() - d->buttonWidth + 2 + 1, 1, width() - 1, height() - 1};
    const bool down = mouseButtonDown() && d->buttonHover;
    if (!isSet(d->buttonColor)) {
        // Visual styles are never active here, so the classic arrow button is drawn.
        r.Left -= 4;
        r.Top += 1;
        r.Bottom -= 1;
        platform::FrameStates states = isEnabled() ? platform::fsFlat : platform::fsInactive;
        platform::DrawFrameControl(Canvas, r, platform::FrameKind::ComboArrow, states);
        return;
    }
    TColor fill = d->buttonColor;
    if (down && isSet(d->buttonColorDown))
        fill = d->buttonColorDown;
    else if (d->buttonHover && isSet(d->buttonColorHot))
        fill = d->buttonColorHot;
    const TRect b{r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    Canvas->Brush()->SetColor(fill);
    Canvas->Pen()->SetColor(fill);
    Canvas->Rectangle(b);
    if (isSet(d->buttonBorderColor)) {
        Canvas->Pen()->SetColor(d->buttonBorderColor);
        Canvas->MoveTo(b.Left, b.Top);
        Canvas->LineTo(b.Left, b.Bottom);
    }
    const TColor arrow = down && isSet(d->buttonTextColorDown) ? d->buttonTextColorDown : d->buttonTextColor;
    if (isSet(arrow)) {
        Canvas->Brush()->SetColor(arrow);
        Canvas->Pen()->SetColor(arrow);
        Canvas->Polygon({{b.Left + 4, b.Top + 7}, {b.Left + 10, b.Top + 7}, {b.Left + 7, b.Top + 10}});
    }
}

void TEsgCustomCombo::drawBorders(TCanvas* Canvas)
{
    const bool none = isEnabled() && !d->flat && !isSet(d->borderColor) && !isSet(d->focusBorderColor);
    if (none || (d->isVista && !isSet(d->borderColor)))
        return;
    const TRect window{0, 0, width(), height()};
    Canvas->Brush()->SetStyle(bsSolid);
    if (!isEnabled() && d->isThemed && !d->disabledBorder) {
        Canvas->Brush()->SetColor(kDisabledThemeFrame);
        Canvas->FrameRect(window);
    } else if (isSet(d->borderColor) && !(d->hasFocus && isSet(d->focusBorderColor))) {
        Canvas->Brush()->SetColor(d->borderColor);
        Canvas->FrameRect(window);
    } else if (isSet(d->focusBorderColor)) {
        if (d->hasFocus) {
            Canvas->Brush()->SetColor(d->focusBorderColor);
            Canvas->FrameRect(window);
        }
    } else {
        drawPlainFrame(Canvas, window);
    }
    if (Style() != csSimple)
        prepareButtonArea(Canvas);
}

// The flat frame without border colours: the parent's colour outside, the
// combo's inside, or a sunken edge while the mouse or the focus is on it.
void TEsgCustomCombo::drawPlainFrame(TCanvas* Canvas, TRect r)
{
    const bool focusShown = d->focusBorder && (d->mouseInControl || d->hasFocus);
    const TColor outer = focusShown ? clBtnFace : parentColor(this);
    if (focusShown) {
        Canvas->Pen()->SetColor(clBtnShadow);
        Canvas->MoveTo(r.Left, r.Bottom - 1);
        Canvas->LineTo(r.Left, r.Top);
        Canvas->LineTo(r.Right, r.Top);
        Canvas->Pen()->SetColor(clBtnHighlight);
        Canvas->MoveTo(r.Right - 1, r.Top + 1);
        Canvas->LineTo(r.Right - 1, r.Bottom - 1);
        Canvas->LineTo(r.Left - 1, r.Bottom - 1);
        InflateRect(r, -1, -1);
        Canvas->Brush()->SetColor(outer);
        Canvas->FrameRect(r);
    } else {
        Canvas->Brush()->SetColor(outer);
        Canvas->FrameRect(r);
        InflateRect(r, -1, -1);
        Canvas->FrameRect(TRect{r.Left, r.Top, r.Right - d->buttonWidth, r.Bottom});
    }
    InflateRect(r, -1, -1);
    Canvas->Brush()->SetColor(Color());
    Canvas->FrameRect(TRect{r.Left, r.Top, r.Right - (focusShown ? 0 : d->buttonWidth), r.Bottom});
    if (d->flat && isSet(d->flatLineColor)) {
        Canvas->Pen()->SetColor(d->flatLineColor);
        Canvas->MoveTo(r.Left - 2, height() - 1);
        Canvas->LineTo(r.Right - d->buttonWidth - 1, height() - 1);
    }
}

bool TEsgCustomCombo::isHot() const { return d->mouseInControl || hasFocus(); }

// While the combo is not hot, the ring around the button takes the button-face
// colour so the button stands apart from the frame.
void TEsgCustomCombo::prepareButtonArea(TCanvas* Canvas)
{
    if (isHot())
        return;
    const int w = width(), h = height(), bw = d->buttonWidth;
    const TRect outer{w - bw, 3, w - 3, h - 3};
    const TRect inner{w - bw + 4, 4, w - 4, h - 4};
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(TRect{outer.Left, outer.Top, outer.Right, inner.Top});
    Canvas->FillRect(TRect{outer.Left, inner.Bottom, outer.Right, outer.Bottom});
    Canvas->FillRect(TRect{outer.Left, inner.Top, inner.Left, inner.Bottom});
    Canvas->FillRect(TRect{inner.Right, inner.Top, outer.Right, inner.Bottom});
}
