// The block library: "wd_fio_does_block_exist_disk" (the drawing file of a block: NAME.dwg found
// ignoring case in the library or a folder below it, or a path given with the name, relative to
// the library; nil when there is none), "wd_fio_block_path_failed_msg" (reports a missing block
// on the command line) and "wd_proja_cat_legit" (1 for a catalog name that names a file of the
// library's "catalogs" folder, with or without its extension; else 0).

#include "platform/lispcore/BlockLibrary.h"
#include "platform/lispcore/Environment.h"
#include "platform/lispcore/Registrar.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/NativePath.h"
#include "platform/os/WinPath.h"

namespace vox::lispcore {
namespace {

using lisp::Value;

std::wstring withDrawingExtension(const std::wstring& name) {
  return os::extension(name).empty() ? name + L".dwg" : name;
}

// A name holding a folder part: the file at that path, taken from the library when relative.
std::optional<std::wstring> blockAtPath(const LispCoreContext& context, const std::wstring& name) {
  const std::wstring path = withDrawingExtension(os::toBackslashes(name));
  const std::optional<std::wstring> library = moduleFolder(context.blockLibraryFolder);
  if (os::isRelative(path) && !library) return std::nullopt;
  const std::optional<std::wstring> full = os::combine(library.value_or(L""), path);
  if (!full || !os::fileExists(*full)) return std::nullopt;
  return full;
}

std::optional<std::wstring> blockFile(const LispCoreContext& context, const std::wstring& name) {
  if (name.empty()) return std::nullopt;
  if (name.find_first_of(L"\\/") != std::wstring::npos) return blockAtPath(context, name);
  const std::optional<std::string> found = findFileBelow(context.blockLibraryFolder, withDrawingExtension(name));
  if (!found) return std::nullopt;
  return os::fromNative(*found);
}

bool catalogExists(const LispCoreContext& context, const std::wstring& catalog) {
  if (catalog.empty()) return false;
  const std::optional<std::string> folder = findInFolder(
      context.blockLibraryFolder, [](const std::wstring& name) { return os::iequals(name, L"catalogs"); }, true);
  if (!folder) return false;
  const NameMatch sameName = [&catalog](const std::wstring& name) {
    return os::iequals(name, catalog) || os::iequals(os::stem(name), catalog);
  };
  return findInFolder(*folder, sameName, false).has_value();
}

}  // namespace

void defineBlockLibraryFunctions(Registrar& registrar) {
  registrar.define(L"wd_fio_does_block_exist_disk", L"s", [](CoreState& state, const Args& args, std::wstring&) {
    const std::optional<std::wstring> path = blockFile(state.context, args[0].text);
    return path ? Value::ofString(*path) : Value::nil();
  });
  registrar.define(L"wd_fio_block_path_failed_msg", L"s", [](CoreState& state, const Args& args, std::wstring&) {
    state.printLine(L"LISP core: block \"" + args[0].text + L"\" not found in the block library");
    return Value::t();
  });
  registrar.define(L"wd_proja_cat_legit", L"s", [](CoreState& state, const Args& args, std::wstring&) {
    return Value::ofInteger(catalogExists(state.context, args[0].text) ? 1 : 0);
  });
}

}  // namespace vox::lispcore
