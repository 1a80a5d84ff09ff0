// "VoxProjectProps" run by the shell on the sample project, its sheet answered from the answers
// file: the sheet's text form, a refused page change, and the project file holding the changed
// wire-number setting after OK.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class ShellProjectProps : public ::testing::Test {
 protected:
  ShellProjectProps() {
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"), fs::copy_options::recursive);
  }
  // Opens the sample drawing and project, runs VoxProjectProps with `answers`; what it printed.
  std::string run(const std::vector<std::string>& answers) {
    writeNative(temp.native("props.scr"), "OPEN " + temp.native("Demo/DEMO001.dwg") + "\n(vox_openproject \"" +
                                              temp.native("Demo/DEMO.wdp") + "\" 1)\nVoxProjectProps\n");
    std::string answerText;
    for (const std::string& line : answers) answerText += line + "\n";
    writeNative(temp.native("props.ans"), answerText);
    ChildProcess shell(VOX_SHELL_PATH, {"--script", temp.native("props.scr"), "--answers", temp.native("props.ans")},
                       {{"VOXFOLIO_CONFIG_HOME", temp.native("config")}});
    std::string all;
    while (const std::optional<std::string> line = shell.readLine()) all += *line + "\n";
    shell.wait();
    return all;
  }
  std::string projectFile() const { return readNative(temp.native("Demo/DEMO.wdp")); }
  static bool has(const std::string& out, const std::string& text) { return out.find(text) != std::string::npos; }

  TempDir temp;
};

TEST_F(ShellProjectProps, AnswersChangeAWireNumberSettingAndTheProjectFileHoldsIt) {
  const std::string out = run({"tab 2", "set wire-format W", "tab 3", "set wire-format W%N", "press ok"});
  EXPECT_TRUE(has(out, "dialog project-properties \"Project Properties\"\n"
                       "  pages: [Project Settings] \"Components\" \"Wire Numbers\" \"Cross-References\" \"Styles\" "
                       "\"Drawing Format\"\n"))
      << out;
  EXPECT_TRUE(has(out, "  code-standard = \"NEC (US National Electrical Code)\" of (")) << out;
  EXPECT_TRUE(has(out, "  project-file = \"")) << out;
  EXPECT_TRUE(has(out, "\"Components\" [Wire Numbers] \"Cross-References\"")) << "the Wire Numbers page current:\n" << out;
  EXPECT_TRUE(has(out, "dialog project-properties: The wire number format must contain %N")) << out;
  EXPECT_TRUE(has(out, "[focus: wire-format]")) << out;
  EXPECT_TRUE(has(out, "dialog project-properties closed: 1\n")) << out;
  EXPECT_FALSE(has(out, "not available yet")) << out;
  EXPECT_NE(projectFile().find("?[9]W%N\r\n"), std::string::npos) << projectFile();
}

TEST_F(ShellProjectProps, CancelLeavesTheProjectFileAsItWas) {
  const std::string before = projectFile();
  const std::string out = run({"tab 4", "set fan-style 3", "press cancel"});
  EXPECT_TRUE(has(out, "dialog project-properties closed: 0\n")) << out;
  EXPECT_EQ(projectFile(), before);
}

}  // namespace
}  // namespace vox::test
