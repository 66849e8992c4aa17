#include "platform/ui/panels/TabStrip.h"

#include "platform/picture/ImageList.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/controls/InputTypes.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>

#include <algorithm>
#include <vector>

void InstallTabStripAccessibility();

namespace {

// Room around the text along the tab, and between the image area and the text.
constexpr int TextPadding = 6;
constexpr int ImageGap = 3;
// Room across the tab beside the text.
constexpr int CrossPadding = 6;
// Distance of the first tab and of the first row from the control's edges.
constexpr int EdgeGap = 2;
// Distance of the page area from the frame's outer line.
constexpr int FrameGap = 4;

struct Item {
  QString text;
  TObject* object = nullptr;
  bool highlighted = false;
};

bool horizontalStrip(TTabPosition position) { return position == tpTop || position == tpBottom; }

}  // namespace

struct TCustomTabControl::Data {
  std::vector<Item> items;
  int tabIndex = -1;
  TTabPosition position = tpTop;
  bool multiLine = false;
  bool raggedRight = false;
  int tabHeight = 0;
  int tabWidth = 0;
  bool hotTrack = false;
  TImageList* images = nullptr;
  int hotTab = -1;

  bool layoutValid = false;
  std::vector<TRect> rects;
  // Depth of the tab rows from the control's edge, EdgeGap without tabs.
  int depth = EdgeGap;
};

TCustomTabControl::TCustomTabControl(QWidget* parent)
    : QWidget(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  InstallTabStripAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  resize(289, 193);
}

TCustomTabControl::~TCustomTabControl() = default;

int TCustomTabControl::TabCount() const { return int(d->items.size()); }

QString TCustomTabControl::TabText(int index) const {
  return index >= 0 && index < TabCount() ? d->items[size_t(index)].text : QString();
}

void TCustomTabControl::SetTabText(int index, const QString& text) {
  if (index < 0 || index >= TabCount() || d->items[size_t(index)].text == text) return;
  d->items[size_t(index)].text = text;
  invalidateLayout();
}

TObject* TCustomTabControl::TabObject(int index) const {
  return index >= 0 && index < TabCount() ? d->items[size_t(index)].object : nullptr;
}

void TCustomTabControl::InsertTab(int index, const QString& text, TObject* object) {
  index = std::clamp(index, 0, TabCount());
  d->items.insert(d->items.begin() + index, Item{text, object, false});
  if (d->tabIndex < 0 && TabCount() == 1)
    d->tabIndex = 0;
  else if (d->tabIndex >= index)
    ++d->tabIndex;
  invalidateLayout();
}

void TCustomTabControl::DeleteTab(int index) {
  if (index < 0 || index >= TabCount()) return;
  d->items.erase(d->items.begin() + index);
  if (d->tabIndex == index)
    d->tabIndex = -1;
  else if (d->tabIndex > index)
    --d->tabIndex;
  if (d->hotTab >= TabCount()) d->hotTab = -1;
  invalidateLayout();
}

void TCustomTabControl::MoveTab(int from, int to) {
  if (from < 0 || from >= TabCount() || to < 0 || to >= TabCount() || from == to) return;
  const TObject* selected = d->tabIndex >= 0 ? d->items[size_t(d->tabIndex)].object : nullptr;
  const bool selectedMoves = d->tabIndex == from;
  Item moved = d->items[size_t(from)];
  d->items.erase(d->items.begin() + from);
  d->items.insert(d->items.begin() + to, moved);
  if (selectedMoves)
    d->tabIndex = to;
  else if (d->tabIndex >= 0)
    for (int i = 0; i < TabCount(); ++i)
      if (d->items[size_t(i)].object == selected && i != to) d->tabIndex = i;
  invalidateLayout();
}

void TCustomTabControl::ClearTabs() {
  d->items.clear();
  d->tabIndex = -1;
  d->hotTab = -1;
  invalidateLayout();
}

bool TCustomTabControl::TabHighlighted(int index) const {
  return index >= 0 && index < TabCount() && d->items[size_t(index)].highlighted;
}

void TCustomTabControl::HighlightTab(int index, bool highlighted) {
  if (index < 0 || index >= TabCount()) return;
  d->items[size_t(index)].highlighted = highlighted;
  update();
}

int TCustomTabControl::TabIndex() const { return d->tabIndex; }

void TCustomTabControl::SetTabIndex(int index) {
  if (index < -1 || index >= TabCount()) index = -1;
  if (index == d->tabIndex) return;
  d->tabIndex = index;
  // Several rows turn so that the selected tab's row lies next to the page.
  if (d->multiLine)
    invalidateLayout();
  else
    update();
}

TTabPosition TCustomTabControl::TabPosition() const { return d->position; }
void TCustomTabControl::SetTabPosition(TTabPosition position) {
  if (position == d->position) return;
  d->position = position;
  invalidateLayout();
}

bool TCustomTabControl::MultiLine() const { return d->multiLine; }
void TCustomTabControl::SetMultiLine(bool multiLine) {
  if (multiLine == d->multiLine) return;
  d->multiLine = multiLine;
  invalidateLayout();
}

bool TCustomTabControl::RaggedRight() const { return d->raggedRight; }
void TCustomTabControl::SetRaggedRight(bool ragged) {
  if (ragged == d->raggedRight) return;
  d->raggedRight = ragged;
  invalidateLayout();
}

int TCustomTabControl::TabHeight() const { return d->tabHeight; }
void TCustomTabControl::SetTabHeight(int height) {
  d->tabHeight = std::max(0, height);
  invalidateLayout();
}

int TCustomTabControl::TabWidth() const { return d->tabWidth; }
void TCustomTabControl::SetTabWidth(int width) {
  d->tabWidth = std::max(0, width);
  invalidateLayout();
}

bool TCustomTabControl::HotTrack() const { return d->hotTrack; }
void TCustomTabControl::SetHotTrack(bool hotTrack) {
  d->hotTrack = hotTrack;
  update();
}

TImageList* TCustomTabControl::Images() const { return d->images; }
void TCustomTabControl::SetImages(TImageList* images) {
  d->images = images;
  invalidateLayout();
}

void TCustomTabControl::invalidateLayout() {
  d->layoutValid = false;
  update();
  LayoutChanged();
}

void TCustomTabControl::LayoutChanged() {}

void TCustomTabControl::ensureLayout() const {
  if (d->layoutValid) return;
  d->layoutValid = true;
  auto* self = const_cast<TCustomTabControl*>(this);
  const bool horizontal = horizontalStrip(d->position);
  const QFontMetrics metrics(font());
  const TSize room = ImageRoom();
  const int imageAlong = horizontal ? room.cx : room.cy;
  const int imageAcross = horizontal ? room.cy : room.cx;
  const int cross = d->tabHeight > 0 ? d->tabHeight : std::max(metrics.height(), imageAcross) + CrossPadding;
  const int count = TabCount();

  std::vector<int> lengths(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    int length = d->tabWidth;
    if (length <= 0) {
      length = metrics.horizontalAdvance(d->items[size_t(i)].text) + 2 * TextPadding;
      if (imageAlong > 0 && self->GetImageIndex(i) >= 0) length += imageAlong + ImageGap;
    }
    lengths[size_t(i)] = length;
  }

  // Rows of tabs, each a range of items; one row unless the strip wraps.
  const int available = (horizontal ? width() : height()) - 2 * EdgeGap;
  std::vector<std::pair<int, int>> rows;
  for (int i = 0, used = 0; i < count; ++i) {
    if (rows.empty() || (d->multiLine && used + lengths[size_t(i)] > available && used > 0)) {
      rows.push_back({i, i});
      used = 0;
    }
    rows.back().second = i + 1;
    used += lengths[size_t(i)];
  }
  if (d->multiLine && !d->raggedRight && rows.size() > 1) {
    for (const auto& [first, last] : rows) {
      int used = 0;
      for (int i = first; i < last; ++i) used += lengths[size_t(i)];
      const int extra = available - used, n = last - first;
      for (int i = first; extra > 0 && i < last; ++i) lengths[size_t(i)] += extra / n + (i - first < extra % n ? 1 : 0);
    }
  }

  int selectedRow = int(rows.size()) - 1;
  for (size_t r = 0; r < rows.size(); ++r)
    if (d->tabIndex >= rows[r].first && d->tabIndex < rows[r].second) selectedRow = int(r);

  d->rects.assign(size_t(count), TRect{});
  const int rowCount = int(rows.size());
  for (int r = 0; r < rowCount; ++r) {
    // Place 0 is farthest from the page; the selected row takes the last place.
    const int place = (r - selectedRow - 1 + 2 * rowCount) % rowCount;
    int across = 0;
    switch (d->position) {
      case tpTop:
      case tpLeft: across = EdgeGap + place * cross; break;
      case tpBottom: across = height() - EdgeGap - (place + 1) * cross; break;
      case tpRight: across = width() - EdgeGap - (place + 1) * cross; break;
    }
    int along = EdgeGap;
    for (int i = rows[size_t(r)].first; i < rows[size_t(r)].second; ++i) {
      const int length = lengths[size_t(i)];
      d->rects[size_t(i)] = horizontal ? Rect(along, across, along + length, across + cross)
                                       : Rect(across, along, across + cross, along + length);
      along += length;
    }
  }
  d->depth = EdgeGap + rowCount * cross;
}

TRect TCustomTabControl::TabRect(int index) const {
  if (index < 0 || index >= TabCount()) return TRect{};
  ensureLayout();
  return d->rects[size_t(index)];
}

int TCustomTabControl::IndexOfTabAt(int x, int y) const {
  ensureLayout();
  for (int i = 0; i < TabCount(); ++i)
    if (PtInRect(d->rects[size_t(i)], Point(x, y))) return i;
  return -1;
}

TRect TCustomTabControl::DisplayRect() const {
  ensureLayout();
  const int w = width(), h = height();
  switch (d->position) {
    case tpTop: return Rect(FrameGap, d->depth + FrameGap, w - FrameGap, h - FrameGap);
    case tpBottom: return Rect(FrameGap, FrameGap, w - FrameGap, h - d->depth - FrameGap);
    case tpLeft: return Rect(d->depth + FrameGap, FrameGap, w - FrameGap, h - FrameGap);
    case tpRight: return Rect(FrameGap, FrameGap, w - d->depth - FrameGap, h - FrameGap);
  }
  return TRect{};
}

bool TCustomTabControl::CanChange(int) {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

bool TCustomTabControl::CanShowTab(int) { return true; }

int TCustomTabControl::GetImageIndex(int) { return -1; }

TSize TCustomTabControl::ImageRoom() const {
  return d->images ? TSize{d->images->Width(), d->images->Height()} : TSize{};
}

QString TCustomTabControl::AccessibleTabName(int index) const { return TabText(index).trimmed(); }

bool TCustomTabControl::userSelect(int index) {
  if (index < 0 || index >= TabCount() || index == d->tabIndex) return false;
  if (!CanShowTab(index) || !CanChange(index)) return false;
  SetTabIndex(index);
  Change();
  return true;
}

void TCustomTabControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  invalidateLayout();
}

void TCustomTabControl::ApplyFont(const QFont& font, TColor textColor) {
  platform::TControl::ApplyFont(font, textColor);
  invalidateLayout();
}

void TCustomTabControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint p = event->position().toPoint();
    const int index = IndexOfTabAt(p.x(), p.y());
    if (index >= 0) {
      setFocus(Qt::MouseFocusReason);
      userSelect(index);
    }
  }
  QWidget::mousePressEvent(event);
}

void TCustomTabControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const int hot = IndexOfTabAt(p.x(), p.y());
  if (hot != d->hotTab) {
    d->hotTab = hot;
    if (d->hotTrack) update();
  }
  QWidget::mouseMoveEvent(event);
}

void TCustomTabControl::leaveEvent(QEvent* event) {
  if (d->hotTab >= 0 && d->hotTrack) update();
  d->hotTab = -1;
  QWidget::leaveEvent(event);
}

void TCustomTabControl::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  int step = 0;
  switch (platform::VirtualKeyFromQt(event->key())) {
    case VK_LEFT:
    case VK_UP: step = -1; break;
    case VK_RIGHT:
    case VK_DOWN: step = 1; break;
    default: QWidget::keyPressEvent(event); return;
  }
  // Tabs that cannot be shown are passed over.
  for (int i = d->tabIndex + step; i >= 0 && i < TabCount(); i += step)
    if (CanShowTab(i)) {
      userSelect(i);
      break;
    }
  event->accept();
}

void TCustomTabControl::paintEvent(QPaintEvent*) {
  TCanvas canvas(this);
  Paint(canvas);
}

void TCustomTabControl::Paint(TCanvas& canvas) { PaintStrip(canvas); }

namespace {

void line(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
  canvas.Pen()->SetColor(color);
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

// A raised frame: light on the top and left, shadows on the bottom and right.
void raisedFrame(TCanvas& canvas, const TRect& r) {
  line(canvas, r.Left, r.Bottom - 1, r.Left, r.Top, clBtnHighlight);
  line(canvas, r.Left, r.Top, r.Right - 1, r.Top, clBtnHighlight);
  line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom, cl3DDkShadow);
  line(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1, cl3DDkShadow);
  line(canvas, r.Right - 2, r.Top + 1, r.Right - 2, r.Bottom - 1, clBtnShadow);
  line(canvas, r.Left + 1, r.Bottom - 2, r.Right - 2, r.Bottom - 2, clBtnShadow);
}

// Text centred in r; on the left it runs upwards, on the right downwards.
void tabText(TCanvas& canvas, const TRect& r, const QString& text, TTabPosition position) {
  QPainter* painter = canvas.painter();
  if (!painter) return;
  painter->save();
  painter->setFont(canvas.qtFont());
  painter->setPen(ToQColor(canvas.Font()->Color()));
  QRect box = ToQRect(r);
  if (!horizontalStrip(position)) {
    painter->translate(box.center() + QPointF(0.5, 0.5));
    painter->rotate(position == tpLeft ? -90 : 90);
    box = QRect(-box.height() / 2, -box.width() / 2, box.height(), box.width());
  }
  painter->drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text);
  painter->restore();
}

}  // namespace

void TCustomTabControl::PaintStrip(TCanvas& canvas, bool drawTabs) {
  ensureLayout();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(Rect(0, 0, width(), height()));
  // The frame runs along the control's edges and the inner edge of the tabs.
  TRect frame = DisplayRect();
  InflateRect(frame, FrameGap, FrameGap);
  raisedFrame(canvas, frame);
  if (!drawTabs) return;
  // The selected tab is drawn last, raised over its neighbours and the frame.
  for (int i = TabCount() - 1; i >= 0; --i)
    if (i != d->tabIndex) paintClassicTab(canvas, i);
  if (d->tabIndex >= 0) paintClassicTab(canvas, d->tabIndex);
}

void TCustomTabControl::paintClassicTab(TCanvas& canvas, int index) {
  TRect r = d->rects[size_t(index)];
  const bool selected = index == d->tabIndex;
  if (selected) InflateRect(r, 2, 2);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(r);
  const TColor light = clBtnHighlight, dark = cl3DDkShadow;
  switch (d->position) {
    case tpTop:
      line(canvas, r.Left, r.Bottom, r.Left, r.Top, light);
      line(canvas, r.Left, r.Top, r.Right - 1, r.Top, light);
      line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom, dark);
      break;
    case tpBottom:
      line(canvas, r.Left, r.Top - 1, r.Left, r.Bottom - 1, light);
      line(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1, dark);
      line(canvas, r.Right - 1, r.Bottom - 1, r.Right - 1, r.Top - 1, dark);
      break;
    case tpLeft:
      line(canvas, r.Right, r.Top, r.Left, r.Top, light);
      line(canvas, r.Left, r.Top, r.Left, r.Bottom - 1, light);
      line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, dark);
      break;
    case tpRight:
      line(canvas, r.Left - 1, r.Top, r.Right - 1, r.Top, light);
      line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, dark);
      line(canvas, r.Right - 1, r.Bottom - 1, r.Left - 1, r.Bottom - 1, dark);
      break;
  }
  TRect content = r;
  const int image = d->images ? GetImageIndex(index) : -1;
  if (image >= 0 && d->images->Count() > image) {
    if (horizontalStrip(d->position)) {
      d->images->Draw(&canvas, r.Left + TextPadding, r.Top + (r.Height() - d->images->Height()) / 2, image);
      content.Left += TextPadding + d->images->Width();
    } else {
      d->images->Draw(&canvas, r.Left + (r.Width() - d->images->Width()) / 2,
                      r.Bottom - TextPadding - d->images->Height(), image);
      content.Bottom -= TextPadding + d->images->Height();
    }
  }
  TColor color = Font().Color();
  if (d->items[size_t(index)].highlighted) {
    canvas.Brush()->SetColor(clHighlight);
    TRect back = r;
    InflateRect(back, -2, -2);
    canvas.FillRect(back);
    color = clHighlightText;
  } else if (!CanShowTab(index) || !isEnabled()) {
    color = clGrayText;
  } else if (d->hotTrack && index == d->hotTab) {
    color = clHotLight;
  }
  canvas.Font()->Assign(Font());
  canvas.Font()->SetColor(color);
  tabText(canvas, content, d->items[size_t(index)].text, d->position);
  if (selected && hasFocus()) {
    TRect focus = r;
    InflateRect(focus, -3, -3);
    canvas.DrawFocusRect(focus);
  }
}
