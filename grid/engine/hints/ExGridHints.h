#pragma once

// The hint request the grid fills for the cell under the mouse, the choice of
// the window that shows it, and the grid's hint settings and balloon state.

#include "platform/core/TObject.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QPointer>
#include <QtCore/QString>

#include <functional>

class QWidget;
class TExStringGrid;
namespace platform {
class TBalloonToolTip;
}

// The window a hint shows in: the platform's tooltip or the markup hint
// window (THTMLHintWindow), which draws markup with the grid's pictures.
enum THintWindowClass : int { hwcPlatformHint, hwcHTMLHint };

// A hint request: where the mouse is and where the hint goes (client
// coordinates until the grid turns HintPos into screen coordinates), its
// text, colour, widest line and window.
struct THintInfo {
    TPoint CursorPos{0, 0};
    TPoint HintPos{0, 0};
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    THintWindowClass HintWindowClass = hwcPlatformHint;
    TObject* HintData = nullptr;
    QString HintStr;
};

// Every grid's requests start with the markup hint window from now on; other
// controls keep the platform's tooltips.
void UseHTMLHints();
THintWindowClass DefaultHintWindowClass();

// Shows the request's text at its HintPos (screen) as a platform tooltip, or
// hides the tooltip when the text is empty. Requests for the markup hint
// window go to the grid's own hint window instead.
void ShowHintRequest(const THintInfo& Info);

// Makes the window layered with the constant Opacity (0..255); the colour key
// is not supported here. R is the area of the layered update the platform
// refuses for such a window.
void SetWindowOpacity(QWidget* Window, TColor Key, quint8 Opacity, const TRect& R);


// The grid's hint settings, the cell of the last hint and anchor hint, and
// its balloon tooltip window.
struct TExGridHintState {
    bool hintShowCells = false;
    bool hintShowLargeText = false;
    bool htmlHint = false;
    QString lastAnchorHint;
    QPointer<platform::TBalloonToolTip> toolTip;
    bool balloonInitialised = false;
};
