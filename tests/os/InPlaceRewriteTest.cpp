// A project folder that refuses new files: the target is rewritten in place, its old content
// kept meanwhile in a recovery copy that a completed rewrite deletes, a write error puts back,
// and a writer killed mid-rewrite leaves behind for interruptedRewrites to find. The writes run
// in a child process as an ordinary user, since root ignores the folder's permissions.

#include "platform/os/InPlaceRewrite.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "platform/os/Files.h"
#include "platform/os/NativePath.h"
#include "support/FileSizeLimit.h"
#include "support/ForkedChild.h"
#include "support/TempDir.h"

namespace vox::os {
namespace {

using test::readNative;
using test::writeNative;

const test::ChildOptions kAsUser{.unprivileged = true, .killWritesPast = std::nullopt};

// A project file in a folder that refuses new files, and a settings folder for recovery copies.
struct RefusingFolder {
  test::TempDir dir;
  const std::string old = std::string(10000, 'o');

  RefusingFolder() {
    ::chmod(dir.native().c_str(), 0777);
    std::filesystem::create_directory(dir.native("project"));
    std::filesystem::create_directory(dir.native("settings"));
    ::chmod(dir.native("settings").c_str(), 0777);
    writeNative(target(), old);
    ::chmod(target().c_str(), 0666);
    ::chmod(dir.native("project").c_str(), 0555);
  }
  std::string target() const { return dir.native("project/p.wdp"); }
  std::string recovery() const { return dir.native("settings/recovery"); }
  std::wstring targetPath() const { return dir.path(L"project\\p.wdp"); }
  std::wstring recoveryPath() const { return dir.path(L"settings\\recovery"); }
  ReplaceOptions options() const { return ReplaceOptions{0666, recoveryPath()}; }
  std::size_t recoveryCopies() const {
    if (!std::filesystem::exists(recovery())) return 0;
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(recovery()), {}));
  }
  unsigned long long inode() const {
    struct stat st {};
    ::stat(target().c_str(), &st);
    return st.st_ino;
  }
};

// Exit statuses of the children: what went other than expected.
enum : int { kDone = 0, kNotOpened = 1, kNotInPlace = 2, kNotWritten = 3, kWrittenAnyway = 4, kWrongError = 5 };

TEST(InPlaceRewrite, AFolderThatRefusesNewFilesGetsTheFileRewrittenInPlace) {
  const RefusingFolder folder;
  const unsigned long long inode = folder.inode();
  const test::ChildEnd end = test::runInChild(
      [&folder] {
        auto file = ReplaceFile::open(folder.targetPath(), nullptr, folder.options());
        if (!file) return kNotOpened;
        if (!file->inPlace()) return kNotInPlace;
        file->append("new");
        return file->commit() ? kDone : kNotWritten;
      },
      kAsUser);
  ASSERT_TRUE(end.exited && end.status == kDone) << "the child " << end.describe();
  EXPECT_EQ(readNative(folder.target()), "new");
  EXPECT_EQ(folder.inode(), inode) << "rewritten in place, not replaced";
  EXPECT_EQ(folder.recoveryCopies(), 0u) << "a completed rewrite deletes its recovery copy";
}

TEST(InPlaceRewrite, WithoutARecoveryFolderSuchATargetIsRefused) {
  const RefusingFolder folder;
  const test::ChildEnd end = test::runInChild(
      [&folder] {
        OsError error;
        if (ReplaceFile::open(folder.targetPath(), &error)) return kWrittenAnyway;
        return error.code == EACCES ? kDone : kWrongError;
      },
      kAsUser);
  ASSERT_TRUE(end.exited && end.status == kDone) << "the child " << end.describe();
  EXPECT_EQ(readNative(folder.target()), folder.old);
}

TEST(InPlaceRewrite, AWriteErrorPutsTheOldContentBack) {
  const RefusingFolder folder;
  const test::ChildEnd end = test::runInChild(
      [&folder] {
        auto file = ReplaceFile::open(folder.targetPath(), nullptr, folder.options());
        if (!file || !file->inPlace()) return kNotInPlace;
        file->append(std::string(1 << 20, 'n'));
        OsError error;
        if (test::withFileSizeLimit(64 * 1024, [&] { return file->commit(&error); })) return kWrittenAnyway;
        return error.code == EFBIG && file->keptRecoveryCopy().empty() ? kDone : kWrongError;
      },
      kAsUser);
  ASSERT_TRUE(end.exited && end.status == kDone) << "the child " << end.describe();
  EXPECT_EQ(readNative(folder.target()), folder.old);
  EXPECT_EQ(folder.recoveryCopies(), 0u) << "the copy goes once the old content is back";
}

TEST(InPlaceRewrite, AWriterKilledMidRewriteLeavesACopyFoundAsInterrupted) {
  const RefusingFolder folder;
  test::ChildOptions options = kAsUser;
  options.killWritesPast = 64 * 1024;
  const test::ChildEnd end = test::runInChild(
      [&folder] {
        auto file = ReplaceFile::open(folder.targetPath(), nullptr, folder.options());
        if (!file || !file->inPlace()) return kNotInPlace;
        file->append(std::string(1 << 20, 'n'));
        file->commit();
        return kWrittenAnyway;
      },
      options);
  ASSERT_EQ(end.signal, SIGXFSZ) << "the child " << end.describe();
  EXPECT_NE(readNative(folder.target()), folder.old) << "the rewrite had begun";

  const std::vector<std::wstring> copies = interruptedRewrites(folder.targetPath(), folder.recoveryPath());
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(readNative(*toNative(copies[0])), folder.old);

  // A copy whose writer is at work is no interrupted rewrite.
  const std::optional<HeldFile> live =
      HeldFile::create(recoveryCopyNames(folder.target(), folder.recovery()), 0600);
  ASSERT_TRUE(live);
  EXPECT_EQ(interruptedRewrites(folder.targetPath(), folder.recoveryPath()), copies);
  EXPECT_TRUE(interruptedRewrites(folder.targetPath(), folder.dir.path(L"elsewhere")).empty());
}

}  // namespace
}  // namespace vox::os
