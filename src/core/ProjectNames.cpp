#include "core/ProjectNames.h"

#include <algorithm>

#include "platform/os/CaseMapping.h"
#include "platform/os/WinPath.h"

namespace vox::core {
namespace {

constexpr std::wstring_view kTaskSuffix = L"_UPDATE.MDB";

std::wstring_view::size_type lastSeparator(std::wstring_view path) { return path.find_last_of(L'\\'); }

std::wstring folderPart(std::wstring_view path) {
  const auto slash = lastSeparator(path);
  return slash == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, slash));
}

std::wstring filePart(std::wstring_view path) {
  const auto slash = lastSeparator(path);
  return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring joined(const std::wstring& folder, const std::wstring& name) {
  return folder.empty() ? name : folder + L"\\" + name;
}

}  // namespace

std::wstring normaliseProjectId(std::wstring_view path) {
  std::wstring id(path);
  std::replace(id.begin(), id.end(), L'/', L'\\');
  return id;
}

std::wstring projectNameFromId(std::wstring_view projectId) {
  std::wstring name = filePart(normaliseProjectId(projectId));
  if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos) name.erase(dot);
  return os::toUpper(name);
}

std::wstring taskFileNameForProject(std::wstring_view projectId) {
  const std::wstring id = normaliseProjectId(projectId);
  std::wstring task = joined(folderPart(id), projectNameFromId(id) + L"_update.mdb");
  return os::fitsMaxPath(task) ? task : std::wstring();
}

std::optional<std::wstring> projectFileNameFromTaskName(std::wstring_view taskPath) {
  const std::wstring task = normaliseProjectId(taskPath);
  const std::wstring name = os::toUpper(filePart(task));
  const auto at = name.find(kTaskSuffix);
  if (at == std::wstring::npos) return std::nullopt;
  return joined(folderPart(task), name.substr(0, at) + L".wdp");
}


}  // namespace vox::core
