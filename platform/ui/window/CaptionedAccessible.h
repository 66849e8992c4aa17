#pragma once

#include <QtWidgets/QAccessibleWidget>

namespace platform {

// What assistive tools see of an owner-drawn control named by its caption: the
// caption without accelerator marks as name, the hint as description, the
// accelerator as "Alt+X", and, while the control is enabled, one action (press
// or toggle) that runs Activate. Each control adds its own state.
class CaptionedAccessible : public QAccessibleWidget {
public:
    CaptionedAccessible(QWidget* widget, QAccessible::Role role, QString actionName);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    virtual QString Caption() const = 0;
    virtual QString Hint() const = 0;
    virtual void Activate() = 0;

private:
    QString actionName_;
};

}  // namespace platform
