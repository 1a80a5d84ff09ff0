#pragma once
// The filter text of the palette's filter box as a test on drawing nodes: a node matches when
// its shown text or its file name contains the text, letters compared without case (the
// module's own case folding, so it agrees with the rest of the module's name comparisons).

#include <string>

#include "palette/TreeNodes.h"

namespace vox::palette {

class DrawingFilter {
 public:
  explicit DrawingFilter(const std::wstring& text);

  bool empty() const { return folded_.empty(); }
  // Every node matches an empty filter.
  bool matches(const DrawingNode& node) const;

 private:
  std::wstring folded_;
};

}  // namespace vox::palette
