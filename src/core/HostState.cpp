#include "core/HostState.h"

#include "host/HcDocument.h"

namespace vox::core {

bool hostHasDocument() {
  const HcDocManager* documents = hcDocManagerPtr();
  return documents != nullptr && documents->documentCount() > 0;
}

bool currentDocumentIsQuiescent() {
  const HcDocManager* documents = hcDocManagerPtr();
  const HcDocument* current = documents != nullptr ? documents->curDocument() : nullptr;
  return current != nullptr && current->isQuiescent();
}

}  // namespace vox::core
