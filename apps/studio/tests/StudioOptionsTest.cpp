// The studio's command line: lines to run kept in order, the drawing to select, and the errors
// of an option without its value or an unknown one.

#include <gtest/gtest.h>

#include "StudioOptions.h"

namespace vox::studio::test {
namespace {

TEST(StudioOptions, RunLinesKeepTheirOrderAndTheDrawingToSelectIsKept) {
  const ParsedStudioOptions parsed =
      parseStudioOptions({"--run", "Voxnav", "--select-drawing", "A01.dwg", "--run", "(vox_getactiveproject)", "-platform", "offscreen"}, {});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->runLines, (std::vector<std::string>{"Voxnav", "(vox_getactiveproject)"}));
  EXPECT_EQ(parsed.options->selectDrawing, "A01.dwg");
}

TEST(StudioOptions, AnOptionWithoutItsValueOrUnknownIsRefused) {
  EXPECT_EQ(parseStudioOptions({"--run"}, {}).error, "--run needs a value");
  EXPECT_EQ(parseStudioOptions({"--select-drawing"}, {}).error, "--select-drawing needs a value");
  EXPECT_EQ(parseStudioOptions({"--runs", "x"}, {}).error, "unknown argument: --runs");
}

}  // namespace
}  // namespace vox::studio::test
