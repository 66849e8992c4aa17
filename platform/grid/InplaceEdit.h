#pragma once

#include "platform/ui/paint/Geometry.h"
#include "platform/ui/controls/InputTypes.h"

#include <QtWidgets/QWidget>

class QKeyEvent;
class TCustomGrid;

// The editor a grid shows over its current cell. It keeps the text of one cell;
// the keys that leave the cell go to the grid, and the characters typed pass
// through the grid's key-press handling first (Enter and Esc end editing there).
//
// Its body is chosen at each showing: one line (masks, password echo) or
// several lines (wrapping, line breaks). The text, selection and caret calls
// below reach whichever body is in use, so callers never see the difference.
// A Ctrl+letter types its control code (Ctrl+H is a Backspace). Edit masks in
// the platform's notation become the toolkit's input masks
// (platform::InputMaskFromEditMask).
class TInplaceEdit : public QWidget {
    Q_OBJECT

public:
    explicit TInplaceEdit(TCustomGrid* grid);
    ~TInplaceEdit() override;

    TCustomGrid* Grid() const;
    // The edit mask in the platform's mask notation ("!99/99/0000;1;_"); empty
    // for free text.
    QString EditMask() const;
    void SetEditMask(const QString& mask);
    // The largest number of characters, 0 for no limit.
    int MaxLength() const;
    virtual void SetMaxLength(int value);

    // The body: several lines or one; switching keeps the text.
    bool MultiLine() const;
    void SetMultiLine(bool value);
    // Wrapping of the multi-line body at the edit's width.
    void SetWrapping(bool value);
    // One-line body only: every character shown as PasswordChar.
    void SetPasswordChar(QChar value);
    bool RightAligned() const;
    void SetRightAligned(bool value);
    // The room between the edit's border and its text.
    void SetTextMargins(int left, int top, int right, int bottom);
    // The lines the body shows (wrapped lines count) and the one holding the caret.
    int LineCount() const;
    int CaretLine() const;
    QWidget* Body() const;
    // The grid is going: focus changes no longer reach the focus hooks.
    void GridClosing();

    QString text() const;
    void setText(const QString& text);
    // Replaces the selection (or inserts at the caret).
    void insert(const QString& text);
    void selectAll();
    void deselect();
    bool hasSelectedText() const;
    QString selectedText() const;
    // -1 without a selection.
    int selectionStart() const;
    int selectionLength() const;
    // Selects from start over length characters; the caret ends at the far end.
    void setSelection(int start, int length);
    int cursorPosition() const;
    // The text position nearest to a point of the body.
    int cursorPositionAt(const QPoint& bodyPoint) const;
    void setCursorPosition(int position);
    // The toolkit's limit and mask of the one-line body.
    int maxLength() const;
    QString inputMask() const;

signals:
    // The text changed, by typing or by code.
    void textChanged(const QString& text);

protected:
    // Loads the edit cell: text, mask and limit from the grid. The grid's show
    // step calls it.
    virtual void UpdateContents();
    // Puts the edit over the cell rectangle Cell (client coordinates) and shows
    // it. The grid's place step calls it.
    virtual void BoundsChanged(const TRect& Cell);

    // The stages of a pressed key, in order: the key-down message, the key-down
    // hook, the character message and the key-press hook. A stage that clears
    // the key (character) stops it; what is left gets the body's own handling.
    virtual void WMKeyDown(Word& Key, TShiftState Shift);
    // The base versions hand the navigation keys to the grid and the characters
    // to the grid's key-press handling.
    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void WMChar(QChar& Key);
    virtual void KeyPress(QChar& Key);
    virtual void WMKeyUp(Word& Key, TShiftState Shift);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    // Whether a key leaves the editor for the grid.
    virtual bool WantsGridKey(Word Key, TShiftState Shift) const;
    // Whether Tab reaches the key handling instead of moving the focus.
    virtual bool WantsTab() const;
    // The clipboard messages; the base versions copy, cut and paste.
    virtual void ClipboardCopy();
    virtual void ClipboardCut();
    virtual void ClipboardPaste();
    // The focus came to (left) the edit; NewFocus is the widget that has it
    // now, nullptr when another window took it.
    virtual void FocusGained(Qt::FocusReason Reason);
    virtual void FocusLost(QWidget* NewFocus);
    // A double click of the left button in the body.
    virtual void LeftDoubleClick();

    // The modifiers of the key being handled (keypad, Ctrl held while typing).
    Qt::KeyboardModifiers KeyModifiers() const;
    // The body's own handling of the key being handled, with Key as its character.
    void DefaultChar(QChar Key);

    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    class LineBody;
    class TextBody;
    struct Private;
    std::unique_ptr<Private> d;

    void bodyKeyPress(QKeyEvent* e);
    void bodyKeyRelease(QKeyEvent* e);
    bool clipboardShortcut(QKeyEvent* e);
    void connectBody();
    friend class TCustomGrid;
};
