// The status line and the details text of the project tree's caret node, as the palette's
// details pane shows them.

#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/LispCoreFunctions.h"
#include "host/ResourceText.h"
#include "host/VoxDbxBlockRef.h"
#include "host/VoxPmClientApp.h"
#include "locking/DrawingLockStatus.h"
#include "palette/CProjectTree.h"
#include "palette/TreeDetailsText.h"
#include "platform/os/Files.h"
#include "platform/os/Identity.h"
#include "platform/os/NarrowCodec.h"
#include "platform/os/WinPath.h"

namespace {

enum : unsigned {
  kStatusLabel = 410, kSheetLabel = 411, kDescriptionLabel = 412, kFileNameLabel = 413, kFolderLabel = 414,
  kSizeLabel = 415, kLastSavedByLabel = 416, kDatabaseLabel = 417, kDateFormat = 420
};

std::wstring label(unsigned id) { return vox::host::resourceText(id) + L" "; }

// Who saved the drawing last, from its summary information, read beside the editor.
std::wstring lastSavedBy(const std::wstring& path) {
  const std::unique_ptr<VoxDbxBlockRef> database = VoxDbxCreateBlockRef();
  VoxDbxSummaryInfo info;
  if (!database || !database->open(path, VoxDbxDatabase::kOpenForRead, false) || !database->getSummaryInfo(info)) return {};
  database->close(false);
  return info.lastSavedBy;
}

// The labels of the project's description lines; the label file is read only while a drawing
// is open, as the LISP core names it only then.
std::map<int, std::wstring> descriptionLabels(const std::wstring& projectID) {
  if (!hcHasDocument()) return {};
  const std::optional<std::wstring> file = vox::host::lispcore::titleBlockFileName(projectID);
  std::string bytes;
  if (!file || file->empty() || !vox::os::readFile(*file, bytes)) return {};
  return vox::palette::titleBlockLabels(vox::os::narrowCodec().decode(bytes));
}

}  // namespace

bool CProjectTree::GetProjectStatusText(const std::wstring& projectID, std::wstring& text, _lockStatus* status) {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr) return false;
  std::wstring holder;
  const _lockStatus state = manager->whoHasProjectFileLocked(projectID.c_str(), &holder, nullptr, nullptr);
  if (status != nullptr) *status = state;
  const std::optional<std::wstring> wording = vox::palette::lockStatusText(state, holder);
  if (!wording) return false;
  text = *wording;
  return true;
}

bool CProjectTree::GetDrawingStatusText(const std::wstring& path, std::wstring& text, _lockStatus* status) {
  std::wstring holder;
  std::wstring machine;
  std::wstring timeStamp;
  const _lockStatus state = getDrawingLockStatus(path.c_str(), &holder, &machine, &timeStamp);
  if (status != nullptr) *status = state;
  const std::optional<std::wstring> wording = vox::palette::lockStatusText(state, holder);
  if (!wording) return false;
  text = *wording;
  return true;
}

bool CProjectTree::GetDisplayDetails_Status(HcNodeId item, _lockStatus* status, std::wstring& text) {
  const _itemdatastruct* record = model_.record(item);
  if (record == nullptr) return false;
  std::wstring statusText;
  const bool known = record->kind == kProjectNodeKind ? GetProjectStatusText(record->path, statusText, status)
                                                      : GetDrawingStatusText(record->path, statusText, status);
  if (!known || statusText.empty()) return false;
  text += statusText + L"\n";
  return true;
}

bool CProjectTree::GetDisplayDetails(std::wstring& text) {
  const HcNodeId caret = model_.caret();
  const _itemdatastruct* record = model_.record(caret);
  if (record == nullptr) return false;
  _lockStatus status = kLockStatusUnknown;
  text += label(kStatusLabel);
  if (!GetDisplayDetails_Status(caret, &status, text)) return false;
  const std::wstring fileName = vox::os::fileName(record->path);
  const std::wstring folder = vox::os::folderOf(record->path);

  if (record->kind == kProjectNodeKind) {
    text += label(kFileNameLabel) + fileName + L"\n\n" + label(kFolderLabel) + folder + L"\n\n";
    std::wstring database;
    PmGetProjectDb(record->path, database);
    text += label(kDatabaseLabel) + database + L"\n\n";
    const VoxPrmProjectManager* manager = GetProjectManager();
    const VoxPrmProject* project = manager != nullptr ? manager->getProject(record->path.c_str()) : nullptr;
    if (project == nullptr) return true;
    const std::map<int, std::wstring> labels = descriptionLabels(record->path);
    const std::vector<std::wstring>& lines = project->getProjDescriptions();
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (!lines[i].empty()) text += vox::palette::descriptionLineLabel(labels, static_cast<int>(i) + 1) + lines[i] + L"\n";
    return true;
  }

  const auto* drawing = static_cast<const _dwgdatastruct*>(record);
  text += label(kSheetLabel) + drawing->sheet + L"\n";
  for (const std::wstring& line : drawing->details.descriptions) text += label(kDescriptionLabel) + line + L"\n";
  if (drawing->details.descriptions.empty()) text += label(kDescriptionLabel);
  text += L"\n";
  text += label(kFileNameLabel) + fileName + L"\n\n" + label(kFolderLabel) + folder + L"\n\n";
  if (const std::optional<vox::os::FileStatus> file = vox::os::fileStatus(record->path)) {
    text += label(kSizeLabel) + vox::palette::fileSizeText(file->size) + L"\n";
    text += vox::host::resourceText(kDateFormat, {vox::os::localeDateTime(file->modified)}) + L"\n";
  }
  text += label(kLastSavedByLabel) + (status != kLockedByOther ? lastSavedBy(record->path) : std::wstring()) + L"\n";
  return true;
}
