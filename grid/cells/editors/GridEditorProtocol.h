#pragma once

// The steps every in-cell editor control of the grid shares: committing its
// value with validation, keeping Tab, ending the edit after a key, leaving
// sideways when the caret walks out of the text and placing the caret where
// the click that opened the editor fell.

#include "platform/ui/controls/InputTypes.h"

#include <QtCore/QString>

class QLineEdit;
class TExStringGrid;

class TGridEditorProtocol {
public:
    explicit TGridEditorProtocol(TExStringGrid& Grid) : grid_(Grid) {}

    // Tab stays in the editor only when the grid walks its cells by Tab or
    // checks edited values; otherwise the window moves the focus on.
    bool CapturesTab() const;
    // Writes Text into the current cell and has it validated. A refusal stops
    // the grid's advance; the editor then shows RefusedText() and keeps the focus.
    bool CommitWithValidation(const QString& Text);
    QString RefusedText() const;

    enum class TabResult { Refused, Moved, Posted };
    // A kept Tab: committed, then the edit ends and the grid moves by Tab, or
    // without goTabs the Tab goes to the grid as a queued key.
    TabResult CaptureTab(const QString& Text, bool Backward);
    // The edit ends on Key; the grid acts on it and, when it advances into a
    // new cell and edits there automatically, opens the editor again.
    void Finish(Word Key, TShiftState Shift);

    // Left with the caret at the start or Right at the end of Field's text
    // (no selection, no modifier) leaves the editor sideways. True when it did;
    // the key is then used up.
    bool CursorWalk(Word Key, TShiftState Shift, const QLineEdit& Field, const QString& Text);
    // Typed text goes into the current cell at once once the grid stores
    // edits as they are typed, so that Esc has the cell cache to return to.
    void StoreTyped(const QString& Text);
    // The text of a shown editor changed: stored as typed, and reported
    // through the grid's OnEditChange.
    void TextChanged(const QString& Text);
    // After an editor opened by a mouse click takes the focus: the caret goes
    // before the character under the mouse.
    void ClickCaret(QLineEdit& Field);

private:

    TExStringGrid& grid_;
};
