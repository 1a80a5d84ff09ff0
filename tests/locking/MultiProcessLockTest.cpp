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

// Both racers spin on the lock while this test holds it, so they are racing when it comes free.
// Each then takes the lock a fixed number of times, however the machine schedules them: the
// outcome does not depend on speed, and the time limit only catches a hang.
TEST_F(MultiProcessLock, TwoRacingInstancesNeverHoldTheLockTogether) {
  constexpr int kAcquisitions = 300;
  constexpr auto kHangGuard = std::chrono::minutes(3);
  ASSERT_TRUE(me.lockFile(plant.c_str()));
  std::vector<std::string> logins{"racer-a", "racer-b"};
  std::vector<std::unique_ptr<ChildProcess>> racers;
  for (const std::string& login : logins) {
    racers.push_back(std::make_unique<ChildProcess>(
        kHelper,
        std::vector<std::string>{"race", dir.native("Plant.wdp"), dir.native("inside"), std::to_string(kAcquisitions)},
        std::map<std::string, std::string>{{"LOCK_HELPER_LOGIN", login}}));
    ASSERT_EQ(racers.back()->readLine(kHangGuard), "ready") << login << " did not start";
  }
  for (const auto& racer : racers) racer->writeLine("go");
  for (std::size_t i = 0; i < racers.size(); ++i)
    ASSERT_EQ(racers[i]->readLine(kHangGuard), "waiting") << logins[i] << " was not refused the lock this test holds";
  ASSERT_TRUE(me.unlockFile(plant.c_str()));

  const std::regex result(R"(acquired=(\d+) refused=(\d+) overlaps=(\d+))");
  for (std::size_t i = 0; i < racers.size(); ++i) {
    const std::optional<std::string> line = racers[i]->readLine(kHangGuard);
    ASSERT_TRUE(line) << logins[i] << " did not finish: it never got the lock " << kAcquisitions << " times";
    std::smatch m;
    ASSERT_TRUE(std::regex_match(*line, m, result)) << logins[i] << " reported: " << *line;
    EXPECT_EQ(m[3], "0") << logins[i] << " found the other racer holding the lock at the same time: " << *line;
    EXPECT_EQ(std::stoi(m[1]), kAcquisitions) << logins[i] << ": " << *line;
  }
  EXPECT_FALSE(lockFileExists()) << "the last racer to unlock left its lock file";
}

}  // namespace
}  // namespace vox::locking
