// Replacing a file's content: nothing changes before the commit, a new target appears only
// complete, permission bits are kept, a write error leaves the old content whole, and the
// temporary files of writers killed mid-write are removed by the next write while a live
// writer's temporary stays.

#include "platform/os/ReplaceFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "platform/os/Files.h"
#include "support/FileSizeLimit.h"
#include "support/ForkedChild.h"
#include "support/TempDir.h"

namespace vox::os {
namespace {

using test::readNative;
using test::modeOf;
using test::TempDir;
using test::writeNative;


// The names in a folder, sorted, so a failure shows what was left.
std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

using Names = std::vector<std::string>;

TEST(ReplaceFile, KeepsPermissionBitsAndLeavesNoTemporaryFile) {
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "old");
  ::chmod(dir.native("p.wdp").c_str(), 0640);
  auto file = ReplaceFile::open(dir.path(L"p.wdp"));
  ASSERT_TRUE(file);
  file->append("new content");
  EXPECT_EQ(readNative(dir.native("p.wdp")), "old");  // nothing changes before commit
  ASSERT_TRUE(file->commit());
  EXPECT_EQ(readNative(dir.native("p.wdp")), "new content");
  EXPECT_EQ(modeOf(dir.native("p.wdp")), 0640u);
  EXPECT_EQ(namesIn(dir.native()), Names{"p.wdp"});
  EXPECT_FALSE(file->commit()) << "a second commit of the same object";
}

TEST(ReplaceFile, ANewTargetAppearsOnlyComplete) {
  const TempDir dir;
  {
    auto unused = ReplaceFile::open(dir.path(L"new.wdp"));
    ASSERT_TRUE(unused);
    EXPECT_FALSE(pathExists(dir.path(L"new.wdp"))) << "opening creates no empty target";
  }
  EXPECT_EQ(namesIn(dir.native()), Names{}) << "an uncommitted write leaves nothing";

  auto failing = ReplaceFile::open(dir.path(L"new.wdp"));
  ASSERT_TRUE(failing);
  failing->append(std::string(1 << 20, 'n'));
  EXPECT_FALSE(test::withFileSizeLimit(4096, [&] { return failing->commit(); }));
  EXPECT_EQ(namesIn(dir.native()), Names{}) << "a failed first write leaves no target";

  auto created = ReplaceFile::open(dir.path(L"new.wdp"));
  ASSERT_TRUE(created);
  created->append("x\r\n");
  ASSERT_TRUE(created->commit());
  EXPECT_EQ(readNative(dir.native("new.wdp")), "x\r\n");
  EXPECT_EQ(modeOf(dir.native("new.wdp")) & 0600, 0600u);
}

TEST(ReplaceFile, FollowsLinks) {
  const TempDir dir;
  writeNative(dir.native("new.wdp"), "x");
  ::symlink("new.wdp", dir.native("link.wdp").c_str());
  auto viaLink = ReplaceFile::open(dir.path(L"link.wdp"));
  ASSERT_TRUE(viaLink);
  viaLink->append("through the link");
  ASSERT_TRUE(viaLink->commit());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.native("link.wdp")));
  EXPECT_EQ(readNative(dir.native("new.wdp")), "through the link");
}

TEST(ReplaceFile, RefusesReadOnlyTargetsFoldersAndMissingFolders) {
  const TempDir dir;
  writeNative(dir.native("ro.wdp"), "keep");
  ::chmod(dir.native("ro.wdp").c_str(), 0444);
  OsError error;
  EXPECT_FALSE(ReplaceFile::open(dir.path(L"ro.wdp"), &error));
  EXPECT_EQ(error.code, EACCES);
  EXPECT_EQ(readNative(dir.native("ro.wdp")), "keep");
  EXPECT_FALSE(ReplaceFile::open(dir.path(), &error));
  EXPECT_EQ(error.code, EISDIR);
  EXPECT_FALSE(ReplaceFile::open(dir.path(L"no\\such\\folder.wdp"), &error));
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_FALSE(ReplaceFile::open(L"Q:\\unmapped.wdp", &error));
}

// A file size limit makes the write fail half-way, as a full disk would.
TEST(ReplaceFile, AWriteErrorLeavesTheOldContentWhole) {
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "the old content");
  auto file = ReplaceFile::open(dir.path(L"p.wdp"));
  ASSERT_TRUE(file);
  file->append(std::string(1 << 20, 'n'));

  OsError error;
  const bool committed = test::withFileSizeLimit(4096, [&] { return file->commit(&error); });

  EXPECT_FALSE(committed);
  EXPECT_EQ(error.code, EFBIG);
  EXPECT_EQ(readNative(dir.native("p.wdp")), "the old content");
  EXPECT_EQ(namesIn(dir.native()), Names{"p.wdp"});
}

TEST(ReplaceFile, TemporariesOfKilledWritesAreRemovedByTheNextWriteButALiveOneStays) {
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "old");
  const test::ChildEnd killed = test::runInChild(
      [&dir] {
        auto file = ReplaceFile::open(dir.path(L"p.wdp"));
        if (!file) return 1;
        file->append(std::string(1 << 20, 'k'));
        file->commit();
        return 2;  // not reached: the write past the limit kills the child
      },
      test::ChildOptions{.killWritesPast = 64 * 1024});
  ASSERT_EQ(killed.signal, SIGXFSZ) << "the child " << killed.describe();
  ASSERT_EQ(namesIn(dir.native()).size(), 2u) << "the killed write leaves its temporary file";
  EXPECT_EQ(readNative(dir.native("p.wdp")), "old");

  auto live = ReplaceFile::open(dir.path(L"p.wdp"));  // removes the killed writer's, makes its own
  ASSERT_TRUE(live);
  live->append("live");
  const Names withLive = namesIn(dir.native());
  ASSERT_EQ(withLive.size(), 2u);

  auto other = ReplaceFile::open(dir.path(L"p.wdp"));
  ASSERT_TRUE(other);
  other->append("other");
  ASSERT_TRUE(other->commit());
  EXPECT_EQ(namesIn(dir.native()), withLive) << "the live writer's temporary file stays";
  ASSERT_TRUE(live->commit());
  EXPECT_EQ(readNative(dir.native("p.wdp")), "live");
  EXPECT_EQ(namesIn(dir.native()), Names{"p.wdp"});
}

}  // namespace
}  // namespace vox::os
