#include "grid/engine/input/ExGridPanPictures.h"

#include "platform/picture/Bitmap.h"

#include <QtGui/QCursor>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtGui/QPolygon>

#include <array>
#include <map>
#include <memory>

namespace {

// A small filled arrow head at (cx, cy) pointing along (dx, dy).
void arrowHead(QPainter& painter, int cx, int cy, int dx, int dy)
{
    const int size = 4;
    const int tipX = cx + dx * size;
    const int tipY = cy + dy * size;
    // The base is perpendicular to the direction.
    const int px = -dy;
    const int py = dx;
    QPolygon head;
    head << QPoint(tipX, tipY) << QPoint(cx + px * size, cy + py * size) << QPoint(cx - px * size, cy - py * size);
    painter.drawPolygon(head);
}

// A circle with a centre dot and arrow heads in the given directions.
QImage panPicture(int size, const std::vector<std::pair<int, int>>& directions, QColor background)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    const int c = size / 2;
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(c, c), c - 2, c - 2);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPoint(c, c), 1, 1);
    const int reach = c / 2 + 1;
    for (auto [dx, dy] : directions)
        arrowHead(painter, c + dx * reach, c + dy * reach, dx, dy);
    return image;
}

const std::vector<std::pair<int, int>>& cursorDirections(int number)
{
    static const std::map<int, std::vector<std::pair<int, int>>> table{
        {PanCursorNeutral, {{0, -1}, {0, 1}, {-1, 0}, {1, 0}}},
        {PanCursorDown, {{0, 1}}},
        {PanCursorLeft, {{-1, 0}}},
        {PanCursorRight, {{1, 0}}},
        {PanCursorUp, {{0, -1}}},
        {PanCursorUpRight, {{0, -1}, {1, 0}}},
        {PanCursorUpLeft, {{0, -1}, {-1, 0}}},
        {PanCursorDownRight, {{0, 1}, {1, 0}}},
        {PanCursorDownLeft, {{0, 1}, {-1, 0}}},
    };
    const auto it = table.find(number);
    return it == table.end() ? table.at(PanCursorNeutral) : it->second;
}

}  // namespace

const QCursor& PanCursorPicture(int Number)
{
    // Kept for the life of the process: a cursor must not be freed after the
    // application object has gone.
    static auto* cursors = new std::map<int, QCursor>;
    if (Number < PanCursorNeutral || Number > PanCursorDownLeft)
        Number = PanCursorNeutral;
    auto it = cursors->find(Number);
    if (it == cursors->end()) {
        const QImage image = panPicture(32, cursorDirections(Number), Qt::transparent);
        it = cursors->emplace(Number, QCursor(QPixmap::fromImage(image), 16, 16)).first;
    }
    return it->second;
}

int PanCursorFor(int dx, int dy)
{
    static constexpr std::array<std::array<int, 3>, 3> byRowThenColumn{{
        {PanCursorUpLeft, PanCursorUp, PanCursorUpRight},
        {PanCursorLeft, PanCursorNeutral, PanCursorRight},
        {PanCursorDownLeft, PanCursorDown, PanCursorDownRight},
    }};
    return byRowThenColumn[dy + 1][dx + 1];
}

const TBitmap* PanGlyph(TIntelliPan Mode)
{
    static std::map<int, std::unique_ptr<TBitmap>> glyphs;
    const int key = Mode == ipNone ? ipBoth : Mode;
    auto& glyph = glyphs[key];
    if (!glyph) {
        std::vector<std::pair<int, int>> directions;
        if (key != ipHorizontal)
            directions.insert(directions.end(), {{0, -1}, {0, 1}});
        if (key != ipVertical)
            directions.insert(directions.end(), {{-1, 0}, {1, 0}});
        glyph = std::make_unique<TBitmap>();
        glyph->setImage(panPicture(26, directions, Qt::white));
    }
    return glyph.get();
}
