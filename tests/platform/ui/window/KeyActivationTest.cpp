// The key-press tracker that owner-drawn controls share: a release acts only
// after the control's own press of that key.

#include "platform/ui/window/KeyActivation.h"

#include <QtGui/QKeyEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Step {
  QEvent::Type type;
  int key;
  bool autoRepeat;
  bool result;  // what Press or Release answers
};

bool feed(platform::KeyPressTracker& tracker, const Step& step) {
  const QKeyEvent event(step.type, step.key, Qt::NoModifier, QString(), step.autoRepeat);
  return step.type == QEvent::KeyPress ? tracker.Press(event) : tracker.Release(event);
}

constexpr QEvent::Type Down = QEvent::KeyPress;
constexpr QEvent::Type Up = QEvent::KeyRelease;

}  // namespace

TEST(KeyPressTracker, ReleaseActsOnlyAfterTheControlsOwnPressOfThatKey) {
  struct Case {
    const char* name;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"press and release", {{Down, Qt::Key_Space, false, true}, {Up, Qt::Key_Space, false, true}}},
      {"release alone", {{Up, Qt::Key_Space, false, false}}},
      {"other keys", {{Down, Qt::Key_A, false, false}, {Up, Qt::Key_A, false, false}}},
      {"held key",
       {{Down, Qt::Key_Return, false, true},
        {Up, Qt::Key_Return, true, false},
        {Down, Qt::Key_Return, true, true},
        {Up, Qt::Key_Return, false, true},
        {Up, Qt::Key_Return, false, false}}},
      {"repeats of a press made elsewhere",
       {{Down, Qt::Key_Space, true, false}, {Up, Qt::Key_Space, true, false}, {Up, Qt::Key_Space, false, false}}},
      {"another key comes up in between",
       {{Down, Qt::Key_Space, false, true}, {Up, Qt::Key_Return, false, false}, {Up, Qt::Key_Space, false, true}}},
      {"Return and keypad Enter are two keys",
       {{Down, Qt::Key_Return, false, true}, {Up, Qt::Key_Enter, false, false}, {Up, Qt::Key_Return, false, true}}},
  };
  for (const Case& c : cases) {
    platform::KeyPressTracker tracker{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
    for (size_t i = 0; i < c.steps.size(); ++i) EXPECT_EQ(feed(tracker, c.steps[i]), c.steps[i].result) << c.name << ", step " << i;
    EXPECT_FALSE(tracker.Held()) << c.name;
  }
}

TEST(KeyPressTracker, CancelForgetsTheHeldKey) {
  platform::KeyPressTracker tracker{Qt::Key_Space};
  EXPECT_TRUE(tracker.Activates(Qt::Key_Space));
  EXPECT_FALSE(tracker.Activates(Qt::Key_Return));
  EXPECT_TRUE(feed(tracker, {Down, Qt::Key_Space, false, true}));
  EXPECT_TRUE(tracker.Held());
  tracker.Cancel();
  EXPECT_FALSE(tracker.Held());
  EXPECT_FALSE(feed(tracker, {Up, Qt::Key_Space, false, false}));
}
