#pragma once

#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>

class TCanvas;

// Format flags of DrawText.
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_EXTERNALLEADING = 0x200;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;
inline constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
inline constexpr unsigned DT_HIDEPREFIX = 0x100000;

// Draws text formatted in r with the canvas font, font colour and background
// mode, or with DT_CALCRECT only measures it: r's right and bottom become the
// extent of the formatted text. Without DT_NOPREFIX "&x" draws x underlined and
// "&&" draws "&". Lines end at CR LF, LF or CR unless DT_SINGLELINE; DT_WORDBREAK
// breaks them between words to fit the width (a word wider than that stays whole).
// DT_VCENTER and DT_BOTTOM apply to a single line only. Returns the height of the
// text (with DT_VCENTER or DT_BOTTOM: from r's top to the bottom of the text).
int DrawText(TCanvas& canvas, const QString& text, TRect& r, unsigned format);
inline int DrawText(TCanvas* canvas, const QString& text, TRect& r, unsigned format) {
  return DrawText(*canvas, text, r, format);
}
