#include "module/NewDrawingCommand.h"

#include <optional>

#include "core/VoxPrmProjectManager.h"
#include "dialogs/CVoxCfgDrawingNewDlg.h"
#include "dialogs/EditDrawingProperties.h"
#include "dialogs/NewDrawingTexts.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/HcMessageCatalog.h"
#include "host/LispCoreFunctions.h"
#include "host/LispCoreSettingsCalls.h"
#include "host/VoxUtils.h"
#include "module/NewDrawingScript.h"

namespace vox::module {
namespace {

using dialogs::newDrawingMessage;

std::wstring withoutTrailingBlanks(std::wstring text) {
  while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) text.pop_back();
  return text;
}

void releaseLocks(NewDrawingState& state) {
  if (!state.lockedFiles.empty()) LispUpdUnlockFiles(state.lockedFiles);
  state.lockedFiles.clear();
}

// A fresh operation: locks a first half left behind (its script never came back) are released.
void startOperation(NewDrawingState& state) {
  releaseLocks(state);
  state = NewDrawingState{};
}

// Writes the script in the user folder; its path, or none (no user folder, or a failed write,
// which is reported).
std::optional<std::wstring> writeScript(const std::wstring& text) {
  const std::optional<std::wstring> folder = host::lispcore::globalText(L"GBL_wd_usr");
  if (!folder || folder->empty()) return std::nullopt;
  const std::wstring path = newDrawingScriptPath(*folder);
  os::OsError error;
  if (writeNewDrawingScript(path, text, &error)) return path;
  newDrawingMessage(dialogs::kMsgScriptNotWritten, {path, error.message});
  return std::nullopt;
}

// The dialog and the drawing; the script's path once the drawing exists and the script is
// written, else none.
std::optional<std::wstring> createDrawingAndScript(NewDrawingState& state) {
  const HcResourceScope resources;
  dialogs::CVoxCfgDrawingNewDlg dialog;
  if (dialog.DoModal() != kHcDialogOk) return std::nullopt;
  const std::wstring path = withoutTrailingBlanks(dialog.fullPath());
  const std::optional<std::wstring> script = newDrawingScriptText(path);
  if (!script) {
    newDrawingMessage(dialogs::kMsgUnsafeDrawingPath, {path});
    return std::nullopt;
  }
  VoxPrmFileDetails entry;
  if (!dialog.createDrawing(entry)) return std::nullopt;
  state.pendingDetails = entry;
  state.openPropertiesAfterwards = dialog.openPropertiesAfterwards();
  state.drawingPath = path;
  return writeScript(*script);
}

void runScript(const std::wstring& scriptPath) {
  HcResBufChain args;
  args.str(L"_.VOX_SCRIPT").str(scriptPath);
  hcedCommand(args);
}

}  // namespace

NewDrawingState& newDrawingState() {
  static NewDrawingState state;
  return state;
}

void runNewDrawing() {
  NewDrawingState& state = newDrawingState();
  VoxPrmProjectManager* manager = GetProjectManager();
  std::wstring projectID;
  if (manager == nullptr || !manager->getActiveProjectID(projectID)) return;
  startOperation(state);
  if (!LispCheckFileLockStatusAndLock({projectID}, 1, 0, state.lockedFiles)) {
    releaseLocks(state);
    return;
  }
  const std::optional<std::wstring> scriptPath = createDrawingAndScript(state);
  if (!scriptPath || !LispCheckFileLockStatusAndLock({state.drawingPath}, 1, 1, state.lockedFiles)) {
    releaseLocks(state);
    return;
  }
  state.continuePending = true;
  runScript(*scriptPath);
}

void continueNewDrawing() {
  NewDrawingState& state = newDrawingState();
  if (!state.continuePending) return;
  state.continuePending = false;
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager != nullptr && !state.lockedFiles.empty()) {
    manager->addFileToProject(state.pendingDetails, state.lockedFiles.front().c_str(), false, false);
  }
  releaseLocks(state);
  const bool openProperties = state.openPropertiesAfterwards;
  state = NewDrawingState{};
  if (openProperties) {
    const HcDocManager* documents = hcDocManagerPtr();
    const HcDocument* current = documents != nullptr ? documents->curDocument() : nullptr;
    if (current != nullptr) dialogs::editDrawingProperties(current->fileName(), L"", true);
  }
  host::lispcore::updateTitleBlockWithoutDialog();
}

}  // namespace vox::module
