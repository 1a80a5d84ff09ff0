// Features that lie outside this system (title blocks, plotting, publishing, reports, the
// drawing-list dialogs, ...): each prints one line naming what was asked and answers T. The
// project choosers answer nil: no project was chosen.

#include "platform/lispcore/Registrar.h"

namespace vox::lispcore {
namespace {

using lisp::Value;

struct Feature {
  const wchar_t* name;
  const wchar_t* pattern;
  const wchar_t* what;
  bool succeeds;  // T; else nil
};

const Feature kFeatures[] = {
    {L"c:wd_dwglst_proj", L"", L"drawing list report", true},
    {L"c:wd_tb", L"", L"title block update", true},
    {L"c:wd_bump", L"", L"bump drawing values", true},
    {L"c:wd_upd_pending", L"x", L"pending updates", true},
    {L"c:vox_prnt_proj", L"xx", L"plot project", true},
    {L"c:wd_xml_pub2web", L"", L"publish to the web", true},
    {L"c:vox_pub_setup", L"", L"publish setup", true},
    {L"c:wd_zip_do_wdzip", L"i", L"zip project", true},
    {L"c:wd_reread_dwg_params", L"", L"re-read drawing parameters", true},
    {L"c:wd_iec_tag_freshen", L"", L"freshen IEC tags", true},
    {L"c:vox_reorder_dlst", L"is", L"reorder drawing list", true},
    {L"c:vox_proj_multiple_remove", L"is", L"remove drawings", true},
    {L"c:vox_proj_symbol_lib_dlg", L"is", L"symbol library", true},
    {L"c:vox_proj_dwg_secsub_properties", L"iss", L"section and sub-section properties", true},
    {L"c:wd_help_proj_settings", L"", L"project settings help", true},
    {L"c:wd_proj_properties_display", L"", L"project properties display", true},
    {L"c:vox_ladr_update_sheet", L"ssb", L"ladder sheet update", true},
    {L"c:vox_term_linkterm_update_main", L"l", L"linked terminals update", true},
    {L"c:vox_tb_nodlg", L"", L"title block update without dialog", true},
    {L"wd_proja_do_wfmt_bylay_setup", L"s", L"wire format by layer setup", true},
    {L"wd_cpyprj_chk4_related_files", L"*", L"related files of a project copy", true},
    {L"wd_upda_chkdwglockstatus", L"*", L"drawing lock status", true},
    {L"wd_upda_chkdwglockstatus1", L"*", L"drawing lock status", true},
    {L"wd_cfg_setup_wlay", L"*", L"wire layer setup", true},
    {L"c:vox_proj_new", L"i", L"new project", false},
    {L"c:vox_proj_recent", L"", L"recent projects", false},
};

}  // namespace

void defineOutsideFeatureFunctions(Registrar& registrar) {
  for (const Feature& feature : kFeatures) {
    const std::wstring line = askedLine(feature.what, feature.name);
    const bool succeeds = feature.succeeds;
    registrar.define(feature.name, feature.pattern, [line, succeeds](CoreState& state, const Args&, std::wstring&) {
      state.printLine(line);
      return succeeds ? Value::t() : Value::nil();
    });
  }
}

}  // namespace vox::lispcore
