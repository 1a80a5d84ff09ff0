#pragma once
// Calls of the LISP core made by the settings dialogs and property pages: the core's own setup
// dialogs (which answer the edited values), layer and location lookups, block files, and the
// updates run after settings change. Every call follows the invocation convention: on failure, or
// on an answer of another type, the caller's values stay as they were.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vox::host::lispcore {

// The answer of the core's dialogs that give either one text or a list of texts.
struct TextOrList {
  std::optional<std::wstring> text;  // set for a string answer
  std::vector<std::wstring> list;    // the strings of a list answer
};

// The three cross-reference setup dialogs (c:wd_xref_setup_text / _graphical / _table): the
// values go in as one list and, on OK, come back in order. Cancel (nil), a failed call or an
// answer with another count or type leave `values` unchanged and give false.
bool xrefSetupText(std::array<std::wstring, 5>& values);
bool xrefSetupGraphical(std::array<std::wstring, 7>& values);
bool xrefSetupTable(std::array<std::wstring, 12>& values);

// Suffix dialogs: the new setting for the current one.
std::optional<std::wstring> componentSuffixDialog(const std::wstring& current);  // c:vox_cfg_component_suffix_dlg
std::optional<std::wstring> wireNumberSuffixDialog(const std::wstring& current);  // c:vox_cfg_wirenum_suffix_dlg

// Line reference and layer setup dialogs.
std::optional<std::wstring> lineReferenceSetup(const std::wstring& first, const std::wstring& second);  // wd_cfg_Lref_setup
std::optional<TextOrList> lineXySetup(const std::wstring& setting, const std::vector<std::wstring>& list);  // wd_cfg_Lxy_setup
std::optional<std::wstring> addLayers(int mode, const std::vector<std::wstring>& layers);  // wd_cfg_add_lay
std::optional<TextOrList> wireLayerSetup(const std::vector<std::vector<std::wstring>>& lists, int mode);  // wd_cfg_setup_wlay_doit
bool wireFormatByLayerSetup(const std::wstring& setting);  // wd_proja_do_wfmt_bylay_setup

// wd_proja_cat_legit: whether the core accepts the catalog name (an answer of 1).
std::optional<bool> catalogIsValid(const std::wstring& catalog);

// wd_strblk_inline_gap_su: the gap chosen in the core's inline-gap dialog.
struct InlineGapRequest {
  std::optional<double> first;
  std::optional<double> second;
  int mode = 0;
  std::wstring setting;
  int flags = 0;
};
std::optional<double> inlineGapSetup(const InlineGapRequest& request);

// wd_fio_does_block_exist_disk: the block's drawing file. When there is none and `reportMissing`
// is set, the core reports it through wd_fio_block_path_failed_msg.
std::optional<std::wstring> blockFilePath(const std::wstring& blockName, bool reportMissing);

// Installation and location codes.
std::optional<std::wstring> installationsOnDrawing();        // wd_ped_get_mg_on_dwg 1 "INST"
std::optional<std::wstring> installationsForProject();       // wd_loc_get_locs_or_inst_for_proj "INST" nil
std::optional<std::wstring> locationsOnDrawing(int mode);    // c:wd_get_locs_on_dwg
std::optional<std::wstring> locationsForProject();           // c:wd_get_locs_for_proj nil

// Updates after settings change.
bool rereadDrawingParameters();  // c:wd_reread_dwg_params
bool projectPropertiesDisplay();  // c:wd_proj_properties_display
std::optional<std::wstring> renameWireProperties(const std::wstring& text);  // vox_rename_wire_properties, needs a document
bool updateLadderSheet(const std::wstring& first, const std::wstring& second, bool flag);  // c:vox_ladr_update_sheet, needs a document
// c:vox_check_linkterm: the answer's list replaces `terminals` (nil: an empty list).
bool checkLinkedTerminals(std::vector<std::wstring>& terminals, const std::wstring& projectPath);
bool updateLinkedTerminals(const std::vector<std::wstring>& terminals);  // c:vox_term_linkterm_update_main
bool updateTitleBlockWithoutDialog();  // c:vox_tb_nodlg, module resources

}  // namespace vox::host::lispcore
