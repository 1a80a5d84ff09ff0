// The project tree's context menus: which menu a node gets, the facts its enabling rules read,
// showing it with the project file locked for the menu's lifetime, and the chosen command run
// after the menu closed.

#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/HcUiHost.h"
#include "host/ResourceText.h"
#include "palette/CProjectTree.h"
#include "platform/os/CaseMapping.h"

namespace {

enum : unsigned { kBusyText = 562, kBusyCaption = 563 };

// The project file locked for as long as a menu is shown, when nobody held it.
class MenuProjectLock {
 public:
  explicit MenuProjectLock(const std::wstring& projectID) {
    VoxPrmProjectManager* manager = GetProjectManager();
    if (manager == nullptr || projectID.empty() || manager->isProjectFileLocked(projectID.c_str())) return;
    if (manager->lockProjectFile(projectID.c_str())) taken_ = projectID;
  }
  ~MenuProjectLock() {
    VoxPrmProjectManager* manager = GetProjectManager();
    if (!taken_.empty() && manager != nullptr) manager->unlockProjectFile(taken_.c_str());
  }
  MenuProjectLock(const MenuProjectLock&) = delete;
  MenuProjectLock& operator=(const MenuProjectLock&) = delete;

 private:
  std::wstring taken_;
};

// The file of the drawing the host works on: its MDI-active document, else the current one.
const HcDocument* activeDrawingDocument() {
  const HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return nullptr;
  return documents->mdiActiveDocument() != nullptr ? documents->mdiActiveDocument() : documents->curDocument();
}

}  // namespace

bool CProjectTree::hostVariableOn(const wchar_t* name) {
  HcResBuf value;
  return hcedGetVar(name, value) == kRtNorm && value.integer().value_or(0) != 0;
}

void CProjectTree::showBusyMessage() {
  if (HcInteraction* interaction = hcInteraction())
    interaction->messageBox(vox::host::resourceText(kBusyText), vox::host::resourceText(kBusyCaption),
                            HcIcon::kExclamation, HcButtons::kOk);
}

void CProjectTree::OnContextMenu(HcPoint point) {
  if (inContextMenu_) return;
  std::optional<unsigned> chosen;
  {
    inContextMenu_ = true;
    struct Guard {
      bool& flag;
      ~Guard() { flag = false; }
    } guard{inContextMenu_};
    const HcNodeId item = rightClickItem_;
    if (hcHasDocument()) {
      const HcDocManager* documents = hcDocManagerPtr();
      const HcDocument* active = documents != nullptr ? documents->mdiActiveDocument() : nullptr;
      if (active == nullptr) return;
      if (!active->isQuiescent()) {
        showBusyMessage();
        return;
      }
    } else if (item == 0) {
      return;
    }
    contextItem_ = item == closingItem_ ? 0 : item;
    const _itemdatastruct* record = model_.record(contextItem_);
    std::wstring lockID;
    if (record != nullptr) {
      lockID = projectIdOf(contextItem_);
    } else if (VoxPrmProjectManager* manager = GetProjectManager()) {
      manager->getActiveProjectID(lockID);
    }
    const MenuProjectLock lock(lockID);
    const std::optional<HcMenu> menu = CreateContextMenu(record);
    if (!menu) return;
    chosen = hcPopupMenu(*menu, point);
  }
  if (chosen) RunMenuCommand(*chosen);
}

bool CProjectTree::shortcut(const std::wstring& keys) {
  if (inContextMenu_ || labelEditing_) return false;
  const HcNodeId item = model_.caret();
  unsigned command = 0;
  {
    if (hcHasDocument()) {
      const HcDocManager* documents = hcDocManagerPtr();
      const HcDocument* active = documents != nullptr ? documents->mdiActiveDocument() : nullptr;
      if (active == nullptr || !active->isQuiescent()) return false;
    }
    const std::optional<HcMenu> menu = CreateContextMenu(model_.record(item));
    if (!menu) return false;
    command = vox::palette::commandForShortcut(*menu, keys);
  }
  if (command == 0) return false;
  contextItem_ = item;
  RunMenuCommand(command);
  return true;
}

vox::palette::MenuFacts CProjectTree::menuFacts(const _itemdatastruct* record) const {
  vox::palette::MenuFacts facts;
  VoxPrmProjectManager* manager = GetProjectManager();
  facts.documentOpen = hcHasDocument();
  facts.singleDocumentMode = hostVariableOn(L"SDI");
  facts.activeDrawingTitled = hostVariableOn(L"DWGTITLED");
  facts.drawingCopied = !copiedDrawing_.empty();
  facts.openProjects = manager != nullptr ? manager->getProjectCount() : 0;
  const auto lockState = [manager](const std::wstring& id) {
    std::wstring holder;
    if (manager == nullptr || id.empty() || !manager->isProjectFileLocked(id.c_str())) return kNotLocked;
    return manager->whoHasProjectFileLocked(id.c_str(), holder);
  };
  std::wstring active;
  if (manager != nullptr) manager->getActiveProjectID(active);
  facts.activeProjectLockedByMe = !active.empty() && lockState(active) == kLockedByMe;
  if (record == nullptr || manager == nullptr) return facts;
  const std::wstring projectID = projectIdOf(record->node);
  const _lockStatus state = lockState(projectID);
  facts.lockedByMe = state == kLockedByMe;
  facts.lockedByOther = manager->isProjectFileLocked(projectID.c_str()) && state != kNotLocked && state != kLockedByMe;
  facts.hasTasks = manager->projectHasTasks(projectID.c_str());
  const HcDocument* drawing = activeDrawingDocument();
  facts.activeDrawingInProject = drawing != nullptr && manager->isFileInProject(drawing->fileName(), projectID.c_str());
  facts.multiSelection = GetSelectedCount() > 1 && IsSelected(record->node);
  facts.drawingOpen = facts.multiSelection ? IsAnySelectedDrawingOpen() : [&] {
    const HcDocManager* documents = hcDocManagerPtr();
    if (documents == nullptr) return false;
    for (const HcDocument* doc : documents->documents())
      if (vox::os::iequals(doc->fileName(), record->path)) return true;
    return false;
  }();
  return facts;
}

std::optional<HcMenu> CProjectTree::CreateContextMenu(const _itemdatastruct* record) {
  const vox::palette::MenuFacts facts = menuFacts(record);
  if (record == nullptr) return vox::palette::emptySpaceMenu(facts);
  if (record->kind == kDrawingNodeKind) return vox::palette::drawingMenu(facts);
  if (record->kind != kProjectNodeKind) return std::nullopt;
  const VoxPrmProjectManager* manager = GetProjectManager();
  const bool active = manager != nullptr && manager->isActiveProject(record->path.c_str());
  return active ? vox::palette::activeProjectMenu(facts) : vox::palette::projectMenu(facts);
}

void CProjectTree::QueueCommand(const std::wstring& command) {
  HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return;
  documents->executeInApplicationContext([command] {
    HcDocManager* manager = hcDocManagerPtr();
    if (manager != nullptr && manager->curDocument() != nullptr)
      manager->sendStringToExecute(manager->curDocument(), command, true, false, false);
  });
}
