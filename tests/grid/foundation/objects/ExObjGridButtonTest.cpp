#include "grid/foundation/objects/ExObjGridButton.h"

#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Canvas.h"
#include "tests/support/KeyStrokes.h"

#include <QtGui/QAccessible>
#include <QtGui/QImage>
#include <QtGui/QWindow>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr TColor kKey = 0xFF00FF;  // the glyphs' transparent colour (bottom-left pixel)

TColor PixelOf(const QImage& image, int x, int y)
{
    const QColor q = image.pixelColor(x, y);
    return RGB(q.red(), q.green(), q.blue());
}

// A square glyph in one colour with a transparent bottom-left pixel.
std::unique_ptr<TBitmap> SolidGlyph(TColor color, int size = 8)
{
    auto glyph = std::make_unique<TBitmap>(size, size);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(ToQColor(color));
    image.setPixelColor(0, size - 1, ToQColor(kKey));
    glyph->setImage(image);
    return glyph;
}

// The top-left corner of the pixels of a colour, (-1, -1) when there are none.
TPoint FindColor(const QImage& image, TColor color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelOf(image, x, y) == color)
                return {x, y};
    return {-1, -1};
}

class GridButton : public ::testing::Test {
protected:
    GridButton()
    {
        window.resize(300, 200);
        window.show();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }

    TExGridButton* Make(int left = 10, int top = 10, QWidget* parent = nullptr)
    {
        auto* button = new TExGridButton(parent ? parent : &window);
        button->SetLeft(left);
        button->SetTop(top);
        button->show();
        button->OnClick = [this](TObject* sender) { clicks.push_back(sender); };
        return button;
    }

    static void Mouse(TExGridButton* button, QEvent::Type type, QPoint pos, Qt::MouseButton which = Qt::LeftButton)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(which);
        QMouseEvent event(type, QPointF(pos), QPointF(button->mapToGlobal(pos)), which, held, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
    static void Press(TExGridButton* button, QPoint pos = {5, 5}) { Mouse(button, QEvent::MouseButtonPress, pos); }
    static void Release(TExGridButton* button, QPoint pos = {5, 5})
    {
        Mouse(button, QEvent::MouseButtonRelease, pos);
    }
    static void MoveTo(TExGridButton* button, QPoint pos)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(button->mapToGlobal(pos)), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
    static void ClickAt(TExGridButton* button, QPoint pos = {5, 5})
    {
        Press(button, pos);
        Release(button, pos);
    }
    static void Enter(TExGridButton* button)
    {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(button->mapToGlobal(QPoint(5, 5))));
        QApplication::sendEvent(button, &event);
    }
    static void Leave(TExGridButton* button)
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(button, &event);
    }
    void TypeAlt(int key)
    {
        const QString text = QString(QChar(key)).toLower();
        qt_handleKeyEvent(window.windowHandle(), QEvent::KeyPress, key, Qt::AltModifier, text);
        qt_handleKeyEvent(window.windowHandle(), QEvent::KeyRelease, key, Qt::AltModifier, text);
        QApplication::processEvents();
    }
    static QImage Shot(TExGridButton* button)
    {
        QImage image(button->width(), button->height(), QImage::Format_RGB32);
        image.fill(Qt::black);
        TCanvas canvas(&image);
        button->PaintTo(&canvas);
        canvas.Release();
        return image;
    }
    int ClicksOf(TExGridButton* button) const { return int(std::count(clicks.begin(), clicks.end(), button)); }

    QWidget window;
    std::vector<TObject*> clicks;
};

TEST_F(GridButton, StartsAsAFlatButtonOfTheDefaultColours)
{
    TExGridButton* button = Make();
    EXPECT_EQ(button->Width(), 23);
    EXPECT_EQ(button->Height(), 22);
    EXPECT_EQ(button->Color(), clBtnFace);
    EXPECT_EQ(button->ColorTo(), clNone);
    EXPECT_EQ(button->ColorHot(), 0xCAC7C7u);
    EXPECT_EQ(button->ColorDown(), 0xD8D3D2u);
    EXPECT_EQ(button->ColorChecked(), clGray);
    EXPECT_EQ(button->BorderColor(), clNone);
    EXPECT_EQ(button->BorderDownColor(), clNone);
    EXPECT_TRUE(button->Flat());
    EXPECT_TRUE(button->Shaded());
    EXPECT_TRUE(button->ShowCaption());
    EXPECT_FALSE(button->Rounded());
    EXPECT_EQ(button->Margin(), -1);
    EXPECT_EQ(button->Spacing(), 4);
    EXPECT_EQ(button->Layout(), TExGridButton::blGlyphLeft);
    EXPECT_EQ(button->Style(), tasButton);
    EXPECT_EQ(button->Look(), 0);
    EXPECT_EQ(button->State(), TExGridButton::bsUp);
    EXPECT_FALSE(button->hasFocus() || button->focusPolicy() != Qt::NoFocus);
}

TEST_F(GridButton, LooksSetTheirColours)
{
    struct Case {
        int look;
        TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
        bool rounded;
    };
    const Case cases[] = {
        {0, 0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
        {1, clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
        {2, 0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {3, 0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {4, 0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {5, clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false},
        {6, 0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
    };
    for (const Case& c : cases) {
        TExGridButton* button = Make();
        button->SetBorderColor(clRed);
        button->SetFlat(false);
        button->SetRounded(!c.rounded);
        button->SetLook(c.look);
        EXPECT_EQ(button->Look(), c.look);
        EXPECT_EQ(button->Color(), c.color) << c.look;
        EXPECT_EQ(button->ColorTo(), c.colorTo) << c.look;
        EXPECT_EQ(button->ColorHot(), c.hot) << c.look;
        EXPECT_EQ(button->ColorHotTo(), c.hotTo) << c.look;
        EXPECT_EQ(button->ColorDown(), c.down) << c.look;
        EXPECT_EQ(button->ColorDownTo(), c.downTo) << c.look;
        EXPECT_EQ(button->ColorChecked(), c.checked) << c.look;
        EXPECT_EQ(button->ColorCheckedTo(), c.checkedTo) << c.look;
        EXPECT_EQ(button->BorderDownColor(), c.borderDown) << c.look;
        EXPECT_EQ(button->BorderHotColor(), c.borderHot) << c.look;
        EXPECT_EQ(button->BorderColor(), clNone) << c.look;
        EXPECT_EQ(button->Rounded(), c.rounded) << c.look;
        EXPECT_TRUE(button->Flat()) << c.look;
    }
    TExGridButton* button = Make();
    button->SetLook(2);
    button->SetLook(9);
    EXPECT_EQ(button->Look(), 9);
    EXPECT_EQ(button->Color(), 0xFDEADAu) << "an unknown look changes nothing";
}

TEST_F(GridButton, ThemeLookWithoutAColourSchemeIsLookOne)
{
    TExGridButton* button = Make();
    button->SetAutoThemeAdapt(true);
    EXPECT_EQ(button->Look(), 1);
    EXPECT_EQ(button->ColorHot(), 0xEED2C1u);
}

TEST_F(GridButton, MarginBelowMinusOneIsIgnored)
{
    TExGridButton* button = Make();
    button->SetMargin(3);
    button->SetMargin(-2);
    EXPECT_EQ(button->Margin(), 3);
    button->SetMargin(-1);
    EXPECT_EQ(button->Margin(), -1);
}

TEST_F(GridButton, GlyphGivesAGreyDisabledGlyphAndAShadow)
{
    struct Case {
        QRgb pixel;
        int grey;
    };
    const Case cases[] = {
        {qRgb(255, 255, 255), 223}, {qRgb(0, 0, 0), 96},     {qRgb(30, 60, 90), 126},
        {qRgb(255, 0, 0), 138},     {qRgb(1, 1, 2), 96},     {qRgb(2, 2, 1), 97},
        {qRgb(100, 101, 101), 146},
    };
    TBitmap glyph(int(std::size(cases)), 2);
    QImage image(int(std::size(cases)), 2, QImage::Format_RGB32);
    image.fill(ToQColor(kKey));
    for (int i = 0; i < int(std::size(cases)); ++i)
        image.setPixel(i, 0, cases[i].pixel);
    glyph.setImage(image);

    TExGridButton* button = Make();
    button->SetGlyph(&glyph);
    const QImage disabled = button->GlyphDisabled()->pixels();
    for (int i = 0; i < int(std::size(cases)); ++i)
        EXPECT_EQ(disabled.pixelColor(i, 0), QColor(cases[i].grey, cases[i].grey, cases[i].grey)) << i;
    const QImage shade = button->GlyphShade()->pixels();
    EXPECT_EQ(shade.pixelColor(0, 0), QColor(0x80, 0x80, 0x80)) << "grey where the glyph has content";
    EXPECT_EQ(shade.pixelColor(1, 1), ToQColor(kKey)) << "transparent elsewhere";
}

TEST_F(GridButton, OwnDisabledGlyphIsKeptAndAMadeOneFollowsTheGlyph)
{
    TExGridButton* button = Make();
    button->SetGlyph(SolidGlyph(clWhite).get());
    EXPECT_EQ(button->GlyphDisabled()->pixels().pixelColor(2, 2), QColor(223, 223, 223));
    button->SetGlyph(SolidGlyph(clBlack).get());
    EXPECT_EQ(button->GlyphDisabled()->pixels().pixelColor(2, 2), QColor(96, 96, 96)) << "remade from the new glyph";
    button->SetGlyphDisabled(SolidGlyph(clRed).get());
    button->SetGlyph(SolidGlyph(clWhite).get());
    EXPECT_EQ(button->GlyphDisabled()->pixels().pixelColor(2, 2), QColor(255, 0, 0)) << "an own one stays";
}

TEST_F(GridButton, DownFollowsStyleGroupAndAllowAllUp)
{
    struct Case {
        const char* what;
        TExGridButtonStyle style;
        int group;
        bool allowAllUp;
        bool before;
        bool write;
        bool after;
    };
    const Case cases[] = {
        {"ungrouped push button never stays down", tasButton, 0, false, false, true, false},
        {"check button goes down", tasCheck, 0, false, false, true, true},
        {"check button comes up", tasCheck, 0, false, true, false, false},
        {"grouped button goes down", tasButton, 1, false, false, true, true},
        {"grouped button without all-up stays down", tasButton, 1, false, true, false, true},
        {"grouped button with all-up comes up", tasButton, 1, true, true, false, false},
    };
    for (const Case& c : cases) {
        QWidget parent(&window);
        TExGridButton* button = Make(10, 10, &parent);
        button->SetStyle(c.style);
        button->SetGroupIndex(c.group);
        button->SetAllowAllUp(true);
        button->SetDown(c.before);
        button->SetAllowAllUp(c.allowAllUp);
        button->SetDown(c.write);
        EXPECT_EQ(button->Down(), c.after) << c.what;
    }
}

TEST_F(GridButton, PressingAGroupButtonReleasesTheOneHeldDown)
{
    QWidget parent(&window), other(&window);
    TExGridButton* first = Make(0, 0, &parent);
    TExGridButton* second = Make(30, 0, &parent);
    TExGridButton* third = Make(60, 0, &parent);
    TExGridButton* elsewhere = Make(0, 0, &other);
    TExGridButton* otherGroup = Make(90, 0, &parent);
    for (TExGridButton* b : {first, second, third, elsewhere})
        b->SetGroupIndex(1);
    otherGroup->SetGroupIndex(2);
    first->SetDown(true);
    elsewhere->SetDown(true);
    otherGroup->SetDown(true);

    second->SetDown(true);
    EXPECT_FALSE(first->Down());
    EXPECT_EQ(first->State(), TExGridButton::bsUp);
    EXPECT_TRUE(second->Down());
    EXPECT_EQ(second->State(), TExGridButton::bsExclusive);
    EXPECT_TRUE(elsewhere->Down()) << "another parent is another group";
    EXPECT_TRUE(otherGroup->Down());

    ClickAt(third);
    EXPECT_TRUE(third->Down());
    EXPECT_FALSE(second->Down());
    EXPECT_EQ(ClicksOf(third), 1);
    ClickAt(third);
    EXPECT_TRUE(third->Down()) << "without AllowAllUp the last one stays down";

    first->SetAllowAllUp(true);
    EXPECT_TRUE(second->AllowAllUp()) << "the group takes the sender's AllowAllUp";
    EXPECT_TRUE(third->AllowAllUp());
    EXPECT_FALSE(elsewhere->AllowAllUp());
    ClickAt(third);
    EXPECT_FALSE(third->Down());
}

TEST_F(GridButton, MousePressDragAndRelease)
{
    TExGridButton* button = Make();
    Press(button);
    EXPECT_EQ(button->State(), TExGridButton::bsDown);
    MoveTo(button, {40, 5});
    EXPECT_EQ(button->State(), TExGridButton::bsUp) << "dragged off";
    MoveTo(button, {5, 22});
    EXPECT_EQ(button->State(), TExGridButton::bsDown) << "the bottom edge still counts as inside";
    Release(button, {5, 5});
    EXPECT_EQ(ClicksOf(button), 1);
    EXPECT_EQ(button->State(), TExGridButton::bsUp);

    Press(button);
    Release(button, {40, 5});
    EXPECT_EQ(ClicksOf(button), 1) << "released outside: no click";

    Mouse(button, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton);
    Mouse(button, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton);
    EXPECT_EQ(ClicksOf(button), 1) << "right button";

    button->SetEnabled(false);
    ClickAt(button);
    EXPECT_EQ(ClicksOf(button), 1) << "disabled";
}

TEST_F(GridButton, CheckButtonTogglesOnClickOnly)
{
    TExGridButton* button = Make();
    button->SetStyle(tasCheck);
    ClickAt(button);
    EXPECT_TRUE(button->Down());
    Press(button);
    MoveTo(button, {40, 5});
    EXPECT_EQ(button->State(), TExGridButton::bsDown) << "a checked button stays down while dragged";
    Release(button, {40, 5});
    EXPECT_TRUE(button->Down()) << "a press dragged off changes nothing";
    EXPECT_EQ(ClicksOf(button), 1);
    ClickAt(button);
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(ClicksOf(button), 2);
}

TEST_F(GridButton, DropDownPartRaisesOnDropDownInsteadOfAClick)
{
    TExGridButton* button = Make();
    button->SetWidth(60);
    button->SetDropDownButton(true);
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    button->SetDropDownMenu(&menu);
    int dropDowns = 0;
    button->OnDropDown = [&](TObject* sender) {
        EXPECT_EQ(sender, button);
        ++dropDowns;
    };
    ClickAt(button, {48, 5});
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(ClicksOf(button), 0);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    ClickAt(button, {47, 5});
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(ClicksOf(button), 1);
    {
        QMenu gone;
        button->SetDropDownMenu(&gone);
    }
    EXPECT_EQ(button->DropDownMenu(), nullptr) << "a freed menu is forgotten";
    ClickAt(button, {50, 5});
    EXPECT_EQ(dropDowns, 2);
}

TEST_F(GridButton, PointerTrackingOfFlatEnabledButtons)
{
    TExGridButton* button = Make();
    std::vector<QString> events;
    button->OnMouseEnter = [&](TObject*) { events.push_back(QStringLiteral("enter")); };
    button->OnMouseLeave = [&](TObject*) { events.push_back(QStringLiteral("leave")); };
    Enter(button);
    EXPECT_TRUE(button->MouseInControl());
    Press(button);
    Leave(button);
    EXPECT_TRUE(button->MouseInControl()) << "kept while dragging";
    Release(button, {40, 5});
    EXPECT_FALSE(button->MouseInControl()) << "released outside";
    MoveTo(button, {5, 5});
    EXPECT_TRUE(button->MouseInControl()) << "a move over the button marks it";
    Leave(button);
    EXPECT_EQ(events, (std::vector<QString>{"enter", "leave", "enter", "leave"}));

    button->SetFlat(false);
    Enter(button);
    EXPECT_FALSE(button->MouseInControl()) << "not for a framed button";
    button->SetFlat(true);
    button->SetEnabled(false);
    Enter(button);
    EXPECT_FALSE(button->MouseInControl()) << "not for a disabled button";
}

TEST_F(GridButton, DoubleClickEventOnlyWhileDown)
{
    QWidget parent(&window);
    TExGridButton* button = Make(0, 0, &parent);
    int doubles = 0;
    button->OnDblClick = [&](TObject*) { ++doubles; };
    Mouse(button, QEvent::MouseButtonDblClick, {5, 5});
    Release(button);
    EXPECT_EQ(doubles, 0);
    button->SetGroupIndex(3);
    button->SetDown(true);
    Mouse(button, QEvent::MouseButtonDblClick, {5, 5});
    Release(button);
    EXPECT_EQ(doubles, 1);
}

TEST_F(GridButton, AcceleratorClicksAnEnabledVisibleButton)
{
    TExGridButton* button = Make();
    button->SetCaption(QStringLiteral("&Find"));
    TypeAlt(Qt::Key_F);
    EXPECT_EQ(ClicksOf(button), 1);
    button->SetCaption(QStringLiteral("&Next"));
    TypeAlt(Qt::Key_F);
    EXPECT_EQ(ClicksOf(button), 1) << "the old accelerator is gone";
    TypeAlt(Qt::Key_N);
    EXPECT_EQ(ClicksOf(button), 2);
    button->SetEnabled(false);
    TypeAlt(Qt::Key_N);
    button->SetEnabled(true);
    button->hide();
    TypeAlt(Qt::Key_N);
    EXPECT_EQ(ClicksOf(button), 2);
}

TEST_F(GridButton, AcceleratorClicksOncePerPress)
{
    TExGridButton* button = Make();
    button->SetCaption(QStringLiteral("&Find"));
    testsupport::ExpectKeyActivations({"grid button", &window, Qt::Key_F, Qt::AltModifier, [] {},
                                       [this, button] { return ClicksOf(button); }});
}

TEST_F(GridButton, AccessibleAsAPushButton)
{
    TExGridButton* button = Make();
    button->SetCaption(QStringLiteral("&Find"));
    button->SetHint(QStringLiteral("Find the text"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Find"));
    EXPECT_EQ(a->text(QAccessible::Description), QStringLiteral("Find the text"));
    EXPECT_FALSE(a->state().checkable);
    QAccessibleActionInterface* actions = a->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ClicksOf(button), 1);
    button->SetStyle(tasCheck);
    button->SetDown(true);
    EXPECT_TRUE(a->state().checkable);
    EXPECT_TRUE(a->state().checked);
}

// Faces of look 1 (flat colours, border 0xC56A31 on the full client area).
TEST_F(GridButton, FlatFacesByState)
{
    struct Case {
        const char* what;
        TExGridButtonStyle style;
        bool down, hot, pressed;
        TColor face, edge;
    };
    const Case cases[] = {
        {"idle", tasButton, false, false, false, ColorToRGB(clBtnFace), ColorToRGB(clBtnFace)},
        {"hot", tasButton, false, true, false, 0xEED2C1, 0xC56A31},
        {"pressed under the pointer", tasButton, false, true, true, 0xE2B598, 0xC56A31},
        {"checked, idle", tasCheck, true, false, false, 0xE8E6E1, 0xC56A31},
        {"checked under the pointer", tasCheck, true, true, false, 0xE8E6E1, 0xC56A31},
    };
    for (const Case& c : cases) {
        TExGridButton* button = Make();
        button->SetLook(1);
        button->SetStyle(c.style);
        button->SetDown(c.down);
        if (c.hot)
            Enter(button);
        if (c.pressed)
            Press(button);
        const QImage shot = Shot(button);
        EXPECT_EQ(PixelOf(shot, 11, 1), c.face) << c.what;
        EXPECT_EQ(PixelOf(shot, 11, 0), c.edge) << c.what;
        EXPECT_EQ(PixelOf(shot, 0, 11), c.edge) << c.what;
        if (c.pressed)
            Release(button);
    }
}

TEST_F(GridButton, GradientAndRoundedFaces)
{
    TExGridButton* button = Make();
    button->SetLook(2);
    QImage shot = Shot(button);
    EXPECT_EQ(PixelOf(shot, 11, 0), 0xFDEADAu) << "the gradient starts at the top";
    // Band 15 of 16 over 22 rows starts at row 21: from + 15/16 of the way.
    EXPECT_EQ(PixelOf(shot, 11, 21), RGB(0xDA + int(std::nearbyint(15 * (0x88 - 0xDA) / 16.0)),
                                         0xEA + int(std::nearbyint(15 * (0xAE - 0xEA) / 16.0)),
                                         0xFD + int(std::nearbyint(15 * (0xE4 - 0xFD) / 16.0))));

    button->SetLook(0);
    Enter(button);
    shot = Shot(button);
    EXPECT_EQ(PixelOf(shot, 11, 0), 0xC3CECEu) << "hot rounded outline";
    EXPECT_EQ(PixelOf(shot, 0, 0), clBlack) << "rounded corner left alone";
    EXPECT_EQ(PixelOf(shot, 11, 1), 0xFAFCFCu) << "hot gradient starts inside the outline";
}

TEST_F(GridButton, DropDownPartDrawsItsArrowAndSeparator)
{
    TExGridButton* button = Make();
    button->SetLook(1);
    button->SetWidth(60);
    button->SetDropDownButton(true);
    Enter(button);
    const QImage shot = Shot(button);
    // The separator is 12 pixels left of the face's right edge (60); the face
    // then shrinks to 1..59 and the arrow sits in its last 12 pixels, row 10.
    EXPECT_EQ(PixelOf(shot, 48, 5), 0xC56A31u);
    EXPECT_EQ(PixelOf(shot, 53, 11), ColorToRGB(button->Font().Color()));
    EXPECT_EQ(PixelOf(shot, 52, 13), 0xEED2C1u);
}

// A framed (non-flat) button draws the classic push-button frame; held down in
// a group it is filled in the checked colour and its glyph moves by one pixel.
TEST_F(GridButton, FramedButtonLooks)
{
    struct Case {
        const char* what;
        bool down;
        TColor corner, centre;
        TPoint glyph;
    };
    const Case cases[] = {
        {"up", false, ColorToRGB(clBtnHighlight), ColorToRGB(clBtnFace), {8, 7}},
        {"held down in its group", true, ColorToRGB(clBtnShadow), clGray, {9, 8}},
    };
    for (const Case& c : cases) {
        QWidget parent(&window);
        TExGridButton* button = Make(0, 0, &parent);
        button->SetFlat(false);
        button->SetGroupIndex(1);
        button->SetDown(c.down);
        EXPECT_EQ(PixelOf(Shot(button), 0, 0), c.corner) << c.what;
        EXPECT_EQ(PixelOf(Shot(button), 18, 18), c.centre) << c.what;
        button->SetGlyph(SolidGlyph(0x0000C0).get());
        const TPoint at = FindColor(Shot(button), 0x0000C0);
        EXPECT_EQ(at.X, c.glyph.X) << c.what;
        EXPECT_EQ(at.Y, c.glyph.Y) << c.what;
    }
}

TEST_F(GridButton, DisabledCaptionIsEmbossed)
{
    TExGridButton* button = Make();
    button->SetBounds(10, 10, 60, 22);
    button->SetCaption(QStringLiteral("WW"));
    button->Font().SetColor(clBlue);
    const QImage enabled = Shot(button);
    EXPECT_NE(FindColor(enabled, clBlue).X, -1);
    EXPECT_EQ(FindColor(enabled, ColorToRGB(clBtnShadow)).X, -1);
    button->SetEnabled(false);
    const QImage disabled = Shot(button);
    EXPECT_EQ(button->State(), TExGridButton::bsDisabled);
    const TPoint shadow = FindColor(disabled, ColorToRGB(clBtnShadow));
    const TPoint light = FindColor(disabled, ColorToRGB(clBtnHighlight));
    ASSERT_NE(shadow.X, -1);
    ASSERT_NE(light.X, -1);
    EXPECT_EQ(FindColor(disabled, clBlue).X, -1);
    EXPECT_EQ(light.Y, shadow.Y + 1) << "the light copy lies one pixel lower";
}

TEST_F(GridButton, GlyphByState)
{
    struct Case {
        const char* what;
        bool hot, pressed, enabled;
        TColor shown;
    };
    const Case cases[] = {
        {"idle", false, false, true, 0x0000C0},
        {"hot", true, false, true, 0x00C000},
        {"pressed", true, true, true, 0xC00000},
        {"disabled", false, false, false, 0x3040A0},
    };
    for (const Case& c : cases) {
        TExGridButton* button = Make();
        button->SetGlyph(SolidGlyph(0x0000C0).get());
        button->SetGlyphHot(SolidGlyph(0x00C000).get());
        button->SetGlyphDown(SolidGlyph(0xC00000).get());
        button->SetGlyphDisabled(SolidGlyph(0x3040A0).get());
        button->SetEnabled(c.enabled);
        if (c.hot)
            Enter(button);
        if (c.pressed)
            Press(button);
        const QImage shot = Shot(button);
        EXPECT_EQ(PixelOf(shot, 11, 10), c.shown) << c.what;
        if (c.pressed)
            Release(button);
    }
}

// Faces of a 23 x 22 button shrink to 2..21 x 2..20 (19 x 18); a caption-less
// 8 x 8 glyph is centred in it.
TEST_F(GridButton, GlyphPlacement)
{
    struct Case {
        const char* what;
        int width, height;
        TExGridButton::TButtonLayout layout;
        int margin;
        const char* caption;
        TPoint at;
    };
    const Case cases[] = {
        {"caption-less, centred", 23, 22, TExGridButton::blGlyphLeft, -1, "", {8, 7}},
        {"left with margin 3", 80, 22, TExGridButton::blGlyphLeft, 3, "Ab", {5, 7}},
        {"right with margin 3", 80, 22, TExGridButton::blGlyphRight, 3, "Ab", {67, 7}},
        {"top with margin 2", 40, 40, TExGridButton::blGlyphTop, 2, "Ab", {16, 4}},
        {"bottom with margin 2", 40, 40, TExGridButton::blGlyphBottom, 2, "Ab", {16, 28}},
    };
    for (const Case& c : cases) {
        TExGridButton* button = Make();
        button->SetBounds(10, 10, c.width, c.height);
        button->SetGlyph(SolidGlyph(0x0000C0).get());
        button->SetLayout(c.layout);
        button->SetMargin(c.margin);
        button->SetCaption(QString::fromLatin1(c.caption));
        const TPoint found = FindColor(Shot(button), 0x0000C0);
        EXPECT_EQ(found.X, c.at.X) << c.what;
        EXPECT_EQ(found.Y, c.at.Y) << c.what;
    }
}

TEST_F(GridButton, HotShadedButtonLiftsItsGlyphOverTheShadow)
{
    TExGridButton* button = Make();
    button->SetBounds(10, 10, 80, 22);
    button->SetGlyph(SolidGlyph(0x0000C0).get());
    button->SetMargin(3);
    button->SetCaption(QStringLiteral("Ab"));
    Enter(button);
    const QImage shot = Shot(button);
    EXPECT_EQ(FindColor(shot, 0x0000C0).X, 4) << "moved one pixel up and left";
    EXPECT_EQ(FindColor(shot, 0x0000C0).Y, 6);
    EXPECT_EQ(PixelOf(shot, 4 + 8 + 1, 6 + 8 + 1), 0x808080u) << "shadow two pixels right and down of the glyph";
    button->SetShaded(false);
    EXPECT_EQ(FindColor(Shot(button), 0x0000C0).X, 5);
}

TEST_F(GridButton, ButtonGradientBands)
{
    struct Case {
        int steps;
        bool horizontal;
        int at;  // row or column checked
        TColor expected;
    };
    // From 0 to 160 in red over 32 pixels.
    const Case cases[] = {
        {16, false, 0, RGB(0, 0, 0)},   {16, false, 2, RGB(10, 0, 0)}, {16, false, 31, RGB(150, 0, 0)},
        {0, false, 31, RGB(0, 0, 0)},   {4, true, 8, RGB(40, 0, 0)},   {4, true, 7, RGB(0, 0, 0)},
        {4, true, 31, RGB(120, 0, 0)},
    };
    for (const Case& c : cases) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        TCanvas canvas(&image);
        DrawButtonGradient(&canvas, RGB(0, 0, 0), RGB(160, 0, 0), clNone, c.steps, Rect(0, 0, 32, 32),
                           c.horizontal);
        canvas.Release();
        const int x = c.horizontal ? c.at : 16;
        const int y = c.horizontal ? 16 : c.at;
        EXPECT_EQ(PixelOf(image, x, y), c.expected) << c.steps << " " << c.at;
        EXPECT_EQ(PixelOf(image, 32, 16), clWhite) << "nothing beyond the rectangle";
    }
    QImage image(40, 40, QImage::Format_RGB32);
    TCanvas canvas(&image);
    DrawButtonGradient(&canvas, RGB(0, 0, 0), RGB(160, 0, 0), clBlue, 16, Rect(0, 0, 32, 32), false);
    canvas.Release();
    EXPECT_EQ(PixelOf(image, 0, 16), clBlue);
    EXPECT_EQ(PixelOf(image, 31, 16), clBlue);
    EXPECT_EQ(PixelOf(image, 16, 16), RGB(80, 0, 0));
}

}  // namespace
