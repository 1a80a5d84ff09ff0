#include "platform/siblings/SiblingStandIns.h"

namespace vox::siblings {

SiblingStandIns::SiblingStandIns(HcSettingsStore* store, std::wstring usageFolder,
                                 const EnvironmentLookup& environment)
    : utils_(store, std::move(usageFolder), log_),
      pmClient_(environment, log_),
      globals_(log_),
      codeStandards_(log_),
      scratchDatabases_(log_) {}

VoxSiblingServices SiblingStandIns::services() {
  return VoxSiblingServices{&utils_, &pmClient_, &globals_, &codeStandards_, &scratchDatabases_};
}

}  // namespace vox::siblings
