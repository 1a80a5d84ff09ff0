#include "dialogs/NewProjectPath.h"

#include "platform/os/Trim.h"
#include "platform/os/WinPath.h"

namespace vox::dialogs {
namespace {

bool forbiddenInFileName(wchar_t c) {
  return c < 0x20 || c == 0x7f || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos;
}

void addFolders(std::wstring folder, const std::function<bool(const std::wstring&)>& exists,
                std::vector<std::wstring>& out) {
  folder = os::trimmed(folder);
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  if (folder.empty() || folder.back() == L':' || exists(folder)) return;
  const std::size_t cut = folder.rfind(L'\\');
  if (cut != std::wstring::npos) addFolders(folder.substr(0, cut), exists, out);
  out.push_back(folder);
}

}  // namespace

std::wstring projectBaseName(const std::wstring& name) {
  std::wstring base = os::trimmed(name);
  const std::size_t dot = base.rfind(L'.');
  if (dot != std::wstring::npos) base.erase(dot);
  return base;
}

std::optional<std::wstring> composeNewProjectPath(const NewProjectPathInput& input) {
  const std::wstring typed = os::trimmed(input.name);
  const std::wstring location = os::toBackslashes(os::trimmed(input.location));
  if (typed.empty() && location.empty()) return std::wstring();
  const std::wstring base = projectBaseName(typed);
  std::wstring folder = location.empty() ? os::toBackslashes(input.defaultLocation) : location;
  if (input.createFolder && !base.empty()) {
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    folder += base;
  }
  const std::wstring file = typed.empty() ? std::wstring() : base + L".wdp";
  std::wstring path = folder;
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  path += file;
  // As a path join does: "." and ".." resolved, so the field shows where the file will be.
  if (!file.empty()) path = os::canonicalize(path);
  if (!os::fitsMaxPath(path)) return std::nullopt;
  return path;
}

bool isUsableProjectName(const std::wstring& name) {
  const std::wstring typed = os::trimmed(name);
  if (projectBaseName(typed).empty()) return false;
  for (const wchar_t c : typed)
    if (forbiddenInFileName(c)) return false;
  return true;
}

std::vector<std::wstring> foldersToCreate(const std::wstring& folder,
                                          const std::function<bool(const std::wstring&)>& exists) {
  std::vector<std::wstring> out;
  addFolders(folder, exists, out);
  return out;
}

}  // namespace vox::dialogs
