#include "platform/core/FormatSettings.h"
#include "platform/ui/controls/DateTimePicker.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

namespace {

const TFormatSettings DayFirst{u'.', u',', u'/', u':', QStringLiteral("dd/mm/yyyy"), QStringLiteral("hh:nn:ss")};

TEST(DateTimePicker, RuntimeFormatsBecomeDisplayFormats)
{
    platform::ScopedFormatSettings locale(DayFirst);
    EXPECT_EQ(platform::DisplayFormatFromRuntime("dd/mm/yyyy"), "dd'/'MM'/'yyyy");
    EXPECT_EQ(platform::DisplayFormatFromRuntime("h:nn:ss"), "H':'mm':'ss");
    TDateTimePicker picker;
    picker.SetDateTime(45000.5);  // 15 March 2023, noon
    EXPECT_DOUBLE_EQ(picker.DateTime(), 45000.5);
    EXPECT_EQ(picker.Text(), "15/03/2023");
    picker.SetKind(dtkTime);
    EXPECT_EQ(picker.Text(), "12:00:00");
    picker.SetFormat("d/m/yy");
    EXPECT_EQ(picker.Text(), "15/3/23");
}

TEST(DateTimePicker, LeftAndRightMoveOneField)
{
    platform::ScopedFormatSettings locale(DayFirst);
    TDateTimePicker picker;
    picker.SetDateTime(45000);
    picker.setCurrentSectionIndex(0);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&picker, &right);
    EXPECT_EQ(picker.currentSection(), QDateTimeEdit::MonthSection);
    QApplication::sendEvent(&picker, &right);
    QApplication::sendEvent(&picker, &right);
    EXPECT_EQ(picker.currentSection(), QDateTimeEdit::YearSection) << "the last field stays";
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&picker, &left);
    EXPECT_EQ(picker.currentSection(), QDateTimeEdit::MonthSection);
}

TEST(DateTimePicker, ChangesFromCodeRaiseNoEventAndLimitsHold)
{
    TDateTimePicker picker;
    int changes = 0;
    picker.OnChange = [&](TObject*) { ++changes; };
    picker.SetDateTime(45000);
    EXPECT_EQ(changes, 0);
    picker.SetMaxDate(44000);
    EXPECT_LE(picker.DateTime(), 44000);
    picker.SetMaxDate(0);
    picker.SetDateTime(46000);
    EXPECT_DOUBLE_EQ(picker.DateTime(), 46000);
    EXPECT_TRUE(picker.Checked()) << "without a check box the value is always taken";
    picker.SetShowCheckbox(true);
    picker.SetChecked(false);
    EXPECT_FALSE(picker.Checked());
}

}  // namespace
