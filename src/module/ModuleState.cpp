#include "module/ModuleState.h"

#include "module/VoxPrmNavManager.h"

namespace vox::module {
namespace {

struct State {
  std::unique_ptr<VoxPrmNavManager> nav;
};

State& state() {
  static State s;
  return s;
}

}  // namespace

VoxPrmNavManager* navManager() { return state().nav.get(); }

void createNavManager() {
  if (state().nav) return;
  state().nav = std::make_unique<VoxPrmNavManager>();
  state().nav->initialise();
}

void destroyNavManager() { state().nav.reset(); }

void showPaletteAtStartupIfWanted() {
  VoxPrmNavManager* nav = navManager();
  if (nav != nullptr && !nav->isPaletteVisible() && nav->showAtStartup()) nav->showPalette(true);
}

}  // namespace vox::module
