#include "platform/settings/SettingsFile.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "support/ForkedChild.h"

namespace vox::settings {
namespace {

TEST(SettingsFile, EveryReplacementGetsALaterStampThanTheOneItReplaces) {
  const test::StoreFolder dir;
  std::filesystem::create_directories(dir.folder);
  std::wstring error;
  const std::optional<FileStamp> first = writeAtomically(dir.file(), "1", FileStamp{}, error);
  ASSERT_TRUE(first);
  FileStamp future = *first;
  future.mtimeNs += 3600LL * 1000000000LL;  // a clock that went back, or many changes in one tick
  const std::optional<FileStamp> second = writeAtomically(dir.file(), "2", future, error);
  ASSERT_TRUE(second);
  EXPECT_GT(second->mtimeNs, future.mtimeNs);
  EXPECT_EQ(stampOf(dir.file()), *second);
  EXPECT_EQ(dir.read(), "2");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.folder), {}), 1);  // no temporary left
}

TEST(SettingsFile, AFailedWriteLeavesTheFileAndNoTemporary) {
  const test::StoreFolder dir;
  std::wstring error;
  EXPECT_FALSE(writeAtomically(dir.folder + "/missing/registry.json", "x", FileStamp{}, error));
  EXPECT_NE(error.find(L"cannot write"), std::wstring::npos);
  dir.write("old");
  std::filesystem::create_directories(dir.folder + "/dir.json/inside");  // renaming over a folder fails
  EXPECT_FALSE(writeAtomically(dir.folder + "/dir.json", "x", FileStamp{}, error));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.folder), {}), 2);
}

TEST(SettingsFile, AnOversizedFileIsNotReadIntoMemory) {
  const test::StoreFolder dir;
  dir.write("{}");
  std::filesystem::resize_file(dir.file(), kMaxSettingsFileSize + 1);
  const FileContent content = readSettingsFile(dir.file());
  EXPECT_EQ(content.status, FileContent::Status::kTooLarge);
  EXPECT_TRUE(content.bytes.empty());
}

// A change killed mid-write leaves its temporary file in the settings folder; the next change
// removes it, and what the killed change wanted is not there.
TEST(SettingsFile, TheNextChangeRemovesTheTemporaryOfAKilledOne) {
  const test::StoreFolder dir;
  JsonSettingsStore store(dir.folder);
  ASSERT_TRUE(store.setString(test::kKey, L"Kept", L"1"));
  const vox::test::ChildEnd killed = vox::test::runInChild(
      [&dir] {
        JsonSettingsStore child(dir.folder);
        child.setString(test::kKey, L"Huge", std::wstring(1 << 20, L'x'));
        return 0;
      },
      vox::test::ChildOptions{.unprivileged = false, .killWritesPast = 64 * 1024});
  ASSERT_EQ(killed.signal, SIGXFSZ) << "the child " << killed.describe();
  const auto entries = [&dir] { return std::distance(std::filesystem::directory_iterator(dir.folder), {}); };
  EXPECT_EQ(entries(), 3) << "the settings file, its lock file and the killed change's temporary file";

  ASSERT_TRUE(store.setString(test::kKey, L"Next", L"2"));
  EXPECT_EQ(entries(), 2) << "the temporary file is gone";
  EXPECT_EQ(store.getString(test::kKey, L"Kept"), L"1");
  EXPECT_FALSE(store.getString(test::kKey, L"Huge"));
}

}  // namespace
}  // namespace vox::settings
