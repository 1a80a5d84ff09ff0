#pragma once
// The code standards a project can follow: a fixed table of display names and the codes a
// project stores, the default drafting standard first.

#include <vector>

#include "host/VoxCircuitBuilder.h"
#include "platform/siblings/CallLog.h"

namespace vox::siblings {

const std::vector<VoxCodeStandard>& codeStandardsTable();

class CodeStandardsTable : public VoxCircuitBuilder {
 public:
  explicit CodeStandardsTable(CallLog& log) : log_(log) {}
  std::vector<VoxCodeStandard> codeStandards() const override;

 private:
  CallLog& log_;
};

}  // namespace vox::siblings
