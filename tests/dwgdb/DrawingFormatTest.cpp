// The JSON drawing format: what a file holds survives a read and a write, unknown members and
// entities included; damaged, foreign and binary files are refused with a clear error.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/dwgdb/Base64.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/dwgdb/DrawingJson.h"
#include "support/ForkedChild.h"
#include "support/TempDir.h"

namespace vox::dwgdb {
namespace {

// A drawing written by some other program: members and an entity type this one does not know.
const std::string kForeign = R"({
  "format": "voxfolio-drawing", "version": 1, "units": {"linear": "mm"},
  "header": {"currentLayer": "WIRES", "lastSavedBy": "ann", "snap": 2.5},
  "summaryInfo": {"title": "T", "customProperties": [{"name": "Sheet", "value": "07"}], "revision": "C"},
  "layers": [{"name": "0"}, {"name": "WIRES", "frozen": true, "color": 1}],
  "blocks": [{"name": "WD_M", "attributeDefinitions": [{"tag": "SHEET", "value": "", "position": [0, 0]}],
              "entities": [{"type": "arc", "radius": 2}]}],
  "spaces": [{"name": "*Model_Space", "entities": [
     {"type": "blockReference", "name": "WD_M", "position": [1, 2, 3], "handle": "1F",
      "attributes": [{"tag": "SHEET", "value": "07", "position": [1, 2, 3], "height": 2.5}]},
     {"type": "text", "text": "Ü ✓", "position": [0, 0, 0], "style": "Bold"},
     {"type": "hatch", "pattern": "ANSI31", "loops": [[0, 0], [1, 1]]}]}]
})";

TEST(DrawingFormat, AReadAndAWriteKeepEveryMemberKnownOrNot) {
  const ParsedDrawing parsed = parseDrawing(kForeign);
  ASSERT_TRUE(parsed.drawing) << std::string(parsed.problem.begin(), parsed.problem.end());
  const Drawing& d = *parsed.drawing;
  EXPECT_EQ(d.header.currentLayer, L"WIRES");
  EXPECT_TRUE(d.layers[1].frozen);
  const auto& ref = std::get<BlockReference>(d.spaces[0].entities[0]);
  EXPECT_EQ(ref.attributes[0].value, L"07");
  EXPECT_EQ(ref.position, (Point{1, 2, 3}));
  EXPECT_EQ(std::get<Text>(d.spaces[0].entities[1]).text, L"Ü ✓");
  EXPECT_TRUE(std::holds_alternative<OtherEntity>(d.spaces[0].entities[2]));

  const std::string written = serializeDrawing(d);
  for (const char* kept : {"\"units\"", "\"snap\"", "\"revision\"", "\"color\"", "\"handle\"", "\"height\"", "\"style\"",
                           "\"ANSI31\"", "\"arc\""})
    EXPECT_NE(written.find(kept), std::string::npos) << kept;
  const ParsedDrawing again = parseDrawing(written);
  ASSERT_TRUE(again.drawing);
  EXPECT_EQ(*again.drawing, d);
  EXPECT_EQ(serializeDrawing(*again.drawing), written);
}

TEST(DrawingFormat, TheThumbnailTravelsAsBase64) {
  Drawing d = emptyDrawing();
  d.thumbnailPng = std::string("\x89PNG\r\n\x1a\n\0\xff", 10);
  const std::optional<Drawing> back = parseDrawing(serializeDrawing(d)).drawing;
  ASSERT_TRUE(back);
  EXPECT_EQ(back->thumbnailPng, d.thumbnailPng);

  for (const std::string bytes : {"", "f", "fo", "foo", "foob", "fooba"}) EXPECT_EQ(decodeBase64(encodeBase64(bytes)), bytes);
  EXPECT_EQ(encodeBase64("fooba"), "Zm9vYmE=");
  for (const char* bad : {"Zm9", "Zm9v!mE=", "Zg==Zg==", "Z===", "Zm=v"}) EXPECT_FALSE(decodeBase64(bad)) << bad;
  EXPECT_FALSE(parseDrawing(R"({"format": "voxfolio-drawing", "version": 1, "thumbnailPng": "@@@@"})").drawing);
}

TEST(DrawingFormat, WhatIsNotAWellFormedDrawingIsRefused) {
  const std::string full = kForeign;
  const std::vector<std::string> bad = {
      "",
      full.substr(0, full.size() / 2),                         // truncated
      std::string("\x00\x01\xff\xfe\x89PNG binary", 14),       // binary
      "[1, 2, 3]",                                             // JSON, but no object
      R"({"keys": {}})",                                       // another program's JSON
      R"({"format": "voxfolio-drawing", "version": 2})",       // a newer format
      R"({"format": "voxfolio-drawing", "version": 1, "layers": {"name": "0"}})",
      R"({"format": "voxfolio-drawing", "version": 1, "spaces": [{"name": "*Model_Space", "entities": [7]}]})",
      R"({"format": "voxfolio-drawing", "version": 1, "spaces": [{"name": "*Model_Space", "entities": [
          {"type": "blockReference", "name": "B", "position": [1, "2"]}]}]})",
      R"({"format": "voxfolio-drawing", "version": 1, "blocks": [{"name": "B", "attributeDefinitions": [{"value": "x"}]}]})",
      R"({"format": "voxfolio-drawing", "version": 1, "header": {"currentLayer": 0}})",
      std::string(100000, '[') + std::string(100000, ']'),     // nested beyond any drawing
  };
  for (const std::string& bytes : bad) {
    SCOPED_TRACE(bytes.substr(0, 80));
    const ParsedDrawing parsed = parseDrawing(bytes);
    EXPECT_FALSE(parsed.drawing);
    EXPECT_FALSE(parsed.problem.empty());
  }
}

TEST(DrawingFormat, FilesFailToOpenWithTheReasonAndSaveAtomically) {
  const test::TempDir temp;
  std::wstring error;
  EXPECT_FALSE(loadDrawing(temp.path(L"missing.dwg"), &error));
  EXPECT_EQ(error.rfind(L"cannot open drawing ", 0), 0u);
  test::writeNative(temp.native("cut.dwg"), kForeign.substr(0, 100));
  EXPECT_FALSE(loadDrawing(temp.path(L"cut.dwg"), &error));
  EXPECT_NE(error.find(L"not valid JSON"), std::wstring::npos);

  Drawing d = emptyDrawing();
  d.summary.title = L"first";
  ASSERT_TRUE(saveDrawing(temp.path(L"D.dwg"), d, &error));
  d.summary.title = L"second";
  ASSERT_TRUE(saveDrawing(temp.path(L"D.dwg"), d, &error));
  EXPECT_EQ(loadDrawing(temp.path(L"D.dwg"))->summary.title, L"second");
  EXPECT_FALSE(saveDrawing(temp.path(L"no folder\\D.dwg"), d, &error));
  EXPECT_EQ(error.rfind(L"cannot save drawing ", 0), 0u);
}

// A save killed mid-write leaves its temporary file beside the drawing; the next save of the
// drawing removes it.
TEST(DrawingFile, TheNextSaveRemovesTheTemporaryOfAKilledOne) {
  const test::TempDir temp;
  Drawing d = emptyDrawing();
  d.summary.title = L"first";
  ASSERT_TRUE(saveDrawing(temp.path(L"D.dwg"), d));
  const test::ChildEnd killed = test::runInChild(
      [&temp, d]() mutable {
        d.summary.title.assign(1 << 20, L'x');
        saveDrawing(temp.path(L"D.dwg"), d);
        return 0;
      },
      test::ChildOptions{.unprivileged = false, .killWritesPast = 64 * 1024});
  ASSERT_EQ(killed.signal, SIGXFSZ) << "the child " << killed.describe();
  const auto entries = [&temp] { return std::distance(std::filesystem::directory_iterator(temp.native()), {}); };
  EXPECT_EQ(entries(), 2) << "the drawing and the killed save's temporary file";

  d.summary.title = L"second";
  ASSERT_TRUE(saveDrawing(temp.path(L"D.dwg"), d));
  EXPECT_EQ(entries(), 1) << "only the drawing is left";
  EXPECT_EQ(loadDrawing(temp.path(L"D.dwg"))->summary.title, L"second");
}

}  // namespace
}  // namespace vox::dwgdb
