#pragma once
// What the project core asks of the host's document manager before talking to the LISP core.

namespace vox::core {

// The host has at least one document open.
bool hostHasDocument();
// The host's current document runs no command or LISP evaluation (false without one).
bool currentDocumentIsQuiescent();

}  // namespace vox::core
