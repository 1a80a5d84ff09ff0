// The drawing accessor over drawing files: open modes, finding references space by space,
// attributes, inserting a block from a block file, and what closing with and without saving
// leaves on disk.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/dwgdb/DrawingDatabase.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/os/Identity.h"
#include "support/TempDir.h"

namespace vox::dwgdb {
namespace {

BlockReference reference(const std::wstring& name, double x, std::vector<Attribute> attributes = {}) {
  return BlockReference{name, {x, 0, 0}, {1, 1, 1}, 0, L"0", std::move(attributes), {}};
}

class DrawingAccessor : public ::testing::Test {
 protected:
  DrawingAccessor() {
    Drawing d = emptyDrawing();
    d.layers.push_back(Layer{L"WIRES", false, {}});
    d.spaces.push_back(Space{L"*Paper_Space0", {}, {}});
    auto& model = d.spaces[0].entities;
    model.push_back(reference(L"LADDER", 1, {{L"WIREFMT", L"%N", {1, 5, 0}, false, {}}}));
    model.push_back(Text{L"between", {}, 2.5, L"0", {}});
    model.push_back(reference(L"ladder", 2, {{L"WIREFMT", L"%S", {2, 5, 0}, false, {R"({"height":3.5})"}}}));
    d.spaces[2].entities.push_back(reference(L"LADDER", 3));
    EXPECT_TRUE(saveDrawing(path, d));
  }
  std::string bytes() const { return test::readNative(temp.native("D.dwg")); }

  test::TempDir temp;
  const std::wstring path = temp.path(L"D.dwg");
  DrawingDatabase db;
};

TEST_F(DrawingAccessor, FindsReferencesOfOneSpaceInOrder) {
  ASSERT_TRUE(db.open(path, VoxDbxDatabase::kOpenForWrite, false));
  EXPECT_EQ(db.numberOfLayouts(), 3);  // model, *Paper_Space, *Paper_Space0
  ASSERT_TRUE(db.find(L"Ladder"));
  EXPECT_EQ(db.openPosition().x, 1);
  ASSERT_TRUE(db.findNext());
  EXPECT_EQ(db.openPosition().x, 2);
  EXPECT_EQ(db.openBlockName(), L"ladder");
  EXPECT_FALSE(db.findNext());
  EXPECT_FALSE(db.isBlockRefOpen());

  EXPECT_FALSE(db.selectSpace(L"*Paper_Space7"));
  ASSERT_TRUE(db.selectSpace(L"*paper_space0"));
  ASSERT_TRUE(db.find(L"LADDER"));
  EXPECT_EQ(db.openPosition().x, 3);
  ASSERT_TRUE(db.selectSpace(L"*Paper_Space"));
  EXPECT_FALSE(db.find(L"LADDER"));
}

TEST_F(DrawingAccessor, AttributesAreReadSetAndAddedOnTheOpenReference) {
  ASSERT_TRUE(db.open(path, VoxDbxDatabase::kOpenForWrite, false));
  std::wstring value = L"untouched";
  EXPECT_FALSE(db.getAttributeValue(L"WIREFMT", value));  // nothing open yet
  ASSERT_TRUE(db.find(L"LADDER") && db.findNext());
  EXPECT_TRUE(db.getAttributeValue(L"wirefmt", value));
  EXPECT_EQ(value, L"%S");
  EXPECT_FALSE(db.setAttributeValue(L"NOPE", L"x"));
  EXPECT_FALSE(db.isModified());
  ASSERT_TRUE(db.setAttributeValue(L"WIREFMT", L"%S%N"));
  EXPECT_TRUE(db.isModified());

  ASSERT_TRUE(db.addAttribute(L"WIREFMT", L"EXTRA", L"e", true, 0.5, -1.5, true));
  EXPECT_FALSE(db.addAttribute(L"WIREFMT", L"extra", L"again", true, 0, -1.5, true));  // exists already
  EXPECT_FALSE(db.addAttribute(L"MISSING", L"OTHER", L"", true, 0, -1.5, true));
  ASSERT_TRUE(db.addAttribute(L"", L"AT_REF", L"", false, 0, 0, false));
  const std::vector<VoxDbxAttribute> attributes = db.attributes();
  ASSERT_EQ(attributes.size(), 3u);
  EXPECT_EQ(attributes[1], (VoxDbxAttribute{L"EXTRA", L"e", {2.5, 3.5, 0}}));
  EXPECT_EQ(attributes[2].position, (VoxDbxPoint{2, 0, 0}));
  ASSERT_TRUE(db.close(true));

  const Drawing saved = *loadDrawing(path);
  const auto& ref = std::get<BlockReference>(saved.spaces[0].entities[2]);
  EXPECT_EQ(ref.attributes[1].extras.json, R"({"height":3.5})");  // the look of the reference attribute
  EXPECT_TRUE(ref.attributes[1].invisible);
  EXPECT_EQ(saved.header.lastSavedBy, os::loginName());
}

TEST_F(DrawingAccessor, ClosingWithoutSavingOrOpenedForReadingLeavesTheFileAsItWas) {
  const std::string before = bytes();
  ASSERT_TRUE(db.open(path, VoxDbxDatabase::kOpenForWrite, false));
  ASSERT_TRUE(db.find(L"LADDER") && db.setAttributeValue(L"WIREFMT", L"changed"));
  ASSERT_TRUE(db.close(false));
  EXPECT_EQ(bytes(), before);

  ASSERT_TRUE(db.open(path, VoxDbxDatabase::kOpenForRead, false));
  ASSERT_TRUE(db.find(L"LADDER"));
  EXPECT_FALSE(db.setAttributeValue(L"WIREFMT", L"changed"));
  EXPECT_FALSE(db.setLayerFrozen(L"WIRES", true));
  EXPECT_TRUE(db.close(true));  // nothing changed, nothing to write
  EXPECT_EQ(bytes(), before);

  std::filesystem::permissions(temp.native("D.dwg"), std::filesystem::perms::owner_read);
  EXPECT_FALSE(db.open(path, VoxDbxDatabase::kOpenForWrite, false));
  EXPECT_NE(db.lastError().find(L"read-only"), std::wstring::npos);
  EXPECT_FALSE(db.isOpen());
}

TEST_F(DrawingAccessor, ANewDrawingIsWrittenOnlyWhenAskedTo) {
  const std::wstring fresh = temp.path(L"New.dwg");
  EXPECT_FALSE(db.open(fresh, VoxDbxDatabase::kOpenForWrite, false));
  ASSERT_TRUE(db.open(fresh, VoxDbxDatabase::kOpenForWrite, true));
  ASSERT_TRUE(db.close(false));
  EXPECT_FALSE(std::filesystem::exists(temp.native("New.dwg")));
  ASSERT_TRUE(db.open(fresh, VoxDbxDatabase::kOpenForWrite, true));
  ASSERT_TRUE(db.close(true));
  EXPECT_TRUE(loadDrawing(fresh));
}

TEST_F(DrawingAccessor, LayersFreezeAndThawButTheCurrentLayerStaysThawed) {
  ASSERT_TRUE(db.open(path, VoxDbxDatabase::kOpenForWrite, false));
  EXPECT_EQ(db.currentLayer(), L"0");
  EXPECT_FALSE(db.setLayerFrozen(L"0", true));
  EXPECT_FALSE(db.setLayerFrozen(L"NONE", true));
  ASSERT_TRUE(db.setLayerFrozen(L"wires", true));
  EXPECT_EQ(db.layers(), (std::vector<VoxDbxLayer>{{L"0", false}, {L"WIRES", true}}));
}

TEST_F(DrawingAccessor, InsertingABlockTakesItsDefinitionFromTheBlockFile) {
  Drawing library = emptyDrawing();
  library.blocks.push_back(BlockDefinition{
      L"WD_M", {1, 1, 0}, {{L"SHEET", L"1", {1, 3, 0}, true, {}}, {L"WIREFMT", L"%N", {3, 1, 0}, true, {}}}, {}, {}});
  ASSERT_TRUE(saveDrawing(temp.path(L"WD_M.dwg"), library));

  ASSERT_TRUE(db.open(path, VoxDbxDatabase::kOpenForWrite, false));
  EXPECT_FALSE(db.insertBlock(L"WD_M", temp.path(L"none.dwg"), {}, 1, 1, 1, 0, 0, true));
  ASSERT_TRUE(db.insertBlock(L"WD_M", temp.path(L"WD_M.dwg"), {10, 20, 0}, 2, 2, 1, 0, 0, true));
  EXPECT_EQ(db.openBlockName(), L"WD_M");
  EXPECT_EQ(db.attributes(), (std::vector<VoxDbxAttribute>{{L"SHEET", L"1", {10, 24, 0}}, {L"WIREFMT", L"%N", {14, 20, 0}}}));

  // A second insertion uses the drawing's own definition unless asked to redefine it.
  library.blocks[0].attributeDefinitions.pop_back();
  ASSERT_TRUE(saveDrawing(temp.path(L"WD_M.dwg"), library));
  ASSERT_TRUE(db.insertBlock(L"WD_M", temp.path(L"WD_M.dwg"), {}, 1, 1, 1, 0, 0, false));
  EXPECT_TRUE(db.attributes().empty());
  ASSERT_TRUE(db.insertBlock(L"WD_M", temp.path(L"WD_M.dwg"), {}, 1, 1, 1, 0, 0, true));
  EXPECT_EQ(db.attributes().size(), 2u);
  ASSERT_TRUE(db.insertBlock(L"WD_M", temp.path(L"WD_M.dwg"), {}, 1, 1, 1, 0, 1, true));
  EXPECT_EQ(db.attributes().size(), 1u);
}

}  // namespace
}  // namespace vox::dwgdb
