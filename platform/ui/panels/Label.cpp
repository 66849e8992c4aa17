#include "platform/ui/panels/Label.h"

#include <QtCore/QHash>
#include <QtGui/QMouseEvent>

#include <algorithm>
#include <vector>

struct TLabel::Data {
  QString caption;
  bool autoSize = true;
  bool transparent = false;
  bool colored = false;  // a colour was set: fill with it unless transparent
  TAlignment alignment = taLeftJustify;
};

TLabel::TLabel(QWidget* parent)
    : QLabel(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  fitText();
}

TLabel::~TLabel() = default;

QString TLabel::Caption() const { return d->caption; }

void TLabel::SetCaption(const QString& caption) {
  d->caption = caption;
  setText(platform::StripAccelerator(caption));
  fitText();
}

bool TLabel::AutoSize() const { return d->autoSize; }

void TLabel::SetAutoSize(bool autoSize) {
  d->autoSize = autoSize;
  fitText();
}

bool TLabel::WordWrap() const { return wordWrap(); }

void TLabel::SetWordWrap(bool wrap) {
  setWordWrap(wrap);
  fitText();
}

TAlignment TLabel::Alignment() const { return d->alignment; }

void TLabel::SetAlignment(TAlignment alignment) {
  d->alignment = alignment;
  const Qt::Alignment horizontal = alignment == taCenter       ? Qt::AlignHCenter
                                   : alignment == taRightJustify ? Qt::AlignRight
                                                                 : Qt::AlignLeft;
  setAlignment(horizontal | Qt::AlignTop);
}

bool TLabel::Transparent() const { return d->transparent; }

void TLabel::SetTransparent(bool transparent) {
  d->transparent = transparent;
  setAutoFillBackground(!transparent && d->colored);
}

void TLabel::ApplyFont(const QFont& font, TColor textColor) {
  platform::TControl::ApplyFont(font, textColor);
  fitText();
}

void TLabel::ApplyColor(TColor color) {
  platform::TControl::ApplyColor(color);
  d->colored = color != clNone;
  if (d->transparent) setAutoFillBackground(false);
}

// An auto-sized label keeps the size of its text wherever it is placed.
void TLabel::ChangeBounds(const QRect& bounds) {
  QRect placed = bounds;
  if (d->autoSize) {
    if (wordWrap())
      placed.setHeight(heightForWidth(bounds.width()));
    else
      placed.setSize(sizeHint());
  }
  setGeometry(placed);
}

void TLabel::fitText() {
  if (!d || !d->autoSize) return;
  if (wordWrap())
    resize(width(), heightForWidth(width()));
  else
    resize(unwrappedSize());
}

// A form's labels repeat their texts (the dots between address octets, the
// same captions on many panels), and measuring a text means shaping it: a size
// measured once for a text in a font serves every plain label showing it.
// Margins, indents and frames change the size, so labels with any of them are
// measured each time.
QSize TLabel::unwrappedSize() const {
  struct Measured {
    QFont font;
    QHash<QString, QSize> sizes;
  };
  static std::vector<Measured> measured;
  if (margin() != 0 || indent() != -1 || frameWidth() != 0 || !contentsMargins().isNull() ||
      textFormat() != Qt::PlainText)
    return sizeHint();
  const QFont shown = font();
  auto inFont = std::find_if(measured.begin(), measured.end(), [&](const Measured& m) { return m.font == shown; });
  if (inFont == measured.end()) {
    if (measured.size() >= 16) measured.clear();
    measured.push_back({shown, {}});
    inFont = measured.end() - 1;
  }
  const auto found = inFont->sizes.constFind(text());
  if (found != inFont->sizes.cend()) return *found;
  if (inFont->sizes.size() >= 4096) inFont->sizes.clear();  // a label counting up, say
  const QSize size = sizeHint();
  inFont->sizes.insert(text(), size);
  return size;
}

void TLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick(this);
}

void TLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick(this);
}
