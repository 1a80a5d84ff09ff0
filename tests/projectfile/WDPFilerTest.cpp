#include "projectfile/VoxPrmWDPFiler.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "host/ProjectFileServices.h"
#include "platform/os/WinPath.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace {

using vox::test::readNative;
using vox::test::TempDir;
using vox::test::writeNative;

// Records what the filer asks of the host.
class RecordingServices : public vox::host::ProjectFileServices {
 public:
  RecordingServices() { vox::host::installProjectFileServices(this); }
  ~RecordingServices() override { vox::host::installProjectFileServices(nullptr); }

  std::optional<std::wstring> substituteReplaceable(const std::wstring& value) override {
    substituted.push_back(value);
    return L"\\lib\\" + value;
  }
  void showProjectFileError(const std::wstring& text, const std::wstring& caption) override {
    messages.push_back(text);
    captions.push_back(caption);
  }

  std::vector<std::wstring> substituted, messages, captions;
};

VoxPrmProjectData readProject(const std::wstring& path) {
  VoxPrmWDPFiler filer(path, true);
  VoxPrmProjectData data;
  EXPECT_TRUE(filer.readProject(data));
  return data;
}

bool writeProject(const std::wstring& path, const VoxPrmProjectData& data) {
  VoxPrmWDPFiler filer(path, false);
  return filer.writeProject(data) && filer.closeProject();
}

TEST(WDPFiler, RefusalsSetTheLastErrorAndSuccessKeepsIt) {
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "a.dwg\r\n");
  VoxPrmWDPFiler filer;
  VoxPrmProjectData data;
  EXPECT_EQ(filer.getLastError(), 0);
  EXPECT_FALSE(filer.readProject(data));
  EXPECT_EQ(filer.getLastError(), 2);
  EXPECT_FALSE(filer.writeProject(data));
  EXPECT_EQ(filer.getLastError(), 2);
  EXPECT_FALSE(filer.closeProject());

  ASSERT_TRUE(filer.openProject(dir.path(L"p.wdp"), true, false));
  EXPECT_EQ(filer.getLastError(), 2);  // success leaves the code as it was
  EXPECT_FALSE(filer.openProject(dir.path(L"p.wdp"), true, false));
  EXPECT_EQ(filer.getLastError(), 1);
  EXPECT_FALSE(filer.writeProject(data));
  EXPECT_EQ(filer.getLastError(), 4);
  EXPECT_TRUE(filer.readProject(data));
  EXPECT_TRUE(filer.closeProject());

  ASSERT_TRUE(filer.openProject(dir.path(L"p.wdp"), false, false));
  EXPECT_FALSE(filer.readProject(data));
  EXPECT_EQ(filer.getLastError(), 3);
  EXPECT_TRUE(filer.closeProject());
  EXPECT_EQ(readNative(dir.native("p.wdp")), "a.dwg\r\n");  // opened for writing, nothing written
}

TEST(WDPFiler, FailedOpensSetNoCodeAndOnlyAReportedWriteOpenShowsAMessage) {
  const RecordingServices services;
  const TempDir dir;
  VoxPrmWDPFiler filer;
  EXPECT_FALSE(filer.openProject(dir.path(L"missing.wdp"), true, true));
  EXPECT_FALSE(filer.openProject(dir.path(L"no\\folder\\p.wdp"), false, false));
  EXPECT_TRUE(services.messages.empty());
  EXPECT_FALSE(filer.openProject(dir.path(L"no\\folder\\p.wdp"), false, true));
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_FALSE(services.messages[0].empty());
  EXPECT_LE(services.messages[0].size(), 255u);
  EXPECT_FALSE(services.captions[0].empty());
  EXPECT_EQ(filer.getLastError(), 0);
  EXPECT_FALSE(filer.closeProject());
}

TEST(WDPFiler, ReadsDrawingsRelativeToTheProjectFolder) {
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "=S\r\nsub/a.dwg\r\n..\\b.dwg\r\n");
  const VoxPrmProjectData data = readProject(dir.path(L"p.wdp"));
  ASSERT_EQ(data.getProjFileDetails().size(), 2u);
  EXPECT_EQ(data.getProjFileDetails()[0].fileName, dir.path(L"sub\\a.dwg"));
  EXPECT_EQ(data.getProjFileDetails()[1].fileName, vox::os::folderOf(dir.path()) + L"\\b.dwg");
  EXPECT_TRUE(writeProject(dir.path(L"copy.wdp"), data));
  const std::string copy = readNative(dir.native("copy.wdp"));
  EXPECT_NE(copy.find("\r\n=S\r\nsub\\a.dwg\r\n..\\b.dwg\r\n"), std::string::npos);
}

TEST(WDPFiler, RoundTripsItsOwnFilesByteForByte) {
  const TempDir dir;
  writeNative(dir.native("in.wdp"), "*[1]Demo\r\n+[5]8\r\n=Main\r\n===Sheet one\r\n====REF\r\none.dwg\r\n\"=two.dwg\r\n");
  ASSERT_TRUE(writeProject(dir.path(L"once.wdp"), readProject(dir.path(L"in.wdp"))));
  ASSERT_TRUE(writeProject(dir.path(L"twice.wdp"), readProject(dir.path(L"once.wdp"))));
  EXPECT_EQ(readNative(dir.native("once.wdp")), readNative(dir.native("twice.wdp")));
}

TEST(WDPFiler, WritingKeepsPermissionsAndRefusesReadOnlyFiles) {
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "old.dwg\r\n");
  ::chmod(dir.native("p.wdp").c_str(), 0664);
  VoxPrmProjectData data;
  ASSERT_TRUE(writeProject(dir.path(L"p.wdp"), data));
  EXPECT_EQ(readNative(dir.native("p.wdp")), "\r\n");
  struct stat st {};
  ::stat(dir.native("p.wdp").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0664u);

  ::chmod(dir.native("p.wdp").c_str(), 0444);
  VoxPrmWDPFiler filer;
  EXPECT_FALSE(filer.openProject(dir.path(L"p.wdp"), false, false));
  EXPECT_TRUE(filer.openProject(dir.path(L"p.wdp"), true, false));  // reading still works
}

TEST(WDPFiler, AFailedWriteReturnsFalseAndLeavesTheOldFile) {
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "old.dwg\r\n");
  VoxPrmProjectData data;
  VoxPrmFileDetails entry;
  entry.fileName = dir.path(L"new.dwg");
  entry.descriptions.assign(20000, L"a long description line for every drawing of the project");
  data.addFile(entry);

  VoxPrmWDPFiler filer(dir.path(L"p.wdp"), false);
  const bool written = vox::test::withFileSizeLimit(64 * 1024, [&] { return filer.writeProject(data); });

  EXPECT_FALSE(written);
  EXPECT_EQ(readNative(dir.native("p.wdp")), "old.dwg\r\n");
  EXPECT_TRUE(filer.writeProject(data));  // the next write of the same content succeeds
  EXPECT_EQ(readProject(dir.path(L"p.wdp")).getProjFileDetails(), data.getProjFileDetails());
}

TEST(WDPFiler, SubstitutesThePathSettingsThroughTheHost) {
  const RecordingServices services;
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "+[2]%LIB%\r\n+[6]4\r\n");
  const VoxPrmProjectData data = readProject(dir.path(L"p.wdp"));
  EXPECT_EQ(services.substituted, std::vector<std::wstring>{L"%LIB%"});
  std::wstring value;
  data.getMiscProjSettings().getValue(2, value);
  EXPECT_EQ(value, L"\\lib\\%LIB%");
}

TEST(WDPFiler, HugeLinesAndBinaryContentAreReadWithoutFailing) {
  const TempDir dir;
  std::string huge(50 * 1024 * 1024, 'x');
  huge[1000] = '\0';
  writeNative(dir.native("huge.wdp"), huge);
  const auto start = std::chrono::steady_clock::now();
  const VoxPrmProjectData data = readProject(dir.path(L"huge.wdp"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  ASSERT_EQ(data.getProjFileDetails().size(), 1u);
  EXPECT_EQ(data.getProjFileDetails()[0].fileName.size(), huge.size());  // too long to qualify
}

}  // namespace
