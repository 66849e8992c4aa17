// Containers as assistive tools walk them: a control placed on a panel, a
// group box, a category panel or a tab strip is reached from its window
// through the container, and every link leads back the way it came.

#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/CategoryPanelGroup.h"
#include "platform/ui/panels/GroupBox.h"
#include "platform/ui/panels/Panel.h"
#include "platform/ui/panels/TabStrip.h"
#include "tests/support/AccessibleTree.h"

#include <QtGui/QAccessible>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A container in `window`; the widget it returns takes the controls.
struct Container {
  const char* name;
  std::function<QWidget*(QWidget& window)> make;
};

const std::vector<Container>& Containers() {
  static const std::vector<Container> containers = {
      {"panel", [](QWidget& window) { return new TPanel(&window); }},
      {"group box", [](QWidget& window) { return new TGroupBox(&window); }},
      {"category panel",
       [](QWidget& window) {
         auto* group = new TCategoryPanelGroup(&window);
         auto* panel = new TCategoryPanel(group);
         panel->SetCaption("Ethernet");
         panel->SetHeight(120);
         return panel->Surface();
       }},
      {"tab strip",
       [](QWidget& window) {
         auto* strip = new TCustomTabControl(&window);
         strip->InsertTab(0, "Nodes", nullptr);
         strip->InsertTab(1, "Variables", nullptr);
         return strip;
       }},
  };
  return containers;
}

TEST(ContainerAccessibility, TheControlsOnAContainerAreReachedFromTheWindowAndLeadBack) {
  for (const Container& container : Containers()) {
    QWidget window;
    window.resize(300, 200);
    QWidget* host = container.make(window);
    auto* edit = new TEdit(host);
    window.show();
    QAccessibleInterface* root = testsupport::AccessibleWindow(edit);
    QAccessibleInterface* found =
        testsupport::FindAccessible(root, [&](QAccessibleInterface* node) { return node->object() == edit; });
    EXPECT_NE(found, nullptr) << container.name;
    const QStringList faults = testsupport::AccessibleTreeFaults(root);
    EXPECT_TRUE(faults.isEmpty()) << container.name << ": " << faults.join('\n').toStdString();
  }
}

}  // namespace
