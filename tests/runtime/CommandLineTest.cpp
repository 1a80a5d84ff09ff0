#include "platform/runtime/CommandLine.h"

#include <gtest/gtest.h>

#include "host/HcResBuf.h"
#include "platform/runtime/HeadlessCommandStack.h"
#include "platform/runtime/HeadlessDocuments.h"
#include "platform/runtime/HeadlessEditor.h"
#include "platform/runtime/HeadlessEventLoop.h"
#include "support/TempDir.h"

namespace vox::runtime {
namespace {

using test::TempDir;
using test::writeNative;

struct EditorLog : HcEditorReactor {
  std::wstring log;
  void commandWillStart(const std::wstring& n) override { log += L"start " + n + L";"; }
  void commandEnded(const std::wstring& n) override { log += L"end " + n + L";"; }
  void lispWillStart(const std::wstring& e) override { log += L"lisp " + e + L";"; }
  void lispEnded() override { log += L"lisp end;"; }
};

struct CommandLineTest : ::testing::Test {
  HeadlessEventLoop loop{HeadlessEventLoop::Clock::kManual};
  HeadlessCommandStack commands;
  HeadlessEditor editor;
  CommandLine line{loop, commands, editor};
  HeadlessDocManager docs{loop, [this](HcDocument* d, const std::wstring& t, bool e) { line.queue(d, t, e); }};
  std::vector<std::wstring> lisp;
  EditorLog editorLog;
  TempDir dir;

  CommandLineTest() {
    line.setDocuments(&docs);
    line.setLispEvaluator([this](HcDocument* d, const std::wstring& e) {
      lisp.push_back(e);
      EXPECT_FALSE(d != nullptr && d->isQuiescent());  // busy while it runs
      return e != L"(fail)";
    });
    editor.addReactor(&editorLog);
    writeNative(dir.native("A.dwg"), "{}");
    writeNative(dir.native("B.dwg"), "{}");
    docs.appContextOpenDocument(dir.path(L"A.dwg"), false);
  }
};

TEST_F(CommandLineTest, QueuedInputRunsOnlyWhenTheLoopRuns) {
  int runs = 0;
  ASSERT_TRUE(commands.addCommand(L"G", L"_Hello", L"Hello", kHcCmdModal, [&] {
    ++runs;
    EXPECT_FALSE(docs.curDocument()->isQuiescent());
  }));
  docs.sendStringToExecute(docs.curDocument(), L"(c:one)\rhello\n", false, false, true);
  EXPECT_EQ(runs, 0);
  EXPECT_TRUE(lisp.empty());
  loop.runPending();
  EXPECT_EQ(lisp, std::vector<std::wstring>{L"(c:one)"});
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(docs.curDocument()->isQuiescent());
  EXPECT_EQ(editorLog.log, L"lisp (c:one);lisp end;start _Hello;end _Hello;");
  EXPECT_NE(line.transcript().find(L"Command: hello\n"), std::wstring::npos);
}

TEST_F(CommandLineTest, ALineMayCloseItsOwnDocument) {
  commands.addCommand(L"G", L"_CloseMe", L"CloseMe", 0, [&] { docs.closeDocument(docs.curDocument()); });
  line.execute(nullptr, L"CloseMe");
  EXPECT_EQ(docs.documentCount(), 0);
  line.setLispEvaluator([&](HcDocument*, const std::wstring&) { return docs.closeDocument(docs.curDocument()); });
  docs.appContextOpenDocument(dir.path(L"B.dwg"), false);
  line.execute(nullptr, L"(close)");
  EXPECT_EQ(docs.documentCount(), 0);
}

TEST_F(CommandLineTest, UnknownCommandsAreReported) {
  line.execute(nullptr, L"_.NOSUCH 1 2");
  EXPECT_EQ(line.transcript(), L"Unknown command \"NOSUCH\".\n");
}

TEST_F(CommandLineTest, CommandsFoundByEitherNameWithPrefixes) {
  commands.addCommand(L"G", L"_VoxNewProject", L"VoxNewProject", kHcCmdModal, [] {});
  EXPECT_NE(commands.lookupCommand(L"voxnewproject"), nullptr);
  EXPECT_NE(commands.lookupCommand(L"_.VOXNEWPROJECT"), nullptr);
  EXPECT_FALSE(commands.addCommand(L"H", L"_voxnewproject", L"other", 0, [] {}));
  EXPECT_TRUE(commands.removeGroup(L"g"));
  EXPECT_EQ(commands.lookupCommand(L"VoxNewProject"), nullptr);
  EXPECT_FALSE(commands.removeGroup(L"g"));
}

TEST_F(CommandLineTest, ScriptsOpenDrawingsAndGoOnInTheNewDocument) {
  std::wstring ranIn;
  commands.addCommand(L"G", L"_VoxContinueNewDrawing", L"VoxContinueNewDrawing", 0,
                      [&] { ranIn = docs.curDocument()->fileName(); });
  writeNative(dir.native("_SCRTMP1.SCR"), "_.open\n\"" + dir.native("B.dwg") + "\"\n_voxcontinuenewdrawing\n");
  line.execute(nullptr, L"_.VOX_SCRIPT \"" + dir.path(L"_SCRTMP1.SCR") + L"\"");
  EXPECT_EQ(ranIn, dir.path(L"B.dwg"));
  EXPECT_EQ(docs.documentCount(), 2);
  line.execute(nullptr, L"script " + dir.path(L"missing.scr"));
  EXPECT_NE(line.transcript().find(L"Cannot run the script"), std::wstring::npos);
}

TEST_F(CommandLineTest, ARefusedOpenSaysWhyAndKeepsTheCurrentDocument) {
  docs.setDrawingCheck([](const std::wstring&) { return std::wstring(L"the file is cut short"); });
  HcDocument* before = docs.curDocument();
  line.execute(nullptr, L"OPEN \"" + dir.path(L"B.dwg") + L"\"");
  EXPECT_NE(line.transcript().find(L"Cannot open the drawing \"" + dir.path(L"B.dwg") + L"\": the file is cut short."),
            std::wstring::npos)
      << "transcript: " << testing::PrintToString(line.transcript());
  EXPECT_EQ(docs.documentCount(), 1);
  EXPECT_EQ(docs.curDocument(), before);
}

TEST_F(CommandLineTest, FailedLinesAreCounted) {
  commands.addCommand(L"G", L"_Hello", L"Hello", 0, [] {});
  line.execute(nullptr, L"(ok)");
  line.execute(nullptr, L"hello");
  EXPECT_EQ(line.failures(), 0u);
  line.execute(nullptr, L"(fail)");
  EXPECT_EQ(line.failures(), 1u) << "a failed LISP expression";
  line.execute(nullptr, L"nosuchcommand");
  EXPECT_EQ(line.failures(), 2u) << "an unknown command";
  line.execute(nullptr, L"OPEN " + dir.path(L"missing.dwg"));
  EXPECT_EQ(line.failures(), 3u) << "a drawing that does not exist";
  line.execute(nullptr, L"SCRIPT " + dir.path(L"missing.scr"));
  EXPECT_EQ(line.failures(), 4u) << "a script that cannot be read";
}

TEST_F(CommandLineTest, WordsAfterACommandAreItsNextInput) {
  std::vector<std::wstring> words = splitCommandWords(L"  open \"C:\\a b\\c.dwg\"  x ");
  EXPECT_EQ(words, (std::vector<std::wstring>{L"open", L"C:\\a b\\c.dwg", L"x"}));
  line.execute(nullptr, L"open");  // the path comes on the next line
  line.execute(nullptr, L"\"" + dir.path(L"B.dwg") + L"\"");
  EXPECT_EQ(docs.curDocument()->fileName(), dir.path(L"B.dwg"));
  EXPECT_EQ(line.runCommand(nullptr, L"_.close", {}), kRtNorm);
  EXPECT_EQ(docs.documentCount(), 1);
  EXPECT_EQ(line.runCommand(nullptr, L"nothing", {}), kRtError);
}

}  // namespace
}  // namespace vox::runtime
