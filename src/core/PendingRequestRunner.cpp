#include "core/PendingRequestRunner.h"

#include "core/PendingRequestQueue.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/LispCoreFunctions.h"

namespace vox::core {
namespace {

void reportRecentProject(const HcResBufChain& args) {
  HcResBufWalker walker(args);
  const std::optional<std::wstring> path = walker.nextString();
  const HcResBuf* code = walker.next();
  if (!path || code == nullptr || code->type != kRtShort) return;
  const VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(path->c_str()) : nullptr;
  if (project == nullptr) return;
  const std::array<std::wstring, 4> lines = project->firstFourDescriptions();
  vox::host::lispcore::updateRecentProject(*code->integer(), project->getProjectID(), &lines);
}

}  // namespace

void runPendingRequest(const PendingRequest& request) {
  HcDocManager* documents = hcDocManagerPtr();
  switch (request.kind) {
    case PendingRequest::kRereadOnLispSide:
      if (hcCurrentDocumentQuiescent()) {
        documents->executeInApplicationContext([] { vox::host::lispcore::sendRereadProject(); });
      }
      break;
    case PendingRequest::kReportRecentProject:
      reportRecentProject(request.args);
      break;
    default:
      break;
  }
}

void workOffPendingRequests(NavigationState& navigation) {
  if (!hcHasDocument()) return;
  navigation.requests.workOff(runPendingRequest);
}

}  // namespace vox::core
