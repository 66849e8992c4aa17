#pragma once

#include "platform/ui/InputTypes.h"

#include <QtWidgets/QLineEdit>

class TCustomGrid;

// The editor a grid shows over its current cell. It keeps the text of one cell;
// the keys that leave the cell go to the grid, and the characters typed pass
// through the grid's key-press handling first (Enter and Esc end editing there).
class TInplaceEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TInplaceEdit(TCustomGrid* grid);

    TCustomGrid* Grid() const;
    // The edit mask in the platform's mask notation ("!99/99/0000;1;_"); empty
    // for free text.
    QString EditMask() const;
    void SetEditMask(const QString& mask);
    // The largest number of characters, 0 for no limit.
    int MaxLength() const;
    void SetMaxLength(int value);

protected:
    // The base versions hand the navigation keys to the grid and the characters
    // to the grid's key-press handling.
    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    // Whether a key leaves the editor for the grid.
    virtual bool WantsGridKey(Word Key, TShiftState Shift) const;

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    TCustomGrid* grid_;
    QString editMask_;
    int maxLength_ = 0;
};

namespace platform {
// The toolkit's input mask for an edit mask in the platform's notation.
QString InputMaskFromEditMask(const QString& mask);
}  // namespace platform
