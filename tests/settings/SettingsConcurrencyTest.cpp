#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "SettingsTestSupport.h"
#include "platform/settings/FileLock.h"

namespace vox::settings {
namespace {

using test::kKey;
using test::StoreFolder;

TEST(SettingsConcurrency, InterleavedInstancesLoseNothing) {
  const StoreFolder dir;
  JsonSettingsStore a(dir.folder), b(dir.folder);
  for (int i = 0; i < 20; ++i) {
    ASSERT_TRUE(a.setNumber(kKey, L"a" + std::to_wstring(i), i));
    ASSERT_EQ(a.getNumber(kKey, L"b" + std::to_wstring(i - 1)), i == 0 ? std::nullopt : std::optional(i - 1));
    ASSERT_TRUE(b.setNumber(kKey, L"b" + std::to_wstring(i), i));
  }
  EXPECT_EQ(a.valueNames(kKey).size(), 40u);
  EXPECT_EQ(b.valueNames(kKey).size(), 40u);
}

TEST(SettingsConcurrency, TwoProcessesWritingAtOnceLoseNothing) {
  const StoreFolder dir;
  std::vector<pid_t> children;
  for (const wchar_t* prefix : {L"p", L"q"}) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      JsonSettingsStore store(dir.folder);
      bool ok = true;
      for (int i = 0; i < 200; ++i) ok = store.setNumber(kKey, prefix + std::to_wstring(i), i) && ok;
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const JsonSettingsStore reader(dir.folder);
  ASSERT_EQ(reader.valueNames(kKey).size(), 400u);
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(reader.getNumber(kKey, L"p" + std::to_wstring(i)), i);
    EXPECT_EQ(reader.getNumber(kKey, L"q" + std::to_wstring(i)), i);
  }
}

TEST(SettingsConcurrency, AHeldLockMakesOthersWaitThenFail) {
  const StoreFolder dir;
  std::filesystem::create_directories(dir.folder);
  const std::string path = dir.folder + "/registry.lock";
  std::wstring error;
  std::optional<FileLock> held = FileLock::acquire(path, std::chrono::milliseconds(0), error);
  ASSERT_TRUE(held) << std::string(error.begin(), error.end());
  EXPECT_FALSE(FileLock::acquire(path, std::chrono::milliseconds(30), error));
  EXPECT_NE(error.find(L"locked"), std::wstring::npos);
  held.reset();
  EXPECT_TRUE(FileLock::acquire(path, std::chrono::milliseconds(0), error));
}

}  // namespace
}  // namespace vox::settings
