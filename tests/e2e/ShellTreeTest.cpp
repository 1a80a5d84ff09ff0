// The project tree driven through the shell on the shipped sample and a second project: the
// tree's text form, a Shift range, and renames through the rename verb and through F2 with the
// label editor's text from the answers file; the files on disk and the project file follow.

#include <gtest/gtest.h>

#include <filesystem>

#include "SampleShell.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

class ShellTree : public SampleShell {
 protected:
  ShellTree() {
    fs::create_directories(temp.native("Other"));
    writeNative(temp.native("Other/OTHER.wdp"), "*[1]Another project\r\nX1.dwg\r\n");
    fs::copy_file(temp.native("Demo/DEMO001.dwg"), temp.native("Other/X1.dwg"));
  }
};

TEST_F(ShellTree, TheSampleAndASecondProjectAreShownSelectedAndRenamed) {
  const std::string demo = temp.native("Demo/DEMO.wdp");
  const std::string other = temp.native("Other/OTHER.wdp");
  const std::string out = run({"OPEN " + temp.native("Demo/DEMO001.dwg"), "(vox_openproject \"" + other + "\" 0)",
                               "(vox_openproject \"" + demo + "\" 1)", "Voxnav", "palette expand DEMO",
                               "palette expand OTHER", "palette click DEMO002.dwg", "palette click DEMO004.dwg shift",
                               "palette click X1.dwg ctrl", "palette rename DEMO002.dwg \"  Feeders.txt \"",
                               "palette click DEMOREF.dwg", "palette key f2"},
                              {"Legend"});
  EXPECT_TRUE(has(out, "  tree:\n"
                       "    - DEMO {bold}\n"
                       "      DEMO001.dwg {bold}\n"
                       "      DEMO002.dwg {selected}\n"
                       "      DEMO003.dwg {selected}\n"
                       "      DEMO004.dwg {caret} {selected}\n"
                       "      DEMOREF.dwg\n"
                       "    - OTHER\n"
                       "      X1.dwg\n"))
      << "the active project first and bold, the range within it, the Ctrl click on the other project refused:\n"
      << out;
  EXPECT_TRUE(has(out, "      Feeders.dwg {caret} {selected}\n")) << out;
  EXPECT_TRUE(has(out, "      Legend.dwg {caret} {selected}\n")) << "F2 took the name from the answers:\n" << out;
  EXPECT_TRUE(fs::exists(temp.native("Demo/Feeders.dwg")));
  EXPECT_FALSE(fs::exists(temp.native("Demo/DEMO002.dwg")));
  EXPECT_TRUE(fs::exists(temp.native("Demo/Legend.dwg")));
  const std::string project = readNative(demo);
  EXPECT_TRUE(has(project, "\nFeeders.dwg") && has(project, "\nLegend.dwg") && !has(project, "DEMO002"))
      << project;
  for (const auto& entry : fs::recursive_directory_iterator(temp.native("Demo")))
    EXPECT_NE(entry.path().extension(), ".FLL") << "a lock file was left: " << entry.path();
}

TEST_F(ShellTree, ADrawingIsRemovedAndTwoAreAddedThroughTheMenusAndTheFileDialog) {
  fs::copy_file(temp.native("Demo/DEMO001.dwg"), temp.native("Demo/NEW1.dwg"));
  fs::copy_file(temp.native("Demo/DEMO001.dwg"), temp.native("Demo/NEW2.dwg"));
  const std::string demo = temp.native("Demo/DEMO.wdp");
  const std::string out =
      run({"OPEN " + temp.native("Demo/DEMO001.dwg"), "(vox_openproject \"" + demo + "\" 1)", "Voxnav",
           "palette expand DEMO", "palette menu DEMO002.dwg", "palette menu DEMO"},
          {"225", "212", temp.native("Demo/NEW1.dwg") + "|" + temp.native("Demo/NEW2.dwg"), "No", "Cancel"});
  EXPECT_TRUE(has(out, "menu drawing: chose 225\n")) << out;
  EXPECT_TRUE(has(out, "      DEMO001.dwg {bold}\n      DEMO003.dwg {caret} {selected}\n"))
      << "the removed drawing's next sibling is the caret:\n" << out;
  EXPECT_TRUE(has(out, "      NEW1.dwg\n      NEW2.dwg\n")) << out;
  const std::string project = readNative(demo);
  EXPECT_FALSE(has(project, "DEMO002")) << project;
  EXPECT_TRUE(has(project, "\nNEW1.dwg") && has(project, "\nNEW2.dwg")) << project;
}

TEST_F(ShellTree, TheExceptionListIsPrintedAsAReport) {
  std::vector<std::string> lines = openSample();
  lines.insert(lines.end(), {"Voxnav", "palette menu DEMO"});
  const std::string out = run(lines, {"250"});
  EXPECT_TRUE(has(out, "menu active-project: chose 250\nreport \"Exception list of DEMO\"\n  Drawing: ")) << out;
}

TEST_F(ShellTree, TheFilterNarrowsTheTreeAndAShortcutRunsAMenuCommand) {
  writeNative(temp.native("Demo/DEMO002.dwl"), "ann\nPC9 Ann Smith\nMonday  10:00");  // a colleague has it open
  const std::string out = run({"OPEN " + temp.native("Demo/DEMO001.dwg"),
                               "(vox_openproject \"" + temp.native("Demo/DEMO.wdp") + "\" 1)", "Voxnav",
                               "palette filter ref", "palette filter", "palette collapse all", "palette expand all",
                               "palette click DEMO003.dwg", "palette shortcut Ctrl+C", "palette shortcut Ctrl+Q"},
                              {});
  EXPECT_TRUE(has(out, "  filter: \"ref\" (4 hidden)\n"
                       "  tree:\n"
                       "    - DEMO {bold}\n"
                       "      DEMOREF.dwg\n"))
      << out;
  EXPECT_TRUE(has(out, "    + DEMO {bold}\n")) << "collapse all:\n" << out;
  EXPECT_TRUE(has(out, "      DEMO002.dwg\n")) << "the node line keeps its form:\n" << out;
  EXPECT_TRUE(has(out, "  marks:\n    DEMO002.dwg: lock red \"Locked by ann")) << out;
  EXPECT_TRUE(has(out, "palette: no enabled command has the shortcut Ctrl+Q here")) << out;
  EXPECT_FALSE(has(out, "palette: no enabled command has the shortcut Ctrl+C")) << "Ctrl+C copies the drawing's properties:\n" << out;
}

}  // namespace
}  // namespace vox::test
