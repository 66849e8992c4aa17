#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QTreeWidget>

#include <QList>

class QIcon;

// A tree of texts over QTreeWidget. Each node has an image index into the
// tree's pictures, a text colour and a link to the object it shows (not
// owned). Clicking a node selects it and raises OnClick.
class TTreeView : public QTreeWidget, public platform::TControl, public TObject {
 public:
  explicit TTreeView(QWidget* parent = nullptr);
  ~TTreeView() override;

  void SetImages(const QList<QIcon>& images);
  // Appends a node under `parent` (a top-level node for nullptr).
  QTreeWidgetItem* AddChild(QTreeWidgetItem* parent, const QString& text, int imageIndex, TObject* data);
  static int ImageIndex(const QTreeWidgetItem* node);
  static TObject* Data(const QTreeWidgetItem* node);
  static TColor NodeColor(const QTreeWidgetItem* node);
  static void SetNodeColor(QTreeWidgetItem* node, TColor color);

  QTreeWidgetItem* Selected() const;
  void SetSelected(QTreeWidgetItem* node);
  void Clear();

  TNotifyEvent OnClick;

 protected:
  void ApplyColor(TColor color) override;

 private:
  QList<QIcon> images_;
};
