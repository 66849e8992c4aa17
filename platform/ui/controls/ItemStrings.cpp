#include "platform/ui/controls/ItemStrings.h"

#include <QtCore/QRegularExpression>

#include <stdexcept>

namespace platform {

ItemStrings::~ItemStrings() = default;

int ItemStrings::Add(const QString& text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

void ItemStrings::AddStrings(const QStringList& texts) {
  for (const QString& text : texts) Add(text);
}

int ItemStrings::IndexOf(const QString& text) const {
  for (int i = 0; i < Count(); ++i)
    if (Strings(i).compare(text, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QStringList ItemStrings::ToStringList() const {
  QStringList texts;
  for (int i = 0; i < Count(); ++i) texts << Strings(i);
  return texts;
}

void ItemStrings::Assign(const QStringList& texts) {
  Clear();
  AddStrings(texts);
}

QString ItemStrings::Text() const {
  QString text;
  for (int i = 0; i < Count(); ++i) text += Strings(i) + QStringLiteral("\r\n");
  return text;
}

void ItemStrings::SetText(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
  QStringList lines = text.split(lineBreak);
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  Assign(lines);
}

void ItemStrings::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit)
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace platform
