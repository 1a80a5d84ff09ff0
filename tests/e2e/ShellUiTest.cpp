// The shell's text UI as a user's script drives it: the palette shown and hidden by the module's
// commands, menus answered from the answers file and from the script, refused verbs, the trace,
// system variables and new drawings.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class ShellUi : public ::testing::Test {
 protected:
  ShellUi() {
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"), fs::copy_options::recursive);
  }
  std::string file(const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    writeNative(temp.native(name), text);
    return temp.native(name);
  }
  // Runs a script (with an answers file when `answers` is not empty); what it printed.
  std::string run(const std::vector<std::string>& lines, const std::vector<std::string>& answers = {}) {
    std::vector<std::string> args{"--script", file("ui.scr", lines)};
    if (!answers.empty()) args.insert(args.end(), {"--answers", file("ui.ans", answers)});
    ChildProcess shell(VOX_SHELL_PATH, args, {{"VOXFOLIO_CONFIG_HOME", temp.native("config")}});
    std::string all;
    while (const std::optional<std::string> line = shell.readLine()) all += *line + "\n";
    const std::optional<int> status = shell.wait();
    exitStatus = status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1;
    return all;
  }
  static bool has(const std::string& out, const std::string& text) { return out.find(text) != std::string::npos; }

  TempDir temp;
  int exitStatus = -1;
};

TEST_F(ShellUi, ThePaletteIsShownAndHiddenByTheModulesCommandsAndItsLayoutKept) {
  const std::string out = run({"Voxnav", "palette", "Voxhidenav", "palette", "palette show", "palette",
                               "palette hide"});
  EXPECT_TRUE(has(out, "Command: Voxnav\nCommand: palette\npalette \"Project Manager\" {shown}\n")) << out;
  EXPECT_TRUE(has(out, "Command: Voxhidenav\nCommand: palette\npalette \"Project Manager\" {hidden}\n")) << out;
  EXPECT_TRUE(has(out, "Command: palette show\nCommand: palette\npalette \"Project Manager\" {shown}\n")) << out;
  EXPECT_EQ(exitStatus, 0) << out;
  const std::string layout = readNative(temp.native("config/palette-layout.xml"));
  EXPECT_TRUE(has(layout, "shown=\"0\"")) << "the palette was hidden when the module unloaded:\n" << layout;
}

TEST_F(ShellUi, AMenuTakesItsAnswerFromTheAnswersFileThenFromTheScript) {
  const std::string out = run({"popup drawing 202:Open 205:Close:greyed - 238:Plot", "popup drawing 202:Open 205:Close",
                               "answer 202", "popup drawing 202:Open", "popup drawing 202:Open", "palette choose 202"},
                              {"205", "238"});
  EXPECT_TRUE(has(out, "menu drawing\n  202 Open\n  205 Close  [greyed]\n  ---\n  238 Plot\n")) << out;
  EXPECT_TRUE(has(out, "menu drawing: \"205\" is not an entry that can be chosen; nothing chosen\npopup drawing: none"))
      << "a greyed entry chooses nothing:\n" << out;
  EXPECT_TRUE(has(out, "menu drawing: \"238\" is not an entry that can be chosen")) << out;
  const std::size_t first = out.find("popup drawing: 202");
  ASSERT_NE(first, std::string::npos) << "the answer line run before the menu:\n" << out;
  EXPECT_NE(out.find("popup drawing: 202", first + 1), std::string::npos) << "the script line after it:\n" << out;
  EXPECT_FALSE(has(out, "Command: palette choose")) << "the answer line is used up, not run:\n" << out;
  EXPECT_EQ(exitStatus, 0) << out;
}

TEST_F(ShellUi, RefusedVerbsSayWhyInOneLineAndTheRunEndsWithStatusOne) {
  const std::string out =
      run({"palette", "Voxnav", "palette wiggle", "palette click Nowhere.dwg", "setvar SDI x", "trace sideways",
           "popup drawing 12", "dialog press ok", "(+ 1 2)"});
  EXPECT_TRUE(has(out, "palette: there is no palette (the module has not created it)\n") ||
              has(out, "palette \"Project Manager\" {hidden}\n"))
      << out;
  EXPECT_TRUE(has(out, "Command: palette wiggle\npalette: unknown verb \"wiggle\"\n")) << out;
  EXPECT_TRUE(has(out, "Command: palette click Nowhere.dwg\npalette: no node \"Nowhere.dwg\"\n")) << out;
  EXPECT_TRUE(has(out, "Command: setvar SDI x\nsetvar: SDI wants an integer\n")) << out;
  EXPECT_TRUE(has(out, "Command: trace sideways\ntrace: wants on or off\n")) << out;
  EXPECT_TRUE(has(out, "Command: popup drawing 12\npopup: bad entry \"12\"\n")) << out;
  EXPECT_TRUE(has(out, "Command: dialog press ok\ndialog: no dialog is open")) << out;
  EXPECT_TRUE(has(out, "Command: (+ 1 2)\n3\n")) << "the lines after a refused one still run:\n" << out;
  EXPECT_EQ(exitStatus, 1) << out;
}

TEST_F(ShellUi, TheTraceShowsLispAndSiblingCallsAndMessageBoxesWithTheirAnswers) {
  fs::remove(temp.native("Demo/DEMO002.dwg"));  // opening the project asks where it went
  const std::string project = temp.native("Demo/DEMO.wdp");
  const std::string out = run({"OPEN " + temp.native("Demo/DEMO001.dwg"), "trace on",
                               "(vox_openproject \"" + project + "\" 1)", "trace off", "(vox_closeproject \"" + project +
                               "\" 1)", "(vox_openproject \"" + project + "\" 1)"},
                              {"OK", "-"});
  EXPECT_TRUE(has(out, "[trace] lisp (\"vox_makeproj_active\" ")) << out;
  EXPECT_TRUE(has(out, "[trace] sibling PmSetActive(")) << out;
  EXPECT_TRUE(has(out, "[trace] message-box question ok-cancel \"The drawing ")) << out;
  EXPECT_TRUE(has(out, " repointed too.\" -> OK\n")) << "the answer from the answers file:\n" << out;
  EXPECT_TRUE(has(out, "[trace] chooser ")) << out;
  EXPECT_TRUE(has(out, "DEMO002.dwg?\" -> none\n")) << "the chooser cancelled by \"-\":\n" << out;
  const std::size_t off = out.find("Command: trace off");
  ASSERT_NE(off, std::string::npos) << out;
  EXPECT_EQ(out.find("[trace]", off), std::string::npos) << "nothing traced after trace off:\n" << out;
}

TEST_F(ShellUi, SystemVariablesAndANewUntitledDrawing) {
  const std::string out = run({"OPEN " + temp.native("Demo/DEMO001.dwg"), "setvar DWGTITLED 1", "setvar TemplatePath /t",
                               "getvar TemplatePath", "new", "getvar DWGTITLED", "docs", "CLOSE", "getvar DWGTITLED"});
  EXPECT_TRUE(has(out, "TEMPLATEPATH = \"/t\"\n")) << out;
  EXPECT_TRUE(has(out, "Command: new\nNew drawing \"")) << out;
  EXPECT_TRUE(has(out, "Command: getvar DWGTITLED\nDWGTITLED = 0\n")) << "the new drawing is untitled:\n" << out;
  EXPECT_TRUE(has(out, "documents: 2\n")) << out;
  EXPECT_TRUE(has(out, "Drawing1.dwg\" {current} {active} {quiescent} {untitled}\n")) << out;
  EXPECT_TRUE(has(out, "DEMO001.dwg\" {quiescent}\n")) << out;
  EXPECT_TRUE(has(out, "Command: CLOSE\nCommand: getvar DWGTITLED\nDWGTITLED = 1\n"))
      << "back on the opened drawing:\n" << out;
  EXPECT_FALSE(fs::exists("Drawing1.dwl")) << "an untitled drawing writes no drawing lock";
}

}  // namespace
}  // namespace vox::test
