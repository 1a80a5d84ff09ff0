// Values the drawing settings and the project tab read: the cross-reference table defaults
// ("wd_xref_tbl_indexlst", "wd_xref_tbl_fldnams", "wd_xref_tbl_jstlst": lists of the texts of a
// comma-separated setting), the wire number gap ("wd_wdp_get_dwg_WNUM_GAP_settings"), the
// installation and location codes, and the title-block label file of a project
// ("wd_proj_figure_wdtitle_fnam": <folder>\<name>.wdt, else <folder>\wdtitle.wdt, when it exists).
// Settings come from kDrawingDefaultsKey, else the built-in texts.

#include "host/HcSettingsStore.h"
#include "platform/lispcore/Arguments.h"
#include "platform/lispcore/Registrar.h"
#include "platform/lispcore/SettingsKeys.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"

namespace vox::lispcore {
namespace {

using lisp::Value;

std::wstring setting(const CoreState& state, const wchar_t* name, const wchar_t* builtIn) {
  return state.context.settings.getString(kDrawingDefaultsKey, name).value_or(builtIn);
}

void defineListSetting(Registrar& registrar, const wchar_t* function, const wchar_t* name, const wchar_t* builtIn) {
  registrar.define(function, L"", [name, builtIn](CoreState& state, const Args&, std::wstring&) {
    return listOfStrings(splitAtCommas(setting(state, name, builtIn)));
  });
}

enum class Codes { kInstallations, kLocations, kNamedByFirstArgument };

// Installation codes ("INST") or location codes ("LOC").
void defineCodes(Registrar& registrar, const wchar_t* function, const wchar_t* pattern, Codes codes) {
  registrar.define(function, pattern, [codes](CoreState& state, const Args& args, std::wstring&) {
    const bool installations = codes == Codes::kInstallations ||
                               (codes == Codes::kNamedByFirstArgument && os::iequals(args[0].text, L"INST"));
    return Value::ofString(setting(state, installations ? L"INST" : L"LOC", L""));
  });
}

Value titleBlockFile(CoreState&, const Args& args, std::wstring&) {
  const std::wstring folder = os::folderOf(args[0].text);
  for (const std::wstring& name : {os::stem(args[0].text) + L".wdt", std::wstring(L"wdtitle.wdt")}) {
    const std::optional<std::wstring> path = os::combine(folder, name);
    if (!folder.empty() && path && os::fileExists(*path)) return Value::ofString(*path);
  }
  return Value::nil();
}

}  // namespace

void defineDrawingValueFunctions(Registrar& registrar) {
  defineListSetting(registrar, L"wd_xref_tbl_indexlst", L"XREF_TBLINDEX", L"1,2,3,5");
  defineListSetting(registrar, L"wd_xref_tbl_fldnams", L"XREF_TBLFLDNAMS",
                    L"W1,T1,TYPE,T2,W2,REF,SH,SHDWGNAM,FILENAME,FULLFILENAM");
  defineListSetting(registrar, L"wd_xref_tbl_jstlst", L"XREF_TBLCOLJUST", L"MC,MC,MC,MC,MC,MC,MC,MC,L,L");
  registrar.define(L"wd_wdp_get_dwg_WNUM_GAP_settings", L"", [](CoreState& state, const Args&, std::wstring&) {
    return Value::ofString(setting(state, L"WNUM_GAP", L"0.0,0.0,0.0"));
  });
  defineCodes(registrar, L"wd_ped_get_mg_on_dwg", L"is", Codes::kInstallations);
  defineCodes(registrar, L"wd_loc_get_locs_or_inst_for_proj", L"sx", Codes::kNamedByFirstArgument);
  defineCodes(registrar, L"c:wd_get_locs_on_dwg", L"i", Codes::kLocations);
  defineCodes(registrar, L"c:wd_get_locs_for_proj", L"x", Codes::kLocations);
  registrar.define(L"wd_proj_figure_wdtitle_fnam", L"s", titleBlockFile);
}

}  // namespace vox::lispcore
