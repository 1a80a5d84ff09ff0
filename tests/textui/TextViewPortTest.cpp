// The text host's tree view port: a page of rows over the visible nodes.

#include "platform/textui/TextViewPort.h"

#include <gtest/gtest.h>

#include "FakeControllers.h"

namespace vox::textui {
namespace {

TEST(TextViewPort, ScrollingKeepsTheTargetInsideThePageOfVisibleNodes) {
  testing::FakeTree tree;  // visible: Plant(1), A01(2), A02(3), Other(4)
  TextViewPort port(tree, 2);
  EXPECT_EQ(port.firstVisibleNode(), 1u);
  port.ensureVisible(3);
  EXPECT_EQ(port.firstVisibleNode(), 2u) << "the target becomes the last row of the page";
  port.ensureVisible(2);
  EXPECT_EQ(port.firstVisibleNode(), 2u) << "already visible: no scrolling";
  port.ensureVisible(1);
  EXPECT_EQ(port.firstVisibleNode(), 1u) << "above the page: it becomes the top";
  port.scrollToTop(4);
  EXPECT_EQ(port.firstVisibleNode(), 4u);
  port.ensureVisible(99);
  EXPECT_EQ(port.firstVisibleNode(), 4u) << "an unknown node moves nothing";
}

TEST(TextViewPort, ATopNodeHiddenUnderACollapsedProjectFallsBackToTheFirstNode) {
  testing::FakeTree tree;
  TextViewPort port(tree);
  port.scrollToTop(3);
  EXPECT_EQ(port.firstVisibleNode(), 3u);
  tree.nodes[1].expanded = false;
  EXPECT_EQ(port.firstVisibleNode(), 1u);
  port.ensureVisible(3);
  EXPECT_EQ(port.firstVisibleNode(), 1u) << "a hidden node cannot be scrolled to";
}

}  // namespace
}  // namespace vox::textui
