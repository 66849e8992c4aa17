#pragma once

// The grid family's own check box, used by the grid's search bar.

#include "grid/foundation/objects/ExObj.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/controls/InputTypes.h"

#include <QtWidgets/QWidget>

#include <functional>
#include <memory>

class QMenu;

// A self-drawn check box with three states (unchecked, checked, grayed): the
// classic box left or right of its caption, the caption optionally cut with an
// ellipsis, optionally transparent over its parent, optionally read-only. A
// click (mouse release on it, or Space released) toggles it between checked
// and unchecked and raises OnClick; a read-only box raises OnClick unchanged.
// 98 x 20 pixels at creation, not a tab stop, but it takes the focus on a click.
//
// The box is the classic frame control (platform::DrawFrameControl); a disabled
// caption is drawn white and then grey over it, as an engraved text. Space acts
// only on the release of a press the box received itself
// (platform::KeyPressTracker); the caption's "&x" accelerator clicks it.
// Assistive tools see a check box with its caption and state.
class TExCheckBox : public QWidget, public platform::TControl, public TObject {
    Q_OBJECT

public:
    explicit TExCheckBox(QWidget* AOwner = nullptr);
    ~TExCheckBox() override;

    // taLeftJustify puts the box left of the caption, taRightJustify right of it.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);
    TVAlignment ButtonVertAlign() const;
    void SetButtonVertAlign(TVAlignment Value);
    QString Caption() const;
    void SetCaption(const QString& Value);
    // True only in the checked state; setting it leaves the grayed state.
    bool Checked() const;
    void SetChecked(bool Value);
    TCheckBoxState State() const;
    void SetState(TCheckBoxState Value);
    bool Ellipsis() const;
    void SetEllipsis(bool Value);
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    // Enter moves the focus on as Tab does.
    bool ReturnIsTab() const;
    void SetReturnIsTab(bool Value);
    // The parent shows through; no background is painted.
    bool Transparent() const;
    void SetTransparent(bool Value);
    bool TransparentChaching() const;
    void SetTransparentChaching(bool Value);
    // The background takes the parent's colour until Color is set.
    bool ParentColor() const;
    void SetParentColor(bool Value);
    // Held down by the mouse or Space.
    bool Down() const;
    void SetDown(bool Value);
    // Opened on a right click; the box does not own it.
    QMenu* PopupMenu() const;
    void SetPopupMenu(QMenu* Value);

    // Checked := not Checked, unless read-only.
    virtual void Toggle();
    // Raises OnClick.
    virtual void Click();

    TNotifyEvent OnClick;
    std::function<void(TObject* Sender, Word& Key, TShiftState Shift)> OnKeyDown;
    TKeyPressEvent OnKeyPress;
    std::function<void(TObject* Sender, Word& Key, TShiftState Shift)> OnKeyUp;
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseDown;
    std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)> OnMouseMove;
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseUp;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void ChangeBounds(const QRect& bounds) override;
    void ApplyColor(TColor color) override;

private:
    struct Data;
    std::unique_ptr<Data> d;
};
