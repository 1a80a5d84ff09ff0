#pragma once
// The project tree of the palette's project tab: one node per open project (the active one
// first and bold), under each one node per drawing entry in project order, the drawing that is
// active in the host bold. It follows the project manager through the project events (changes
// of a drawing list included, so they show at once), keeps its own multi-selection of drawings
// (never a project together with drawings, never drawings of two projects by a range), renames
// a drawing file from its label, offers the context menus and their commands, and gives the
// status and details texts of the selected node. A host draws it through HcTreeController;
// the view port answers what only the drawn tree knows (first visible node, page size).
//
// The operations keep the names the rest of the module and derived trees use; the drawing
// node texts and scratch-database values are in DrawingNodeText.h.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ProjectEvent.h"
#include "locking/LockStatus.h"
#include "palette/DrawingNodeText.h"
#include "palette/ProjectTreeModel.h"
#include "palette/TreeMenus.h"
#include "palette/TreeNodeMarks.h"

class CProjectTree : public VoxPrmProjectEventReceiver, public HcTreeController {
 public:
  // Navigation codes of GetNextItem.
  enum NextItemCode {
    kRoot = 0, kNext = 1, kPrevious = 2, kParent = 3, kChild = 4, kFirstVisible = 5, kNextVisible = 6,
    kPreviousVisible = 7, kCaret = 9, kLastVisible = 10, kPreOrder = 15
  };
  // The timer of the delayed left-click rename.
  static constexpr unsigned kRenameTimerId = 2;
  // The periodic check of the marked nodes' lock states, and the end of a "changed on disk" note.
  static constexpr unsigned kMarksTimerId = 3;
  static constexpr unsigned kMarksCheckMs = 3000;
  static constexpr unsigned kNoteTimerId = 4;
  static constexpr unsigned kChangedNoteMs = 5000;

  // Subscribes the event handlers and fills the tree from the projects already open.
  CProjectTree();
  ~CProjectTree() override;
  CProjectTree(const CProjectTree&) = delete;
  CProjectTree& operator=(const CProjectTree&) = delete;

  // The records of new nodes; a derived tree may give richer ones.
  virtual std::unique_ptr<_projdatastruct> NewProjDataStruct(const std::wstring& path);
  virtual std::unique_ptr<_dwgdatastruct> NewDwgDataStruct(const std::wstring& path);

  // ---- Lookup and query (0 or null for none) ----
  HcNodeId GetProjectItem(const std::wstring& projectID) const;
  HcNodeId GetDrawingItem(const std::wstring& path) const;
  _projdatastruct* GetProjectDataForItem(HcNodeId item) const;
  bool IsProjectItem(HcNodeId item) const;
  bool IsSelected(HcNodeId item) const { return model_.isSelected(item); }
  bool IsLabelEditing() const { return labelEditing_; }
  _itemdatastruct* GetItemData(HcNodeId item) const { return model_.record(item); }
  // Selected nodes among the visible ones (drawings under collapsed projects do not count).
  int GetSelectedCount() const;
  HcNodeId GetFirstSelectedItem() const;
  HcNodeId GetNextSelectedItem(HcNodeId item) const;
  HcNodeId GetPrevSelectedItem(HcNodeId item) const;
  HcNodeId GetNextItem(HcNodeId item, int code) const;
  HcNodeId GetCaret() const { return model_.caret(); }
  // The caret is a drawing: its path and, when asked, its project's ID.
  bool IsDrawingSelected(std::wstring* drawingPath, std::wstring* projectID) const;
  bool AreDrawingsSelected(std::vector<std::wstring>& paths, std::wstring* projectID) const;
  bool IsAnySelectedDrawingOpen() const;

  // ---- Model ----
  virtual HcNodeId InsertProjectItem(const std::wstring& projectID);
  virtual void ProjectOpen(const std::wstring& projectID);
  // Builds the drawing nodes of a project; the paths of `reselect` found are selected (the
  // first as caret) and taken off the list. False, nothing built, without a manager, an open
  // project, the item or the display setting.
  bool AddDWGNodes(HcNodeId projectItem, const std::wstring& projectID, std::vector<std::wstring>* reselect);
  void DeleteChildNodes(HcNodeId item);
  virtual void Refresh();
  // Bolds the node of `path` (none: the host's active document) and un-bolds the previous one.
  void BoldNewActiveDrawing(const std::wstring* path);
  void SaveReReadFirstVisItems();
  void ReReadSetupFirstVisItems();
  void SetReReadExpandCollapse(const std::wstring& projectID);
  void ReReadExpandCollapse(const std::wstring& projectID);
  void SetOldSelection();
  void SetOldSingleSelection();
  void ReSelectOldSelection(const std::wstring& projectID);
  bool keepsSelectionVisible() const { return showSelectionAlways_; }

  // ---- Status and details texts ----
  static bool GetProjectStatusText(const std::wstring& projectID, std::wstring& text, _lockStatus* status);
  static bool GetDrawingStatusText(const std::wstring& path, std::wstring& text, _lockStatus* status);
  virtual bool GetDisplayDetails_Status(HcNodeId item, _lockStatus* status, std::wstring& text);
  virtual bool GetDisplayDetails(std::wstring& text);

  // ---- Project events ----
  void HookProjectEvents();
  void UnhookProjectEvents();
  void onProjectOpen(const std::wstring& projectID);
  void onProjectClose(const std::wstring& projectID);
  void onProjectCloseAllNA();
  void onProjectSetActive(const std::wstring& projectID);
  virtual void onProjectReRead(const std::wstring& projectID);
  void onDrawingActivate(const std::wstring& path);
  // A project's drawing list changed through the manager (added, removed or replaced entries):
  // its nodes are rebuilt as after a re-read, without reading the file again.
  void onProjectDrawingsChanged(const std::wstring& projectID);

  // ---- Selection ----
  int SelectItemEx(HcNodeId item, bool keepIfSame);
  void ClearSelection(bool keepCaret);
  void SelectMultiple(HcNodeId item, unsigned keyFlags, HcPoint point);
  int SelectItems(HcNodeId from, HcNodeId to, bool keepExisting);
  void OnKeyDown(HcKey key, unsigned modifiers);
  void OnLeftButtonDown(HcNodeId item, HcHitPart part, unsigned modifiers);
  void OnRightButtonDown(HcNodeId item, HcPoint point);
  void OnRightButtonUp(HcPoint cursor);
  HcNodeId anchorItem() const { return anchor_; }
  HcNodeId lastExtendedItem() const { return lastExtended_; }
  HcNodeId contextItem() const { return contextItem_; }
  void setContextItem(HcNodeId item) { contextItem_ = item; }
  void setMultiSelectEnabled(bool enabled) { multiSelect_ = enabled; }

  // ---- Filter box and expansion of all projects ----
  // While a filter is set, each project shows only its matching drawings (DrawingFilter.h) and a
  // project with matches is expanded; hidden drawings are no nodes: selections, ranges and
  // commands never reach them. Rebuilds while filtering filter the new nodes. Clearing the
  // filter brings back the expansion from before it and, unless the user selected something
  // meanwhile, the selection from before it.
  void setFilter(const std::wstring& text) override;
  std::wstring filterText() const override { return filter_; }
  std::size_t hiddenCount() const override { return model_.hiddenCount(); }
  void setAllExpanded(bool expanded) override;
  // The caret's menu (the empty-space menu without a caret) decides, as a right click would.
  bool shortcut(const std::wstring& keys) override;

  // ---- Marks (TreeNodeMarks.h) ----
  // The project was read again after a change on disk: a note for a few seconds.
  void NoteChangedOnDisk(const std::wstring& projectID);
  // Reading it again failed: a lasting note with the reason, until a re-read succeeds.
  void NoteReReadFailed(const std::wstring& projectID);
  // Asks again for the lock states of the nodes shown so far; views hear of changed ones.
  void RecheckMarks();

  // ---- Rename ----
  virtual void RenameTreeItem(HcNodeId item);
  virtual bool DoActualFileRename(const std::wstring& oldPath, const std::wstring& newPath);
  void SetAllowLeftClickRename(bool allow) { allowLeftClickRename_ = allow; }
  bool isRenamePending() const { return renamePending_; }
  // Runs the host's pending work (posted callbacks, file notices) before going on.
  static void PumpDraftorMessages();
  // The label edit begins: the file name the editor starts from, or none when refused.
  std::optional<std::wstring> OnBeginLabelEdit(HcNodeId item);
  void OnEndLabelEdit(HcNodeId item, const std::optional<std::wstring>& text);

  // ---- The palette's hooks ----
  // Asked to refresh the details and preview pane (after selection changes and rebuilds).
  void setDetailsRefresh(std::function<void()> refresh) { detailsRefresh_ = std::move(refresh); }

  // ---- Context menus and their commands ----
  // Shows the menu of the node the right button was pressed on (empty space without one) at a
  // screen point, and runs the chosen command after the menu closed.
  virtual void OnContextMenu(HcPoint point);
  // The menu for a node's record (null: empty space), with its enabling rules; none for a record
  // of another kind.
  virtual std::optional<HcMenu> CreateContextMenu(const _itemdatastruct* record);
  virtual void RunMenuCommand(unsigned command);
  // A double click or Enter on a drawing node opens it.
  virtual void OnOpenItem(HcNodeId item);
  const std::wstring& copiedDrawing() const { return copiedDrawing_; }

  // Project commands, on the context project.
  virtual bool ProjectMenuActivate(const std::wstring& projectID);
  virtual bool ProjectMenuClose(const std::wstring& projectID);
  virtual bool ProjectMenuDescriptions(const std::wstring& projectID);
  virtual bool ProjectMenuReorderDrawings(const std::wstring& projectID);
  virtual bool ProjectMenuRemoveDrawings(const std::wstring& projectID);
  virtual bool ProjectMenuSettings();
  virtual bool ProjectMenuAddDrawings(const std::wstring& projectID);
  virtual bool ProjectMenuAddActiveDrawing(const std::wstring& projectID);
  virtual bool ProjectMenuExceptionList();
  virtual bool EmptySelectMenuOpenProject();
  virtual bool OnProjectMenuSymbolLibs();
  // Queues a command string (ending in a carriage return) to the current document, from the
  // application context.
  virtual void QueueCommand(const std::wstring& command);
  // The message that a command is running in the host.
  static void showBusyMessage();

  // Drawing commands, on the selected drawings or the context drawing.
  virtual void OnDrawingMenuOpen();
  virtual bool DrawingMenuOpen(const std::wstring& path);
  virtual bool VoxContextOpenDocument(const std::wstring& path, _lockStatus status);
  virtual void OnDrawingMenuClose();
  virtual bool DrawingMenuRemove(const std::wstring& projectID, const std::vector<std::wstring>& paths);
  virtual bool DrawingMenuProperties();
  virtual bool DrawingPropsMenuCompare();
  virtual bool DrawingPropsMenuCopy();
  virtual bool DrawingPropsMenuPaste();
  virtual bool DrawingPropsMenuApplyProjDefaults();
  virtual bool DrawingMenuCopyTo();
  virtual bool DrawingMenuReplace(const _projdatastruct& projectRecord, const std::wstring& oldPath);

  // ---- HcTreeController ----
  std::vector<HcNodeId> roots() const override;
  std::vector<HcNodeId> children(HcNodeId project) const override;
  int childCount(HcNodeId parent) const override;
  HcNodeId childAt(HcNodeId parent, int row) const override;
  int rowOf(HcNodeId id) const override { return model_.rowInParent(id); }
  std::optional<HcTreeNodeView> node(HcNodeId id) const override;
  std::wstring editText(HcNodeId id) const override;
  void setListener(HcTreeListener* listener) override { model_.setListener(listener); }
  void setViewPort(HcTreeViewPort* viewPort) override { viewPort_ = viewPort; }
  void click(HcNodeId id, HcHitPart part, unsigned modifiers) override;
  void doubleClick(HcNodeId id) override;
  void key(HcKey key, unsigned modifiers) override;
  void rightClick(HcNodeId id, HcPoint screenPoint) override;
  void setExpanded(HcNodeId id, bool expanded) override;
  void endEdit(HcNodeId id, const std::optional<std::wstring>& text) override;

  const vox::palette::ProjectTreeModel& model() const { return model_; }

 protected:
  void refreshDetails() const;

 private:
  // The label edit under way: its node, project and drawing, and the locks taken for it, which
  // the session's end releases.
  struct RenameSession {
    HcNodeId item = 0;
    std::wstring projectID;
    std::wstring drawingPath;
    std::vector<std::wstring> locked;
    RenameSession() = default;
    RenameSession(const RenameSession&) = delete;
    RenameSession& operator=(const RenameSession&) = delete;
    ~RenameSession();
  };
  // What the tree looked like when a filter began, for when it is cleared.
  struct FilterSession {
    std::vector<std::wstring> expandedProjects;
    std::vector<std::wstring> selectedPaths;  // project IDs or drawing paths
    std::wstring caretPath;
    unsigned selectionVersion = 0;  // after the filter's last application
  };
  void onProjectLockChanged(const std::wstring& projectID);
  void onProjectReadOnlyChanged(const std::wstring& projectID, bool) { onProjectLockChanged(projectID); }
  // Fills a view's lock mark and note.
  void addMarks(HcTreeNodeView& view, const _itemdatastruct* record) const;
  void nodeChanged(HcNodeId id) const;
  // Hides the project's drawings the filter does not match; expands it when some match.
  void applyFilter(HcNodeId project);
  void endFilterSession(const FilterSession& session);
  void sortRoots(const std::wstring& activeID);
  void rebuildProject(const std::wstring& projectID);
  void onAddDrawing(const std::wstring& id, const VoxPrmFileDetails&) { onProjectDrawingsChanged(id); }
  void onAddOrRemoveDrawings(const std::wstring& id, const std::vector<VoxPrmFileDetails>&) { onProjectDrawingsChanged(id); }
  void onRemoveDrawing(const std::wstring& id, const std::wstring&, bool) { onProjectDrawingsChanged(id); }
  void onReplaceDrawing(const std::wstring& id, const std::wstring&, const std::wstring&, bool) {
    onProjectDrawingsChanged(id);
  }
  std::wstring projectIdOf(HcNodeId item) const;
  std::wstring scratchDatabasePath(const std::wstring& projectID) const;
  void fixAnchor(HcNodeId item);
  void moveCaretByKey(HcKey key);
  void shiftKey(HcKey key);
  void plainKey(HcKey key);
  void requestScroll(HcNodeId id, bool toTop) const;
  void armDelayedRename();
  void onRenameTimer();
  // Renames the file and the project entry; the new path when both were renamed.
  std::optional<std::wstring> finishRename(const RenameSession& session, const std::wstring& newName);
  HcNodeId pageTarget(HcNodeId from, bool down) const;
  vox::palette::MenuFacts menuFacts(const _itemdatastruct* record) const;
  // The selected drawings (several) or the context drawing, in visible order.
  std::vector<HcNodeId> commandDrawings() const;
  bool queueForDrawing(const wchar_t* command);
  // An integer system variable of the host is set (not 0).
  static bool hostVariableOn(const wchar_t* name);

  vox::palette::ProjectTreeModel model_;
  HcTreeViewPort* viewPort_ = nullptr;
  std::function<void()> detailsRefresh_;
  bool eventsHooked_ = false;

  HcNodeId contextItem_ = 0;
  std::wstring oldSelectionProject_;
  std::vector<std::wstring> oldSelectionDrawings_;
  bool projectWasExpanded_ = false;
  std::array<std::wstring, 4> firstVisibleItems_;
  std::wstring labelBeforeEditing_;
  bool multiSelect_ = true;
  HcNodeId lastClicked_ = 0;
  HcNodeId anchor_ = 0;
  HcNodeId lastExtended_ = 0;
  bool renamePending_ = false;
  HcNodeId closingItem_ = 0;
  HcNodeId rightClickItem_ = 0;  // the node under the last right press, 0 for empty space
  bool inContextMenu_ = false;
  std::wstring copiedDrawing_;
  std::optional<HcPoint> rightClickPoint_;
  bool labelEditing_ = false;
  bool allowLeftClickRename_ = true;
  std::wstring boldDrawing_;
  bool showSelectionAlways_ = false;
  std::unique_ptr<RenameSession> rename_;
  mutable vox::palette::TreeNodeMarks marks_;
  std::wstring filter_;
  std::optional<FilterSession> filterSession_;
  unsigned selectionVersion_ = 0;  // counts selection changes
  // Shared with the rename timer's callback, so one that fires after the tree is gone does nothing.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
