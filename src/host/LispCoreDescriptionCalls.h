#pragma once
// The LISP core's editor of project description lines, as the new-project dialog calls it: the
// project has no file yet, so the editor works on the lines and flags the dialog holds.
//
// Call: (c:vox_proj_edit_proj_description_lines 0 nil (LINE ...) "FLAGS") — mode 0 (a project
// being created), no project file, the current lines, the current flags (comma-separated).
// Answer: a list of the edited lines as strings, ending with a list of the flag strings:
// ("Line 1" "Line 2" ("1" "0")). The flags are joined again with commas; an answer without a
// flag list has no flags.

#include <optional>
#include <string>
#include <vector>

#include "host/HcResBuf.h"

namespace vox::host::lispcore {

struct DescriptionEdit {
  std::vector<std::wstring> lines;
  std::wstring flags;
  bool operator==(const DescriptionEdit&) const = default;
};

// The call's arguments for the current lines and flags.
HcResBufChain newProjectDescriptionArguments(const std::vector<std::wstring>& lines, const std::wstring& flags);
// The edit an answer holds; nothing when it is no list.
std::optional<DescriptionEdit> descriptionEditOf(const std::optional<HcResBufChain>& answer);

// Runs the editor; nothing when the call failed or did not answer a list (the dialog then keeps
// what it had).
std::optional<DescriptionEdit> editNewProjectDescriptions(const std::vector<std::wstring>& lines,
                                                          const std::wstring& flags);

}  // namespace vox::host::lispcore
