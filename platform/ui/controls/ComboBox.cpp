#include "platform/ui/controls/ComboBox.h"

#include <QtCore/QSignalBlocker>
#include <QtGui/QFocusEvent>
#include <QtGui/QPalette>
#include <QtGui/QWheelEvent>
#include <QtWidgets/QLineEdit>

namespace {

// The items of the box; adding to a box without selection keeps it without one,
// and deleting the selected item leaves none selected.
class ComboItems : public platform::ItemStrings {
 public:
  explicit ComboItems(QComboBox& box) : box_(box) {}
  int Count() const override { return box_.count(); }
  QString Strings(int index) const override {
    CheckIndex(index, Count());
    return box_.itemText(index);
  }
  void SetStrings(int index, const QString& text) override {
    CheckIndex(index, Count());
    box_.setItemText(index, text);
  }
  void Insert(int index, const QString& text) override {
    CheckIndex(index, Count() + 1);
    const QSignalBlocker blocker(box_);
    const int selected = box_.currentIndex();
    const QString edited = box_.isEditable() ? box_.lineEdit()->text() : QString();
    box_.insertItem(index, text);
    box_.setCurrentIndex(selected < 0 ? -1 : selected + (index <= selected ? 1 : 0));
    if (box_.isEditable()) box_.lineEdit()->setText(edited);
  }
  void Delete(int index) override {
    CheckIndex(index, Count());
    const QSignalBlocker blocker(box_);
    const int selected = box_.currentIndex();
    box_.removeItem(index);
    box_.setCurrentIndex(selected == index ? -1 : selected - (index < selected ? 1 : 0));
  }
  void Clear() override {
    const QSignalBlocker blocker(box_);
    box_.clear();
  }

 private:
  QComboBox& box_;
};

}  // namespace

struct TComboBox::Data {
  explicit Data(QComboBox& box) : items(box) {}
  ComboItems items;
  TComboBoxStyle style = csDropDown;
};

TComboBox::TComboBox(QWidget* parent, TComboBoxStyle style)
    : QComboBox(parent), platform::TControl(*this, clWindow), d(std::make_unique<Data>(*this)) {
  resize(145, 21);
  setInsertPolicy(QComboBox::NoInsert);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QComboBox::activated, this, [this](int) {
    if (OnChange) OnChange(this);
  });
  SetStyle(style);
}

TComboBox::~TComboBox() = default;

TComboBoxStyle TComboBox::Style() const { return d->style; }

void TComboBox::SetStyle(TComboBoxStyle style) {
  d->style = style;
  const bool editable = style == csDropDown || style == csSimple;
  if (editable == isEditable()) {
    StyleChanged();
    return;
  }
  const QSignalBlocker blocker(this);
  const int selected = currentIndex();
  setEditable(editable);
  setCurrentIndex(selected);
  if (editable) {
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString&) {
      if (OnChange) OnChange(this);
    });
  }
  StyleChanged();
}

platform::ItemStrings& TComboBox::Items() { return d->items; }

int TComboBox::ItemIndex() const {
  const int selected = currentIndex();
  // Text typed over the selection leaves no item selected.
  if (isEditable() && selected >= 0 && itemText(selected) != lineEdit()->text()) return -1;
  return selected;
}

void TComboBox::SetItemIndex(int index) {
  const QSignalBlocker blocker(this);
  setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

QString TComboBox::Text() const {
  if (isEditable()) return lineEdit()->text();
  return currentIndex() >= 0 ? itemText(currentIndex()) : QString();
}

void TComboBox::SetText(const QString& text) {
  const QSignalBlocker blocker(this);
  if (isEditable()) {
    lineEdit()->setText(text);
    return;
  }
  setCurrentIndex(d->items.IndexOf(text));
}

int TComboBox::DropDownCount() const { return maxVisibleItems(); }
void TComboBox::SetDropDownCount(int count) { setMaxVisibleItems(std::max(1, count)); }

void TComboBox::ApplyColor(TColor color) {
  QPalette pal = palette();
  pal.setColor(QPalette::Base, ToQColor(color));
  pal.setColor(QPalette::Button, ToQColor(color));
  setPalette(pal);
}

void TComboBox::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  QComboBox::wheelEvent(event);
}

void TComboBox::focusInEvent(QFocusEvent* event) {
  QComboBox::focusInEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && OnEnter)
    OnEnter(this);
}

void TComboBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason && OnExit)
    OnExit(this);
}
