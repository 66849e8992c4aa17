#include "grid/cells/editors/ExInplaceEdit.h"

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/ui/window/Beep.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QClipboard>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <exception>

namespace {

bool isInplaceTextKind(TEditorType Kind, std::initializer_list<TEditorType> Kinds)
{
    for (TEditorType k : Kinds)
        if (k == Kind)
            return true;
    return false;
}

// Sets a flag of the grid for the duration of a call.
struct FlagFor {
    bool& flag;
    bool saved;
    FlagFor(bool& f, bool value) : flag(f), saved(f) { flag = value; }
    ~FlagFor() { flag = saved; }
};

}  // namespace

TExInplaceEdit::TExInplaceEdit(TExStringGrid* AGrid) : TInplaceEdit(AGrid), grid_(AGrid)
{
    lengthLimit_ = grid_->QueryEditLimit();
    wordWrap_ = grid_->WordWrap();
    connect(this, &TInplaceEdit::textChanged, this, [this](const QString& text) {
        grid_->storeEditorText(text);
        if (!grid_->p->noEditChange && grid_->OnEditChange)
            grid_->OnEditChange(grid_, grid_->Col(), grid_->Row(), text);
    });
}

void TExInplaceEdit::SetMaxLength(int value) { lengthLimit_ = std::max(0, value); }

bool TExInplaceEdit::WordWrap() const { return wordWrap_; }

// ---- loading and placing ------------------------------------------------------------------

void TExInplaceEdit::UpdateContents()
{
    TExStringGrid::Private& g = *grid_->p;
    const int col = grid_->Col();
    const int row = grid_->Row();
    const TEditorType kind = g.editControl;
    wordWrap_ = grid_->WordWrap();
    const QString mask = grid_->QueryEditMask(col, row);
    SetMultiLine((wordWrap_ || grid_->Multilinecells()) && kind != edPassword && mask.isEmpty());
    SetWrapping(wordWrap_);
    SetPasswordChar(kind == edPassword ? (grid_->PasswordChar().isNull() ? QLatin1Char('*') : grid_->PasswordChar())
                                       : QChar());
    {
        FlagFor quiet(g.noEditChange, true);
        setText(QString());
        SetEditMask(mask);
        setText(grid_->QueryEditText(col, row));
        SetMaxLength(grid_->QueryEditLimit());
    }
    TBrush brush;
    TFont font;
    TGridDrawState state;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment align = taLeftJustify;
    TVAlignment valign = vtaTop;
    bool wrap = false;
    TCellGradientDirection direction = GradientVertical;
    grid_->GetVisualProperties(col, row, state, false, false, true, &brush, colorTo, mirror, mirrorTo, &font, align,
                               valign, wrap, direction);
    QPalette palette = Body()->palette();
    palette.setColor(QPalette::Base, ToQColor(brush.Color()));
    palette.setColor(QPalette::Text, ToQColor(font.Color()));
    Body()->setPalette(palette);
    Body()->setFont(font.ToQFont());
    colE_ = col;
    rowE_ = row;
    SetRightAligned(align == taRightJustify);
    grid_->QueryEditorProperties(col, row, nullptr);
}

void TExInplaceEdit::BoundsChanged(const TRect&)
{
    TRect r = grid_->CellRect(grid_->Col(), grid_->Row());
    if (grid_->layoutDirection() == Qt::RightToLeft)
        r.Left += 1;
    TInplaceEdit::BoundsChanged(TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1});
    SetTextMargins(3, 3, 2, 0);
}

// ---- validation ---------------------------------------------------------------------------

bool TExInplaceEdit::validateText(const QString& Text) { return grid_->ValidateCell(Text); }

// A refused value stays in the edit for correction.
void TExInplaceEdit::refuse(const QString& OldCellText, bool Repaint)
{
    {
        // The refused text is shown, never stored: the cell keeps its value.
        FlagFor quiet(grid_->p->noEditChange, true);
        setText(grid_->p->newCellText);
    }
    if (grid_->Navigation()->EditSelectAll())
        selectAll();
    else
        setCursorPosition(static_cast<int>(text().size()));
    if (Repaint)
        update();
    grid_->p->editText = OldCellText;
}

// Leaving the text by a key: the text goes into the cell before it is validated.
bool TExInplaceEdit::validateLeavingText(const QString& Text)
{
    {
        FlagFor busy(grid_->p->validating, true);
        grid_->SetCurrentCell(Text);
    }
    return validateText(Text);
}

// ---- keys ---------------------------------------------------------------------------------

void TExInplaceEdit::WMKeyDown(Word& Key, TShiftState Shift)
{
    grid_->InplaceEditKeyMessage(Key, Shift);
    if (Key == 0)
        return;
    bool moved = false;
    if (!keyDownMessage(Key, Shift) || Key == 0)
        return;
    moved = Key == VK_UP || Key == VK_DOWN;
    TInplaceEdit::WMKeyDown(Key, Shift);
    if (moved && grid_->MouseActions()->DisjunctRowSelect()) {
        grid_->ClearRowSelect();
        grid_->SetRowSelect(grid_->Row(), true);
    }
}

// The key-down message steps; false when the key ends here.
bool TExInplaceEdit::keyDownMessage(Word& Key, TShiftState Shift)
{
    TExStringGrid::Private& g = *grid_->p;
    const TNavigation& nav = *grid_->Navigation();
    oldSelStart_ = cursorPosition();
    const QString t = text();
    const QString o = g.editText;
    const bool ctrl = Shift.testFlag(ssCtrl);
    const bool shift = Shift.testFlag(ssShift);
    const bool multiCells = grid_->WordWrap() || grid_->Multilinecells();
    if (Key == VK_ESCAPE) {
        setText(g.cellCache);
        grid_->HideInplaceEdit();
        return true;
    }
    if (Key == u'A' && ctrl && !Shift.testFlag(ssAlt)) {
        selectAll();
        Key = 0;
        return false;
    }
    if (Key == VK_RETURN && ctrl && !(nav.AllowCtrlEnter() && multiCells)) {
        Key = 0;
        return false;
    }
    if (Key == VK_TAB && WantsTab()) {
        Key = 0;
        if (!validateText(t)) {
            refuse(o, false);
            return false;
        }
        setText(g.newCellText);
        grid_->HideInplaceEdit();
        if (grid_->Options().testFlag(goTabs)) {
            grid_->MoveByTab(shift);
        } else {
            QPointer<TExStringGrid> target(grid_);
            grid_->PostCall([target] {
                Word tab = VK_TAB;
                if (target)
                    target->WMKeyDown(tab, TShiftState());
            });
        }
        return false;
    }
    const bool walk = nav.CursorWalkEditor() && shift && !hasSelectedText() &&
                      ((Key == VK_LEFT && cursorPosition() == 0) || (Key == VK_RIGHT && cursorPosition() == t.size()));
    if (walk) {
        Key = 0;
        if (!validateLeavingText(t)) {
            refuse(o, true);
            return false;
        }
        setText(g.newCellText);
        grid_->HideInplaceEdit();
        grid_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if ((Key == VK_UP && CaretLine() == 0) || (Key == VK_DOWN && CaretLine() >= LineCount() - 1)) {
        if (!validateLeavingText(t)) {
            refuse(o, true);
            Key = 0;
            return false;
        }
        setText(g.newCellText);
        return true;
    }
    if (Key == VK_RETURN && !ctrl && !nav.LineFeedOnEnter()) {
        if (!validateText(t)) {
            refuse(o, false);
            Key = 0;
            return false;
        }
        setText(g.newCellText);
        return true;
    }
    if ((Key == VK_HOME || Key == VK_END) && !ctrl && !shift) {
        setCursorPosition(Key == VK_HOME ? 0 : static_cast<int>(t.size()));
        Key = 0;
        return false;
    }
    return true;
}

void TExInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    selKeyDown_ = cursorPosition();
    if (Key == VK_BACK || Key == VK_DELETE)
        workmode_ = false;
    else if (Key != VK_RETURN && Key != VK_UP && Key != VK_DOWN)
        workmode_ = true;
    if (Key == VK_RETURN && !grid_->Navigation()->AllowCtrlEnter() &&
        (grid_->WordWrap() || grid_->Multilinecells()))
        grid_->p->editing = false;
    if ((Key == VK_UP && CaretLine() > 0) || (Key == VK_DOWN && CaretLine() < LineCount() - 1))
        return;
    grid_->InplaceEditKeyDown(Key, Shift);
    TInplaceEdit::KeyDown(Key, Shift);
}

void TExInplaceEdit::WMKeyUp(Word& Key, TShiftState Shift)
{
    TInplaceEdit::WMKeyUp(Key, Shift);
    const QString t = text();
    if (cursorPosition() > 0)
        grid_->EditCaretMoved(t, cursorPosition());
    grid_->EditFormulaMode(t.startsWith(QLatin1Char('=')));
}

void TExInplaceEdit::KeyUp(Word& Key, TShiftState Shift)
{
    const bool plain = !Shift.testFlag(ssShift) && !Shift.testFlag(ssCtrl) && !Shift.testFlag(ssAlt);
    const bool walking = grid_->Navigation()->CursorWalkEditor() && plain && !hasSelectedText();
    if (walking && Key == VK_LEFT && cursorPosition() == 0 && selKeyDown_ == 0) {
        walkOut(Key, false);
        return;
    }
    if (walking && Key == VK_RIGHT && selKeyDown_ == text().size()) {
        walkOut(Key, true);
        return;
    }
    if (Key == VK_LEFT || Key == VK_RIGHT)
        return;
    TInplaceEdit::KeyUp(Key, Shift);
    doChange();
}

// The caret walked out of the text: the cell is left for its neighbour, whose
// editor opens with CursorWalkAlwaysEdit.
void TExInplaceEdit::walkOut(Word& Key, bool Forward)
{
    Key = 0;
    if (!Forward && !validateText(text()))
        return;
    grid_->HideInplaceEdit();
    grid_->CursorWalkStep(Forward);
    if (grid_->Navigation()->CursorWalkAlwaysEdit())
        grid_->ShowInplaceEdit();
    else
        grid_->HideInplaceEdit();
}

// Lookup completion: the first item starting with the text before the caret
// completes it, the added part selected.
void TExInplaceEdit::doChange()
{
    if (!workmode_ || hasSelectedText() || !grid_->Lookup() || grid_->LookupItems()->Count() == 0)
        return;
    const bool cs = grid_->LookupCaseSensitive();
    const int caret = cursorPosition();
    const QString typed = text().left(caret);
    const QString prefix = cs ? typed : typed.toUpper();
    if (prefix.isEmpty())
        return;
    for (int i = 0; i < grid_->LookupItems()->Count(); ++i) {
        const QString item = grid_->LookupItems()->Strings(i);
        if (!(cs ? item : item.toUpper()).startsWith(prefix))
            continue;
        const QString added = item.mid(prefix.size(), 255);
        setText(typed + added);
        setSelection(caret, static_cast<int>(added.size()));
        gotKey_ = false;
        return;
    }
}

// ---- characters ---------------------------------------------------------------------------

void TExInplaceEdit::WMChar(QChar& Key)
{
    if (!filterCharacter(Key))
        return;
    TInplaceEdit::WMChar(Key);
    if (grid_->p->editControl == edMixedCase && !Key.isNull() && isVisible()) {
        const int caret = cursorPosition();
        setText(CapitalizeWords(text()));
        setCursorPosition(caret);
    }
    const TNavigation& nav = *grid_->Navigation();
    const int limit = grid_->MaxEditLength();
    if (nav.AdvanceAuto() && nav.AdvanceOnEnter() && limit > 0 && isVisible() && text().size() >= limit &&
        !hasSelectedText() && cursorPosition() == text().size()) {
        QChar enter(u'\r');
        grid_->KeyPress(enter);
    }
}

// The character filter; false when the character is dropped.
bool TExInplaceEdit::filterCharacter(QChar& Key)
{
    const TNavigation& nav = *grid_->Navigation();
    const TEditorType kind = grid_->p->editControl;
    const char16_t c = Key.unicode();
    if (grid_->ExcelStyleDecimalSeparator() && c == u'.' && KeyModifiers().testFlag(Qt::KeypadModifier))
        Key = LocaleDecimalSeparator();
    if (c == 1)
        return false;
    if (c == 10 && !(nav.AllowCtrlEnter() && (grid_->WordWrap() || grid_->Multilinecells())))
        return false;
    if (lengthLimit_ > 0 && text().size() >= lengthLimit_ && !hasSelectedText() && c != 8 && c != 27 && c != 13)
        return false;
    const bool lineFeed = c == 13 && nav.LineFeedOnEnter();
    if (lineFeed && isInplaceTextKind(kind, {edNormal, edCapital, edMixedCase, edLowerCase, edUpperCase, edValidChars}))
        return true;
    const auto refuseWithBeep = [] {
        platform::MessageBeep(0);
        return false;
    };
    const bool control = c == 8 || c == 9 || c == 13 || c == 27;
    // Editing keys typed with Ctrl (copy, paste, cut, undo) are no characters
    // of the text: the kinds' rules apply to what they bring.
    if (c < 0x20 && KeyModifiers().testFlag(Qt::ControlModifier))
        return true;
    switch (kind) {
    case edNumeric:
        if (control || Key.isDigit())
            return true;
        if (c == u'-' && cursorPosition() == 0 && !text().contains(QLatin1Char('-')))
            return true;
        return refuseWithBeep();
    case edPositiveNumeric:
        return control || Key.isDigit() ? true : refuseWithBeep();
    case edFloat:
    case edPositiveFloat:
        return filterFloat(Key);
    case edCapital:
    case edUpperCase:
        Key = Key.toUpper();
        return true;
    case edLowerCase:
        Key = Key.toLower();
        return true;
    case edValidChars: {
        const QString& valid = grid_->ValidChars().isEmpty() ? grid_->ValidCharSet() : grid_->ValidChars();
        if (c == 8 || c == 13 || (valid.contains(Key) && (!grid_->ValidChars().isEmpty() || c <= 255)))
            return true;
        return refuseWithBeep();
    }
    default:
        return true;
    }
}

// A character typed with Ctrl held passes once, so Ctrl+H deletes one character.
bool TExInplaceEdit::filterFloat(QChar& Key)
{
    const char16_t c = Key.unicode();
    if (KeyModifiers().testFlag(Qt::ControlModifier))
        return true;
    const bool control = c == 8 || c == 9 || c == 13 || c == 27;
    if (control || Key.isDigit())
        return true;
    const QString t = text();
    const QString selected = selectedText();
    if (Key == LocaleDecimalSeparator())
        return !(t.contains(Key) && !selected.contains(Key));
    if (Key == LocaleThousandSeparator())
        return false;
    if (c == u',' || c == u'.')
        return true;
    if (c == u'-' && grid_->p->editControl == edFloat) {
        if ((cursorPosition() == 0 || selectionStart() == 0) && (!t.contains(QLatin1Char('-')) || selected.contains(u'-')))
            return true;
        platform::MessageBeep(0);
        return false;
    }
    return false;
}

void TExInplaceEdit::KeyPress(QChar& Key)
{
    if (Key == QLatin1Char('\r') && !grid_->Navigation()->LineFeedOnEnter() && !validateText(text())) {
        setText(grid_->CurrentCell());
        Key = QChar();
        return;
    }
    TInplaceEdit::KeyPress(Key);
    if (!Key.isNull() && grid_->Navigation()->AdvanceAuto() && !EditMask().isEmpty() && isVisible() &&
        !text().contains(QLatin1Char(' ')) && cursorPosition() == text().size()) {
        QChar enter(u'\r');
        grid_->KeyPress(enter);
    }
}

bool TExInplaceEdit::WantsTab() const
{
    return grid_->Options().testFlag(goTabs) || grid_->OnCellValidate || grid_->OnCellValidateWide;
}

// ---- clipboard ----------------------------------------------------------------------------

void TExInplaceEdit::ClipboardCopy()
{
    bool allow = true;
    if (grid_->OnClipboardCopy)
        grid_->OnClipboardCopy(grid_, allow);
    if (allow)
        TInplaceEdit::ClipboardCopy();
}

void TExInplaceEdit::ClipboardCut()
{
    bool allow = true;
    if (grid_->OnClipboardCut)
        grid_->OnClipboardCut(grid_, allow);
    if (allow)
        TInplaceEdit::ClipboardCut();
}

// Whether the kind takes a pasted text, and in which form.
bool TExInplaceEdit::acceptsPaste(QString& Text) const
{
    const int number = DetectNumberKind(Text);
    const bool minus = Text.contains(QLatin1Char('-'));
    switch (grid_->p->editControl) {
    case edNumeric:
        return number == 0;
    case edPositiveNumeric:
        return number == 0 && !minus;
    case edFloat:
        return number == 0 || number == 1;
    case edPositiveFloat:
        return (number == 0 || number == 1) && !minus;
    case edMixedCase:
        Text = CapitalizeWords(Text);
        return true;
    case edLowerCase:
        Text = Text.toLower();
        return true;
    case edUpperCase:
        Text = Text.toUpper();
        return true;
    case edValidChars:
        for (QChar ch : Text)
            if (!grid_->ValidChars().contains(ch))
                return false;
        return true;
    default:
        return true;
    }
}

void TExInplaceEdit::ClipboardPaste()
{
    const QString clip = QApplication::clipboard()->text();
    bool allow = !clip.isEmpty();
    QString v = clip;
    if (grid_->OnClipboardPaste)
        grid_->OnClipboardPaste(grid_, allow);
    if (allow && grid_->OnClipboardBeforePasteCell)
        grid_->OnClipboardBeforePasteCell(grid_, grid_->Col(), grid_->Row(), v, allow);
    if (!allow || (lengthLimit_ >= 1 && v.size() > lengthLimit_))
        return;
    if (v.endsWith(QLatin1String("\r\n")) && v.indexOf(QLatin1String("\r\n")) == v.size() - 2)
        v.chop(2);
    else if (v.endsWith(QLatin1Char('\n')) && v.indexOf(QLatin1Char('\n')) == v.size() - 1)
        v.chop(1);
    const QString t = text();
    const bool selection = hasSelectedText();
    const int start = selection ? selectionStart() : cursorPosition();
    const int length = selection ? selectionLength() : 0;
    QString next = t.left(start) + v + t.mid(start + length);
    if (lengthLimit_ >= 1 && next.size() > lengthLimit_)
        return;
    if (!acceptsPaste(next))
        return;
    setText(next);
    if (selection)
        setSelection(start, static_cast<int>(v.size()));
    else
        setCursorPosition(start + static_cast<int>(v.size()));
    grid_->SetCurrentCell(text());
    if (grid_->OnClipboardAfterPasteCell)
        grid_->OnClipboardAfterPasteCell(grid_, grid_->Col(), grid_->Row(), text());
}

// ---- focus --------------------------------------------------------------------------------

void TExInplaceEdit::FocusGained(Qt::FocusReason)
{
    TExStringGrid::Private& g = *grid_->p;
    gotFocus_ = true;
    g.noEditChange = false;
    SetMaxLength(grid_->QueryEditLimit());
    if (!EditMask().isEmpty() && !g.lButFlg && grid_->Navigation()->ImproveMaskSel()) {
        setSelection(0, 1);
        return;
    }
    if (!grid_->Navigation()->EditSelectAll())
        setCursorPosition(static_cast<int>(text().size()));
    if (g.lButFlg) {
        g.lButFlg = false;
        const QPoint mouse = Body()->mapFromGlobal(QCursor::pos());
        if (Body()->rect().contains(mouse))
            setCursorPosition(cursorPositionAt(mouse));
    }
}

// The end of the edit is reported once, at the first loss of the focus. A
// validation fault still closes the edit and passes on afterwards.
void TExInplaceEdit::FocusLost(QWidget* NewFocus)
{
    TExStringGrid::Private& g = *grid_->p;
    g.startEditChar = QChar();
    if (grid_->LookupHistory() && grid_->LookupItems()->IndexOf(text()) < 0)
        grid_->LookupItems()->Add(text());
    grid_->EditFormulaMode(false);
    std::exception_ptr fault;
    const bool toGrid = NewFocus && (NewFocus == grid_ || grid_->isAncestorOf(NewFocus));
    if (!toGrid && isVisible()) {
        try {
            if (validateText(text()))
                setText(grid_->Cells(grid_->DisplayToRealCol(colE_), rowE_));
        } catch (...) {
            fault = std::current_exception();
        }
        grid_->HideInplaceEdit();
        g.editing = false;
        g.editMode = false;
        grid_->QueryCanSelectCell(colE_, rowE_);
    }
    {
        // The grid may already stand on another cell: the edit keeps its own.
        FlagFor quiet(g.noEditChange, true);
        setText(grid_->Cells(grid_->DisplayToRealCol(colE_), rowE_));
    }
    grid_->EditCaretMoved(text(), -1);
    if (gotFocus_) {
        gotFocus_ = false;
        grid_->FinishCellEdit(grid_->DisplayToRealCol(colE_), rowE_);
    }
    if (fault)
        std::rethrow_exception(fault);
}

void TExInplaceEdit::LeftDoubleClick()
{
    if (grid_->OnDblClickCell)
        grid_->OnDblClickCell(grid_, grid_->Row(), grid_->Col());
}
