// The drop-position arrows: their shape per direction, their colour and their
// window behaviour.

#include "grid/foundation/objects/ExObjArrowWindow.h"

#include <QtGui/QImage>
#include <QtGui/QRegion>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ArrowCase {
    TArrowDirection dir;
    std::vector<QPoint> inside;
    std::vector<QPoint> outside;
    // Visible pixels per line across the arrow's axis, from tail to tip: the
    // shaft is narrow, the head widest at its base and narrowing to the tip.
    bool vertical;
    int shaftLine, headBaseLine, nearTipLine;
};

int visibleAcross(const QRegion& region, bool vertical, int line)
{
    int count = 0;
    for (int i = -2; i < 14; ++i)
        count += region.contains(vertical ? QPoint(i, line) : QPoint(line, i)) ? 1 : 0;
    return count;
}

const std::vector<ArrowCase>& arrowCases()
{
    static const std::vector<ArrowCase> cases = {
        // arrUp: head at the top pointing up, shaft below it.
        {arrUp, {{5, 1}, {5, 4}, {2, 4}, {5, 7}, {4, 8}}, {{1, 1}, {9, 1}, {1, 7}, {8, 7}, {5, 10}}, true, 7, 4, 1},
        // arrDown: shaft at the top, head below pointing down.
        {arrDown, {{5, 1}, {3, 2}, {2, 4}, {5, 6}, {5, 7}}, {{1, 1}, {8, 1}, {1, 7}, {8, 7}, {5, 9}}, true, 2, 4, 7},
        // arrLeft: shaft on the left, head on the right pointing right.
        {arrLeft, {{1, 5}, {3, 3}, {5, 2}, {6, 5}, {7, 5}}, {{1, 1}, {1, 8}, {7, 1}, {7, 9}, {9, 5}}, false, 2, 4, 7},
        // arrRight: head on the left pointing left, shaft on the right.
        {arrRight, {{1, 5}, {3, 2}, {3, 8}, {6, 5}, {7, 3}}, {{0, 0}, {1, 1}, {1, 9}, {6, 1}, {6, 8}}, false, 6, 3, 1},
    };
    return cases;
}

TEST(ArrowWindow, EachDirectionShowsOnlyItsArrow)
{
    QWidget owner;
    for (const ArrowCase& c : arrowCases()) {
        SCOPED_TRACE(int(c.dir));
        TArrowWindow arrow(&owner, c.dir);
        EXPECT_EQ(arrow.Dir(), c.dir);
        const QRegion region = arrow.mask();
        for (const QPoint& p : c.inside)
            EXPECT_TRUE(region.contains(p)) << p.x() << "," << p.y();
        for (const QPoint& p : c.outside)
            EXPECT_FALSE(region.contains(p)) << p.x() << "," << p.y();
        const int shaft = visibleAcross(region, c.vertical, c.shaftLine);
        const int base = visibleAcross(region, c.vertical, c.headBaseLine);
        const int tip = visibleAcross(region, c.vertical, c.nearTipLine);
        EXPECT_GT(base, shaft);
        EXPECT_GT(base, tip);
        EXPECT_GT(tip, 0);
        EXPECT_LE(region.boundingRect().right(), 10);
        EXPECT_LE(region.boundingRect().bottom(), 10);
    }
}

TEST(ArrowWindow, PaintsItsColourAndStartsLime)
{
    QWidget owner;
    TArrowWindow arrow(&owner, arrLeft);
    arrow.SetBounds(0, 0, 11, 11);
    EXPECT_EQ(arrow.Color(), clLime);
    const TColor colours[] = {clLime, clRed, TColor(0x123456)};
    for (TColor colour : colours) {
        arrow.SetColor(colour);
        QImage image(11, 11, QImage::Format_RGB32);
        image.fill(Qt::black);
        arrow.render(&image, QPoint(), arrow.mask());
        EXPECT_EQ(image.pixel(6, 5), ToQColor(colour).rgb());
        EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));  // outside the arrow nothing is drawn
    }
}

TEST(ArrowWindow, IsAHiddenWindowOfItsOwnerThatNeverTakesTheFocus)
{
    QWidget owner;
    owner.setGeometry(100, 100, 300, 200);
    auto* edit = new QLineEdit(&owner);
    owner.show();
    QApplication::setActiveWindow(&owner);
    edit->setFocus();
    QApplication::processEvents();

    auto* arrow = new TArrowWindow(&owner, arrDown);
    EXPECT_TRUE(arrow->isWindow());
    EXPECT_EQ(arrow->parentWidget(), &owner);
    EXPECT_FALSE(arrow->isVisible());
    EXPECT_TRUE(arrow->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(arrow->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    arrow->SetBounds(180, 90, 10, 9);
    arrow->Show();
    QApplication::processEvents();
    EXPECT_TRUE(arrow->isVisible());
    EXPECT_EQ(arrow->geometry(), QRect(180, 90, 10, 9));
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(QApplication::activeWindow(), &owner);
}

}  // namespace
