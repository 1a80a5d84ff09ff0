#include "host/LispCoreSettingsCalls.h"

#include "host/HcResBuf.h"
#include "host/LispCoreCalls.h"

namespace vox::host::lispcore {
namespace {

std::optional<std::wstring> textAnswer(const std::wstring& name, const HcResBufChain& args, LispCallMarks marks = {}) {
  return answerString(invokeLispCore(name, args, marks));
}

HcResBufChain listOf(const std::vector<std::wstring>& strings) {
  HcResBufChain list;
  list.beginList();
  for (const std::wstring& s : strings) list.str(s);
  return list.endList();
}

bool isNil(const std::optional<HcResBufChain>& answer) {
  return answer && answer->size() == 1 && (*answer)[0].type == kRtNil;
}

// A list of exactly `N` strings, nothing else.
template <std::size_t N>
std::optional<std::array<std::wstring, N>> exactStrings(const std::optional<HcResBufChain>& answer) {
  if (!answer || answer->size() != N + 2) return std::nullopt;
  const std::optional<std::vector<std::wstring>> strings = answerStrings(answer);
  if (!strings || strings->size() != N) return std::nullopt;
  std::array<std::wstring, N> values;
  for (std::size_t i = 0; i < N; ++i) values[i] = (*strings)[i];
  return values;
}

template <std::size_t N>
bool xrefSetup(const std::wstring& name, std::array<std::wstring, N>& values) {
  const std::vector<std::wstring> current(values.begin(), values.end());
  const std::optional<std::array<std::wstring, N>> edited = exactStrings<N>(invokeLispCore(name, listOf(current)));
  if (!edited) return false;
  values = *edited;
  return true;
}

std::optional<TextOrList> textOrList(const std::optional<HcResBufChain>& answer) {
  if (std::optional<std::wstring> text = answerString(answer)) return TextOrList{std::move(text), {}};
  if (isNil(answer)) return TextOrList{};
  if (std::optional<std::vector<std::wstring>> list = answerStrings(answer)) return TextOrList{std::nullopt, std::move(*list)};
  return std::nullopt;
}

}  // namespace

bool xrefSetupText(std::array<std::wstring, 5>& values) { return xrefSetup(L"c:wd_xref_setup_text", values); }
bool xrefSetupGraphical(std::array<std::wstring, 7>& values) { return xrefSetup(L"c:wd_xref_setup_graphical", values); }
bool xrefSetupTable(std::array<std::wstring, 12>& values) { return xrefSetup(L"c:wd_xref_setup_table", values); }

std::optional<std::wstring> componentSuffixDialog(const std::wstring& current) {
  return textAnswer(L"c:vox_cfg_component_suffix_dlg", HcResBufChain().str(current));
}

std::optional<std::wstring> wireNumberSuffixDialog(const std::wstring& current) {
  return textAnswer(L"c:vox_cfg_wirenum_suffix_dlg", HcResBufChain().str(current));
}

std::optional<std::wstring> lineReferenceSetup(const std::wstring& first, const std::wstring& second) {
  return textAnswer(L"wd_cfg_Lref_setup", HcResBufChain().str(first).str(second).nil().nil());
}

std::optional<TextOrList> lineXySetup(const std::wstring& setting, const std::vector<std::wstring>& list) {
  return textOrList(invokeLispCore(L"wd_cfg_Lxy_setup", HcResBufChain().nil().str(setting).append(listOf(list))));
}

std::optional<std::wstring> addLayers(int mode, const std::vector<std::wstring>& layers) {
  return textAnswer(L"wd_cfg_add_lay", HcResBufChain().shortInt(static_cast<std::int16_t>(mode)).append(listOf(layers)));
}

std::optional<TextOrList> wireLayerSetup(const std::vector<std::vector<std::wstring>>& lists, int mode) {
  HcResBufChain args;
  for (const std::vector<std::wstring>& list : lists) args.append(listOf(list));
  args.shortInt(static_cast<std::int16_t>(mode));
  return textOrList(invokeLispCore(L"wd_cfg_setup_wlay_doit", args));
}

bool wireFormatByLayerSetup(const std::wstring& setting) {
  return invokeSucceeded(L"wd_proja_do_wfmt_bylay_setup", HcResBufChain().str(setting));
}

std::optional<bool> catalogIsValid(const std::wstring& catalog) {
  const std::optional<HcResBufChain> answer = invokeLispCore(L"wd_proja_cat_legit", HcResBufChain().str(catalog));
  if (!answer) return std::nullopt;
  return answerInteger(answer) == 1;
}

std::optional<double> inlineGapSetup(const InlineGapRequest& request) {
  HcResBufChain args;
  args.beginList();
  for (const std::optional<double>& value : {request.first, request.second}) {
    if (value) {
      args.real(*value);
    } else {
      args.nil();
    }
  }
  args.endList().shortInt(static_cast<std::int16_t>(request.mode)).str(request.setting).nil();
  args.shortInt(static_cast<std::int16_t>(request.flags));
  const std::optional<HcResBufChain> answer = invokeLispCore(L"wd_strblk_inline_gap_su", args);
  if (!answer || answer->size() != 1 || (*answer)[0].type != kRtReal) return std::nullopt;
  return (*answer)[0].number();
}

std::optional<std::wstring> blockFilePath(const std::wstring& blockName, bool reportMissing) {
  const HcResBufChain name = HcResBufChain().str(blockName);
  const std::optional<HcResBufChain> answer = invokeLispCore(L"wd_fio_does_block_exist_disk", name);
  if (std::optional<std::wstring> path = answerString(answer)) return path;
  if (reportMissing && isNil(answer)) invokeLispCore(L"wd_fio_block_path_failed_msg", name);
  return std::nullopt;
}

std::optional<std::wstring> installationsOnDrawing() {
  return textAnswer(L"wd_ped_get_mg_on_dwg", HcResBufChain().shortInt(1).str(L"INST"), kModuleResources);
}

std::optional<std::wstring> installationsForProject() {
  return textAnswer(L"wd_loc_get_locs_or_inst_for_proj", HcResBufChain().str(L"INST").nil());
}

std::optional<std::wstring> locationsOnDrawing(int mode) {
  return textAnswer(L"c:wd_get_locs_on_dwg", HcResBufChain().shortInt(static_cast<std::int16_t>(mode)));
}

std::optional<std::wstring> locationsForProject() { return textAnswer(L"c:wd_get_locs_for_proj", HcResBufChain().nil()); }

bool rereadDrawingParameters() { return invokeSucceeded(L"c:wd_reread_dwg_params", {}); }

bool projectPropertiesDisplay() { return invokeSucceeded(L"c:wd_proj_properties_display", {}); }

std::optional<std::wstring> renameWireProperties(const std::wstring& text) {
  return textAnswer(L"vox_rename_wire_properties", HcResBufChain().str(text), kNeedsDocument);
}

bool updateLadderSheet(const std::wstring& first, const std::wstring& second, bool flag) {
  HcResBufChain args = HcResBufChain().str(first).str(second);
  if (flag) {
    args.t();
  } else {
    args.nil();
  }
  return invokeSucceeded(L"c:vox_ladr_update_sheet", args, kNeedsDocument);
}

bool checkLinkedTerminals(std::vector<std::wstring>& terminals, const std::wstring& projectPath) {
  const std::optional<HcResBufChain> answer =
      invokeLispCore(L"c:vox_check_linkterm", listOf(terminals).str(projectPath));
  if (isNil(answer)) {
    terminals.clear();
    return true;
  }
  std::optional<std::vector<std::wstring>> checked = answerStrings(answer);
  if (!checked) return false;
  terminals = std::move(*checked);
  return true;
}

bool updateLinkedTerminals(const std::vector<std::wstring>& terminals) {
  return invokeSucceeded(L"c:vox_term_linkterm_update_main", listOf(terminals));
}

bool updateTitleBlockWithoutDialog() { return invokeSucceeded(L"c:vox_tb_nodlg", {}, kModuleResources); }

}  // namespace vox::host::lispcore
