// "VoxNewProject" run by the shell on the sample project, its dialog answered from the answers
// file: the dialog's text form, a refused OK, and the new project written with the sample's
// settings (none of its drawings) and opened as the active project.

#include <gtest/gtest.h>

#include <filesystem>

#include "SampleShell.h"

namespace vox::test {
namespace {

class ShellNewProject : public SampleShell {
 protected:
  std::string runNewProject(const std::vector<std::string>& answers) {
    std::vector<std::string> lines = openSample();
    lines.push_back("VoxNewProject");
    lines.push_back("(vox_getactiveproject)");
    return run(lines, answers);
  }
};

TEST_F(ShellNewProject, AnsweredDialogCreatesAndOpensAProjectWithTheSampleSettings) {
  const std::string out = runNewProject({"set name Plant.txt", "set location relative", "press ok",
                                         "set location " + temp.native("New"), "press ok"});
  EXPECT_TRUE(has(out, "dialog new-project \"Create new project\"\n  name = \"\"\n")) << out;
  EXPECT_TRUE(has(out, "  create-folder = [x]\n")) << out;
  EXPECT_TRUE(has(out, "buttons: ok[greyed]{default} ok-properties[greyed] cancel help descriptions\n")) << out;
  EXPECT_TRUE(has(out, "[focus: location]")) << "the relative location refused:\n" << out;
  EXPECT_TRUE(has(out, "dialog new-project closed: 1\n")) << out;

  const std::string created = temp.native("New/Plant/Plant.wdp");
  ASSERT_TRUE(std::filesystem::exists(created)) << out;
  const std::string content = readNative(created);
  const std::string sample = readNative(temp.native("Demo/DEMO.wdp"));
  for (const char* setting : {"+[10]1\r\n", "+[13]1\r\n", "?[26]WIRES,WIRES_RED\r\n"}) {
    EXPECT_NE(sample.find(setting), std::string::npos) << "the sample should hold " << setting;
    EXPECT_NE(content.find(setting), std::string::npos) << "expected the sample's setting " << setting << " in:\n" << content;
  }
  EXPECT_EQ(content.find(".dwg"), std::string::npos) << "expected no drawings:\n" << content;
  EXPECT_EQ(content.find("*[1]"), std::string::npos) << "expected none of the sample's descriptions:\n" << content;
  EXPECT_TRUE(has(out, "Plant.wdp\"")) << "expected the new project active:\n" << out;
}

TEST_F(ShellNewProject, CancelCreatesNothing) {
  const std::string out = runNewProject({"set name Plant", "set location " + temp.native("New"), "press cancel"});
  EXPECT_TRUE(has(out, "dialog new-project closed: 0\n")) << out;
  EXPECT_FALSE(std::filesystem::exists(temp.native("New"))) << out;
}

}  // namespace
}  // namespace vox::test
