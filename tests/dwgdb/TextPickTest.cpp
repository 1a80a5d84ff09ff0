// Selecting a text by a point: texts of model space and those inside placed block references,
// the nearest within the aperture, nothing outside it or in other spaces.

#include <gtest/gtest.h>

#include <numbers>

#include "platform/dwgdb/TextPick.h"

namespace vox::dwgdb {
namespace {

Text text(const std::wstring& content, double x, double y, double height = 2.0) {
  return Text{content, {x, y, 0}, height, L"0", {}};
}

class TextPick : public ::testing::Test {
 protected:
  TextPick() {
    drawing = emptyDrawing();
    auto& model = drawing.spaces[0].entities;
    model.push_back(text(L"Title", 10, 10));           // box 10..16 x 10..12
    model.push_back(text(L"Close by", 10, 13));        // box 10..19.6 x 13..15
    drawing.blocks.push_back(BlockDefinition{L"TAG", {5, 5, 0}, {}, {text(L"In block", 6, 5)}, {}});
    // Base point (5,5) lands on (100,50); the text starts 1 unit right of the base point, scaled
    // by 2 and turned a quarter: it lands at (100,52).
    model.push_back(BlockReference{L"TAG", {100, 50, 0}, {2, 2, 1}, std::numbers::pi / 2, L"0", {}, {}});
    drawing.spaces[1].entities.push_back(text(L"Paper", 300, 300));
  }
  Drawing drawing;
};

TEST_F(TextPick, ThePointOnATextSelectsIt) {
  EXPECT_EQ(textAt(drawing, {12, 11, 0}, 1.0), L"Title");
  EXPECT_EQ(textAt(drawing, {18, 14, 0}, 1.0), L"Close by");
}

TEST_F(TextPick, BetweenTwoTextsTheNearerWins) {
  EXPECT_EQ(textAt(drawing, {12, 12.4, 0}, 1.0), L"Title");
  EXPECT_EQ(textAt(drawing, {12, 12.6, 0}, 1.0), L"Close by");
}

TEST_F(TextPick, ATextInsideAPlacedBlockIsFoundWhereTheReferencePutsIt) {
  EXPECT_EQ(textAt(drawing, {101, 53, 0}, 0.5), L"In block");
  EXPECT_EQ(textAt(drawing, {6, 5, 0}, 0.5), std::nullopt) << "not where the block defines it";
}

TEST_F(TextPick, NothingOutsideTheApertureOrOutsideModelSpace) {
  EXPECT_EQ(textAt(drawing, {50, 50, 0}, 1.0), std::nullopt);
  EXPECT_EQ(textAt(drawing, {301, 301, 0}, 1.0), std::nullopt);
  Drawing none;
  EXPECT_EQ(textAt(none, {0, 0, 0}, 1.0), std::nullopt);
}

}  // namespace
}  // namespace vox::dwgdb
