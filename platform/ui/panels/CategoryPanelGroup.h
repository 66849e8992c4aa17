#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QScrollArea>

class QImage;
class TCategoryPanel;

// A vertical stack of collapsible panels in a scrolling area. The visible panels
// sit one below the other in the order of their Top, starting at 0, and stay
// stacked when a panel's height, visibility or collapsed state changes. Each
// panel has a header of HeaderHeight pixels (24) that collapses or expands it on
// a click. The mouse wheel anywhere over the group scrolls it by lines:
// QApplication::wheelScrollLines() lines of ScrollIncrement pixels per notch.
class TCategoryPanelGroup : public QScrollArea, public platform::TControl, public TObject {
 public:
  explicit TCategoryPanelGroup(QWidget* parent = nullptr);
  ~TCategoryPanelGroup() override;

  int HeaderHeight() const;
  void SetHeaderHeight(int height);
  TFont& HeaderFont();
  // Headers are filled with a vertical gradient from the base colour to this one.
  TColor GradientBaseColor() const;
  void SetGradientBaseColor(TColor color);
  TColor GradientColor() const;
  void SetGradientColor(TColor color);
  // Pictures shown at the left of the headers of expanded and collapsed panels;
  // without them the headers show a chevron at the right.
  void SetHeaderImages(const QImage& expanded, const QImage& collapsed);

  // The panels in the order they were created.
  int PanelCount() const;
  TCategoryPanel* Panels(int index) const;

  int ScrollIncrement() const;
  void SetScrollIncrement(int pixels);
  int ScrollPosition() const;
  void SetScrollPosition(int position);
  void ScrollLineUp();
  void ScrollLineDown();

 protected:
  void ApplyColor(TColor color) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class TCategoryPanel;
  friend class CategoryPanelHeader;
  void restack(TCategoryPanel* moved = nullptr, int requestedTop = 0);
  void addPanel(TCategoryPanel* panel);
  void removePanel(TCategoryPanel* panel);
  struct Data;
  std::unique_ptr<Data> d;
};

// One panel of a TCategoryPanelGroup. Its controls go on Surface(), whose
// origin is just below the header; Height includes the header.
class TCategoryPanel : public QWidget, public platform::TControl, public TObject {
 public:
  explicit TCategoryPanel(TCategoryPanelGroup* group);
  ~TCategoryPanel() override;

  TCategoryPanelGroup* PanelGroup() const;
  QWidget* Surface() const;
  QString Caption() const;
  void SetCaption(const QString& caption);
  // A collapsed panel shows only its header; it keeps its expanded height for
  // when it opens again, and a height set meanwhile applies then.
  bool Collapsed() const;
  void SetCollapsed(bool collapsed);
  void Collapse() { SetCollapsed(true); }
  void Expand() { SetCollapsed(false); }
  int ExpandedHeight() const;

  TNotifyEvent OnCollapse;
  TNotifyEvent OnExpand;

 protected:
  void ChangeBounds(const QRect& bounds) override;
  void ChangeVisible(bool visible) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class TCategoryPanelGroup;
  friend class CategoryPanelHeader;
  void layoutParts();
  struct Data;
  std::unique_ptr<Data> d;
};
