#pragma once

// A drop-down combo box with a look of its own: flat or three-dimensional, a
// drop-down button it paints itself (classic or in button colours of its own),
// a frame that can change colour with the focus, a background colour while
// focused and a label it places beside, above or below itself. The own button
// and frame are painted over the toolkit's painting in the paint event, so a
// grab of the widget shows them too. ComboLabelPlace and SizedDropDownWidth are
// the pure layout rules.

#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/paint/Geometry.h"

#include <memory>
#include <vector>

class TCanvas;
class TFont;
class TLabel;

enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom
};

// The label's top-left corner beside a combo at Combo (left, top, width,
// height). LabelSize is the label's own size, TextWidth its measured caption.
TPoint ComboLabelPlace(TLabelPosition Position, const TRect& Combo, TSize LabelSize, int TextWidth, int Margin);

// The width the dropped list needs for items of the given text widths: room
// for a scroll bar when there are more items than the list shows at once.
int SizedDropDownWidth(int Width, const std::vector<int>& ItemWidths, int DropDownCount);

class TEsgCustomCombo : public TComboBox {
public:
    explicit TEsgCustomCombo(QWidget* AOwner = nullptr, TComboBoxStyle Style = csDropDown);
    ~TEsgCustomCombo() override;

    // Remembers the colour to return to after the focus.
    void Init();
    // After the properties of a form are set: the list width, the colours to
    // return to, the label's state and place.
    void Loaded();
    // Selects the first item equal to the text; nothing when there is none.
    void SelectItem(const QString& AText);

    // 14 to 32 pixels; other values are ignored.
    int ButtonWidth() const;
    void SetButtonWidth(int Value);
    bool Flat() const;
    void SetFlat(bool Value);
    bool Etched() const;
    void SetEtched(bool Value);
    TColor FlatLineColor() const;
    void SetFlatLineColor(TColor Value);
    bool FlatParentColor() const;
    void SetFlatParentColor(bool Value);
    TColor BorderColor() const;
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor() const;
    void SetFocusBorderColor(TColor Value);
    TColor FocusColor() const;
    void SetFocusColor(TColor Value);
    bool FocusBorder() const;
    void SetFocusBorder(bool Value);
    bool FocusLabel() const;
    void SetFocusLabel(bool Value);
    bool AutoFocus() const;
    void SetAutoFocus(bool Value);
    bool DisabledBorder() const;
    void SetDisabledBorder(bool Value);
    int DropWidth() const;
    void SetDropWidth(int Value);
    // Typing completion: an editable combo completes inline from its items,
    // letter case ignored; a list combo selects by the typed letters.
    bool AutoComplete() const;
    void SetAutoComplete(bool Value);

    QString LabelCaption() const;
    void SetLabelCaption(const QString& Value);
    TLabelPosition LabelPosition() const;
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const;
    void SetLabelMargin(int Value);
    bool LabelTransparent() const;
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const;
    void SetLabelAlwaysEnabled(bool Value);
    TFont* LabelFont() const;
    TLabel* ComboLabel() const;

    TColor ButtonColor() const;
    void SetButtonColor(TColor Value);
    TColor ButtonColorHot() const;
    void SetButtonColorHot(TColor Value);
    TColor ButtonColorDown() const;
    void SetButtonColorDown(TColor Value);
    TColor ButtonTextColor() const;
    void SetButtonTextColor(TColor Value);
    TColor ButtonTextColorHot() const;
    void SetButtonTextColorHot(TColor Value);
    TColor ButtonTextColorDown() const;
    void SetButtonTextColorDown(TColor Value);
    TColor ButtonBorderColor() const;
    void SetButtonBorderColor(TColor Value);
    bool IsWinXP() const;
    void SetIsWinXP(bool Value);
    // Without a button colour the toolkit paints the whole control, and
    // without a border colour no frame is drawn.
    bool IsVista() const;
    void SetIsVista(bool Value);

    // Whether the control paints its own button and frame now.
    bool PaintsOwnLook() const;
    // The button and the frame of the own look, drawn on a canvas the size of
    // the control.
    void PaintOwnLook(TCanvas* Canvas);

    TNotifyEvent OnDropUp;

    void showPopup() override;
    void hidePopup() override;

protected:
    // Told once the list has opened, and once it has closed again.
    virtual void DroppedDown() {}
    virtual void ClosedUp() {}
    void ChangeBounds(const QRect& bounds) override;
    void ChangeVisible(bool visible) override;
    void StyleChanged() override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void layoutLabel();
    void applyAutoComplete();
    void applyDropWidth();
    void drawButton(TCanvas* Canvas);
    void drawBorders(TCanvas* Canvas);
    void drawPlainFrame(TCanvas* Canvas, TRect r);
    void prepareButtonArea(TCanvas* Canvas);
    bool mouseButtonDown() const;
    bool isHot() const;
    void setLabelBold(bool Bold);

    struct Data;
    std::unique_ptr<Data> d;
};

class TEsgComboBox : public TEsgCustomCombo {
public:
    using TEsgCustomCombo::TEsgCustomCombo;
};
