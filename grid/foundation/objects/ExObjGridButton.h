#pragma once

// The flat grid button of the grid family (the search bar's buttons).

#include "grid/foundation/objects/ExObj.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/paint/Geometry.h"
#include "platform/ui/controls/InputTypes.h"

#include <QtWidgets/QWidget>

#include <memory>

class QMenu;
class TBitmap;
class TCanvas;

// A flat push or toggle button with separate glyphs for its normal, hot, down and
// disabled looks, a drop shadow of the glyph while the pointer is over it,
// gradient colours for its idle, hot, down and checked looks, optional rounded
// corners, an optional drop-down part and seven built-in colour looks. Buttons of
// one parent with the same GroupIndex hold one another up: pressing one releases
// the one held down. It takes no keyboard focus; its caption's "&x" accelerator
// (Alt+x) clicks it. Assistive tools see a push button. All painting goes through
// PaintTo on a TCanvas, so the face can be drawn on an image as well.
class TExGridButton : public QWidget, public platform::TControl, public TObject {
    Q_OBJECT

public:
    enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
    enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

    explicit TExGridButton(QWidget* AOwner = nullptr);
    ~TExGridButton() override;

    // Raises OnClick.
    virtual void Click();

    QString Caption() const;
    void SetCaption(const QString& value);
    bool AllowAllUp() const;
    void SetAllowAllUp(bool value);
    int GroupIndex() const;
    void SetGroupIndex(int value);
    // Ungrouped push buttons never stay down; a check-style button toggles.
    bool Down() const;
    void SetDown(bool value);
    TExGridButtonStyle Style() const;
    void SetStyle(TExGridButtonStyle value);
    bool Flat() const;
    void SetFlat(bool value);
    TButtonLayout Layout() const;
    void SetLayout(TButtonLayout value);
    // -1 centres glyph and caption; values below -1 are ignored.
    int Margin() const;
    void SetMargin(int value);
    int Spacing() const;
    void SetSpacing(int value);
    bool ShowCaption() const;
    void SetShowCaption(bool value);
    bool Rounded() const;
    void SetRounded(bool value);
    bool Shaded() const;
    void SetShaded(bool value);
    bool DropDownButton() const;
    void SetDropDownButton(bool value);
    // Shown below the button by a press on its drop-down part; not owned.
    QMenu* DropDownMenu() const;
    void SetDropDownMenu(QMenu* value);
    // The theme look follows the desktop's colour scheme (look 1 without one).
    bool AutoThemeAdapt() const;
    void SetAutoThemeAdapt(bool value);
    bool AutoXPStyle() const;
    void SetAutoXPStyle(bool value);

    TColor ColorTo() const;
    void SetColorTo(TColor value);
    TColor ColorHot() const;
    void SetColorHot(TColor value);
    TColor ColorHotTo() const;
    void SetColorHotTo(TColor value);
    TColor ColorDown() const;
    void SetColorDown(TColor value);
    TColor ColorDownTo() const;
    void SetColorDownTo(TColor value);
    TColor ColorChecked() const;
    void SetColorChecked(TColor value);
    TColor ColorCheckedTo() const;
    void SetColorCheckedTo(TColor value);
    TColor BorderColor() const;
    void SetBorderColor(TColor value);
    TColor BorderDownColor() const;
    void SetBorderDownColor(TColor value);
    TColor BorderHotColor() const;
    void SetBorderHotColor(TColor value);

    // One of the seven colour looks (0 to 6); other numbers change nothing but
    // are kept as the last look written.
    int Look() const;
    void SetLook(int value);

    // The glyphs are copied; a glyph set without a disabled glyph of its own
    // gets a grey one made from it.
    const TBitmap* Glyph() const;
    void SetGlyph(const TBitmap* value);
    const TBitmap* GlyphHot() const;
    void SetGlyphHot(const TBitmap* value);
    const TBitmap* GlyphDown() const;
    void SetGlyphDown(const TBitmap* value);
    const TBitmap* GlyphDisabled() const;
    void SetGlyphDisabled(const TBitmap* value);
    // The drop shadow drawn under the glyph while the pointer is over it.
    const TBitmap* GlyphShade() const;

    TButtonState State() const;
    bool MouseInControl() const;
    bool IsComCtl6() const;

    // Paints the button on a canvas the size of its client area.
    void PaintTo(TCanvas* canvas);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnDropDown;
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseDown;
    std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)> OnMouseMove;
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseUp;

protected:
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    struct Data;
    std::unique_ptr<Data> d;

    void applyThemeLook();
    void buildShade();
    void notifyGroup();
    void groupButtonPressed(TExGridButton* sender);
    void updateTracking(bool over);
    void updateAccelerator();
    void setState(TButtonState state);
    bool inside(int X, int Y) const;
    void paintFlatFace(TCanvas* canvas, TRect& face, bool hot);
    void paintGlyphAndCaption(TCanvas* canvas, const TRect& face, TPoint offset, bool hot);
};

// The banded gradient of the button: Steps bands (0 counts as 1) across the
// rectangle, top to bottom or, with Horizontal, left to right, then an outline in
// BorderColor unless that is clNone.
void DrawButtonGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, TColor BorderColor, int Steps,
                        const TRect& R, bool Horizontal);
