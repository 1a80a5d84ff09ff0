#include "platform/os/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/os/NativePath.h"
#include "platform/os/WinPath.h"
#include "support/TempDir.h"

namespace vox::os {
namespace {

using test::readNative;
using test::modeOf;
using test::TempDir;
using test::writeNative;


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

// A FIFO without a writer would block an ordinary open for ever, and a device never ends.
TEST(Files, InputFilesTellWhatIsNoRegularFileWithoutWaiting) {
  const TempDir dir;
  ASSERT_EQ(::mkfifo(dir.native("fifo").c_str(), 0600), 0);
  const std::optional<InputFile> fifo = InputFile::open(dir.path(L"fifo"));
  ASSERT_TRUE(fifo) << "a FIFO without a writer opens at once";
  EXPECT_FALSE(fifo->isRegular());

  const std::optional<InputFile> device = InputFile::open(fromNative("/dev/zero"));
  ASSERT_TRUE(device);
  EXPECT_FALSE(device->isRegular());
  EXPECT_EQ(device->size(), 0);

  writeNative(dir.native("p.wdp"), "0123456789");
  const std::optional<InputFile> file = InputFile::open(dir.path(L"p.wdp"));
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->isRegular());
  EXPECT_EQ(file->size(), 10);
}

TEST(Files, ReadingAllStopsPastTheLimit) {
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "0123456789");
  const std::optional<InputFile> file = InputFile::open(dir.path(L"p.wdp"));
  ASSERT_TRUE(file);
  std::string bytes;
  OsError error;
  EXPECT_TRUE(file->readAll(bytes, &error, 10));
  EXPECT_EQ(bytes, "0123456789");
  EXPECT_FALSE(file->readAll(bytes, &error, 9));
  EXPECT_EQ(error.code, EFBIG);
  EXPECT_TRUE(bytes.empty());

  const std::optional<InputFile> device = InputFile::open(fromNative("/dev/zero"));
  ASSERT_TRUE(device);
  EXPECT_FALSE(device->readAll(bytes, &error, 1 << 20)) << "an endless device is cut off at the limit";
  EXPECT_EQ(error.code, EFBIG);
}

TEST(Files, FullPathUsesTheCurrentFolder) {
  const std::wstring cwd = currentFolder();
  EXPECT_FALSE(isRelative(cwd));
  EXPECT_EQ(fullPath(L"a\\..\\b.wdp"), canonicalize(cwd + L"\\b.wdp"));
}

}  // namespace
}  // namespace vox::os
