#include "host/LispCoreCalls.h"

#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/HcLisp.h"
#include "host/HcMessageCatalog.h"

namespace vox::host {
namespace {

constexpr std::size_t kMaxExposedNameLength = 128;

}  // namespace

std::optional<HcResBufChain> invokeLispCore(const std::wstring& name, const HcResBufChain& args, LispCallMarks marks) {
  if (marks.needsDocument && !hcHasDocument()) return std::nullopt;
  HcResBufChain call;
  call.str(name).append(args);
  HcResBufChain result;
  int status = kRtError;
  if (marks.moduleResources) {
    const HcResourceScope resources;
    status = hcedInvoke(call, result);
  } else {
    status = hcedInvoke(call, result);
  }
  if (status != kRtNorm) return std::nullopt;
  return result;
}

std::optional<std::wstring> answerString(const std::optional<HcResBufChain>& answer) {
  if (!answer || answer->size() != 1 || (*answer)[0].type != kRtStr) return std::nullopt;
  return *(*answer)[0].string();
}

std::optional<int> answerInteger(const std::optional<HcResBufChain>& answer) {
  if (!answer || answer->size() != 1) return std::nullopt;
  return (*answer)[0].integer();
}

std::optional<std::vector<std::wstring>> answerStrings(const std::optional<HcResBufChain>& answer) {
  if (!answer || answer->empty() || (*answer)[0].type != kRtListBegin) return std::nullopt;
  HcResBufWalker walker(*answer);
  walker.next();  // the list's begin
  std::vector<std::wstring> strings;
  while (const HcResBuf* item = walker.peek()) {
    if (item->type == kRtListEnd) break;
    if (std::optional<std::wstring> s = walker.nextString()) {
      strings.push_back(std::move(*s));
    } else {
      walker.skipValue();
    }
  }
  return strings;
}

bool sendToCurrentDocument(const std::wstring& expression, bool echo) {
  HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr || documents->curDocument() == nullptr) return false;
  return documents->sendStringToExecute(documents->curDocument(), expression + L"\r", true, false, echo);
}

const std::vector<std::wstring>& exposedLispCoreFunctions() {
  static const std::vector<std::wstring> names{
      L"wd_cpyprj_chk4_related_files", L"wd_proj_figure_wdtitle_fnam", L"vox_makeproj_active", L"wd_cfg_add_lay",
      L"wd_cfg_Lref_setup", L"wd_upda_chkdwglockstatus", L"wd_ped_get_mg_on_dwg", L"wd_loc_get_locs_or_inst_for_proj",
      L"wd_proja_cat_legit", L"wd_proja_do_wfmt_bylay_setup", L"wd_strblk_inline_gap_su", L"wd_cfg_Lxy_setup",
      L"wd_xref_tbl_indexlst", L"wd_xref_tbl_fldnams", L"wd_xref_tbl_jstlst", L"wd_cfg_setup_wlay",
      L"wd_cfg_setup_wlay_doit", L"wd_wdp_get_dwg_WNUM_GAP_settings", L"wd_upda_chkdwglockstatus1"};
  return names;
}

int exposeLispCoreFunctions() {
  int failed = 0;
  for (const std::wstring& name : exposedLispCoreFunctions()) {
    const std::wstring expression = L"(vl-dftr-defun '" + name.substr(0, kMaxExposedNameLength) + L")";
    if (!invokeLispCore(L"veval-str+", HcResBufChain().str(expression), {true, false})) {
      hcutPrintf(L"\n*** Unable to register \"%s\" ***", name.c_str());
      ++failed;
    }
  }
  return failed;
}

}  // namespace vox::host
