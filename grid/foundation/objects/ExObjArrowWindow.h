#pragma once

// The small arrow-shaped windows that mark where a dragged column or row will
// land.

#include "grid/foundation/objects/ExObj.h"
#include "platform/ui/paint/Geometry.h"
#include "platform/ui/panels/Panel.h"

#include <array>

// The outline of an arrow window of a direction, in pixels within the window:
// arrUp and arrRight point up and left, arrDown and arrLeft point down and right.
std::array<TPoint, 7> ArrowOutline(TArrowDirection Dir);

// A borderless window owned by the grid that shows only its arrow, filled in
// its Color (lime at creation). It starts hidden, stays above its owner and
// never takes the focus; the grid places and shows it.
class TArrowWindow : public TPanel {
public:
    TArrowWindow(QWidget* AOwner, TArrowDirection Dir);
    ~TArrowWindow() override;

    TArrowDirection Dir() const { return m_dir; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TArrowDirection m_dir;
};
