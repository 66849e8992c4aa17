#include "grid/cells/editors/controls/EsgDateTimePicker.h"

#include "platform/core/FormatSettings.h"

#include <QtGui/QImage>
#include <QtGui/QMouseEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

namespace {

const TFormatSettings DayFirst{u'.', u',', u'/', u':', QStringLiteral("dd/mm/yyyy"), QStringLiteral("hh:nn:ss")};

class CountingPicker : public TEsgDateTimePicker {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        ++paints;
        TEsgDateTimePicker::paintEvent(e);
    }
};

void moveTo(QWidget* w, int x)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(x, 5), w->mapToGlobal(QPointF(x, 5)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
    QApplication::processEvents();
}

QImage picture(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST(EsgDateTimePicker, VersionIsFixed)
{
    TEsgDateTimePicker picker;
    EXPECT_EQ(picker.Version(), "1.0.0.0");
    picker.SetVersion("2.0");
    EXPECT_EQ(picker.Version(), "1.0.0.0");
}

TEST(EsgDateTimePicker, ButtonHoverStartsInsideTheButtonWidthAndRepaintsOnce)
{
    QWidget window;
    auto* picker = new CountingPicker;
    picker->setParent(&window);
    picker->resize(120, 21);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    picker->paints = 0;
    moveTo(picker, 101);
    EXPECT_FALSE(picker->ButtonHovered());
    EXPECT_EQ(picker->paints, 0);
    moveTo(picker, 102);
    EXPECT_TRUE(picker->ButtonHovered());
    moveTo(picker, 110);
    EXPECT_EQ(picker->paints, 1);
}

TEST(EsgDateTimePicker, WithoutMetroStyleItPaintsAsThePlatformPicker)
{
    platform::ScopedFormatSettings locale(DayFirst);
    TDateTimePicker plain;
    TEsgDateTimePicker own;
    for (TDateTimePicker* p : {&plain, static_cast<TDateTimePicker*>(&own)}) {
        p->resize(120, 21);
        p->SetDateTime(45000);
    }
    EXPECT_EQ(picture(plain), picture(own));
}

TEST(EsgDateTimePicker, ColouredButtonAndDisabledMetroFrame)
{
    platform::ScopedFormatSettings locale(DayFirst);
    TEsgDateTimePicker picker;
    picker.resize(120, 21);
    picker.SetMetroStyle(true);
    picker.ButtonColors().Color = clYellow;
    picker.ButtonColors().TextColor = clRed;
    const QImage image = picture(picker);
    const TRect b = picker.ButtonRect();
    EXPECT_EQ(image.pixelColor(b.Left + 8, b.Top + 8), QColor(Qt::red)) << "inside the triangle";
    EXPECT_EQ(image.pixelColor(b.Left + 5, b.Top + 7), QColor(Qt::red)) << "its left corner";
    EXPECT_EQ(image.pixelColor(b.Left + 8, b.Top + 4), QColor(Qt::yellow)) << "the face above it";
    EXPECT_EQ(image.pixelColor(b.Left + 8, b.Top + 12), QColor(Qt::yellow)) << "the face below it";

    picker.setEnabled(false);
    const QImage disabled = picture(picker);
    EXPECT_EQ(disabled.pixelColor(0, 10), QColor(127, 157, 185));
    EXPECT_EQ(disabled.pixelColor(60, 20), QColor(127, 157, 185));
}

}  // namespace
