// The drawing properties command run in the shell on a copy of the sample project: the sheet's
// answers change a description line (one typed, one picked in the drawing) and the sheet number,
// and both the drawing file and the project file hold them afterwards.

#include <gtest/gtest.h>

#include <filesystem>

#include "SampleShell.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class ShellDrawingProps : public SampleShell {
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
