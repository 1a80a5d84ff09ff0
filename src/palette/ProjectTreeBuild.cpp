// Building the project tree: project nodes in root order, the drawing nodes of a project with
// their texts and scratch-database values, the bold active drawing, and the rebuilds of a
// re-read and of Refresh that keep expansion, selection and the first visible nodes.

#include <algorithm>

#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/LispCoreFunctions.h"
#include "host/VoxPmClientApp.h"
#include "host/VoxPmOleDb.h"
#include "palette/CProjectTree.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"

namespace {

constexpr int kSheetCode = 106;

std::wstring withBackslashes(std::wstring path) {
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

}  // namespace

HcNodeId CProjectTree::InsertProjectItem(const std::wstring& projectID) {
  std::wstring name;
  if (const VoxPrmProjectManager* manager = GetProjectManager()) manager->makeProjectPrettyNameFromID(projectID.c_str(), name);
  return model_.appendProject(name, NewProjDataStruct(projectID));
}

void CProjectTree::ProjectOpen(const std::wstring& projectID) {
  const HcNodeId item = InsertProjectItem(projectID);
  AddDWGNodes(item, projectID, nullptr);
  std::wstring active;
  if (const VoxPrmProjectManager* manager = GetProjectManager()) manager->getActiveProjectID(active);
  sortRoots(active);
}

// The active project first, then the others by their texts ignoring case.
void CProjectTree::sortRoots(const std::wstring& activeID) {
  const auto isActive = [&activeID](const ProjectNode& node) {
    return node.record && vox::os::iequals(node.record->path, activeID);
  };
  model_.sortRoots([&isActive](const ProjectNode& a, const ProjectNode& b) {
    if (isActive(a)) return !isActive(b);
    if (isActive(b)) return false;
    return vox::os::icompare(a.text, b.text) < 0;
  });
}

std::wstring CProjectTree::scratchDatabasePath(const std::wstring& projectID) const {
  std::wstring path;
  if (PmGetProjectDb(projectID, path) && !path.empty()) return path;
  const VoxPrmProjectManager* manager = GetProjectManager();
  const std::optional<std::wstring> userFolder = vox::host::lispcore::globalText(L"GBL_wd_usr");
  if (manager == nullptr || !userFolder || userFolder->empty()) return {};
  std::wstring name;
  manager->makeProjectPrettyNameFromID(projectID.c_str(), name);
  return vox::os::combine(withBackslashes(*userFolder), name + L".mdb").value_or(std::wstring());
}

bool CProjectTree::AddDWGNodes(HcNodeId projectItem, const std::wstring& projectID, std::vector<std::wstring>* reselect) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(projectID.c_str()) : nullptr;
  std::vector<int> order;
  std::wstring separator;
  bool showSelection = false;
  if (project == nullptr || !model_.isProject(projectItem) ||
      !manager->getDwgDisplaySetting(order, separator, showSelection))
    return false;

  vox::palette::ProjectTreeModel::SelectionBatch batch(model_);
  const std::vector<VoxPrmFileDetails>& entries = project->getProjFileDetails();
  VoxOleDbFileRecordset recordset;
  // A project without a database file has no scratch values; one that cannot be opened is
  // reported.
  const std::wstring database = scratchDatabasePath(projectID);
  if (!database.empty() && vox::os::pathExists(database) && !recordset.open(database))
    hcutPrintf(L"\n%s", recordset.errorText().c_str());

  std::vector<DrawingNode> nodes(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const VoxPrmFileDetails& entry = entries[i];
    DrawingNode& node = nodes[i];
    node.id = model_.newId();
    node.icon = entry.isReference ? kReferenceIcon : kDrawingIcon;
    node.record = NewDwgDataStruct(withBackslashes(entry.fileName));
    node.record->node = node.id;
    node.record->details = entry;
    vox::palette::ScratchValue scratch;
    if (recordset.isOpen()) {
      vox::palette::valueFromScratchDb(node.record->sheet, node.record->path, kSheetCode, recordset);
      scratch = [&](int code) {
        if (code == kSheetCode) return node.record->sheet;
        std::wstring value;
        vox::palette::valueFromScratchDb(value, node.record->path, code, recordset);
        return value;
      };
    }
    node.text = vox::palette::drawingNodeText(entry, order, separator, scratch);
  }
  recordset.close();
  model_.insertChildren(projectItem, std::move(nodes));
  if (!filter_.empty()) applyFilter(projectItem);

  if (reselect != nullptr && !reselect->empty()) {
    bool caretSet = false;
    for (const DrawingNode& node : model_.project(projectItem)->children) {
      const auto found = std::find(reselect->begin(), reselect->end(), node.record->path);
      if (found == reselect->end()) continue;
      if (caretSet) {
        model_.setSelected(node.id, true);
      } else {
        model_.setCaret(node.id);
        caretSet = true;
      }
      reselect->erase(found);
    }
  }
  showSelectionAlways_ = showSelection;
  BoldNewActiveDrawing(nullptr);
  return true;
}

void CProjectTree::DeleteChildNodes(HcNodeId item) {
  vox::palette::ProjectTreeModel::SelectionBatch batch(model_);
  model_.removeChildren(item);
  if (!model_.exists(anchor_)) anchor_ = 0;
  if (!model_.exists(lastExtended_)) lastExtended_ = 0;
  if (!model_.exists(lastClicked_)) lastClicked_ = 0;
  if (!model_.exists(contextItem_) && !labelEditing_) contextItem_ = 0;
}

void CProjectTree::BoldNewActiveDrawing(const std::wstring* path) {
  std::wstring target;
  if (path != nullptr) {
    target = *path;
  } else {
    const HcDocManager* documents = hcDocManagerPtr();
    const HcDocument* active = documents != nullptr ? documents->mdiActiveDocument() : nullptr;
    if (active == nullptr) return;
    target = active->fileName();
  }
  target = withBackslashes(target);
  if (!boldDrawing_.empty()) model_.setBold(GetDrawingItem(boldDrawing_), false);
  boldDrawing_ = target;
  model_.setBold(GetDrawingItem(boldDrawing_), true);
}

// ---- Re-read ----

void CProjectTree::onProjectReRead(const std::wstring& projectID) {
  marks_.forget(GetProjectItem(projectID));
  marks_.clearReReadFailure(projectID);
  rebuildProject(projectID);
}

void CProjectTree::onProjectDrawingsChanged(const std::wstring& projectID) { rebuildProject(projectID); }

void CProjectTree::rebuildProject(const std::wstring& projectID) {
  const HcNodeId item = GetProjectItem(projectID);
  if (labelEditing_ || item == 0) return;
  SaveReReadFirstVisItems();
  SetOldSelection();
  SetReReadExpandCollapse(projectID);
  DeleteChildNodes(item);
  AddDWGNodes(item, projectID, nullptr);
  ReReadExpandCollapse(projectID);
  ReSelectOldSelection(projectID);
  ReReadSetupFirstVisItems();
  refreshDetails();
}

void CProjectTree::SaveReReadFirstVisItems() {
  firstVisibleItems_ = {};
  const HcNodeId first = GetNextItem(0, kFirstVisible);
  const HcNodeId second = first != 0 ? model_.nextVisible(first) : 0;
  const HcNodeId nodes[] = {first, second};
  for (std::size_t i = 0; i < 2; ++i) {
    if (nodes[i] == 0) continue;
    firstVisibleItems_[2 * i] = projectIdOf(nodes[i]);
    if (const DrawingNode* drawing = model_.drawing(nodes[i])) firstVisibleItems_[2 * i + 1] = drawing->record->path;
  }
}

void CProjectTree::ReReadSetupFirstVisItems() {
  for (std::size_t pair = 0; pair < 2; ++pair) {
    const std::wstring& projectID = firstVisibleItems_[2 * pair];
    const std::wstring& drawingPath = firstVisibleItems_[2 * pair + 1];
    if (projectID.empty()) return;
    const HcNodeId project = GetProjectItem(projectID);
    if (drawingPath.empty()) {
      if (project != 0) requestScroll(project, true);
      return;
    }
    for (const HcNodeId child : children(project)) {
      if (vox::os::iequals(model_.drawing(child)->record->path, drawingPath)) {
        requestScroll(child, true);
        return;
      }
    }
  }
}

void CProjectTree::SetReReadExpandCollapse(const std::wstring& projectID) {
  projectWasExpanded_ = model_.isExpanded(GetProjectItem(projectID));
}

void CProjectTree::ReReadExpandCollapse(const std::wstring& projectID) {
  if (projectWasExpanded_) model_.setExpanded(GetProjectItem(projectID), true);
}

void CProjectTree::SetOldSelection() {
  const int count = GetSelectedCount();
  if (count == 0) return;
  if (count == 1) {
    SetOldSingleSelection();
    return;
  }
  oldSelectionDrawings_.clear();
  const HcNodeId first = GetFirstSelectedItem();
  for (HcNodeId id = first; id != 0; id = GetNextSelectedItem(id))
    if (const DrawingNode* drawing = model_.drawing(id)) oldSelectionDrawings_.push_back(drawing->record->path);
  oldSelectionProject_ = projectIdOf(first);
}

void CProjectTree::SetOldSingleSelection() {
  oldSelectionProject_.clear();
  oldSelectionDrawings_.clear();
  const HcNodeId caret = model_.caret();
  if (caret == 0) return;
  oldSelectionProject_ = projectIdOf(caret);
  if (const DrawingNode* drawing = model_.drawing(caret)) oldSelectionDrawings_.push_back(drawing->record->path);
}

void CProjectTree::ReSelectOldSelection(const std::wstring& projectID) {
  if (oldSelectionProject_.empty() || !vox::os::iequals(projectID, oldSelectionProject_)) return;
  const HcNodeId project = GetProjectItem(projectID);
  vox::palette::ProjectTreeModel::SelectionBatch batch(model_);
  if (oldSelectionDrawings_.empty()) {
    model_.setCaret(project);
    return;
  }
  ClearSelection(false);
  bool caretSet = false;
  for (const HcNodeId child : children(project)) {
    const std::wstring& path = model_.drawing(child)->record->path;
    const auto found = std::find_if(oldSelectionDrawings_.begin(), oldSelectionDrawings_.end(),
                                    [&path](const std::wstring& old) { return vox::os::iequals(old, path); });
    if (found == oldSelectionDrawings_.end()) continue;
    if (caretSet) {
      model_.setSelected(child, true);
    } else {
      model_.setCaret(child);
      anchor_ = child;
      caretSet = true;
    }
    oldSelectionDrawings_.erase(found);
  }
}

// ---- Refresh ----

void CProjectTree::Refresh() {
  std::vector<std::wstring> selected;
  std::wstring selectionProject;
  AreDrawingsSelected(selected, &selectionProject);
  vox::palette::ProjectTreeModel::SelectionBatch batch(model_);
  for (const HcNodeId project : roots()) {
    const std::wstring projectID = projectIdOf(project);
    const bool expanded = model_.isExpanded(project);
    model_.setExpanded(project, false);
    DeleteChildNodes(project);
    const bool ofSelection = !selectionProject.empty() && vox::os::iequals(projectID, selectionProject);
    AddDWGNodes(project, projectID, ofSelection ? &selected : nullptr);
    if (expanded) model_.setExpanded(project, true);
  }
  requestScroll(model_.caret(), false);
  refreshDetails();
}
