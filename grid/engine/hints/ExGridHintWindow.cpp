// The grid's small windows: the markup hint window, kept inside its monitor and
// never activated; the picture window of a drag; the header drag button.

#include "grid/engine/hints/ExGridHintWindow.h"

#include "grid/engine/ExGrid.h"
#include "grid/foundation/markup/EsgHTMLE.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"
#include "platform/ui/paint/Font.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QPainter>
#include <QtGui/QScreen>

namespace {

// Wide texts and markup are measured this wide when a hint is shown.
constexpr int ActivateMeasureWidth = 1008;

QString& hintFontName()
{
    static QString name = QStringLiteral("Tahoma");
    return name;
}

bool isWideText(const QString& text) { return ClassifyCellText(text, true) == ctWideEncoded; }

// A top-level window that shows without taking the activation or the focus.
void makeNonActivating(QWidget* w, Qt::WindowFlags kind)
{
    w->setWindowFlags(kind | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

QString HTMLHintFontName() { return hintFontName(); }
void SetHTMLHintFontName(const QString& Name) { hintFontName() = Name; }

TRect FitHintOnMonitor(TRect R, const TRect& Monitor)
{
    if (R.Right > Monitor.Right)
        OffsetRect(R, Monitor.Right - 2 - R.Right, 0);
    if (R.Bottom > Monitor.Bottom)
        OffsetRect(R, 0, Monitor.Bottom - 2 - R.Bottom);
    return R;
}

// ---- THTMLHintWindow ---------------------------------------------------------------

struct THTMLHintWindow::Data {
    QString text;
    QString wideCaption;
    TColor color = clInfoBk;
    TSize textSize{0, 0};
    TImageList* images = nullptr;
    TExStringGrid* grid = nullptr;
};

THTMLHintWindow::THTMLHintWindow(QWidget* AOwner) : QWidget(AOwner), d(std::make_unique<Data>())
{
    makeNonActivating(this, Qt::ToolTip);
    hide();
}

THTMLHintWindow::~THTMLHintWindow() = default;

TSize THTMLHintWindow::measure(int MaxWidth, const QString& AHint)
{
    QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&surface);
    canvas.Font()->SetName(font().family());
    canvas.Font()->SetHeight(-qMax(1, fontMetrics().height() - fontMetrics().descent()));
    if (isWideText(AHint)) {
        canvas.Font()->SetName(hintFontName());
        TRect r = Rect(0, 0, MaxWidth, 0);
        DrawText(&canvas, DecodeWideCellText(AHint), r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return {r.Width(), r.Height()};
    }
    QString anchor, plain, focusAnchor, title, controlID, controlValue, controlType;
    int width = 0, height = 0, anchors = 0, hitIndex = 0;
    TRect hitRect, controlRect;
    RenderMarkupText(&canvas, AHint, Rect(0, 0, MaxWidth, 4096), d->images, 0, 0, -1, -1, 1, false, true, false,
                     false, true, false, true, false, 1.0, clBlue, clNone, clNone, clGray, anchor, plain, focusAnchor,
                     title, width, height, anchors, hitIndex, hitRect, controlRect, controlID, controlValue,
                     controlType, nullptr, nullptr, this, bdLeftToRight);
    return {width, height};
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint, TObject*)
{
    const TSize size = measure(MaxWidth, AHint);
    return Rect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::ActivateHintData(const TRect& Rect, const QString& AHint, TObject* AData)
{
    if (auto* grid = dynamic_cast<TExStringGrid*>(AData)) {
        d->grid = grid;
        d->images = grid->GridImages();
    }
    ActivateHint(Rect, AHint);
}

void THTMLHintWindow::ActivateHint(const TRect& Rect, const QString& AHint)
{
    d->text = AHint;
    const bool wide = isWideText(AHint);
    d->wideCaption = wide ? DecodeWideCellText(AHint) : QString();
    d->textSize = measure(ActivateMeasureWidth, AHint);
    const int extraX = wide ? 8 : 16;
    TRect r = ::Rect(Rect.Left, Rect.Top, Rect.Left + d->textSize.cx + extraX, Rect.Top + d->textSize.cy + 4);
    const QScreen* screen = QGuiApplication::screenAt(QPoint(Rect.Left, Rect.Top));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        r = FitHintOnMonitor(r, FromQRect(screen->geometry()));
    setGeometry(ToQRect(r));
    show();
    update();
}

void THTMLHintWindow::ReleaseHandle() { hide(); }

QString THTMLHintWindow::Text() const { return d->text; }

QString THTMLHintWindow::Caption() const { return d->wideCaption.isEmpty() ? d->text : d->wideCaption; }

TColor THTMLHintWindow::Color() const { return d->color; }

void THTMLHintWindow::SetColor(TColor Value)
{
    d->color = Value;
    update();
}

void THTMLHintWindow::paintEvent(QPaintEvent*)
{
    TCanvas canvas(this);
    const TRect client = Rect(0, 0, width(), height());
    canvas.Brush()->SetColor(d->color);
    canvas.FillRect(client);
    canvas.Pen()->SetColor(cl3DLight);
    canvas.MoveTo(0, client.Bottom - 2);
    canvas.LineTo(0, 0);
    canvas.LineTo(client.Right - 1, 0);
    canvas.Pen()->SetColor(cl3DDkShadow);
    canvas.LineTo(client.Right - 1, client.Bottom - 1);
    canvas.LineTo(-1, client.Bottom - 1);
    const int top = (client.Height() - d->textSize.cy) / 2;
    TRect text = Rect(4, top, client.Right - 4, top + d->textSize.cy + 8);
    canvas.SetBkMode(TRANSPARENT);
    canvas.Font()->SetName(font().family());
    if (!d->wideCaption.isEmpty() || isWideText(d->text)) {
        canvas.Font()->SetName(hintFontName());
        DrawText(&canvas, d->wideCaption, text, DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    QString anchor, plain, focusAnchor, title, controlID, controlValue, controlType;
    int w = 0, h = 0, anchors = 0, hitIndex = 0;
    TRect hitRect, controlRect;
    RenderMarkupText(&canvas, d->text, text, d->images, 0, 0, -1, -1, 1, false, false, false, false, true, false,
                     true, false, 1.0, clBlue, clNone, clNone, clGray, anchor, plain, focusAnchor, title, w, h,
                     anchors, hitIndex, hitRect, controlRect, controlID, controlValue, controlType, nullptr, nullptr,
                     this, bdLeftToRight);
}

// ---- TNoActiveForm ------------------------------------------------------------------

TNoActiveForm::TNoActiveForm(QWidget* AOwner) : QWidget(AOwner)
{
    makeNonActivating(this, Qt::ToolTip);
    setEnabled(false);
    hide();
}

void TNoActiveForm::SetPicture(const QImage& Picture)
{
    m_picture = Picture;
    resize(Picture.size());
    update();
}

const QImage& TNoActiveForm::Picture() const { return m_picture; }

void TNoActiveForm::SetAlphaBlendValue(int Value)
{
    m_alpha = qBound(0, Value, 255);
    setWindowOpacity(m_alpha / 255.0);
}

int TNoActiveForm::AlphaBlendValue() const { return m_alpha; }

void TNoActiveForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), m_picture);
}

// ---- THeaderDragButton --------------------------------------------------------------

THeaderDragButton::THeaderDragButton(TExStringGrid* AGrid) : QWidget(AGrid), m_grid(AGrid)
{
    makeNonActivating(this, Qt::ToolTip);
    setEnabled(false);
    hide();
}

QString THeaderDragButton::Caption() const { return m_caption; }

void THeaderDragButton::SetCaption(const QString& Value)
{
    m_caption = Value;
    update();
}

bool THeaderDragButton::Flat() const { return m_flat; }

void THeaderDragButton::SetFlat(bool Value) { m_flat = Value; }

void THeaderDragButton::paintEvent(QPaintEvent*)
{
    TCanvas canvas(this);
    TRect r = Rect(0, 0, width(), height());
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(r);
    if (m_grid)
        m_grid->PaintCellExt(&canvas, 0, 0, r, TGridDrawState(gdFixed));
    canvas.SetBkMode(TRANSPARENT);
    if (m_grid)
        canvas.SetFont(*m_grid->FixedFont());
    canvas.Pen()->SetColor(clBtnShadow);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(r);
    if (m_caption.contains(QStringLiteral("</"))) {
        QString anchor, plain, focusAnchor, title, controlID, controlValue, controlType;
        int w = 0, h = 0, anchors = 0, hitIndex = 0;
        TRect hitRect, controlRect;
        RenderMarkupText(&canvas, m_caption, r, m_grid ? m_grid->GridImages() : nullptr, 0, 0, -1, -1, 1, false,
                         false, false, false, true, false, false, false, 1.0, clBlue, clNone, clNone, clGray, anchor,
                         plain, focusAnchor, title, w, h, anchors, hitIndex, hitRect, controlRect, controlID,
                         controlValue, controlType, nullptr, nullptr, this, bdLeftToRight);
        return;
    }
    DrawText(&canvas, m_caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}
