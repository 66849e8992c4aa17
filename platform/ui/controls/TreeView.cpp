#include "platform/ui/controls/TreeView.h"

#include <QtGui/QIcon>
#include <QtGui/QPalette>

#include "platform/ui/paint/Colors.h"

namespace {

constexpr int ImageRole = Qt::UserRole;
constexpr int DataRole = Qt::UserRole + 1;

}  // namespace

TTreeView::TTreeView(QWidget* parent) : QTreeWidget(parent), platform::TControl(*this, clWindow) {
  resize(121, 97);
  setHeaderHidden(true);
  setColumnCount(1);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem*, int) {
    if (OnClick) OnClick(this);
  });
}

TTreeView::~TTreeView() = default;

void TTreeView::SetImages(const QList<QIcon>& images) { images_ = images; }

QTreeWidgetItem* TTreeView::AddChild(QTreeWidgetItem* parent, const QString& text, int imageIndex, TObject* data) {
  auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
  node->setText(0, text);
  node->setData(0, ImageRole, imageIndex);
  node->setData(0, DataRole, QVariant::fromValue(static_cast<void*>(data)));
  if (imageIndex >= 0 && imageIndex < images_.size()) node->setIcon(0, images_[imageIndex]);
  return node;
}

int TTreeView::ImageIndex(const QTreeWidgetItem* node) {
  return node ? node->data(0, ImageRole).toInt() : -1;
}

TObject* TTreeView::Data(const QTreeWidgetItem* node) {
  return node ? static_cast<TObject*>(node->data(0, DataRole).value<void*>()) : nullptr;
}

TColor TTreeView::NodeColor(const QTreeWidgetItem* node) {
  return FromQColor(node->foreground(0).color());
}

void TTreeView::SetNodeColor(QTreeWidgetItem* node, TColor color) {
  node->setForeground(0, QBrush(ToQColor(color)));
}

QTreeWidgetItem* TTreeView::Selected() const { return currentItem(); }

void TTreeView::SetSelected(QTreeWidgetItem* node) { setCurrentItem(node); }

void TTreeView::Clear() { clear(); }

void TTreeView::ApplyColor(TColor color) {
  QPalette p = palette();
  p.setColor(QPalette::Base, ToQColor(color));
  setPalette(p);
}
