#pragma once

// An edit with a small push button inside its right edge: the button, or F4
// without Ctrl or Alt, raises OnClickBtn. The unit edit adds a unit drawn
// between the value and the button, picked from a pop-up menu the button opens
// (platform::TrackPopupMenu, so tests pick the item through the modal seams).

#include "grid/cells/editors/controls/EditButtonColors.h"
#include "platform/core/StringList.h"
#include "platform/ui/controls/Buttons.h"
#include "platform/ui/controls/MaskEdit.h"

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

// The text rectangle of an edit with button: inside 1 pixel with a border
// and 3 without; ending before the button and the unit space (3 more with a
// unit).
TRect EditBtnFormattingRect(int ClientWidth, int ClientHeight, int ButtonWidth, int UnitSize, bool Bordered);

// A speed button painted flat, classic or in its owner's colours.
class TExSpeedButton : public TSpeedButton {
public:
    TExSpeedButton(QWidget* AOwner, const TButtonColors* Colors);
    bool Hot() const { return hot_; }
    bool IsWinXP = false;

protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    const TButtonColors* colors_;
    bool hot_ = false;
};

// The button part: a speed button filling it, whose left release clicks.
class TEsgEditButton : public QWidget, public platform::TControl, public TObject {
public:
    explicit TEsgEditButton(QWidget* AOwner = nullptr);
    TExSpeedButton* Button() const { return button_; }
    TButtonColors& Colors() { return colors_; }
    QWidget* FocusControl() const { return focusControl_.data(); }
    void SetFocusControl(QWidget* Value) { focusControl_ = Value; }
    TNotifyEvent OnClick;

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    TButtonColors colors_;
    TExSpeedButton* button_;
    QPointer<QWidget> focusControl_;
};

class TEsgEditBtn : public TMaskEdit {
public:
    explicit TEsgEditBtn(QWidget* AOwner = nullptr);
    ~TEsgEditBtn() override;

    TEsgEditButton* Button() const { return button_; }
    QString ButtonCaption() const;
    void SetButtonCaption(const QString& Value);
    int ButtonWidth() const;
    void SetButtonWidth(int Value);
    bool RightAlign() const;
    void SetRightAlign(bool Value);
    bool EditorEnabled() const;
    void SetEditorEnabled(bool Value);
    void SetIsWinXP(bool Value);

    virtual void ButtonClick(TObject* Sender);
    TNotifyEvent OnClickBtn;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void ClipboardCut() override;
    void ClipboardPaste() override;
    void resizeEvent(QResizeEvent* e) override;
    // The width kept free for a unit between the text and the button.
    virtual int UnitSize() const { return 0; }
    void layout();

private:
    TEsgEditButton* button_;
    bool editorEnabled_ = true;
    bool rightAlign_ = false;
    int buttonWidth_ = 0;
};

using TUnitChangedNotify = std::function<void(TObject* Sender, const QString& NewUnit)>;

class TEsgUnitEditBtn : public TEsgEditBtn {
public:
    explicit TEsgUnitEditBtn(QWidget* AOwner = nullptr);

    TStringList& Units() { return units_; }
    void SetUnits(const TStringList* Value);
    QString UnitID() const { return unitID_; }
    void SetUnitID(const QString& Value);
    int UnitSpace() const { return unitSpace_; }
    void SetUnitSpace(int Value);
    // The text followed by the unit. Written, the first unit (in list order)
    // whose first occurrence ends the value splits it; nothing changes when
    // none does.
    QString TextAndUnit() const;
    void SetTextAndUnit(const QString& Value);

    void ButtonClick(TObject* Sender) override;
    TUnitChangedNotify OnUnitChanged;

protected:
    int UnitSize() const override { return unitSpace_; }
    void paintEvent(QPaintEvent* e) override;

private:
    TStringList units_;
    QString unitID_;
    int unitSpace_ = 20;
};
