#include "platform/ui/paint/Font.h"

#include "platform/ui/paint/WindowFonts.h"

#include <QtGui/QFont>
#include <QtGui/QFontMetrics>

#include <cmath>
#include <limits>

namespace platform {

int MulDiv(int a, int b, int c) {
  if (c == 0) {
    return -1;
  }
  const long long product = static_cast<long long>(a) * b;
  const long long half = (c > 0 ? c : -c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const long long magnitude = ((product < 0 ? -product : product) + half) / (c > 0 ? c : -c);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace platform

struct TFont::Data {
  QString name = QStringLiteral("Tahoma");
  int height = -11;
  TFontStyles style;
  TColor color = clWindowText;
  int orientation = 0;
  TFontCharset charset = DEFAULT_CHARSET;
};

TFont::TFont() : d(std::make_unique<Data>()) {}

TFont::~TFont() = default;

void TFont::changed() {
  if (OnChange) {
    OnChange(this);
  }
}

QString TFont::Name() const { return d->name; }

void TFont::SetName(const QString& name) {
  if (name.isEmpty() || name == d->name) {
    return;
  }
  d->name = name;
  changed();
}

namespace {
// Sizes and heights have opposite signs; the most negative value read from a
// file has no positive counterpart and stays the largest one instead.
int negated(int value) { return value == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -value; }
}  // namespace

int TFont::Size() const {
  return negated(platform::MulDiv(d->height, 72, platform::ScreenPixelsPerInch));
}

void TFont::SetSize(int points) {
  SetHeight(negated(platform::MulDiv(points, platform::ScreenPixelsPerInch, 72)));
}

int TFont::Height() const { return d->height; }

void TFont::SetHeight(int pixels) {
  if (pixels == d->height) {
    return;
  }
  d->height = pixels;
  changed();
}

TFontStyles TFont::Style() const { return d->style; }

void TFont::SetStyle(TFontStyles style) {
  if (style == d->style) {
    return;
  }
  d->style = style;
  changed();
}

TColor TFont::Color() const { return d->color; }

void TFont::SetColor(TColor color) {
  if (color == d->color) {
    return;
  }
  d->color = color;
  changed();
}

int TFont::Orientation() const { return d->orientation; }

void TFont::SetOrientation(int tenthsOfDegree) {
  if (tenthsOfDegree == d->orientation) {
    return;
  }
  d->orientation = tenthsOfDegree;
  changed();
}

TFontCharset TFont::Charset() const { return d->charset; }

void TFont::SetCharset(TFontCharset charset) {
  if (charset == d->charset) {
    return;
  }
  d->charset = charset;
  changed();
}

void TFont::Assign(const TFont& source) {
  if (&source == this) {
    return;
  }
  *d = *source.d;
  changed();
}

bool TFont::SameAs(const TFont& other) const {
  return d->name == other.d->name && d->height == other.d->height &&
         d->style == other.d->style && d->color == other.d->color &&
         d->orientation == other.d->orientation && d->charset == other.d->charset;
}

QFont TFont::ToQFont() const {
  QFont font;
  const QString family = platform::FontFamilyFor(d->name);
  font.setFamilies({family, QStringLiteral("DejaVu Sans")});
  font.setBold(d->style.testFlag(fsBold));
  font.setItalic(d->style.testFlag(fsItalic));
  font.setUnderline(d->style.testFlag(fsUnderline));
  font.setStrikeOut(d->style.testFlag(fsStrikeOut));
  font.setKerning(false);
  const int height = d->height == 0 ? -11 : d->height;
  if (height < 0) {
    font.setPixelSize(-height);
    return font;
  }
  // A positive height is the whole cell (ascent + descent): scale the em size so
  // that the cell of the chosen family comes out at that height.
  font.setPixelSize(height);
  const int cell = QFontMetrics(font).height();
  if (cell > 0 && cell != height) {
    font.setPixelSize(std::max(1, int(std::lround(double(height) * height / cell))));
  }
  return font;
}
