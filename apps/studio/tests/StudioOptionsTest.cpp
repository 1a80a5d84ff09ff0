// The studio's command line: lines to run kept in order, the drawing to select, the pictures of
// a menu or dialog and the window's size, and the errors of an option without its value, a size
// that is none or an unknown option.

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

TEST(StudioOptions, ThePicturesOfAMenuOrDialogAndTheWindowSizeAreKept) {
  const ParsedStudioOptions parsed = parseStudioOptions({"--context-menu", "DEMO", "--press-button", "display-config", "--shot-modal",
                                                         "m.png", "--window-size", "960x600"},
                                                        {});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->contextMenu, "DEMO");
  EXPECT_EQ(parsed.options->pressButton, "display-config");
  EXPECT_EQ(parsed.options->shotModal, "m.png");
  EXPECT_EQ(parsed.options->windowSize, (WindowSize{960, 600}));
}

TEST(StudioOptions, AWindowSizeMustBeTwoPositiveNumbers) {
  for (const char* bad : {"960", "960x", "x600", "0x600", "960x-1", "960x600x2", "96ax600", "10001x600"})
    EXPECT_EQ(parseWindowSize(bad), std::nullopt) << "expected " << bad << " refused";
  EXPECT_EQ(parseStudioOptions({"--window-size", "big"}, {}).error, "--window-size wants WIDTHxHEIGHT, not big");
  EXPECT_EQ(parseStudioOptions({"--shot-modal"}, {}).error, "--shot-modal needs a value");
}

}  // namespace
}  // namespace vox::studio::test
