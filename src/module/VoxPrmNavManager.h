#pragma once
// The module's owner of its long-lived objects: the project manager, the palette set, the
// subsystem notifier and the three host reactors (document manager, editor, input context),
// plus the LISP requests that wait for an idle editor and the palette's show-at-start-up flag
// (settings store: product key + "\Settings\ESW", "Visibility"). One exists from the module's
// initialisation to its unload; while it lives it is installed as the module's objects.

#include <memory>
#include <string>

#include "core/PendingRequestQueue.h"
#include "core/VoxPrmProjectEvents.h"

class VoxPrmPaletteSet;
class VoxPrmProjectManager;
class VoxPrmSubsystemNotifier;

namespace vox::module {
class DocManagerReactor;
class EditorReactor;
class InputContextReactor;
}  // namespace vox::module

class VoxPrmNavManager {
 public:
  VoxPrmNavManager();
  // Tears down in order: input-context reactor, editor reactor, document reactor, subsystem
  // notifier, palette set, project manager; then stores the show-at-start-up flag.
  ~VoxPrmNavManager();
  VoxPrmNavManager(const VoxPrmNavManager&) = delete;
  VoxPrmNavManager& operator=(const VoxPrmNavManager&) = delete;

  // Creates what does not exist yet: project manager, palette set, subsystem notifier, the
  // document and editor reactors.
  void initialise();

  VoxPrmProjectManager* projectManager() const { return m_projectManager.get(); }
  VoxPrmPaletteSet* paletteSet() const { return m_paletteSet.get(); }
  vox::module::InputContextReactor* inputContextReactor() const { return m_inputContextReactor.get(); }
  vox::core::NavigationState& navigation() { return m_navigation; }

  // Shows (setting the show-at-start-up flag first) or hides the palette.
  void showPalette(bool show);
  bool isPaletteVisible() const;
  bool showAtStartup() const { return m_showAtStartup; }

  // Left by palette commands for the next drawing-properties or comparison command; reading
  // clears them.
  void setPending(const std::wstring& drawingPath, const std::wstring& projectPath);
  std::pair<std::wstring, std::wstring> takePending();

  // The editor became idle: start-up re-opening, busy event, wait cursor, the pending
  // make-active notice and the queued LISP requests.
  void onQuiescent();
  // "CleanScreenState" changed: the palette hides while the screen is clean and comes back after.
  void onCleanScreenChanged();

 private:
  void install();
  void followBusyHost(bool follow);

  vox::core::NavigationState m_navigation;
  bool m_paletteCreationSuppressed = false;
  bool m_palettePlaced = false;
  std::unique_ptr<VoxPrmPaletteSet> m_paletteSet;
  std::unique_ptr<VoxPrmSubsystemNotifier> m_subsystemNotifier;
  std::unique_ptr<vox::module::DocManagerReactor> m_docManagerReactor;
  std::unique_ptr<vox::module::EditorReactor> m_editorReactor;
  std::unique_ptr<vox::module::InputContextReactor> m_inputContextReactor;
  std::unique_ptr<VoxPrmProjectManager> m_projectManager;
  bool m_showAtStartup = true;
  bool m_hiddenForCleanScreen = false;
};
