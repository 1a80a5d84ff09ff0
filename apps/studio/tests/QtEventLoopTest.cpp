// The host's loop on Qt's event loop: posted callbacks, timers by window and id, and file
// descriptor watches, all driven only by Qt's own event processing.

#include <QElapsedTimer>

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <vector>

#include "QtEventLoop.h"
#include "StudioFixture.h"
#include "StudioHost.h"
#include "support/TempDir.h"

namespace vox::studio::test {
namespace {

const int kWindowA = 0;
const int kWindowB = 1;

TEST(QtEventLoop, PostedCallbacksRunLaterInTheOrderPosted) {
  QtEventLoop loop;
  std::vector<int> order;
  loop.post([&] {
    order.push_back(1);
    loop.post([&] { order.push_back(3); });
  });
  loop.post([&] { order.push_back(2); });
  EXPECT_TRUE(order.empty()) << "expected posted callbacks to wait for the loop";
  ASSERT_TRUE(waitUntil([&] { return order.size() == 3; })) << "expected three callbacks, ran " << order.size();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(QtEventLoop, OneShotTimerFiresOnceAfterItsTimeAndCanBeKilledOrRearmed) {
  QtEventLoop loop;
  int fired = 0;
  const std::int64_t armedAt = loop.nowMs();
  std::int64_t firedAt = 0;
  loop.setTimer(&kWindowA, 1, 40, false, [&] {
    ++fired;
    firedAt = loop.nowMs();
  });
  int killed = 0;
  loop.setTimer(&kWindowA, 2, 10, false, [&] { ++killed; });
  EXPECT_TRUE(loop.killTimer(&kWindowA, 2));
  EXPECT_FALSE(loop.killTimer(&kWindowA, 2)) << "expected a killed timer to be no longer armed";
  ASSERT_TRUE(waitUntil([&] { return fired == 1; })) << "expected timer 1 to fire";
  EXPECT_GE(firedAt - armedAt, 40) << "expected the timer to wait its 40 ms";
  EXPECT_FALSE(loop.isTimerArmed(&kWindowA, 1)) << "expected a one-shot timer to disarm after firing";
  // Another timer proves time went on; neither the fired nor the killed one runs again.
  bool later = false;
  loop.setTimer(&kWindowB, 9, 60, false, [&] { later = true; });
  ASSERT_TRUE(waitUntil([&] { return later; }));
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(killed, 0);
}

TEST(QtEventLoop, KillTimersEndsOnlyThatWindowsTimers) {
  QtEventLoop loop;
  int a = 0;
  int b = 0;
  loop.setTimer(&kWindowA, 1, 10, true, [&] { ++a; });
  loop.setTimer(&kWindowA, 2, 10, true, [&] { ++a; });
  loop.setTimer(&kWindowB, 1, 10, false, [&] { ++b; });
  loop.killTimers(&kWindowA);
  EXPECT_FALSE(loop.isTimerArmed(&kWindowA, 1));
  EXPECT_FALSE(loop.isTimerArmed(&kWindowA, 2));
  ASSERT_TRUE(waitUntil([&] { return b == 1; })) << "expected window B's timer to survive";
  EXPECT_EQ(a, 0);
}

TEST(QtEventLoop, PeriodicTimerRepeatsUntilItKillsItself) {
  QtEventLoop loop;
  int ticks = 0;
  loop.setTimer(&kWindowA, 5, 5, true, [&] {
    if (++ticks == 3) loop.killTimer(&kWindowA, 5);
  });
  ASSERT_TRUE(waitUntil([&] { return ticks == 3; })) << "expected three ticks, got " << ticks;
  bool later = false;
  loop.setTimer(&kWindowB, 1, 50, false, [&] { later = true; });
  ASSERT_TRUE(waitUntil([&] { return later; }));
  EXPECT_EQ(ticks, 3) << "expected no tick after the timer killed itself";
}

TEST(QtEventLoop, WatchedDescriptorReportsWhenReadableUntilUnwatched) {
  QtEventLoop loop;
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  int reads = 0;
  std::uint64_t watch = 0;
  watch = loop.watchFd(fds[0], [&] {
    char byte = 0;
    ASSERT_EQ(::read(fds[0], &byte, 1), 1);
    if (++reads == 2) loop.unwatchFd(watch);
  });
  ASSERT_EQ(::write(fds[1], "a", 1), 1);
  ASSERT_TRUE(waitUntil([&] { return reads == 1; })) << "expected the watch to see the first byte";
  ASSERT_EQ(::write(fds[1], "b", 1), 1);
  ASSERT_TRUE(waitUntil([&] { return reads == 2; })) << "expected the watch to see the second byte";
  ASSERT_EQ(::write(fds[1], "c", 1), 1);
  bool later = false;
  loop.setTimer(&kWindowA, 1, 50, false, [&] { later = true; });
  ASSERT_TRUE(waitUntil([&] { return later; }));
  EXPECT_EQ(reads, 2) << "expected no report after the watch ended";
  ::close(fds[0]);
  ::close(fds[1]);
}

TEST(QtEventLoop, TimerArmedThroughTheHostsLoopFiresOnQtsLoop) {
  vox::test::TempDir temp;
  StudioHost studio({"", VOX_SOURCE_DIR, "", temp.native()});
  HcEventLoop* hostLoop = hcEventLoop();
  ASSERT_EQ(hostLoop, static_cast<HcEventLoop*>(&studio.loop())) << "expected the host's loop to be the Qt loop";
  bool fired = false;
  hostLoop->setTimer(&kWindowA, 7, 20, false, [&] { fired = true; });
  EXPECT_TRUE(studio.loop().isTimerArmed(&kWindowA, 7));
  ASSERT_TRUE(waitUntil([&] { return fired; })) << "expected Qt's event processing alone to fire the timer";
}

}  // namespace
}  // namespace vox::studio::test
