#include "platform/textui/TextViewPort.h"

#include <algorithm>

namespace vox::textui {

std::vector<HcNodeId> TextViewPort::visibleNodes() const {
  std::vector<HcNodeId> nodes;
  for (const HcNodeId root : tree_.roots()) {
    nodes.push_back(root);
    const std::optional<HcTreeNodeView> project = tree_.node(root);
    if (project && project->expanded) {
      const std::vector<HcNodeId> children = tree_.children(root);
      nodes.insert(nodes.end(), children.begin(), children.end());
    }
  }
  return nodes;
}

HcNodeId TextViewPort::firstVisibleNode() const {
  const std::vector<HcNodeId> nodes = visibleNodes();
  if (nodes.empty()) return 0;
  // A top node that was removed or hid under a collapsed project leaves the window at the start.
  return std::find(nodes.begin(), nodes.end(), top_) != nodes.end() ? top_ : nodes.front();
}

void TextViewPort::scrollToTop(HcNodeId id) { top_ = id; }

void TextViewPort::ensureVisible(HcNodeId id) {
  const std::vector<HcNodeId> nodes = visibleNodes();
  const auto target = std::find(nodes.begin(), nodes.end(), id);
  if (target == nodes.end()) return;
  const auto top = std::find(nodes.begin(), nodes.end(), firstVisibleNode());
  if (target < top) {
    top_ = id;
  } else if (target - top >= pageSize_) {
    top_ = *(target - (pageSize_ - 1));
  }
}

}  // namespace vox::textui
