#pragma once
// The project tree's nodes as a tree control holds them: project nodes in root order with their
// drawing nodes, per-node selected, bold and expanded flags, and one caret (the focus node).
// Moving the caret behaves as a native tree control does: the new caret gets the selected flag
// and the old one loses it. Every change is told to the listener; structural ones as
// before/after pairs, and selection changes once per batch (see SelectionBatch).

#include <functional>
#include <unordered_map>
#include <vector>

#include "palette/TreeNodes.h"

namespace vox::palette {

class ProjectTreeModel {
 public:
  ProjectTreeModel() = default;
  ProjectTreeModel(const ProjectTreeModel&) = delete;
  ProjectTreeModel& operator=(const ProjectTreeModel&) = delete;

  void setListener(HcTreeListener* listener) { listener_ = listener; }
  HcTreeListener* listener() const { return listener_; }

  // Structure.
  const std::vector<ProjectNode>& roots() const { return roots_; }
  HcNodeId appendProject(std::wstring text, std::unique_ptr<_projdatastruct> record);
  void removeProject(HcNodeId project);
  // Sorts the roots with `before` (a strict order); nothing is told when the order stays.
  void sortRoots(const std::function<bool(const ProjectNode&, const ProjectNode&)>& before);
  void removeChildren(HcNodeId project);
  // Appends drawing nodes (their ids and records' node handles are given here).
  void insertChildren(HcNodeId project, std::vector<DrawingNode> children);
  // Shows the project's drawing nodes that `keep` accepts and hides the others, all in project
  // order; hidden nodes lose their selected flag and the caret. Nothing is told when the shown
  // nodes stay the same; otherwise the drawings are removed and inserted whole. Whether the
  // shown nodes changed.
  bool filterChildren(HcNodeId project, const std::function<bool(const DrawingNode&)>& keep);
  // Drawing nodes hidden by filters, over all projects.
  std::size_t hiddenCount() const;
  HcNodeId newId() { return ++lastId_; }

  // Lookup; null or 0 for an unknown id.
  const ProjectNode* project(HcNodeId id) const;
  const DrawingNode* drawing(HcNodeId id) const;
  _itemdatastruct* record(HcNodeId id) const;
  HcNodeId parentOf(HcNodeId id) const;  // 0 for a project node or an unknown id
  bool isProject(HcNodeId id) const { return project(id) != nullptr; }
  bool exists(HcNodeId id) const { return index_.count(id) != 0; }
  int rowOf(HcNodeId project) const;  // -1 when it is no project node
  int rowInParent(HcNodeId id) const;  // among the roots or the project's drawings; -1 if unknown

  // Flags.
  bool isSelected(HcNodeId id) const;
  void setSelected(HcNodeId id, bool selected);
  void clearAllSelected();
  bool isBold(HcNodeId id) const;
  void setBold(HcNodeId id, bool bold);
  bool isExpanded(HcNodeId project) const;
  void setExpanded(HcNodeId project, bool expanded);
  void setText(HcNodeId id, std::wstring text);
  HcNodeId caret() const { return caret_; }
  // Makes `id` (0: none) the caret; the old caret loses the selected flag, the new one gets it.
  void setCaret(HcNodeId id);

  // Visible order: each project, then its drawings when it is expanded.
  std::vector<HcNodeId> visibleNodes() const;
  HcNodeId firstNode() const { return roots_.empty() ? 0 : roots_.front().id; }
  HcNodeId nextVisible(HcNodeId id) const;
  HcNodeId prevVisible(HcNodeId id) const;
  // Pre-order over the whole tree whatever is expanded: first child, else the next sibling,
  // else the parent's next sibling.
  HcNodeId nextPreOrder(HcNodeId id) const;

  // While a batch is open selection changes are collected and told once when it closes.
  class SelectionBatch {
   public:
    explicit SelectionBatch(ProjectTreeModel& model) : model_(model) { ++model_.batchDepth_; }
    ~SelectionBatch() { model_.endBatch(); }
    SelectionBatch(const SelectionBatch&) = delete;
    SelectionBatch& operator=(const SelectionBatch&) = delete;

   private:
    ProjectTreeModel& model_;
  };
  // Called (outside batches) after the selection changed, for the details pane.
  void setSelectionObserver(std::function<void()> observer) { selectionObserver_ = std::move(observer); }

 private:
  struct Location {
    int root = 0;
    int child = -1;  // -1: the project node itself
  };
  ProjectNode* projectAt(HcNodeId id);
  DrawingNode* drawingAt(HcNodeId id);
  void reindexFrom(std::size_t root);
  void reindexChildren(std::size_t root);
  void selectionTouched();
  void endBatch();
  void changed(HcNodeId id) const;

  std::vector<ProjectNode> roots_;
  std::unordered_map<HcNodeId, Location> index_;
  HcNodeId lastId_ = 0;
  HcNodeId caret_ = 0;
  HcTreeListener* listener_ = nullptr;
  int batchDepth_ = 0;
  bool selectionDirty_ = false;
  std::function<void()> selectionObserver_;
};

}  // namespace vox::palette
