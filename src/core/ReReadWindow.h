#pragma once
// The window that owns the project manager's re-read timers and receives its re-read requests:
// the palette set's window. While it does not exist, changes of project files are not re-read.

namespace vox::core {

class ReReadWindow {
 public:
  virtual ~ReReadWindow() = default;
  virtual bool hasLiveWindow() const = 0;
  // The window's identity for the host loop's timers.
  virtual const void* window() const = 0;
  // Delivers "re-read the project at this index" to the window through the host's loop.
  virtual bool postReReadRequest(int projectIndex) = 0;
};

}  // namespace vox::core
