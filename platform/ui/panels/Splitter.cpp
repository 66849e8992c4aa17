#include "platform/ui/panels/Splitter.h"

#include <QtGui/QMouseEvent>

TSplitter::TSplitter(QWidget* parent) : QWidget(parent), platform::TControl(*this, clBtnFace) {
  resize(3, 100);
}

TSplitter::~TSplitter() = default;

bool TSplitter::vertical() const { return Align() == alLeft || Align() == alRight; }

platform::TControl* TSplitter::ResizedControl() const {
  QWidget* parent = parentWidget();
  if (!parent) return nullptr;
  platform::TControl* best = nullptr;
  int bestEdge = 0;
  for (QObject* child : parent->children()) {
    platform::TControl* control = platform::AsControl(child);
    if (!control || control == this || control->Align() != Align() || !control->Visible()) continue;
    int edge = 0;
    switch (Align()) {
      case alLeft: edge = control->Left() + control->Width(); break;
      case alTop: edge = control->Top() + control->Height(); break;
      case alRight: edge = -control->Left(); break;
      case alBottom: edge = -control->Top(); break;
      default: return nullptr;
    }
    const int own = Align() == alLeft ? Left() : Align() == alTop ? Top() : Align() == alRight ? -(Left() + Width()) : -(Top() + Height());
    if (edge <= own && (!best || edge > bestEdge)) {
      best = control;
      bestEdge = edge;
    }
  }
  return best;
}

void TSplitter::MoveBy(int delta) {
  platform::TControl* control = ResizedControl();
  if (!control || delta == 0) return;
  if (Align() == alRight || Align() == alBottom) delta = -delta;
  if (vertical())
    control->SetWidth(qMax(minSize_, control->Width() + delta));
  else
    control->SetHeight(qMax(minSize_, control->Height() + delta));
  platform::RealignControls(parentWidget());
}

void TSplitter::enterEvent(QEnterEvent*) { setCursor(vertical() ? Qt::SplitHCursor : Qt::SplitVCursor); }

void TSplitter::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressPos_ = vertical() ? int(event->scenePosition().x()) : int(event->scenePosition().y());
}

void TSplitter::mouseMoveEvent(QMouseEvent* event) {
  if (pressPos_ < 0) return;
  const int pos = vertical() ? int(event->scenePosition().x()) : int(event->scenePosition().y());
  MoveBy(pos - pressPos_);
  pressPos_ = pos;
}

void TSplitter::mouseReleaseEvent(QMouseEvent*) { pressPos_ = -1; }
