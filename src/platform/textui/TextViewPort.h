#pragma once
// The tree's view port in a text host: a window of `pageSize` rows over the tree's visible nodes
// (projects, and the drawings of expanded projects, in order), starting at the first visible
// node. Scrolling requests move the window as a drawn tree would.

#include <vector>

#include "host/HcPaletteControllers.h"

namespace vox::textui {

class TextViewPort : public HcTreeViewPort {
 public:
  static constexpr int kDefaultPageSize = 10;

  explicit TextViewPort(const HcTreeController& tree, int pageSize = kDefaultPageSize)
      : tree_(tree), pageSize_(pageSize) {}

  HcNodeId firstVisibleNode() const override;
  int pageSize() const override { return pageSize_; }
  void scrollToTop(HcNodeId id) override;
  void ensureVisible(HcNodeId id) override;

 private:
  std::vector<HcNodeId> visibleNodes() const;

  const HcTreeController& tree_;
  int pageSize_;
  HcNodeId top_ = 0;
};

}  // namespace vox::textui
