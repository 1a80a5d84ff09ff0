// The palette's layout elements: written, read back equal; another palette's name ignored;
// absent attributes leave the values as they were.

#include "palette/PaletteLayout.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

namespace vox::palette {
namespace {

TEST(PaletteLayout, ASavedLayoutLoadsBackEqualAndReplacesTheOldElement) {
  pugi::xml_document document;
  pugi::xml_node set = document.append_child("PaletteSet");
  set.append_child("PRM_PALETTESET").append_child("PRM_PALETTE").append_attribute("paletteName") = "Stale";
  PaletteLayout written;
  written.topToWholeRatio = 0.55;
  written.bottom = {1, true, 3};
  writePaletteLayout(set, L"Projects", written);
  EXPECT_EQ(std::distance(set.children("PRM_PALETTESET").begin(), set.children("PRM_PALETTESET").end()), 1);
  PaletteLayout read;
  ASSERT_TRUE(readPaletteLayout(set, L"PROJECTS", read)) << "the name is compared ignoring case";
  EXPECT_EQ(read, written);
  PaletteLayout untouched;
  EXPECT_FALSE(readPaletteLayout(set, L"Stale", untouched));
  EXPECT_FALSE(readPaletteLayout(set, L"Other", untouched));
  EXPECT_EQ(untouched, PaletteLayout{});
}

TEST(PaletteLayout, MissingOrSenselessValuesLeaveTheCurrentOnes) {
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(
      "<PaletteSet><PRM_PALETTESET><PRM_PALETTE paletteName=\"Projects\" topToWholeRatio=\"7\">"
      "<GROUPCTRL_BOTTOM btnSelIndex=\"1\"/></PRM_PALETTE></PRM_PALETTESET></PaletteSet>"));
  PaletteLayout layout;
  layout.top.style = 9;
  ASSERT_TRUE(readPaletteLayout(document.child("PaletteSet"), L"Projects", layout));
  EXPECT_DOUBLE_EQ(layout.topToWholeRatio, 0.7) << "a ratio outside 0..1 is ignored";
  EXPECT_EQ(layout.bottom.selectedPage, 1);
  EXPECT_EQ(layout.top.style, 9);
}

}  // namespace
}  // namespace vox::palette
