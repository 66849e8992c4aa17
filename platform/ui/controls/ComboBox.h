#pragma once

#include "platform/ui/controls/Control.h"
#include "platform/ui/controls/ItemStrings.h"

#include <QtWidgets/QComboBox>

// csDropDown and csSimple take free text; the list styles only select items.
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// A combo box. ItemIndex -1 means no item is selected. OnChange is raised when
// the user picks an item or edits the text, never when the program sets
// ItemIndex, Text or the items. The mouse wheel changes the selection only while
// the box has the focus.
class TComboBox : public QComboBox, public platform::TControl, public TObject {
 public:
  // The style is given at construction where it is known, so a list-style box
  // never makes the text editor of the free-text styles only to drop it.
  explicit TComboBox(QWidget* parent = nullptr, TComboBoxStyle style = csDropDown);
  ~TComboBox() override;

  TComboBoxStyle Style() const;
  void SetStyle(TComboBoxStyle style);
  platform::ItemStrings& Items();
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The edited text, or for the list styles the selected item's text (empty
  // without selection). Setting it on a list style selects the item with that
  // text, letter case ignored, or none.
  QString Text() const;
  void SetText(const QString& text);
  int DropDownCount() const;
  void SetDropDownCount(int count);

  TNotifyEvent OnChange;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  // Called after SetStyle, once the box has or has dropped its text editor.
  virtual void StyleChanged() {}
  void ApplyColor(TColor color) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
