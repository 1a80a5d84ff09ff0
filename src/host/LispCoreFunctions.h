#pragma once
// Typed calls of the LISP core functions the module relies on for projects, the recent-projects
// list, LISP globals, environment values and messages. Each follows the invocation convention of
// LispCoreCalls.h: a failed call (or an answer of another type) gives false / nothing, and the
// caller keeps its previous values.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vox::host::lispcore {

// "c:wd_get_recent_prj_lst": the project paths (first element) and their flags (the fifth
// top-level list: "1" open, "2" open and activate), in the same order.
struct RecentProjects {
  std::vector<std::wstring> paths;
  std::vector<std::wstring> flags;
};
std::optional<RecentProjects> recentProjectList();

// "c:vox_LastProjFil_upd" for a project: code 1, 2, 3 or 4 (sent as "0", "1", "2", "X"), the
// project path and its first four description lines (null: a closed project, sent as nil).
// In the project-monitor client's background process the list is left alone: skipped, true.
bool updateRecentProject(int code, const std::wstring& projectPath, const std::array<std::wstring, 4>* descriptions);
// The flag text "c:vox_LastProjFil_upd" takes for a module code; empty for an unknown code.
std::wstring recentProjectFlag(int code);

bool makeProjectActive(const std::wstring& projectPath);  // "vox_makeproj_active"
bool rereadProject();                                      // "c:vox_wdp_reread"
bool sendRereadProject();                                  // "(c:vox_wdp_reread)" typed
std::optional<std::wstring> newProjectPath();              // "c:vox_proj_new" with 0
// "c:vox_proj_recent": true when the call was made; `path` gets the project chosen, if any.
bool chooseRecentProject(std::optional<std::wstring>& path);

// "vox_get_var": a global as text (a string), or as a number (an integer, or a string that reads
// as a non-zero integer).
std::optional<std::wstring> globalText(const std::wstring& name);
std::optional<int> globalNumber(const std::wstring& name);
// "c:wd_getenv": an environment value of the add-on ("WD_LIB", ...).
std::optional<std::wstring> environmentValue(const std::wstring& name);
// "c:wd_msg": the message for `key`, with `defaultText` when the core has none.
std::optional<std::wstring> message(const std::wstring& key, const std::wstring& defaultText);
// "wd_proj_figure_wdtitle_fnam": the title-block label file of a project (empty: none).
std::optional<std::wstring> titleBlockFileName(const std::wstring& projectPath);
// "wd_1_luk4_replaceable_substitution", only while a document is open.
std::optional<std::wstring> replaceableSubstitution(const std::wstring& text);

}  // namespace vox::host::lispcore
