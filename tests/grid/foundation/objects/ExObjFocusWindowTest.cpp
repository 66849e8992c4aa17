// The focus glow window: a disabled top-level window placed in screen
// coordinates that never takes the focus, painting its colour or a layered
// picture.

#include "grid/foundation/styles/ExObjAlphaMask.h"
#include "grid/foundation/objects/ExObjFocusWindow.h"

#include <QtGui/QImage>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class FocusWindowTest : public ::testing::Test {
protected:
    FocusWindowTest()
    {
        owner.setGeometry(100, 100, 400, 300);
        edit = new QLineEdit(&owner);
        edit->setGeometry(10, 10, 100, 22);
        owner.show();
        QApplication::setActiveWindow(&owner);
        edit->setFocus();
        QApplication::processEvents();
        glow = new TGridFocusWindow(&owner);
    }

    QImage rendered()
    {
        QImage image(glow->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        glow->render(&image);
        return image;
    }

    QWidget owner;
    QLineEdit* edit = nullptr;
    TGridFocusWindow* glow = nullptr;
};

TEST_F(FocusWindowTest, StartsAsAHiddenDisabledEmptyWindowAboveTheOthers)
{
    EXPECT_TRUE(glow->isWindow());
    EXPECT_EQ(glow->parentWidget(), &owner);
    EXPECT_FALSE(glow->isVisible());
    EXPECT_FALSE(glow->isEnabled());
    EXPECT_EQ(glow->Width(), 0);
    EXPECT_EQ(glow->Height(), 0);
    EXPECT_EQ(glow->Color(), clRed);
    EXPECT_EQ(glow->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(glow->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(glow->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(glow->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
}

TEST_F(FocusWindowTest, IsPlacedInScreenCoordinatesAndShownWithoutTakingTheFocus)
{
    // Around a cell at (30, 40) of the owner, 4 pixels out and 9 pixels larger.
    const QPoint cell = owner.mapToGlobal(QPoint(30, 40));
    const QRect placements[] = {
        {cell.x() - 4, cell.y() - 4, 64 + 9, 20 + 9},
        {0, 0, 9, 9},
        {500, 20, 109, 31},
    };
    for (const QRect& r : placements) {
        glow->SetBounds(r.x(), r.y(), r.width(), r.height());
        glow->Show();
        QApplication::processEvents();
        EXPECT_TRUE(glow->isVisible());
        EXPECT_EQ(glow->geometry(), r);
        EXPECT_EQ(glow->mapToGlobal(QPoint(0, 0)), r.topLeft());
        EXPECT_EQ(QApplication::focusWidget(), edit);
        EXPECT_EQ(QApplication::activeWindow(), &owner);
        glow->Hide();
    }
}

TEST_F(FocusWindowTest, PaintsItsColourUntilGivenALayeredPicture)
{
    glow->SetBounds(10, 10, 12, 8);
    EXPECT_EQ(rendered().pixel(5, 5), qRgb(255, 0, 0));
    glow->SetColor(clBlue);
    EXPECT_EQ(rendered().pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_FALSE(glow->Layered());
}

TEST_F(FocusWindowTest, ShowsALayeredPictureWithItsOpacityAtItsOwnSize)
{
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(30, 20);
    picture.image().fill(qRgb(151, 211, 253));
    TBitmap grey;
    grey.SetPixelFormat(pf24bit);
    grey.SetSize(30, 20);
    grey.image().fill(qRgb(0, 0, 0));
    grey.image().setPixel(3, 4, qRgb(255, 255, 255));
    grey.image().setPixel(6, 4, qRgb(128, 128, 128));
    TGridAlphaMask mask;
    mask.MergeMask(&grey, &picture);

    glow->SetBounds(200, 150, 5, 5);
    struct Case {
        quint8 opacity;
    };
    for (Case c : {Case{255}, Case{230}, Case{0}}) {
        SCOPED_TRACE(c.opacity);
        glow->SetLayeredPicture(mask.PremultipliedImage(), c.opacity);
        EXPECT_TRUE(glow->Layered());
        EXPECT_EQ(glow->geometry(), QRect(200, 150, 30, 20));  // position kept
        const QImage image = rendered();
        const QColor opaque = image.pixelColor(3, 4);
        const QColor half = image.pixelColor(6, 4);
        EXPECT_LE(std::abs(opaque.alpha() - c.opacity), 1);
        EXPECT_LE(std::abs(half.alpha() - 128 * c.opacity / 255), 1);
        if (c.opacity > 0) {
            EXPECT_LE(std::abs(opaque.red() - 151), 2);
            EXPECT_LE(std::abs(opaque.blue() - 253), 2);
        }
        EXPECT_EQ(qAlpha(image.pixel(10, 10)), 0);  // masked out: fully clear
    }
    glow->SetLayeredPicture(QImage(), 255);
    EXPECT_FALSE(glow->Layered());
    EXPECT_EQ(rendered().pixel(10, 10), qRgb(255, 0, 0));
}

}  // namespace
