#pragma once

// State of the grid button, shared by the files that implement it.

#include "grid/foundation/objects/ExObjGridButton.h"
#include "platform/picture/Bitmap.h"

#include <QtCore/QPointer>
#include <QtWidgets/QMenu>

struct TExGridButton::Data {
    bool isComCtl6 = false;
    int groupIndex = 0;
    TBitmap glyph;
    bool down = false;
    bool dragging = false;
    bool allowAllUp = false;
    TButtonLayout layout = blGlyphLeft;
    int spacing = 4;
    int margin = -1;
    bool flat = true;
    bool mouseInControl = false;
    TColor colorTo = clNone;
    TColor colorHot = 0xCAC7C7;
    TColor colorHotTo = clNone;
    TColor colorDown = 0xD8D3D2;
    TColor colorDownTo = clNone;
    TColor borderColor = clNone;
    TColor borderDownColor = clNone;
    TColor borderHotColor = clNone;
    TBitmap glyphDisabled;
    TBitmap glyphHot;
    TBitmap glyphDown;
    TBitmap glyphShade;
    bool shaded = true;
    TColor colorChecked = clGray;
    TColor colorCheckedTo = clNone;
    TExGridButtonStyle style = tasButton;
    int look = 0;
    bool rounded = false;
    bool dropDownButton = false;
    bool autoThemeAdapt = false;
    bool autoXPStyle = false;
    QPointer<QMenu> dropDownMenu;
    bool showCaption = true;
    TButtonState state = bsUp;

    QString caption;
    // The disabled glyph was made from the glyph, so a new glyph remakes it.
    bool disabledMadeFromGlyph = false;
    int shortcutId = 0;
};
