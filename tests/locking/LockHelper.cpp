// A second instance for the multi-process locking tests. It locks with its own locker and talks
// to the test over stdin and stdout, one line at a time.
//
//   lock_helper hold PATH          lock PATH, print "locked" or "refused", then wait for a line
//                                  (or end of input), unlock everything, print "unlocked"
//   lock_helper race PATH MARKER N print "ready", wait for a line, then try to lock PATH until it
//                                  was taken N times; print "waiting" after the first refusal. Each
//                                  time it is taken: create MARKER exclusively (it exists already
//                                  only if someone else holds the lock too), remove it, unlock.
//                                  Then print "acquired=A refused=R overlaps=O"
//
// LOCK_HELPER_LOGIN, when set, replaces the login in the helper's identity, so that one real
// user can stand for another user on the same computer.

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "locking/CurrentIdentity.h"
#include "locking/VoxPrmVirtualFileLocker.h"
#include "platform/os/NativePath.h"

namespace {

vox::locking::IdentityTextSource helperIdentity() {
  vox::locking::LockIdentity who = vox::locking::currentLockIdentity();
  if (const char* login = std::getenv("LOCK_HELPER_LOGIN")) who.login = vox::os::decodeFileName(login);
  return [who] { return vox::locking::identityTextNow(who); };
}

std::wstring modulePath(const char* native) { return vox::os::fromNative(native); }

int hold(const char* native) {
  VoxPrmVirtualFileLocker locker(helperIdentity());
  const bool locked = locker.lockFile(modulePath(native).c_str());
  std::cout << (locked ? "locked" : "refused") << std::endl;
  std::string line;
  std::getline(std::cin, line);
  locker.unlockAllFiles();
  std::cout << "unlocked" << std::endl;
  return 0;
}

int race(const char* native, const char* marker, int acquisitions) {
  VoxPrmVirtualFileLocker locker(helperIdentity());
  const std::wstring path = modulePath(native);
  std::cout << "ready" << std::endl;
  std::string line;
  std::getline(std::cin, line);
  int acquired = 0;
  long refused = 0;
  int overlaps = 0;
  while (acquired < acquisitions) {
    if (!locker.lockFile(path.c_str())) {
      if (++refused == 1) std::cout << "waiting" << std::endl;
      continue;
    }
    ++acquired;
    const int fd = ::open(marker, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0) {
      ++overlaps;
    } else {
      ::close(fd);
      sched_yield();  // give the other racer a chance to run while we hold the lock
      ::unlink(marker);
    }
    locker.unlockFile(path.c_str());
  }
  std::cout << "acquired=" << acquired << " refused=" << refused << " overlaps=" << overlaps << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "hold" && argc == 3) return hold(argv[2]);
  if (mode == "race" && argc == 5) return race(argv[2], argv[3], std::atoi(argv[4]));
  std::cerr << "usage: lock_helper hold PATH | race PATH MARKER ACQUISITIONS\n";
  return 2;
}
