// The project tree's node marks: lock marks asked for the nodes views show, the notes of
// projects changed on disk or not readable again, and the periodic check of the marks.

#include "core/VoxPrmProjectManager.h"
#include "host/HcEventLoop.h"
#include "host/ResourceText.h"
#include "palette/CProjectTree.h"
#include "platform/os/Files.h"

namespace {

enum : unsigned { kChangedOnDiskText = 700, kReReadFailedText = 701, kFileMissingText = 702, kFileUnreadableText = 703 };

}  // namespace

void CProjectTree::addMarks(HcTreeNodeView& view, const _itemdatastruct* record) const {
  if (record == nullptr) return;
  const bool isProject = record->kind == kProjectNodeKind;
  const vox::palette::NodeMark mark = marks_.markOf(view.id, isProject, record->path);
  view.lock = mark.colour;
  view.lockText = mark.text;
  if (isProject) view.note = marks_.noteOf(record->path);
}

void CProjectTree::nodeChanged(HcNodeId id) const {
  if (HcTreeListener* listener = model_.listener(); listener != nullptr && model_.exists(id)) listener->nodeChanged(id);
}

void CProjectTree::onProjectLockChanged(const std::wstring& projectID) {
  const HcNodeId item = GetProjectItem(projectID);
  marks_.forget(item);
  nodeChanged(item);
}

void CProjectTree::NoteChangedOnDisk(const std::wstring& projectID) {
  marks_.clearReReadFailure(projectID);
  marks_.noteChangedOnDisk(projectID, vox::host::resourceText(kChangedOnDiskText), kChangedNoteMs);
  nodeChanged(GetProjectItem(projectID));
  HcEventLoop* loop = hcEventLoop();
  if (loop == nullptr) return;
  // The note goes when its time is up; a later change re-arms the timer for the later note.
  loop->setTimer(this, kNoteTimerId, kChangedNoteMs, false, [this, alive = alive_] {
    if (!*alive) return;
    for (const ProjectNode& project : model_.roots()) nodeChanged(project.id);
  });
}

void CProjectTree::NoteReReadFailed(const std::wstring& projectID) {
  const unsigned reason = vox::os::pathExists(projectID) ? kFileUnreadableText : kFileMissingText;
  marks_.noteReReadFailed(projectID, vox::host::resourceText(kReReadFailedText, {vox::host::resourceText(reason)}));
  nodeChanged(GetProjectItem(projectID));
}

void CProjectTree::RecheckMarks() {
  const std::vector<HcNodeId> changed = marks_.recheck([this](HcNodeId id, bool& isProject) -> const std::wstring* {
    const _itemdatastruct* record = model_.record(id);
    if (record == nullptr) return nullptr;
    isProject = record->kind == kProjectNodeKind;
    return &record->path;
  });
  for (const HcNodeId id : changed) nodeChanged(id);
}
