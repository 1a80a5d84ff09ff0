#pragma once
// The palette set's window: shown or hidden through the host's UI service, it owns the project
// manager's re-read timers and receives the re-read request (message 2987 with a project index),
// which it answers by re-reading that project. It holds the project tab's project tree, made
// with the window and destroyed with it.

#include <memory>
#include <string>

#include "core/ReReadWindow.h"
#include "host/HcPaletteControllers.h"

class CProjectTree;
class VoxPrmComboBox;
class VoxPrmProjectTab;

class VoxPrmPaletteSet : public vox::core::ReReadWindow, public HcPaletteSetController {
 public:
  static constexpr unsigned kReReadMessage = 2987;
  // Telling the LISP core which project is active failed: retried every second on this timer
  // until it succeeds or no project is active.
  static constexpr unsigned kActivationTimerId = 100;
  static constexpr unsigned kActivationRetryMs = 1000;

  VoxPrmPaletteSet();
  ~VoxPrmPaletteSet() override;
  VoxPrmPaletteSet(const VoxPrmPaletteSet&) = delete;
  VoxPrmPaletteSet& operator=(const VoxPrmPaletteSet&) = delete;

  // The window exists until destroyWindow; timers are armed on it.
  bool hasLiveWindow() const override { return m_windowLive; }
  const void* window() const override { return this; }
  // Kills the window's timers and lets the host take its layout and drop its views; posted
  // requests that arrive later find no window and do nothing.
  void destroyWindow();

  // Shown or hidden as the host's control bar; a destroyed window stays hidden.
  void show(bool visible);
  bool isVisible() const override { return m_visible; }

  // As the host's UI sees it: the caption (a module text), a fixed tool id and the layout.
  std::wstring caption() const override;
  std::wstring toolId() const override;
  void loadLayout(const pugi::xml_node& paletteSetElement) override;
  void saveLayout(pugi::xml_node& paletteSetElement) override;

  // The project tree of the project tab; null once the window is destroyed.
  HcTreeController* tree() override;
  CProjectTree* projectTree() const { return m_tree.get(); }
  // The project combo box above the tree; null once the window is destroyed.
  HcComboController* combo() override;
  HcProjectTabController* projectTab() override;
  VoxPrmProjectTab* tab() const { return m_tab.get(); }

  // Posts the re-read request for the project at `projectIndex` to the window (through the
  // host's loop); false without a window or loop.
  bool postReReadRequest(int projectIndex) override;
  // The window's answer to the request: the manager's project at the index, re-read.
  void onReReadRequest(int projectIndex);

  // Starts the activation retry timer unless it runs already.
  void startActivationRetry();
  bool isActivationRetryRunning() const { return m_activationRetry; }

 private:
  std::unique_ptr<CProjectTree> m_tree;
  std::unique_ptr<VoxPrmComboBox> m_combo;
  std::unique_ptr<VoxPrmProjectTab> m_tab;
  void onActivationTimer();

  bool m_windowLive = true;
  bool m_activationRetry = false;
  bool m_visible = false;
  // Shared with posted requests, so one that arrives after the palette set is gone does nothing.
  std::shared_ptr<bool> m_alive;
};
