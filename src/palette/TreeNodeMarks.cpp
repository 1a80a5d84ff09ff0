#include "palette/TreeNodeMarks.h"

#include "palette/TreeDetailsText.h"
#include "platform/os/CaseMapping.h"

namespace vox::palette {

NodeMark markOfStatus(_lockStatus status, const std::wstring& holder) {
  HcLockMark colour = HcLockMark::kNone;
  switch (status) {
    case kLockedByOther:
    case kLockedHolderUnknown: colour = HcLockMark::kRed; break;
    case kReadOnly: colour = HcLockMark::kYellow; break;
    case kNoFolderAccess: colour = HcLockMark::kGrey; break;
    default: return {};
  }
  return {colour, lockStatusText(status, holder).value_or(std::wstring())};
}

TreeNodeMarks::TreeNodeMarks(StatusSource source, Clock clock) : source_(std::move(source)), clock_(std::move(clock)) {}

NodeMark TreeNodeMarks::markOf(HcNodeId id, bool isProject, const std::wstring& path) {
  const auto found = cache_.find(id);
  if (found != cache_.end()) return found->second;
  std::wstring holder;
  const _lockStatus status = source_(isProject, path, holder);
  return cache_[id] = markOfStatus(status, holder);
}

std::vector<HcNodeId> TreeNodeMarks::recheck(const std::function<const std::wstring*(HcNodeId, bool& isProject)>& alive) {
  std::vector<HcNodeId> changed;
  for (auto it = cache_.begin(); it != cache_.end();) {
    bool isProject = false;
    const std::wstring* path = alive(it->first, isProject);
    if (path == nullptr) {
      it = cache_.erase(it);
      continue;
    }
    std::wstring holder;
    const NodeMark now = markOfStatus(source_(isProject, *path, holder), holder);
    if (!(now == it->second)) {
      it->second = now;
      changed.push_back(it->first);
    }
    ++it;
  }
  return changed;
}

void TreeNodeMarks::noteChangedOnDisk(const std::wstring& projectID, std::wstring text, std::int64_t lastingMs) {
  Note& note = notes_[os::toUpper(projectID)];
  note.changedText = std::move(text);
  note.changedUntil = clock_() + lastingMs;
}

void TreeNodeMarks::noteReReadFailed(const std::wstring& projectID, std::wstring reason) {
  notes_[os::toUpper(projectID)].failure = std::move(reason);
}

void TreeNodeMarks::clearReReadFailure(const std::wstring& projectID) {
  const auto found = notes_.find(os::toUpper(projectID));
  if (found != notes_.end()) found->second.failure.clear();
}

std::wstring TreeNodeMarks::noteOf(const std::wstring& projectID) const {
  const auto found = notes_.find(os::toUpper(projectID));
  if (found == notes_.end()) return {};
  if (!found->second.failure.empty()) return found->second.failure;
  return clock_() < found->second.changedUntil ? found->second.changedText : std::wstring();
}

bool TreeNodeMarks::reReadFailed(const std::wstring& projectID) const {
  const auto found = notes_.find(os::toUpper(projectID));
  return found != notes_.end() && !found->second.failure.empty();
}

}  // namespace vox::palette
