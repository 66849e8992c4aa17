#include "platform/ui/controls/Buttons.h"

#include "platform/picture/Bitmap.h"

#include <algorithm>

struct TSpeedButton::Data {
  std::unique_ptr<TBitmap> glyph;
  int numGlyphs = 1;
};

TSpeedButton::TSpeedButton(QWidget* parent)
    : QToolButton(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  setFocusPolicy(Qt::NoFocus);
  resize(23, 22);
  connect(this, &QToolButton::clicked, this, [this] { Click(); });
}

TSpeedButton::~TSpeedButton() = default;

QString TSpeedButton::Caption() const { return text(); }
void TSpeedButton::SetCaption(const QString& caption) { setText(caption); }

bool TSpeedButton::Flat() const { return autoRaise(); }
void TSpeedButton::SetFlat(bool flat) { setAutoRaise(flat); }

bool TSpeedButton::Down() const { return isDown(); }
void TSpeedButton::SetDown(bool down) { setDown(down); }

TBitmap* TSpeedButton::Glyph() const { return d->glyph.get(); }

void TSpeedButton::SetGlyph(const TBitmap* glyph) {
  if (!glyph) {
    d->glyph.reset();
  } else {
    if (!d->glyph) d->glyph = std::make_unique<TBitmap>();
    d->glyph->Assign(glyph);
  }
  update();
}

int TSpeedButton::NumGlyphs() const { return d->numGlyphs; }
void TSpeedButton::SetNumGlyphs(int count) { d->numGlyphs = std::clamp(count, 1, 4); }

void TSpeedButton::Click() {
  if (OnClick) OnClick(this);
}
