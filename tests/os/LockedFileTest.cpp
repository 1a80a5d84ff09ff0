#include "platform/os/LockedFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/os/SharedReader.h"
#include "support/TempDir.h"

namespace vox::os {
namespace {

using test::readNative;
using test::TempDir;
using test::writeNative;

using Disposition = LockedFile::Disposition;

TEST(LockedFile, OneHolderAtATimeEvenInOneProcess) {
  const TempDir dir;
  const std::wstring path = dir.path(L"P.wdp.FLL");
  std::optional<LockedFile> first = LockedFile::acquire(path, Disposition::kOpenOrCreate);
  ASSERT_TRUE(first);
  ASSERT_TRUE(first->replaceContent("first holder"));

  OsError error;
  EXPECT_FALSE(LockedFile::acquire(path, Disposition::kOpenOrCreate, &error));
  EXPECT_EQ(error.code, EAGAIN);
  EXPECT_EQ(readNative(dir.native("P.wdp.FLL")), "first holder");  // a refused open truncates nothing

  first.reset();  // released; the file stays
  std::optional<LockedFile> second = LockedFile::acquire(path, Disposition::kOpenExisting);
  ASSERT_TRUE(second);
  EXPECT_EQ(readNative(dir.native("P.wdp.FLL")), "first holder");
  ASSERT_TRUE(second->replaceContent("2nd"));
  EXPECT_EQ(readNative(dir.native("P.wdp.FLL")), "2nd");
  EXPECT_TRUE(second->removeAndRelease());
  EXPECT_FALSE(std::filesystem::exists(dir.native("P.wdp.FLL")));

  EXPECT_FALSE(LockedFile::acquire(path, Disposition::kOpenExisting, &error));
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_FALSE(LockedFile::acquire(dir.path(L"no\\such\\folder.FLL"), Disposition::kOpenOrCreate));
  EXPECT_FALSE(LockedFile::acquire(dir.path(), Disposition::kOpenExisting));
}

TEST(LockedFile, OnlyUnheldLockFilesAreRemoved) {
  const TempDir dir;
  const std::wstring path = dir.path(L"P.wdp.FLL");
  EXPECT_EQ(removeUnheldLockFile(path), StaleLockResult::kAbsent);

  std::optional<LockedFile> held = LockedFile::acquire(path, Disposition::kOpenOrCreate);
  ASSERT_TRUE(held);
  EXPECT_EQ(removeUnheldLockFile(path), StaleLockResult::kHeld);
  EXPECT_TRUE(std::filesystem::exists(dir.native("P.wdp.FLL")));
  EXPECT_TRUE(held->replaceContent("still mine"));  // the failed attempt did not release it
  EXPECT_EQ(removeUnheldLockFile(path), StaleLockResult::kHeld);

  held.reset();
  EXPECT_EQ(removeUnheldLockFile(path), StaleLockResult::kRemoved);
  EXPECT_FALSE(std::filesystem::exists(dir.native("P.wdp.FLL")));
}

TEST(LockedFile, ARemovedHolderNeverDeletesItsSuccessor) {
  const TempDir dir;
  const std::wstring path = dir.path(L"P.wdp.FLL");
  std::optional<LockedFile> old = LockedFile::acquire(path, Disposition::kOpenOrCreate);
  ASSERT_TRUE(old);
  std::filesystem::remove(dir.native("P.wdp.FLL"));  // removed behind its back
  std::optional<LockedFile> successor = LockedFile::acquire(path, Disposition::kOpenOrCreate);
  ASSERT_TRUE(successor);  // a new file, not the old holder's
  EXPECT_FALSE(old->removeAndRelease());
  EXPECT_TRUE(std::filesystem::exists(dir.native("P.wdp.FLL")));
  EXPECT_EQ(removeUnheldLockFile(path), StaleLockResult::kHeld);
}

TEST(LockedFile, LinksAtThePathAreRefusedUnlessAskedToFollow) {
  const TempDir dir;
  writeNative(dir.native("target"), "kept");
  std::filesystem::create_symlink(dir.native("target"), dir.native("P.wdp.FLL"));
  const std::wstring path = dir.path(L"P.wdp.FLL");

  OsError error;
  EXPECT_FALSE(LockedFile::acquire(path, Disposition::kOpenOrCreate, &error));
  EXPECT_EQ(error.code, ELOOP);
  EXPECT_EQ(removeUnheldLockFile(path), StaleLockResult::kHeld);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.native("P.wdp.FLL")));
  EXPECT_FALSE(SharedReader::open(path, &error));
  EXPECT_EQ(error.code, ELOOP);
  EXPECT_EQ(readNative(dir.native("target")), "kept");

  // A drawing reached through a link is still the drawing.
  std::optional<LockedFile> followed =
      LockedFile::acquire(path, Disposition::kOpenExisting, nullptr, LockedFile::Links::kFollow);
  ASSERT_TRUE(followed);
  EXPECT_FALSE(LockedFile::acquire(dir.path(L"target"), Disposition::kOpenExisting));
}

TEST(SharedReader, ReadsBelowTheLimitOnly) {
  const TempDir dir;
  writeNative(dir.native("short"), std::string(1023, 'a'));
  writeNative(dir.native("limit"), std::string(1024, 'a'));
  const auto shortFile = SharedReader::open(dir.path(L"short"));
  ASSERT_TRUE(shortFile);
  EXPECT_EQ(shortFile->readBelow(1024), std::string(1023, 'a'));
  const auto limit = SharedReader::open(dir.path(L"limit"));
  ASSERT_TRUE(limit);
  EXPECT_FALSE(limit->readBelow(1024));
  EXPECT_EQ(limit->readBelow(1025), std::string(1024, 'a'));

  // A held lock file stays readable to others.
  const auto held = LockedFile::acquire(dir.path(L"short"), LockedFile::Disposition::kOpenExisting);
  ASSERT_TRUE(held);
  EXPECT_EQ(SharedReader::open(dir.path(L"short"))->readBelow(2000), std::string(1023, 'a'));

  OsError error;
  EXPECT_FALSE(SharedReader::open(dir.path(L"missing"), &error));
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_FALSE(SharedReader::open(dir.path()));
}

}  // namespace
}  // namespace vox::os
