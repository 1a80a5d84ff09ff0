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

const std::wstring* scratchFieldForCode(int code) {
  static const std::wstring kInstallation = L"IEC_I", kLocation = L"IEC_L", kSheet = L"SH", kNumber = L"SHDWGNAM";
  switch (code) {
    case 101: return &kInstallation;
    case 102: return &kLocation;
    case 106: return &kSheet;
    case 107: return &kNumber;
    default: return nullptr;
  }
}

std::wstring scratchConditionFor(const std::wstring& drawingPath) {
  std::wstring condition = L"DWGNAME = \"";
  condition.reserve(condition.size() + drawingPath.size() + 1);
  for (const wchar_t c : drawingPath) condition += c == L'\\' ? L'/' : os::toUpper(c);
  return condition += L'"';
}

bool valueFromScratchDb(std::wstring& value, const std::wstring& drawingPath, int code, VoxOleDbFileRecordset& recordset) {
  static const std::wstring kTable = L"FILETIME";
  const std::wstring* field = scratchFieldForCode(code);
  if (field == nullptr) return false;
  std::vector<std::wstring> rows;
  if (!recordset.select(*field, kTable, scratchConditionFor(drawingPath), rows)) {
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
    const std::wstring part = scratchFieldForCode(code) != nullptr ? (scratch ? scratch(code) : std::wstring())
                                                                    : entryPart(entry, code);
    if (part.empty()) continue;
    if (!text.empty()) text += joiner;
    text += part;
  }
  return text;
}

}  // namespace vox::palette
