// Locks between real processes: the helper program is a second instance that locks, reports and
// waits while this process looks at its lock.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>

#include "support/ChildProcess.h"
#include "locking/VoxPrmVirtualFileLocker.h"
#include "platform/os/Identity.h"
#include "support/TempDir.h"

namespace vox::locking {
namespace {

using test::ChildProcess;
using test::TempDir;
using test::writeNative;

const std::string kHelper = LOCK_HELPER_PATH;

class MultiProcessLock : public ::testing::Test {
 protected:
  MultiProcessLock() { writeNative(dir.native("Plant.wdp"), "x"); }

  std::unique_ptr<ChildProcess> holder(const std::string& login) {
    std::map<std::string, std::string> env;
    if (!login.empty()) env["LOCK_HELPER_LOGIN"] = login;
    auto child = std::make_unique<ChildProcess>(kHelper, std::vector<std::string>{"hold", dir.native("Plant.wdp")}, env);
    EXPECT_EQ(child->readLine(), "locked");
    return child;
  }

  bool lockFileExists() const { return std::filesystem::exists(dir.native("Plant.wdp.FLL")); }

  TempDir dir;
  const std::wstring plant = dir.path(L"Plant.wdp");
  VoxPrmVirtualFileLocker me;
};

TEST_F(MultiProcessLock, AnotherUsersLockIsSeenAndRefusedUntilReleased) {
  const auto other = holder("other-user");
  EXPECT_TRUE(me.isLocked(plant.c_str()));
  EXPECT_FALSE(me.lockFile(plant.c_str()));

  std::wstring text;
  EXPECT_EQ(me.whoLocked(plant.c_str(), text), kLockedByOther);
  EXPECT_TRUE(text.starts_with(L"other-user\n" + os::computerName() + L" ")) << std::string(text.begin(), text.end());
  std::wstring name, machine, time;
  EXPECT_EQ(me.whoLocked(plant.c_str(), name, machine, time), kLockedByOther);
  EXPECT_TRUE(name.starts_with(L"other-user(" + os::computerName()));
  EXPECT_FALSE(time.empty());

  other->writeLine("unlock");
  EXPECT_EQ(other->readLine(), "unlocked");
  EXPECT_FALSE(lockFileExists());
  EXPECT_FALSE(me.isLocked(plant.c_str()));
  EXPECT_TRUE(me.lockFile(plant.c_str()));
  EXPECT_EQ(me.heldLockCount(), 1u);
}

TEST_F(MultiProcessLock, AKilledHoldersLockFileIsStaleAndGoes) {
  const auto other = holder("other-user");
  other->kill();
  ASSERT_TRUE(other->wait());
  ASSERT_TRUE(lockFileExists());
  EXPECT_FALSE(me.isLocked(plant.c_str()));
  EXPECT_FALSE(lockFileExists());
  EXPECT_TRUE(me.lockFile(plant.c_str()));
}

TEST_F(MultiProcessLock, TheSameUserInAnotherInstanceCountsAsMe) {
  const auto twin = holder("");
  std::wstring text;
  EXPECT_EQ(me.whoLocked(plant.c_str(), text), kLockedByMe);
  EXPECT_TRUE(me.lockFile(plant.c_str()));
  EXPECT_EQ(me.heldLockCount(), 0u);  // the other instance holds the lock file
  twin->writeLine("unlock");
  EXPECT_EQ(twin->readLine(), "unlocked");
  EXPECT_FALSE(lockFileExists());
}

TEST_F(MultiProcessLock, TwoRacingInstancesNeverHoldTheLockTogether) {
  constexpr int kRounds = 1000;
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::unique_ptr<ChildProcess>> racers;
  for (const char* login : {"racer-a", "racer-b"}) {
    racers.push_back(std::make_unique<ChildProcess>(
        kHelper, std::vector<std::string>{"race", dir.native("Plant.wdp"), dir.native("inside"), std::to_string(kRounds)},
        std::map<std::string, std::string>{{"LOCK_HELPER_LOGIN", login}}));
    ASSERT_EQ(racers.back()->readLine(), "ready");
  }
  for (const auto& racer : racers) racer->writeLine("go");

  const std::regex result(R"(acquired=(\d+) overlaps=(\d+))");
  for (const auto& racer : racers) {
    const std::optional<std::string> line = racer->readLine(std::chrono::seconds(25));
    ASSERT_TRUE(line) << "racer did not finish in time";
    std::smatch m;
    ASSERT_TRUE(std::regex_match(*line, m, result)) << *line;
    EXPECT_EQ(m[2], "0") << "both instances held the lock at once";
    EXPECT_GT(std::stoi(m[1]), 0);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  EXPECT_FALSE(lockFileExists());
}

}  // namespace
}  // namespace vox::locking
