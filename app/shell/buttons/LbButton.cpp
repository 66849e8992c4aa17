#include "app/shell/buttons/LbButton.h"

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/window/KeyActivation.h"

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QAccessible>
#include <QtGui/QImage>
#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>
#include <QtGui/QShortcutEvent>
#include <QtWidgets/QMenu>

void InstallLbButtonAccessibility();

namespace {

const TColor kMagenta = RGB(255, 0, 255);
const int kFadeInterval = 30;
const int kFullHotTrack = 8;

bool isTransparentStyle(TLbButtonStyle style) {
  return style == bsModern || style == bsShape || style == bsQuicken;
}

void clearMagenta(QImage& image) {
  const QRgb key = qRgb(255, 0, 255);
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == key) {
        line[x] = 0;
      }
    }
  }
}

}  // namespace

struct TLbButton::Data {
  TAlignment alignment = taCenter;
  TColor shadowColor = clGray;
  TColor colorWhenDown = clNone;
  bool flat = false;
  bool wordWrap = false;
  QImage glyph;
  TColor hotTrackColor = clNone;
  TFont hotTrackFont;
  TLbButtonKind kind = bkCustom;
  TLbButtonLayout layout = blGlyphLeft;
  TColor lightColor = clWhite;
  TModalResult modalResult = mrNone;
  int numGlyphs = 0;
  bool useHotTrackFont = false;
  TLbButtonStyle style = bsNormal;
  bool isDefault = false;
  bool cancel = false;
  bool slowDecease = false;
  bool down = false;
  bool cursorOnButton = false;
  bool destroying = false;
  QTimer* fadeTimer = nullptr;  // exists while SlowDecease is on
  int hotTrackStep = 0;
  QString caption;
  QPointer<QMenu> popupMenu;
  int shortcutId = 0;
  platform::KeyPressTracker keys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
};

TLbButton::TLbButton(QWidget* owner)
    : QWidget(owner), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  InstallLbButtonAccessibility();
  resize(100, 23);
  setFocusPolicy(Qt::StrongFocus);
  if (owner) {
    if (auto* form = dynamic_cast<TForm*>(owner->window())) {
      d->hotTrackFont.Assign(form->Font());
    }
  }
}

TLbButton::~TLbButton() {
  d->destroying = true;
  delete d->fadeTimer;
}

TAlignment TLbButton::Alignment() const { return d->alignment; }

void TLbButton::SetAlignment(TAlignment alignment) {
  d->alignment = alignment;
  repaint();
}

bool TLbButton::Cancel() const { return d->cancel; }
void TLbButton::SetCancel(bool cancel) { d->cancel = cancel; }

QString TLbButton::Caption() const { return d->caption; }

void TLbButton::SetCaption(const QString& caption) {
  d->caption = caption;
  updateAccelerator();
  if (QAccessible::isActive()) {
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
  }
  update();
}

TLbColorStyle TLbButton::ColorStyle() const { return lcsCustom; }

void TLbButton::SetColorStyle(TLbColorStyle style) {
  TLbColorStyleColors colors;
  if (!GetColorStyleColors(style, colors)) {
    return;
  }
  d->flat = colors.Flat;
  SetColor(colors.Color);
  d->lightColor = colors.LightColor;
  d->shadowColor = colors.ShadowColor;
  d->colorWhenDown = colors.ColorWhenDown;
  d->hotTrackColor = colors.HotTrackColor;
  Font().SetColor(colors.FontColor);
  d->style = colors.Style;
  repaint();
}

TColor TLbButton::ColorWhenDown() const { return d->colorWhenDown; }
void TLbButton::SetColorWhenDown(TColor color) { d->colorWhenDown = color; }

bool TLbButton::Default() const { return d->isDefault; }
void TLbButton::SetDefault(bool isDefault) { d->isDefault = isDefault; }

bool TLbButton::Flat() const { return d->flat; }

void TLbButton::SetFlat(bool flat) {
  d->flat = flat;
  repaint();
}

const QImage& TLbButton::Glyph() const { return d->glyph; }

void TLbButton::SetGlyph(const QImage& glyph) {
  d->glyph = glyph;
  d->numGlyphs = glyph.height() > 0 ? glyph.width() / glyph.height() : 0;
  d->kind = bkCustom;
  update();
}

TColor TLbButton::HotTrackColor() const { return d->hotTrackColor; }
void TLbButton::SetHotTrackColor(TColor color) { d->hotTrackColor = color; }

TFont& TLbButton::HotTrackFont() { return d->hotTrackFont; }
void TLbButton::SetHotTrackFont(const TFont& font) { d->hotTrackFont.Assign(font); }

TLbButtonKind TLbButton::Kind() const { return d->kind; }

void TLbButton::SetKind(TLbButtonKind kind) {
  TLbKindPreset preset;
  if (GetKindPreset(kind, preset)) {
    d->numGlyphs = 2;
    d->modalResult = preset.ModalResult;
    d->glyph = LoadLbButtonGlyph(preset.GlyphResource);
    SetCaption(preset.Caption);
  }
  d->kind = kind;
  update();
}

TLbButtonLayout TLbButton::Layout() const { return d->layout; }

void TLbButton::SetLayout(TLbButtonLayout layout) {
  d->layout = layout;
  repaint();
}

TColor TLbButton::LightColor() const { return d->lightColor; }

void TLbButton::SetLightColor(TColor color) {
  d->lightColor = color;
  repaint();
}

TModalResult TLbButton::ModalResult() const { return d->modalResult; }

void TLbButton::SetModalResult(TModalResult result) {
  d->modalResult = result;
  d->kind = bkCustom;
}

int TLbButton::NumGlyphs() const { return d->numGlyphs; }

void TLbButton::SetNumGlyphs(int count) {
  d->numGlyphs = count;
  update();
}

TColor TLbButton::ShadowColor() const { return d->shadowColor; }

void TLbButton::SetShadowColor(TColor color) {
  d->shadowColor = color;
  repaint();
}

bool TLbButton::SlowDecease() const { return d->slowDecease; }

void TLbButton::SetSlowDecease(bool slow) {
  d->slowDecease = slow;
  if (slow && !d->fadeTimer) {
    d->fadeTimer = new QTimer(this);
    d->fadeTimer->setInterval(kFadeInterval);
    connect(d->fadeTimer, &QTimer::timeout, this, &TLbButton::HotTrackTick);
  } else if (!slow && d->fadeTimer) {
    d->hotTrackStep = 0;
    delete d->fadeTimer;
    d->fadeTimer = nullptr;
  }
  update();
}

TLbButtonStyle TLbButton::Style() const { return d->style; }

void TLbButton::SetStyle(TLbButtonStyle style) {
  d->style = style;
  update();
}

bool TLbButton::UseHotTrackFont() const { return d->useHotTrackFont; }
void TLbButton::SetUseHotTrackFont(bool use) { d->useHotTrackFont = use; }

bool TLbButton::WordWrap() const { return d->wordWrap; }

void TLbButton::SetWordWrap(bool wrap) {
  d->wordWrap = wrap;
  repaint();
}

QMenu* TLbButton::PopupMenu() const { return d->popupMenu; }
void TLbButton::SetPopupMenu(QMenu* menu) { d->popupMenu = menu; }

int TLbButton::HotTrackStep() const { return d->hotTrackStep; }
bool TLbButton::Down() const { return d->down; }

void TLbButton::Click() {
  setDown(true);
  runClickAction();
}

void TLbButton::runClickAction() {
  if (!Visible() || !Enabled() || !d->down) {
    return;
  }
  setDown(false);
  // OnClick may close and free the window and this button with it.
  QPointer<TLbButton> alive(this);
  if (OnClick) {
    OnClick(this);
  }
  if (!alive) {
    return;
  }
  if (d->modalResult != mrNone) {
    if (auto* form = dynamic_cast<TForm*>(window())) {
      form->SetModalResult(d->modalResult);
    }
  }
  if (alive && d->popupMenu) {
    d->popupMenu->popup(mapToGlobal(QPoint(0, height())));
  }
}

void TLbButton::HotTrackTick() {
  if (d->destroying) {
    return;
  }
  --d->hotTrackStep;
  if (d->hotTrackStep <= 0) {
    if (d->fadeTimer) {
      d->fadeTimer->stop();
    }
    d->hotTrackStep = 0;
  }
  repaint();
}

void TLbButton::setDown(bool down) {
  if (d->down == down) {
    return;
  }
  d->down = down;
  if (QAccessible::isActive()) {
    QAccessible::State changed;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

bool TLbButton::interactive() const {
  return Enabled() && Visible() && parentWidget() && parentWidget()->isVisible();
}

void TLbButton::updateAccelerator() { platform::GrabAccelerator(*this, d->caption, d->shortcutId); }

bool TLbButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (shortcut->shortcutId() == d->shortcutId && interactive()) {
      Click();
      return true;
    }
  }
  return QWidget::event(event);
}

void TLbButton::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (!interactive()) {
    return;
  }
  d->cursorOnButton = true;
  d->hotTrackStep = kFullHotTrack;
  repaint();
  if (OnMouseEnter) {
    OnMouseEnter(this);
  }
}

void TLbButton::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  d->cursorOnButton = false;
  if (d->slowDecease && d->fadeTimer) {
    if (!d->fadeTimer->isActive()) {
      d->fadeTimer->start();
    }
  } else {
    d->hotTrackStep = 0;
    repaint();
  }
  if (interactive() && OnMouseExit) {
    OnMouseExit(this);
  }
}

void TLbButton::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  event->accept();
  if (Enabled() && event->button() == Qt::LeftButton) {
    setDown(true);
    SetFocus();
    repaint();
  }
}

// The click happens wherever the pointer is at release.
void TLbButton::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  event->accept();
  QPointer<TLbButton> alive(this);
  if (d->down) {
    Click();
  }
  if (alive) {
    setDown(false);
    repaint();
  }
}

void TLbButton::keyPressEvent(QKeyEvent* event) {
  QWidget::keyPressEvent(event);
  if (Enabled() && d->keys.Activates(event->key())) {
    event->accept();
    if (d->keys.Press(*event)) {
      setDown(true);
      repaint();
    }
  }
}

// Only the release of a press this button received clicks it.
void TLbButton::keyReleaseEvent(QKeyEvent* event) {
  QWidget::keyReleaseEvent(event);
  if (!d->keys.Activates(event->key())) {
    return;
  }
  event->accept();
  if (!d->keys.Release(*event)) {
    return;
  }
  QPointer<TLbButton> alive(this);
  Click();
  if (alive) {
    repaint();
  }
}

void TLbButton::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  repaint();
}

// A key held on the button is let go without a click.
void TLbButton::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (d->keys.Held()) {
    d->keys.Cancel();
    setDown(false);
  }
  repaint();
}

void TLbButton::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) {
    d->keys.Cancel();
    setDown(false);
    repaint();
  }
}

void TLbButton::ApplyFont(const QFont& font, TColor textColor) {
  platform::TControl::ApplyFont(font, textColor);
  update();
}

// The face paints the whole area itself; the parent shows through where the
// transparent styles leave it.
void TLbButton::ApplyColor(TColor) { repaint(); }

TLbButtonFace TLbButton::currentFace(bool focused) {
  TLbButtonFace face;
  face.W = width();
  face.H = height();
  face.Alignment = d->alignment;
  face.Caption = d->caption;
  face.Layout = d->layout;
  face.Hot = d->cursorOnButton || focused;
  face.Font = (face.Hot && d->useHotTrackFont) ? &d->hotTrackFont : &Font();
  face.ShadowColor = d->shadowColor;
  face.LightColor = d->lightColor;
  face.HotTrackColor = d->hotTrackColor;
  face.ColorWhenDown = d->colorWhenDown;
  face.Color = Color();
  face.Style = d->style;
  face.HasPopup = !d->popupMenu.isNull();
  face.WordWrap = d->wordWrap;
  face.Flat = d->flat;
  face.Enabled = isEnabled();
  face.Down = d->down;
  face.Glyph = d->glyph;
  face.NumGlyphs = d->numGlyphs;
  face.HotTrackStep = d->hotTrackStep;
  return face;
}

// A focused old-style button: the face two pixels smaller, moved in by one, in a
// black frame; pressed, both of its edges take the shadow colour.
void TLbButton::paintOldFocused(QImage& bitmap, TLbButtonFace face) {
  face.W -= 2;
  face.H -= 2;
  if (face.Down) {
    face.LightColor = face.ShadowColor;
  }
  {
    TCanvas canvas(&bitmap);
    DrawLbButtonFace(canvas, face);
  }
  const QImage shifted = bitmap.copy();
  TCanvas frame(&bitmap);
  frame.painter()->drawImage(1, 1, shifted);
  frame.Pen()->SetColor(clBlack);
  frame.Brush()->SetStyle(bsClear);
  frame.Rectangle(0, 0, bitmap.width(), bitmap.height());
}

void TLbButton::paintEvent(QPaintEvent*) {
  if (d->destroying || width() <= 0 || height() <= 0) {
    return;
  }
  const bool focused = hasFocus();
  const TLbButtonFace face = currentFace(focused);
  QImage bitmap(face.W, face.H, QImage::Format_ARGB32);
  const bool transparent = isTransparentStyle(d->style);
  bitmap.fill(transparent ? ToQColor(kMagenta) : QColor(Qt::white));
  if (d->style == bsOld && focused) {
    paintOldFocused(bitmap, face);
  } else {
    TCanvas canvas(&bitmap);
    DrawLbButtonFace(canvas, face);
  }
  if (transparent) {
    clearMagenta(bitmap);
  }
  QPainter painter(this);
  painter.drawImage(0, 0, bitmap);
  if (focused && isEnabled() && d->style != bsShape) {
    TCanvas canvas(&painter);
    canvas.DrawFocusRect(Rect(4, 4, width() - 4, height() - 4));
  }
}
