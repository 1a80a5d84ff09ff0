#pragma once
// Working off the navigation manager's pending LISP requests when the editor is idle: a
// re-read is typed into the current document from the application context, a recent-projects
// report goes to the LISP core for a project that is still open (otherwise it is dropped).

namespace vox::core {

struct NavigationState;
struct PendingRequest;

// Does nothing while the host has no document.
void workOffPendingRequests(NavigationState& navigation);
void runPendingRequest(const PendingRequest& request);

}  // namespace vox::core
