#include "host/DependentDefaultsFromLispCore.h"

#include "host/HcDocument.h"
#include "host/LispCoreCalls.h"

namespace vox::host {
namespace {

// The joined string elements of a list answer ("a,b,c"); a plain string answer as it is.
void takeList(const wchar_t* function, std::wstring& text) {
  const std::optional<HcResBufChain> answer = invokeLispCore(function, {}, {true, false});
  if (const std::optional<std::vector<std::wstring>> strings = answerStrings(answer)) {
    std::wstring joined;
    for (const std::wstring& s : *strings) joined += (joined.empty() ? L"" : L",") + s;
    text = std::move(joined);
  } else if (const std::optional<std::wstring> plain = answerString(answer)) {
    text = *plain;
  }
}

}  // namespace

vox::records::DependentDefaultTexts dependentDefaultTexts() {
  vox::records::DependentDefaultTexts texts;
  if (!hcHasDocument()) return texts;
  takeList(L"wd_xref_tbl_indexlst", texts.xrefTableIndex);
  takeList(L"wd_xref_tbl_fldnams", texts.xrefTableFieldNames);
  takeList(L"wd_xref_tbl_jstlst", texts.xrefTableColumnJustification);
  if (std::optional<std::wstring> gap =
          answerString(invokeLispCore(L"wd_wdp_get_dwg_WNUM_GAP_settings", {}, {true, false})))
    texts.wireNumberGap = std::move(*gap);
  return texts;
}

}  // namespace vox::host
