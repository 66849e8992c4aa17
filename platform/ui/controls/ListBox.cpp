#include "platform/ui/controls/ListBox.h"

#include <QtCore/QSignalBlocker>
#include <QtGui/QPalette>

namespace {

class ListItems : public platform::ItemStrings {
 public:
  explicit ListItems(QListWidget& list) : list_(list) {}
  int Count() const override { return list_.count(); }
  QString Strings(int index) const override {
    CheckIndex(index, Count());
    return list_.item(index)->text();
  }
  void SetStrings(int index, const QString& text) override {
    CheckIndex(index, Count());
    list_.item(index)->setText(text);
  }
  void Insert(int index, const QString& text) override {
    CheckIndex(index, Count() + 1);
    const QSignalBlocker blocker(list_);
    list_.insertItem(index, text);
  }
  void Delete(int index) override {
    CheckIndex(index, Count());
    const QSignalBlocker blocker(list_);
    delete list_.takeItem(index);
  }
  void Clear() override {
    const QSignalBlocker blocker(list_);
    list_.clear();
  }

 private:
  QListWidget& list_;
};

}  // namespace

struct TListBox::Data {
  explicit Data(QListWidget& list) : items(list) {}
  ListItems items;
};

TListBox::TListBox(QWidget* parent)
    : QListWidget(parent), platform::TControl(*this, clWindow), d(std::make_unique<Data>(*this)) {
  resize(121, 97);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::currentRowChanged, this, [this](int) {
    if (OnClick) OnClick(this);
  });
  connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
    if (OnDblClick) OnDblClick(this);
  });
}

TListBox::~TListBox() = default;

platform::ItemStrings& TListBox::Items() { return d->items; }

int TListBox::ItemIndex() const {
  const QListWidgetItem* item = currentItem();
  return item && item->isSelected() ? row(item) : -1;
}

void TListBox::SetItemIndex(int index) {
  const QSignalBlocker blocker(this);
  if (index < 0 || index >= count()) {
    setCurrentRow(-1);
    clearSelection();
    return;
  }
  setCurrentRow(index);
}

void TListBox::ApplyColor(TColor color) {
  QPalette pal = palette();
  pal.setColor(QPalette::Base, ToQColor(color));
  setPalette(pal);
}
