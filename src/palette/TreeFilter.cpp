// The project tree's filter box and the expansion of all projects.

#include <unordered_set>

#include "palette/CProjectTree.h"
#include "palette/DrawingFilter.h"
#include "platform/os/CaseMapping.h"

using vox::palette::DrawingFilter;
using vox::palette::ProjectTreeModel;

namespace {

// Paths compared as the tree compares them: ignoring case.
std::unordered_set<std::wstring> foldedSet(const std::vector<std::wstring>& paths) {
  std::unordered_set<std::wstring> set;
  for (const std::wstring& path : paths) set.insert(vox::os::toUpper(path));
  return set;
}

}  // namespace

void CProjectTree::setFilter(const std::wstring& text) {
  if (text == filter_) return;
  {
    ProjectTreeModel::SelectionBatch batch(model_);
    if (filter_.empty()) filterSession_ = FilterSession{};
    if (filter_.empty()) {
      for (const ProjectNode& project : model_.roots()) {
        if (project.expanded && project.record) filterSession_->expandedProjects.push_back(project.record->path);
        if (project.selected && project.record) filterSession_->selectedPaths.push_back(project.record->path);
        for (const DrawingNode& drawing : project.children)
          if (drawing.selected && drawing.record) filterSession_->selectedPaths.push_back(drawing.record->path);
      }
      if (const _itemdatastruct* caret = model_.record(model_.caret())) filterSession_->caretPath = caret->path;
    }
    filter_ = text;
    std::vector<HcNodeId> projects;
    for (const ProjectNode& project : model_.roots()) projects.push_back(project.id);
    for (const HcNodeId project : projects) applyFilter(project);
    if (filter_.empty() && filterSession_) {
      const FilterSession session = std::move(*filterSession_);
      filterSession_.reset();
      endFilterSession(session);
    }
  }
  // Selection changes from here on are the user's.
  if (filterSession_) filterSession_->selectionVersion = selectionVersion_;
}

void CProjectTree::applyFilter(HcNodeId project) {
  const DrawingFilter filter(filter_);
  model_.filterChildren(project, [&filter](const DrawingNode& node) { return filter.matches(node); });
  const ProjectNode* node = model_.project(project);
  if (!filter.empty() && node != nullptr && !node->children.empty()) model_.setExpanded(project, true);
}

void CProjectTree::endFilterSession(const FilterSession& session) {
  const std::unordered_set<std::wstring> expanded = foldedSet(session.expandedProjects);
  for (const ProjectNode& project : model_.roots())
    if (project.record) model_.setExpanded(project.id, expanded.count(vox::os::toUpper(project.record->path)) != 0);
  BoldNewActiveDrawing(nullptr);
  // A selection the user made while filtering stays in sight; else the one from before comes back.
  if (selectionVersion_ != session.selectionVersion) {
    if (const HcNodeId parent = model_.parentOf(model_.caret())) model_.setExpanded(parent, true);
    return;
  }
  const std::unordered_set<std::wstring> selected = foldedSet(session.selectedPaths);
  const std::wstring caretPath = vox::os::toUpper(session.caretPath);
  ClearSelection(false);
  model_.setCaret(0);
  std::vector<HcNodeId> toSelect;
  for (const ProjectNode& project : model_.roots()) {
    const auto visit = [&](HcNodeId id, const _itemdatastruct* record) {
      if (record == nullptr) return;
      const std::wstring path = vox::os::toUpper(record->path);
      if (!caretPath.empty() && path == caretPath) model_.setCaret(id);
      if (selected.count(path) != 0) toSelect.push_back(id);
    };
    visit(project.id, project.record.get());
    for (const DrawingNode& drawing : project.children) visit(drawing.id, drawing.record.get());
  }
  for (const HcNodeId id : toSelect) model_.setSelected(id, true);
}

void CProjectTree::setAllExpanded(bool expanded) {
  for (const ProjectNode& project : model_.roots()) model_.setExpanded(project.id, expanded);
}
