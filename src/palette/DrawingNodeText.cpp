#include "palette/DrawingNodeText.h"

#include "host/HcHostServices.h"
#include "host/VoxPmOleDb.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/WinPath.h"

namespace vox::palette {
namespace {

constexpr int kDescriptionCodes[] = {108, 291, 292};

// The part a code gives from the entry itself; nothing for scratch-database and unknown codes.
std::wstring entryPart(const VoxPrmFileDetails& entry, int code) {
  switch (code) {
    case 103: return os::fileName(entry.fileName);
    case 104: return entry.section;
    case 105: return entry.subSection;
    default: break;
  }
  for (std::size_t line = 0; line < std::size(kDescriptionCodes); ++line)
    if (code == kDescriptionCodes[line]) return line < entry.descriptions.size() ? entry.descriptions[line] : std::wstring();
  return {};
}

}  // namespace

std::optional<std::wstring> scratchFieldForCode(int code) {
  switch (code) {
    case 101: return L"IEC_I";
    case 102: return L"IEC_L";
    case 106: return L"SH";
    case 107: return L"SHDWGNAM";
    default: return std::nullopt;
  }
}

std::wstring scratchConditionFor(const std::wstring& drawingPath) {
  std::wstring key = drawingPath;
  for (wchar_t& c : key)
    if (c == L'\\') c = L'/';
  return L"DWGNAME = \"" + os::toUpper(key) + L"\"";
}

bool valueFromScratchDb(std::wstring& value, const std::wstring& drawingPath, int code, VoxOleDbFileRecordset& recordset) {
  const std::optional<std::wstring> field = scratchFieldForCode(code);
  if (!field) return false;
  std::vector<std::wstring> rows;
  if (!recordset.select(*field, L"FILETIME", scratchConditionFor(drawingPath), rows)) {
    hcutPrintf(L"\n%s", recordset.errorText().c_str());
    return false;
  }
  if (rows.size() == 1) value = rows.front();
  return true;
}

std::wstring drawingNodeText(const VoxPrmFileDetails& entry, const std::vector<int>& displayOrder,
                             const std::wstring& separator, const ScratchValue& scratch) {
  const std::wstring joiner = L" " + separator + L" ";
  std::wstring text;
  for (const int code : displayOrder) {
    const std::wstring part = scratchFieldForCode(code) ? (scratch ? scratch(code) : std::wstring()) : entryPart(entry, code);
    if (part.empty()) continue;
    if (!text.empty()) text += joiner;
    text += part;
  }
  return text;
}

}  // namespace vox::palette
