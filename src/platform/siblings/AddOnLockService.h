#pragma once
// The add-on's lock service: locks project files and drawings for this instance and remembers
// which it holds, so that a release frees exactly the files it locked and never a lock taken
// by someone else.
//
// Project files are locked through a pluggable backend (by default companion lock files, see
// CompanionLockFiles.h). Drawings are locked by the same rule with their own companion lock
// file, the drawing's path followed by ".FLL"; that name is the add-on's, and never the host's
// drawing lock file (".dwl"), which the host writes while a drawing is open.
// A file another instance or user holds is refused. A file this user holds already - through
// this service or, for project files, in any instance of this user ("locked by me") - counts as
// locked but is not listed as locked now, so releasing the list of a later request keeps the
// earlier lock. Paths compare ignoring case.

#include <string>
#include <vector>

#include "platform/siblings/CompanionLockFiles.h"

namespace vox::siblings {

class AddOnLockService {
 public:
  AddOnLockService() = default;
  AddOnLockService(const AddOnLockService&) = delete;
  AddOnLockService& operator=(const AddOnLockService&) = delete;
  // Releases every lock still held.
  ~AddOnLockService();

  // Locks each file (as drawings when `drawings` is set) and appends each one locked now to
  // `locked`. True when every file is locked afterwards, this user's earlier locks included.
  // Without `take`, each lock is tried and released at once: the answer only says whether every
  // file could be locked, and nothing is listed.
  bool lock(const std::vector<std::wstring>& files, bool take, bool drawings, std::vector<std::wstring>& locked);
  // Releases the listed files this service holds; true when it held each of them.
  bool unlock(const std::vector<std::wstring>& files);

  bool holds(const std::wstring& path) const;

  // The backend for project files from now on (borrowed; null: the default companion lock
  // files). Locks taken earlier are released through the backend that took them.
  void setProjectBackend(ProjectLockBackend* backend) { projectBackend_ = backend; }

 private:
  struct HeldLock {
    std::wstring path;
    ProjectLockBackend* backend = nullptr;
  };

  ProjectLockBackend& backendFor(bool drawings);
  std::vector<HeldLock>::iterator findHeld(const std::wstring& path);

  CompanionLockFiles defaultProjectLocks_;
  CompanionLockFiles drawingLocks_;
  ProjectLockBackend* projectBackend_ = nullptr;
  std::vector<HeldLock> held_;
};

}  // namespace vox::siblings
