#pragma once

// Types, presets and face painting of the push button TLbButton: the ten kind
// presets and ten colour-style presets, and the face painter, which draws on a
// TCanvas so the face can be painted on an image as well. The glyph strips of
// the kinds ("LBOK" ... "LBALL", "LBARROW") are the program's own pictures in
// LbButtonGlyphs/, compiled in through LbButtonGlyphs.qrc.

#include "platform/ui/paint/Colors.h"
#include "platform/ui/controls/Control.h"

#include <QtCore/QString>
#include <QtGui/QImage>

class TCanvas;
class TFont;

enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };

enum TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

enum TLbButtonKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll,
};

enum TLbColorStyle {
  lcsCustom,
  lcsGold,
  lcsChrome,
  lcsBlue,
  lcsRed,
  lcsUltraFlat1,
  lcsUltraFlat2,
  lcsUltraFlatXP,
  lcsAqua,
  lcsDefault,
  lcsQuicken,
};

// The colours a colour style writes into a button.
struct TLbColorStyleColors {
  TColor Color = clBtnFace;
  TColor LightColor = clWhite;
  TColor ShadowColor = clGray;
  TColor ColorWhenDown = clNone;
  TColor HotTrackColor = clNone;
  TColor FontColor = clBlack;
  TLbButtonStyle Style = bsNormal;
  bool Flat = false;
};

// The preset of a colour style; lcsCustom has none and gives false.
bool GetColorStyleColors(TLbColorStyle style, TLbColorStyleColors& colors);

// What a preset kind puts on a button.
struct TLbKindPreset {
  int ModalResult = 0;
  QString GlyphResource;
  QString Caption;
};

// The preset of a kind; bkCustom has none and gives false.
bool GetKindPreset(TLbButtonKind kind, TLbKindPreset& preset);

// The face colour on the way from color to hotTrackColor: step 8 gives the hot
// colour, 0 the face colour. System colours are resolved first.
TColor BlendHotTrackColor(TColor color, TColor hotTrackColor, int hotTrackStep);

// The glyph strip of a preset kind or the pop-up arrow ("LBOK", ..., "LBARROW");
// a null image for an unknown name.
QImage LoadLbButtonGlyph(const QString& name);

// Everything the face painter needs; nothing persists between calls.
struct TLbButtonFace {
  int W = 0;
  int H = 0;
  TAlignment Alignment = taCenter;
  QString Caption;
  TLbButtonLayout Layout = blGlyphLeft;
  const TFont* Font = nullptr;
  TColor ShadowColor = clGray;
  TColor LightColor = clWhite;
  TColor HotTrackColor = clNone;
  TColor ColorWhenDown = clNone;
  TColor Color = clBtnFace;
  TLbButtonStyle Style = bsNormal;
  bool HasPopup = false;
  bool WordWrap = false;
  bool Flat = false;
  bool Enabled = true;
  // The pointer is over the button or it has the focus.
  bool Hot = false;
  bool Down = false;
  // Frames side by side: normal, disabled, pressed, hot.
  QImage Glyph;
  int NumGlyphs = 0;
  int HotTrackStep = 0;
};

// Paints the whole face into the W by H area at the canvas origin.
void DrawLbButtonFace(TCanvas& canvas, const TLbButtonFace& face);

// Fills the rectangle with 32 horizontal bands stepping from one colour to the
// other, top to bottom.
void DrawGradientBar(TCanvas& canvas, TColor from, TColor to, int left, int right, int top, int bottom);

// Draws the frame that starts at sourceX of the glyph strip at (x, y); the colour
// of the frame's bottom-left pixel is see-through. A frame beyond the strip's end
// shows frame 0.
void DrawGlyphFrame(TCanvas& canvas, const QImage& glyph, int x, int y, int sourceX, int gw, int gh);
