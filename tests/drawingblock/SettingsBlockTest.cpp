// Finding, creating, reading and writing a drawing's "WD_M" settings block in real drawing
// files, through the drawing accessor the host installs.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/DrawingSettingsBlock.h"
#include "drawingblock/DrawingBlockFixture.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/lispcore/LispCore.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::test {
namespace {

using core::ensureWDMBlock;
using core::readDrawingSettings;
using core::writeDrawingSettings;

std::wstring valueAt(const VoxCfgDrawingSettings& s, int index) {
  std::wstring v = L"<unset>";
  s.getValue(index, v);
  return v;
}

class SettingsBlock : public DrawingBlockFixture {};

TEST_F(SettingsBlock, TheBlockIsFoundOnALaterLayoutAndModelSpaceWins) {
  dwgdb::Drawing onLayout = drawingWith(L"*Paper_Space0", {blockOf(L"WD_M", {{L"SHEET", L"P0"}})});
  open(write(L"Layout.dwg", onLayout));
  VoxCfgDrawingSettings settings;
  ASSERT_TRUE(readDrawingSettings(*db, settings, false));
  EXPECT_EQ(valueAt(settings, 13), L"P0");

  dwgdb::Drawing both = drawingWith(L"*Paper_Space", {blockOf(L"WD_M", {{L"SHEET", L"paper"}})});
  both.findSpace(L"*Model_Space")->entities.push_back(blockOf(L"WD_M", {{L"SHEET", L"model"}}));
  open(write(L"Both.dwg", both));
  ASSERT_TRUE(readDrawingSettings(*db, settings, false));
  EXPECT_EQ(valueAt(settings, 13), L"model");

  open(write(L"None.dwg", drawingWith(L"*Paper_Space3", {blockOf(L"WD_M", {})})));  // beyond the layouts searched
  VoxCfgDrawingSettings untouched;
  EXPECT_FALSE(readDrawingSettings(*db, untouched, false));
  EXPECT_EQ(valueAt(untouched, 0), L"<unset>");
}

TEST_F(SettingsBlock, APartialBlockReadsOnlyItsTagsAndTheAlternateSheetTag) {
  activate("P.wdp", "*[1]P\r\n?[11]9.5\r\nA.dwg\r\n");
  open(write(L"D.dwg", drawingWith(L"*Model_Space", {blockOf(L"WD_M", {{L"WIREFMT", L"%S%N"}, {L"SHEET_", L"12"},
                                                                        {L"DISTH", L""}})})));
  VoxCfgDrawingSettings plain;
  ASSERT_TRUE(readDrawingSettings(*db, plain, false));
  EXPECT_EQ(valueAt(plain, 9), L"%S%N");
  EXPECT_EQ(valueAt(plain, 13), L"12");
  EXPECT_EQ(valueAt(plain, 20), L"");  // set, though empty
  EXPECT_EQ(valueAt(plain, 11), L"<unset>");

  VoxCfgDrawingSettings withDefaults;
  ASSERT_TRUE(readDrawingSettings(*db, withDefaults, true));
  EXPECT_EQ(valueAt(withDefaults, 11), L"9.5");  // the active project's default
  EXPECT_EQ(valueAt(withDefaults, 9), L"%S%N");
}

TEST_F(SettingsBlock, WritingAddsTheMissingAttributesBelowTheLowestInIndexOrder) {
  dwgdb::BlockReference block = blockOf(L"WD_M", {{L"TAGMODE", L"R"}, {L"WIREFMT", L"%N"}, {L"SHEET_", L"3"}});
  block.attributes[0].position.y = -4.0;  // the lowest, though not the last
  const std::wstring path = write(L"D.dwg", drawingWith(L"*Model_Space", {block}));
  open(path);
  VoxCfgDrawingSettings settings;
  ASSERT_TRUE(readDrawingSettings(*db, settings, false));
  const std::wstring sheet = L"14";
  settings.setValue(13, &sheet);
  ASSERT_TRUE(writeDrawingSettings(*db, settings));
  ASSERT_TRUE(db->close(true));

  const dwgdb::Drawing saved = reload(path);
  const auto& written = std::get<dwgdb::BlockReference>(saved.spaces[0].entities[0]);
  ASSERT_EQ(written.attributes.size(), 77u);  // "SHEET_" stands for "SHEET"
  EXPECT_EQ(written.attributes[2].value, L"14");
  EXPECT_EQ(written.attributes[3].tag, L"RUNGHORV");
  EXPECT_EQ(written.attributes[3].position.y, -5.5);
  EXPECT_EQ(written.attributes[4].tag, L"REFNUMS");
  EXPECT_EQ(written.attributes[4].position.y, -7.0);
  EXPECT_EQ(written.attributes[5].tag, L"TAG-START");  // 2 "TAGMODE" exists already
  EXPECT_EQ(written.attributes.back().tag, L"WNUM_GAP");
  EXPECT_DOUBLE_EQ(written.attributes.back().position.y, -4.0 - 1.5 * 74);
  EXPECT_EQ(written.attributes[20].tag, L"DISTH");
  EXPECT_EQ(written.attributes[20].value, L"");  // unset in the record: written empty
}

TEST_F(SettingsBlock, ABlockWithoutAttributesGetsThemFromItsInsertionPointDown) {
  dwgdb::BlockReference bare = blockOf(L"WD_M", {});
  bare.position = {100.0, 50.0, 0.0};
  const std::wstring path = write(L"D.dwg", drawingWith(L"*Model_Space", {bare}));
  open(path);
  VoxCfgDrawingSettings settings;
  settings.fillWithDefaults(nullptr, false);
  ASSERT_TRUE(writeDrawingSettings(*db, settings));
  const std::vector<VoxDbxAttribute> attributes = db->attributes();
  ASSERT_EQ(attributes.size(), 77u);
  EXPECT_EQ(attributes[0].position, (VoxDbxPoint{100.0, 50.0, 0.0}));
  EXPECT_EQ(attributes[1].position, (VoxDbxPoint{100.0, 48.5, 0.0}));
  EXPECT_EQ(attributes[0].value, L"H");
}

TEST_F(SettingsBlock, AMissingBlockIsInsertedFromTheBlockLibrary) {
  std::filesystem::create_directories(temp.native("blocks/electrical"));
  std::filesystem::copy_file(std::string(VOX_SOURCE_DIR) + "/samples/blocks/WD_M.dwg", temp.native("blocks/electrical/wd_m.dwg"));
  const std::wstring path = write(L"D.dwg", dwgdb::emptyDrawing());
  open(path);
  ASSERT_TRUE(ensureWDMBlock(*db, true));
  EXPECT_EQ(db->openBlockName(), L"WD_M");
  EXPECT_EQ(db->openPosition(), (VoxDbxPoint{}));
  EXPECT_EQ(db->attributes().size(), 77u);
  EXPECT_EQ(value(L"RUNGHORV"), L"H");  // the block file's defaults
  ASSERT_TRUE(db->close(true));
  const dwgdb::Drawing saved = reload(path);
  ASSERT_EQ(saved.spaces[0].entities.size(), 1u);
  EXPECT_NE(saved.findBlock(L"WD_M"), nullptr);
  EXPECT_TRUE(answers.asked().empty());
}

TEST_F(SettingsBlock, AMissingBlockFileIsReportedByTheCoreAndABadOneByAMessage) {
  open(write(L"D.dwg", dwgdb::emptyDrawing()));
  EXPECT_FALSE(ensureWDMBlock(*db, false));
  const auto reported = [this] {
    const auto& calls = lispCore()->calls();
    return std::count_if(calls.begin(), calls.end(), [](const auto& c) { return c.name == L"wd_fio_block_path_failed_msg"; });
  };
  EXPECT_EQ(reported(), 0);
  EXPECT_FALSE(ensureWDMBlock(*db, true));
  EXPECT_EQ(reported(), 1);
  EXPECT_TRUE(answers.asked().empty());

  std::filesystem::create_directories(temp.native("blocks"));
  writeNative(temp.native("blocks/WD_M.dwg"), "not a drawing");
  EXPECT_FALSE(ensureWDMBlock(*db, true));
  ASSERT_EQ(answers.asked().size(), 1u);
  EXPECT_EQ(answers.asked()[0].text, messages().string(280));
  EXPECT_EQ(answers.asked()[0].caption, messages().string(281));
  EXPECT_EQ(answers.asked()[0].icon, HcIcon::kExclamation);
  EXPECT_FALSE(db->isModified());
}

TEST_F(SettingsBlock, WritingKeepsEveryOtherMemberOfTheDrawing) {
  const std::string original = R"({"format": "voxfolio-drawing", "version": 1, "units": "mm",
    "header": {"currentLayer": "0", "lastSavedBy": "ann", "ucs": [0, 0]},
    "layers": [{"name": "0", "linetype": "DASHED"}],
    "blocks": [{"name": "WD_M", "attributeDefinitions": [], "entities": [], "scaleUniformly": true}],
    "spaces": [{"name": "*Model_Space", "entities": [
      {"type": "polyline", "points": [[0, 0], [5, 5]], "closed": false},
      {"type": "blockReference", "name": "WD_M", "position": [0, 0, 0], "handle": "2A",
       "attributes": [{"tag": "SHEET", "value": "1", "position": [0, 0, 0], "height": 2.5}]},
      {"type": "text", "text": "note", "position": [1, 1, 0], "font": "isocp"}]},
      {"name": "*Paper_Space", "entities": [], "plotter": "pdf"}],
    "thumbnailPng": "iVBORw0KGgo="})";
  writeNative(temp.native("D.dwg"), original);
  const std::wstring path = temp.path(L"D.dwg");
  const std::optional<dwgdb::Drawing> before = dwgdb::loadDrawing(path);
  ASSERT_TRUE(before);
  open(path);
  VoxCfgDrawingSettings settings;
  settings.fillWithDefaults(nullptr, false);
  ASSERT_TRUE(writeDrawingSettings(*db, settings));
  ASSERT_TRUE(db->close(true));

  dwgdb::Drawing after = reload(path);
  auto& ref = std::get<dwgdb::BlockReference>(after.spaces[0].entities[1]);
  EXPECT_EQ(ref.attributes.size(), 77u);
  EXPECT_EQ(ref.attributes[0].extras.json, R"({"height":2.5})");
  EXPECT_EQ(ref.attributes[1].extras.json, R"({"height":2.5})");  // added like the reference attribute
  ref.attributes = std::get<dwgdb::BlockReference>(before->spaces[0].entities[1]).attributes;
  after.header.lastSavedBy = before->header.lastSavedBy;
  EXPECT_EQ(after, *before);  // the rest as it was, unknown members and entities included
}

}  // namespace
}  // namespace vox::test
