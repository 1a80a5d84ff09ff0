#pragma once
// Defaults of the drawing settings 71, 72, 73 and 76, which the extension's LISP core can supply
// while the host has a document open. The members start as the built-in texts that apply
// otherwise; whoever can ask the LISP core replaces the ones it obtains and passes the result
// to the default-filling operations of VoxCfgDrawingSettings.

#include <string>

namespace vox::records {

struct DependentDefaultTexts {
  std::wstring xrefTableIndex = L"1,2,3,5";                                                // 71
  std::wstring xrefTableFieldNames = L"W1,T1,TYPE,T2,W2,REF,SH,SHDWGNAM,FILENAME,FULLFILENAM";  // 72
  std::wstring xrefTableColumnJustification = L"MC,MC,MC,MC,MC,MC,MC,MC,L,L";             // 73
  std::wstring wireNumberGap = L"0.0,0.0,0.0";                                             // 76
};

}  // namespace vox::records
