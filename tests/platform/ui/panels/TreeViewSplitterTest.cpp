// The tree view's nodes (image, colour, link) and the splitter resizing the
// aligned control before it.

#include "platform/ui/window/Form.h"
#include "platform/ui/panels/Panel.h"
#include "platform/ui/panels/Splitter.h"
#include "platform/ui/controls/TreeView.h"

#include <gtest/gtest.h>

namespace {

TEST(TreeView, NodesKeepImageColourAndLink) {
  TTreeView tree;
  TObject device, attribute;
  QTreeWidgetItem* root = tree.AddChild(nullptr, "IED1", 0, &device);
  QTreeWidgetItem* leaf = tree.AddChild(root, "stVal", 4, &attribute);
  TTreeView::SetNodeColor(leaf, 0xFF0000);
  EXPECT_EQ(tree.topLevelItemCount(), 1);
  EXPECT_EQ(leaf->parent(), root);
  EXPECT_EQ(TTreeView::ImageIndex(leaf), 4);
  EXPECT_EQ(TTreeView::Data(root), &device);
  EXPECT_EQ(TTreeView::NodeColor(leaf), TColor(0xFF0000));
  int clicks = 0;
  tree.OnClick = [&](TObject*) { ++clicks; };
  tree.SetSelected(leaf);
  EXPECT_EQ(tree.Selected(), leaf);
  EXPECT_EQ(clicks, 0); // selecting from code raises no click
  tree.Clear();
  EXPECT_EQ(tree.topLevelItemCount(), 0);
  EXPECT_EQ(TTreeView::Data(nullptr), nullptr);
}

TEST(Splitter, ResizesTheControlBeforeItNeverBelowTheMinimum) {
  TForm form;
  TPanel left(&form);
  left.SetWidth(200);
  left.SetAlign(alLeft);
  TSplitter split(&form);
  split.SetBounds(200, 0, 3, 10);
  split.SetAlign(alLeft);
  TPanel rest(&form);
  rest.SetAlign(alClient);
  form.SetClientWidth(600);
  form.SetClientHeight(300);
  EXPECT_EQ(split.ResizedControl(), &left);
  split.MoveBy(50);
  EXPECT_EQ(left.Width(), 250);
  EXPECT_EQ(split.Left(), 250);
  EXPECT_EQ(rest.Left(), 253);
  split.MoveBy(-1000);
  EXPECT_EQ(left.Width(), split.MinSize());

  TPanel top(&rest);
  top.SetHeight(100);
  top.SetAlign(alTop);
  TSplitter bar(&rest);
  bar.SetBounds(0, 100, 10, 3);
  bar.SetAlign(alTop);
  TPanel below(&rest);
  below.SetAlign(alClient);
  bar.MoveBy(20);
  EXPECT_EQ(top.Height(), 120);
  EXPECT_EQ(below.Top(), top.Top() + 123);
}

} // namespace
