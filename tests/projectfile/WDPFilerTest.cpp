#include "projectfile/VoxPrmWDPFiler.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "host/HcHostRuntime.h"
#include "host/HcMessageCatalog.h"
#include "host/ProjectFileServices.h"
#include "platform/os/NativePath.h"
#include "platform/os/WinPath.h"
#include "support/FileSizeLimit.h"
#include "support/ForkedChild.h"
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
  std::wstring recoveryFolder() override { return recovery; }

  std::vector<std::wstring> substituted, messages, captions;
  std::wstring recovery;
};

// Every numbered message shows its number and its inserts, so a test can tell which message
// named which file.
class InsertsCatalog : public HcMessageCatalog {
 public:
  InsertsCatalog() {
    HcHostRuntime runtime;
    runtime.messages = this;
    hcInstallHostRuntime(runtime);
  }
  ~InsertsCatalog() override { hcInstallHostRuntime({}); }
  std::optional<std::wstring> string(unsigned id) const override { return std::to_wstring(id) + L": %s | %s"; }
  std::optional<std::wstring> text(const std::wstring&) const override { return std::nullopt; }
};

std::string shown(const std::vector<std::wstring>& messages) {
  std::string all;
  for (const std::wstring& m : messages) all += std::string(m.begin(), m.end()) + "\n";
  return all.empty() ? "no message" : all;
}

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

// A project of one drawing with 20 000 description lines: over 1 MB to write.
VoxPrmProjectData oneLargeEntry(const std::wstring& drawing) {
  VoxPrmProjectData data;
  VoxPrmFileDetails entry;
  entry.fileName = drawing;
  entry.descriptions.assign(20000, L"a long description line for every drawing of the project");
  data.addFile(entry);
  return data;
}

TEST(WDPFiler, AFailedWriteReturnsFalseAndLeavesTheOldFile) {
  const TempDir dir;
  writeNative(dir.native("p.wdp"), "old.dwg\r\n");
  const VoxPrmProjectData data = oneLargeEntry(dir.path(L"new.dwg"));

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

TEST(WDPFiler, HugeLinesAreReadWithoutFailing) {
  const TempDir dir;
  const std::string huge(50 * 1024 * 1024, 'x');
  writeNative(dir.native("huge.wdp"), huge);
  const auto start = std::chrono::steady_clock::now();
  const VoxPrmProjectData data = readProject(dir.path(L"huge.wdp"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  ASSERT_EQ(data.getProjFileDetails().size(), 1u);
  EXPECT_EQ(data.getProjFileDetails()[0].fileName.size(), huge.size());  // too long to qualify
}

// Read as a project, such a file would become garbage entries that the next change writes back.
TEST(WDPFiler, AFileHoldingNulBytesIsRefusedWithAMessageAndTheDataStay) {
  const RecordingServices services;
  const InsertsCatalog catalog;
  const TempDir dir;
  std::string binary = "a.dwg\r\nb.dwg\r\n";
  binary += std::string("\0\x01\x02PK", 5) + std::string(200000, 'z');
  writeNative(dir.native("bin.wdp"), binary);
  VoxPrmProjectData data;
  VoxPrmFileDetails kept;
  kept.fileName = L"\\kept.dwg";
  data.addFile(kept);

  VoxPrmWDPFiler filer(dir.path(L"bin.wdp"), true);
  EXPECT_FALSE(filer.readProject(data));
  ASSERT_EQ(services.messages.size(), 1u) << shown(services.messages);
  EXPECT_EQ(services.messages[0].rfind(L"304: " + dir.path(L"bin.wdp"), 0), 0u) << shown(services.messages);
  EXPECT_EQ(data.getProjFileDetails(), std::vector<VoxPrmFileDetails>{kept});
  EXPECT_EQ(readNative(dir.native("bin.wdp")), binary);
}

TEST(WDPFiler, OnlyRegularFilesUpToTheLimitAreOpenedAsProjects) {
  const RecordingServices services;
  const InsertsCatalog catalog;
  const TempDir dir;
  ASSERT_EQ(::mkfifo(dir.native("fifo.wdp").c_str(), 0600), 0);
  VoxPrmWDPFiler filer;
  EXPECT_FALSE(filer.openProject(dir.path(L"fifo.wdp"), true, false)) << "a FIFO without a writer, refused at once";
  EXPECT_FALSE(filer.openProject(vox::os::fromNative("/dev/zero"), true, false)) << "an endless device";

  const std::string big = dir.native("big.wdp");
  writeNative(big, "");
  ASSERT_EQ(::truncate(big.c_str(), VoxPrmWDPFiler::kMaxProjectFileSize + 1), 0);  // sparse: costs no disk
  EXPECT_FALSE(filer.openProject(dir.path(L"big.wdp"), true, false));
  ASSERT_EQ(::truncate(big.c_str(), 0), 0);

  ASSERT_EQ(services.messages.size(), 3u) << shown(services.messages);
  EXPECT_EQ(services.messages[0].rfind(L"305: " + dir.path(L"fifo.wdp"), 0), 0u) << shown(services.messages);
  EXPECT_EQ(services.messages[1].rfind(L"305: \\dev\\zero", 0), 0u) << shown(services.messages);
  EXPECT_EQ(services.messages[2], L"306: " + dir.path(L"big.wdp") + L" | 256") << shown(services.messages);
  EXPECT_GE(VoxPrmWDPFiler::kMaxProjectFileSize, 256LL << 20);
}

TEST(WDPFiler, ANewProjectFileAppearsOnlyComplete) {
  const TempDir dir;
  const VoxPrmProjectData data = oneLargeEntry(dir.path(L"a.dwg"));

  VoxPrmWDPFiler filer(dir.path(L"new.wdp"), false);
  EXPECT_FALSE(std::filesystem::exists(dir.native("new.wdp"))) << "opening for writing creates no empty project";
  EXPECT_FALSE(vox::test::withFileSizeLimit(64 * 1024, [&] { return filer.writeProject(data); }));
  EXPECT_FALSE(std::filesystem::exists(dir.native("new.wdp"))) << "a failed write leaves no project behind";
  EXPECT_TRUE(filer.writeProject(data));
  EXPECT_EQ(readProject(dir.path(L"new.wdp")).getProjFileDetails(), data.getProjFileDetails());
}

// The project's folder refuses new files: the write goes in place, with a recovery copy in the
// user's settings folder. The writes run as an ordinary user (root ignores the permissions).
TEST(WDPFiler, ARewriteInPlaceThatWasKilledIsNamedWhenTheProjectIsRead) {
  const InsertsCatalog catalog;
  const TempDir dir;
  ::chmod(dir.native().c_str(), 0777);
  std::filesystem::create_directory(dir.native("project"));
  std::filesystem::create_directory(dir.native("settings"));
  ::chmod(dir.native("settings").c_str(), 0777);
  writeNative(dir.native("project/p.wdp"), "old.dwg\r\n");
  ::chmod(dir.native("project/p.wdp").c_str(), 0666);
  ::chmod(dir.native("project").c_str(), 0555);
  const std::wstring project = dir.path(L"project\\p.wdp");
  const std::wstring recovery = dir.path(L"settings\\recovery");

  const auto drawings = [&dir](int count) {
    VoxPrmProjectData data;
    for (int i = 0; i < count; ++i) {
      VoxPrmFileDetails entry;
      entry.fileName = dir.path(L"project\\sheet" + std::to_wstring(i) + L".dwg");
      data.addFile(entry);
    }
    return data;
  };
  const auto writer = [&](const VoxPrmProjectData& data) {
    return [&, data] {
      RecordingServices services;
      services.recovery = recovery;
      VoxPrmWDPFiler filer(project, false);
      return filer.writeProject(data) ? 0 : 1;
    };
  };
  const vox::test::ChildEnd written =
      vox::test::runInChild(writer(drawings(10)), {.unprivileged = true, .killWritesPast = {}});
  ASSERT_TRUE(written.exited && written.status == 0) << "the in-place write " << written.describe();
  EXPECT_EQ(readProject(project).getProjFileDetails(), drawings(10).getProjFileDetails());
  const std::string before = readNative(dir.native("project/p.wdp"));

  // The old content fits below the limit, the new one does not: killed while rewriting.
  const vox::test::ChildEnd killed =
      vox::test::runInChild(writer(drawings(2000)), {.unprivileged = true, .killWritesPast = 4096});
  ASSERT_EQ(killed.signal, SIGXFSZ) << "the child " << killed.describe();

  RecordingServices services;
  services.recovery = recovery;
  readProject(project);
  ASSERT_EQ(services.messages.size(), 1u) << shown(services.messages);
  const std::wstring& message = services.messages[0];
  EXPECT_EQ(message.rfind(L"308: " + project + L" | " + recovery + L"\\p.wdp.", 0), 0u) << shown(services.messages);
  const std::optional<std::string> copy = vox::os::toNative(message.substr(message.find(L" | ") + 3));
  ASSERT_TRUE(copy);
  EXPECT_EQ(readNative(*copy), before) << "the copy holds the content from before the killed write";
}

}  // namespace
