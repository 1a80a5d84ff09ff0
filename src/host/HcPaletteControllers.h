#pragma once
// The module's palette as a host sees it: the palette set (the dockable frame) and the parts of
// its project tab (tool buttons, project combo box, project tree, details and preview). Each
// part is a controller inside the module that owns every state and decision; a host draws what
// the getters answer and forwards the user's input. A part that does not exist answers null.
// Listeners tell a view what changed, with a granularity that maps onto a widget model's
// signals.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pugi {
class xml_node;
}

// A point in screen pixels.
struct HcPoint {
  int x = 0;
  int y = 0;
  bool operator==(const HcPoint&) const = default;
};

// Keyboard modifiers as flags.
enum HcModifier : unsigned { kHcNoModifier = 0, kHcShift = 1, kHcCtrl = 2, kHcAlt = 4 };

enum class HcKey { kUp, kDown, kLeft, kRight, kHome, kEnd, kPageUp, kPageDown, kEnter, kEscape, kDelete, kF2, kSpace };

// Tree nodes are named by ids that are never reused, so a stale id is detectably stale.
using HcNodeId = std::uint64_t;

// Where on a node the pointer was: its icon, its label, its state icon, or beside it.
enum class HcHitPart { kNone, kIcon, kLabel, kStateIcon, kButton };

// The lock mark of a file: green held by this user, red by another one, yellow read-only,
// grey a file that cannot be read.
enum class HcLockMark { kNone, kGreen, kRed, kYellow, kGrey };

struct HcTreeNodeView {
  HcNodeId id = 0;
  HcNodeId parent = 0;  // 0 for a project (root) node
  std::wstring text;
  std::wstring tooltip;  // full text when the node text is shortened, else empty
  int icon = 0;
  bool expanded = false;
  bool selected = false;
  bool caret = false;
  bool bold = false;
  std::vector<std::wstring> marks;  // further flags a host may show ("active", "locked")
  // A mark when the node's file is held by another user, read-only or cannot be read, and why.
  HcLockMark lock = HcLockMark::kNone;
  std::wstring lockText;
  // A note on a project node: changed on disk a moment ago, or a re-read that failed (lasting).
  std::wstring note;
};

// Structural changes come in pairs: the "about to" event before the controller changes (the
// old structure still answers), the other after it (the new structure answers). Rows are
// positions among the roots; a project's drawings are always removed or inserted whole.
class HcTreeListener {
 public:
  virtual ~HcTreeListener() = default;
  virtual void projectAboutToBeInserted(int /*row*/) {}
  virtual void projectInserted(int /*row*/) {}
  virtual void projectAboutToBeRemoved(int /*row*/) {}
  virtual void projectRemoved(int /*row*/) {}
  virtual void rootsAboutToBeReordered() {}
  virtual void rootsReordered() {}
  virtual void childrenAboutToBeRemoved(int /*projectRow*/, int /*count*/) {}
  virtual void childrenRemoved(int /*projectRow*/) {}
  virtual void childrenAboutToBeInserted(int /*projectRow*/, int /*count*/) {}
  virtual void childrenInserted(int /*projectRow*/) {}
  // Text, icon, bold, expanded state or marks of one node changed.
  virtual void nodeChanged(HcNodeId /*id*/) {}
  // Selected flags or the caret changed; raised once per user action.
  virtual void selectionChanged() {}
  virtual void editRequest(HcNodeId /*id*/, const std::wstring& /*initialText*/) {}
};

// The facts about the tree that only the drawn view knows.
class HcTreeViewPort {
 public:
  virtual ~HcTreeViewPort() = default;
  virtual HcNodeId firstVisibleNode() const = 0;  // 0 when the tree is empty
  virtual int pageSize() const = 0;               // whole rows that fit in the view
  virtual void scrollToTop(HcNodeId id) = 0;
  virtual void ensureVisible(HcNodeId id) = 0;
};

class HcTreeController {
 public:
  virtual ~HcTreeController() = default;
  virtual std::vector<HcNodeId> roots() const = 0;
  virtual std::vector<HcNodeId> children(HcNodeId project) const = 0;
  // Positions for views that ask row by row. Parent 0 names the roots. childCount: 0 for a
  // drawing or an unknown id; childAt: 0 for a row out of range; rowOf: the node's row among its
  // siblings, -1 for an unknown id. The defaults copy the lists; a large tree answers directly.
  virtual int childCount(HcNodeId parent) const { return static_cast<int>(siblings(parent).size()); }
  virtual HcNodeId childAt(HcNodeId parent, int row) const {
    const std::vector<HcNodeId> ids = siblings(parent);
    return row >= 0 && row < static_cast<int>(ids.size()) ? ids[static_cast<std::size_t>(row)] : 0;
  }
  virtual int rowOf(HcNodeId id) const {
    const std::optional<HcTreeNodeView> view = node(id);
    if (!view) return -1;
    const std::vector<HcNodeId> ids = siblings(view->parent);
    const auto found = std::find(ids.begin(), ids.end(), id);
    return found == ids.end() ? -1 : static_cast<int>(found - ids.begin());
  }
  virtual std::optional<HcTreeNodeView> node(HcNodeId id) const = 0;
  // Text an edit starts from (the file name of a drawing), empty when the node cannot be renamed.
  virtual std::wstring editText(HcNodeId id) const = 0;

  virtual void setListener(HcTreeListener* listener) = 0;
  virtual void setViewPort(HcTreeViewPort* viewPort) = 0;

  virtual void click(HcNodeId id, HcHitPart part, unsigned modifiers) = 0;
  virtual void doubleClick(HcNodeId id) = 0;
  virtual void key(HcKey key, unsigned modifiers) = 0;
  // Right button on a node (0: empty space) at a screen point: the context menu and its command.
  virtual void rightClick(HcNodeId id, HcPoint screenPoint) = 0;
  virtual void setExpanded(HcNodeId id, bool expanded) = 0;
  // The label edit ended: the new text, or none when cancelled.
  virtual void endEdit(HcNodeId id, const std::optional<std::wstring>& text) = 0;

  // The filter box above the tree: drawing nodes whose text or file name does not contain
  // `text` (ignoring case) are hidden; an empty text shows all again. A tree without a filter
  // ignores it.
  virtual void setFilter(const std::wstring& /*text*/) {}
  virtual std::wstring filterText() const { return {}; }
  // Drawing nodes the filter hides.
  virtual std::size_t hiddenCount() const { return 0; }
  // Expands or collapses every project node.
  virtual void setAllExpanded(bool /*expanded*/) {}
  // Keys pressed in the tree, in Qt's portable names ("Ctrl+Shift+C"): the command of the
  // caret's menu with that shortcut runs when it is enabled. Whether a command ran.
  virtual bool shortcut(const std::wstring& /*keys*/) { return false; }

 private:
  std::vector<HcNodeId> siblings(HcNodeId parent) const { return parent == 0 ? roots() : children(parent); }
};

struct HcComboItemView {
  std::wstring text;
  bool separator = false;
  bool checked = false;  // the active project
  bool enabled = true;
};

// The closed face of the combo box: its text and the lock mark.
struct HcComboFace {
  std::wstring text;
  std::wstring textTooltip;
  HcLockMark lock = HcLockMark::kNone;
  std::wstring lockTooltip;
};

class HcComboController {
 public:
  virtual ~HcComboController() = default;
  virtual std::vector<HcComboItemView> items() const = 0;
  virtual int currentIndex() const = 0;
  virtual HcComboFace face(int widthPx) const = 0;
  virtual void choose(int index) = 0;
  // Called after items() or currentIndex() changed.
  virtual void setChangeListener(std::function<void()> listener) = 0;
};

struct HcToolButtonView {
  unsigned command = 0;
  std::wstring name;  // stable short name for scripts ("refresh")
  std::wstring tooltip;
  bool enabled = true;
};

// The tool buttons, the details and preview pages of the project tab.
class HcProjectTabController {
 public:
  virtual ~HcProjectTabController() = default;
  virtual std::vector<HcToolButtonView> buttons() const = 0;
  virtual void press(unsigned command, HcPoint screenPoint) = 0;
  // 0 details, 1 preview.
  virtual int bottomPage() const = 0;
  virtual void showBottomPage(int page) = 0;
  virtual std::wstring detailsText() const = 0;
  // PNG bytes of the selected drawing's thumbnail, empty for none.
  virtual std::string previewImage() const = 0;
  // The share of the split area above the lower pane (0 to 1), kept with the palette's layout.
  virtual double topToWholeRatio() const { return 0.7; }
  virtual void setTopToWholeRatio(double /*ratio*/) {}
  // Called after buttons, page, details or preview changed.
  virtual void setChangeListener(std::function<void()> listener) = 0;
};

class HcPaletteSetController {
 public:
  virtual ~HcPaletteSetController() = default;
  virtual std::wstring caption() const = 0;
  // A fixed id of the palette set; its layout is stored under it.
  virtual std::wstring toolId() const = 0;
  virtual bool isVisible() const = 0;

  // Its stored layout, handed over after the host's own; the element is the palette set's own
  // element in the host's layout tree.
  virtual void loadLayout(const pugi::xml_node& paletteSetElement) = 0;
  virtual void saveLayout(pugi::xml_node& paletteSetElement) = 0;

  virtual HcProjectTabController* projectTab() { return nullptr; }
  virtual HcComboController* combo() { return nullptr; }
  virtual HcTreeController* tree() { return nullptr; }
};
