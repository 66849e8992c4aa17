#include "app/shell/mainwindow/UMarquellFirmWareGlyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr int Glyph_Size = 32;
// The button painter treats the colour of the bottom-left pixel as see-through.
const QColor Background(255, 0, 255);

QImage NewGlyph()
{
    QImage image(Glyph_Size, Glyph_Size, QImage::Format_RGB32);
    image.fill(Background);
    return image;
}

} // namespace

QImage Info_Glyph()
{
    QImage image = NewGlyph();
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0, 70, 150), 2));
    painter.setBrush(QColor(40, 110, 200));
    painter.drawEllipse(QRect(3, 3, 25, 25));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRect(14, 8, 4, 4));
    painter.drawRect(QRect(14, 14, 4, 10));
    return image;
}

QImage Options_Glyph()
{
    QImage image = NewGlyph();
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 90));
    const QPointF centre(16, 16);
    for (int tooth = 0; tooth < 8; ++tooth) {
        const double angle = tooth * M_PI / 4;
        painter.save();
        painter.translate(centre);
        painter.rotate(angle * 180 / M_PI);
        painter.drawRect(QRectF(-3, -14, 6, 6));
        painter.restore();
    }
    painter.drawEllipse(centre, 10, 10);
    painter.setBrush(Background);
    painter.drawEllipse(centre, 4, 4);
    return image;
}

QImage Close_Glyph()
{
    QImage image = NewGlyph();
    QPainter painter(&image);
    painter.setPen(QPen(QColor(190, 30, 30), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPoint(8, 8), QPoint(24, 24));
    painter.drawLine(QPoint(24, 8), QPoint(8, 24));
    return image;
}
