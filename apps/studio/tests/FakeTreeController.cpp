#include "FakeTreeController.h"

#include <algorithm>
#include <map>

namespace vox::studio::test {
namespace {

template <typename Event>
void tell(HcTreeListener* listener, Event event) {
  if (listener != nullptr) event(*listener);
}

}  // namespace

FakeTreeController::Drawing FakeTreeController::makeDrawing(const std::wstring& fileName) {
  Drawing drawing;
  drawing.id = nextId_++;
  drawing.fileName = fileName;
  return drawing;
}

HcNodeId FakeTreeController::openProject(const std::wstring& name, const std::vector<std::wstring>& fileNames, int row) {
  if (row < 0) row = int(projects_.size());
  Project project;
  project.id = nextId_++;
  project.name = name;
  for (const std::wstring& fileName : fileNames) project.drawings.push_back(makeDrawing(fileName));
  tell(listener_, [&](HcTreeListener& l) { l.projectAboutToBeInserted(row); });
  projects_.insert(projects_.begin() + row, std::move(project));
  tell(listener_, [&](HcTreeListener& l) { l.projectInserted(row); });
  return projects_[std::size_t(row)].id;
}

void FakeTreeController::closeProject(int row) {
  tell(listener_, [&](HcTreeListener& l) { l.projectAboutToBeRemoved(row); });
  projects_.erase(projects_.begin() + row);
  if (!find(caret_)) caret_ = 0;
  if (!find(anchor_)) anchor_ = 0;
  tell(listener_, [&](HcTreeListener& l) { l.projectRemoved(row); });
}

void FakeTreeController::moveToTop(int row) {
  tell(listener_, [](HcTreeListener& l) { l.rootsAboutToBeReordered(); });
  std::rotate(projects_.begin(), projects_.begin() + row, projects_.begin() + row + 1);
  tell(listener_, [](HcTreeListener& l) { l.rootsReordered(); });
}

void FakeTreeController::rebuildDrawings(int row, const std::vector<std::wstring>& fileNames) {
  Project& project = projects_.at(std::size_t(row));
  std::optional<std::wstring> caretName;
  std::vector<std::wstring> selectedNames;
  std::map<std::wstring, std::wstring> descriptions;
  for (const Drawing& drawing : project.drawings) {
    if (drawing.id == caret_) caretName = drawing.fileName;
    if (drawing.selected) selectedNames.push_back(drawing.fileName);
    if (!drawing.description.empty()) descriptions[drawing.fileName] = drawing.description;
  }
  tell(listener_, [&](HcTreeListener& l) { l.childrenAboutToBeRemoved(row, int(project.drawings.size())); });
  project.drawings.clear();
  tell(listener_, [&](HcTreeListener& l) { l.childrenRemoved(row); });
  tell(listener_, [&](HcTreeListener& l) { l.childrenAboutToBeInserted(row, int(fileNames.size())); });
  for (const std::wstring& fileName : fileNames) {
    Drawing drawing = makeDrawing(fileName);
    drawing.selected = std::find(selectedNames.begin(), selectedNames.end(), fileName) != selectedNames.end();
    if (const auto description = descriptions.find(fileName); description != descriptions.end())
      drawing.description = description->second;
    if (caretName == fileName) caret_ = drawing.id;
    project.drawings.push_back(drawing);
  }
  if (!find(caret_)) caret_ = 0;
  if (!find(anchor_)) anchor_ = caret_;
  tell(listener_, [&](HcTreeListener& l) { l.childrenInserted(row); });
}

void FakeTreeController::rebuildDrawings(int row) {
  std::vector<std::wstring> fileNames;
  for (const Drawing& drawing : projects_.at(std::size_t(row)).drawings) fileNames.push_back(drawing.fileName);
  rebuildDrawings(row, fileNames);
}

void FakeTreeController::setBold(HcNodeId id, bool bold) {
  const std::optional<Location> at = find(id);
  if (!at) return;
  Project& project = projects_[std::size_t(at->project)];
  (at->drawing < 0 ? project.bold : project.drawings[std::size_t(at->drawing)].bold) = bold;
  tell(listener_, [&](HcTreeListener& l) { l.nodeChanged(id); });
}

void FakeTreeController::setDescription(HcNodeId id, const std::wstring& description) {
  const std::optional<Location> at = find(id);
  if (!at || at->drawing < 0) return;
  projects_[std::size_t(at->project)].drawings[std::size_t(at->drawing)].description = description;
  tell(listener_, [&](HcTreeListener& l) { l.nodeChanged(id); });
}

void FakeTreeController::select(const std::vector<HcNodeId>& ids, HcNodeId caret) {
  clearSelection();
  for (const HcNodeId id : ids) setSelected(id, true);
  caret_ = caret;
  tell(listener_, [](HcTreeListener& l) { l.selectionChanged(); });
}

std::vector<HcNodeId> FakeTreeController::selected() const {
  std::vector<HcNodeId> ids;
  for (const HcNodeId id : visibleNodes())
    if (node(id)->selected) ids.push_back(id);
  return ids;
}

std::vector<HcNodeId> FakeTreeController::roots() const {
  std::vector<HcNodeId> ids;
  for (const Project& project : projects_) ids.push_back(project.id);
  return ids;
}

std::vector<HcNodeId> FakeTreeController::children(HcNodeId project) const {
  std::vector<HcNodeId> ids;
  const std::optional<Location> at = find(project);
  if (!at || at->drawing >= 0) return ids;
  for (const Drawing& drawing : projects_[std::size_t(at->project)].drawings) ids.push_back(drawing.id);
  return ids;
}

int FakeTreeController::childCount(HcNodeId parent) const {
  if (parent == 0) return int(projects_.size());
  const std::optional<Location> at = find(parent);
  return at && at->drawing < 0 ? int(projects_[std::size_t(at->project)].drawings.size()) : 0;
}

HcNodeId FakeTreeController::childAt(HcNodeId parent, int row) const {
  if (row < 0 || row >= childCount(parent)) return 0;
  if (parent == 0) return projects_[std::size_t(row)].id;
  return projects_[std::size_t(find(parent)->project)].drawings[std::size_t(row)].id;
}

int FakeTreeController::rowOf(HcNodeId id) const {
  const std::optional<Location> at = find(id);
  if (!at) return -1;
  return at->drawing >= 0 ? at->drawing : at->project;
}

std::optional<HcTreeNodeView> FakeTreeController::node(HcNodeId id) const {
  const std::optional<Location> at = find(id);
  if (!at) return std::nullopt;
  const Project& project = projects_[std::size_t(at->project)];
  HcTreeNodeView view;
  view.id = id;
  view.caret = id == caret_;
  if (at->drawing < 0) {
    view.text = project.name;
    view.icon = 0;
    view.expanded = project.expanded;
    view.selected = project.selected;
    view.bold = project.bold;
    return view;
  }
  const Drawing& drawing = project.drawings[std::size_t(at->drawing)];
  view.parent = project.id;
  view.text = drawing.description.empty() ? drawing.fileName : drawing.fileName + L" - " + drawing.description;
  view.icon = drawing.icon;
  view.selected = drawing.selected;
  view.bold = drawing.bold;
  return view;
}

std::wstring FakeTreeController::editText(HcNodeId id) const {
  const std::optional<Location> at = find(id);
  if (!at || at->drawing < 0) return {};
  return projects_[std::size_t(at->project)].drawings[std::size_t(at->drawing)].fileName;
}

void FakeTreeController::click(HcNodeId id, HcHitPart part, unsigned modifiers) {
  clicks.push_back({id, part, modifiers});
  const std::optional<Location> at = find(id);
  if (at && at->drawing < 0 && part == HcHitPart::kButton) setExpanded(id, !projects_[std::size_t(at->project)].expanded);
  if (!at || part == HcHitPart::kNone || part == HcHitPart::kButton) return;
  if (modifiers & kHcShift) {
    if (anchor_ == 0) anchor_ = caret_ != 0 ? caret_ : id;
    clearSelection();
    selectRange(anchor_, id);
  } else if (modifiers & kHcCtrl) {
    if (at->drawing >= 0) setSelected(id, !node(id)->selected);
  } else {
    clearSelection();
    setSelected(id, true);
    anchor_ = id;
  }
  caret_ = id;
  tell(listener_, [](HcTreeListener& l) { l.selectionChanged(); });
}

void FakeTreeController::key(HcKey key, unsigned modifiers) {
  keys.emplace_back(key, modifiers);
  if (key == HcKey::kDown || key == HcKey::kUp) {
    moveCaret(key == HcKey::kDown ? 1 : -1, (modifiers & kHcShift) != 0);
  } else if (key == HcKey::kF2 && !editText(caret_).empty()) {
    const std::wstring name = editText(caret_);
    tell(listener_, [&](HcTreeListener& l) { l.editRequest(caret_, name); });
  }
}

void FakeTreeController::moveCaret(int step, bool extend) {
  const std::vector<HcNodeId> visible = visibleNodes();
  const auto at = std::find(visible.begin(), visible.end(), caret_);
  if (at == visible.end()) return;
  const long target = (at - visible.begin()) + step;
  if (target < 0 || target >= long(visible.size())) return;
  caret_ = visible[std::size_t(target)];
  clearSelection();
  if (extend) {
    selectRange(anchor_ != 0 ? anchor_ : caret_, caret_);
  } else {
    setSelected(caret_, true);
    anchor_ = caret_;
  }
  tell(listener_, [](HcTreeListener& l) { l.selectionChanged(); });
}

void FakeTreeController::setExpanded(HcNodeId id, bool expanded) {
  expansions.emplace_back(id, expanded);
  const std::optional<Location> at = find(id);
  if (!at || at->drawing >= 0) return;
  projects_[std::size_t(at->project)].expanded = expanded;
  tell(listener_, [&](HcTreeListener& l) { l.nodeChanged(id); });
}

// A confirmed name renames the drawing; the project's drawings are then rebuilt, as a rename
// rebuilds the tree.
void FakeTreeController::endEdit(HcNodeId id, const std::optional<std::wstring>& text) {
  endEdits.push_back({id, text});
  const std::optional<Location> at = find(id);
  if (!at || at->drawing < 0 || !text || text->empty()) return;
  projects_[std::size_t(at->project)].drawings[std::size_t(at->drawing)].fileName = *text;
  rebuildDrawings(at->project);
}

std::optional<FakeTreeController::Location> FakeTreeController::find(HcNodeId id) const {
  for (std::size_t p = 0; p < projects_.size(); ++p) {
    if (projects_[p].id == id) return Location{int(p), -1};
    const std::vector<Drawing>& drawings = projects_[p].drawings;
    for (std::size_t d = 0; d < drawings.size(); ++d)
      if (drawings[d].id == id) return Location{int(p), int(d)};
  }
  return std::nullopt;
}

std::vector<HcNodeId> FakeTreeController::visibleNodes() const {
  std::vector<HcNodeId> ids;
  for (const Project& project : projects_) {
    ids.push_back(project.id);
    if (!project.expanded) continue;
    for (const Drawing& drawing : project.drawings) ids.push_back(drawing.id);
  }
  return ids;
}

void FakeTreeController::setSelected(HcNodeId id, bool selected) {
  const std::optional<Location> at = find(id);
  if (!at) return;
  Project& project = projects_[std::size_t(at->project)];
  (at->drawing < 0 ? project.selected : project.drawings[std::size_t(at->drawing)].selected) = selected;
}

void FakeTreeController::clearSelection() {
  for (Project& project : projects_) {
    project.selected = false;
    for (Drawing& drawing : project.drawings) drawing.selected = false;
  }
}

void FakeTreeController::selectRange(HcNodeId from, HcNodeId to) {
  const std::vector<HcNodeId> visible = visibleNodes();
  auto first = std::find(visible.begin(), visible.end(), from);
  auto last = std::find(visible.begin(), visible.end(), to);
  if (first == visible.end() || last == visible.end()) return;
  if (first > last) std::swap(first, last);
  for (auto it = first; it <= last; ++it) setSelected(*it, true);
}

}  // namespace vox::studio::test
