#pragma once

#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QtGlobal>

class QWidget;
class TCanvas;

// Layered windows: a whole window drawn with a constant opacity, or from a
// picture. This platform has no layered-window functions; the calls stand in with
// the toolkit's window opacity and window background. The colour key is not
// supported and is ignored.
inline constexpr unsigned LWA_COLORKEY = 0x1;
inline constexpr unsigned LWA_ALPHA = 0x2;
inline constexpr unsigned ULW_COLORKEY = 0x1;
inline constexpr unsigned ULW_ALPHA = 0x2;
inline constexpr unsigned ULW_OPAQUE = 0x4;

struct TBlendFunction {
  quint8 BlendOp = 0;
  quint8 BlendFlags = 0;
  quint8 SourceConstantAlpha = 255;
  quint8 AlphaFormat = 0;
};

// Moves and sizes the window when a position or size is given, shows the source
// canvas's picture from sourcePos as its background and, with ULW_ALPHA, takes the
// blend's constant opacity. Refused (false) for no window and for a window whose
// attributes were set with CallSetLayeredWindowAttributes, as the platform does.
bool CallUpdateLayeredWindow(QWidget* window, TCanvas* target, const TPoint* targetPos, const TSize* size,
                             TCanvas* source, const TPoint* sourcePos, TColor key, const TBlendFunction* blend,
                             unsigned flags);
// With LWA_ALPHA the window takes the constant opacity alpha / 255. False for no window.
bool CallSetLayeredWindowAttributes(QWidget* window, TColor key, quint8 alpha, unsigned flags);
