#pragma once

#include <initializer_list>
#include <vector>

class QKeyEvent;
class QString;
class QWidget;

namespace platform {

// The keyboard rule of owner-drawn controls that act when a key comes up (push
// buttons, check boxes): the release acts only when the control itself received
// the press of that key while it had the focus. A release whose press went
// elsewhere (Enter that closed a dialog, coming up over the push button that
// gets the focus back) does nothing, and a held key, which repeats its press,
// acts once. A control holds one tracker and feeds it its key events:
//
//   keyPressEvent:   if (tracker.Press(*event)) show the control pressed
//   keyReleaseEvent: if (tracker.Release(*event)) act
//   focus lost, disabled: tracker.Cancel()
class KeyPressTracker {
 public:
  // `keys`: the Qt key codes that activate the control.
  explicit KeyPressTracker(std::initializer_list<int> keys);

  // Whether `key` is one of the control's activation keys.
  bool Activates(int key) const;
  // A key went down: true when it is an activation key whose press the control
  // holds now. A repeated press keeps a key held but never starts a hold: keys
  // held down before the control got the focus do not count.
  bool Press(const QKeyEvent& event);
  // A key came up: true once, for the real release of the held key, which is
  // then no longer held. Releases of repeats and of other keys change nothing.
  bool Release(const QKeyEvent& event);
  // Forgets the held key (the control lost the focus or was disabled).
  void Cancel();
  // Whether a press is held.
  bool Held() const;

 private:
  std::vector<int> keys_;
  int heldKey_ = 0;
};

// Grabs the "&x" accelerator of `caption` (Alt+x) as a window shortcut of
// `widget`, giving up the one whose id `shortcutId` holds; `shortcutId` becomes
// the new id, or 0 when the caption has none. A held accelerator acts once, as
// a held activation key does.
void GrabAccelerator(QWidget& widget, const QString& caption, int& shortcutId);

}  // namespace platform
