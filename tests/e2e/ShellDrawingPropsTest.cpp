// The drawing properties command run in the shell on a copy of the sample project: the sheet's
// answers change a description line (one typed, one picked in the drawing) and the sheet number,
// and both the drawing file and the project file hold them afterwards.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class ShellDrawingProps : public ::testing::Test {
 protected:
  ShellDrawingProps() {
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"), fs::copy_options::recursive);
  }
  std::string run(const std::vector<std::string>& lines, const std::vector<std::string>& answers) {
    std::string script;
    for (const std::string& line : lines) script += line + "\n";
    writeNative(temp.native("props.scr"), script);
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
  static bool has(const std::string& out, const std::string& text) { return out.find(text) != std::string::npos; }

  TempDir temp;
};

TEST_F(ShellDrawingProps, TheDescriptionAndSheetReachTheDrawingAndTheProjectEntry) {
  const std::string out =
      run({"OPEN " + temp.native("Demo/DEMO001.dwg"), "(vox_openproject \"" + temp.native("Demo/DEMO.wdp") + "\" 1)",
           "VoxDrawingProps"},
          {"set description-1 \"Main incoming supply\"", "set sheet 07", "press pick-description-2", "pick 12,11",
           "press ok"});
  EXPECT_TRUE(has(out, "pick text \"Select the text for description line 2:\" -> \"Incoming supply\"\n")) << out;
  EXPECT_TRUE(has(out, "dialog drawing-properties closed: 1\n")) << out;
  EXPECT_TRUE(has(out, "(c:vox_ladr_update_sheet)")) << "the sheet changed:\n" << out;

  const std::string drawing = readNative(temp.native("Demo/DEMO001.dwg"));
  EXPECT_TRUE(has(drawing, "\"name\": \"Drawing Description 1\",\n        \"value\": \"Main incoming supply\""))
      << drawing.substr(0, 1500);
  EXPECT_TRUE(has(drawing, "\"name\": \"Sheet\",\n        \"value\": \"07\"")) << drawing.substr(0, 1500);
  EXPECT_TRUE(has(drawing, "\"tag\": \"SHEET\",\n              \"value\": \"07\"")) << "the settings block";

  const std::string project = readNative(temp.native("Demo/DEMO.wdp"));
  EXPECT_TRUE(has(project, "===Main incoming supply\r\n===Incoming supply\r\nDEMO001.dwg\r\n")) << project;
  for (const auto& entry : fs::recursive_directory_iterator(temp.native("Demo")))
    EXPECT_NE(entry.path().extension(), ".FLL") << "a lock file was left: " << entry.path();
}

}  // namespace
}  // namespace vox::test
