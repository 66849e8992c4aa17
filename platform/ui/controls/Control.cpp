#include "platform/ui/controls/Control.h"

#include "platform/ui/paint/Font.h"

#include <QtCore/QEvent>
#include <QtCore/QPointer>
#include <QtGui/QCursor>
#include <QtGui/QFont>
#include <QtGui/QPalette>
#include <QtWidgets/QWidget>

#include <algorithm>
#include <vector>

namespace platform {

QString StripAccelerator(const QString& caption) {
  QString shown;
  shown.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') {
        shown += u'&';
        ++i;
      }
      continue;
    }
    shown += caption[i];
  }
  return shown;
}

QChar AcceleratorChar(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return caption[i + 1];
  }
  return QChar();
}

QString AcceleratorKeyText(const QString& caption) {
  const QChar key = AcceleratorChar(caption);
  return key.isNull() ? QString() : QStringLiteral("Alt+") + key.toUpper();
}

QString ShortHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.left(bar);
}

TControl* AsControl(QObject* object) { return dynamic_cast<TControl*>(object); }

void RealignControls(QWidget* parent);

namespace {

// Lays out the aligned controls of one parent whenever the parent is resized.
class AlignArranger : public QObject {
 public:
  explicit AlignArranger(QWidget* parent) : QObject(parent) {
    setObjectName(QStringLiteral("platform_align_arranger"));
    parent->installEventFilter(this);
  }

  static AlignArranger* Of(QWidget* parent) {
    for (QObject* child : parent->children())
      if (auto* arranger = dynamic_cast<AlignArranger*>(child)) return arranger;
    return nullptr;
  }

  void Arrange() {
    auto* parent = static_cast<QWidget*>(this->parent());
    QRect free = parent->contentsRect();
    std::vector<TControl*> controls[alClient + 1];
    for (QObject* child : parent->children()) {
      TControl* control = AsControl(child);
      if (control && control->Align() != alNone && control->Visible())
        controls[control->Align()].push_back(control);
    }
    auto byTop = [](TControl* a, TControl* b) { return a->Top() < b->Top(); };
    auto byLeft = [](TControl* a, TControl* b) { return a->Left() < b->Left(); };
    std::stable_sort(controls[alTop].begin(), controls[alTop].end(), byTop);
    std::stable_sort(controls[alBottom].begin(), controls[alBottom].end(),
                     [](TControl* a, TControl* b) { return a->Top() + a->Height() > b->Top() + b->Height(); });
    std::stable_sort(controls[alLeft].begin(), controls[alLeft].end(), byLeft);
    std::stable_sort(controls[alRight].begin(), controls[alRight].end(),
                     [](TControl* a, TControl* b) { return a->Left() + a->Width() > b->Left() + b->Width(); });
    auto place = [](TControl* c, int x, int y, int w, int h) {
      c->Widget().setGeometry(x, y, w, h);
      RealignControls(&c->Widget());
    };
    for (TControl* c : controls[alTop]) {
      place(c, free.left(), free.top(), free.width(), c->Height());
      free.setTop(free.top() + c->Height());
    }
    for (TControl* c : controls[alBottom]) {
      place(c, free.left(), free.bottom() + 1 - c->Height(), free.width(), c->Height());
      free.setBottom(free.bottom() - c->Height());
    }
    for (TControl* c : controls[alLeft]) {
      place(c, free.left(), free.top(), c->Width(), std::max(0, free.height()));
      free.setLeft(free.left() + c->Width());
    }
    for (TControl* c : controls[alRight]) {
      place(c, free.right() + 1 - c->Width(), free.top(), c->Width(), std::max(0, free.height()));
      free.setRight(free.right() - c->Width());
    }
    for (TControl* c : controls[alClient])
      place(c, free.left(), free.top(), std::max(0, free.width()), std::max(0, free.height()));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && event->type() == QEvent::Resize) Arrange();
    return false;
  }
};

void setPaletteColor(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, const QColor& color) {
  QPalette palette = widget.palette();
  for (QPalette::ColorRole role : roles) palette.setColor(role, color);
  widget.setPalette(palette);
}

bool showsTextFont(const QWidget& widget, const QFont& font, TColor textColor) {
  if (!(widget.font() == font)) return false;
  const QColor color = ToQColor(textColor);
  const QPalette& palette = widget.palette();
  return palette.color(QPalette::WindowText) == color && palette.color(QPalette::Text) == color &&
         palette.color(QPalette::ButtonText) == color;
}

// A control placed on a parent comes last in its tab order: its key is one
// more than any key given on that parent so far. The parent remembers the next
// key, so a form's thousand controls do not each scan their earlier siblings.
constexpr char Next_Tab_Key[] = "_next_tab_key";

void raiseNextTabKey(QWidget* parent, int next) {
  if (parent && parent->property(Next_Tab_Key).toInt() < next) parent->setProperty(Next_Tab_Key, next);
}

int takeTabKey(QWidget* parent) {
  if (!parent) return 0;
  const int key = parent->property(Next_Tab_Key).toInt();
  parent->setProperty(Next_Tab_Key, key + 1);
  return key;
}

}  // namespace

struct TControl::Data {
  Data(QWidget& w, TColor c) : widget(w), color(c) {}
  QWidget& widget;
  TColor color;
  bool colorSet = false;
  bool visible = true;
  bool showHint = true;
  QString hint;
  int tabKey = 0;
  TAlign align = alNone;
  TCursor cursor = crDefault;
  std::unique_ptr<TFont> font;
};

namespace {

std::vector<TControl*> siblingControls(QWidget* parent, const QWidget* except) {
  std::vector<TControl*> list;
  if (!parent) return list;
  for (QObject* child : parent->children()) {
    if (child == except) continue;
    if (TControl* control = AsControl(child)) list.push_back(control);
  }
  return list;
}

}  // namespace

TControl::TControl(QWidget& widget, TColor defaultColor) : d(std::make_unique<Data>(widget, defaultColor)) {
  d->tabKey = takeTabKey(widget.parentWidget());
  if (widget.parentWidget()) widget.setVisible(true);
}

TControl::~TControl() = default;

QWidget& TControl::Widget() const { return d->widget; }

QString TControl::Name() const { return d->widget.objectName(); }
void TControl::SetName(const QString& name) { d->widget.setObjectName(name); }

int TControl::Left() const { return d->widget.x(); }
int TControl::Top() const { return d->widget.y(); }
int TControl::Width() const { return d->widget.width(); }
int TControl::Height() const { return d->widget.height(); }
void TControl::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void TControl::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
void TControl::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void TControl::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

void TControl::SetBounds(int left, int top, int width, int height) {
  ChangeBounds(QRect(left, top, std::max(0, width), std::max(0, height)));
  if (d->align != alNone) RealignControls(Parent());
  RealignControls(&d->widget);
}

int TControl::ClientWidth() const { return d->widget.contentsRect().width(); }
int TControl::ClientHeight() const { return d->widget.contentsRect().height(); }

void TControl::ChangeBounds(const QRect& bounds) { d->widget.setGeometry(bounds); }

bool TControl::Visible() const { return d->visible; }

void TControl::SetVisible(bool visible) {
  if (visible == d->visible && visible == !d->widget.isHidden()) return;
  d->visible = visible;
  ChangeVisible(visible);
  if (d->align != alNone) RealignControls(Parent());
}

void TControl::ChangeVisible(bool visible) { d->widget.setVisible(visible); }

bool TControl::Enabled() const { return !d->widget.testAttribute(Qt::WA_ForceDisabled); }
void TControl::SetEnabled(bool enabled) { d->widget.setEnabled(enabled); }

QString TControl::Hint() const { return d->hint; }

void TControl::SetHint(const QString& hint) {
  d->hint = hint;
  d->widget.setToolTip(d->showHint ? ShortHint(hint) : QString());
}

bool TControl::ShowHint() const { return d->showHint; }

void TControl::SetShowHint(bool show) {
  d->showHint = show;
  SetHint(d->hint);
}

int TControl::TabOrder() const {
  int order = 0;
  for (TControl* sibling : siblingControls(Parent(), &d->widget))
    if (sibling->d->tabKey < d->tabKey) ++order;
  return order;
}

void TControl::SetTabOrder(int order) {
  std::vector<TControl*> list = siblingControls(Parent(), &d->widget);
  std::stable_sort(list.begin(), list.end(), [](TControl* a, TControl* b) { return a->d->tabKey < b->d->tabKey; });
  order = std::clamp(order, 0, int(list.size()));
  list.insert(list.begin() + order, this);
  raiseNextTabKey(Parent(), int(list.size()));
  for (size_t i = 0; i < list.size(); ++i) {
    list[i]->d->tabKey = int(i);
    if (i > 0) QWidget::setTabOrder(&list[i - 1]->d->widget, &list[i]->d->widget);
  }
}

bool TControl::TabStop() const { return (d->widget.focusPolicy() & Qt::TabFocus) != 0; }

void TControl::SetTabStop(bool stop) {
  const Qt::FocusPolicy policy = d->widget.focusPolicy();
  if (policy == Qt::NoFocus) return;
  d->widget.setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

TFont& TControl::Font() {
  if (!d->font) {
    d->font = std::make_unique<TFont>();
    const QFont current = d->widget.font();
    d->font->SetName(current.family());
    if (current.pixelSize() > 0)
      d->font->SetHeight(-current.pixelSize());
    else
      d->font->SetSize(qRound(current.pointSizeF()));
    TFontStyles style;
    if (current.bold()) style |= fsBold;
    if (current.italic()) style |= fsItalic;
    if (current.underline()) style |= fsUnderline;
    if (current.strikeOut()) style |= fsStrikeOut;
    d->font->SetStyle(style);
    d->font->SetColor(FromQColor(d->widget.palette().color(QPalette::WindowText)));
    d->font->OnChange = [this](TFont* font) { ApplyFont(font->ToQFont(), font->Color()); };
  }
  return *d->font;
}

// A control whose container already shows the same font and text colour keeps
// inheriting them: setting them again would only make Qt resolve the font and
// lay the control out once more.
void TControl::ApplyFont(const QFont& font, TColor textColor) {
  if (!d->widget.testAttribute(Qt::WA_SetFont) && showsTextFont(d->widget, font, textColor)) return;
  ApplyTextFont(d->widget, font, textColor);
}

void ApplyTextFont(QWidget& widget, const QFont& font, TColor textColor) {
  widget.setFont(font);
  setPaletteColor(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, ToQColor(textColor));
}

TColor TControl::Color() const { return d->color; }

void TControl::SetColor(TColor color) {
  d->color = color;
  d->colorSet = true;
  ApplyColor(color);
}

void TControl::ApplyColor(TColor color) {
  if (color == clNone) {
    d->widget.setAutoFillBackground(false);
    return;
  }
  setPaletteColor(d->widget, {QPalette::Window}, ToQColor(color));
  d->widget.setAutoFillBackground(true);
}

TAlign TControl::Align() const { return d->align; }

Qt::CursorShape CursorShape(TCursor cursor) {
  switch (cursor) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crNoDrop: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
  }
}

TCursor TControl::Cursor() const { return d->cursor; }

void TControl::SetCursor(TCursor cursor) {
  d->cursor = cursor;
  if (cursor == crDefault)
    d->widget.unsetCursor();
  else
    d->widget.setCursor(CursorShape(cursor));
}

void TControl::SetAlign(TAlign align) {
  d->align = align;
  QWidget* parent = Parent();
  if (!parent) return;
  if (align != alNone && !AlignArranger::Of(parent)) new AlignArranger(parent);
  RealignControls(parent);
}

void RealignControls(QWidget* parent) {
  if (!parent) return;
  if (AlignArranger* arranger = AlignArranger::Of(parent)) arranger->Arrange();
}

QWidget* TControl::Parent() const { return d->widget.parentWidget(); }

void TControl::SetParent(QWidget* parent) {
  QWidget* old = Parent();
  d->widget.setParent(parent);
  d->widget.setVisible(d->visible && parent);
  d->tabKey = takeTabKey(parent);
  if (d->align != alNone) {
    RealignControls(old);
    SetAlign(d->align);
  }
}

bool TControl::Focused() const { return d->widget.hasFocus(); }
void TControl::SetFocus() { d->widget.setFocus(Qt::OtherFocusReason); }

bool TControl::CanFocus() const {
  return d->widget.focusPolicy() != Qt::NoFocus && d->widget.isVisible() && d->widget.isEnabled();
}

}  // namespace platform
