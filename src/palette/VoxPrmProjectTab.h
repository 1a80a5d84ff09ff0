#pragma once
// The project tab of the palette: eight tool buttons (new project, new drawing, refresh, task
// list, re-sequence, display configuration, publish, help), and below the project tree a pane
// that shows either the details text or the preview picture of the one selected node. The tab
// follows the tree's selection, the active project's tasks and whether the host is busy.

#include <functional>
#include <string>

#include "core/ProjectEvent.h"
#include "host/HcPaletteControllers.h"
#include "palette/PaletteLayout.h"

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
  int bottomPage() const override { return layout_.bottom.selectedPage; }
  void showBottomPage(int page) override;
  std::wstring detailsText() const override { return details_; }
  std::string previewImage() const override { return preview_; }
  void setChangeListener(std::function<void()> listener) override { changed_ = std::move(listener); }
  double topToWholeRatio() const override { return layout_.topToWholeRatio; }
  void setTopToWholeRatio(double ratio) override;

  // The tab's name, which its stored layout is found by, and that layout.
  std::wstring name() const;
  vox::palette::PaletteLayout layout() const;
  void setLayout(const vox::palette::PaletteLayout& layout);

 private:
  void onTasksAdded(const std::wstring& projectID, const std::wstring&);
  void onTasksDeleted(const std::wstring& projectID, const std::wstring&);
  void onSetActive(const std::wstring& projectID);
  bool hostBusy() const;
  bool documentCommandAllowed() const;
  void changed() const;

  CProjectTree& tree_;
  vox::palette::PaletteLayout layout_;
  bool busy_ = false;
  bool taskListEnabled_ = false;
  std::wstring details_;
  std::string preview_;
  std::function<void()> changed_;
};
