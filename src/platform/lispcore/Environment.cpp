#include "platform/lispcore/Environment.h"

#include "host/HcSettingsStore.h"
#include "platform/lispcore/SettingsKeys.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"

namespace vox::lispcore {
namespace {

enum class Base { kUser, kLibrary, kNone };

struct Default {
  const wchar_t* name;
  Base base;
  const wchar_t* below;  // appended to the base folder
};

constexpr Default kDefaults[] = {
    {L"WD_USR", Base::kUser, L""},
    {L"WD_PROJ", Base::kUser, L"\\proj"},
    {L"WD_LIB", Base::kLibrary, L""},
    {L"WD_MENU", Base::kLibrary, L"\\wd_menu.dat"},
    {L"WD_CAT", Base::kLibrary, L"\\catalogs"},
    {L"WD_PNL", Base::kLibrary, L"\\panel"},
    {L"WD_PMENU", Base::kLibrary, L"\\panel\\wd_pmenu.dat"},
    {L"WD_OPEN_DWG", Base::kNone, L""},
};

std::optional<std::wstring> defaultValue(const LispCoreContext& context, const std::wstring& name) {
  for (const Default& entry : kDefaults) {
    if (!os::iequals(entry.name, name)) continue;
    if (entry.base == Base::kNone) return std::wstring(entry.below);
    const std::optional<std::wstring> folder =
        moduleFolder(entry.base == Base::kUser ? context.userFolder : context.blockLibraryFolder);
    if (!folder) return std::nullopt;
    return *folder + entry.below;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::wstring> moduleFolder(const std::string& nativeFolder) {
  if (nativeFolder.empty()) return std::nullopt;
  std::wstring folder = os::fromNative(nativeFolder);
  while (folder.size() > 1 && folder.back() == L'\\') folder.pop_back();
  return folder;
}

std::optional<std::wstring> environmentValue(const LispCoreContext& context, const std::wstring& name) {
  if (std::optional<std::wstring> stored = context.settings.getString(kEnvironmentKey, name)) return stored;
  return defaultValue(context, name);
}

}  // namespace vox::lispcore
