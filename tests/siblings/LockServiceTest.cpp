// The add-on's lock service on real lock files.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/os/Identity.h"
#include "platform/os/NarrowCodec.h"
#include "platform/siblings/AddOnLockService.h"
#include "support/TempDir.h"

namespace vox::siblings {
namespace {

using test::TempDir;
using Files = std::vector<std::wstring>;

bool exists(const std::string& native) { return std::filesystem::exists(native); }

// Whether some open file description holds a write lock on the file (seen from a new one).
bool heldOpen(const std::string& native) {
  const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct flock probe {};
  probe.l_type = F_RDLCK;
  probe.l_whence = SEEK_SET;
  ::fcntl(fd, F_OFD_GETLK, &probe);
  ::close(fd);
  return probe.l_type != F_UNLCK;
}

class LockServiceTest : public ::testing::Test {
 protected:
  std::wstring file(const std::wstring& name) const { return temp.path(name); }

  TempDir temp;
  AddOnLockService locks;
  Files locked;
};

TEST_F(LockServiceTest, LockWritesHeldLockFileWithIdentityAndUnlockDeletesIt) {
  ASSERT_TRUE(locks.lock({file(L"Plant.wdp")}, true, false, locked));
  EXPECT_EQ(locked, Files{file(L"Plant.wdp")});

  const std::string lockFile = temp.native("Plant.wdp.FLL");
  ASSERT_TRUE(exists(lockFile));
  EXPECT_TRUE(heldOpen(lockFile));
  const std::wstring text = os::narrowCodec().decode(test::readNative(lockFile));
  EXPECT_EQ(text.substr(0, text.find(L'\n')), os::loginName());
  EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 2);

  EXPECT_TRUE(locks.unlock(locked));
  EXPECT_FALSE(exists(lockFile));
  EXPECT_FALSE(locks.holds(file(L"Plant.wdp")));
}

TEST_F(LockServiceTest, AFileLockedEarlierCountsAsLockedAndItsLaterUnlockKeepsIt) {
  ASSERT_TRUE(locks.lock({file(L"Plant.wdp")}, true, false, locked));
  Files again;
  EXPECT_TRUE(locks.lock({file(L"PLANT.WDP"), file(L"A.wdp")}, true, false, again))
      << "a file this user holds must count as locked";
  EXPECT_EQ(again, Files{file(L"A.wdp")}) << "only the file locked now is listed";
  EXPECT_TRUE(locks.lock({file(L"plant.wdp")}, false, false, again));  // a check only

  EXPECT_TRUE(locks.unlock(again));
  EXPECT_TRUE(locks.holds(file(L"Plant.wdp"))) << "the later unlock released the earlier lock";
  EXPECT_TRUE(heldOpen(temp.native("Plant.wdp.FLL")));
  EXPECT_TRUE(locks.unlock(locked));
  EXPECT_FALSE(exists(temp.native("Plant.wdp.FLL")));
}

TEST_F(LockServiceTest, AnotherInstancesLockIsRefused) {
  ASSERT_TRUE(locks.lock({file(L"Plant.wdp")}, true, false, locked));
  AddOnLockService other;
  Files again;
  EXPECT_FALSE(other.lock({file(L"Plant.wdp")}, true, false, again));
  EXPECT_TRUE(again.empty());
}

TEST_F(LockServiceTest, ForeignOrStaleLockFileIsRefusedAndKept) {
  test::writeNative(temp.native("Plant.wdp.FLL"), "someone\nPC Someone\ndate  time");
  EXPECT_FALSE(locks.lock({file(L"Plant.wdp"), file(L"Other.wdp")}, true, false, locked));
  EXPECT_EQ(locked, Files{file(L"Other.wdp")});

  // Releasing a file this service never locked leaves the other holder's lock file alone.
  EXPECT_FALSE(locks.unlock({file(L"Plant.wdp")}));
  EXPECT_EQ(test::readNative(temp.native("Plant.wdp.FLL")), "someone\nPC Someone\ndate  time");
}

TEST_F(LockServiceTest, UnlockReleasesExactlyTheListedFiles) {
  ASSERT_TRUE(locks.lock({file(L"A.dwg"), file(L"B.dwg"), file(L"C.dwg")}, true, true, locked));
  EXPECT_TRUE(locks.unlock({file(L"b.DWG")}));
  EXPECT_TRUE(exists(temp.native("A.dwg.FLL")));
  EXPECT_FALSE(exists(temp.native("B.dwg.FLL")));
  EXPECT_TRUE(exists(temp.native("C.dwg.FLL")));
  EXPECT_FALSE(locks.unlock({file(L"B.dwg")})) << "already released";
}

TEST_F(LockServiceTest, CheckWithoutTakingLeavesNothingBehind) {
  EXPECT_TRUE(locks.lock({file(L"A.dwg")}, false, true, locked));
  EXPECT_TRUE(locked.empty());
  EXPECT_FALSE(exists(temp.native("A.dwg.FLL")));
  test::writeNative(temp.native("B.dwg.FLL"), "x");
  EXPECT_FALSE(locks.lock({file(L"A.dwg"), file(L"B.dwg")}, false, true, locked));
}

TEST_F(LockServiceTest, FileInMissingFolderIsNotLocked) {
  EXPECT_FALSE(locks.lock({temp.path(L"missing\\Plant.wdp")}, true, false, locked));
  EXPECT_TRUE(locked.empty());
}

TEST_F(LockServiceTest, DestructionReleasesEveryLock) {
  {
    AddOnLockService scoped;
    ASSERT_TRUE(scoped.lock({file(L"A.dwg")}, true, true, locked));
    ASSERT_TRUE(scoped.lock({file(L"Plant.wdp")}, true, false, locked));
  }
  EXPECT_FALSE(exists(temp.native("A.dwg.FLL")));
  EXPECT_FALSE(exists(temp.native("Plant.wdp.FLL")));
}

// A backend that records what it was asked, refuses names starting with "X" and answers that
// names starting with "M" are this user's already.
class RecordingBackend : public ProjectLockBackend {
 public:
  LockOutcome lock(const std::wstring& path) override {
    calls.push_back(L"lock " + path);
    if (path.find(L"\\X") != std::wstring::npos) return LockOutcome::kRefused;
    return path.find(L"\\M") != std::wstring::npos ? LockOutcome::kAlreadyMine : LockOutcome::kTaken;
  }
  void unlock(const std::wstring& path) override { calls.push_back(L"unlock " + path); }
  std::vector<std::wstring> calls;
};

TEST_F(LockServiceTest, ProjectFilesGoThroughThePluggedBackendDrawingsDoNot) {
  RecordingBackend backend;
  locks.setProjectBackend(&backend);
  EXPECT_FALSE(locks.lock({file(L"P.wdp"), file(L"X.wdp")}, true, false, locked));
  EXPECT_TRUE(locks.lock({file(L"A.dwg")}, true, true, locked));
  EXPECT_EQ(locked, (Files{file(L"P.wdp"), file(L"A.dwg")}));
  EXPECT_TRUE(locks.lock({file(L"Mine.wdp")}, true, false, locked));  // this user's: not listed
  EXPECT_TRUE(locks.lock({file(L"Mine.wdp")}, false, false, locked));
  EXPECT_EQ(locked, (Files{file(L"P.wdp"), file(L"A.dwg")}));
  EXPECT_FALSE(exists(temp.native("P.wdp.FLL")));
  EXPECT_TRUE(exists(temp.native("A.dwg.FLL")));

  locks.setProjectBackend(nullptr);  // earlier locks still go back to the backend that took them
  EXPECT_TRUE(locks.unlock(locked));
  EXPECT_EQ(backend.calls,
            (std::vector<std::wstring>{L"lock " + file(L"P.wdp"), L"lock " + file(L"X.wdp"), L"lock " + file(L"Mine.wdp"),
                                       L"lock " + file(L"Mine.wdp"), L"unlock " + file(L"P.wdp")}));
  EXPECT_FALSE(exists(temp.native("A.dwg.FLL")));
}

}  // namespace
}  // namespace vox::siblings
