#include "platform/os/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/os/WinPath.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace vox::os {
namespace {

using test::readNative;
using test::TempDir;
using test::writeNative;

unsigned modeOf(const std::string& native) {
  struct stat st {};
  ::stat(native.c_str(), &st);
  return st.st_mode & 07777;
}

std::size_t entriesIn(const std::string& folder) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

TEST(Files, QueriesAndReadOnlyAttribute) {
  const TempDir dir;
  writeNative(dir.native("a.wdp"), "x");
  EXPECT_TRUE(pathExists(dir.path(L"a.wdp")));
  EXPECT_TRUE(fileExists(dir.path(L"a.wdp")));
  EXPECT_FALSE(fileExists(dir.path()));
  EXPECT_TRUE(folderExists(dir.path()));
  EXPECT_FALSE(pathExists(dir.path(L"missing.wdp")));
  EXPECT_FALSE(pathExists(L"Q:\\unmapped.wdp"));

  EXPECT_FALSE(isReadOnly(dir.path(L"a.wdp")));
  ASSERT_TRUE(setReadOnly(dir.path(L"a.wdp"), true));
  EXPECT_TRUE(isReadOnly(dir.path(L"a.wdp")));
  EXPECT_EQ(modeOf(dir.native("a.wdp")) & 0222, 0u);
  ASSERT_TRUE(setReadOnly(dir.path(L"a.wdp"), false));
  EXPECT_FALSE(isReadOnly(dir.path(L"a.wdp")));
  OsError error;
  EXPECT_FALSE(setReadOnly(dir.path(L"missing.wdp"), true, &error));
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_FALSE(error.message.empty());
  EXPECT_TRUE(setHidden(dir.path(L"a.wdp"), true));
  EXPECT_TRUE(fileExists(dir.path(L"a.wdp")));
  EXPECT_FALSE(setHidden(dir.path(L"missing.wdp"), true));
  EXPECT_TRUE(folderAccessible(dir.path()));
}

TEST(Files, ReadsWholeFilesAndReportsWhyNot) {
  const TempDir dir;
  std::string big(200000, 'z');
  big[123456] = '\0';
  writeNative(dir.native("big"), big);
  std::string read;
  ASSERT_TRUE(readFile(dir.path(L"big"), read));
  EXPECT_EQ(read, big);
  OsError error;
  EXPECT_FALSE(readFile(dir.path(L"nothing"), read, &error));
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_FALSE(readFile(dir.path(), read, &error));
  EXPECT_EQ(error.code, EISDIR);
}

TEST(Files, ReplaceKeepsPermissionBitsAndLeavesNoTemporaryFile) {
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
  EXPECT_EQ(entriesIn(dir.native()), 1u);
}

TEST(Files, ReplaceCreatesAMissingTargetAndFollowsLinks) {
  const TempDir dir;
  auto created = ReplaceFile::open(dir.path(L"new.wdp"));
  ASSERT_TRUE(created);
  EXPECT_TRUE(fileExists(dir.path(L"new.wdp")));
  created->append("x\r\n");
  ASSERT_TRUE(created->commit());
  EXPECT_EQ(readNative(dir.native("new.wdp")), "x\r\n");

  ::symlink("new.wdp", dir.native("link.wdp").c_str());
  auto viaLink = ReplaceFile::open(dir.path(L"link.wdp"));
  ASSERT_TRUE(viaLink);
  viaLink->append("through the link");
  ASSERT_TRUE(viaLink->commit());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.native("link.wdp")));
  EXPECT_EQ(readNative(dir.native("new.wdp")), "through the link");
}

TEST(Files, ReplaceRefusesReadOnlyTargetsFoldersAndMissingFolders) {
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
TEST(Files, AWriteErrorLeavesTheOldContentWhole) {
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
  EXPECT_EQ(entriesIn(dir.native()), 1u);
}

TEST(Files, FullPathUsesTheCurrentFolder) {
  const std::wstring cwd = currentFolder();
  EXPECT_FALSE(isRelative(cwd));
  EXPECT_EQ(fullPath(L"a\\..\\b.wdp"), canonicalize(cwd + L"\\b.wdp"));
}

}  // namespace
}  // namespace vox::os
