#pragma once

#include "platform/ui/paint/Geometry.h"

#include <QtCore/QFlags>

class TCanvas;

namespace platform {

// The classic frame controls (push button, check box, radio button and the arrow
// buttons of combo boxes and scroll bars), drawn by our own code in the system
// colours, since this platform has no visual styles.
enum class FrameKind { PushButton, CheckBox, RadioButton, ComboArrow, ScrollUp, ScrollDown, ScrollLeft, ScrollRight };

enum FrameStateFlag : unsigned { fsFlat = 0x01, fsInactive = 0x02, fsPushed = 0x04, fsChecked = 0x08, fsHot = 0x10 };
Q_DECLARE_FLAGS(FrameStates, FrameStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(FrameStates)

// Draws the control into r. Buttons and arrows fill r with a raised edge (sunken
// when pushed, one shadow-coloured line when flat); check and radio boxes are the
// largest square centred in r. Inactive glyphs are grey and embossed; hot looks as
// normal in the classic look. The canvas pen, brush and clipping stay as they are.
void DrawFrameControl(TCanvas* canvas, const TRect& r, FrameKind kind, FrameStates states = {});

}  // namespace platform
