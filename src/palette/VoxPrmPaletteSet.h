#pragma once
// The palette set's window: shown or hidden, it owns the project manager's re-read timers and
// receives the re-read request (message 2987 with a project index), which it answers by
// re-reading that project. The palette content comes with the palette controls.

#include <memory>

#include "core/ReReadWindow.h"

class VoxPrmPaletteSet : public vox::core::ReReadWindow {
 public:
  static constexpr unsigned kReReadMessage = 2987;

  VoxPrmPaletteSet();
  ~VoxPrmPaletteSet() override;
  VoxPrmPaletteSet(const VoxPrmPaletteSet&) = delete;
  VoxPrmPaletteSet& operator=(const VoxPrmPaletteSet&) = delete;

  // The window exists until destroyWindow; timers are armed on it.
  bool hasLiveWindow() const override { return m_windowLive; }
  const void* window() const override { return this; }
  // Kills the window's timers; posted requests that arrive later find no window and do nothing.
  void destroyWindow();

  // Shown or hidden as the host's control bar; a destroyed window stays hidden.
  void show(bool visible) { m_visible = visible && m_windowLive; }
  bool isVisible() const { return m_visible; }

  // Posts the re-read request for the project at `projectIndex` to the window (through the
  // host's loop); false without a window or loop.
  bool postReReadRequest(int projectIndex) override;
  // The window's answer to the request: the manager's project at the index, re-read.
  void onReReadRequest(int projectIndex);

 private:
  bool m_windowLive = true;
  bool m_visible = false;
  // Shared with posted requests, so one that arrives after the palette set is gone does nothing.
  std::shared_ptr<bool> m_alive;
};
