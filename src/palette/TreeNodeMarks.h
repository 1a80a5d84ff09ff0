#pragma once
// The marks of the project tree's nodes: a lock mark when a node's file is held by another
// user, read-only or cannot be read, and notes on project nodes (changed on disk a moment ago, a
// re-read that failed). A file's lock state is asked the first time a view asks for its node
// (views ask for the rows they show) and kept until a lock or re-read event forgets it or a
// periodic check finds it changed, so a large tree costs only what is on screen.

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/HcPaletteControllers.h"
#include "locking/LockStatus.h"

namespace vox::palette {

struct NodeMark {
  HcLockMark colour = HcLockMark::kNone;
  std::wstring text;  // why, for a tooltip; empty without a mark
  bool operator==(const NodeMark&) const = default;
};

// The mark a lock state is worth: none for a free file, one held by this user or one that is not
// there (a listed drawing not made yet is no warning).
NodeMark markOfStatus(_lockStatus status, const std::wstring& holder);

class TreeNodeMarks {
 public:
  // The lock state of a node's file (a project file or a drawing) and its holder.
  using StatusSource = std::function<_lockStatus(bool isProject, const std::wstring& path, std::wstring& holder)>;
  using Clock = std::function<std::int64_t()>;  // milliseconds

  TreeNodeMarks(StatusSource source, Clock clock);

  // The node's mark, asked of the source the first time only.
  NodeMark markOf(HcNodeId id, bool isProject, const std::wstring& path);
  void forget(HcNodeId id) { cache_.erase(id); }
  // Asks again for every node asked before whose file `alive` still names; forgets the others.
  // The nodes whose mark changed.
  std::vector<HcNodeId> recheck(const std::function<const std::wstring*(HcNodeId, bool& isProject)>& alive);
  std::size_t cachedCount() const { return cache_.size(); }

  // Notes of project nodes, by project ID (compared ignoring case).
  void noteChangedOnDisk(const std::wstring& projectID, std::wstring text, std::int64_t lastingMs);
  void noteReReadFailed(const std::wstring& projectID, std::wstring reason);
  void clearReReadFailure(const std::wstring& projectID);
  // The note to show now: a failed re-read (lasting), else a change on disk until it expires.
  std::wstring noteOf(const std::wstring& projectID) const;
  // Whether a failed re-read marks the project.
  bool reReadFailed(const std::wstring& projectID) const;

 private:
  struct Note {
    std::wstring changedText;
    std::int64_t changedUntil = 0;
    std::wstring failure;
  };
  StatusSource source_;
  Clock clock_;
  std::unordered_map<HcNodeId, NodeMark> cache_;
  std::unordered_map<std::wstring, Note> notes_;  // by upper-cased project ID
};

}  // namespace vox::palette
