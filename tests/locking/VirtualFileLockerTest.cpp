// The locker on real files in one process. Two lockers with different identities stand for two
// instances: their lock files are open file descriptions of their own, so they exclude each
// other as two processes would.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/VoxPrmProjectManager.h"
#include "host/VoxUtils.h"
#include "locking/LockIdentity.h"
#include "locking/ProjectFileLockerAdapter.h"
#include "locking/VoxPrmVirtualFileLocker.h"
#include "platform/os/Files.h"
#include "platform/os/LockedFile.h"
#include "support/HostFixture.h"
#include "support/TempDir.h"

namespace vox::locking {
namespace {

using test::readNative;
using test::TempDir;
using test::writeNative;

IdentityTextSource as(const std::wstring& login) {
  return [login] { return identityText({login, L"PC7", L"John Doe"}, L"Monday", L"10:00"); };
}

bool exists(const std::string& native) { return std::filesystem::exists(native); }

class Locker : public ::testing::Test {
 protected:
  Locker() { writeNative(dir.native("Plant.wdp"), "x"); }

  // Holds the lock file of Plant.wdp as another instance would, with `bytes` in it.
  os::LockedFile holdLockFile(const std::string& bytes) {
    auto held = os::LockedFile::acquire(lockPath, os::LockedFile::Disposition::kOpenOrCreate);
    EXPECT_TRUE(held && held->replaceContent(bytes));
    return std::move(*held);
  }

  TempDir dir;
  const std::wstring plant = dir.path(L"Plant.wdp");
  const std::wstring lockPath = dir.path(L"Plant.wdp.FLL");
  const std::string lockNative = dir.native("Plant.wdp.FLL");
  VoxPrmVirtualFileLocker jdoe{as(L"jdoe")};
  VoxPrmVirtualFileLocker ann{as(L"ann")};
};

TEST_F(Locker, LockingWritesTheIdentityAndTwiceKeepsOneRecord) {
  ASSERT_TRUE(jdoe.lockFile(plant.c_str()));
  EXPECT_EQ(readNative(lockNative), "jdoe\nPC7 John Doe\nMonday  10:00");
  EXPECT_TRUE(jdoe.lockFile(plant.c_str()));
  EXPECT_EQ(jdoe.heldLockCount(), 1u);
  EXPECT_TRUE(jdoe.isLocked(plant.c_str()));

  std::wstring holder, machine, time;
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), holder, machine, time), kLockedByMe);
  EXPECT_EQ(holder, L"jdoe(PC7 John Doe)");
  EXPECT_EQ(machine, L"PC7 John Doe");
  EXPECT_EQ(time, L"Monday  10:00");

  EXPECT_TRUE(jdoe.unlockFile(dir.path(L"PLANT.WDP").c_str()));  // matched ignoring case
  EXPECT_FALSE(exists(lockNative));
  EXPECT_EQ(jdoe.heldLockCount(), 0u);
  EXPECT_FALSE(jdoe.unlockFile(plant.c_str()));
  EXPECT_FALSE(jdoe.isLocked(plant.c_str()));
}

TEST_F(Locker, AnotherHolderKeepsTheLockUntilItUnlocks) {
  ASSERT_TRUE(ann.lockFile(plant.c_str()));
  EXPECT_TRUE(jdoe.isLocked(plant.c_str()));
  EXPECT_FALSE(jdoe.lockFile(plant.c_str()));
  EXPECT_EQ(jdoe.heldLockCount(), 0u);

  std::wstring text;
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), text), kLockedByOther);
  EXPECT_EQ(text, L"ann\nPC7 John Doe\nMonday  10:00");
  EXPECT_FALSE(jdoe.unlockFile(plant.c_str()));  // not ours: nothing is deleted
  EXPECT_TRUE(exists(lockNative));

  ASSERT_TRUE(ann.unlockFile(plant.c_str()));
  EXPECT_FALSE(jdoe.isLocked(plant.c_str()));
  EXPECT_TRUE(jdoe.lockFile(plant.c_str()));
}

TEST_F(Locker, AStaleLockFileIsDeletedByTheNextLook) {
  {
    VoxPrmVirtualFileLocker gone(as(L"ann"));
    ASSERT_TRUE(gone.lockFile(plant.c_str()));
  }  // destroyed without unlocking: the file stays, nobody holds it
  ASSERT_TRUE(exists(lockNative));
  std::wstring text;
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), text), kNotLocked);
  EXPECT_FALSE(exists(lockNative));

  writeNative(lockNative, "ann\nPC7 John Doe\nMonday  10:00");
  EXPECT_FALSE(jdoe.isLocked(plant.c_str()));
  EXPECT_FALSE(exists(lockNative));
}

TEST_F(Locker, UnlockAllReleasesEveryLock) {
  writeNative(dir.native("Other.wdp"), "x");
  ASSERT_TRUE(jdoe.lockFile(plant.c_str()));
  ASSERT_TRUE(jdoe.lockFile(dir.path(L"Other.wdp").c_str()));
  EXPECT_TRUE(jdoe.unlockAllFiles());
  EXPECT_EQ(jdoe.heldLockCount(), 0u);
  EXPECT_FALSE(exists(lockNative));
  EXPECT_FALSE(exists(dir.native("Other.wdp.FLL")));
  EXPECT_TRUE(ann.lockFile(plant.c_str()));
}

TEST_F(Locker, AReadOnlyFileCannotBeLocked) {
  ASSERT_TRUE(os::setReadOnly(plant, true));
  writeNative(lockNative, "ann\nPC7 John Doe\nMonday  10:00");  // stale, and never looked at
  std::wstring text = L"untouched";
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), text), kReadOnly);
  EXPECT_EQ(text, L"untouched");
  EXPECT_TRUE(exists(lockNative));

  EXPECT_TRUE(jdoe.isLocked(plant.c_str()));  // the stale lock file goes, the attribute stays
  EXPECT_FALSE(exists(lockNative));
  EXPECT_FALSE(jdoe.lockFile(plant.c_str()));
  EXPECT_FALSE(exists(lockNative));
  EXPECT_EQ(jdoe.heldLockCount(), 0u);
}

TEST_F(Locker, BadArgumentsAndMissingFiles) {
  std::wstring text;
  EXPECT_EQ(jdoe.whoLocked(nullptr, text), kLockStatusUnknown);
  EXPECT_EQ(jdoe.whoLocked(L"a.b", text), kLockStatusUnknown);
  EXPECT_EQ(jdoe.whoLocked(dir.path(L"Missing.wdp").c_str(), text), kFileNotFound);
  EXPECT_FALSE(jdoe.lockFile(nullptr));
  EXPECT_FALSE(jdoe.lockFile(L""));
  EXPECT_FALSE(jdoe.lockFile(L"   "));  // would be "   .FLL" in the current folder
  EXPECT_FALSE(jdoe.isLocked(L"\t "));
  EXPECT_EQ(jdoe.whoLocked(L"    ", text), kLockStatusUnknown);
  EXPECT_FALSE(jdoe.isLocked(nullptr));
  EXPECT_FALSE(jdoe.unlockFile(nullptr));
  EXPECT_FALSE(jdoe.lockFile(dir.path(L"NoFolder\\P.wdp").c_str()));  // no lock file can be made
  EXPECT_EQ(jdoe.heldLockCount(), 0u);
}

TEST_F(Locker, LockTextsOfTheLimitAndAboveAreNotRead) {
  std::wstring holder, machine, time, text;
  {
    const os::LockedFile held = holdLockFile("ann\nPC7 x\n" + std::string(1023 - 10, 't'));
    EXPECT_EQ(jdoe.whoLocked(plant.c_str(), holder, machine, time), kLockedByOther);
    EXPECT_EQ(holder, L"ann(PC7 x)");
  }
  const os::LockedFile held = holdLockFile("ann\nPC7 x\n" + std::string(1024 - 10, 't'));
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), holder, machine, time), kLockedHolderUnknown);
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), text), kLockedHolderUnknown);
  EXPECT_TRUE(jdoe.isLocked(plant.c_str()));
  EXPECT_TRUE(exists(lockNative));
}

TEST_F(Locker, ATextWithoutTwoLineFeedsIsSomeoneElseButHasNoHolder) {
  const os::LockedFile held = holdLockFile("jdoe\nPC7 John Doe");
  std::wstring text, holder, machine, time;
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), text), kLockedByOther);
  EXPECT_EQ(text, L"jdoe\nPC7 John Doe");
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), holder, machine, time), kLockedHolderUnknown);
  EXPECT_FALSE(jdoe.lockFile(plant.c_str()));
}

TEST_F(Locker, LockTextsAreNarrowInTheCodePage) {
  VoxPrmVirtualFileLocker jerome([] { return identityText({L"jérôme", L"PC7", L"Jérôme Dœ"}, L"d", L"t"); });
  ASSERT_TRUE(jerome.lockFile(plant.c_str()));
  EXPECT_EQ(readNative(lockNative), "j\xE9r\xF4me\nPC7 J\xE9r\xF4me D\x9C\nd  t");
  std::wstring text;
  EXPECT_EQ(jerome.whoLocked(plant.c_str(), text), kLockedByMe);
  EXPECT_EQ(text, L"jérôme\nPC7 Jérôme Dœ\nd  t");
}

TEST_F(Locker, ALinkInPlaceOfTheLockFileIsAHolderNobodyCanReadAndIsNeverFollowed) {
  // A link leading nowhere: following it would create the file it names.
  std::filesystem::create_symlink(dir.native("planted"), lockNative);
  EXPECT_TRUE(jdoe.isLocked(plant.c_str()));
  EXPECT_FALSE(jdoe.lockFile(plant.c_str()));
  EXPECT_FALSE(exists(dir.native("planted"))) << "the lock went through the link";
  std::wstring text, holder, machine, time;
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), text), kLockedHolderUnknown);
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), holder, machine, time), kLockedHolderUnknown);
  EXPECT_TRUE(std::filesystem::is_symlink(lockNative)) << "the link is not ours to delete";

  // A link to a readable lock text of this very user is still not read, nor its target truncated.
  std::filesystem::remove(lockNative);
  writeNative(dir.native("target"), "jdoe\nPC7 John Doe\nMonday  10:00");
  std::filesystem::create_symlink(dir.native("target"), lockNative);
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), text), kLockedHolderUnknown);
  EXPECT_FALSE(jdoe.lockFile(plant.c_str()));
  EXPECT_EQ(readNative(dir.native("target")), "jdoe\nPC7 John Doe\nMonday  10:00");
  EXPECT_EQ(jdoe.heldLockCount(), 0u);
}

TEST_F(Locker, AFifoInPlaceOfTheLockFileNeitherBlocksNorIsRead) {
  ASSERT_EQ(::mkfifo(lockNative.c_str(), 0600), 0);
  std::wstring text;
  EXPECT_EQ(jdoe.whoLocked(plant.c_str(), text), kLockedHolderUnknown);
  EXPECT_FALSE(jdoe.lockFile(plant.c_str()));
  EXPECT_TRUE(std::filesystem::is_fifo(lockNative));
}

// The manager's pass-through with the real locker behind it.
class ManagerLocking : public test::StandInHostFixture {};

TEST_F(ManagerLocking, TheManagerLocksThroughTheAdapter) {
  writeNative(temp.native("Plant.wdp"), "x");
  std::wstring forward = temp.path(L"Plant.wdp");
  for (wchar_t& c : forward)
    if (c == L'\\') c = L'/';
  {
    core::ManagerParts parts;
    parts.makeLocker = [] { return makeProjectFileLocker(); };
    VoxPrmProjectManager manager(parts);
    ASSERT_TRUE(manager.lockProjectFile(forward.c_str()));
    EXPECT_TRUE(exists(temp.native("Plant.wdp.FLL")));
    EXPECT_TRUE(manager.isProjectFileLocked(forward.c_str()));
    std::wstring holder;
    EXPECT_EQ(manager.whoHasProjectFileLocked(forward.c_str(), holder), kLockedByMe);
    EXPECT_FALSE(holder.empty());
  }  // the manager releases its locks when it goes
  EXPECT_FALSE(exists(temp.native("Plant.wdp.FLL")));
}

TEST_F(ManagerLocking, TheAddOnLockServiceCountsAProjectThisUserLockedAsLocked) {
  writeNative(temp.native("Plant.wdp"), "x");
  const std::wstring plant = temp.path(L"Plant.wdp");
  core::ManagerParts parts;
  parts.makeLocker = [] { return makeProjectFileLocker(); };
  VoxPrmProjectManager manager(parts);
  ASSERT_TRUE(manager.lockProjectFile(plant.c_str()));

  std::vector<std::wstring> locked;
  EXPECT_TRUE(LispCheckFileLockStatusAndLock({plant}, 1, 0, locked)) << "refused a project this user locked";
  EXPECT_TRUE(locked.empty());
  EXPECT_TRUE(LispUpdUnlockFiles(locked));
  std::wstring holder;
  EXPECT_EQ(manager.whoHasProjectFileLocked(plant.c_str(), holder), kLockedByMe) << "the earlier lock was released";
  EXPECT_TRUE(exists(temp.native("Plant.wdp.FLL")));

  // Another user's lock is still refused.
  ASSERT_TRUE(manager.unlockProjectFile(plant.c_str()));
  VoxPrmVirtualFileLocker ann{as(L"ann")};
  ASSERT_TRUE(ann.lockFile(plant.c_str()));
  EXPECT_FALSE(LispCheckFileLockStatusAndLock({plant}, 1, 0, locked));
  EXPECT_TRUE(locked.empty());
}

}  // namespace
}  // namespace vox::locking
