#pragma once
// The wait cursor as a nesting count: shown from the first begin until the matching end. An end
// without a begin is ignored.

namespace vox::siblings {

class WaitCursor {
 public:
  void begin() { ++depth_; }
  void end() {
    if (depth_ > 0) --depth_;
  }
  bool shown() const { return depth_ > 0; }
  int depth() const { return depth_; }

 private:
  int depth_ = 0;
};

}  // namespace vox::siblings
