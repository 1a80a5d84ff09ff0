#pragma once
// The project tab of the palette: eight tool buttons (new project, new drawing, refresh, task
// list, re-sequence, display configuration, publish, help), and below the project tree a pane
// that shows either the details text or the preview picture of the one selected node. The tab
// follows the tree's selection, the active project's tasks and whether the host is busy.

#include <functional>
#include <string>

#include "core/ProjectEvent.h"
#include "host/HcPaletteControllers.h"

class CProjectTree;

class VoxPrmProjectTab : public VoxPrmProjectEventReceiver, public HcProjectTabController {
 public:
  enum Command : unsigned {
    kPublishButton = 202, kRefreshButton = 203, kTaskListButton = 204, kResequenceButton = 205,
    kDisplayConfigButton = 206, kHelpButton = 207, kNewDrawingButton = 208, kNewProjectButton = 209
  };

  // The tab over `tree` (borrowed; it outlives the tab).
  explicit VoxPrmProjectTab(CProjectTree& tree);
  ~VoxPrmProjectTab() override;
  VoxPrmProjectTab(const VoxPrmProjectTab&) = delete;
  VoxPrmProjectTab& operator=(const VoxPrmProjectTab&) = delete;

  // The host started (true) or ended a command or LISP evaluation.
  void onCommandOrLispEvent(bool busy);
  // Asks the visible pane to show the selected node again.
  void refreshDetailsAndPreview();

  // HcProjectTabController
  std::vector<HcToolButtonView> buttons() const override;
  void press(unsigned command, HcPoint screenPoint) override;
  int bottomPage() const override { return page_; }
  void showBottomPage(int page) override;
  std::wstring detailsText() const override { return details_; }
  std::string previewImage() const override { return preview_; }
  void setChangeListener(std::function<void()> listener) override { changed_ = std::move(listener); }

 private:
  void onTasksAdded(const std::wstring& projectID, const std::wstring&);
  void onTasksDeleted(const std::wstring& projectID, const std::wstring&);
  void onSetActive(const std::wstring& projectID);
  bool hostBusy() const;
  bool documentCommandAllowed() const;
  void changed() const;

  CProjectTree& tree_;
  int page_ = 0;
  bool busy_ = false;
  bool taskListEnabled_ = false;
  std::wstring details_;
  std::string preview_;
  std::function<void()> changed_;
};
