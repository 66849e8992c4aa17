// The combo box with its own look: list width and label placement as pure
// layout, the button width bounds, the colours it takes, and its button and
// frame read back as pixels.

#include "grid/cells/editors/controls/EsgComboBox.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/panels/Label.h"
#include "tests/support/CanvasPixels.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(EsgComboLayout, TheDroppedListMakesRoomForItsLongestItem)
{
    const struct {
        std::vector<int> widths;
        int dropDownCount;
        int expected;
    } cases[] = {
        {{40, 97, 60, 20, 10}, 8, 105},             // fits without scroll bar: 97 + 8
        {{40, 97, 60, 20, 10, 1, 2, 3, 4, 5}, 8, 122},  // a scroll bar: 97 + 25
        {{40, 95, 60}, 8, 100},                     // within the width
        {{120, 130}, 8, 138},                       // the width grows item by item
        {{}, 8, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SizedDropDownWidth(100, c.widths, c.dropDownCount), c.expected) << c.widths.size();
}

TEST(EsgComboLayout, TheLabelSitsBesideAboveOrBelowTheCombo)
{
    const TRect combo{100, 50, 220, 71};  // 120 wide, 21 high
    const TSize label{40, 13};
    const struct {
        TLabelPosition position;
        TPoint expected;
    } cases[] = {
        {lpLeftTop, {56, 50}},      {lpLeftCenter, {56, 54}},     {lpLeftBottom, {56, 58}},
        {lpTopLeft, {100, 33}},     {lpBottomLeft, {100, 75}},    {lpLeftTopLeft, {96, 50}},
        {lpLeftCenterLeft, {96, 54}}, {lpLeftBottomLeft, {96, 58}}, {lpTopCenter, {140, 33}},
        {lpBottomCenter, {140, 75}}, {lpRightTop, {224, 50}},     {lpRightCenter, {224, 54}},
        {lpRighBottom, {224, 58}},
    };
    for (const auto& c : cases) {
        const TPoint at = ComboLabelPlace(c.position, combo, label, 40, 4);
        EXPECT_EQ(at.X, c.expected.X) << c.position;
        EXPECT_EQ(at.Y, c.expected.Y) << c.position;
    }
}

TEST(EsgComboProperties, ButtonWidthTakesOnlyFourteenToThirtyTwo)
{
    TEsgComboBox combo;
    EXPECT_EQ(combo.ButtonWidth(), 19);
    const struct {
        int set;
        int kept;
    } cases[] = {{13, 19}, {33, 19}, {14, 14}, {32, 32}, {0, 32}};
    for (const auto& c : cases) {
        combo.SetButtonWidth(c.set);
        EXPECT_EQ(combo.ButtonWidth(), c.kept) << c.set;
    }
}

TEST(EsgComboProperties, TheLabelFollowsTheEnabledStateUnlessAlwaysEnabled)
{
    QWidget form;
    for (bool always : {false, true}) {
        auto* combo = new TEsgComboBox(&form);
        combo->SetLabelCaption("&Port");
        ASSERT_NE(combo->ComboLabel(), nullptr);
        combo->SetLabelAlwaysEnabled(always);
        combo->setEnabled(false);
        EXPECT_EQ(combo->ComboLabel()->isEnabled(), always) << always;
        combo->setEnabled(true);
        EXPECT_TRUE(combo->ComboLabel()->isEnabled());
        delete combo;
    }
}

TEST(EsgComboProperties, TheLabelIsMadeByTheFirstCaptionAndPlacedLeftOfTheCombo)
{
    QWidget form;
    TEsgComboBox combo(&form);
    EXPECT_EQ(combo.ComboLabel(), nullptr);
    combo.SetLabelCaption("");
    EXPECT_EQ(combo.ComboLabel(), nullptr) << "an empty caption makes no label";
    combo.SetBounds(100, 50, 120, 21);
    combo.SetLabelCaption("Port");
    TLabel* label = combo.ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), &form);
    EXPECT_EQ(label->y(), 50);
    const int caption = QFontMetrics(label->Font().ToQFont()).horizontalAdvance(QStringLiteral("Port"));
    EXPECT_GT(caption, 10);
    EXPECT_EQ(label->x(), 100 - 4 - caption) << "the caption's width and the margin left of the combo";
    EXPECT_GE(label->x() + label->width(), 100 - 4) << "the label box reaches the margin";
    combo.SetBounds(150, 80, 120, 21);
    EXPECT_EQ(label->y(), 80) << "moving the combo moves its label";
}

TEST(EsgComboProperties, FocusColourAndFlatParentColourComeAndGo)
{
    QWidget form;
    form.resize(300, 100);
    form.setAutoFillBackground(true);
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, QColor(10, 20, 30));
    form.setPalette(pal);
    auto* other = new QLineEdit(&form);
    auto* combo = new TEsgComboBox(&form);
    combo->move(0, 40);
    combo->SetColor(clYellow);
    combo->Loaded();
    combo->SetFocusColor(clAqua);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    combo->setFocus();
    EXPECT_EQ(combo->Color(), clAqua);
    other->setFocus();
    EXPECT_EQ(combo->Color(), clYellow);

    combo->SetFlat(true);
    EXPECT_EQ(combo->Color(), RGB(10, 20, 30));
    combo->SetFlat(false);
    EXPECT_EQ(combo->Color(), clYellow);
}

// The combo rendered as the screen shows it, read through a canvas.
class ComboPixels : public ::testing::Test {
protected:
    QWidget form;
    TEsgComboBox* combo = new TEsgComboBox(&form);
    QImage image;

    void SetUp() override
    {
        combo->SetBounds(0, 0, 120, 21);
        form.resize(200, 50);
        form.show();
    }
    TColor Pixel(int x, int y)
    {
        image = combo->grab().toImage();
        TCanvas canvas(&image);
        return canvas.Pixels(x, y);
    }
    int Count(TColor color, const TRect& area)
    {
        image = combo->grab().toImage();
        TCanvas canvas(&image);
        return testsupport::CountPixels(canvas, color, area);
    }
};

TEST_F(ComboPixels, ADisabledComboWithoutItsDisabledBorderHasTheThemedFrame)
{
    const TColor frame = RGB(127, 157, 185);
    combo->SetFlat(true);
    combo->setEnabled(false);
    EXPECT_EQ(Count(frame, TRect{0, 0, 120, 21}), 0) << "DisabledBorder on: the toolkit's frame";
    combo->SetDisabledBorder(false);
    const int outline = 2 * 120 + 2 * 19;
    EXPECT_EQ(Count(frame, TRect{0, 0, 120, 21}), outline);
    EXPECT_EQ(Pixel(0, 0), frame);
    EXPECT_EQ(Pixel(119, 20), frame);
}

TEST_F(ComboPixels, BorderColourFramesTheComboAndFocusBorderColourOnlyWithFocus)
{
    combo->SetBorderColor(clRed);
    EXPECT_EQ(Pixel(0, 10), clRed);
    EXPECT_EQ(Pixel(60, 20), clRed);
    combo->SetBorderColor(clNone);
    combo->SetFocusBorderColor(clBlue);
    EXPECT_NE(Pixel(0, 10), clBlue) << "no frame without the focus";
}

TEST_F(ComboPixels, AButtonColourPaintsTheButtonItsEdgeLineAndArrow)
{
    combo->SetButtonColor(clLime);
    combo->SetButtonBorderColor(clBlack);
    combo->SetButtonTextColor(clBlue);
    // The 19-pixel button: filled from x 103, its edge line on that column.
    EXPECT_GT(Count(clLime, TRect{103, 2, 118, 19}), 200);
    EXPECT_EQ(Count(clBlack, TRect{103, 0, 104, 21}), 17) << "the edge line";
    EXPECT_GT(Count(clBlue, TRect{106, 9, 114, 13}), 6) << "the arrow";
    EXPECT_EQ(Count(clLime, TRect{0, 2, 90, 19}), 0) << "the button stays on the right";
}

TEST_F(ComboPixels, TheVistaComboIsThePlainToolkitComboUntilItHasAButtonColour)
{
    combo->SetIsVista(true);
    combo->SetBorderColor(clRed);
    EXPECT_FALSE(combo->PaintsOwnLook());
    combo->SetButtonColor(clLime);
    EXPECT_TRUE(combo->PaintsOwnLook());
    EXPECT_EQ(Pixel(0, 10), clRed);
}

TEST(EsgComboTyping, AnEditableComboCompletesFromItsItemsIgnoringCase)
{
    QWidget form;
    auto* combo = new TEsgComboBox(&form);
    combo->Items().Assign({"Alpha", "Beta"});
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    combo->setFocus();
    QTest::keyClicks(combo, "be");
    EXPECT_EQ(combo->Text().toLower(), "beta");
    EXPECT_EQ(combo->lineEdit()->selectedText(), "ta");

    combo->SetText("");
    combo->SetAutoComplete(false);
    QTest::keyClicks(combo, "be");
    EXPECT_EQ(combo->Text(), "be");
}

}  // namespace
