#pragma once
// The add-on's environment values ("WD_PROJ", "WD_LIB", ...): a value stored under
// kEnvironmentKey wins; else a default derived from the user folder (U) and the block library (L):
//   WD_USR    U                      WD_LIB    L
//   WD_PROJ   U\proj                 WD_MENU   L\wd_menu.dat
//   WD_CAT    L\catalogs             WD_PNL    L\panel
//   WD_PMENU  L\panel\wd_pmenu.dat   WD_OPEN_DWG  "" (no command after opening a drawing)
// Other names have no value.

#include <optional>
#include <string>

#include "platform/lispcore/LispCore.h"

namespace vox::lispcore {

std::optional<std::wstring> environmentValue(const LispCoreContext& context, const std::wstring& name);

// A native folder in the module's path form; empty for an empty folder.
std::optional<std::wstring> moduleFolder(const std::string& nativeFolder);

}  // namespace vox::lispcore
