// The shell as a separate process with the module loaded from its shared library: scripted
// sessions on a copy of the sample project, what they print, the files they leave, and two
// shells seeing each other's lock.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class Shell : public ::testing::Test {
 protected:
  Shell() {
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"), fs::copy_options::recursive);
    project = temp.native("Demo/DEMO.wdp");
  }
  // The environment of a shell with its own settings and the user's full name `fullName`.
  std::map<std::string, std::string> environment(const std::string& name, const std::string& fullName) const {
    return {{"VOXFOLIO_CONFIG_HOME", temp.native("config-" + name)}, {"FULLNAME", fullName}};
  }
  std::string script(const std::string& name, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    writeNative(temp.native(name), text);
    return temp.native(name);
  }
  // Everything a shell prints until it ends.
  static std::string output(ChildProcess& shell) {
    std::string all;
    while (const std::optional<std::string> line = shell.readLine()) all += *line + "\n";
    return all;
  }
  // The answers in a shell's output: the lines that are not echoed commands.
  static std::vector<std::string> answers(const std::string& out) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
      const std::string line = out.substr(start, end - start);
      if (!line.empty() && !line.starts_with("Command: ")) lines.push_back(line);
    }
    return lines;
  }
  static std::optional<int> exitCode(ChildProcess& shell) {
    const std::optional<int> status = shell.wait();
    if (!status || !WIFEXITED(*status)) return std::nullopt;
    return WEXITSTATUS(*status);
  }
  std::string quoted() const { return "\"" + project + "\""; }
  std::vector<std::string> openAndLock() const {
    return {"OPEN " + temp.native("Demo/DEMO001.dwg"), "(vox_openproject " + quoted() + " 1)",
            "(vox_virtuallockproject " + quoted() + " 1)", "(vox_getprojectlockstatus " + quoted() + ")"};
  }

  TempDir temp;
  std::string project;
};

TEST_F(Shell, AScriptedSessionOpensLocksAndLeavesNothingBehind) {
  const std::string before = readNative(project);
  std::vector<std::string> lines = openAndLock();
  lines.push_back("(vox_getprojectwholocked " + quoted() + ")");
  lines.push_back("(vox_closeproject " + quoted() + " 1)");
  ChildProcess shell(VOX_SHELL_PATH, {"--script", script("a.scr", lines)}, environment("a", "Ann Smith"));
  const std::string out = output(shell);
  EXPECT_EQ(exitCode(shell), 0);
  EXPECT_NE(out.find("Command: (vox_openproject"), std::string::npos) << out;
  const std::vector<std::string> results = answers(out);
  ASSERT_EQ(results.size(), 5u) << out;
  EXPECT_EQ(results[0], "T");
  EXPECT_EQ(results[1], "1");  // locked
  EXPECT_EQ(results[2], "2");  // held by me
  EXPECT_TRUE(results[3].ends_with(" Ann Smith)\"")) << results[3];
  EXPECT_EQ(results[4], "nil");
  EXPECT_FALSE(fs::exists(project + ".FLL"));
  EXPECT_FALSE(fs::exists(temp.native("Demo/DEMO001.dwl")));
  EXPECT_EQ(readNative(project), before);  // nothing to repair, nothing written
}

TEST_F(Shell, ASecondShellSeesTheFirstOnesLock) {
  ChildProcess first(VOX_SHELL_PATH, {}, environment("a", "Ann Smith"));
  for (const std::string& line : openAndLock()) first.writeLine(line);
  std::string seen;
  while (seen.find("\n2\n") == std::string::npos) {
    const std::optional<std::string> line = first.readLine();
    ASSERT_TRUE(line) << seen;
    seen += *line + "\n";
  }
  ChildProcess second(VOX_SHELL_PATH,
                      {"--script", script("b.scr", {"OPEN " + temp.native("Demo/DEMO002.dwg"),
                                                    "(vox_getprojectlockstatus " + quoted() + ")",
                                                    "(vox_getprojectwholocked " + quoted() + ")",
                                                    "(vox_virtuallockproject " + quoted() + " 1)"})},
                      environment("b", "Bob Jones"));
  const std::string out = output(second);
  EXPECT_EQ(exitCode(second), 0);
  const std::vector<std::string> results = answers(out);
  ASSERT_EQ(results.size(), 3u) << out;
  EXPECT_EQ(results[0], "3");  // held by another
  EXPECT_TRUE(results[1].ends_with(" Ann Smith)\"")) << results[1];
  EXPECT_EQ(results[2], "0");  // Bob cannot take it
  EXPECT_TRUE(fs::exists(project + ".FLL"));

  first.writeLine("QUIT");
  output(first);
  EXPECT_EQ(exitCode(first), 0);
  EXPECT_FALSE(fs::exists(project + ".FLL"));  // released when the first shell ended
}

TEST_F(Shell, ADrawingFileThatIsNoDrawingIsRefusedAndOpensNoDocument) {
  const std::string whole = readNative(temp.native("Demo/DEMO001.dwg"));
  writeNative(temp.native("Demo/CUT.dwg"), whole.substr(0, whole.size() / 2));
  writeNative(temp.native("Demo/BINARY.dwg"), std::string("\0\x01\xff\xfe{\0\0", 7));
  writeNative(temp.native("Demo/LIST.dwg"), "[1, 2]");
  ChildProcess shell(VOX_SHELL_PATH, {}, environment("a", "Ann Smith"));
  for (const char* name : {"CUT", "BINARY", "LIST"}) {
    const std::string drawing = temp.native(std::string("Demo/") + name + ".dwg");
    shell.writeLine("OPEN " + drawing);
    std::string seen;
    while (seen.find("Cannot open the drawing") == std::string::npos) {
      const std::optional<std::string> line = shell.readLine();
      ASSERT_TRUE(line) << "expected a refusal of " << name << ", the shell printed:\n" << seen;
      seen += *line + "\n";
    }
    EXPECT_NE(seen.find(drawing), std::string::npos) << seen;
    EXPECT_FALSE(fs::exists(temp.native(std::string("Demo/") + name + ".dwl"))) << name << " was opened";
  }
  shell.writeLine("QUIT");
  output(shell);
  EXPECT_EQ(readNative(temp.native("Demo/CUT.dwg")), whole.substr(0, whole.size() / 2));  // left as it was
}

TEST_F(Shell, AFailedScriptLineEndsTheShellWithAFailureStatus) {
  ChildProcess wrongType(VOX_SHELL_PATH, {"--script", script("w.scr", {"OPEN " + temp.native("Demo/DEMO001.dwg"),
                                                               "(vox_openproject 1 1)", "(vox_getactiveproject)"})},
                         environment("a", "Ann Smith"));
  const std::string out = output(wrongType);
  EXPECT_NE(out.find("; error: function failed: vox_openproject: argument 1 (path) must be a string, not the integer 1"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("Command: (vox_getactiveproject)"), std::string::npos) << "the script went on:\n" << out;
  EXPECT_EQ(exitCode(wrongType), 1);

  for (const char* line : {"NOSUCHCOMMAND", "OPEN /nonexistent/x.dwg", "(car"}) {
    ChildProcess failing(VOX_SHELL_PATH, {"--script", script("f.scr", {line})}, environment("a", "Ann Smith"));
    const std::string printed = output(failing);
    EXPECT_EQ(exitCode(failing), 1) << "after " << line << ":\n" << printed;
  }
  ChildProcess unreadable(VOX_SHELL_PATH, {"--script", temp.native("none.scr")}, environment("a", "Ann Smith"));
  output(unreadable);
  EXPECT_NE(exitCode(unreadable), 0);
}

// The last projects are re-opened at the end of the OPEN that brings the first drawing, so the
// very next expression already sees them.
TEST_F(Shell, TheLastProjectsAreBackRightAfterTheFirstOpen) {
  // Opened without activation, the project goes to the recent list, which the settings keep.
  ChildProcess first(VOX_SHELL_PATH,
                     {"--script", script("1.scr", {"OPEN " + temp.native("Demo/DEMO001.dwg"), "(vox_openproject " + quoted() + " 0)"})},
                     environment("a", "Ann Smith"));
  output(first);
  ASSERT_EQ(exitCode(first), 0);
  ChildProcess second(VOX_SHELL_PATH,
                      {"--script", script("2.scr", {"OPEN " + temp.native("Demo/DEMO002.dwg"), "(vox_getactiveproject)"})},
                      environment("a", "Ann Smith"));
  const std::string out = output(second);
  EXPECT_EQ(exitCode(second), 0);
  const std::vector<std::string> results = answers(out);
  ASSERT_FALSE(results.empty()) << out;
  std::string printedId = "\"";  // the project ID in the module's form, as LISP prints it
  for (const char c : project) printedId += c == '/' ? std::string("\\\\") : std::string(1, c);
  printedId += "\"";
  EXPECT_EQ(results.back(), printedId) << "the first expression after OPEN ran before the re-opening:\n" << out;
}

TEST_F(Shell, BadCommandLinesAndMissingModulesFailClearly) {
  ChildProcess unknown(VOX_SHELL_PATH, {"--frobnicate"});
  output(unknown);
  EXPECT_EQ(exitCode(unknown), 2);
  ChildProcess noModule(VOX_SHELL_PATH, {"--module", temp.native("none.so"), "--script", script("c.scr", {})});
  output(noModule);
  EXPECT_EQ(exitCode(noModule), 1);
}

}  // namespace
}  // namespace vox::test
