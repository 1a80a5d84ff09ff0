#include "host/LispCorePaletteCalls.h"

#include <array>
#include <cwctype>

#include "host/HcHostServices.h"
#include "host/LispCoreCalls.h"

namespace vox::host::lispcore {
namespace {

bool projectDialog(const std::wstring& name, const std::wstring& projectPath) {
  return invokeSucceeded(name, HcResBufChain().shortInt(1).str(projectPath));
}

}  // namespace

bool unsafeForQuotedInput(const std::wstring& text) {
  for (const wchar_t c : text) {
    if (c == L'"' || std::iswcntrl(static_cast<wint_t>(c))) return true;
  }
  return false;
}

const std::wstring& paletteExpressionText(PaletteExpression command) {
  static const std::array<std::wstring, 10> texts{
      L"(c:wd_dwglst_proj)", L"(c:wd_tb)",          L"(c:wd_bump)",         L"(c:wd_upd_pending nil)",
      L"(c:vox_prnt_proj nil nil)", L"(c:wd_xml_pub2web)", L"(c:vox_pub_setup)", L"(c:wd_zip_do_wdzip 0)",
      L"(c:wd_reread_dwg_params)",  L"(c:wd_iec_tag_freshen)"};
  return texts.at(static_cast<std::size_t>(command));
}

bool sendPaletteExpression(PaletteExpression command) { return sendToCurrentDocument(paletteExpressionText(command)); }

std::optional<std::wstring> openDrawingLine(const std::wstring& drawingPath) {
  if (unsafeForQuotedInput(drawingPath)) return std::nullopt;
  return L"_.open \"" + drawingPath + L"\"";
}

bool sendOpenDrawing(const std::wstring& drawingPath) {
  const std::optional<std::wstring> line = openDrawingLine(drawingPath);
  if (!line) {
    hcutPrintf(L"\nThe drawing cannot be opened: its path holds a double quote or a control character.");
    return false;
  }
  return sendToCurrentDocument(*line, true);
}

bool reorderDrawingList(const std::wstring& projectPath) { return projectDialog(L"c:vox_reorder_dlst", projectPath); }

bool removeSeveralDrawings(const std::wstring& projectPath) {
  return projectDialog(L"c:vox_proj_multiple_remove", projectPath);
}

bool symbolLibraryDialog(const std::wstring& projectPath) {
  return projectDialog(L"c:vox_proj_symbol_lib_dlg", projectPath);
}

bool sectionSubsectionProperties(const std::wstring& first, const std::wstring& second) {
  return invokeSucceeded(L"c:vox_proj_dwg_secsub_properties", HcResBufChain().shortInt(1).str(first).str(second));
}

bool projectSettingsHelp() { return invokeSucceeded(L"c:wd_help_proj_settings", {}); }

std::optional<std::vector<std::wstring>> editDescriptionLines(const HcResBufChain& args) {
  return answerStrings(invokeLispCore(L"c:vox_proj_edit_proj_description_lines", args));
}

}  // namespace vox::host::lispcore
