#pragma once
// The "VoxProjectProps" command: the project properties sheet over the active project.
//
// 1. Without the project manager or an active project the command ends silently. The active
//    project's file is locked through the add-on's lock service; a refusal ends the command (and
//    releases whatever was locked).
// 2. Three LISP globals of the combined tag and location format are read (each: its value and
//    whether it could be read).
// 3. The sheet runs modally; afterwards the lock is released, on every path.
// 4. After OK, when the project lists at least one drawing: the LISP core re-reads the project,
//    the three globals are read again, and when any differs (value or whether it was read),
//    "(c:wd_iec_tag_freshen)\r" is sent to the current document from the application context.

#include <optional>
#include <string>
#include <vector>

namespace vox::module {

// The three globals as read: each value, or none when it could not be read.
struct TagLocationGlobals {
  std::optional<int> formatInstallationLocationIntoTag;  // GBL_wd_tagloc_format_instloc_into_tag
  std::optional<int> suppressRedundantInstallationLocation;  // GBL_wd_tagloc_redundant_instloc_suppress
  std::optional<std::wstring> combinedPrefix;                 // GBL_wd_combined_tagloc_prefix
  bool operator==(const TagLocationGlobals&) const = default;
};

TagLocationGlobals readTagLocationGlobals();

// The command; the sheet's result (kHcDialogCancel when it did not run).
int runProjectProperties();

}  // namespace vox::module
