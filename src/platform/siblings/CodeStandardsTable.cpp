#include "platform/siblings/CodeStandardsTable.h"

namespace vox::siblings {

const std::vector<VoxCodeStandard>& codeStandardsTable() {
  static const std::vector<VoxCodeStandard> table{
      {L"NEC (US National Electrical Code)", L"NEC"},
      {L"JIC (US industrial controls)", L"JIC"},
      {L"IEC (international)", L"IEC"},
      {L"IEC 60617 graphical symbols", L"IEC-60617"},
      {L"AS (Australian standards)", L"AS"},
      {L"GB (Chinese national standards)", L"GB"},
      {L"JIS (Japanese industrial standards)", L"JIS"},
  };
  return table;
}

std::vector<VoxCodeStandard> CodeStandardsTable::codeStandards() const {
  log_.record(L"VoxCodeStandards");
  return codeStandardsTable();
}

}  // namespace vox::siblings
