// Typed characters: they start editing the current cell. Any printable
// character opens the editor, also one beyond Latin-1; form controls in a cell
// swallow them; with ExcelStyleDecimalSeparator the keypad "." types the
// locale's decimal separator.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/markup/EsgHTMLEUtilControls.h"
#include "grid/foundation/util/ExUtilText.h"

#include <QtGui/QKeyEvent>

bool TExStringGrid::ExcelStyleDecimalSeparator() const { return p->excelStyleDecimalSeparator; }

void TExStringGrid::SetExcelStyleDecimalSeparator(bool Value) { p->excelStyleDecimalSeparator = Value; }

QChar TExStringGrid::StartEditChar() const { return p->startEditChar; }

// The modifiers of the key being typed: the characters it brings know only
// themselves. Only characters typed on the grid itself start editing; those
// typed into the open editor pass on unchanged.
void TExStringGrid::keyPressEvent(QKeyEvent* e)
{
    p->keyModifiers = e->modifiers();
    p->typingOnGrid = true;
    TBaseGrid::keyPressEvent(e);
    p->typingOnGrid = false;
    p->keyModifiers = Qt::NoModifier;
}

void TExStringGrid::KeyPress(QChar& Key)
{
    if (!p->typingOnGrid) {
        HandleKeyPress(Key);
        return;
    }
    const int col = Col();
    const int row = Row();
    const int realCol = RealColIndex(col);
    const QString text = Cells(realCol, row);
    if (ClassifyCellText(text, true) == ctMarkup && HasControlTag(text)) {
        Key = QChar();
        return;
    }
    bool editable = true;
    QueryCellEditable(col, row, editable);
    if (p->mouseActions->EditOnDblClickOnly() && editable)
        SetOptions(Options() | goEditing);
    const bool ctrl = p->keyModifiers.testFlag(Qt::ControlModifier);
    const char16_t c = Key.unicode();
    if (p->navigation->AllowClipboardShortCuts() && ctrl && (c == 3 || c == 22 || c == 24)) {
        Key = QChar();
        return;
    }
    const bool clickable = HasClickableGraphic(realCol, row);
    if (p->mouseActions->RangeSelectAndEdit() && !clickable && editable && c != u'\t' && c != 0x1B && !ctrl) {
        QChar copy = Key;
        if (OnKeyPress)
            OnKeyPress(this, copy);
        p->startEditChar = Key;
        SetOptions(Options() | goEditing);
        HandleKeyPress(Key);
        return;
    }
    if (c == u'.' && p->keyModifiers.testFlag(Qt::KeypadModifier) && p->excelStyleDecimalSeparator)
        Key = LocaleDecimalSeparator();
    if (clickable && c == u'\r' && p->navigation->AdvanceOnEnter()) {
        HandleKeyPress(Key);
        return;
    }
    // any printable character opens the editor, also one beyond Latin-1
    if (Options().testFlag(goEditing) && (c == 8 || c >= 32) && c != u'\t' && clickable) {
        if (OnKeyPress)
            OnKeyPress(this, Key);
        p->startEditChar = Key;
        return;
    }
    if (Options().testFlag(goEditing) && (c == 8 || c >= 32))
        p->startEditChar = Key;
    HandleKeyPress(Key);
}
