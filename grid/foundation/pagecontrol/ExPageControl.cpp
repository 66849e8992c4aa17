// The tab page control: pages and their tabs, the active page, closing and
// reopening pages, hover and close-button tracking, and its properties.

#include "grid/foundation/pagecontrol/ExPageControl.h"

#include "grid/foundation/objects/ExObjLists.h"
#include "grid/foundation/pagecontrol/ExPageControlPrivate.h"
#include "platform/core/Format.h"
#include "platform/picture/ImageList.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>

#include <algorithm>

namespace {

bool horizontalTabs(TTabPosition position) { return position == tpTop || position == tpBottom; }

QString listIndexError(int index) { return Format(QStringLiteral("List index out of bounds (%d)"), {index}); }

// Focus goes to the first control of the page that takes it.
bool focusFirstControl(QWidget* page) {
  for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
    if (!page->isAncestorOf(w)) continue;
    if (w->isVisibleTo(page) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
      w->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  return false;
}

}  // namespace

TExPageControl::TExPageControl(QWidget* parent) : TCustomTabControl(parent), d(std::make_unique<Data>()) {
  Font().SetName(QStringLiteral("Tahoma"));
  d->activeFont.Assign(Font());
  d->activeFont.OnChange = [this](TFont*) {
    refreshActiveTabText(d->activePage);
    update();
  };
  d->tabMargin.OnMarginChange = [this](TMarginSize newValue, TMarginSize oldValue, int index) {
    handleMarginChange(newValue, oldValue, index);
  };
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TExPageControl::~TExPageControl() {
  // The pages go with the control's children; they must not detach themselves.
  for (TExTabSheet* page : d->pages) {
    page->d->control = nullptr;
    page->d->silenced = true;
  }
  for (int i = 0; i < d->closedTabList.Count(); ++i)
    QObject::disconnect(static_cast<TExTabSheet*>(d->closedTabList.Objects(i)), &QObject::destroyed, this, nullptr);
}

void TExPageControl::Loaded() {
  for (TExTabSheet* page : d->pages)
    if (page->d->tabShowing) HighlightTab(page->TabIndex(), page->d->highlighted);
  applyMarginsToImages();
  d->propertiesLoaded = true;
}

// ---- pages and tabs

void TExPageControl::addPage(TExTabSheet* page) {
  d->pages.push_back(page);
  page->d->control = this;
  page->setGeometry(ToQRect(DisplayRect()));
  page->refreshTabShown();
}

void TExPageControl::detachPage(TExTabSheet* page) {
  TExTabSheet* next = FindNextPage(page, true, true);
  if (next == page) next = nullptr;
  page->setTabShown(false);
  page->d->control = nullptr;
  d->pages.erase(std::remove(d->pages.begin(), d->pages.end(), page), d->pages.end());
  SetActivePage(next);
  // A page that left is neither active nor seen.
  if (d->activePage == page) d->activePage = nullptr;
  page->hide();
}

void TExPageControl::addTabOfPage(TExTabSheet* page) {
  InsertTab(page->TabIndex(), page->d->tabCaption, page);
  if (page->d->highlighted) HighlightTab(page->TabIndex(), true);
  selectPageOfTab();
}

void TExPageControl::removeTabOfPage(TExTabSheet* page, int tabIndex) {
  DeleteTab(tabIndex);
  if (page == d->activePage) SetTabIndex(tabIndex < TabCount() ? tabIndex : TabCount() - 1);
  selectPageOfTab();
}

void TExPageControl::selectPageOfTab() {
  const int index = TabIndex();
  SetActivePage(index >= 0 ? static_cast<TExTabSheet*>(TabObject(index)) : nullptr);
}

void TExPageControl::movePage(TExTabSheet* page, int index) {
  const int count = PageCount();
  if (index > count - 1)
    throw EListError(Format(QStringLiteral("%d is an invalid PageIndex value.  PageIndex must be between 0 and %d"),
                            {index, count - 1}));
  if (index < 0) throw EListError(listIndexError(index));
  const int oldTab = page->TabIndex();
  d->pages.erase(std::find(d->pages.begin(), d->pages.end(), page));
  d->pages.insert(d->pages.begin() + index, page);
  if (oldTab >= 0) MoveTab(oldTab, page->TabIndex());
}

TExTabSheet* TExPageControl::ActivePage() const { return d->activePage; }

void TExPageControl::SetActivePage(TExTabSheet* page) {
  if (page && page->d->control != this) return;
  if (!page) {
    SetTabIndex(-1);
    TExTabSheet* old = d->activePage;
    d->activePage = nullptr;
    refreshActiveTabText(old);
    update();
    return;
  }
  switchActivePage(page);
  if (d->activePage == page) SetTabIndex(page->TabIndex());
}

void TExPageControl::switchActivePage(TExTabSheet* page) {
  if (!page || page == d->activePage || !page->d->tabEnable) return;
  TExTabSheet* old = d->activePage;
  QWidget* focus = QApplication::focusWidget();
  const bool focusOnOld = old && focus && (focus == old || old->isAncestorOf(focus));
  page->setGeometry(ToQRect(DisplayRect()));
  page->raise();
  page->show();
  if (focusOnOld && !focusFirstControl(page)) setFocus(Qt::OtherFocusReason);
  if (old) old->hide();
  d->activePage = page;
  refreshActiveTabText(old);
  refreshActiveTabText(page);
  d->closeLook = CloseLook::Normal;
  d->hoverClosedButton = false;
  update();
}

int TExPageControl::ActivePageIndex() const { return d->activePage ? d->activePage->PageIndex() : -1; }

void TExPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? d->pages[size_t(index)] : nullptr);
}

int TExPageControl::PageCount() const { return int(d->pages.size()); }

TExTabSheet* TExPageControl::GetPage(int index) const {
  if (index < 0 || index >= PageCount()) throw EListError(listIndexError(index));
  return d->pages[size_t(index)];
}

quint32 TExPageControl::VersionNr() { return (1u << 24) | (4u << 16) | (0u << 8) | 0u; }

QString TExPageControl::Version() const {
  const quint32 nr = VersionNr();
  return QStringLiteral("%1.%2.%3.%4").arg(nr >> 24).arg((nr >> 16) & 0xFF).arg((nr >> 8) & 0xFF).arg(nr & 0xFF);
}

TExTabSheet* TExPageControl::FindNextPage(TExTabSheet* current, bool goForward, bool checkTabVisible) const {
  const int count = PageCount();
  if (count == 0) return nullptr;
  const auto found = std::find(d->pages.begin(), d->pages.end(), current);
  int start = found != d->pages.end() ? int(found - d->pages.begin()) : (goForward ? count - 1 : 0);
  int i = start;
  do {
    if (goForward) {
      if (++i == count) i = 0;
    } else {
      if (i == 0) i = count;
      --i;
    }
    TExTabSheet* page = d->pages[size_t(i)];
    if (!checkTabVisible || page->d->tabVisible) return page;
  } while (i != start);
  return nullptr;
}

void TExPageControl::SelectNextPage(bool goForward) {
  // Pages whose tab cannot be selected are passed over, so that the selected
  // tab always belongs to the active page.
  TExTabSheet* page = d->activePage;
  for (int tries = 0; tries < PageCount(); ++tries) {
    page = FindNextPage(page, goForward, true);
    if (!page || page == d->activePage || page->d->tabEnable) break;
  }
  if (!page || page == d->activePage || !page->d->tabEnable) return;
  if (!CanChange(page->TabIndex())) return;
  SetTabIndex(page->TabIndex());
  Change();
}

bool TExPageControl::OpenClosedTab(const QString& name) {
  const int index = d->closedTabList.IndexOf(name);
  if (index < 0) return false;
  static_cast<TExTabSheet*>(d->closedTabList.Objects(index))->SetExPageControl(this);
  return true;
}

void TExPageControl::OpenAllClosedTabs() {
  for (int i = 0; i < d->closedTabList.Count(); ++i)
    static_cast<TExTabSheet*>(d->closedTabList.Objects(i))->SetExPageControl(this);
}

const TStringList& TExPageControl::ClosedTabList() const { return d->closedTabList; }

void TExPageControl::closeActivePage() {
  TExTabSheet* page = d->activePage;
  TExTabSheet* next = FindNextPage(page, true, true);
  if (!page->queryCanClose()) return;
  if (page->OnClose) page->OnClose(page);
  SetActivePage(next);
  if (d->freeOnClose) {
    delete page;
  } else {
    d->closedTabList.AddObject(page->Name(), page);
    // A closed page that is destroyed later leaves the list too.
    QObject::connect(page, &QObject::destroyed, this, [this, page] {
      for (int i = d->closedTabList.Count() - 1; i >= 0; --i)
        if (d->closedTabList.Objects(i) == page) d->closedTabList.Delete(i);
    });
    detachPage(page);
  }
  update();
}

// ---- mapping between tabs and pages

int TExPageControl::PageIndexAtPoint(int x, int y) const {
  int index = IndexOfTabAt(x, y);
  if (index < 0) return -1;
  for (int i = 0; i <= index && i < PageCount(); ++i)
    if (!d->pages[size_t(i)]->d->tabVisible) ++index;
  return index;
}

TRect TExPageControl::PageTabRect(int pageIndex) const {
  int tabIndex = pageIndex;
  for (int i = 0; i < pageIndex && i < PageCount(); ++i)
    if (!d->pages[size_t(i)]->d->tabVisible) --tabIndex;
  return TabRect(tabIndex);
}

bool TExPageControl::CloseButtonHit(int pageIndex, int x, int y) const {
  TRect r = PageTabRect(pageIndex);
  const TTabMargin& m = d->tabMargin;
  TRect button;
  if (TabPosition() == tpLeft) {
    r.Left += m.LeftMargin();
    r.Bottom -= m.TopMargin();
    if (!d->tabBackGroundActive.Empty()) {
      r.Left += 2;
      r.Bottom += d->tabOverlap;
    }
    button = Rect(r.Left + 2, r.Bottom - 13, r.Left + 14, r.Bottom - 2);
  } else {
    r.Left += m.LeftMargin();
    r.Top += m.TopMargin();
    button = Rect(r.Left + 2, r.Top + 2, r.Left + 14, r.Top + 13);
  }
  return PtInRect(button, Point(x, y));
}

// ---- the strip's hooks

bool TExPageControl::CanChange(int newIndex) {
  bool allow = true;
  if (OnCanChange) {
    const auto* target = static_cast<TExTabSheet*>(TabObject(newIndex));
    OnCanChange(this, ActivePageIndex(), target ? target->PageIndex() : -1, allow);
  }
  return allow && TCustomTabControl::CanChange(newIndex);
}

void TExPageControl::Change() {
  selectPageOfTab();
  TCustomTabControl::Change();
  update();
}

bool TExPageControl::CanShowTab(int index) {
  const auto* page = static_cast<TExTabSheet*>(TabObject(index));
  return page && page->d->tabEnable && page->isEnabled();
}

int TExPageControl::GetImageIndex(int index) {
  const auto* page = static_cast<TExTabSheet*>(TabObject(index));
  int image = page ? page->d->imageIndexDummy : 0;
  if (OnGetImageIndex) OnGetImageIndex(this, index, image);
  return image;
}

TSize TExPageControl::ImageRoom() const {
  if (d->tabBorder3D) return TCustomTabControl::ImageRoom();
  return horizontalTabs(TabPosition()) ? TSize{d->dummyWidth, 0} : TSize{0, d->dummyHeight};
}

void TExPageControl::LayoutChanged() {
  if (!d) return;
  const QRect area = ToQRect(DisplayRect());
  for (TExTabSheet* page : d->pages) page->setGeometry(area);
}

QString TExPageControl::AccessibleTabName(int index) const {
  const auto* page = static_cast<TExTabSheet*>(TabObject(index));
  return page ? page->accessibleName() : QString();
}

// ---- tab texts and the room in each tab

void TExPageControl::refreshTabText(TExTabSheet* page) {
  if (!page->d->tabShowing) return;
  SetTabText(page->TabIndex(), d->tabBorder3D ? page->d->caption : page->d->tabCaption);
}

void TExPageControl::refreshActiveTabText(TExTabSheet* page) {
  if (d->tabBorder3D || !page || !page->d->tabShowing) return;
  QString text = page->d->tabCaption;
  if (page == d->activePage && (d->activeFont.Style() & (fsBold | fsItalic))) {
    // Blanks in the normal font widen the tab to hold the caption in the active font.
    const QFontMetrics normal(Font().ToQFont()), active(d->activeFont.ToQFont());
    const int missing = active.horizontalAdvance(text) - normal.horizontalAdvance(text);
    const int blank = std::max(1, normal.horizontalAdvance(QLatin1Char(' ')));
    if (missing > 0) text += QString((missing + blank - 1) / blank, QLatin1Char(' '));
  }
  SetTabText(page->TabIndex(), text);
}

void TExPageControl::applyMarginsToImages() {
  const TTabMargin& m = d->tabMargin;
  if (horizontalTabs(TabPosition()))
    d->dummyWidth = (d->images ? d->images->Width() : 0) + m.LeftMargin() + m.RightMargin();
  else
    d->dummyHeight = (d->images ? d->images->Height() : 0) + m.TopMargin() + m.RightMargin();
  invalidateLayout();
}

void TExPageControl::handleMarginChange(TMarginSize newValue, TMarginSize oldValue, int index) {
  if (!d->propertiesLoaded) return;
  const TTabMargin& m = d->tabMargin;
  const bool horizontal = horizontalTabs(TabPosition());
  if (index == 0 && horizontal) d->dummyWidth = (d->images ? d->images->Width() : 0) + m.RightMargin() + newValue;
  if (index == 1 && !horizontal) d->dummyHeight = (d->images ? d->images->Height() : 0) + m.RightMargin() + newValue;
  if (index == 2) {
    if (horizontal)
      d->dummyWidth += newValue - oldValue;
    else
      d->dummyHeight += newValue - oldValue;
  }
  invalidateLayout();
}

// ---- mouse and keyboard

void TExPageControl::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton && !d->tabBorder3D && d->activePage && d->activePage->d->showClose &&
      CloseButtonHit(ActivePageIndex(), p.x(), p.y())) {
    d->closeLook = CloseLook::Pressed;
    update();
    event->accept();
    return;
  }
  TCustomTabControl::mousePressEvent(event);
}

void TExPageControl::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton && !d->tabBorder3D && d->activePage && d->activePage->d->showClose &&
      CloseButtonHit(ActivePageIndex(), p.x(), p.y())) {
    d->closeLook = CloseLook::Normal;
    closeActivePage();
    event->accept();
    return;
  }
  if (d->closeLook == CloseLook::Pressed) {
    d->closeLook = d->hoverClosedButton ? CloseLook::Hot : CloseLook::Normal;
    update();
  }
  TCustomTabControl::mouseReleaseEvent(event);
}

void TExPageControl::mouseMoveEvent(QMouseEvent* event) {
  TCustomTabControl::mouseMoveEvent(event);
  if (d->tabBorder3D || d->tabHoverColor == clNone) return;
  const QPoint p = event->position().toPoint();
  const int hover = PageIndexAtPoint(p.x(), p.y());
  if (d->tabBackGround.Empty() && hover != d->hoverTab) {
    if (d->hoverTab >= 0) update(ToQRect(PageTabRect(d->hoverTab)));
    if (hover >= 0) update(ToQRect(PageTabRect(hover)));
    d->hoverTab = hover;
  }
  if (!d->activePage || !d->activePage->d->showClose) return;
  const bool over = CloseButtonHit(ActivePageIndex(), p.x(), p.y());
  if (over != d->hoverClosedButton) {
    d->hoverClosedButton = over;
    if (d->closeLook != CloseLook::Pressed) d->closeLook = over ? CloseLook::Hot : CloseLook::Normal;
    update();
  }
}

void TExPageControl::leaveEvent(QEvent* event) {
  TCustomTabControl::leaveEvent(event);
  if (d->tabBackGround.Empty() && d->hoverTab >= 0) update(ToQRect(PageTabRect(d->hoverTab)));
  d->hoverTab = -1;
}

void TExPageControl::keyPressEvent(QKeyEvent* event) {
  // Ctrl+Tab also reaches the control from the controls on its pages, which
  // leave it to their parents.
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
    SelectNextPage(!(event->modifiers() & Qt::ShiftModifier) && event->key() == Qt::Key_Tab);
    event->accept();
    return;
  }
  TCustomTabControl::keyPressEvent(event);
}

void TExPageControl::ApplyFont(const QFont& font, TColor textColor) {
  TCustomTabControl::ApplyFont(font, textColor);
  if (d) refreshActiveTabText(d->activePage);
}

// ---- properties

TFont& TExPageControl::ActiveFont() { return d->activeFont; }
void TExPageControl::SetActiveFont(const TFont& font) { d->activeFont.Assign(font); }

TBitmap* TExPageControl::CloseGlyph() const { return &d->closeGlyph; }
void TExPageControl::SetCloseGlyph(const TBitmap* glyph) {
  if (glyph)
    d->closeGlyph.Assign(glyph);
  else
    d->closeGlyph.SetSize(0, 0);
  update();
}

TColor TExPageControl::DefaultTextColor() const { return d->defaultTextColor; }
void TExPageControl::SetDefaultTextColor(TColor color) {
  for (TExTabSheet* page : d->pages)
    if (page->d->textColor == d->defaultTextColor) page->d->textColor = color;
  d->defaultTextColor = color;
  update();
}

TColor TExPageControl::DefaultTabColor() const { return d->defaultTabColor; }
void TExPageControl::SetDefaultTabColor(TColor color) {
  for (TExTabSheet* page : d->pages)
    if (page->d->tabColor == d->defaultTabColor) page->d->tabColor = color;
  d->defaultTabColor = color;
  update();
}

TColor TExPageControl::DefaultTabColorTo() const { return d->defaultTabColorTo; }
void TExPageControl::SetDefaultTabColorTo(TColor color) {
  for (TExTabSheet* page : d->pages)
    if (page->d->tabColorTo == d->defaultTabColorTo) page->d->tabColorTo = color;
  d->defaultTabColorTo = color;
  update();
}

namespace {

template <typename T>
void storeAndRepaint(QWidget* control, T& field, T value) {
  field = value;
  control->update();
}

template <typename T>
void storeAndRepaintWhenChanged(QWidget* control, T& field, T value) {
  if (field == value) return;
  field = value;
  control->update();
}

}  // namespace

TColor TExPageControl::ActiveColor() const { return d->activeColor; }
void TExPageControl::SetActiveColor(TColor color) { storeAndRepaint(this, d->activeColor, color); }
TColor TExPageControl::ActiveColorTo() const { return d->activeColorTo; }
void TExPageControl::SetActiveColorTo(TColor color) { storeAndRepaint(this, d->activeColorTo, color); }

bool TExPageControl::TabBorder3D() const { return d->tabBorder3D; }
void TExPageControl::SetTabBorder3D(bool set) {
  if (set == d->tabBorder3D) return;
  d->tabBorder3D = set;
  TCustomTabControl::SetImages(set ? d->images : nullptr);
  for (TExTabSheet* page : d->pages) refreshTabText(page);
  if (!set) refreshActiveTabText(d->activePage);
  invalidateLayout();
}

TColor TExPageControl::TabBorderColor() const { return d->tabBorderColor; }
void TExPageControl::SetTabBorderColor(TColor color) { storeAndRepaint(this, d->tabBorderColor, color); }
bool TExPageControl::TabSheet3D() const { return d->tabSheet3D; }
void TExPageControl::SetTabSheet3D(bool set) { storeAndRepaintWhenChanged(this, d->tabSheet3D, set); }
TColor TExPageControl::TabSheetBorderColor() const { return d->tabSheetBorderColor; }
void TExPageControl::SetTabSheetBorderColor(TColor color) {
  storeAndRepaintWhenChanged(this, d->tabSheetBorderColor, color);
}
TColor TExPageControl::TabHoverColor() const { return d->tabHoverColor; }
void TExPageControl::SetTabHoverColor(TColor color) { d->tabHoverColor = color; }
TColor TExPageControl::TabHoverColorTo() const { return d->tabHoverColorTo; }
void TExPageControl::SetTabHoverColorTo(TColor color) { d->tabHoverColorTo = color; }
TColor TExPageControl::TabHoverBorder() const { return d->tabHoverBorder; }
void TExPageControl::SetTabHoverBorder(TColor color) { d->tabHoverBorder = color; }
TColor TExPageControl::TabBackGroundColor() const { return d->tabBackGroundColor; }
void TExPageControl::SetTabBackGroundColor(TColor color) {
  storeAndRepaintWhenChanged(this, d->tabBackGroundColor, color);
}

TBitmap* TExPageControl::TabBackGround() const { return &d->tabBackGround; }
void TExPageControl::SetTabBackGround(const TBitmap* bitmap) {
  if (bitmap)
    d->tabBackGround.Assign(bitmap);
  else
    d->tabBackGround.SetSize(0, 0);
  update();
}

TBitmap* TExPageControl::TabBackGroundActive() const { return &d->tabBackGroundActive; }
void TExPageControl::SetTabBackGroundActive(const TBitmap* bitmap) {
  if (bitmap)
    d->tabBackGroundActive.Assign(bitmap);
  else
    d->tabBackGroundActive.SetSize(0, 0);
  update();
}

TTabMargin& TExPageControl::TabMargin() { return d->tabMargin; }
void TExPageControl::SetTabMargin(const TTabMargin& margin) {
  d->tabMargin.SetLeftMargin(margin.LeftMargin());
  d->tabMargin.SetTopMargin(margin.TopMargin());
  d->tabMargin.SetRightMargin(margin.RightMargin());
}

int TExPageControl::TabOverlap() const { return d->tabOverlap; }
void TExPageControl::SetTabOverlap(int overlap) { storeAndRepaint(this, d->tabOverlap, std::clamp(overlap, 0, 15)); }

bool TExPageControl::TabSplitLine() const { return d->tabSplitLine; }
void TExPageControl::SetTabSplitLine(bool set) {
  if (set && d->tabStyle == ExPageControl::tsDotNet)
    throw Exception(QStringLiteral("TabSplitLine must be false when TabStyle is tsDotNet"));
  storeAndRepaint(this, d->tabSplitLine, set);
}

bool TExPageControl::RoundEdges() const { return d->roundEdges; }
void TExPageControl::SetRoundEdges(bool set) { storeAndRepaintWhenChanged(this, d->roundEdges, set); }
ExPageControl::TTabStyle TExPageControl::TabStyle() const { return d->tabStyle; }
void TExPageControl::SetTabStyle(ExPageControl::TTabStyle style) {
  storeAndRepaintWhenChanged(this, d->tabStyle, style);
}
int TExPageControl::LowerActive() const { return d->lowerActive; }
void TExPageControl::SetLowerActive(int pixels) { storeAndRepaintWhenChanged(this, d->lowerActive, pixels); }
bool TExPageControl::ShowFocus() const { return d->showFocus; }
void TExPageControl::SetShowFocus(bool show) { d->showFocus = show; }
bool TExPageControl::FreeOnClose() const { return d->freeOnClose; }
void TExPageControl::SetFreeOnClose(bool free) { d->freeOnClose = free; }

TImageList* TExPageControl::Images() const { return d->images; }
void TExPageControl::SetImages(TImageList* images) {
  if (images == d->images) return;
  const auto size = [this](const TImageList* list) {
    if (!list) return 0;
    return horizontalTabs(TabPosition()) ? list->Width() : list->Height();
  };
  (horizontalTabs(TabPosition()) ? d->dummyWidth : d->dummyHeight) += size(images) - size(d->images);
  d->images = images;
  if (d->tabBorder3D) TCustomTabControl::SetImages(images);
  invalidateLayout();
}

void TExPageControl::SetTabPosition(TTabPosition position) {
  TCustomTabControl::SetTabPosition(position);
  applyMarginsToImages();
}

int TExPageControl::HoverTab() const { return d->hoverTab; }
bool TExPageControl::HoverClosedButton() const { return d->hoverClosedButton; }
