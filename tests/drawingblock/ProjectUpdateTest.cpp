// Bringing a drawing's settings block in line with a project or another drawing, and passing a
// changed wire number format on to the ladder blocks.

#include <gtest/gtest.h>

#include "core/DrawingSettingsBlock.h"
#include "core/VoxPrmProjectManager.h"
#include "drawingblock/DrawingBlockFixture.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::test {
namespace {

using core::propagateWireFormat;
using core::updateDrawingFromProject;
using core::updateDrawingFromSettings;

// Project defaults that set every drawing-specific value and a new wire format.
const char* const kProject = "*[1]P\r\n?[13]99\r\n?[46]X\r\n?[51]Q\r\n?[52]Q\r\n?[53]Q\r\n?[9]%S%N\r\n"
                             "?[26]wires,WIRES_RED\r\n?[2]R\r\nA.dwg\r\n";

// A drawing with a settings block and ladder blocks: two that follow the drawing's format (one
// of them on a paper space layout), one with a format of its own.
class ProjectUpdate : public DrawingBlockFixture {
 protected:
  ProjectUpdate() {
    dwgdb::Drawing d = drawingWith(L"*Model_Space", {blockOf(L"WD_M", drawingValues), blockOf(L"WD_MLRV", {{L"WIREFMT", L"%n"}}, 10),
                                                     blockOf(L"WD_MLRV", {{L"WIREFMT", L"%S-%N"}}, 20)});
    d.spaces.push_back({L"*Paper_Space0", {blockOf(L"WD_MLRH", {{L"WIREFMT", L"%N"}}, 30)}, {}});
    path = write(L"D.dwg", d);
    open(path);
  }
  // The attribute values of the block `name` at x, as saved.
  std::wstring saved(const std::wstring& tag, double x = 0.0) {
    for (const dwgdb::Space& space : reload(path).spaces) {
      for (const dwgdb::Entity& e : space.entities) {
        const auto* ref = std::get_if<dwgdb::BlockReference>(&e);
        if (ref == nullptr || ref->position.x != x) continue;
        for (const dwgdb::Attribute& a : ref->attributes)
          if (a.tag == tag) return a.value;
      }
    }
    return L"<missing>";
  }
  bool closeSaving() { return db->close(true); }
  // The active project of kProject, its defaults without "DISTH" (20).
  VoxPrmProject* activateWithoutDistH() {
    activate("P.wdp", kProject);
    VoxPrmProject* project = GetActiveProject();
    VoxCfgDrawingSettings defaults = project->getProjDefWDMVals();
    defaults.setValue(20, nullptr);
    project->setProjDefWDMVals(defaults);
    return project;
  }

  const Tags drawingValues = {{L"SHEET", L"07"}, {L"SHEETDWGNAME", L"D7"}, {L"IEC_PROJ", L"PRJ"},
                              {L"IEC_INST", L"L3"}, {L"IEC_LOC", L"CAB"}, {L"WIREFMT", L"%N"},
                              {L"WIRELAYS", L"WIRES,BLUE"}, {L"TAGMODE", L"S"}, {L"DISTH", L"25"}};
  std::wstring path;
};

TEST_F(ProjectUpdate, AProjectChangesSharedValuesOnlyAndMergesWireLayers) {
  ASSERT_TRUE(updateDrawingFromProject(*db, activateWithoutDistH(), false));
  ASSERT_TRUE(closeSaving());
  EXPECT_EQ(saved(L"SHEET"), L"07");
  EXPECT_EQ(saved(L"SHEETDWGNAME"), L"D7");
  EXPECT_EQ(saved(L"IEC_PROJ"), L"PRJ");
  EXPECT_EQ(saved(L"IEC_INST"), L"L3");
  EXPECT_EQ(saved(L"IEC_LOC"), L"CAB");
  EXPECT_EQ(saved(L"TAGMODE"), L"R");
  EXPECT_EQ(saved(L"WIRELAYS"), L"WIRES,BLUE,WIRES_RED");
  EXPECT_EQ(saved(L"DISTH"), L"25");  // the project has none: the drawing's stays
  EXPECT_EQ(saved(L"WIREFMT"), L"%S%N");
  EXPECT_EQ(saved(L"WIREFMT", 10), L"%S%N");  // followed, whatever its letter case
  EXPECT_EQ(saved(L"WIREFMT", 20), L"%S-%N");  // a format of its own
  EXPECT_EQ(saved(L"WIREFMT", 30), L"%S%N");  // on a paper space layout
}

TEST_F(ProjectUpdate, WithoutAProjectTheActiveOnesMissingValuesAreWrittenEmpty) {
  activateWithoutDistH();
  ASSERT_TRUE(updateDrawingFromProject(*db, nullptr, false));
  ASSERT_TRUE(closeSaving());
  EXPECT_EQ(saved(L"DISTH"), L"");
  EXPECT_EQ(saved(L"TAGMODE"), L"R");
  EXPECT_EQ(saved(L"SHEET"), L"07");
}

TEST_F(ProjectUpdate, WithNoProjectAtAllTheDrawingIsWrittenAsRead) {
  ASSERT_TRUE(updateDrawingFromProject(*db, nullptr, false));
  ASSERT_TRUE(closeSaving());
  EXPECT_EQ(saved(L"DISTH"), L"25");
  EXPECT_EQ(saved(L"WIREFMT", 10), L"%n");
  EXPECT_EQ(saved(L"RUNGHORV"), L"");  // added, empty
}

TEST_F(ProjectUpdate, AnotherDrawingsSettingsArePastedWithoutItsDrawingSpecificValues) {
  VoxCfgDrawingSettings source;
  const std::wstring format = L"%N-%S";
  const std::wstring sheet = L"01";
  source.setValue(9, &format);
  source.setValue(13, &sheet);
  ASSERT_TRUE(updateDrawingFromSettings(*db, source, false));
  ASSERT_TRUE(closeSaving());
  EXPECT_EQ(saved(L"WIREFMT"), L"%N-%S");
  EXPECT_EQ(saved(L"SHEET"), L"07");
  EXPECT_EQ(saved(L"DISTH"), L"");  // the source has none
  EXPECT_EQ(saved(L"WIREFMT", 10), L"%N-%S");
}

TEST_F(ProjectUpdate, TheSameFormatAgainTouchesNoLadderBlock) {
  EXPECT_FALSE(propagateWireFormat(*db, std::nullopt, L"%N"));
  EXPECT_FALSE(propagateWireFormat(*db, L"%N", std::nullopt));
  EXPECT_TRUE(propagateWireFormat(*db, L"%n", L"%n"));
  EXPECT_FALSE(db->isModified());
  ASSERT_TRUE(propagateWireFormat(*db, L"%N", L"%S%N"));
  ASSERT_TRUE(closeSaving());
  EXPECT_EQ(saved(L"WIREFMT", 10), L"%S%N");
  EXPECT_EQ(saved(L"WIREFMT"), L"%N");  // the settings block is no ladder block
}

TEST_F(ProjectUpdate, ALadderBlockLeftOpenIsNotTakenForTheSettingsBlock) {
  ASSERT_TRUE(core::findBlockReference(*db, L"WD_MLRV"));
  VoxCfgDrawingSettings settings;
  const std::wstring sheet = L"08";
  settings.setValue(13, &sheet);
  ASSERT_TRUE(core::writeDrawingSettings(*db, settings));
  ASSERT_TRUE(closeSaving());
  EXPECT_EQ(saved(L"SHEET"), L"08");
  EXPECT_EQ(saved(L"SHEET", 10), L"<missing>");
}

}  // namespace
}  // namespace vox::test
