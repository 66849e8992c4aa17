#include "platform/ui/controls/Memo.h"

#include <QtCore/QRegularExpression>
#include <QtGui/QFocusEvent>
#include <QtGui/QPalette>

namespace {

// The memo's lines, kept in its document; a memo with no text has no lines.
class MemoLines : public platform::ItemStrings {
 public:
  explicit MemoLines(QPlainTextEdit& memo) : memo_(memo) {}
  int Count() const override { return int(lines().size()); }
  QString Strings(int index) const override {
    const QStringList all = lines();
    CheckIndex(index, int(all.size()));
    return all[index];
  }
  void SetStrings(int index, const QString& text) override {
    QStringList all = lines();
    CheckIndex(index, int(all.size()));
    all[index] = text;
    store(all);
  }
  void Insert(int index, const QString& text) override {
    QStringList all = lines();
    CheckIndex(index, int(all.size()) + 1);
    all.insert(index, text);
    store(all);
  }
  void Delete(int index) override {
    QStringList all = lines();
    CheckIndex(index, int(all.size()));
    all.removeAt(index);
    store(all);
  }
  void Clear() override { memo_.setPlainText(QString()); }

 private:
  QStringList lines() const {
    const QString text = memo_.toPlainText();
    if (text.isEmpty()) return {};
    QStringList all = text.split(u'\n');
    if (all.last().isEmpty()) all.removeLast();
    return all;
  }
  void store(const QStringList& all) { memo_.setPlainText(all.join(u'\n')); }
  QPlainTextEdit& memo_;
};

}  // namespace

struct TMemo::Data {
  explicit Data(QPlainTextEdit& memo) : lines(memo) {}
  MemoLines lines;
  TScrollStyle scrollBars = ssNone;
};

TMemo::TMemo(QWidget* parent)
    : QPlainTextEdit(parent), platform::TControl(*this, clWindow), d(std::make_unique<Data>(*this)) {
  resize(185, 89);
  setTabChangesFocus(true);
  SetScrollBars(ssNone);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
}

TMemo::~TMemo() = default;

platform::ItemStrings& TMemo::Lines() { return d->lines; }

QString TMemo::Text() const {
  QString text = toPlainText();
  return text.replace(u'\n', QStringLiteral("\r\n"));
}

void TMemo::SetText(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
  QString plain = text;
  setPlainText(plain.replace(lineBreak, QStringLiteral("\n")));
}

bool TMemo::ReadOnly() const { return isReadOnly(); }
void TMemo::SetReadOnly(bool readOnly) { setReadOnly(readOnly); }

bool TMemo::WordWrap() const { return lineWrapMode() == QPlainTextEdit::WidgetWidth; }
void TMemo::SetWordWrap(bool wrap) { setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap); }

TScrollStyle TMemo::ScrollBars() const { return d->scrollBars; }

void TMemo::SetScrollBars(TScrollStyle style) {
  d->scrollBars = style;
  const bool vertical = style == ssVertical || style == ssBoth;
  const bool horizontal = style == ssHorizontal || style == ssBoth;
  setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::ApplyColor(TColor color) {
  QPalette pal = palette();
  pal.setColor(QPalette::Base, ToQColor(color));
  setPalette(pal);
}

void TMemo::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && OnExit)
    OnExit(this);
}
