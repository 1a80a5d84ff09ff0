// Subscription lists of the project events: order, duplicates, unsubscribing, and handlers that
// change the lists or destroy receivers while an event is being raised.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/VoxPrmProjectEvents.h"

namespace vox::test {
namespace {

using Calls = std::vector<std::wstring>;

class Recorder : public VoxPrmProjectEventReceiver {
 public:
  Recorder(std::wstring name, Calls& calls) : name_(std::move(name)), calls_(calls) {}
  void onOpen(const std::wstring& id) {
    calls_.push_back(name_ + L":" + id);
    if (const std::function<void()> step = then) step();  // a copy: the step may replace `then`
  }
  void onOther(const std::wstring& id) { calls_.push_back(name_ + L" other:" + id); }
  void onReplace(const std::wstring&, const std::wstring& from, const std::wstring& to, bool reference) {
    calls_.push_back(name_ + L":" + from + L">" + to + (reference ? L" ref" : L""));
  }
  std::function<void()> then;

 private:
  std::wstring name_;
  Calls& calls_;
};

TEST(ProjectEvents, NewestSubscriberFirstAndDuplicatesCalledEachTime) {
  VoxPrmProjectEvents events;
  Calls calls;
  Recorder a(L"A", calls), b(L"B", calls);
  events.projectOpen.raise(L"P");  // nobody listens
  events.projectOpen.subscribe(&a, &Recorder::onOpen);
  events.projectOpen.subscribe(&b, &Recorder::onOpen);
  events.projectOpen.subscribe(&a, &Recorder::onOpen);
  events.projectOpen.raise(L"P");
  EXPECT_EQ(calls, (Calls{L"A:P", L"B:P", L"A:P"}));
  events.projectReplaceDrawing.subscribe(&b, &Recorder::onReplace);
  events.projectReplaceDrawing.raise(L"P", L"x", L"y", true);
  EXPECT_EQ(calls.back(), L"B:x>y ref");
}

TEST(ProjectEvents, UnsubscribeRemovesTheFirstMatchOnly) {
  VoxPrmProjectEvents events;
  Calls calls;
  Recorder a(L"A", calls), b(L"B", calls);
  events.projectOpen.subscribe(&a, &Recorder::onOpen);
  events.projectOpen.subscribe(&b, &Recorder::onOpen);
  events.projectOpen.subscribe(&a, &Recorder::onOther);
  EXPECT_TRUE(events.projectOpen.unsubscribe(&a, &Recorder::onOpen));
  EXPECT_FALSE(events.projectOpen.unsubscribe(&a, &Recorder::onOpen));  // not found again
  events.projectOpen.raise(L"P");
  EXPECT_EQ(calls, (Calls{L"A other:P", L"B:P"}));  // same receiver, other handler kept
}

TEST(ProjectEvents, UnsubscribeAllClearsEveryListOfOneReceiver) {
  VoxPrmProjectEvents events;
  Calls calls;
  Recorder a(L"A", calls), b(L"B", calls);
  events.projectOpen.subscribe(&a, &Recorder::onOpen);
  events.projectClose.subscribe(&a, &Recorder::onOpen);
  events.drawingActivate.subscribe(&a, &Recorder::onOpen);
  events.projectClose.subscribe(&b, &Recorder::onOpen);
  events.unsubscribeAll(&a);
  events.projectOpen.raise(L"1");
  events.projectClose.raise(L"2");
  events.drawingActivate.raise(L"3");
  EXPECT_EQ(calls, Calls{L"B:2"});
}

TEST(ProjectEvents, HandlersMayChangeTheListDuringARaise) {
  VoxPrmProjectEvents events;
  Calls calls;
  Recorder a(L"A", calls), c(L"C", calls);
  auto b = std::make_unique<Recorder>(L"B", calls);
  events.projectOpen.subscribe(&a, &Recorder::onOpen);
  events.projectOpen.subscribe(b.get(), &Recorder::onOpen);
  events.projectOpen.subscribe(&c, &Recorder::onOpen);
  // C, called first, destroys B (which unsubscribes as it goes) and subscribes itself again.
  c.then = [&] {
    events.projectOpen.unsubscribe(b.get(), &Recorder::onOpen);
    b.reset();
    events.projectOpen.subscribe(&c, &Recorder::onOther);
    c.then = nullptr;
  };
  events.projectOpen.raise(L"P");
  EXPECT_EQ(calls, (Calls{L"C:P", L"A:P"}));  // B skipped, the new subscription waits
  calls.clear();
  events.projectOpen.raise(L"Q");
  EXPECT_EQ(calls, (Calls{L"C other:Q", L"C:Q", L"A:Q"}));
}

}  // namespace
}  // namespace vox::test
