#pragma once

#include "platform/ui/controls/Control.h"
#include "platform/ui/paint/Geometry.h"

#include <QtWidgets/QWidget>

#include <functional>
#include <memory>

class TCanvas;
class TImageList;

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

// Sender, var AllowChange.
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// A strip of tabs along one edge of the control, each tab an item with a text
// and an object, and the page area inside the frame. The strip lays the tabs
// out (one row, or several rows that wrap with MultiLine; on the left and right
// the rows are columns and the tabs run downwards), keeps the selected tab, hit
// tests, and paints classic raised tabs unless a derived control paints them.
//
// The user selects a tab by clicking it, with the arrow keys or through the
// press action assistive tools offer on a tab: the target must pass CanShowTab,
// then CanChange (OnChanging) may refuse, and Change (OnChange) follows the
// selection. Selecting from code (SetTabIndex) and changing the items raise no
// events; inserting into an empty strip selects the new tab, and deleting the
// selected tab leaves none selected. The selected row of a multi-line strip
// moves next to the page area. Assistive tools see a page tab list of page tabs.
class TCustomTabControl : public QWidget, public platform::TControl, public TObject {
  Q_OBJECT

 public:
  explicit TCustomTabControl(QWidget* parent = nullptr);
  ~TCustomTabControl() override;

  int TabCount() const;
  QString TabText(int index) const;
  void SetTabText(int index, const QString& text);
  TObject* TabObject(int index) const;
  void InsertTab(int index, const QString& text, TObject* object);
  void DeleteTab(int index);
  void MoveTab(int from, int to);
  void ClearTabs();
  // The tab's text shown in the highlight colour (classic look only).
  bool TabHighlighted(int index) const;
  void HighlightTab(int index, bool highlighted);

  int TabIndex() const;
  void SetTabIndex(int index);

  TTabPosition TabPosition() const;
  void SetTabPosition(TTabPosition position);
  bool MultiLine() const;
  void SetMultiLine(bool multiLine);
  // Rows of a multi-line strip are stretched to the full length unless set.
  bool RaggedRight() const;
  void SetRaggedRight(bool ragged);
  // Fixed tab height (across the strip) and width (along it); 0 fits the text.
  int TabHeight() const;
  void SetTabHeight(int height);
  int TabWidth() const;
  void SetTabWidth(int width);
  // Tabs under the pointer are drawn in the hot colour (classic look only).
  bool HotTrack() const;
  void SetHotTrack(bool hotTrack);
  // Each tab with an image index of 0 or more reserves the list's width (tabs on
  // top or bottom) or height (left, right) and shows that image (classic look).
  // The strip does not own the list.
  TImageList* Images() const;
  void SetImages(TImageList* images);

  // The tab's rectangle in client coordinates; empty for an index out of range.
  TRect TabRect(int index) const;
  // The tab at a client point, -1 for none.
  int IndexOfTabAt(int x, int y) const;
  // The page area inside the frame.
  TRect DisplayRect() const;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  // The user is about to select the tab at newIndex; false keeps the selection.
  virtual bool CanChange(int newIndex);
  // The user selected another tab.
  virtual void Change();
  // A tab that cannot be shown cannot be selected by the user.
  virtual bool CanShowTab(int index);
  virtual int GetImageIndex(int index);
  // The image area each tab with an image index reserves: cx along tabs on top
  // or bottom, cy along tabs on the left or right; the size of Images.
  virtual TSize ImageRoom() const;
  // Paints the whole control on a canvas over it.
  virtual void Paint(TCanvas& canvas);
  // The classic look: background, page frame and, with drawTabs, the tabs.
  void PaintStrip(TCanvas& canvas, bool drawTabs = true);
  // The tabs or the page area moved.
  virtual void LayoutChanged();
  // Lays the tabs out again (their sizes changed) and repaints.
  void invalidateLayout();
  // Text of the tab for assistive tools.
  virtual QString AccessibleTabName(int index) const;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void ApplyFont(const QFont& font, TColor textColor) override;

 private:
  friend class TabStripAccessible;
  friend class TabStripTabAccessible;
  void ensureLayout() const;
  void paintClassicTab(TCanvas& canvas, int index);
  // The user's way of selecting: checks, selection, Change.
  bool userSelect(int index);
  struct Data;
  std::unique_ptr<Data> d;
};
