#include "palette/CProjectTree.h"

#include <algorithm>

#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcEventLoop.h"
#include "locking/DrawingLockStatus.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/WinPath.h"

namespace {

std::wstring withBackslashes(std::wstring path) {
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

_lockStatus nodeLockStatus(bool isProject, const std::wstring& path, std::wstring& holder) {
  if (isProject) {
    VoxPrmProjectManager* manager = GetProjectManager();
    return manager != nullptr ? manager->whoHasProjectFileLocked(path.c_str(), &holder, nullptr, nullptr) : kLockStatusUnknown;
  }
  std::wstring machine;
  std::wstring timeStamp;
  return getDrawingLockStatus(path.c_str(), &holder, &machine, &timeStamp);
}

std::int64_t loopNowMs() {
  const HcEventLoop* loop = hcEventLoop();
  return loop != nullptr ? loop->nowMs() : 0;
}

}  // namespace

CProjectTree::CProjectTree() : marks_(nodeLockStatus, loopNowMs) {
  HookProjectEvents();
  if (HcEventLoop* loop = hcEventLoop())
    loop->setTimer(this, kMarksTimerId, kMarksCheckMs, true, [this, alive = alive_] {
      if (*alive) RecheckMarks();
    });
  model_.setSelectionObserver([this] {
    ++selectionVersion_;
    refreshDetails();
  });
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return;
  // A tree made after projects were opened shows them as if it had seen them open.
  for (int i = 0; i < manager->getProjectCount(); ++i)
    if (const VoxPrmProject* project = manager->getProject(i)) ProjectOpen(project->getProjectID());
  std::wstring active;
  if (manager->getActiveProjectID(active)) onProjectSetActive(active);
}

CProjectTree::~CProjectTree() {
  *alive_ = false;
  if (HcEventLoop* loop = hcEventLoop()) loop->killTimers(this);
  UnhookProjectEvents();
}

std::unique_ptr<_projdatastruct> CProjectTree::NewProjDataStruct(const std::wstring& path) {
  auto record = std::make_unique<_projdatastruct>();
  record->kind = kProjectNodeKind;
  record->path = path;
  return record;
}

std::unique_ptr<_dwgdatastruct> CProjectTree::NewDwgDataStruct(const std::wstring& path) {
  auto record = std::make_unique<_dwgdatastruct>();
  record->kind = kDrawingNodeKind;
  record->path = path;
  return record;
}

void CProjectTree::HookProjectEvents() {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr || eventsHooked_) return;
  VoxPrmProjectEvents& events = manager->events();
  events.projectOpen.subscribe(this, &CProjectTree::onProjectOpen);
  events.projectClose.subscribe(this, &CProjectTree::onProjectClose);
  events.projectCloseAllNA.subscribe(this, &CProjectTree::onProjectCloseAllNA);
  events.projectSetActive.subscribe(this, &CProjectTree::onProjectSetActive);
  events.projectReRead.subscribe(this, &CProjectTree::onProjectReRead);
  events.drawingActivate.subscribe(this, &CProjectTree::onDrawingActivate);
  events.projectAddDrawing.subscribe(this, &CProjectTree::onAddDrawing);
  events.projectAddDrawings.subscribe(this, &CProjectTree::onAddOrRemoveDrawings);
  events.projectRemoveDrawing.subscribe(this, &CProjectTree::onRemoveDrawing);
  events.projectRemoveDrawings.subscribe(this, &CProjectTree::onAddOrRemoveDrawings);
  events.projectReplaceDrawing.subscribe(this, &CProjectTree::onReplaceDrawing);
  events.projectLocked.subscribe(this, &CProjectTree::onProjectLockChanged);
  events.projectUnlocked.subscribe(this, &CProjectTree::onProjectLockChanged);
  events.projectReadOnlyChanged.subscribe(this, &CProjectTree::onProjectReadOnlyChanged);
  eventsHooked_ = true;
}

void CProjectTree::UnhookProjectEvents() {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (!eventsHooked_ || manager == nullptr) return;
  manager->unsubscribeAll(this);
  eventsHooked_ = false;
}

// ---- Lookup and query ----

HcNodeId CProjectTree::GetProjectItem(const std::wstring& projectID) const {
  for (const ProjectNode& project : model_.roots())
    if (project.record && vox::os::iequals(project.record->path, projectID)) return project.id;
  return 0;
}

HcNodeId CProjectTree::GetDrawingItem(const std::wstring& path) const {
  for (const ProjectNode& project : model_.roots())
    for (const DrawingNode& drawing : project.children)
      if (drawing.record && vox::os::iequals(drawing.record->path, path)) return drawing.id;
  return 0;
}

_projdatastruct* CProjectTree::GetProjectDataForItem(HcNodeId item) const {
  if (const ProjectNode* project = model_.project(item)) return project->record.get();
  if (const ProjectNode* parent = model_.project(model_.parentOf(item))) return parent->record.get();
  return nullptr;
}

bool CProjectTree::IsProjectItem(HcNodeId item) const {
  const _itemdatastruct* record = model_.record(item);
  return record != nullptr && record->kind == kProjectNodeKind;
}

int CProjectTree::GetSelectedCount() const {
  int count = 0;
  for (HcNodeId id = model_.firstNode(); id != 0; id = model_.nextVisible(id))
    if (model_.isSelected(id)) ++count;
  return count;
}

HcNodeId CProjectTree::GetFirstSelectedItem() const {
  for (HcNodeId id = model_.firstNode(); id != 0; id = model_.nextVisible(id))
    if (model_.isSelected(id)) return id;
  return 0;
}

HcNodeId CProjectTree::GetNextSelectedItem(HcNodeId item) const {
  for (HcNodeId id = model_.nextVisible(item); id != 0; id = model_.nextVisible(id))
    if (model_.isSelected(id)) return id;
  return 0;
}

HcNodeId CProjectTree::GetPrevSelectedItem(HcNodeId item) const {
  for (HcNodeId id = model_.prevVisible(item); id != 0; id = model_.prevVisible(id))
    if (model_.isSelected(id)) return id;
  return 0;
}

HcNodeId CProjectTree::GetNextItem(HcNodeId item, int code) const {
  const std::vector<ProjectNode>& roots = model_.roots();
  const HcNodeId parent = model_.parentOf(item);
  const std::vector<HcNodeId> siblings = parent != 0 ? children(parent) : this->roots();
  const auto at = std::find(siblings.begin(), siblings.end(), item);
  switch (code) {
    case kRoot: return model_.firstNode();
    case kNext: return at != siblings.end() && at + 1 != siblings.end() ? *(at + 1) : 0;
    case kPrevious: return at != siblings.end() && at != siblings.begin() ? *(at - 1) : 0;
    case kParent: return parent;
    case kChild: {
      const ProjectNode* project = model_.project(item);
      return project != nullptr && !project->children.empty() ? project->children.front().id : 0;
    }
    case kFirstVisible: return viewPort_ != nullptr ? viewPort_->firstVisibleNode() : model_.firstNode();
    case kNextVisible: return model_.nextVisible(item);
    case kPreviousVisible: return model_.prevVisible(item);
    case kCaret: return model_.caret();
    case kLastVisible: {
      if (roots.empty()) return 0;
      const ProjectNode& last = roots.back();
      return last.expanded && !last.children.empty() ? last.children.back().id : last.id;
    }
    case kPreOrder: return model_.nextPreOrder(item);
    default: return 0;
  }
}

bool CProjectTree::IsDrawingSelected(std::wstring* drawingPath, std::wstring* projectID) const {
  const DrawingNode* drawing = model_.drawing(model_.caret());
  if (drawing == nullptr || !drawing->record) return false;
  if (drawingPath != nullptr) *drawingPath = drawing->record->path;
  if (projectID != nullptr) *projectID = projectIdOf(drawing->id);
  return true;
}

bool CProjectTree::AreDrawingsSelected(std::vector<std::wstring>& paths, std::wstring* projectID) const {
  const int count = GetSelectedCount();
  if (count == 0) return false;
  if (count == 1) {
    std::wstring path;
    if (!IsDrawingSelected(&path, projectID)) return false;
    paths.push_back(path);
    return true;
  }
  paths.clear();
  const HcNodeId first = GetFirstSelectedItem();
  for (HcNodeId id = first; id != 0; id = GetNextSelectedItem(id))
    if (const DrawingNode* drawing = model_.drawing(id); drawing != nullptr && drawing->record)
      paths.push_back(drawing->record->path);
  if (projectID != nullptr) *projectID = projectIdOf(first);
  return true;
}

bool CProjectTree::IsAnySelectedDrawingOpen() const {
  const HcDocManager* documents = hcDocManagerPtr();
  if (documents == nullptr) return false;
  const std::vector<HcDocument*> open = documents->documents();
  for (HcNodeId id = GetFirstSelectedItem(); id != 0; id = GetNextSelectedItem(id)) {
    const DrawingNode* drawing = model_.drawing(id);
    if (drawing == nullptr || !drawing->record) continue;
    for (const HcDocument* doc : open)
      if (vox::os::iequals(withBackslashes(doc->fileName()), drawing->record->path)) return true;
  }
  return false;
}

std::wstring CProjectTree::projectIdOf(HcNodeId item) const {
  const _projdatastruct* record = GetProjectDataForItem(item);
  return record != nullptr ? record->path : std::wstring();
}

// ---- Events ----

void CProjectTree::onProjectOpen(const std::wstring& projectID) { ProjectOpen(projectID); }

void CProjectTree::onProjectClose(const std::wstring& projectID) {
  const HcNodeId project = GetProjectItem(projectID);
  // A label edit in the closing project ends unanswered: its locks go with it.
  if (rename_ && model_.parentOf(rename_->item) == project) {
    rename_.reset();
    labelBeforeEditing_.clear();
    labelEditing_ = false;
  }
  model_.removeProject(project);
  closingItem_ = 0;
  if (!model_.exists(anchor_)) anchor_ = 0;
  if (!model_.exists(lastExtended_)) lastExtended_ = 0;
  if (!model_.exists(contextItem_)) contextItem_ = 0;
}

void CProjectTree::onProjectCloseAllNA() {
  VoxPrmProjectManager* manager = GetProjectManager();
  std::wstring active;
  if (manager != nullptr) manager->getActiveProjectID(active);
  std::vector<std::wstring> others;
  for (const ProjectNode& project : model_.roots())
    if (project.record && !vox::os::iequals(project.record->path, active)) others.push_back(project.record->path);
  for (const std::wstring& id : others) onProjectClose(id);
}

void CProjectTree::onProjectSetActive(const std::wstring& projectID) {
  model_.setBold(model_.firstNode(), false);
  sortRoots(projectID);
  model_.setBold(model_.firstNode(), true);
  requestScroll(model_.firstNode(), false);
}

void CProjectTree::onDrawingActivate(const std::wstring& path) { BoldNewActiveDrawing(&path); }

void CProjectTree::refreshDetails() const {
  if (detailsRefresh_) detailsRefresh_();
}

void CProjectTree::requestScroll(HcNodeId id, bool toTop) const {
  if (id == 0 || viewPort_ == nullptr) return;
  if (toTop) {
    viewPort_->scrollToTop(id);
  } else {
    viewPort_->ensureVisible(id);
  }
}

// ---- HcTreeController ----

std::vector<HcNodeId> CProjectTree::roots() const {
  std::vector<HcNodeId> ids;
  ids.reserve(model_.roots().size());
  for (const ProjectNode& project : model_.roots()) ids.push_back(project.id);
  return ids;
}

std::vector<HcNodeId> CProjectTree::children(HcNodeId project) const {
  std::vector<HcNodeId> ids;
  const ProjectNode* node = model_.project(project);
  if (node == nullptr) return ids;
  ids.reserve(node->children.size());
  for (const DrawingNode& drawing : node->children) ids.push_back(drawing.id);
  return ids;
}

int CProjectTree::childCount(HcNodeId parent) const {
  if (parent == 0) return static_cast<int>(model_.roots().size());
  const ProjectNode* project = model_.project(parent);
  return project != nullptr ? static_cast<int>(project->children.size()) : 0;
}

HcNodeId CProjectTree::childAt(HcNodeId parent, int row) const {
  if (row < 0) return 0;
  const auto at = static_cast<std::size_t>(row);
  if (parent == 0) return at < model_.roots().size() ? model_.roots()[at].id : 0;
  const ProjectNode* project = model_.project(parent);
  return project != nullptr && at < project->children.size() ? project->children[at].id : 0;
}

std::optional<HcTreeNodeView> CProjectTree::node(HcNodeId id) const {
  HcTreeNodeView view;
  view.id = id;
  view.caret = id != 0 && id == model_.caret();
  if (const ProjectNode* project = model_.project(id)) {
    view.text = project->text;
    view.icon = kProjectIcon;
    view.expanded = project->expanded;
    view.selected = project->selected;
    view.bold = project->bold;
    addMarks(view, project->record.get());
    return view;
  }
  const DrawingNode* drawing = model_.drawing(id);
  if (drawing == nullptr) return std::nullopt;
  view.parent = model_.parentOf(id);
  view.text = drawing->text;
  view.icon = drawing->icon;
  view.selected = drawing->selected;
  view.bold = drawing->bold;
  addMarks(view, drawing->record.get());
  return view;
}

std::wstring CProjectTree::editText(HcNodeId id) const {
  const DrawingNode* drawing = model_.drawing(id);
  if (drawing == nullptr || !drawing->record || GetProjectDataForItem(id) == nullptr) return {};
  return vox::os::fileName(drawing->record->path);
}

void CProjectTree::click(HcNodeId id, HcHitPart part, unsigned modifiers) { OnLeftButtonDown(id, part, modifiers); }

void CProjectTree::doubleClick(HcNodeId id) {
  renamePending_ = false;
  if (model_.isProject(id)) {
    model_.setExpanded(id, !model_.isExpanded(id));
    return;
  }
  if (!model_.exists(id)) return;
  // A drawing opens only while the host is free to open it.
  const HcDocManager* documents = hcDocManagerPtr();
  const HcDocument* active = documents != nullptr ? documents->mdiActiveDocument() : nullptr;
  if (hcHasDocument() && active == nullptr) return;
  if (active != nullptr && !active->isQuiescent()) {
    showBusyMessage();
    return;
  }
  OnOpenItem(id);
}

void CProjectTree::key(HcKey key, unsigned modifiers) { OnKeyDown(key, modifiers); }

void CProjectTree::rightClick(HcNodeId id, HcPoint screenPoint) {
  OnRightButtonDown(id, screenPoint);
  OnRightButtonUp(screenPoint);
}

void CProjectTree::setExpanded(HcNodeId id, bool expanded) {
  if (!expanded && model_.parentOf(model_.caret()) == id) {
    // A collapsing project takes the caret from a drawing it hides, as a tree control does.
    model_.setCaret(id);
  }
  model_.setExpanded(id, expanded);
}

void CProjectTree::endEdit(HcNodeId id, const std::optional<std::wstring>& text) { OnEndLabelEdit(id, text); }
