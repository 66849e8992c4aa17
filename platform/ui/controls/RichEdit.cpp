#include "platform/ui/controls/RichEdit.h"

#include <QtCore/QRegularExpression>
#include <QtGui/QAbstractTextDocumentLayout>
#include <QtGui/QFocusEvent>
#include <QtGui/QPalette>

#include <algorithm>
#include <cmath>

struct TRichEdit::Data {
  int requestedWidth = 0;
  int requestedHeight = 0;
};

TRichEdit::TRichEdit(QWidget* parent)
    : QTextEdit(parent), platform::TControl(*this, clWindow), d(std::make_unique<Data>()) {
  resize(185, 89);
  setTabChangesFocus(true);
  setAcceptRichText(false);
  connect(this, &QTextEdit::textChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
  connect(this, &QTextEdit::selectionChanged, this, [this] {
    if (OnSelectionChange) OnSelectionChange(this);
  });
  connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
          [this](const QSizeF& size) {
            d->requestedWidth = int(std::ceil(size.width()));
            d->requestedHeight = int(std::ceil(size.height()));
            RequestSize(d->requestedWidth, d->requestedHeight);
          });
}

TRichEdit::~TRichEdit() = default;

QString TRichEdit::Text() const {
  QString text = toPlainText();
  return text.replace(u'\n', QStringLiteral("\r\n"));
}

void TRichEdit::SetText(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
  QString plain = text;
  setPlainText(plain.replace(lineBreak, QStringLiteral("\n")));
}

bool TRichEdit::ReadOnly() const { return isReadOnly(); }
void TRichEdit::SetReadOnly(bool readOnly) { setReadOnly(readOnly); }

bool TRichEdit::WordWrap() const { return lineWrapMode() == QTextEdit::WidgetWidth; }
void TRichEdit::SetWordWrap(bool wrap) { setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap); }

int TRichEdit::RequestedWidth() const { return d->requestedWidth; }
int TRichEdit::RequestedHeight() const { return d->requestedHeight; }

void TRichEdit::SelectAll() { selectAll(); }

void TRichEdit::SetFormattingRect(const TRect& rect) {
  setViewportMargins(rect.Left, rect.Top, std::max(0, width() - rect.Right), std::max(0, height() - rect.Bottom));
}

void TRichEdit::RequestSize(int, int) {}

void TRichEdit::ApplyColor(TColor color) {
  QPalette pal = palette();
  pal.setColor(QPalette::Base, ToQColor(color));
  setPalette(pal);
}

void TRichEdit::focusOutEvent(QFocusEvent* event) {
  QTextEdit::focusOutEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && OnExit)
    OnExit(this);
}
