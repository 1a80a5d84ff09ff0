#include "module/NavReactors.h"

#include "core/VoxPrmProjectManager.h"
#include "module/VoxPrmNavManager.h"
#include "platform/os/CaseMapping.h"

namespace vox::module {

void InputContextReactor::beginQuiescentState() { nav_.onQuiescent(); }

void DocManagerReactor::documentCreated(HcDocument* /*doc*/) { menuHook_ = false; }

void DocManagerReactor::documentToBeDestroyed(HcDocument* doc) {
  const HcDocManager* documents = hcDocManagerPtr();
  if (documents != nullptr && documents->documentCount() == 1 && documents->curDocument() == doc && !menuHook_) {
    menuHook_ = true;
  }
}

void DocManagerReactor::documentDestroyed(const std::wstring& /*fileName*/) {
  const HcDocManager* documents = hcDocManagerPtr();
  if ((documents == nullptr || documents->documentCount() < 2) && nav_.inputContextReactor() != nullptr) {
    nav_.inputContextReactor()->onCommandOrLispEvent.raise(true);
  }
}

void DocManagerReactor::documentActivated(HcDocument* doc) {
  if (doc == nullptr) return;
  const std::wstring fileName = doc->fileName();
  if (VoxPrmProjectManager* manager = nav_.projectManager()) {
    manager->notifyLispWD_MAndRemove(fileName.c_str());
    manager->drawingActivated(fileName);
  }
  if (nav_.inputContextReactor() != nullptr) nav_.inputContextReactor()->onCommandOrLispEvent.raise(!doc->isQuiescent());
}

void EditorReactor::sysVarChanged(const std::wstring& name, bool /*success*/) {
  if (os::iequals(name, L"CleanScreenState")) nav_.onCleanScreenChanged();
}

}  // namespace vox::module
