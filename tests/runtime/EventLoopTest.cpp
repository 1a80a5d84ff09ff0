#include "platform/runtime/HeadlessEventLoop.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace vox::runtime {
namespace {

char windowA, windowB;  // two windows: only their addresses matter

TEST(EventLoop, PostedCallbacksRunInOrderOnlyWhenTheLoopRuns) {
  HeadlessEventLoop loop(HeadlessEventLoop::Clock::kManual);
  std::string log;
  loop.post([&] {
    log += "a";
    loop.post([&] { log += "c"; });
  });
  loop.post([&] { log += "b"; });
  EXPECT_EQ(log, "");
  EXPECT_EQ(loop.runPending(), 3u);
  EXPECT_EQ(log, "abc");
}

TEST(EventLoop, ManualClockFiresTimersInDueOrderAndReArmingRestarts) {
  HeadlessEventLoop loop(HeadlessEventLoop::Clock::kManual);
  std::string log;
  loop.setTimer(&windowA, 1, 100, false, [&] { log += "1@" + std::to_string(loop.nowMs()) + " "; });
  loop.setTimer(&windowA, 2, 50, false, [&] { log += "2@" + std::to_string(loop.nowMs()) + " "; });
  loop.setTimer(&windowB, 1, 50, false, [&] { log += "B@" + std::to_string(loop.nowMs()) + " "; });
  loop.advance(40);
  loop.setTimer(&windowA, 2, 50, false, [&] { log += "2'@" + std::to_string(loop.nowMs()) + " "; });  // restarts
  loop.advance(100);
  EXPECT_EQ(log, "B@50 2'@90 1@100 ");
  EXPECT_EQ(loop.nowMs(), 140);
  EXPECT_EQ(loop.armedTimerCount(), 0u);
}

TEST(EventLoop, PeriodicTimersAndKillingFromACallback) {
  HeadlessEventLoop loop(HeadlessEventLoop::Clock::kManual);
  int ticks = 0;
  loop.setTimer(&windowA, 7, 30, true, [&] {
    if (++ticks == 3) loop.killTimer(&windowA, 7);
  });
  loop.setTimer(&windowB, 8, 1000, false, [] { FAIL() << "killed timers never fire"; });
  EXPECT_TRUE(loop.killTimer(&windowB, 8));
  EXPECT_FALSE(loop.killTimer(&windowB, 8));
  loop.advance(1000);
  EXPECT_EQ(ticks, 3);
  loop.setTimer(&windowA, 1, 10, false, [] {});
  loop.setTimer(&windowA, 2, 10, false, [] {});
  loop.killTimers(&windowA);
  EXPECT_FALSE(loop.isTimerArmed(&windowA, 1));
}

TEST(EventLoop, RealClockWaitsForDescriptorsTimersAndOtherThreads) {
  HeadlessEventLoop loop(HeadlessEventLoop::Clock::kReal);
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  std::string got;
  const auto watch = loop.watchFd(fds[0], [&] {
    char c;
    if (::read(fds[0], &c, 1) == 1) got += c;
  });
  ASSERT_EQ(::write(fds[1], "x", 1), 1);
  loop.runOnce(1000);
  EXPECT_EQ(got, "x");
  loop.unwatchFd(watch);

  bool fired = false;
  loop.setTimer(&windowA, 1, 20, false, [&] { fired = true; });
  const auto start = loop.nowMs();
  while (!fired && loop.nowMs() - start < 2000) loop.runOnce(500);
  EXPECT_TRUE(fired);
  EXPECT_GE(loop.nowMs() - start, 20);

  bool posted = false;
  std::thread other([&] { loop.post([&] { posted = true; }); });
  other.join();
  loop.runOnce(1000);
  EXPECT_TRUE(posted);
  ::close(fds[0]);
  ::close(fds[1]);
}

}  // namespace
}  // namespace vox::runtime
