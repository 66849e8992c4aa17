#include "platform/ui/window/KeyActivation.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QKeySequence>
#include <QtWidgets/QWidget>

#include <algorithm>

namespace platform {

KeyPressTracker::KeyPressTracker(std::initializer_list<int> keys) : keys_(keys) {}

bool KeyPressTracker::Activates(int key) const {
  return key != 0 && std::find(keys_.begin(), keys_.end(), key) != keys_.end();
}

bool KeyPressTracker::Press(const QKeyEvent& event) {
  const int key = event.key();
  if (!Activates(key)) return false;
  if (!event.isAutoRepeat()) heldKey_ = key;
  return heldKey_ == key;
}

bool KeyPressTracker::Release(const QKeyEvent& event) {
  if (event.isAutoRepeat() || heldKey_ == 0 || event.key() != heldKey_) return false;
  heldKey_ = 0;
  return true;
}

void KeyPressTracker::Cancel() { heldKey_ = 0; }

bool KeyPressTracker::Held() const { return heldKey_ != 0; }

void GrabAccelerator(QWidget& widget, const QString& caption, int& shortcutId) {
  if (shortcutId != 0) {
    widget.releaseShortcut(shortcutId);
    shortcutId = 0;
  }
  const QKeySequence accelerator = QKeySequence::mnemonic(caption);
  if (accelerator.isEmpty()) return;
  shortcutId = widget.grabShortcut(accelerator);
  widget.setShortcutAutoRepeat(shortcutId, false);
}

}  // namespace platform
