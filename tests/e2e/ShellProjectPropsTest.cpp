// "VoxProjectProps" run by the shell on the sample project, its sheet answered from the answers
// file: the sheet's text form, a refused page change, and the project file holding the changed
// wire-number setting after OK.

#include <gtest/gtest.h>

#include <filesystem>

#include "SampleShell.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class ShellProjectProps : public SampleShell {
 protected:
  // Opens the sample drawing and project, runs VoxProjectProps with `answers`; what it printed.
  std::string runProps(const std::vector<std::string>& answers) {
    std::vector<std::string> lines = openSample();
    lines.push_back("VoxProjectProps");
    return run(lines, answers);
  }
  std::string projectFile() const { return readNative(temp.native("Demo/DEMO.wdp")); }
};

TEST_F(ShellProjectProps, AnswersChangeAWireNumberSettingAndTheProjectFileHoldsIt) {
  const std::string out = runProps({"tab 2", "set wire-format W", "tab 3", "set wire-format W%N", "press ok"});
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
  const std::string out = runProps({"tab 4", "set fan-style 3", "press cancel"});
  EXPECT_TRUE(has(out, "dialog project-properties closed: 0\n")) << out;
  EXPECT_EQ(projectFile(), before);
}

}  // namespace
}  // namespace vox::test
