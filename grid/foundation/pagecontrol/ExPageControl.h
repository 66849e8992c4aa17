#pragma once

// The tab page control: a strip of tabs, each showing one page that holds the
// controls of that page. It paints its own tabs (unless TabBorder3D), with
// per-tab colours and gradients, an active colour and font, a hover colour, a
// close button per tab with a list of closed pages that can be opened again,
// tab margins and background pictures of the tabs. It stands on the platform's
// tab strip (TCustomTabControl), which keeps the tabs, their layout and the
// selection rules; Ctrl+Tab and Ctrl+Shift+Tab step through the pages, also from
// the controls on them.

#include "platform/core/TObject.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/panels/TabStrip.h"

#include <QtCore/QString>
#include <QtWidgets/QWidget>

#include <functional>
#include <memory>

class TBitmap;
class TCanvas;
class TExPageControl;
class TFont;
class TImageList;
class TStringList;

// The control's looks and gradient directions; kept in the unit's own scope
// because the toolkit has tab styles of the same names.
namespace ExPageControl {
enum TTabStyle { tsClassic, tsDotNet };
enum TGradientDirection { gdVertical, gdHorizontal };
}  // namespace ExPageControl

using TMarginSize = qint32;
// Index 0 is the left, 1 the top, 2 the right margin.
using TMarginChange = std::function<void(TMarginSize NewValue, TMarginSize OldValue, int Index)>;
using TCanCloseEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TCanChangeEvent = std::function<void(TObject* Sender, int FromPage, int ToPage, bool& AllowChange)>;
using TTabGetImageEvent = std::function<void(TObject* Sender, int TabIndex, int& ImageIndex)>;

// The room kept in each tab around its text: left, top and right margin.
class TTabMargin : public TObject {
 public:
  TMarginSize LeftMargin() const { return left_; }
  void SetLeftMargin(TMarginSize value) { set(left_, value, 0); }
  TMarginSize TopMargin() const { return top_; }
  void SetTopMargin(TMarginSize value) { set(top_, value, 1); }
  TMarginSize RightMargin() const { return right_; }
  void SetRightMargin(TMarginSize value) { set(right_, value, 2); }
  // Copies the three margins without notification.
  void Assign(const TTabMargin& source);

  // Raised before a changed margin is stored.
  TMarginChange OnMarginChange;

 private:
  void set(TMarginSize& field, TMarginSize value, int index);
  TMarginSize left_ = 0;
  TMarginSize top_ = 0;
  TMarginSize right_ = 0;
};

// One page of a TExPageControl. Pages start hidden; the control shows its
// active page only, filling its page area.
class TExTabSheet : public QWidget, public platform::TControl, public TObject {
 public:
  explicit TExTabSheet(QWidget* owner = nullptr);
  ~TExTabSheet() override;

  TExPageControl* ExPageControl() const;
  // Leaves the old control and joins the new one (or none) as its last page.
  void SetExPageControl(TExPageControl* control);
  // Position among the control's pages, -1 without control.
  int PageIndex() const;
  void SetPageIndex(int index);
  // Position of the page's tab in the strip, -1 when its tab does not show.
  int TabIndex() const;
  bool TabShowing() const;

  QString Caption() const;
  void SetCaption(const QString& caption);
  TColor TextColor() const;
  void SetTextColor(TColor color);
  TColor TabColor() const;
  void SetTabColor(TColor color);
  TColor TabColorTo() const;
  void SetTabColorTo(TColor color);
  // End colour of a vertical gradient over the page, clNone for a plain page.
  TColor ColorTo() const;
  void SetColorTo(TColor color);
  bool ShowClose() const;
  void SetShowClose(bool show);
  ExPageControl::TGradientDirection TabGradientDirection() const;
  void SetTabGradientDirection(ExPageControl::TGradientDirection direction);
  ExPageControl::TGradientDirection HoverGradientDirection() const;
  void SetHoverGradientDirection(ExPageControl::TGradientDirection direction);
  int ImageIndex() const;
  void SetImageIndex(int index);
  bool TabVisible() const;
  void SetTabVisible(bool visible);
  // A tab without it cannot be selected; the active page's cannot be cleared.
  bool TabEnable() const;
  void SetTabEnable(bool enable);
  bool Highlighted() const;
  void SetHighlighted(bool highlighted);

  TNotifyEvent OnHide;
  TNotifyEvent OnShow;
  TNotifyEvent OnClose;
  TCanCloseEvent OnCanClose;

 protected:
  void ApplyColor(TColor color) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  friend class TExPageControl;
  friend class PageControlPainter;
  void refreshTabShown();
  void setTabShown(bool shown);
  bool queryCanClose();
  struct Data;
  std::unique_ptr<Data> d;
};

class TExPageControl : public TCustomTabControl {
 public:
  explicit TExPageControl(QWidget* parent = nullptr);
  ~TExPageControl() override;

  // Applies the margins to the tabs' room and sends each page's highlight to the
  // strip again; a control made in code counts as loaded from the start.
  void Loaded();

  TExTabSheet* ActivePage() const;
  // A page of another control is ignored; nullptr selects no tab and leaves the
  // page shown until then visible.
  void SetActivePage(TExTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  int PageCount() const;
  // An index out of range raises EListError.
  TExTabSheet* GetPage(int index) const;
  // 1.4.0.0 packed one number per byte, the first in the highest byte.
  static quint32 VersionNr();
  QString Version() const;
  void SetVersion(const QString&) {}

  // The page after (or before) current, wrapping around; nullptr when none
  // qualifies. A current page that is not in the control starts from the last
  // page going forward and from the first going back.
  TExTabSheet* FindNextPage(TExTabSheet* current, bool goForward, bool checkTabVisible) const;
  void SelectNextPage(bool goForward);
  // Gives a closed page of that name back to the control.
  bool OpenClosedTab(const QString& name);
  void OpenAllClosedTabs();
  // Closed pages by name, each with its page as object.
  const TStringList& ClosedTabList() const;

  // The page whose tab lies at a client point, -1 for none.
  int PageIndexAtPoint(int x, int y) const;
  // The rectangle of a page's tab, counting only pages with visible tabs before it.
  TRect PageTabRect(int pageIndex) const;
  // Whether a client point lies on the close button of a page's tab.
  bool CloseButtonHit(int pageIndex, int x, int y) const;

  TFont& ActiveFont();
  void SetActiveFont(const TFont& font);
  // Empty: the close button is a drawn box with a cross.
  TBitmap* CloseGlyph() const;
  void SetCloseGlyph(const TBitmap* glyph);
  TColor DefaultTextColor() const;
  void SetDefaultTextColor(TColor color);
  TColor DefaultTabColor() const;
  void SetDefaultTabColor(TColor color);
  TColor DefaultTabColorTo() const;
  void SetDefaultTabColorTo(TColor color);
  TColor ActiveColor() const;
  void SetActiveColor(TColor color);
  TColor ActiveColorTo() const;
  void SetActiveColorTo(TColor color);
  // Set: the strip draws the tabs in its own classic look.
  bool TabBorder3D() const;
  void SetTabBorder3D(bool set);
  TColor TabBorderColor() const;
  void SetTabBorderColor(TColor color);
  bool TabSheet3D() const;
  void SetTabSheet3D(bool set);
  TColor TabSheetBorderColor() const;
  void SetTabSheetBorderColor(TColor color);
  TColor TabHoverColor() const;
  void SetTabHoverColor(TColor color);
  TColor TabHoverColorTo() const;
  void SetTabHoverColorTo(TColor color);
  TColor TabHoverBorder() const;
  void SetTabHoverBorder(TColor color);
  TColor TabBackGroundColor() const;
  void SetTabBackGroundColor(TColor color);
  TBitmap* TabBackGround() const;
  void SetTabBackGround(const TBitmap* bitmap);
  TBitmap* TabBackGroundActive() const;
  void SetTabBackGroundActive(const TBitmap* bitmap);
  TTabMargin& TabMargin();
  void SetTabMargin(const TTabMargin& margin);
  // 0 to 15.
  int TabOverlap() const;
  void SetTabOverlap(int overlap);
  // Refused while TabStyle is tsDotNet.
  bool TabSplitLine() const;
  void SetTabSplitLine(bool set);
  bool RoundEdges() const;
  void SetRoundEdges(bool set);
  ExPageControl::TTabStyle TabStyle() const;
  void SetTabStyle(ExPageControl::TTabStyle style);
  int LowerActive() const;
  void SetLowerActive(int pixels);
  bool ShowFocus() const;
  void SetShowFocus(bool show);
  bool FreeOnClose() const;
  void SetFreeOnClose(bool free);
  TImageList* Images() const;
  void SetImages(TImageList* images);
  void SetTabPosition(TTabPosition position);
  // The page under the pointer, -1 for none.
  int HoverTab() const;
  // The pointer is over the active tab's close button.
  bool HoverClosedButton() const;

  TCanChangeEvent OnCanChange;
  TTabGetImageEvent OnGetImageIndex;

 protected:
  bool CanChange(int newIndex) override;
  void Change() override;
  bool CanShowTab(int index) override;
  int GetImageIndex(int index) override;
  TSize ImageRoom() const override;
  void Paint(TCanvas& canvas) override;
  void LayoutChanged() override;
  QString AccessibleTabName(int index) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void ApplyFont(const QFont& font, TColor textColor) override;

 private:
  friend class TExTabSheet;
  friend class PageControlPainter;
  void addPage(TExTabSheet* page);
  void detachPage(TExTabSheet* page);
  void addTabOfPage(TExTabSheet* page);
  void removeTabOfPage(TExTabSheet* page, int tabIndex);
  void selectPageOfTab();
  void switchActivePage(TExTabSheet* page);
  void refreshTabText(TExTabSheet* page);
  void refreshActiveTabText(TExTabSheet* page);
  void handleMarginChange(TMarginSize newValue, TMarginSize oldValue, int index);
  void applyMarginsToImages();
  void movePage(TExTabSheet* page, int index);
  void closeActivePage();
  void placePages();
  void paintTabs(TCanvas& canvas);
  void paintCloseButton(TCanvas& canvas, const TRect& tabRect, bool active);
  struct Data;
  std::unique_ptr<Data> d;
};
