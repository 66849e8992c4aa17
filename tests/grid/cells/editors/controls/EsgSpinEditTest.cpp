#include "grid/cells/editors/controls/EsgSpinEdit.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/window/Beep.h"
#include "platform/ui/window/ModalSeams.h"
#include "platform/ui/window/Timer.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

namespace {

const TFormatSettings DayFirstComma{u',', u'.', u'/', u':', QStringLiteral("dd/mm/yyyy"), QStringLiteral("hh:nn:ss")};

void key(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, k, m, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, m, text);
    QApplication::sendEvent(w, &release);
}

void type(QWidget* w, const QString& text)
{
    for (QChar c : text)
        key(w, c.toUpper().unicode(), Qt::NoModifier, QString(c));
}

void leave(QWidget* w)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
}

TEST(EsgSpinEdit, IntegerRangeClampsUnlessItsEndsAreEqual)
{
    struct Case {
        const char* name;
        int min, max;
        QString start;
        int keyToPress;
        bool typeThenLeave;
        QString typed;
        QString text;
        int value;
    } cases[] = {
        {"Up at the top stays", 0, 100, "100", Qt::Key_Up, false, "", "100", 100},
        {"typed 150 is the top on exit", 0, 100, "", 0, true, "150", "100", 100},
        {"empty reads 0", 0, 100, "", 0, false, "", "", 0},
        {"no clamp with equal ends", 0, 0, "500", Qt::Key_Up, false, "", "501", 501},
        {"unreadable reads the bottom", 5, 100, "x", 0, false, "", "x", 5},
        {"PageUp steps by Increment", 0, 100, "10", Qt::Key_PageUp, false, "", "11", 11},
    };
    for (const Case& c : cases) {
        TEsgSpinEdit spin;
        spin.SetMinValue(c.min);
        spin.SetMaxValue(c.max);
        spin.SetText(c.start);
        if (c.keyToPress)
            key(&spin, c.keyToPress);
        if (c.typeThenLeave) {
            type(&spin, c.typed);
            leave(&spin);
        }
        EXPECT_EQ(spin.Text(), c.text) << c.name;
        EXPECT_EQ(spin.Value(), c.value) << c.name;
    }
}

TEST(EsgSpinEdit, MinusOnlyAtTheStart)
{
    TEsgSpinEdit spin;
    spin.SetMinValue(-100);
    spin.SetText("12");
    spin.SetSelStart(1);
    const int beeps = platform::BeepCount();
    type(&spin, "-");
    EXPECT_EQ(spin.Text(), "12");
    EXPECT_EQ(platform::BeepCount(), beeps + 1);
    spin.SetSelStart(0);
    type(&spin, "-");
    EXPECT_EQ(spin.Text(), "-12");
    type(&spin, "a");
    EXPECT_EQ(spin.Text(), "-12") << "letters never go into an integer spin";
}

TEST(EsgSpinEdit, FloatWithPrecisionAndDecimalComma)
{
    platform::ScopedFormatSettings locale(DayFirstComma);
    TEsgSpinEdit spin;
    spin.SetSpinType(sptFloat);
    spin.SetPrecision(2);
    spin.SetText("1,5");
    spin.SetSelStart(3);
    type(&spin, "0");
    EXPECT_EQ(spin.Text(), "1,50") << "a second decimal is taken";
    int beeps = platform::BeepCount();
    type(&spin, "7");
    EXPECT_EQ(spin.Text(), "1,50") << "a third decimal is refused";
    spin.SetSelStart(0);
    type(&spin, ",");
    EXPECT_EQ(spin.Text(), "1,50");
    EXPECT_EQ(platform::BeepCount(), beeps + 2) << "each refusal beeps";
    spin.SetSelStart(1);
    spin.SetSelLength(1);
    type(&spin, ",");
    EXPECT_EQ(spin.Text(), "1,50") << "the selected comma is replaced";
    beeps = platform::BeepCount();
    type(&spin, ".");
    EXPECT_EQ(spin.Text(), "1,50");
    EXPECT_EQ(platform::BeepCount(), beeps + 1) << "the thousands separator is refused";

    key(&spin, Qt::Key_PageUp);
    EXPECT_EQ(spin.Text(), "2,50");
    spin.SetText("1,50");
    key(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "1,60");
}

TEST(EsgSpinEdit, UnreadableFloatReadsTheFloatMinimum)
{
    TEsgSpinEdit spin;
    spin.SetSpinType(sptFloat);
    spin.SetMinValue(7);
    spin.SetMinFloatValue(2.5);
    spin.SetText("abc");
    EXPECT_EQ(spin.FloatValue(), 2.5);
}

TEST(EsgSpinEdit, DateStepsTheFieldUnderTheCaret)
{
    platform::ScopedFormatSettings locale(DayFirstComma);
    struct Case {
        const char* start;
        int caret;
        int keyToPress;
        const char* text;
    } cases[] = {
        {"31/01/2023", 1, Qt::Key_Up, "01/02/2023"},
        {"31/01/2023", 4, Qt::Key_Up, "28/02/2023"},
        {"31/03/2023", 4, Qt::Key_Down, "28/02/2023"},
        {"15/06/2023", 8, Qt::Key_Up, "15/06/2024"},
        {"29/02/2024", 8, Qt::Key_Up, "28/02/2025"},
        {"01/01/2024", 0, Qt::Key_Down, "31/12/2023"},
    };
    for (const Case& c : cases) {
        TEsgSpinEdit spin;
        spin.SetSpinType(sptDate);
        spin.SetText(c.start);
        spin.SetSelStart(c.caret);
        key(&spin, c.keyToPress);
        EXPECT_EQ(spin.Text(), c.text) << c.start << " caret " << c.caret;
        EXPECT_EQ(spin.SelStart(), c.caret) << "the caret stays";
    }
}

TEST(EsgSpinEdit, TimeWrapsAroundMidnight)
{
    platform::ScopedFormatSettings locale(DayFirstComma);
    TEsgSpinEdit spin;
    spin.SetSpinType(sptTime);
    spin.SetText("23:30:00");
    spin.SetSelStart(0);
    key(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "00:30:00");
    key(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.Text(), "23:30:00");
    spin.SetSelStart(7);
    key(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "23:30:01") << "the caret in the seconds steps seconds";
    spin.SetSelStart(4);
    key(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.Text(), "23:29:01");

    spin.SetShowSeconds(false);
    spin.SetText("9:05");
    spin.SetSelStart(0);
    key(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.Text(), "10:05") << "without seconds the text reads h:nn";
}

TEST(EsgSpinEdit, ReadOnlyStepBeepsAndKeepsTheValue)
{
    TEsgSpinEdit spin;
    spin.SetText("5");
    spin.SetReadOnly(true);
    const int beeps = platform::BeepCount();
    spin.IncrementValue(false);
    EXPECT_EQ(spin.Text(), "5");
    EXPECT_EQ(platform::BeepCount(), beeps + 1);
}

void press(QWidget* w)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void release(QWidget* w)
{
    QMouseEvent e(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST(EsgSpinEdit, HeldSpinButtonRepeats)
{
    TEsgSpinEdit spin;
    spin.SetText("0");
    TExTimerSpeedButton* up = spin.Button()->UpButton();
    press(up);
    EXPECT_EQ(spin.Value(), 1) << "a step at once";
    TTimer* timer = up->RepeatTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 400);
    timer->OnTimer(timer);
    EXPECT_EQ(spin.Value(), 2) << "one at 400 ms";
    EXPECT_EQ(timer->Interval(), 100);
    timer->OnTimer(timer);
    timer->OnTimer(timer);
    EXPECT_EQ(spin.Value(), 4) << "then one every 100 ms";
    release(up);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(spin.Value(), 4) << "the release does not click again";

    press(spin.Button()->DownButton());
    release(spin.Button()->DownButton());
    EXPECT_EQ(spin.Value(), 3);
}

class FaultySpin : public TEsgSpinEdit {
public:
    int clicks = 0;
    void UpClick(TObject* Sender) override
    {
        if (++clicks == 2)
            throw Exception(QStringLiteral("step failed"));
        TEsgSpinEdit::UpClick(Sender);
    }
};

TEST(EsgSpinEdit, FaultOfARepeatedClickStopsTheRepeatAndShowsABox)
{
    platform::ModalSeams seams;
    seams.AnswerMessage(mrOk);
    FaultySpin spin;
    TExTimerSpeedButton* up = spin.Button()->UpButton();
    press(up);
    up->RepeatTimer()->OnTimer(up->RepeatTimer());
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
    EXPECT_FALSE(up->isDown());
    ASSERT_EQ(seams.Messages().size(), 1u);
    EXPECT_TRUE(seams.Messages().front().contains("step failed"));
    EXPECT_EQ(spin.Value(), 1);
}

TEST(EsgSpinEdit, FormattingRectEndsBeforeTheButtons)
{
    EXPECT_EQ(SpinEditFormattingRect(100, 20, 15, false), (TRect{3, 3, 80, 21}));
    EXPECT_EQ(SpinEditFormattingRect(100, 20, 15, true), (TRect{0, 0, 83, 21}));
}

TEST(EsgSpinEdit, ButtonsSitAtTheRightEdgeOfABorderlessEdit)
{
    TEsgSpinEdit spin;
    spin.SetBorderStyle(bsEditNone);
    spin.SetBounds(0, 0, 100, 24);
    spin.show();
    EXPECT_EQ(spin.Button()->Left(), 100 + 4 - 15 - 5);
    EXPECT_EQ(spin.Button()->Height(), 24 + 4 - 5);
    EXPECT_EQ(spin.Button()->UpButton()->height(), 23 / 2);
}

}  // namespace
