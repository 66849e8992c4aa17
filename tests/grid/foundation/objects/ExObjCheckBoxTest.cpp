// The grid check box in a window: its three states drawn and changed by
// mouse, Space, accelerator and assistive tools; read-only, Enter as Tab,
// transparency, alignment and the disabled caption.

#include "grid/foundation/objects/ExObjCheckBox.h"
#include "tests/support/KeyStrokes.h"

#include <QtGui/QAccessible>
#include <QtGui/QImage>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QWindow>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

QRgb rgbOf(TColor color)
{
    return ToQColor(color).rgb();
}

class ExCheckBoxTest : public ::testing::Test {
protected:
    ExCheckBoxTest()
    {
        form.setGeometry(100, 100, 300, 200);
        before = new QLineEdit(&form);
        before->setGeometry(10, 100, 100, 22);
        box = new TExCheckBox(&form);
        box->SetBounds(10, 10, 98, 20);
        box->SetCaption(QStringLiteral("Match case"));
        box->OnClick = [this](TObject* sender) {
            EXPECT_EQ(sender, box);
            ++clicks;
        };
        after = new QLineEdit(&form);
        after->setGeometry(10, 140, 100, 22);
        form.show();
        QApplication::setActiveWindow(&form);
        before->setFocus();
        QApplication::processEvents();
    }

    void mouse(QEvent::Type type, QPoint pos, Qt::MouseButton which = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(which);
        QMouseEvent event(type, QPointF(pos), QPointF(box->mapToGlobal(pos)), which, held, Qt::NoModifier);
        QApplication::sendEvent(box, &event);
    }

    void key(QEvent::Type type, int qtKey, bool autoRepeat = false)
    {
        const QString text = qtKey == Qt::Key_Space ? QStringLiteral(" ") : QString();
        QKeyEvent event(type, qtKey, Qt::NoModifier, text, autoRepeat);
        QApplication::sendEvent(box, &event);
    }

    void space()
    {
        key(QEvent::KeyPress, Qt::Key_Space);
        key(QEvent::KeyRelease, Qt::Key_Space);
    }

    QImage rendered()
    {
        QImage image(box->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        box->render(&image);
        return image;
    }

    QWidget form;
    QLineEdit* before = nullptr;
    TExCheckBox* box = nullptr;
    QLineEdit* after = nullptr;
    int clicks = 0;
};

TEST_F(ExCheckBoxTest, StartsWithItsDocumentedValues)
{
    TExCheckBox fresh(&form);
    EXPECT_EQ(fresh.Width(), 98);
    EXPECT_EQ(fresh.Height(), 20);
    EXPECT_EQ(fresh.Caption(), QStringLiteral("TExCheckBox"));
    EXPECT_EQ(fresh.State(), cbUnchecked);
    EXPECT_FALSE(fresh.Checked());
    EXPECT_EQ(fresh.Alignment(), taLeftJustify);
    EXPECT_EQ(fresh.ButtonVertAlign(), vtaTop);
    EXPECT_EQ(fresh.Color(), clWindow);
    EXPECT_TRUE(fresh.ParentColor());
    EXPECT_FALSE(fresh.ReadOnly());
    EXPECT_FALSE(fresh.ReturnIsTab());
    EXPECT_FALSE(fresh.Transparent());
    EXPECT_FALSE(fresh.TransparentChaching());
    EXPECT_FALSE(fresh.Ellipsis());
    EXPECT_FALSE(fresh.TabStop());
    EXPECT_TRUE(fresh.Enabled());
}

TEST_F(ExCheckBoxTest, CheckedStateAndToggleAgree)
{
    struct Case {
        TCheckBoxState start;
        bool readOnly;
        bool checked;
        TCheckBoxState afterToggle;
    };
    const Case cases[] = {
        {cbUnchecked, false, false, cbChecked}, {cbChecked, false, true, cbUnchecked},
        {cbGrayed, false, false, cbChecked},    {cbUnchecked, true, false, cbUnchecked},
        {cbChecked, true, true, cbChecked},     {cbGrayed, true, false, cbGrayed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.start) * 10 + int(c.readOnly));
        box->SetReadOnly(c.readOnly);
        box->SetState(c.start);
        EXPECT_EQ(box->Checked(), c.checked);
        box->Toggle();
        EXPECT_EQ(box->State(), c.afterToggle);
    }
    box->SetState(cbGrayed);
    box->SetChecked(true);
    EXPECT_EQ(box->State(), cbChecked);
    box->SetChecked(false);
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 0);  // changes from code raise no click
}

TEST_F(ExCheckBoxTest, DrawsEachStateAsTheClassicBox)
{
    // The 13-pixel box at (0, 4): interior from (2, 6), a mark pixel at (6, 11)
    // and an interior pixel beside the mark at (9, 13).
    struct Case {
        TCheckBoxState state;
        bool enabled;
        TColor interior;
        TColor mark;
    };
    const Case cases[] = {
        {cbUnchecked, true, clWindow, clWindow},   {cbChecked, true, clWindow, clWindowText},
        {cbGrayed, true, clBtnFace, clBtnFace},    {cbUnchecked, false, clBtnFace, clBtnFace},
        {cbChecked, false, clBtnFace, clBtnShadow}, {cbGrayed, false, clBtnFace, clBtnFace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.state) * 10 + int(c.enabled));
        box->SetState(c.state);
        box->SetEnabled(c.enabled);
        const QImage image = rendered();
        EXPECT_EQ(image.pixel(9, 13), rgbOf(c.interior));
        EXPECT_EQ(image.pixel(6, 11), rgbOf(c.mark));
        EXPECT_EQ(image.pixel(0, 4), rgbOf(clBtnShadow));  // the box's outer edge
    }
}

TEST_F(ExCheckBoxTest, PlacesTheBoxByItsAlignments)
{
    box->SetBounds(10, 10, 98, 30);
    box->SetColor(clYellow);
    struct Case {
        TAlignment alignment;
        TVAlignment vAlign;
        int left;
        int top;
    };
    const Case cases[] = {
        {taLeftJustify, vtaTop, 0, 4},      {taLeftJustify, vtaCenter, 0, 9},
        {taLeftJustify, vtaBottom, 0, 13},  {taRightJustify, vtaTop, 85, 4},
        {taRightJustify, vtaBottom, 85, 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left * 100 + c.top);
        box->SetAlignment(c.alignment);
        box->SetButtonVertAlign(c.vAlign);
        box->SetState(cbChecked);
        const QImage image = rendered();
        EXPECT_EQ(image.pixel(c.left, c.top), rgbOf(clBtnShadow));
        EXPECT_EQ(image.pixel(c.left + 12, c.top + 12), rgbOf(clBtnHighlight));
        EXPECT_EQ(image.pixel(c.left + 6, c.top + 7), rgbOf(clWindowText));
        EXPECT_EQ(image.pixel(c.left + 6, c.top - 1), rgbOf(clYellow));
    }
}

// The darkest and the lightest grey level drawn in an area (text is smoothed,
// so the pure colours show at the strokes' cores and edges).
std::pair<int, int> darkestAndLightest(const QImage& image, const QRect& area)
{
    int darkest = 255, lightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            darkest = std::min({darkest, qRed(p), qGreen(p), qBlue(p)});
            lightest = std::max(lightest, std::min({qRed(p), qGreen(p), qBlue(p)}));
        }
    return {darkest, lightest};
}

TEST_F(ExCheckBoxTest, DisabledCaptionIsDrawnTwiceWhiteThenGrey)
{
    box->SetColor(clBtnFace);  // (212, 208, 200): neither white nor grey
    const QRect caption(15, 0, 98 - 15, 20);
    struct Case {
        bool enabled;
        int darkestMin, darkestMax;
        bool whiteShown;
    };
    for (const Case& c : {Case{true, 0, 40, false}, Case{false, 120, 136, true}}) {
        SCOPED_TRACE(c.enabled);
        box->SetEnabled(c.enabled);
        const auto [darkest, lightest] = darkestAndLightest(rendered(), caption);
        EXPECT_GE(darkest, c.darkestMin);
        EXPECT_LE(darkest, c.darkestMax);
        EXPECT_EQ(lightest >= 240, c.whiteShown);
    }
}

TEST_F(ExCheckBoxTest, BackgroundIsItsColourTheParentsOrNone)
{
    form.setAutoFillBackground(true);
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    form.setPalette(palette);
    auto formPixel = [this] {
        QImage image(form.size(), QImage::Format_RGB32);
        form.render(&image);
        return image.pixel(10 + 90, 10 + 2);  // inside the box, clear of box and caption
    };
    EXPECT_EQ(formPixel(), qRgb(0, 0, 255));  // the parent's colour
    box->SetColor(clLime);
    EXPECT_FALSE(box->ParentColor());
    EXPECT_EQ(formPixel(), qRgb(0, 255, 0));
    box->SetTransparent(true);
    EXPECT_EQ(formPixel(), qRgb(0, 0, 255));  // the parent shows through
    box->SetTransparent(false);
    EXPECT_EQ(formPixel(), qRgb(0, 255, 0));
}

TEST_F(ExCheckBoxTest, FocusIsShownAroundTheCaption)
{
    box->SetColor(clBtnFace);
    const QImage unfocused = rendered();
    box->setFocus();
    ASSERT_TRUE(box->hasFocus());
    const QImage focused = rendered();
    // The dotted frame starts 2 pixels left of the caption, at (13, 4).
    int changed = 0;
    for (int y = 4; y < 18; ++y)
        changed += focused.pixel(13, y) != unfocused.pixel(13, y) ? 1 : 0;
    EXPECT_GT(changed, 3);
    EXPECT_EQ(focused.pixel(12, 10), unfocused.pixel(12, 10));
}

struct MouseCase {
    const char* name;
    Qt::MouseButton button;
    QPoint press;
    bool pressOnBox;
    QPoint release;
    bool readOnly;
    int clicks;
    TCheckBoxState state;
};

TEST_F(ExCheckBoxTest, AReleaseOnTheBoxAfterAPressOnItTogglesAndClicks)
{
    const MouseCase cases[] = {
        {"click", Qt::LeftButton, {20, 10}, true, {20, 10}, false, 1, cbChecked},
        {"released on the far edge", Qt::LeftButton, {20, 10}, true, {98, 20}, false, 1, cbChecked},
        {"released outside", Qt::LeftButton, {20, 10}, true, {99, 10}, false, 0, cbUnchecked},
        {"released above", Qt::LeftButton, {20, 10}, true, {20, -1}, false, 0, cbUnchecked},
        {"no press on it", Qt::LeftButton, {20, 10}, false, {20, 10}, false, 0, cbUnchecked},
        {"right button", Qt::RightButton, {20, 10}, true, {20, 10}, false, 0, cbUnchecked},
        {"read-only", Qt::LeftButton, {20, 10}, true, {20, 10}, true, 1, cbUnchecked},
    };
    for (const MouseCase& c : cases) {
        SCOPED_TRACE(c.name);
        clicks = 0;
        box->SetState(cbUnchecked);
        box->SetReadOnly(c.readOnly);
        before->setFocus();
        if (c.pressOnBox)
            mouse(QEvent::MouseButtonPress, c.press, c.button);
        mouse(QEvent::MouseButtonRelease, c.release, c.button);
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(box->State(), c.state);
        EXPECT_FALSE(box->Down());
        if (c.pressOnBox && c.button == Qt::LeftButton) {
            EXPECT_TRUE(box->hasFocus());  // a press takes the focus
        }
    }
}

TEST_F(ExCheckBoxTest, DownFollowsTheMouseWhilePressed)
{
    std::vector<std::pair<int, int>> seen;
    box->OnMouseMove = [&seen](TObject*, TShiftState, int x, int y) { seen.push_back({x, y}); };
    mouse(QEvent::MouseMove, {30, 5});
    EXPECT_FALSE(box->Down());
    mouse(QEvent::MouseButtonPress, {30, 5});
    EXPECT_TRUE(box->Down());
    const std::pair<QPoint, bool> moves[] = {
        {{150, 5}, false}, {{98, 20}, true}, {{5, 21}, false}, {{0, 0}, true}, {{-1, 0}, false}, {{40, 10}, true}};
    for (const auto& [pos, down] : moves) {
        mouse(QEvent::MouseMove, pos);
        EXPECT_EQ(box->Down(), down) << pos.x() << "," << pos.y();
    }
    mouse(QEvent::MouseButtonRelease, {40, 10});
    EXPECT_FALSE(box->Down());
    mouse(QEvent::MouseMove, {150, 5});
    EXPECT_FALSE(box->Down());
    EXPECT_EQ(seen.size(), 8u);
    EXPECT_EQ(seen.front(), std::make_pair(30, 5));
}

TEST_F(ExCheckBoxTest, SpaceTogglesOncePerRelease)
{
    box->setFocus();
    std::vector<Word> downs, ups;
    box->OnKeyDown = [&downs](TObject*, Word& k, TShiftState) { downs.push_back(k); };
    box->OnKeyUp = [&ups](TObject*, Word& k, TShiftState) { ups.push_back(k); };
    const TCheckBoxState expected[] = {cbChecked, cbUnchecked, cbChecked};
    for (TCheckBoxState state : expected) {
        key(QEvent::KeyPress, Qt::Key_Space);
        EXPECT_TRUE(box->Down());
        key(QEvent::KeyRelease, Qt::Key_Space);
        EXPECT_FALSE(box->Down());
        EXPECT_EQ(box->State(), state);
    }
    EXPECT_EQ(clicks, 3);
    // A held key repeats: only the real release toggles.
    key(QEvent::KeyPress, Qt::Key_Space);
    key(QEvent::KeyRelease, Qt::Key_Space, true);
    key(QEvent::KeyPress, Qt::Key_Space, true);
    key(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(downs, std::vector<Word>(downs.size(), VK_SPACE));
    EXPECT_EQ(ups.size(), 5u);

    box->SetReadOnly(true);
    space();
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(clicks, 5);
    // Other keys neither toggle nor click.
    key(QEvent::KeyPress, Qt::Key_A);
    key(QEvent::KeyRelease, Qt::Key_A);
    EXPECT_EQ(clicks, 5);
}

// Space typed into the window toggles once per press the box received, never
// for a release alone.
TEST_F(ExCheckBoxTest, SpaceTogglesOncePerPressTheBoxReceived)
{
    const testsupport::KeyActivationRow row = {"check box", &form, Qt::Key_Space, Qt::NoModifier,
                                               [this] {
                                                   box->setFocus();
                                                   QApplication::processEvents();
                                               },
                                               [this] { return clicks; }};
    testsupport::ExpectKeyActivations(row);
    EXPECT_EQ(box->State(), clicks % 2 ? cbChecked : cbUnchecked);
    EXPECT_FALSE(box->Down());
}

TEST_F(ExCheckBoxTest, EnterMovesOnAsTabOnlyWhenAsked)
{
    box->SetTabStop(true);
    std::vector<Word> downs;
    box->OnKeyDown = [&downs](TObject*, Word& k, TShiftState) { downs.push_back(k); };
    for (bool returnIsTab : {false, true}) {
        SCOPED_TRACE(returnIsTab);
        box->SetReturnIsTab(returnIsTab);
        box->setFocus();
        downs.clear();
        key(QEvent::KeyPress, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), returnIsTab ? static_cast<QWidget*>(after) : box);
        EXPECT_EQ(downs, std::vector<Word>{Word(returnIsTab ? VK_TAB : VK_RETURN)});
        EXPECT_EQ(clicks, 0);
    }
}

TEST_F(ExCheckBoxTest, TheCaptionAcceleratorToggles)
{
    box->SetCaption(QStringLiteral("&Match case"));
    for (bool tabStop : {false, true}) {
        SCOPED_TRACE(tabStop);
        box->SetTabStop(tabStop);
        before->setFocus();
        const TCheckBoxState start = box->State();
        qt_handleKeyEvent(form.windowHandle(), QEvent::KeyPress, Qt::Key_M, Qt::AltModifier);
        qt_handleKeyEvent(form.windowHandle(), QEvent::KeyRelease, Qt::Key_M, Qt::AltModifier);
        QApplication::processEvents();
        EXPECT_NE(box->State(), start);
        EXPECT_EQ(box->hasFocus(), tabStop);
    }
    box->SetEnabled(false);
    const TCheckBoxState start = box->State();
    qt_handleKeyEvent(form.windowHandle(), QEvent::KeyPress, Qt::Key_M, Qt::AltModifier);
    qt_handleKeyEvent(form.windowHandle(), QEvent::KeyRelease, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(box->State(), start);
}

QAccessibleInterface* findCheckBox(QAccessibleInterface* root, const QString& name)
{
    if (!root)
        return nullptr;
    if (root->role() == QAccessible::CheckBox && root->text(QAccessible::Name) == name)
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = findCheckBox(root->child(i), name))
            return found;
    return nullptr;
}

TEST_F(ExCheckBoxTest, AssistiveToolsSeeACheckBoxWithItsThreeStates)
{
    box->SetCaption(QStringLiteral("&Highlight"));
    box->SetHint(QStringLiteral("Mark every match"));
    QAccessibleInterface* accessible = findCheckBox(QAccessible::queryAccessibleInterface(&form), "Highlight");
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Description), QStringLiteral("Mark every match"));
    EXPECT_EQ(accessible->text(QAccessible::Accelerator), QStringLiteral("Alt+H"));
    struct Case {
        TCheckBoxState state;
        bool checked, mixed;
    };
    for (Case c : {Case{cbUnchecked, false, false}, Case{cbChecked, true, false}, Case{cbGrayed, false, true}}) {
        box->SetState(c.state);
        EXPECT_TRUE(accessible->state().checkable);
        EXPECT_EQ(bool(accessible->state().checked), c.checked);
        EXPECT_EQ(bool(accessible->state().checkStateMixed), c.mixed);
    }
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(box->State(), cbChecked);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
