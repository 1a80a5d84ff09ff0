#include "module/Commands.h"

#include "module/DrawingPropertiesCommand.h"
#include "module/CompareDrawingCommand.h"

#include "core/VoxPrmProjectManager.h"
#include "host/HcCommandStack.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/HcInteraction.h"
#include "host/VoxUtils.h"
#include "module/ModuleState.h"
#include "module/NewDrawingCommand.h"
#include "module/NewProjectCommand.h"
#include "module/ProjectPropertiesCommand.h"
#include "module/VoxPrmNavManager.h"

namespace vox::module {
namespace {

constexpr unsigned kTransparent = kHcCmdTransparent | kHcCmdSession;
constexpr unsigned kModal = kHcCmdModal;

void lockActiveProject() {
  VoxPrmProjectManager* manager = GetProjectManager();
  std::wstring active;
  if (manager != nullptr && manager->getActiveProjectID(active)) manager->lockProjectFile(active.c_str());
}

void doNothing() {}

void showNavigation(const wchar_t* use) {
  VoxKivEmitter(use);
  VoxPrmNavManager* nav = navManager();
  if (nav != nullptr && !nav->isPaletteVisible()) nav->showPalette(true);
}

void showPalette() { showNavigation(L"VOXNAV"); }
void showProjectPalette() { showNavigation(L"VXPROJECT"); }

void hidePalette() {
  VoxPrmNavManager* nav = navManager();
  if (nav != nullptr && nav->isPaletteVisible()) nav->showPalette(false);
}

void projectProperties() { runProjectProperties(); }
void newProject() { runNewProject(); }
void drawingProperties() { runDrawingProperties(); }
void newDrawing() { runNewDrawing(); }
void compareDrawingToProject() { runCompareDrawingToProject(); }

bool askYesNo(const std::wstring& question) {
  HcInteraction* interaction = hcInteraction();
  return interaction != nullptr &&
         interaction->messageBox(question, L"TestModal", HcIcon::kQuestion, HcButtons::kYesNo) == HcAnswer::kYes;
}

void runCommand(std::initializer_list<std::wstring> words) {
  HcResBufChain args;
  for (const std::wstring& word : words) args.str(word);
  hcedCommand(args);
}

void testModal() {
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return;
  if (askYesNo(L"Run dwg props?")) {
    if (const auto file = interaction->chooseFile(L"Drawing", L"", L"Drawings (*.dwg)|*.dwg", false))
      runCommand({L"_.VOXDRAWINGPROPS", *file, L""});
    return;
  }
  const std::wstring script = L"C:\\Temp\\myscript.scr";
  if (askYesNo(L"Run script?")) {
    newDrawingState().continuePending = true;
    runCommand({askYesNo(L"Vox script?") ? L"_.VOX_SCRIPT" : L"_.SCRIPT", script});
    return;
  }
  newDrawingState().continuePending = true;
  if (const auto file = interaction->chooseFile(L"Drawing", L"", L"Drawings (*.dwg)|*.dwg", false)) {
    if (HcDocManager* documents = hcDocManagerPtr()) {
      if (HcDocument* doc = documents->appContextOpenDocument(*file, false))
        documents->sendStringToExecute(doc, L"_voxcontinuenewdrawing\r", true, false, false);
    }
  }
}

}  // namespace

const std::vector<CommandEntry>& commandTable() {
  static const std::vector<CommandEntry> table{
      {L"_TestPM", L"TestPM", kTransparent, lockActiveProject},
      {L"_TestPM2", L"TestPM2", kTransparent, doNothing},
      {L"Voxnav", L"Voxnav", kTransparent, showPalette},
      {L"Voxhidenav", L"Voxhidenav", kTransparent, hidePalette},
      {L"_VoxProjectProps", L"VoxProjectProps", kModal, projectProperties},
      {L"_VoxNewProject", L"VoxNewProject", kModal, newProject},
      {L"_VoxDrawingProps", L"VoxDrawingProps", kModal, drawingProperties},
      {L"_VoxNewDrawing", L"VoxNewDrawing", kModal, newDrawing},
      {L"_VoxContinueNewDrawing", L"VoxContinueNewDrawing", kModal, continueNewDrawing},
      {L"_VoxCompareDtoP", L"VoxCompareDtoP", kModal, compareDrawingToProject},
      {L"_TestModal", L"TestModal", kModal, testModal},
      {L"VXPROJECT", L"VXPROJECT", kTransparent, showProjectPalette},
  };
  return table;
}

bool registerCommands() {
  HcCommandStack* stack = hcCommandStackPtr();
  if (stack == nullptr) return false;
  bool all = true;
  for (const CommandEntry& command : commandTable()) {
    all = stack->addCommand(kCommandGroup, command.globalName, command.localName, command.flags, command.function) && all;
  }
  return all;
}

void removeCommands() {
  if (HcCommandStack* stack = hcCommandStackPtr()) stack->removeGroup(kCommandGroup);
}

}  // namespace vox::module
