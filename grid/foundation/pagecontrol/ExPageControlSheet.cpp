// The pages of the tab page control and the tab margins.

#include "grid/foundation/pagecontrol/ExPageControl.h"

#include "grid/foundation/objects/ExObjLists.h"
#include "grid/foundation/pagecontrol/ExPageControlPaint.h"
#include "grid/foundation/pagecontrol/ExPageControlPrivate.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/window/Dialogs.h"

#include <QtGui/QShowEvent>

void TTabMargin::Assign(const TTabMargin& source) {
  left_ = source.left_;
  top_ = source.top_;
  right_ = source.right_;
}

void TTabMargin::set(TMarginSize& field, TMarginSize value, int index) {
  if (field == value) return;
  if (OnMarginChange) OnMarginChange(value, field, index);
  field = value;
}

namespace {

// Captions are padded with blanks to widen their tabs; the strip gets them
// without the last two blanks, while a caption without padding keeps its text.
QString withoutPaddingBlanks(const QString& caption) {
  QString text = caption;
  for (int i = 0; i < 2 && text.endsWith(QLatin1Char(' ')); ++i) text.chop(1);
  return text;
}

}  // namespace

TExTabSheet::TExTabSheet(QWidget* owner)
    : QWidget(owner), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  hide();
}

TExTabSheet::~TExTabSheet() {
  if (d->control) d->control->detachPage(this);
}

TExPageControl* TExTabSheet::ExPageControl() const { return d->control; }

void TExTabSheet::SetExPageControl(TExPageControl* control) {
  if (control == d->control) return;
  if (d->control) d->control->detachPage(this);
  if (!control) return;  // a page that leaves stays a hidden child of its owner
  setParent(control);
  if (d->textColor == clBlack) d->textColor = control->DefaultTextColor();
  if (d->tabColor == clNone) d->tabColor = control->DefaultTabColor();
  if (d->tabColorTo == clNone) d->tabColorTo = control->DefaultTabColorTo();
  control->addPage(this);
}

int TExTabSheet::PageIndex() const {
  if (!d->control) return -1;
  for (int i = 0; i < d->control->PageCount(); ++i)
    if (d->control->GetPage(i) == this) return i;
  return -1;
}

void TExTabSheet::SetPageIndex(int index) {
  if (d->control) d->control->movePage(this, index);
}

int TExTabSheet::TabIndex() const {
  if (!d->tabShowing) return -1;
  int index = 0;
  for (int i = 0; i < d->control->PageCount(); ++i) {
    const TExTabSheet* page = d->control->GetPage(i);
    if (page == this) return index;
    if (page->d->tabShowing) ++index;
  }
  return -1;
}

bool TExTabSheet::TabShowing() const { return d->tabShowing; }

QString TExTabSheet::Caption() const { return d->caption; }

void TExTabSheet::SetCaption(const QString& caption) {
  d->caption = caption;
  d->tabCaption = d->showClose ? caption + QLatin1Char(' ') : withoutPaddingBlanks(caption);
  // Screen readers name the page they enter as its tab reads.
  setAccessibleName(platform::StripAccelerator(caption).trimmed());
  if (d->control) d->control->refreshTabText(this);
}

TColor TExTabSheet::TextColor() const { return d->textColor; }
void TExTabSheet::SetTextColor(TColor color) {
  d->textColor = color;
  if (d->control) d->control->update();
}

// The tab's colours show at once: the control is repainted with the page.
TColor TExTabSheet::TabColor() const { return d->tabColor; }
void TExTabSheet::SetTabColor(TColor color) {
  d->tabColor = color;
  update();
  if (d->control) d->control->update();
}

TColor TExTabSheet::TabColorTo() const { return d->tabColorTo; }
void TExTabSheet::SetTabColorTo(TColor color) {
  d->tabColorTo = color;
  update();
  if (d->control) d->control->update();
}

TColor TExTabSheet::ColorTo() const { return d->colorTo; }
void TExTabSheet::SetColorTo(TColor color) {
  d->colorTo = color;
  update();
  if (d->control) d->control->update();
}

bool TExTabSheet::ShowClose() const { return d->showClose; }
void TExTabSheet::SetShowClose(bool show) {
  d->showClose = show;
  SetCaption(d->caption);
}

ExPageControl::TGradientDirection TExTabSheet::TabGradientDirection() const { return d->tabGradientDirection; }
void TExTabSheet::SetTabGradientDirection(ExPageControl::TGradientDirection direction) {
  if (direction == d->tabGradientDirection) return;
  d->tabGradientDirection = direction;
  if (d->control) d->control->update();
}

ExPageControl::TGradientDirection TExTabSheet::HoverGradientDirection() const { return d->hoverGradientDirection; }
void TExTabSheet::SetHoverGradientDirection(ExPageControl::TGradientDirection direction) {
  d->hoverGradientDirection = direction;
}

int TExTabSheet::ImageIndex() const { return d->imageIndex; }
void TExTabSheet::SetImageIndex(int index) {
  d->imageIndex = index;
  d->imageIndexDummy = index >= 0 ? index : 0;
  SetCaption(d->caption);
  if (d->control) d->control->update();
}

bool TExTabSheet::TabVisible() const { return d->tabVisible; }
void TExTabSheet::SetTabVisible(bool visible) {
  d->tabVisible = visible;
  refreshTabShown();
}

bool TExTabSheet::TabEnable() const { return d->tabEnable; }
void TExTabSheet::SetTabEnable(bool enable) {
  if (enable == d->tabEnable) return;
  if (d->control && d->control->ActivePage() == this) throw Exception(QStringLiteral("Can not disable active tab."));
  d->tabEnable = enable;
  if (d->control) d->control->update();
}

bool TExTabSheet::Highlighted() const { return d->highlighted; }
void TExTabSheet::SetHighlighted(bool highlighted) {
  if (d->control && d->tabShowing) d->control->HighlightTab(TabIndex(), highlighted);
  d->highlighted = highlighted;
}

void TExTabSheet::refreshTabShown() { setTabShown(d->control && d->tabVisible); }

void TExTabSheet::setTabShown(bool shown) {
  if (shown == d->tabShowing) return;
  if (shown) {
    d->tabShowing = true;
    d->control->addTabOfPage(this);
  } else {
    const int tabIndex = TabIndex();
    d->tabShowing = false;
    d->control->removeTabOfPage(this, tabIndex);
  }
}

bool TExTabSheet::queryCanClose() {
  bool canClose = true;
  if (OnCanClose) OnCanClose(this, canClose);
  return canClose;
}

void TExTabSheet::ApplyColor(TColor color) {
  platform::TControl::ApplyColor(color);
  if (d->control) d->control->update();
}

void TExTabSheet::paintEvent(QPaintEvent*) {
  TCanvas canvas(this);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(Rect(0, 0, width(), height()));
  if (d->colorTo != clNone)
    DrawGradient(&canvas, Color(), d->colorTo, 64, ExPageControl::gdVertical, Rect(0, 0, width(), height()));
}

namespace {

// A fault of a show or hide handler goes to the user as an error box; it must
// not leave the toolkit's event handling.
void raiseSafely(const TNotifyEvent& event, TObject* sender) {
  if (!event) return;
  try {
    event(sender);
  } catch (const Exception& e) {
    MessageDlg(e.Message(), mtError, mbOK, 0);
  } catch (const std::exception& e) {
    MessageDlg(QString::fromUtf8(e.what()), mtError, mbOK, 0);
  }
}

}  // namespace

void TExTabSheet::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous() && !d->silenced) raiseSafely(OnShow, this);
}

void TExTabSheet::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous() && !d->silenced) raiseSafely(OnHide, this);
}
