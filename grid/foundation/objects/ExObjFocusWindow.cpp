#include "grid/foundation/objects/ExObjFocusWindow.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>

struct TGridFocusWindow::Data {
    QImage picture;
    quint8 opacity = 255;
};

TGridFocusWindow::TGridFocusWindow(QWidget* AOwner)
    : QWidget(nullptr), platform::TControl(*this, clRed), d(std::make_unique<Data>())
{
    // Owned by the grid's window but a window of its own; given its owner only
    // now, so that the control set-up does not show it.
    setParent(AOwner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false);
    Hide();
    SetBounds(0, 0, 0, 0);
}

TGridFocusWindow::~TGridFocusWindow() = default;

void TGridFocusWindow::SetLayeredPicture(const QImage& Picture, quint8 Opacity)
{
    d->picture = Picture.isNull() ? QImage() : Picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    d->opacity = Opacity;
    if (!d->picture.isNull())
        SetBounds(Left(), Top(), d->picture.width(), d->picture.height());
    update();
}

bool TGridFocusWindow::Layered() const
{
    return !d->picture.isNull();
}

const QImage& TGridFocusWindow::LayeredPicture() const { return d->picture; }

quint8 TGridFocusWindow::LayeredOpacity() const { return d->opacity; }

void TGridFocusWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (d->picture.isNull()) {
        painter.fillRect(rect(), ToQColor(Color()));
        return;
    }
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(d->opacity / 255.0);
    painter.drawImage(0, 0, d->picture);
}
