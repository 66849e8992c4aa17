#include "platform/grid/InplaceEdit.h"

#include "platform/grid/CustomGrid.h"
#include "platform/grid/CustomGridPrivate.h"
#include "platform/ui/controls/MaskEdit.h"

#include <QtGui/QClipboard>
#include <QtGui/QKeyEvent>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>
#include <QtGui/QTextLayout>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>

namespace {

bool isTabEvent(QEvent* e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(e)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

// The multi-line body keeps line feeds; the edit's text has CR LF between lines,
// and its positions count both characters.
QString toBodyText(const QString& text)
{
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

QString fromBodyText(const QString& text)
{
    QString s = text;
    s.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return s;
}

int fromBodyPos(const QString& bodyText, int pos)
{
    return pos + static_cast<int>(bodyText.left(pos).count(QLatin1Char('\n')));
}

int toBodyPos(const QString& text, int pos)
{
    pos = std::clamp(pos, 0, static_cast<int>(text.size()));
    return pos - static_cast<int>(text.left(pos).count(QLatin1String("\r\n")));
}

}  // namespace

struct TInplaceEdit::Private {
    TCustomGrid* grid = nullptr;
    QString editMask;
    int maxLength = 0;
    LineBody* line = nullptr;
    TextBody* multi = nullptr;
    bool multiLine = false;
    bool wrapping = true;
    bool rightAligned = false;
    QMargins margins;
    QString lastText;
    // the key being handled
    QKeyEvent* current = nullptr;
    QChar currentChar;
    bool defaultDone = false;
    bool gridClosing = false;

    QWidget* body() const;
};

// Both bodies pass their keys, focus changes and double clicks to the edit.
class TInplaceEdit::LineBody : public QLineEdit {
public:
    explicit LineBody(TInplaceEdit* owner) : QLineEdit(owner), owner_(owner) { setFrame(false); }
    void baseKeyPress(QKeyEvent* e) { QLineEdit::keyPressEvent(e); }
    void baseKeyRelease(QKeyEvent* e) { QLineEdit::keyReleaseEvent(e); }

protected:
    bool event(QEvent* e) override
    {
        if (isTabEvent(e) && owner_->WantsTab()) {
            owner_->keyPressEvent(static_cast<QKeyEvent*>(e));
            return true;
        }
        return QLineEdit::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override { owner_->keyPressEvent(e); }
    void keyReleaseEvent(QKeyEvent* e) override { owner_->keyReleaseEvent(e); }
    void focusInEvent(QFocusEvent* e) override
    {
        QLineEdit::focusInEvent(e);
        if (!owner_->d->gridClosing)
            owner_->FocusGained(e->reason());
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        QLineEdit::focusOutEvent(e);
        if (!owner_->d->gridClosing)
            platform::grid::RunReportingFaults([this] { owner_->FocusLost(QApplication::focusWidget()); });
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        QLineEdit::mouseDoubleClickEvent(e);
        if (e->button() == Qt::LeftButton)
            owner_->LeftDoubleClick();
    }

private:
    TInplaceEdit* owner_;
};

class TInplaceEdit::TextBody : public QPlainTextEdit {
public:
    explicit TextBody(TInplaceEdit* owner) : QPlainTextEdit(owner), owner_(owner)
    {
        setFrameStyle(QFrame::NoFrame);
        setTabChangesFocus(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(0);
    }
    void baseKeyPress(QKeyEvent* e) { QPlainTextEdit::keyPressEvent(e); }
    void baseKeyRelease(QKeyEvent* e) { QPlainTextEdit::keyReleaseEvent(e); }
    void setMargins(const QMargins& m) { setViewportMargins(m); }

protected:
    bool event(QEvent* e) override
    {
        if (isTabEvent(e) && owner_->WantsTab()) {
            owner_->keyPressEvent(static_cast<QKeyEvent*>(e));
            return true;
        }
        return QPlainTextEdit::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override { owner_->keyPressEvent(e); }
    void keyReleaseEvent(QKeyEvent* e) override { owner_->keyReleaseEvent(e); }
    void focusInEvent(QFocusEvent* e) override
    {
        QPlainTextEdit::focusInEvent(e);
        if (!owner_->d->gridClosing)
            owner_->FocusGained(e->reason());
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        QPlainTextEdit::focusOutEvent(e);
        if (!owner_->d->gridClosing)
            platform::grid::RunReportingFaults([this] { owner_->FocusLost(QApplication::focusWidget()); });
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        QPlainTextEdit::mouseDoubleClickEvent(e);
        if (e->button() == Qt::LeftButton)
            owner_->LeftDoubleClick();
    }

private:
    TInplaceEdit* owner_;
};

QWidget* TInplaceEdit::Private::body() const
{
    return multiLine ? static_cast<QWidget*>(multi) : static_cast<QWidget*>(line);
}

TInplaceEdit::TInplaceEdit(TCustomGrid* grid) : QWidget(grid->viewport()), d(std::make_unique<Private>())
{
    d->grid = grid;
    d->line = new LineBody(this);
    setFocusProxy(d->line);
    connectBody();
    hide();
}

TInplaceEdit::~TInplaceEdit() = default;

TCustomGrid* TInplaceEdit::Grid() const { return d->grid; }
QString TInplaceEdit::EditMask() const { return d->editMask; }

void TInplaceEdit::SetEditMask(const QString& mask)
{
    d->editMask = mask;
    d->line->setInputMask(platform::InputMaskFromEditMask(mask));
}

int TInplaceEdit::MaxLength() const { return d->maxLength; }

void TInplaceEdit::SetMaxLength(int value)
{
    d->maxLength = std::max(0, value);
    d->line->setMaxLength(d->maxLength > 0 ? d->maxLength : 32767);
}

// ---- body ---------------------------------------------------------------------------

void TInplaceEdit::connectBody()
{
    auto changed = [this] {
        const QString now = text();
        if (now == d->lastText)
            return;
        d->lastText = now;
        emit textChanged(now);
    };
    if (d->multiLine)
        connect(d->multi, &QPlainTextEdit::textChanged, this, changed);
    else
        connect(d->line, &QLineEdit::textChanged, this, changed);
}

bool TInplaceEdit::MultiLine() const { return d->multiLine; }

void TInplaceEdit::SetMultiLine(bool value)
{
    if (value == d->multiLine)
        return;
    const QString kept = text();
    QWidget* old = d->body();
    old->disconnect(this);
    old->hide();
    d->multiLine = value;
    if (value && !d->multi) {
        d->multi = new TextBody(this);
        d->multi->setMargins(d->margins);
        SetWrapping(d->wrapping);
        SetRightAligned(d->rightAligned);
    }
    QWidget* now = d->body();
    now->setGeometry(rect());
    now->show();
    setFocusProxy(now);
    const QSignalBlocker block(now);
    setText(kept);
    connectBody();
}

void TInplaceEdit::SetWrapping(bool value)
{
    d->wrapping = value;
    if (d->multi)
        d->multi->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TInplaceEdit::SetPasswordChar(QChar value)
{
    if (value.isNull()) {
        d->line->setEchoMode(QLineEdit::Normal);
        d->line->setStyleSheet(QString());
        return;
    }
    d->line->setStyleSheet(QStringLiteral("lineedit-password-character: %1").arg(value.unicode()));
    d->line->setEchoMode(QLineEdit::Password);
}

bool TInplaceEdit::RightAligned() const { return d->rightAligned; }

void TInplaceEdit::SetRightAligned(bool value)
{
    d->rightAligned = value;
    const Qt::Alignment align = value ? Qt::AlignRight : Qt::AlignLeft;
    d->line->setAlignment(align | Qt::AlignVCenter);
    if (d->multi) {
        QTextOption option = d->multi->document()->defaultTextOption();
        option.setAlignment(align);
        d->multi->document()->setDefaultTextOption(option);
    }
}

void TInplaceEdit::SetTextMargins(int left, int top, int right, int bottom)
{
    d->margins = QMargins(left, top, right, bottom);
    d->line->setTextMargins(d->margins);
    if (d->multi)
        d->multi->setMargins(d->margins);
}

int TInplaceEdit::LineCount() const
{
    if (!d->multiLine)
        return 1;
    int lines = 0;
    for (QTextBlock b = d->multi->document()->begin(); b.isValid(); b = b.next())
        lines += b.layout() && b.layout()->lineCount() > 0 ? b.layout()->lineCount() : 1;
    return std::max(1, lines);
}

int TInplaceEdit::CaretLine() const
{
    if (!d->multiLine)
        return 0;
    const QTextCursor cursor = d->multi->textCursor();
    const QTextBlock caretBlock = cursor.block();
    int line = 0;
    for (QTextBlock b = d->multi->document()->begin(); b.isValid() && b != caretBlock; b = b.next())
        line += b.layout() && b.layout()->lineCount() > 0 ? b.layout()->lineCount() : 1;
    const QTextLayout* layout = caretBlock.layout();
    if (layout && layout->lineCount() > 0) {
        const QTextLine inBlock = layout->lineForTextPosition(cursor.positionInBlock());
        if (inBlock.isValid())
            line += inBlock.lineNumber();
    }
    return line;
}

QWidget* TInplaceEdit::Body() const { return d->body(); }

void TInplaceEdit::GridClosing() { d->gridClosing = true; }

// ---- text, selection, caret -------------------------------------------------------

QString TInplaceEdit::text() const
{
    return d->multiLine ? fromBodyText(d->multi->toPlainText()) : d->line->text();
}

void TInplaceEdit::setText(const QString& text)
{
    if (d->multiLine)
        d->multi->setPlainText(toBodyText(text));
    else
        d->line->setText(text);
}

void TInplaceEdit::insert(const QString& text)
{
    if (d->multiLine)
        d->multi->insertPlainText(toBodyText(text));
    else
        d->line->insert(text);
}

void TInplaceEdit::selectAll()
{
    if (d->multiLine)
        d->multi->selectAll();
    else
        d->line->selectAll();
}

void TInplaceEdit::deselect() { setCursorPosition(cursorPosition()); }

bool TInplaceEdit::hasSelectedText() const
{
    return d->multiLine ? d->multi->textCursor().hasSelection() : d->line->hasSelectedText();
}

QString TInplaceEdit::selectedText() const
{
    if (!d->multiLine)
        return d->line->selectedText();
    return fromBodyText(d->multi->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

int TInplaceEdit::selectionStart() const
{
    if (!d->multiLine)
        return d->line->selectionStart();
    const QTextCursor c = d->multi->textCursor();
    return c.hasSelection() ? fromBodyPos(d->multi->toPlainText(), c.selectionStart()) : -1;
}

int TInplaceEdit::selectionLength() const
{
    if (!d->multiLine)
        return d->line->selectionLength();
    return static_cast<int>(selectedText().size());
}

void TInplaceEdit::setSelection(int start, int length)
{
    if (!d->multiLine) {
        d->line->setSelection(start, length);
        return;
    }
    const QString all = text();
    QTextCursor c = d->multi->textCursor();
    c.setPosition(toBodyPos(all, start));
    c.setPosition(toBodyPos(all, start + length), QTextCursor::KeepAnchor);
    d->multi->setTextCursor(c);
}

int TInplaceEdit::cursorPosition() const
{
    if (!d->multiLine)
        return d->line->cursorPosition();
    return fromBodyPos(d->multi->toPlainText(), d->multi->textCursor().position());
}

int TInplaceEdit::cursorPositionAt(const QPoint& bodyPoint) const
{
    if (!d->multiLine)
        return d->line->cursorPositionAt(bodyPoint);
    const QPoint inText = d->multi->viewport()->mapFrom(d->multi, bodyPoint);
    return fromBodyPos(d->multi->toPlainText(), d->multi->cursorForPosition(inText).position());
}

void TInplaceEdit::setCursorPosition(int position)
{
    if (!d->multiLine) {
        d->line->setCursorPosition(position);
        d->line->deselect();
        return;
    }
    QTextCursor c = d->multi->textCursor();
    c.setPosition(toBodyPos(text(), position));
    d->multi->setTextCursor(c);
}

int TInplaceEdit::maxLength() const { return d->line->maxLength(); }
QString TInplaceEdit::inputMask() const { return d->line->inputMask(); }

// ---- the grid's show and place steps --------------------------------------------------------

void TInplaceEdit::UpdateContents()
{
    TCustomGrid* g = d->grid;
    const TGridCoord cell = g->d->editCell;
    const QString text = g->GetEditText(cell.X, cell.Y);
    SetEditMask(g->GetEditMask(cell.X, cell.Y));
    SetMaxLength(g->GetEditLimit());
    setText(text);
}

void TInplaceEdit::BoundsChanged(const TRect& Cell)
{
    setGeometry(ToQRect(Cell));
    d->body()->setGeometry(rect());
    show();
}

// ---- keys ---------------------------------------------------------------------------------------

bool TInplaceEdit::WantsTab() const { return d->grid->Options().testFlag(goTabs); }

bool TInplaceEdit::WantsGridKey(Word Key, TShiftState Shift) const
{
    const bool atStart = cursorPosition() == 0 && !hasSelectedText();
    const bool atEnd = cursorPosition() == text().length() && !hasSelectedText();
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        return true;
    case VK_TAB:
        return d->grid->Options().testFlag(goTabs);
    case VK_LEFT:
        return atStart && !Shift.testFlag(ssShift);
    case VK_RIGHT:
        return atEnd && !Shift.testFlag(ssShift);
    case VK_HOME:
        return Shift.testFlag(ssCtrl) || atStart;
    case VK_END:
        return Shift.testFlag(ssCtrl) || atEnd;
    default:
        return false;
    }
}

void TInplaceEdit::WMKeyDown(Word& Key, TShiftState Shift) { KeyDown(Key, Shift); }

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    if (WantsGridKey(Key, Shift)) {
        d->grid->KeyDown(Key, Shift);
        Key = 0;
    }
}

void TInplaceEdit::WMChar(QChar& Key)
{
    KeyPress(Key);
    if (!Key.isNull() && isVisible())
        DefaultChar(Key);
}

void TInplaceEdit::KeyPress(QChar& Key) { d->grid->KeyPress(Key); }

void TInplaceEdit::WMKeyUp(Word& Key, TShiftState Shift) { KeyUp(Key, Shift); }

void TInplaceEdit::KeyUp(Word&, TShiftState) {}

Qt::KeyboardModifiers TInplaceEdit::KeyModifiers() const
{
    return d->current ? d->current->modifiers() : QApplication::keyboardModifiers();
}

// The character a key brings: with Ctrl (and no Alt) a letter brings its
// control code, as a typed Ctrl+H is a Backspace.
static QChar typedCharacter(const QKeyEvent* e)
{
    const Qt::KeyboardModifiers m = e->modifiers();
    if (m.testFlag(Qt::ControlModifier) && !m.testFlag(Qt::AltModifier) && e->key() >= Qt::Key_A &&
        e->key() <= Qt::Key_Z)
        return QChar(static_cast<char16_t>(e->key() - Qt::Key_A + 1));
    const QString text = e->text();
    if (text.size() != 1 || text[0].unicode() == 0x7F)
        return QChar();
    return text[0];
}

void TInplaceEdit::DefaultChar(QChar Key)
{
    d->defaultDone = true;
    const char16_t c = Key.unicode();
    const bool fromKey = d->current && Key == d->currentChar;
    if (c == 8 && !(fromKey && d->current->key() == Qt::Key_Backspace)) {
        if (!hasSelectedText() && cursorPosition() > 0)
            setSelection(cursorPosition(), -1);
        insert(QString());
        return;
    }
    if (c == 0x03 || c == 0x16 || c == 0x18) {
        if (c == 0x03)
            ClipboardCopy();
        else if (c == 0x16)
            ClipboardPaste();
        else
            ClipboardCut();
        return;
    }
    if (c == u'\r') {
        if (d->multiLine)
            insert(QStringLiteral("\r\n"));
        return;
    }
    if (fromKey)
        bodyKeyPress(d->current);
    else if (c >= 0x20)
        insert(QString(Key));
}

void TInplaceEdit::ClipboardCopy()
{
    if (hasSelectedText() && !(d->line->echoMode() != QLineEdit::Normal && !d->multiLine))
        QApplication::clipboard()->setText(selectedText());
}

void TInplaceEdit::ClipboardCut()
{
    ClipboardCopy();
    if (hasSelectedText())
        insert(QString());
}

void TInplaceEdit::ClipboardPaste() { insert(QApplication::clipboard()->text()); }

void TInplaceEdit::FocusGained(Qt::FocusReason) {}
void TInplaceEdit::FocusLost(QWidget*) {}
void TInplaceEdit::LeftDoubleClick() {}

void TInplaceEdit::bodyKeyPress(QKeyEvent* e)
{
    e->setAccepted(true);
    if (d->multiLine)
        d->multi->baseKeyPress(e);
    else
        d->line->baseKeyPress(e);
}

void TInplaceEdit::bodyKeyRelease(QKeyEvent* e)
{
    if (d->multiLine)
        d->multi->baseKeyRelease(e);
    else
        d->line->baseKeyRelease(e);
}

void TInplaceEdit::keyPressEvent(QKeyEvent* e)
{
    QKeyEvent* const outer = d->current;
    const QChar outerChar = d->currentChar;
    d->current = e;
    d->currentChar = typedCharacter(e);
    d->defaultDone = false;
    e->accept();
    platform::grid::RunReportingFaults([&] {
        Word key = platform::VirtualKeyFromQt(e->key());
        const TShiftState shift = platform::ShiftStateFromQt(e->modifiers());
        bool stopped = false;
        if (key != 0) {
            WMKeyDown(key, shift);
            stopped = key == 0;
        }
        if (!stopped && !d->currentChar.isNull()) {
            QChar c = d->currentChar;
            WMChar(c);
            stopped = true;
        }
        if (!stopped && !d->defaultDone && isVisible())
            bodyKeyPress(e);
    });
    d->current = outer;
    d->currentChar = outerChar;
}

void TInplaceEdit::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    platform::grid::RunReportingFaults([&] {
        Word key = platform::VirtualKeyFromQt(e->key());
        if (key != 0)
            WMKeyUp(key, platform::ShiftStateFromQt(e->modifiers()));
        if (key != 0 || platform::VirtualKeyFromQt(e->key()) == 0)
            bodyKeyRelease(e);
    });
}
