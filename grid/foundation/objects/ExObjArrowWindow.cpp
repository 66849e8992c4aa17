#include "grid/foundation/objects/ExObjArrowWindow.h"

#include <QtGui/QPainter>
#include <QtGui/QPolygon>
#include <QtGui/QRegion>

std::array<TPoint, 7> ArrowOutline(TArrowDirection Dir)
{
    switch (Dir) {
    case arrUp:
        return {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}};
    case arrDown:
        return {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}};
    case arrLeft:
        return {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}};
    case arrRight:
        break;
    }
    return {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}};
}

namespace {

QRegion arrowRegion(TArrowDirection dir)
{
    QPolygon polygon;
    for (const TPoint& point : ArrowOutline(dir))
        polygon << QPoint(point.X, point.Y);
    return QRegion(polygon, Qt::WindingFill);
}

}  // namespace

TArrowWindow::TArrowWindow(QWidget* AOwner, TArrowDirection Dir) : TPanel(nullptr), m_dir(Dir)
{
    // A pop-up of the grid's window: above it, outside its client area, and
    // shown during a drag without taking the focus from the grid.
    setParent(AOwner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    SetBevelOuter(bvNone);
    SetColor(clLime);
    setMask(arrowRegion(Dir));
    Hide();
}

TArrowWindow::~TArrowWindow() = default;

void TArrowWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
}
