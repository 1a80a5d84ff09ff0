#pragma once
// LISP requests that wait until the editor is idle. A request added while the queue is being
// worked off (by a callback that runs during a LISP call) is picked up by the same walk, and the
// walk is never re-entered.

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "host/HcResBuf.h"

namespace vox::core {

struct PendingRequest {
  enum Kind : std::int32_t {
    kRereadOnLispSide = 1,     // no arguments
    kReportRecentProject = 2,  // project path (string), change code (16-bit integer)
  };
  std::int32_t kind = 0;
  HcResBufChain args;
};

class PendingRequestQueue {
 public:
  void enqueue(PendingRequest request);
  bool empty() const;
  std::size_t size() const;
  // Runs the requests from the head, each removed before it runs. Does nothing while a walk is
  // already under way.
  void workOff(const std::function<void(const PendingRequest&)>& run);

 private:
  mutable std::mutex mutex_;
  std::deque<PendingRequest> queue_;
  bool processing_ = false;
};

// What the navigation manager holds for the project manager and the subsystem notifier.
struct NavigationState {
  PendingRequestQueue requests;
  // A project became active while no document was open: tell the LISP core at the next idle moment.
  bool makeActivePending = false;
  // The drawing and project the palette hands to the drawing-properties and compare commands.
  std::wstring pendingDrawing;
  std::wstring pendingProject;
};

}  // namespace vox::core
