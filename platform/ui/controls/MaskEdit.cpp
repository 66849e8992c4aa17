#include "platform/ui/controls/MaskEdit.h"

#include <QtGui/QClipboard>
#include <QtGui/QGuiApplication>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>

struct TMaskEdit::MaskData {
  QString editMask;
  bool autoSelect = true;
  TEditBorderStyle borderStyle = bsEditSingle;
  TAlignment alignment = taLeftJustify;
  bool hasFormattingRect = false;
  TRect formattingRect;
  Qt::KeyboardModifiers keyModifiers;
};

TMaskEdit::TMaskEdit(QWidget* parent) : TEdit(parent), m(std::make_unique<MaskData>()) {}

TMaskEdit::~TMaskEdit() = default;

QString TMaskEdit::EditMask() const { return m->editMask; }

void TMaskEdit::SetEditMask(const QString& mask) {
  m->editMask = mask;
  setInputMask(platform::InputMaskFromEditMask(mask));
}

bool TMaskEdit::AutoSelect() const { return m->autoSelect; }
void TMaskEdit::SetAutoSelect(bool value) { m->autoSelect = value; }

TEditBorderStyle TMaskEdit::BorderStyle() const { return m->borderStyle; }

void TMaskEdit::SetBorderStyle(TEditBorderStyle style) {
  m->borderStyle = style;
  setFrame(style == bsEditSingle);
}

TAlignment TMaskEdit::Alignment() const { return m->alignment; }

void TMaskEdit::SetAlignment(TAlignment alignment) {
  m->alignment = alignment;
  const Qt::Alignment horizontal = alignment == taRightJustify ? Qt::AlignRight
                                   : alignment == taCenter     ? Qt::AlignHCenter
                                                               : Qt::AlignLeft;
  setAlignment(horizontal | Qt::AlignVCenter);
}

int TMaskEdit::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void TMaskEdit::SetSelStart(int start) {
  deselect();
  setCursorPosition(start);
}

int TMaskEdit::SelLength() const { return hasSelectedText() ? int(selectedText().size()) : 0; }

void TMaskEdit::SetSelLength(int length) {
  const int start = SelStart();
  if (length > 0)
    setSelection(start, length);
  else
    SetSelStart(start);
}

QString TMaskEdit::SelText() const { return selectedText(); }
void TMaskEdit::SetSelText(const QString& text) { insert(text); }

TRect TMaskEdit::FormattingRect() const {
  if (m->hasFormattingRect) return m->formattingRect;
  const QRect r = contentsRect();
  return TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

void TMaskEdit::SetFormattingRect(const TRect& rect) {
  m->hasFormattingRect = true;
  m->formattingRect = rect;
  applyFormattingRect();
}

// The toolkit lays text out inside margins, so the rectangle becomes the
// distances of its sides from the client edges (never negative).
void TMaskEdit::applyFormattingRect() {
  if (!m->hasFormattingRect) return;
  const TRect& r = m->formattingRect;
  setTextMargins(std::max(0, r.Left), std::max(0, r.Top), std::max(0, width() - r.Right),
                 std::max(0, height() - r.Bottom));
}

void TMaskEdit::resizeEvent(QResizeEvent* event) {
  TEdit::resizeEvent(event);
  applyFormattingRect();
}

void TMaskEdit::CutToClipboard() { ClipboardCut(); }
void TMaskEdit::CopyToClipboard() { copy(); }
void TMaskEdit::PasteFromClipboard() { ClipboardPaste(); }

void TMaskEdit::ClipboardCut() {
  if (!isReadOnly()) cut();
}

void TMaskEdit::ClipboardPaste() {
  if (!isReadOnly()) paste();
}

Qt::KeyboardModifiers TMaskEdit::KeyModifiers() const { return m->keyModifiers; }

void TMaskEdit::WMKeyDown(Word& Key, TShiftState Shift) { KeyDown(Key, Shift); }

void TMaskEdit::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TMaskEdit::KeyPress(QChar& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TMaskEdit::KeyUp(Word& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

bool TMaskEdit::WantsKey(Word, TShiftState) { return false; }

bool TMaskEdit::event(QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        WantsKey(VK_TAB, platform::ShiftStateFromQt(key->modifiers()))) {
      keyPressEvent(key);
      return true;
    }
  }
  return TEdit::event(event);
}

namespace {

// The character a key types, Backspace included; null for keys that type
// nothing or that the window handles (Enter, Escape and Tab type their
// control characters here, as the key-press stage sees them).
QChar typedCharacter(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Backspace) return QChar(8);
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return QChar(13);
  if (event.key() == Qt::Key_Escape) return QChar(27);
  if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) return QChar(9);
  if (event.key() == Qt::Key_Delete) return QChar();
  const QString text = event.text();
  if (text.size() != 1 || (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier))) return QChar();
  return text.at(0).isPrint() ? text.at(0) : QChar();
}

}  // namespace

void TMaskEdit::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers outer = m->keyModifiers;
  m->keyModifiers = event->modifiers();
  event->accept();
  Word key = platform::VirtualKeyFromQt(event->key());
  bool stopped = false;
  if (key != 0) {
    WMKeyDown(key, platform::ShiftStateFromQt(event->modifiers()));
    stopped = key == 0;
  }
  if (!stopped) {
    if (event->matches(QKeySequence::Cut)) {
      ClipboardCut();
    } else if (event->matches(QKeySequence::Paste)) {
      ClipboardPaste();
    } else {
      const QChar typed = typedCharacter(*event);
      if (typed.isNull()) {
        QLineEdit::keyPressEvent(event);
      } else {
        QChar ch = typed;
        KeyPress(ch);
        if (!ch.isNull()) typeCharacter(event, typed, ch);
      }
    }
  }
  m->keyModifiers = outer;
}

// The edit's own handling of a typed character that the key-press stage let
// through, possibly replaced. Enter, Escape and Tab type nothing in one line.
void TMaskEdit::typeCharacter(QKeyEvent* event, QChar typed, QChar key) {
  const char16_t c = key.unicode();
  if (c == 13 || c == 27 || c == 9) {
    event->ignore();
    return;
  }
  if (key == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (isReadOnly()) return;
  if (c == 8)
    backspace();
  else if (key.isPrint())
    insert(QString(key));
}

void TMaskEdit::keyReleaseEvent(QKeyEvent* event) {
  Word key = platform::VirtualKeyFromQt(event->key());
  if (key != 0) KeyUp(key, platform::ShiftStateFromQt(event->modifiers()));
  if (key != 0) QLineEdit::keyReleaseEvent(event);
}

void TMaskEdit::DoEnter(Qt::FocusReason reason) {
  const bool byLeftClick =
      reason == Qt::MouseFocusReason && (QGuiApplication::mouseButtons() & Qt::LeftButton);
  // The toolkit selects all on Tab by itself; AutoSelect decides here.
  if (m->autoSelect && !byLeftClick)
    selectAll();
  else if (!m->autoSelect)
    deselect();
  if (OnEnter) OnEnter(this);
}

void TMaskEdit::DoExit() {
  if (OnExit) OnExit(this);
}

void TMaskEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
    DoEnter(event->reason());
}

void TMaskEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) DoExit();
}

void TMaskEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  if (OnDblClick) OnDblClick(this);
}

namespace platform {

// Mask characters of the platform's notation and their toolkit counterparts;
// literal characters that the toolkit would read as mask characters are escaped.
QString InputMaskFromEditMask(const QString& mask) {
  if (mask.isEmpty()) return QString();
  const QStringList fields = mask.split(QLatin1Char(';'));
  const QString body = fields.value(0);
  const QChar blank = fields.size() > 2 && !fields[2].isEmpty() ? fields[2][0] : QLatin1Char('_');
  static const QString toolkitSpecial = QStringLiteral("AaNnXx90Dd#HhBb><!;[]{}\\");
  QString out;
  for (int i = 0; i < body.size(); ++i) {
    const QChar c = body[i];
    switch (c.unicode()) {
      case '0': out += QLatin1Char('9'); break;
      case '9': out += QLatin1Char('0'); break;
      case '#': out += QLatin1Char('#'); break;
      case 'L': out += QLatin1Char('A'); break;
      case 'l': out += QLatin1Char('a'); break;
      case 'A': out += QLatin1Char('N'); break;
      case 'a': out += QLatin1Char('n'); break;
      case 'C': out += QLatin1Char('X'); break;
      case 'c': out += QLatin1Char('x'); break;
      case '>': out += QLatin1Char('>'); break;
      case '!': break;  // blank trimming has no counterpart
      case '<':
        if (i + 1 < body.size() && body[i + 1] == QLatin1Char('>')) {
          out += QLatin1Char('!');
          ++i;
        } else {
          out += QLatin1Char('<');
        }
        break;
      case '\\':
        if (i + 1 < body.size()) {
          out += QLatin1Char('\\');
          out += body[++i];
        }
        break;
      default:
        if (toolkitSpecial.contains(c)) out += QLatin1Char('\\');
        out += c;
    }
  }
  return out + QLatin1Char(';') + blank;
}

}  // namespace platform
