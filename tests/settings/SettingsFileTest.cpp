#include "platform/settings/SettingsFile.h"

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

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

}  // namespace
}  // namespace vox::settings
