#include "dialogs/NewDrawingPath.h"

#include <cwctype>

#include "platform/os/CaseMapping.h"
#include "platform/os/Trim.h"
#include "platform/os/WinPath.h"

namespace vox::dialogs {
namespace {

bool forbiddenInName(wchar_t c) {
  return std::iswcntrl(static_cast<wint_t>(c)) != 0 || std::wstring_view(L"\"*?<>|:").find(c) != std::wstring_view::npos;
}

bool validComponent(const std::wstring& component) {
  if (component.empty() || component == L"." || component == L"..") return false;
  for (const wchar_t c : component)
    if (forbiddenInName(c)) return false;
  return true;
}

}  // namespace

std::wstring drawingFileName(const std::wstring& typedName) {
  std::wstring name = os::trimmed(typedName);
  if (name.empty() || os::iequals(os::extension(name), L".dwg")) return name;
  if (name.back() != L'.') name += L'.';
  return name + L"dwg";
}

std::wstring composeDrawingPath(const std::wstring& typedName, const std::wstring& location,
                                const std::wstring& projectFolder) {
  const std::wstring name = drawingFileName(typedName);
  std::wstring folder = os::trimmed(location);
  if (folder.empty()) folder = projectFolder;
  if (name.empty() || folder.empty()) return {};
  if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return os::toBackslashes(folder + name);
}

bool isQualifiedDrawingPath(const std::wstring& path, const std::wstring& currentFolder) {
  if (path.empty() || os::isRelative(path)) return false;
  const os::PathParts parts = os::splitPath(path);
  if (parts.components.empty() || parts.trailingSeparator) return false;
  for (const std::wstring& component : parts.components)
    if (!validComponent(component)) return false;
  return os::iequals(os::qualify(path, currentFolder), path);
}

}  // namespace vox::dialogs
