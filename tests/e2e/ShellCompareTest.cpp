// The compare command run in the shell on a copy of the sample project: a drawing whose wire
// number format differs from the project's default shows that row; copying it from the drawing
// to the project and pressing OK writes the project file's default.

#include <gtest/gtest.h>

#include <filesystem>

#include "SampleShell.h"

namespace vox::test {
namespace {

class ShellCompare : public SampleShell {
 protected:
  // Gives the sample's first drawing's settings block the wire number format `format`.
  void setDrawingWireFormat(const std::string& format) {
    const std::string path = temp.native("Demo/DEMO001.dwg");
    std::string drawing = readNative(path);
    const std::string from = "\"tag\": \"WIREFMT\",\n              \"value\": \"%N\"";
    const std::size_t at = drawing.find(from);
    ASSERT_NE(at, std::string::npos) << "the sample's settings block changed its layout";
    drawing.replace(at, from.size(), "\"tag\": \"WIREFMT\",\n              \"value\": \"" + format + "\"");
    writeNative(path, drawing);
  }
};

TEST_F(ShellCompare, ADifferingWireFormatCopiedToTheProjectIsWrittenAsItsDefault) {
  setDrawingWireFormat("%S%N");
  std::vector<std::string> lines = openSample();
  lines.push_back("VoxCompareDtoP");
  const std::string out = run(lines, {"set grid 0", "press copy-to-project", "press ok"});
  EXPECT_TRUE(has(out, "dialog compare-settings \"Drawing DEMO001.dwg compared with project DEMO\"\n")) << out;
  EXPECT_TRUE(has(out, "  grid = \"\" of table (\"Key\" | \"Description\" | \"Drawing\" | \"Project\")\n"
                       "    0 \"9\" | \"Wire number format (ex: %N)\" | \"%S%N\" | \"%N\"\n"))
      << out;
  EXPECT_TRUE(has(out, "    0 \"9\" | \"Wire number format (ex: %N)\" {highlighted} | \"%S%N\" | \"%S%N\" {highlighted} "
                       "{selected}\n"))
      << out;
  EXPECT_TRUE(has(out, "dialog compare-settings closed: 1\n")) << out;
  const std::string project = readNative(temp.native("Demo/DEMO.wdp"));
  EXPECT_TRUE(has(project, "?[9]%S%N\r\n")) << project;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.native("Demo")))
    EXPECT_NE(entry.path().extension(), ".FLL") << "a lock file was left: " << entry.path();
}

TEST_F(ShellCompare, AnEqualWireFormatIsNotListedUnlessAllAreShownAndCancelWritesNothing) {
  std::vector<std::string> lines = openSample();
  lines.push_back("VoxCompareDtoP");
  const std::string before = readNative(temp.native("Demo/DEMO.wdp"));
  const std::string drawing = readNative(temp.native("Demo/DEMO001.dwg"));
  const std::string out = run(lines, {"set show-all 1", "set grid 0,1", "press copy-to-drawing", "cancel"});
  EXPECT_TRUE(has(out, "\"Project\")\n    0 \"60\" | \"XREF_STYLE\" | \"0\" | \"1\"\n"))
      << "only the differing rows at first, and the wire format is not one of them:\n" << out;
  EXPECT_TRUE(has(out, "    9 \"9\" | \"Wire number format (ex: %N)\" | \"%N\" | \"%N\"\n")) << "show-all lists it:\n" << out;
  EXPECT_TRUE(has(out, "  show-all = [x]\n")) << out;
  EXPECT_TRUE(has(out, "    0 \"0\" | ")) << "show-all lists the first setting:\n" << out;
  EXPECT_TRUE(has(out, "dialog compare-settings closed: 0\n")) << out;
  EXPECT_EQ(readNative(temp.native("Demo/DEMO.wdp")), before);
  EXPECT_EQ(readNative(temp.native("Demo/DEMO001.dwg")), drawing);
}

}  // namespace
}  // namespace vox::test
