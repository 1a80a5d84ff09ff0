// The new-drawing command run in the shell on a copy of the sample project: the dialog answered
// from the answers file creates the drawing from the sample's template, the script the command
// writes opens it in the host, and the project file lists it with its section and descriptions.

#include <gtest/gtest.h>

#include <filesystem>

#include "SampleShell.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class ShellNewDrawing : public SampleShell {};

TEST_F(ShellNewDrawing, TheDrawingIsMadeFromTheTemplateOpenedAndListedInTheProject) {
  std::vector<std::string> script = openSample();
  script.insert(script.end(), {"VoxNewDrawing", "docs"});
  const std::string out = run(script, {"set name DEMO010", "set template \"" + temp.native("Demo/DEMO.dwt") + "\"",
                                       "set description-1 \"Pump motors\"", "set section Power",
                                       "set sub-section \"Pumps\"", "set sheet 10", "press ok", "No"});
  EXPECT_TRUE(has(out, "dialog new-drawing \"Create new drawing\"\n")) << out;
  EXPECT_TRUE(has(out, "  description-1 = \"\" or (\"Incoming supply\" | \"Transformer\" | \"Motor feeders\"")) << out;
  EXPECT_TRUE(has(out, "dialog new-drawing closed: 1\n")) << out;
  EXPECT_TRUE(has(out, "DEMO010.dwg\" {current} {active}")) << "the script opened the new drawing:\n" << out;

  ASSERT_TRUE(fs::exists(temp.native("Demo/DEMO010.dwg"))) << out;
  const std::string drawing = readNative(temp.native("Demo/DEMO010.dwg"));
  EXPECT_TRUE(has(drawing, "\"tag\": \"SHEET\",\n              \"value\": \"10\"")) << drawing.substr(0, 1500);
  EXPECT_TRUE(has(drawing, "\"name\": \"Drawing Description 1\",\n        \"value\": \"Pump motors\""));

  const std::string project = readNative(temp.native("Demo/DEMO.wdp"));
  EXPECT_TRUE(has(project, "=Power\r\n==Pumps\r\n===Pump motors\r\n===\r\n===\r\nDEMO010.dwg\r\n")) << project;
  for (const auto& entry : fs::recursive_directory_iterator(temp.native("Demo")))
    EXPECT_NE(entry.path().extension(), ".FLL") << "a lock file was left: " << entry.path();
}

}  // namespace
}  // namespace vox::test
