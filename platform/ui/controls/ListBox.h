#pragma once

#include "platform/ui/controls/Control.h"
#include "platform/ui/controls/ItemStrings.h"

#include <QtWidgets/QListWidget>

// A list of texts with one selected item (ItemIndex, -1 for none). Selecting
// an item with the mouse or keys raises OnClick; setting ItemIndex does not.
class TListBox : public QListWidget, public platform::TControl, public TObject {
 public:
  explicit TListBox(QWidget* parent = nullptr);
  ~TListBox() override;

  platform::ItemStrings& Items();
  int ItemIndex() const;
  void SetItemIndex(int index);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  void ApplyColor(TColor color) override;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
