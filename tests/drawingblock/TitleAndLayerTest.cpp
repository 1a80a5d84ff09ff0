// The ten title values in the summary information, the frozen and thawed layer lists, and the
// database of an open document.

#include <gtest/gtest.h>

#include "core/DrawingSettingsBlock.h"
#include "drawingblock/DrawingBlockFixture.h"
#include "platform/runtime/HeadlessDocuments.h"

namespace vox::test {
namespace {

class TitleAndLayers : public DrawingBlockFixture {};

TEST_F(TitleAndLayers, TitleValuesAreCustomPropertiesSetOrAdded) {
  dwgdb::Drawing d = dwgdb::emptyDrawing();
  d.summary.customProperties = {{L"Author note", L"keep"}, {L"sheet", L"3"}};
  const std::wstring path = write(L"D.dwg", d);
  open(path);
  core::TitleValues values;
  values.fill(L"old");
  ASSERT_TRUE(core::readTitleValues(*db, values));
  EXPECT_EQ(values[6], L"3");
  EXPECT_EQ(values[0], L"old");  // no property: the value stays

  for (std::size_t i = 0; i < values.size(); ++i) values[i] = L"v" + std::to_wstring(i);
  ASSERT_TRUE(core::writeTitleValues(*db, values));
  ASSERT_TRUE(db->close(true));
  const std::vector<dwgdb::CustomProperty> saved = reload(path).summary.customProperties;
  ASSERT_EQ(saved.size(), 11u);
  EXPECT_EQ(saved[0], (dwgdb::CustomProperty{L"Author note", L"keep"}));
  EXPECT_EQ(saved[1], (dwgdb::CustomProperty{L"sheet", L"v6"}));
  EXPECT_EQ(saved[2], (dwgdb::CustomProperty{L"Drawing Description 1", L"v0"}));
  EXPECT_EQ(saved[10], (dwgdb::CustomProperty{core::titleValueName(9), L"v9"}));

  db->close(false);
  EXPECT_FALSE(core::readTitleValues(*db, values));  // nothing open
}

TEST_F(TitleAndLayers, LayerListsLeaveTheCurrentLayerOut) {
  dwgdb::Drawing d = dwgdb::emptyDrawing();
  d.header.currentLayer = L"WIRES";
  d.layers = {{L"0", false, {}}, {L"WIRES", false, {}}, {L"HIDDEN", true, {}}, {L"TEXT", false, {}}};
  const std::wstring path = write(L"D.dwg", d);
  open(path);
  std::vector<std::wstring> frozen;
  std::vector<std::wstring> thawed;
  core::readLayerLists(*db, frozen, thawed);
  EXPECT_EQ(frozen, (std::vector<std::wstring>{L"HIDDEN"}));
  EXPECT_EQ(thawed, (std::vector<std::wstring>{L"0", L"TEXT"}));

  core::applyLayerList(*db, {L"text", L"wires", L"NONE"}, true);
  core::applyLayerList(*db, {L"hidden"}, false);
  ASSERT_TRUE(db->close(true));
  const dwgdb::Drawing saved = reload(path);
  EXPECT_FALSE(saved.layers[1].frozen);  // the current layer
  EXPECT_FALSE(saved.layers[2].frozen);
  EXPECT_TRUE(saved.layers[3].frozen);
}

TEST_F(TitleAndLayers, AnOpenDocumentsDatabaseIsAttachedByPath) {
  const std::wstring path = write(L"Doc.dwg", drawingWith(L"*Model_Space", {blockOf(L"WD_M", {{L"SHEET", L"5"}})}));
  EXPECT_FALSE(db->attach(path));
  EXPECT_NE(db->lastError().find(L"no document"), std::wstring::npos);
  ASSERT_NE(host().documents().appContextOpenDocument(path, false), nullptr);
  std::wstring upper = path;
  for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
  ASSERT_TRUE(db->attach(upper.substr(0, upper.size() - 7) + L"Doc.dwg"));
  EXPECT_EQ(db->path(), path);
  VoxCfgDrawingSettings settings;
  ASSERT_TRUE(core::readDrawingSettings(*db, settings, false));
  std::wstring sheet;
  settings.getValue(13, sheet);
  EXPECT_EQ(sheet, L"5");
}

}  // namespace
}  // namespace vox::test
