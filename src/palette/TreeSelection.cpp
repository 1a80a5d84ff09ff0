// The project tree's multi-selection by mouse and keyboard. A selection never holds a project
// node together with drawings, and a range never reaches into another project's drawings.

#include <unordered_set>

#include "host/HcEventLoop.h"
#include "host/HcUiHost.h"
#include "palette/CProjectTree.h"

using Batch = vox::palette::ProjectTreeModel::SelectionBatch;

int CProjectTree::SelectItemEx(HcNodeId item, bool keepIfSame) {
  const HcNodeId caret = model_.caret();
  if (item != caret) {
    Batch batch(model_);
    model_.setCaret(item);
    anchor_ = item;
    if (caret != 0) model_.setSelected(caret, true);
    return 1;
  }
  if (keepIfSame) return 0;
  model_.setCaret(0);
  return 1;
}

// Every node's flag is cleared, not only the visible ones: drawings selected under a collapsed
// project would otherwise come back beside another project's after it is expanded.
void CProjectTree::ClearSelection(bool keepCaret) {
  Batch batch(model_);
  if (!keepCaret) model_.setCaret(0);
  model_.clearAllSelected();
  lastExtended_ = 0;
}

void CProjectTree::SelectMultiple(HcNodeId item, unsigned keyFlags, HcPoint /*point*/) {
  if (!model_.exists(item)) return;
  Batch batch(model_);
  const bool shift = (keyFlags & kHcShift) != 0;
  const bool ctrl = (keyFlags & kHcCtrl) != 0;
  if (!shift && !ctrl) {
    model_.clearAllSelected();
    model_.setCaret(item);
    anchor_ = item;
    return;
  }
  if (shift) {
    if (anchor_ == 0) anchor_ = model_.caret();
    if (ctrl) {
      SelectItems(lastExtended_ != 0 ? lastExtended_ : anchor_, item, true);
      lastExtended_ = item;
    } else {
      SelectItems(anchor_, item, false);
    }
  } else {
    const HcNodeId previousCaret = model_.caret();
    const bool previousSelected = model_.isSelected(previousCaret);
    const bool mayToggle = !model_.isProject(item) && (anchor_ == 0 || model_.parentOf(item) == model_.parentOf(anchor_));
    if (!mayToggle) return;
    if (model_.isSelected(item)) {
      model_.setSelected(item, false);
    } else {
      model_.setCaret(item);
    }
    // Ctrl on the caret itself only clears its flag; another previous caret keeps its own.
    if (previousCaret != 0 && previousCaret != item && !model_.isProject(previousCaret))
      model_.setSelected(previousCaret, previousSelected);
    if (model_.isProject(previousCaret)) model_.setSelected(previousCaret, false);
    lastExtended_ = item;
  }
  fixAnchor(item);
}

// After Shift or Ctrl the anchor must stay on a selected node.
void CProjectTree::fixAnchor(HcNodeId item) {
  if (anchor_ != 0 && model_.isSelected(anchor_)) return;
  const HcNodeId next = anchor_ != 0 ? GetNextSelectedItem(anchor_) : 0;
  anchor_ = next != 0 ? next : item;
}

int CProjectTree::SelectItems(HcNodeId from, HcNodeId to, bool keepExisting) {
  const std::vector<HcNodeId> visible = model_.visibleNodes();
  const auto first = std::find_if(visible.begin(), visible.end(), [&](HcNodeId id) { return id == from || id == to; });
  if (first == visible.end()) return 0;
  const HcNodeId last = *first == from ? to : from;
  Batch batch(model_);
  std::vector<HcNodeId> remembered;
  if (keepExisting)
    for (const HcNodeId id : visible)
      if (model_.isSelected(id)) remembered.push_back(id);
  const HcNodeId group = model_.isProject(from) ? 0 : model_.parentOf(from);
  const auto inGroup = [&](HcNodeId id) { return group != 0 && model_.parentOf(id) == group; };
  if (inGroup(to)) model_.setCaret(to);
  bool inRange = false;
  bool rangeDone = false;
  for (const HcNodeId id : visible) {
    if (id == *first) inRange = true;
    if (inGroup(id)) model_.setSelected(id, inRange && !rangeDone);
    if (inRange && id == last) rangeDone = true;
  }
  for (const HcNodeId id : remembered) model_.setSelected(id, true);
  return 1;
}

// ---- Mouse ----

void CProjectTree::OnLeftButtonDown(HcNodeId item, HcHitPart part, unsigned modifiers) {
  const bool plain = (modifiers & (kHcShift | kHcCtrl)) == 0;
  const bool armsRename = plain && item != 0 && item == model_.caret() && part == HcHitPart::kLabel && !labelEditing_ &&
                          !renamePending_;
  if (renamePending_ && !armsRename) {
    renamePending_ = false;
    if (HcEventLoop* loop = hcEventLoop()) loop->killTimer(this, kRenameTimerId);
  }
  if (armsRename) armDelayedRename();
  const bool onItem = part == HcHitPart::kIcon || part == HcHitPart::kLabel || part == HcHitPart::kStateIcon;
  if (multiSelect_ && item != 0 && onItem) {
    lastClicked_ = item;
    SelectMultiple(item, modifiers, {});
    return;
  }
  if (part == HcHitPart::kButton && model_.isProject(item)) setExpanded(item, !model_.isExpanded(item));
}

void CProjectTree::OnRightButtonDown(HcNodeId item, HcPoint point) {
  rightClickItem_ = model_.exists(item) ? item : 0;
  if (item != 0 && GetSelectedCount() > 1 && model_.isSelected(item)) {
    rightClickPoint_ = point;
    return;
  }
  if (item == 0 || !model_.exists(item)) {
    rightClickPoint_ = point;
    return;
  }
  Batch batch(model_);
  ClearSelection(false);
  model_.setCaret(item);
  anchor_ = item;
}

void CProjectTree::OnRightButtonUp(HcPoint cursor) {
  const HcPoint point = rightClickPoint_.value_or(cursor);
  rightClickPoint_.reset();
  OnContextMenu(point);
}

// ---- Keyboard ----

void CProjectTree::OnKeyDown(HcKey key, unsigned modifiers) {
  const bool shift = (modifiers & kHcShift) != 0;
  switch (key) {
    case HcKey::kF2:
      if (GetSelectedCount() == 1 && model_.caret() != 0) {
        contextItem_ = model_.caret();
        RenameTreeItem(contextItem_);
      }
      return;
    case HcKey::kUp:
    case HcKey::kDown:
    case HcKey::kPageUp:
    case HcKey::kPageDown:
      if (shift && multiSelect_) {
        shiftKey(key);
      } else {
        plainKey(key);
      }
      return;
    case HcKey::kHome:
    case HcKey::kEnd:
    case HcKey::kLeft:
    case HcKey::kRight:
      plainKey(key);
      return;
    case HcKey::kEnter:
      if (model_.isProject(model_.caret())) {
        setExpanded(model_.caret(), !model_.isExpanded(model_.caret()));
      } else if (model_.caret() != 0) {
        OnOpenItem(model_.caret());
      }
      return;
    default:
      return;
  }
}

HcNodeId CProjectTree::pageTarget(HcNodeId from, bool down) const {
  const int page = viewPort_ != nullptr ? std::max(1, viewPort_->pageSize() - 1) : 1;
  HcNodeId target = from;
  for (int i = 0; i < page; ++i) {
    const HcNodeId next = down ? model_.nextVisible(target) : model_.prevVisible(target);
    if (next == 0) break;
    target = next;
  }
  return target;
}

// Shift with Up, Down, Page Up or Page Down: the range from the anchor to the new caret, within
// the anchor's project. A new caret that is a project node or lies in another project is not
// given the selected flag.
void CProjectTree::shiftKey(HcKey key) {
  const HcNodeId caret = model_.caret();
  const bool paging = key == HcKey::kPageUp || key == HcKey::kPageDown;
  const bool down = key == HcKey::kDown || key == HcKey::kPageDown;
  const HcNodeId target = caret == 0 ? model_.firstNode()
                          : paging   ? pageTarget(caret, down)
                          : down     ? model_.nextVisible(caret)
                                     : model_.prevVisible(caret);
  if (target == 0 || target == caret) return;
  Batch batch(model_);
  if (anchor_ == 0) anchor_ = caret != 0 ? caret : target;
  if (paging)
    while (model_.isProject(anchor_) && model_.nextPreOrder(anchor_) != 0) anchor_ = model_.nextPreOrder(anchor_);
  model_.setCaret(target);
  if (model_.isProject(target) || model_.parentOf(target) != model_.parentOf(anchor_)) model_.setSelected(target, false);
  SelectItems(anchor_, target, false);
  fixAnchor(target);
  requestScroll(target, false);
}

// A key without Shift moves the caret as the control does; a multi-selection is dropped first.
void CProjectTree::plainKey(HcKey key) {
  const HcNodeId caret = model_.caret();
  HcNodeId target = 0;
  switch (key) {
    case HcKey::kUp: target = caret != 0 ? model_.prevVisible(caret) : model_.firstNode(); break;
    case HcKey::kDown: target = caret != 0 ? model_.nextVisible(caret) : model_.firstNode(); break;
    case HcKey::kPageUp: target = caret != 0 ? pageTarget(caret, false) : model_.firstNode(); break;
    case HcKey::kPageDown: target = caret != 0 ? pageTarget(caret, true) : model_.firstNode(); break;
    case HcKey::kHome: target = model_.firstNode(); break;
    case HcKey::kEnd: target = GetNextItem(0, kLastVisible); break;
    case HcKey::kLeft:
      if (model_.isProject(caret) && model_.isExpanded(caret)) {
        setExpanded(caret, false);
        return;
      }
      target = model_.parentOf(caret);
      break;
    case HcKey::kRight:
      if (model_.isProject(caret) && !model_.isExpanded(caret)) {
        setExpanded(caret, true);
        return;
      }
      target = model_.isProject(caret) ? GetNextItem(caret, kChild) : 0;
      break;
    default: break;
  }
  if (target == 0) return;
  Batch batch(model_);
  if (GetSelectedCount() > 1) ClearSelection(true);
  model_.setCaret(target);
  anchor_ = target;
  requestScroll(target, false);
}
