#pragma once

// The platform's date-time picker with a flat "metro" frame and drop-down
// button of its own: optional border and button colours, and a hover state
// for the button. Visual styles are inactive here, so the classic and the
// ButtonColor looks are the ones painted.

#include "grid/cells/editors/controls/EditButtonColors.h"
#include "platform/ui/controls/DateTimePicker.h"

class TEsgDateTimePicker : public TDateTimePicker {
public:
    explicit TEsgDateTimePicker(QWidget* AOwner = nullptr);
    ~TEsgDateTimePicker() override;

    bool MetroStyle() const;
    void SetMetroStyle(bool Value);
    TColor BorderColor() const;
    void SetBorderColor(TColor Value);
    // ButtonColor, ButtonColorHot, ButtonColorDown, ButtonTextColor,
    // ButtonTextColorDown and ButtonBorderColor; repaint after a change.
    TButtonColors& ButtonColors();
    // "1.0.0.0"; writing it does nothing.
    QString Version() const;
    void SetVersion(const QString&) {}
    static unsigned GetVersionNr();

    bool ButtonHovered() const;
    // The drop-down button's rectangle in the control.
    TRect ButtonRect() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void paintButton(class TCanvas& Canvas);
    void paintBorder(class TCanvas& Canvas);
    struct Private;
    std::unique_ptr<Private> p;
};
