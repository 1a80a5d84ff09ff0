#include "platform/runtime/HeadlessDocuments.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "host/HcEditor.h"
#include "platform/os/WinPath.h"
#include "platform/runtime/HeadlessEventLoop.h"
#include "support/TempDir.h"

namespace vox::runtime {
namespace {

using test::readNative;
using test::TempDir;
using test::writeNative;

struct Recorder : HcDocManagerReactor, HcEdInputContextReactor {
  std::wstring log;
  void documentCreated(HcDocument* d) override { log += L"created " + os::fileName(d->fileName()) + L";"; }
  void documentToBeDestroyed(HcDocument* d) override { log += L"closing " + os::fileName(d->fileName()) + L";"; }
  void documentDestroyed(const std::wstring& f) override { log += L"destroyed " + os::fileName(f) + L";"; }
  void documentActivated(HcDocument* d) override { log += L"activated " + os::fileName(d->fileName()) + L";"; }
  void beginQuiescentState() override { log += L"idle;"; }
  void endQuiescentState() override { log += L"busy;"; }
};

struct Documents : ::testing::Test {
  HeadlessEventLoop loop{HeadlessEventLoop::Clock::kManual};
  std::vector<std::wstring> input;
  HeadlessDocManager docs{loop, [this](HcDocument*, const std::wstring& text, bool) { input.push_back(text); }};
  TempDir dir;
  Recorder recorder;

  Documents() {
    writeNative(dir.native("A.dwg"), "{}");
    writeNative(dir.native("B.dwg"), "{}");
    docs.setHolderText([] { return std::wstring(L"jdoe\nhost John Doe\nSunday, 06 December 2026  10:00:00"); });
    docs.addReactor(&recorder);
  }
};

TEST_F(Documents, OpeningWritesTheDrawingLockAndClosingRemovesIt) {
  HcDocument* a = docs.appContextOpenDocument(dir.path(L"A.dwg"), false);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(readNative(dir.native("A.dwl")), "jdoe\nhost John Doe\nSunday, 06 December 2026  10:00:00");
  HcDocument* b = docs.appContextOpenDocument(dir.path(L"B.dwg"), true);
  EXPECT_FALSE(std::filesystem::exists(dir.native("B.dwl")));  // read-only: no lock
  EXPECT_TRUE(b->isReadOnly());
  EXPECT_EQ(docs.curDocument(), b);
  EXPECT_EQ(docs.documentCount(), 2);
  EXPECT_EQ(docs.appContextOpenDocument(dir.path(L"a.DWG"), false), a);  // already open: activated
  EXPECT_EQ(docs.appContextOpenDocument(dir.path(L"missing.dwg"), false), nullptr);

  EXPECT_TRUE(docs.closeDocument(a));
  EXPECT_FALSE(std::filesystem::exists(dir.native("A.dwl")));
  EXPECT_EQ(docs.curDocument(), b);
  EXPECT_EQ(recorder.log,
            L"created A.dwg;activated A.dwg;created B.dwg;activated B.dwg;activated A.dwg;"
            L"closing A.dwg;destroyed A.dwg;activated B.dwg;");
  EXPECT_FALSE(docs.closeDocument(a));
}

TEST_F(Documents, DocumentLocksNestAndGoWithTheirDocument) {
  HcDocument* a = docs.appContextOpenDocument(dir.path(L"A.dwg"), false);
  ASSERT_NE(a, nullptr);
  EXPECT_TRUE(docs.lockDocument(a));
  EXPECT_TRUE(docs.lockDocument(a));
  docs.unlockDocument(a);
  EXPECT_EQ(docs.lockDepth(a), 1);
  docs.unlockDocument(a);
  docs.unlockDocument(a);  // one unlock too many changes nothing
  EXPECT_EQ(docs.lockDepth(a), 0);
  EXPECT_FALSE(docs.lockDocument(nullptr));
  EXPECT_TRUE(docs.lockDocument(a));
  EXPECT_TRUE(docs.closeDocument(a));
  EXPECT_EQ(docs.lockDepth(a), 0) << "a closed document holds no lock";
  EXPECT_FALSE(docs.lockDocument(a)) << "nor can it be locked";
}

TEST_F(Documents, AFileTheCheckRefusesOpensNoDocument) {
  docs.setDrawingCheck([](const std::wstring& path) {
    return os::fileName(path) == L"B.dwg" ? std::wstring(L"the file is not valid JSON") : std::wstring();
  });
  EXPECT_EQ(docs.appContextOpenDocument(dir.path(L"B.dwg"), false), nullptr);
  EXPECT_EQ(docs.lastOpenFailure(), L"the file is not valid JSON");
  EXPECT_EQ(docs.documentCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.native("B.dwl")));
  EXPECT_EQ(recorder.log, L"");  // no reactor heard of it
  EXPECT_EQ(docs.appContextOpenDocument(dir.path(L"missing.dwg"), false), nullptr);
  EXPECT_EQ(docs.lastOpenFailure(), L"the file does not exist");
  ASSERT_NE(docs.appContextOpenDocument(dir.path(L"A.dwg"), false), nullptr);
  EXPECT_EQ(docs.lastOpenFailure(), L"");
}

// Reactors attached when the document is announced (as a module does on its load message)
// hear the opening end like any command: busy, then idle, when the loop next runs.
TEST_F(Documents, OpeningEndsLikeACommandOnceTheLoopRuns) {
  struct Attacher : HcDocManagerReactor {
    Recorder* listener;
    void documentCreated(HcDocument* d) override { static_cast<HeadlessDocument*>(d)->addInputContextReactor(listener); }
  } attacher;
  Recorder quiescence;
  attacher.listener = &quiescence;
  docs.addReactor(&attacher);
  HcDocument* a = docs.appContextOpenDocument(dir.path(L"A.dwg"), false);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(quiescence.log, L"");
  loop.runPending();
  EXPECT_EQ(quiescence.log, L"busy;idle;");
  EXPECT_TRUE(a->isQuiescent());

  quiescence.log.clear();
  EXPECT_EQ(docs.appContextOpenDocument(dir.path(L"a.dwg"), false), a);  // already open: only activated
  HcDocument* b = docs.appContextOpenDocument(dir.path(L"B.dwg"), false);
  docs.closeDocument(b);  // closed before the loop ran: nothing left to end
  loop.runPending();
  EXPECT_EQ(quiescence.log, L"");
}

TEST_F(Documents, ReactorsMayLeaveWhileBeingNotified) {
  struct Leaver : HcDocManagerReactor {
    HeadlessDocManager* docs;
    int calls = 0;
    void documentActivated(HcDocument*) override {
      ++calls;
      docs->removeReactor(this);
    }
  } leaver;
  leaver.docs = &docs;
  docs.addReactor(&leaver);
  docs.appContextOpenDocument(dir.path(L"A.dwg"), false);
  docs.appContextOpenDocument(dir.path(L"B.dwg"), false);
  EXPECT_EQ(leaver.calls, 1);
}

TEST_F(Documents, SentStringsAndApplicationContextWork) {
  HcDocument* a = docs.appContextOpenDocument(dir.path(L"A.dwg"), false);
  EXPECT_TRUE(docs.sendStringToExecute(a, L"(c:x)\r", false, false, false));
  EXPECT_EQ(input, std::vector<std::wstring>{L"(c:x)\r"});
  HeadlessDocument stranger(L"\\x.dwg", false);
  EXPECT_FALSE(docs.sendStringToExecute(&stranger, L"x", false, false, false));
  bool ran = false;
  docs.executeInApplicationContext([&] { ran = true; });
  EXPECT_FALSE(ran);
  loop.runPending();
  EXPECT_TRUE(ran);
}

TEST_F(Documents, QuiescenceChangesReachInputContextReactors) {
  auto* a = static_cast<HeadlessDocument*>(docs.appContextOpenDocument(dir.path(L"A.dwg"), false));
  recorder.log.clear();
  a->addInputContextReactor(&recorder);
  a->setQuiescent(false);
  a->setQuiescent(false);
  a->setQuiescent(true);
  EXPECT_EQ(recorder.log, L"busy;idle;");
  a->removeInputContextReactor(&recorder);
  EXPECT_EQ(a->inputContextReactorCount(), 0u);
}

}  // namespace
}  // namespace vox::runtime
