#pragma once

// An edit with a pair of spin buttons at its right edge that holds an
// integer, a floating-point number, a date or a time of day. The buttons,
// the arrow and page keys step the value (dates and times in the field under
// the caret), typed characters are filtered by the kind, and the value stays
// within its range, which is checked again when the edit is left. A range
// whose ends are equal means no range. A text that is no number reads as
// MinFloatValue; a year step from 29 February lands on 28 February.

#include "grid/cells/editors/controls/EditButtonColors.h"
#include "platform/ui/controls/Buttons.h"
#include "platform/ui/controls/MaskEdit.h"

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include <memory>

using TDateTime = double;
class TTimer;

enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TSpinDirection { spVertical, spHorizontal };
enum TEditAlign { eaLeft, eaRight, eaCenter };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };

enum TTimeBtnStateFlag : unsigned { tbFocusRect = 0x1, tbAllowTimer = 0x2 };
Q_DECLARE_FLAGS(TTimeBtnState, TTimeBtnStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TTimeBtnState)

// The text rectangle of a spin edit: inside B pixels (3 without a border,
// 0 with one), ending 2 pixels before the spin buttons.
TRect SpinEditFormattingRect(int ClientWidth, int ClientHeight, int ButtonWidth, bool Bordered);

// A speed button that clicks once when pressed and, while held, again after
// 400 ms and then every 100 ms. A fault of a repeated click stops the repeat
// and is shown in an error box.
class TExTimerSpeedButton : public TSpeedButton {
public:
    explicit TExTimerSpeedButton(QWidget* AOwner, const TButtonColors* Colors);

    TTimeBtnState TimeBtnState = tbAllowTimer;
    TButtonDirection ButtonDirection = bdUp;
    void SetIsWinXP(bool Value) { isWinXP_ = Value; }
    bool HasMouse() const { return hasMouse_; }
    // The repeat timer, made at the first press; nullptr before.
    TTimer* RepeatTimer() const { return repeatTimer_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void repeatTick();

    const TButtonColors* colors_;
    TTimer* repeatTimer_ = nullptr;
    bool hasMouse_ = false;
    bool isWinXP_ = false;
};

// The pair of spin buttons: up and down (or right and left when horizontal).
class TEsgSpinButton : public QWidget, public platform::TControl, public TObject {
public:
    explicit TEsgSpinButton(QWidget* AOwner = nullptr);

    TSpinDirection Direction() const { return direction_; }
    void SetDirection(TSpinDirection Value);
    QWidget* FocusControl() const { return focusControl_.data(); }
    void SetFocusControl(QWidget* Value) { focusControl_ = Value; }
    TExTimerSpeedButton* UpButton() const { return up_; }
    TExTimerSpeedButton* DownButton() const { return down_; }
    TExTimerSpeedButton* FocusedButton() const { return focused_; }
    TButtonColors& Colors() { return colors_; }
    void SetIsWinXP(bool Value);
    void SetFlat(bool Value);

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void layoutButtons();
    void buttonPressed(TExTimerSpeedButton* Button);
    void setFocusedButton(TExTimerSpeedButton* Button);

    TButtonColors colors_;
    TExTimerSpeedButton* up_;
    TExTimerSpeedButton* down_;
    TExTimerSpeedButton* focused_;
    QPointer<QWidget> focusControl_;
    TSpinDirection direction_ = spVertical;
};

class TEsgSpinEdit : public TMaskEdit {
public:
    explicit TEsgSpinEdit(QWidget* AOwner = nullptr);
    ~TEsgSpinEdit() override;

    TEsgSpinButton* Button() const { return button_; }

    TEsgSpinType SpinType() const;
    void SetSpinType(TEsgSpinType Value);
    int Value();
    void SetValue(int Value);
    double FloatValue();
    void SetFloatValue(double Value);
    TDateTime DateValue();
    void SetDateValue(TDateTime Value);
    TDateTime TimeValue();
    void SetTimeValue(TDateTime Value);
    int MinValue() const;
    void SetMinValue(int Value);
    int MaxValue() const;
    void SetMaxValue(int Value);
    double MinFloatValue() const;
    void SetMinFloatValue(double Value);
    double MaxFloatValue() const;
    void SetMaxFloatValue(double Value);
    TDateTime MinDateValue() const;
    void SetMinDateValue(TDateTime Value);
    TDateTime MaxDateValue() const;
    void SetMaxDateValue(TDateTime Value);
    int Increment() const;
    void SetIncrement(int Value);
    double IncrementFloat() const;
    void SetIncrementFloat(double Value);
    double IncrementFloatPage() const;
    void SetIncrementFloatPage(double Value);
    int IncrementHours() const;
    void SetIncrementHours(int Value);
    int IncrementMinutes() const;
    void SetIncrementMinutes(int Value);
    int IncrementSeconds() const;
    void SetIncrementSeconds(int Value);
    int Precision() const;
    void SetPrecision(int Value);
    bool ShowSeconds() const;
    void SetShowSeconds(bool Value);
    bool EditorEnabled() const;
    void SetEditorEnabled(bool Value);
    bool ReturnIsTab() const;
    void SetReturnIsTab(bool Value);
    bool ExcelStyleDecimalSeparator() const;
    void SetExcelStyleDecimalSeparator(bool Value);
    bool AllowEmptyValue() const;
    void SetAllowEmptyValue(bool Value);
    TSpinDirection Direction() const;
    void SetDirection(TSpinDirection Value);
    TEditAlign EditAlign() const;
    void SetEditAlign(TEditAlign Value);
    bool SpinFlat() const;
    void SetSpinFlat(bool Value);

    virtual void IncrementValue(bool Page);
    virtual void DecrementValue(bool Page);
    virtual bool IsValidChar(QChar Key);
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);
    void SetIsWinXP(bool Value);

protected:
    void WMKeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void ClipboardCut() override;
    void ClipboardPaste() override;
    void DoEnter(Qt::FocusReason Reason) override;
    void DoExit() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void step(int Sign, bool Page);
    void stepDate(int Sign);
    void stepTime(int Sign);
    void writeTime(TDateTime Value);
    void clampOnExit();
    void layout();

    struct Private;
    std::unique_ptr<Private> p;
    TEsgSpinButton* button_;
};
