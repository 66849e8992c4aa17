#include "platform/ui/panels/CategoryPanelGroup.h"

#include "platform/ui/window/Accessibility.h"
#include "platform/ui/paint/Font.h"

#include <QtCore/QPointer>
#include <QtGui/QAccessible>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QWheelEvent>
#include <QtWidgets/QAccessibleWidget>
#include <QtWidgets/QApplication>
#include <QtWidgets/QScrollBar>

#include <algorithm>
#include <vector>

// The clickable header strip of a panel, painted by the group's settings.
class CategoryPanelHeader : public QWidget {
 public:
  explicit CategoryPanelHeader(TCategoryPanel& panel) : QWidget(&panel), panel_(panel) {
    setCursor(Qt::PointingHandCursor);
  }
  TCategoryPanel& Panel() const { return panel_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      panel_.SetCollapsed(!panel_.Collapsed());
  }

 private:
  TCategoryPanel& panel_;
};

struct TCategoryPanelGroup::Data {
  QWidget* content = nullptr;
  std::vector<TCategoryPanel*> panels;
  int headerHeight = 24;
  int increment = 8;
  TColor gradientBase = clBtnFace;
  TColor gradient = RGB(200, 200, 200);
  QImage expandedImage;
  QImage collapsedImage;
  std::unique_ptr<TFont> headerFont;
  bool restacking = false;
};

struct TCategoryPanel::Data {
  QPointer<TCategoryPanelGroup> group;
  CategoryPanelHeader* header = nullptr;
  QWidget* surface = nullptr;
  QString caption;
  bool collapsed = false;
  int expandedHeight = 200;
};

namespace {

// Headers are buttons that expand or collapse their panel.
class HeaderAccessible : public QAccessibleWidget {
 public:
  explicit HeaderAccessible(CategoryPanelHeader* header) : QAccessibleWidget(header, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return platform::StripAccelerator(header()->Panel().Caption());
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = !header()->Panel().Collapsed();
    s.collapsed = header()->Panel().Collapsed();
    return s;
  }
  QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() || action == toggleAction())
      header()->Panel().SetCollapsed(!header()->Panel().Collapsed());
  }

 private:
  CategoryPanelHeader* header() const { return static_cast<CategoryPanelHeader*>(widget()); }
};

class PanelAccessible : public QAccessibleWidget {
 public:
  explicit PanelAccessible(TCategoryPanel* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return platform::StripAccelerator(static_cast<TCategoryPanel*>(widget())->Caption());
    return QAccessibleWidget::text(t);
  }
};

void registerAccessibility() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  platform::RegisterAccessibleMaker([](QObject* object) -> QAccessibleInterface* {
    if (auto* header = dynamic_cast<CategoryPanelHeader*>(object)) return new HeaderAccessible(header);
    if (auto* panel = dynamic_cast<TCategoryPanel*>(object)) return new PanelAccessible(panel);
    return nullptr;
  });
}

void drawChevron(QPainter& painter, const QRect& area, bool collapsed, const QColor& color) {
  const QPoint c = area.center();
  const int s = 4;
  QPolygon arrow;
  if (collapsed)
    arrow << QPoint(c.x() - s, c.y() - s / 2) << QPoint(c.x(), c.y() + s / 2) << QPoint(c.x() + s, c.y() - s / 2);
  else
    arrow << QPoint(c.x() - s, c.y() + s / 2) << QPoint(c.x(), c.y() - s / 2) << QPoint(c.x() + s, c.y() + s / 2);
  painter.setPen(QPen(color, 2));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.drawPolyline(arrow);
}

}  // namespace

void CategoryPanelHeader::paintEvent(QPaintEvent*) {
  TCategoryPanelGroup* group = panel_.PanelGroup();
  if (!group) return;
  const TCategoryPanelGroup::Data& g = *group->d;
  QPainter painter(this);
  QLinearGradient fill(0, 0, 0, height());
  fill.setColorAt(0, ToQColor(g.gradientBase));
  fill.setColorAt(1, ToQColor(g.gradient));
  painter.fillRect(rect(), fill);
  painter.fillRect(0, height() - 1, width(), 1, ToQColor(clBtnShadow));
  int textLeft = 6;
  const QImage& image = panel_.Collapsed() ? g.collapsedImage : g.expandedImage;
  const QColor textColor = ToQColor(group->HeaderFont().Color());
  if (!image.isNull()) {
    painter.drawImage(QPoint(2, (height() - image.height()) / 2), image);
    textLeft = 2 + image.width() + 4;
  } else {
    drawChevron(painter, QRect(width() - height(), 0, height(), height()), panel_.Collapsed(), textColor);
  }
  painter.setFont(group->HeaderFont().ToQFont());
  painter.setPen(textColor);
  const QRect textRect(textLeft, 0, std::max(0, width() - textLeft - height()), height());
  const QString caption = platform::StripAccelerator(panel_.Caption());
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(caption, Qt::ElideRight, textRect.width()));
}

TCategoryPanelGroup::TCategoryPanelGroup(QWidget* parent)
    : QScrollArea(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  registerAccessibility();
  resize(200, 400);
  setFrameShape(QFrame::StyledPanel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidgetResizable(false);
  d->content = new QWidget;
  d->content->setAutoFillBackground(true);
  setWidget(d->content);
  verticalScrollBar()->setSingleStep(d->increment);
  qApp->installEventFilter(this);
}

TCategoryPanelGroup::~TCategoryPanelGroup() {
  for (TCategoryPanel* panel : d->panels) panel->d->group = nullptr;
}

int TCategoryPanelGroup::HeaderHeight() const { return d->headerHeight; }

void TCategoryPanelGroup::SetHeaderHeight(int height) {
  d->headerHeight = std::max(0, height);
  for (TCategoryPanel* panel : d->panels) panel->layoutParts();
  restack();
}

TFont& TCategoryPanelGroup::HeaderFont() {
  if (!d->headerFont) {
    d->headerFont = std::make_unique<TFont>();
    d->headerFont->SetStyle(fsBold);
    d->headerFont->OnChange = [this](TFont*) {
      for (TCategoryPanel* panel : d->panels) panel->d->header->update();
    };
  }
  return *d->headerFont;
}

TColor TCategoryPanelGroup::GradientBaseColor() const { return d->gradientBase; }
void TCategoryPanelGroup::SetGradientBaseColor(TColor color) {
  d->gradientBase = color;
  for (TCategoryPanel* panel : d->panels) panel->d->header->update();
}
TColor TCategoryPanelGroup::GradientColor() const { return d->gradient; }
void TCategoryPanelGroup::SetGradientColor(TColor color) {
  d->gradient = color;
  for (TCategoryPanel* panel : d->panels) panel->d->header->update();
}

void TCategoryPanelGroup::SetHeaderImages(const QImage& expanded, const QImage& collapsed) {
  d->expandedImage = expanded;
  d->collapsedImage = collapsed;
  for (TCategoryPanel* panel : d->panels) panel->d->header->update();
}

int TCategoryPanelGroup::PanelCount() const { return int(d->panels.size()); }

TCategoryPanel* TCategoryPanelGroup::Panels(int index) const {
  return index >= 0 && index < PanelCount() ? d->panels[size_t(index)] : nullptr;
}

int TCategoryPanelGroup::ScrollIncrement() const { return d->increment; }

void TCategoryPanelGroup::SetScrollIncrement(int pixels) {
  d->increment = std::max(1, pixels);
  verticalScrollBar()->setSingleStep(d->increment);
}

int TCategoryPanelGroup::ScrollPosition() const { return verticalScrollBar()->value(); }
void TCategoryPanelGroup::SetScrollPosition(int position) { verticalScrollBar()->setValue(position); }
void TCategoryPanelGroup::ScrollLineUp() { SetScrollPosition(ScrollPosition() - d->increment); }
void TCategoryPanelGroup::ScrollLineDown() { SetScrollPosition(ScrollPosition() + d->increment); }

void TCategoryPanelGroup::ApplyColor(TColor color) {
  QPalette pal = d->content->palette();
  pal.setColor(QPalette::Window, ToQColor(color));
  d->content->setPalette(pal);
  viewport()->setPalette(pal);
}

void TCategoryPanelGroup::addPanel(TCategoryPanel* panel) {
  d->panels.push_back(panel);
  restack();
}

void TCategoryPanelGroup::removePanel(TCategoryPanel* panel) {
  d->panels.erase(std::remove(d->panels.begin(), d->panels.end(), panel), d->panels.end());
  restack();
}

// Stacks the visible panels by their Top; a panel just moved goes before one
// that already sits at the place asked for.
void TCategoryPanelGroup::restack(TCategoryPanel* moved, int requestedTop) {
  if (d->restacking) return;
  d->restacking = true;
  std::vector<TCategoryPanel*> shown;
  for (TCategoryPanel* panel : d->panels)
    if (panel->Visible()) shown.push_back(panel);
  auto top = [&](TCategoryPanel* p) { return p == moved ? requestedTop : p->y(); };
  std::stable_sort(shown.begin(), shown.end(), [&](TCategoryPanel* a, TCategoryPanel* b) {
    if (top(a) != top(b)) return top(a) < top(b);
    return a == moved && b != moved;
  });
  const int width = viewport()->width();
  int y = 0;
  for (TCategoryPanel* panel : shown) {
    const int height = panel->d->collapsed ? d->headerHeight : panel->d->expandedHeight;
    panel->QWidget::setGeometry(0, y, width, height);
    y += height;
  }
  d->content->resize(width, y);
  d->restacking = false;
}

void TCategoryPanelGroup::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  restack();
}

bool TCategoryPanelGroup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return QScrollArea::eventFilter(watched, event);
  auto* target = qobject_cast<QWidget*>(watched);
  if (!target || (target != this && !isAncestorOf(target))) return false;
  const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
  if (delta == 0) return false;
  for (int i = 0; i < QApplication::wheelScrollLines(); ++i) delta > 0 ? ScrollLineUp() : ScrollLineDown();
  event->accept();
  return true;
}

TCategoryPanel::TCategoryPanel(TCategoryPanelGroup* group)
    : QWidget(group ? group->d->content : nullptr),
      platform::TControl(*this, clBtnFace),
      d(std::make_unique<Data>()) {
  d->group = group;
  d->header = new CategoryPanelHeader(*this);
  d->surface = new QWidget(this);
  d->surface->setAutoFillBackground(false);
  layoutParts();
  if (group) group->addPanel(this);
}

TCategoryPanel::~TCategoryPanel() {
  if (d->group) d->group->removePanel(this);
}

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const { return d->group; }
QWidget* TCategoryPanel::Surface() const { return d->surface; }
QString TCategoryPanel::Caption() const { return d->caption; }

void TCategoryPanel::SetCaption(const QString& caption) {
  d->caption = caption;
  d->header->update();
  QAccessibleEvent event(d->header, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

bool TCategoryPanel::Collapsed() const { return d->collapsed; }

void TCategoryPanel::SetCollapsed(bool collapsed) {
  if (collapsed == d->collapsed) return;
  d->collapsed = collapsed;
  d->surface->setVisible(!collapsed);
  if (d->group)
    d->group->restack();
  else
    resize(width(), collapsed ? 24 : d->expandedHeight);
  d->header->update();
  QAccessible::State changed;
  changed.expanded = true;
  changed.collapsed = true;
  QAccessibleStateChangeEvent event(d->header, changed);
  QAccessible::updateAccessibility(&event);
  if (collapsed && OnCollapse) OnCollapse(this);
  if (!collapsed && OnExpand) OnExpand(this);
}

int TCategoryPanel::ExpandedHeight() const { return d->expandedHeight; }

void TCategoryPanel::ChangeBounds(const QRect& bounds) {
  d->expandedHeight = bounds.height();
  // A hidden panel keeps the place asked for until it is shown.
  const int header = d->group ? d->group->HeaderHeight() : 24;
  QWidget::setGeometry(bounds.x(), bounds.y(), bounds.width(), d->collapsed ? header : bounds.height());
  if (d->group) {
    d->group->restack(this, bounds.top());
  }
}

void TCategoryPanel::ChangeVisible(bool visible) {
  setVisible(visible);
  if (d->group) d->group->restack();
}

void TCategoryPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutParts();
}

void TCategoryPanel::layoutParts() {
  const int header = d->group ? d->group->HeaderHeight() : 24;
  d->header->setGeometry(0, 0, width(), header);
  d->surface->setGeometry(0, header, width(), std::max(0, height() - header));
}
