#pragma once

// The window that shows a soft glow around the grid's current cell.

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QWidget>

#include <memory>

class QImage;

// A borderless top-level window owned by the grid: disabled, above all other
// windows, not in the task bar, never activated and never given the focus.
// It starts hidden with size 0 x 0 and is placed in screen coordinates. It
// paints its Color (red at creation) until it is given a layered picture.
class TGridFocusWindow : public QWidget, public platform::TControl, public TObject {
public:
    explicit TGridFocusWindow(QWidget* AOwner);
    ~TGridFocusWindow() override;

    // Shows the window as a layered window: the premultiplied-alpha Picture
    // drawn with the constant Opacity replaces the colour; the window takes
    // the picture's size and keeps its position. A null Picture returns to
    // painting the colour.
    void SetLayeredPicture(const QImage& Picture, quint8 Opacity);
    bool Layered() const;
    // The layered picture and its opacity, as last given.
    const QImage& LayeredPicture() const;
    quint8 LayeredOpacity() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Data;
    std::unique_ptr<Data> d;
};
