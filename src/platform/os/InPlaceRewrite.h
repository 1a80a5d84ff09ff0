#pragma once
// Rewriting a file in place, for a target whose folder refuses new files (so no temporary file
// can be made beside it). Before the target is touched, its old content is copied to a recovery
// copy in a folder of the user's own and flushed to disk; the copy is held locked while the
// rewrite runs. On a write error the old content is put back and the copy deleted; when even
// that fails the copy is kept and named. A completed rewrite deletes the copy. A writer killed
// mid-rewrite leaves its copy, unlocked: interruptedRewrites finds it.
//
// Recovery copies are named after the target's file name and a hash of its full native path:
// "<name>.<hash>.recovery<n>".

#include <string>
#include <string_view>
#include <vector>

#include "platform/os/OsError.h"
#include "platform/os/HeldFile.h"

namespace vox::os {

struct InPlaceOutcome {
  bool written = false;
  std::string keptCopy;  // native; set when the old content could not be put back
};

// Replaces the content of the native file `target` with `content` as described above, keeping
// the recovery copy in the native folder `recoveryFolder` (created when missing).
InPlaceOutcome rewriteInPlace(const std::string& target, std::string_view content, const std::string& recoveryFolder,
                              OsError* error = nullptr);

// The names of the recovery copies of the native file `target`.
NumberedNames recoveryCopyNames(const std::string& target, const std::string& recoveryFolder);

// The recovery copies in `recoveryFolder` left by rewrites of `target` that did not complete
// (their writer is gone); module paths.
std::vector<std::wstring> interruptedRewrites(const std::wstring& target, const std::wstring& recoveryFolder);

}  // namespace vox::os
