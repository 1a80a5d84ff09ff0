// Globals of the current document and the active project: "vox_get_var" (a global's value, nil
// when unset; "GBL_wd_usr" defaults to the user folder), "vox_makeproj_active" (sets "GBL_wd_prj"
// to the project path) and "c:vox_wdp_reread" (counts the re-read request).

#include "platform/lispcore/Environment.h"
#include "platform/lispcore/Registrar.h"
#include "platform/os/CaseMapping.h"

namespace vox::lispcore {
namespace {

using lisp::Value;

constexpr const wchar_t* kUserFolderGlobal = L"GBL_wd_usr";
constexpr const wchar_t* kActiveProjectGlobal = L"GBL_wd_prj";

Value globalValue(CoreState& state, const Args& args, std::wstring&) {
  const std::wstring& name = args[0].text;
  if (std::optional<Value> value = state.interpreter.global(state.currentDocument(), name)) return *value;
  if (os::iequals(name, kUserFolderGlobal)) {
    if (const std::optional<std::wstring> folder = moduleFolder(state.context.userFolder)) return Value::ofString(*folder);
  }
  return Value::nil();
}

}  // namespace

void defineGlobalFunctions(Registrar& registrar) {
  registrar.define(L"vox_get_var", L"s", globalValue);
  registrar.define(L"vox_makeproj_active", L"s", [](CoreState& state, const Args& args, std::wstring& error) {
    if (args[0].text.empty()) {
      error = L"vox_makeproj_active: no project path";
      return Value::nil();
    }
    state.interpreter.setGlobal(state.currentDocument(), kActiveProjectGlobal, args[0]);
    return Value::t();
  });
  registrar.define(L"c:vox_wdp_reread", L"", [](CoreState& state, const Args&, std::wstring&) {
    ++state.rereadRequests;
    return Value::t();
  });
}

}  // namespace vox::lispcore
