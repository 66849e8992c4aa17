#include "platform/ui/controls/Edit.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QPalette>
#include <QtGui/QValidator>

// Applies the letter case and the length limit to every change of the text.
class EditValidator : public QValidator {
 public:
  explicit EditValidator(TEdit& edit) : QValidator(&edit), edit_(edit) {}
  State validate(QString& input, int& pos) const override;

 private:
  TEdit& edit_;
};

struct TEdit::Data {
  QString accepted;  // the text before the change being validated
  int maxLength = 0;
  bool settingText = false;
  TEditCharCase charCase = ecNormal;
  QChar passwordChar;
};

QValidator::State EditValidator::validate(QString& input, int& pos) const {
  const TEdit::Data& d = *edit_.d;
  if (d.charCase == ecUpperCase) input = input.toUpper();
  if (d.charCase == ecLowerCase) input = input.toLower();
  if (d.maxLength > 0 && !d.settingText) {
    // Cut what was just inserted (it ends at the cursor) to what still fits; a
    // longer text set by the program stays as it is.
    const qsizetype allowed = std::max<qsizetype>(d.maxLength, d.accepted.size());
    const qsizetype excess = input.size() - allowed;
    if (excess > 0) {
      const qsizetype start = std::max<qsizetype>(0, pos - excess);
      input.remove(start, excess);
      pos = int(start);
    }
  }
  return Acceptable;
}

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent), platform::TControl(*this, clWindow), d(std::make_unique<Data>()) {
  resize(121, 21);
  setValidator(new EditValidator(*this));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    d->accepted = text;
    if (OnChange) OnChange(this);
  });
}

TEdit::~TEdit() = default;

QString TEdit::Text() const { return text(); }

void TEdit::SetText(const QString& text) {
  d->settingText = true;
  setText(text);
  d->settingText = false;
}

int TEdit::MaxLength() const { return d->maxLength; }
void TEdit::SetMaxLength(int length) { d->maxLength = std::max(0, length); }

TEditCharCase TEdit::CharCase() const { return d->charCase; }

void TEdit::SetCharCase(TEditCharCase charCase) {
  d->charCase = charCase;
  if (charCase == ecUpperCase) SetText(text().toUpper());
  if (charCase == ecLowerCase) SetText(text().toLower());
}

bool TEdit::ReadOnly() const { return isReadOnly(); }
void TEdit::SetReadOnly(bool readOnly) { setReadOnly(readOnly); }

QChar TEdit::PasswordChar() const { return d->passwordChar; }

void TEdit::SetPasswordChar(QChar character) {
  d->passwordChar = character;
  setEchoMode(character.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TEdit::SelectAll() { selectAll(); }

void TEdit::ApplyColor(TColor color) {
  QPalette pal = palette();
  pal.setColor(QPalette::Base, ToQColor(color));
  setPalette(pal);
}

namespace {

// Characters the window's keys handle themselves, and keys that type nothing.
bool isTypedCharacter(const QKeyEvent& event) {
  if (event.text().size() != 1 || (event.modifiers() & Qt::AltModifier)) return false;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return false;
    default:
      return true;
  }
}

int keyCodeOf(QChar character) {
  if (character == QChar(8)) return Qt::Key_Backspace;
  const char16_t upper = character.toUpper().unicode();
  return upper >= 0x20 && upper < 0x7F ? int(upper) : int(Qt::Key_unknown);
}

}  // namespace

void TEdit::keyPressEvent(QKeyEvent* event) {
  if (!OnKeyPress || !isTypedCharacter(*event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QChar typed = event->text().at(0);
  QChar key = typed;
  OnKeyPress(this, key);
  if (key.isNull()) {
    event->accept();
    return;
  }
  if (key == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent replaced(event->type(), keyCodeOf(key), event->modifiers() & ~Qt::ControlModifier, QString(key));
  QLineEdit::keyPressEvent(&replaced);
  event->setAccepted(replaced.isAccepted());
}

void TEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && OnEnter)
    OnEnter(this);
}

void TEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && OnExit)
    OnExit(this);
}
