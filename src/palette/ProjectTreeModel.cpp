#include "palette/ProjectTreeModel.h"

#include <algorithm>

namespace vox::palette {

HcNodeId ProjectTreeModel::appendProject(std::wstring text, std::unique_ptr<_projdatastruct> record) {
  const int row = static_cast<int>(roots_.size());
  if (listener_ != nullptr) listener_->projectAboutToBeInserted(row);
  ProjectNode node;
  node.id = newId();
  node.text = std::move(text);
  node.record = std::move(record);
  if (node.record) node.record->node = node.id;
  roots_.push_back(std::move(node));
  index_[roots_.back().id] = Location{row, -1};
  if (listener_ != nullptr) listener_->projectInserted(row);
  return roots_.back().id;
}

void ProjectTreeModel::removeProject(HcNodeId project) {
  const int row = rowOf(project);
  if (row < 0) return;
  bool touchedSelection = false;
  for (const DrawingNode& child : roots_[row].children) {
    touchedSelection = touchedSelection || child.selected || child.id == caret_;
    index_.erase(child.id);
  }
  touchedSelection = touchedSelection || roots_[row].selected || project == caret_;
  if (listener_ != nullptr) listener_->projectAboutToBeRemoved(row);
  if (caret_ == project || parentOf(caret_) == project) caret_ = 0;
  index_.erase(project);
  roots_.erase(roots_.begin() + row);
  reindexFrom(static_cast<std::size_t>(row));
  if (listener_ != nullptr) listener_->projectRemoved(row);
  if (touchedSelection) selectionTouched();
}

void ProjectTreeModel::sortRoots(const std::function<bool(const ProjectNode&, const ProjectNode&)>& before) {
  if (std::is_sorted(roots_.begin(), roots_.end(), before)) return;
  if (listener_ != nullptr) listener_->rootsAboutToBeReordered();
  std::stable_sort(roots_.begin(), roots_.end(), before);
  reindexFrom(0);
  if (listener_ != nullptr) listener_->rootsReordered();
}

void ProjectTreeModel::removeChildren(HcNodeId project) {
  const int row = rowOf(project);
  if (row < 0) return;
  if (roots_[row].children.empty()) {
    roots_[row].hidden.clear();
    return;
  }
  std::vector<DrawingNode>& children = roots_[row].children;
  bool touchedSelection = false;
  if (listener_ != nullptr) listener_->childrenAboutToBeRemoved(row, static_cast<int>(children.size()));
  for (const DrawingNode& child : children) {
    touchedSelection = touchedSelection || child.selected || child.id == caret_;
    if (child.id == caret_) caret_ = 0;
    index_.erase(child.id);
  }
  children.clear();
  roots_[row].hidden.clear();
  if (listener_ != nullptr) listener_->childrenRemoved(row);
  if (touchedSelection) selectionTouched();
}

void ProjectTreeModel::insertChildren(HcNodeId project, std::vector<DrawingNode> added) {
  const int row = rowOf(project);
  if (row < 0 || added.empty()) return;
  std::vector<DrawingNode>& children = roots_[row].children;
  std::size_t order = children.size() + roots_[row].hidden.size();
  for (DrawingNode& node : added) node.order = order++;
  if (listener_ != nullptr) listener_->childrenAboutToBeInserted(row, static_cast<int>(added.size()));
  const std::size_t first = children.size();
  if (children.empty()) {
    children = std::move(added);
  } else {
    children.reserve(first + added.size());
    std::move(added.begin(), added.end(), std::back_inserter(children));
  }
  index_.reserve(index_.size() + children.size() - first);
  for (std::size_t i = first; i < children.size(); ++i)
    index_[children[i].id] = Location{row, static_cast<int>(i)};
  if (listener_ != nullptr) listener_->childrenInserted(row);
}

bool ProjectTreeModel::filterChildren(HcNodeId project, const std::function<bool(const DrawingNode&)>& keep) {
  const int row = rowOf(project);
  if (row < 0) return false;
  ProjectNode& p = roots_[row];
  std::vector<HcNodeId> shownBefore;
  shownBefore.reserve(p.children.size());
  for (const DrawingNode& child : p.children) shownBefore.push_back(child.id);
  // Both lists are in project order: one merge gives the whole list, one pass splits it.
  std::vector<DrawingNode> all;
  all.reserve(p.children.size() + p.hidden.size());
  std::merge(std::make_move_iterator(p.children.begin()), std::make_move_iterator(p.children.end()),
             std::make_move_iterator(p.hidden.begin()), std::make_move_iterator(p.hidden.end()), std::back_inserter(all),
             [](const DrawingNode& a, const DrawingNode& b) { return a.order < b.order; });
  std::vector<DrawingNode> shown, hidden;
  for (DrawingNode& node : all) (keep(node) ? shown : hidden).push_back(std::move(node));
  const bool same = std::equal(shown.begin(), shown.end(), shownBefore.begin(), shownBefore.end(),
                               [](const DrawingNode& node, HcNodeId id) { return node.id == id; });
  if (same) {
    p.children = std::move(shown);
    p.hidden = std::move(hidden);
    return false;
  }
  SelectionBatch batch(*this);
  // The old list keeps its size (of moved-from nodes with their ids) until it is told removed.
  if (!shownBefore.empty()) {
    if (listener_ != nullptr) listener_->childrenAboutToBeRemoved(row, static_cast<int>(shownBefore.size()));
    for (const HcNodeId id : shownBefore) index_.erase(id);
    p.children.clear();
    if (listener_ != nullptr) listener_->childrenRemoved(row);
  }
  for (DrawingNode& node : hidden) {
    const bool wasCaret = node.id == caret_;
    if (wasCaret) caret_ = 0;
    selectionDirty_ = selectionDirty_ || node.selected || wasCaret;
    node.selected = false;
  }
  p.hidden = std::move(hidden);
  if (!shown.empty()) {
    if (listener_ != nullptr) listener_->childrenAboutToBeInserted(row, static_cast<int>(shown.size()));
    p.children = std::move(shown);
    reindexChildren(static_cast<std::size_t>(row));
    if (listener_ != nullptr) listener_->childrenInserted(row);
  }
  return true;
}

std::size_t ProjectTreeModel::hiddenCount() const {
  std::size_t count = 0;
  for (const ProjectNode& p : roots_) count += p.hidden.size();
  return count;
}

const ProjectNode* ProjectTreeModel::project(HcNodeId id) const {
  const auto it = index_.find(id);
  if (it == index_.end() || it->second.child >= 0) return nullptr;
  return &roots_[it->second.root];
}

const DrawingNode* ProjectTreeModel::drawing(HcNodeId id) const {
  const auto it = index_.find(id);
  if (it == index_.end() || it->second.child < 0) return nullptr;
  return &roots_[it->second.root].children[it->second.child];
}

ProjectNode* ProjectTreeModel::projectAt(HcNodeId id) { return const_cast<ProjectNode*>(project(id)); }
DrawingNode* ProjectTreeModel::drawingAt(HcNodeId id) { return const_cast<DrawingNode*>(drawing(id)); }

_itemdatastruct* ProjectTreeModel::record(HcNodeId id) const {
  if (const ProjectNode* p = project(id)) return p->record.get();
  if (const DrawingNode* d = drawing(id)) return d->record.get();
  return nullptr;
}

HcNodeId ProjectTreeModel::parentOf(HcNodeId id) const {
  const auto it = index_.find(id);
  if (it == index_.end() || it->second.child < 0) return 0;
  return roots_[it->second.root].id;
}

int ProjectTreeModel::rowOf(HcNodeId project) const {
  const auto it = index_.find(project);
  return it == index_.end() || it->second.child >= 0 ? -1 : it->second.root;
}

int ProjectTreeModel::rowInParent(HcNodeId id) const {
  const auto it = index_.find(id);
  if (it == index_.end()) return -1;
  return it->second.child >= 0 ? it->second.child : it->second.root;
}

bool ProjectTreeModel::isSelected(HcNodeId id) const {
  if (const ProjectNode* p = project(id)) return p->selected;
  const DrawingNode* d = drawing(id);
  return d != nullptr && d->selected;
}

void ProjectTreeModel::setSelected(HcNodeId id, bool selected) {
  bool* flag = nullptr;
  if (ProjectNode* p = projectAt(id)) flag = &p->selected;
  if (DrawingNode* d = drawingAt(id)) flag = &d->selected;
  if (flag == nullptr || *flag == selected) return;
  *flag = selected;
  selectionTouched();
}

void ProjectTreeModel::clearAllSelected() {
  bool any = false;
  for (ProjectNode& p : roots_) {
    any = any || p.selected;
    p.selected = false;
    for (DrawingNode& d : p.children) {
      any = any || d.selected;
      d.selected = false;
    }
  }
  if (any) selectionTouched();
}

bool ProjectTreeModel::isBold(HcNodeId id) const {
  if (const ProjectNode* p = project(id)) return p->bold;
  const DrawingNode* d = drawing(id);
  return d != nullptr && d->bold;
}

void ProjectTreeModel::setBold(HcNodeId id, bool bold) {
  bool* flag = nullptr;
  if (ProjectNode* p = projectAt(id)) flag = &p->bold;
  if (DrawingNode* d = drawingAt(id)) flag = &d->bold;
  if (flag == nullptr || *flag == bold) return;
  *flag = bold;
  changed(id);
}

bool ProjectTreeModel::isExpanded(HcNodeId project) const {
  const ProjectNode* p = this->project(project);
  return p != nullptr && p->expanded;
}

void ProjectTreeModel::setExpanded(HcNodeId project, bool expanded) {
  ProjectNode* p = projectAt(project);
  if (p == nullptr || p->expanded == expanded) return;
  p->expanded = expanded;
  changed(project);
}

void ProjectTreeModel::setText(HcNodeId id, std::wstring text) {
  std::wstring* target = nullptr;
  if (ProjectNode* p = projectAt(id)) target = &p->text;
  if (DrawingNode* d = drawingAt(id)) target = &d->text;
  if (target == nullptr || *target == text) return;
  *target = std::move(text);
  changed(id);
}

void ProjectTreeModel::setCaret(HcNodeId id) {
  if (id != 0 && !exists(id)) return;
  if (id == caret_) {
    if (id != 0) setSelected(id, true);
    return;
  }
  SelectionBatch batch(*this);
  if (caret_ != 0) setSelected(caret_, false);
  caret_ = id;
  if (id != 0) setSelected(id, true);
  selectionTouched();
}

std::vector<HcNodeId> ProjectTreeModel::visibleNodes() const {
  std::vector<HcNodeId> nodes;
  nodes.reserve(index_.size());
  for (const ProjectNode& p : roots_) {
    nodes.push_back(p.id);
    if (p.expanded)
      for (const DrawingNode& d : p.children) nodes.push_back(d.id);
  }
  return nodes;
}

HcNodeId ProjectTreeModel::nextVisible(HcNodeId id) const {
  const auto it = index_.find(id);
  if (it == index_.end()) return 0;
  const auto [root, child] = it->second;
  const ProjectNode& p = roots_[root];
  if (child < 0 && p.expanded && !p.children.empty()) return p.children.front().id;
  if (child >= 0 && child + 1 < static_cast<int>(p.children.size())) return p.children[child + 1].id;
  return root + 1 < static_cast<int>(roots_.size()) ? roots_[root + 1].id : 0;
}

HcNodeId ProjectTreeModel::prevVisible(HcNodeId id) const {
  const auto it = index_.find(id);
  if (it == index_.end()) return 0;
  const auto [root, child] = it->second;
  if (child > 0) return roots_[root].children[child - 1].id;
  if (child == 0) return roots_[root].id;
  if (root == 0) return 0;
  const ProjectNode& above = roots_[root - 1];
  return above.expanded && !above.children.empty() ? above.children.back().id : above.id;
}

HcNodeId ProjectTreeModel::nextPreOrder(HcNodeId id) const {
  const auto it = index_.find(id);
  if (it == index_.end()) return 0;
  const auto [root, child] = it->second;
  const ProjectNode& p = roots_[root];
  if (child < 0 && !p.children.empty()) return p.children.front().id;
  if (child >= 0 && child + 1 < static_cast<int>(p.children.size())) return p.children[child + 1].id;
  return root + 1 < static_cast<int>(roots_.size()) ? roots_[root + 1].id : 0;
}

void ProjectTreeModel::reindexFrom(std::size_t root) {
  for (std::size_t r = root; r < roots_.size(); ++r) {
    index_[roots_[r].id] = Location{static_cast<int>(r), -1};
    reindexChildren(r);
  }
}

void ProjectTreeModel::reindexChildren(std::size_t root) {
  const std::vector<DrawingNode>& children = roots_[root].children;
  for (std::size_t i = 0; i < children.size(); ++i)
    index_[children[i].id] = Location{static_cast<int>(root), static_cast<int>(i)};
}

void ProjectTreeModel::selectionTouched() {
  selectionDirty_ = true;
  if (batchDepth_ == 0) endBatch();
}

void ProjectTreeModel::endBatch() {
  if (batchDepth_ > 0) --batchDepth_;
  if (batchDepth_ > 0 || !selectionDirty_) return;
  selectionDirty_ = false;
  if (listener_ != nullptr) listener_->selectionChanged();
  if (selectionObserver_) selectionObserver_();
}

void ProjectTreeModel::changed(HcNodeId id) const {
  if (listener_ != nullptr) listener_->nodeChanged(id);
}

}  // namespace vox::palette
