#pragma once
// Names derived from project IDs, without I/O. A project ID is the project file's path with
// every "/" replaced by "\"; IDs compare ignoring case.

#include <optional>
#include <string>
#include <string_view>

namespace vox::core {

// The path with every "/" replaced by "\".
std::wstring normaliseProjectId(std::wstring_view path);

// The project's name: the file name without its extension, upper-cased ("C:/Work/Plant 7.wdp"
// gives "PLANT 7").
std::wstring projectNameFromId(std::wstring_view projectId);

// The task file: the project's name plus "_update.mdb" in the project file's folder
// ("C:\Work\Plant 7.wdp" gives "C:\Work\PLANT 7_update.mdb"); empty when that path would not
// fit a 260-character path buffer, so no project has a task file.
std::wstring taskFileNameForProject(std::wstring_view projectId);

// The project file a task file belongs to: the part of its upper-cased name before
// "_UPDATE.MDB" plus ".wdp", in the task file's folder; empty when the name lacks that text.
std::optional<std::wstring> projectFileNameFromTaskName(std::wstring_view taskPath);

}  // namespace vox::core
