#pragma once
// All sibling stand-ins of the reference host with one call log, ready to be installed as the
// module's sibling services:
//   SiblingStandIns siblings(store, usageFolder);
//   voxInstallSiblingServices(siblings.services());

#include <string>

#include "host/VoxSiblingServices.h"
#include "platform/siblings/CallLog.h"
#include "platform/siblings/CodeStandardsTable.h"
#include "platform/siblings/GlobalManagerStandIn.h"
#include "platform/siblings/PmClientStandIn.h"
#include "platform/siblings/ProcessEnvironment.h"
#include "platform/siblings/ScratchDatabase.h"
#include "platform/siblings/UtilsStandIn.h"

namespace vox::siblings {

class SiblingStandIns {
 public:
  // Registry settings in `store` (borrowed, may be null), usage lines in `usageFolder` (a
  // module path), the helper-process flag from `environment`.
  SiblingStandIns(HcSettingsStore* store, std::wstring usageFolder,
                  const EnvironmentLookup& environment = processEnvironment());
  SiblingStandIns(const SiblingStandIns&) = delete;
  SiblingStandIns& operator=(const SiblingStandIns&) = delete;

  // Pointers to the stand-ins below, valid while this object lives.
  VoxSiblingServices services();

  CallLog& log() { return log_; }
  UtilsStandIn& utils() { return utils_; }
  PmClientStandIn& pmClient() { return pmClient_; }
  GlobalManagerStandIn& globals() { return globals_; }
  CodeStandardsTable& codeStandards() { return codeStandards_; }
  ScratchDatabaseService& scratchDatabases() { return scratchDatabases_; }

 private:
  CallLog log_;
  UtilsStandIn utils_;
  PmClientStandIn pmClient_;
  GlobalManagerStandIn globals_;
  CodeStandardsTable codeStandards_;
  ScratchDatabaseService scratchDatabases_;
};

}  // namespace vox::siblings
