#include "app/shell/buttons/LbButtons.h"

#include <array>

namespace {

struct ColorStyleRow {
  TLbColorStyle style;
  TLbColorStyleColors colors;
};

const std::array<ColorStyleRow, 10> colorStyleRows = {{
    {lcsGold, {RGB(192, 192, 0), RGB(255, 255, 0), RGB(128, 128, 0), clNone, RGB(223, 223, 0), clBlack, bsModern, false}},
    {lcsChrome, {RGB(192, 192, 192), RGB(255, 255, 255), RGB(128, 128, 128), clNone, clNone, clBlack, bsModern, false}},
    {lcsBlue, {RGB(0, 128, 255), RGB(0, 255, 255), RGB(0, 0, 255), clNone, clNone, clBlack, bsModern, false}},
    {lcsRed, {RGB(255, 0, 0), RGB(255, 192, 192), RGB(192, 0, 0), clNone, clNone, clBlack, bsModern, false}},
    {lcsUltraFlat1, {clBtnFace, RGB(132, 146, 181), RGB(132, 146, 181), RGB(132, 146, 181), RGB(214, 211, 222), clBlack, bsNormal, true}},
    {lcsUltraFlat2, {clBtnFace, RGB(0, 0, 0), RGB(0, 0, 0), RGB(188, 218, 36), RGB(228, 246, 140), clBlack, bsNormal, true}},
    {lcsUltraFlatXP, {RGB(219, 216, 209), RGB(132, 146, 181), RGB(133, 146, 181), RGB(133, 146, 181), RGB(182, 189, 210), clBlack, bsNormal, true}},
    {lcsAqua, {RGB(148, 206, 236), RGB(212, 230, 252), RGB(0, 0, 0), clNone, clNone, clBlack, bsModern, false}},
    {lcsDefault, {clBtnFace, RGB(255, 255, 255), RGB(128, 128, 128), clNone, clNone, clBlack, bsNormal, false}},
    {lcsQuicken, {RGB(0, 48, 96), RGB(192, 192, 192), RGB(192, 192, 192), RGB(41, 101, 173), RGB(156, 174, 206), clWhite, bsQuicken, false}},
}};

struct KindRow {
  TLbButtonKind kind;
  int modalResult;
  const char* glyph;
  const char16_t* caption;
};

// Modal results: 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No, 12 All.
const std::array<KindRow, 10> kindRows = {{
    {bkOK, 1, "LBOK", u"OK"},
    {bkCancel, 2, "LBCANCEL", u"Abbrechen"},
    {bkHelp, 0, "LBHELP", u"Hilfe"},
    {bkYes, 6, "LBYES", u"Ja"},
    {bkNo, 7, "LBNO", u"Nein"},
    {bkClose, 0, "LBCLOSE", u"Schlie\u00DFen"},
    {bkAbort, 3, "LBABORT", u"Abbrechen"},
    {bkRetry, 4, "LBRETRY", u"Wiederholen"},
    {bkIgnore, 5, "LBIGNORE", u"Ignorieren"},
    {bkAll, 12, "LBALL", u"Alle"},
}};

int blendChannel(int c, int h, double t) {
  return int(c * (1.0 - t) + h * t);
}

}  // namespace

bool GetColorStyleColors(TLbColorStyle style, TLbColorStyleColors& colors) {
  for (const ColorStyleRow& row : colorStyleRows) {
    if (row.style == style) {
      colors = row.colors;
      return true;
    }
  }
  return false;
}

bool GetKindPreset(TLbButtonKind kind, TLbKindPreset& preset) {
  for (const KindRow& row : kindRows) {
    if (row.kind == kind) {
      preset.ModalResult = row.modalResult;
      preset.GlyphResource = QString::fromLatin1(row.glyph);
      preset.Caption = QString::fromUtf16(row.caption);
      return true;
    }
  }
  return false;
}

TColor BlendHotTrackColor(TColor color, TColor hotTrackColor, int hotTrackStep) {
  const TColor c = ColorToRGB(color);
  const TColor h = ColorToRGB(hotTrackColor);
  const double t = hotTrackStep / 8.0;
  return RGB(blendChannel(GetRValue(c), GetRValue(h), t), blendChannel(GetGValue(c), GetGValue(h), t),
             blendChannel(GetBValue(c), GetBValue(h), t));
}

// Outside any namespace, where Q_INIT_RESOURCE declares the initialiser; the call
// also keeps the glyph data of this static library in the program.
static void initGlyphResources() {
  static const bool initialised = [] {
    Q_INIT_RESOURCE(LbButtonGlyphs);
    return true;
  }();
  (void)initialised;
}

QImage LoadLbButtonGlyph(const QString& name) {
  initGlyphResources();
  if (name.isEmpty()) {
    return QImage();
  }
  return QImage(QStringLiteral(":/") + name);
}
