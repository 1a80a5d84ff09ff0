// The compare command on a copy of the sample project: the drawing and project it finds, the
// messages where it stops (no open project, a project that is not open, no settings block),
// what OK writes where (the drawing's block with its ladder blocks, the project's defaults),
// that Cancel writes nothing, and that every lock is released and the grid layout kept.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "ModuleFixture.h"
#include "ScriptedDialogUi.h"
#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "dialogs/CVoxCfgDwgSettingsCompareDlg.h"
#include "dialogs/SettingsCompareRows.h"
#include "host/HcHostServices.h"
#include "host/HcSettingsStore.h"
#include "module/CVoxFolioApp.h"
#include "module/VoxPrmNavManager.h"
#include "module/ModuleState.h"
#include "platform/dwgdb/DrawingFile.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;

std::string bytes(const std::string& native) {
  std::ifstream in(native, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class CompareSettings : public ModuleFixture {
 protected:
  CompareSettings() {
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"), fs::copy_options::recursive);
    EXPECT_TRUE(GetProjectManager()->openProject(demo().c_str(), true, false));
    host().documents().appContextOpenDocument(drawing(L"DEMO001.dwg"), false);
    voxFolioApp().On_kLoadDwgMsg(nullptr);
  }
  std::wstring demo() const { return temp.path(L"Demo\\DEMO.wdp"); }
  std::wstring drawing(const std::wstring& name) const { return temp.path(L"Demo\\" + name); }

  // Runs the command on `path` of `project` (both may be empty), the dialog answered by `answer`.
  void compare(const std::wstring& path, const std::wstring& project,
               std::function<int(CVoxCfgDwgSettingsCompareDlg&)> answer) {
    ui.answer = [answer](HcDialogController& d) {
      auto* dialog = dynamic_cast<CVoxCfgDwgSettingsCompareDlg*>(&d);
      return dialog != nullptr ? answer(*dialog) : -1;
    };
    module::navManager()->setPending(path, project);
    type(L"VoxCompareDtoP");
  }
  // Sets every WD_M-tagged attribute `tag` of block references named `block` in the drawing file.
  void setAttribute(const std::wstring& path, const std::wstring& block, const std::wstring& tag,
                    const std::wstring& value) {
    std::optional<dwgdb::Drawing> read = dwgdb::loadDrawing(path);
    ASSERT_TRUE(read);
    for (dwgdb::Space& space : read->spaces)
      for (dwgdb::Entity& entity : space.entities)
        if (auto* ref = std::get_if<dwgdb::BlockReference>(&entity); ref != nullptr && ref->name == block)
          for (dwgdb::Attribute& a : ref->attributes)
            if (a.tag == tag) a.value = value;
    ASSERT_TRUE(dwgdb::saveDrawing(path, *read));
  }
  std::vector<std::wstring> attributes(const std::wstring& path, const std::wstring& block, const std::wstring& tag) {
    std::vector<std::wstring> out;
    const std::optional<dwgdb::Drawing> read = dwgdb::loadDrawing(path);
    if (!read) return {L"<unreadable>"};
    for (const dwgdb::Space& space : read->spaces)
      for (const dwgdb::Entity& entity : space.entities)
        if (const auto* ref = std::get_if<dwgdb::BlockReference>(&entity); ref != nullptr && ref->name == block)
          for (const dwgdb::Attribute& a : ref->attributes)
            if (a.tag == tag) out.push_back(a.value);
    return out;
  }
  static std::wstring position(const CVoxCfgDwgSettingsCompareDlg& dialog, const std::wstring& key) {
    const auto rows = dialog.shownRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].key == key) return std::to_wstring(i);
    return L"?";
  }
  // Selects the row `key`, presses `button`, then OK or Cancel.
  static std::function<int(CVoxCfgDwgSettingsCompareDlg&)> copyAnd(const std::wstring& key, const std::wstring& button,
                                                                  const std::wstring& close) {
    return [=](CVoxCfgDwgSettingsCompareDlg& d) {
      EXPECT_TRUE(d.setField(L"grid", position(d, key))) << "row not shown: " << key.size();
      d.press(button);
      const HcDialogOutcome outcome = d.press(close);
      return outcome.closed ? outcome.result : -1;
    };
  }
  std::size_t lockRequests() { return siblings()->log().count(L"LispCheckFileLockStatusAndLock"); }
  void expectReleased(const std::vector<std::wstring>& files) {
    for (const std::wstring& file : files)
      EXPECT_FALSE(siblings()->utils().locks().holds(file)) << "still locked: " << file.size();
    EXPECT_EQ(host().documents().resourceDepth(), 0) << "the module's resources are still switched in";
  }
  std::wstring lastMessage() { return answers.asked().empty() ? L"" : answers.asked().back().text; }

  ScriptedDialogUi ui;
};

TEST_F(CompareSettings, CopyingTheWireFormatToTheDrawingRewritesItsBlockAndLadderBlocks) {
  const std::wstring path = drawing(L"control\\DEMO004.dwg");
  setAttribute(path, L"WD_M", L"WIREFMT", L"%S%N");
  setAttribute(path, L"WD_MLRV", L"WIREFMT", L"%s%n");
  const std::string project = bytes(temp.native("Demo/DEMO.wdp"));
  ASSERT_FALSE(attributes(path, L"WD_MLRV", L"WIREFMT").empty()) << "the sample drawing has ladder blocks";
  compare(path, demo(), copyAnd(L"9", L"copy-to-drawing", L"ok"));
  EXPECT_EQ(ui.names, std::vector<std::wstring>{L"compare-settings"});
  EXPECT_EQ(attributes(path, L"WD_M", L"WIREFMT"), std::vector<std::wstring>{L"%N"});
  for (const std::wstring& ladder : attributes(path, L"WD_MLRV", L"WIREFMT")) EXPECT_EQ(ladder, L"%N");
  EXPECT_EQ(bytes(temp.native("Demo/DEMO.wdp")), project) << "the project did not change";
  EXPECT_EQ(siblings()->log().count(L"VoxKivEmitter"), 1u);
  expectReleased({path, demo()});
}

TEST_F(CompareSettings, CopyingToTheProjectStoresOnlyThatDefaultAndWritesTheProjectFile) {
  const std::wstring path = drawing(L"control\\DEMO003.dwg");
  setAttribute(path, L"WD_M", L"WIREFMT", L"%S%N");
  const VoxCfgDrawingSettings defaults = GetProjectManager()->getProject(demo().c_str())->getProjDefWDMVals();
  const std::string drawingBefore = bytes(temp.native("Demo/control/DEMO003.dwg"));
  compare(path, L"", copyAnd(L"9", L"copy-to-project", L"ok"));
  const std::string after = bytes(temp.native("Demo/DEMO.wdp"));
  EXPECT_NE(after.find("?[9]%S%N\r\n"), std::string::npos) << after;
  const VoxCfgDrawingSettings stored = GetProjectManager()->getProject(demo().c_str())->getProjDefWDMVals();
  EXPECT_EQ(dialogs::changedIndices(defaults, stored), std::vector<int>{9});
  EXPECT_EQ(bytes(temp.native("Demo/control/DEMO003.dwg")), drawingBefore) << "the drawing did not change";
  expectReleased({path, demo()});
}

TEST_F(CompareSettings, CancelLeavesBothFilesByteIdentical) {
  const std::wstring path = drawing(L"control\\DEMO003.dwg");
  setAttribute(path, L"WD_M", L"WIREFMT", L"%S%N");
  const std::string project = bytes(temp.native("Demo/DEMO.wdp"));
  const std::string before = bytes(temp.native("Demo/control/DEMO003.dwg"));
  compare(path, demo(), [](CVoxCfgDwgSettingsCompareDlg& d) {
    d.setField(L"show-all", L"1");
    d.setField(L"grid", L"0,1,2,3,4,5");
    d.press(L"copy-to-drawing");
    d.press(L"copy-to-project");
    return d.press(L"cancel").result;
  });
  EXPECT_EQ(bytes(temp.native("Demo/control/DEMO003.dwg")), before);
  EXPECT_EQ(bytes(temp.native("Demo/DEMO.wdp")), project);
  expectReleased({path, demo()});
}

TEST_F(CompareSettings, ADrawingInNoOpenProjectGivesItsMessageAndTakesNoLock) {
  fs::create_directories(temp.native("Loose"));
  fs::copy_file(temp.native("Demo/control/DEMO003.dwg"), temp.native("Loose/X1.dwg"));
  const std::size_t locks = lockRequests();
  compare(temp.path(L"Loose\\X1.dwg"), L"", [](CVoxCfgDwgSettingsCompareDlg&) { return kHcDialogOk; });
  EXPECT_TRUE(ui.names.empty()) << "no dialog";
  EXPECT_EQ(lastMessage(), L"The drawing is not part of an open project.");
  EXPECT_EQ(lockRequests(), locks);
}

TEST_F(CompareSettings, AProjectThatIsNotOpenGivesItsMessageAndTakesNoLock) {
  const std::size_t locks = lockRequests();
  compare(drawing(L"control\\DEMO003.dwg"), temp.path(L"Demo\\OTHER.wdp"),
          [](CVoxCfgDwgSettingsCompareDlg&) { return kHcDialogOk; });
  EXPECT_TRUE(ui.names.empty()) << "no dialog";
  EXPECT_EQ(lastMessage(), L"The project is not open.");
  EXPECT_EQ(lockRequests(), locks);
}

TEST_F(CompareSettings, ADrawingWithoutTheSettingsBlockIsReportedAndReleased) {
  std::ofstream(temp.native("Demo/NEW.dwg"), std::ios::binary) << emptyDrawing();
  const std::wstring path = drawing(L"NEW.dwg");
  const std::string before = bytes(temp.native("Demo/NEW.dwg"));
  compare(path, demo(), [](CVoxCfgDwgSettingsCompareDlg&) { return kHcDialogOk; });
  EXPECT_TRUE(ui.names.empty());
  EXPECT_EQ(lastMessage(), L"This drawing has no drawing settings block.");
  EXPECT_EQ(bytes(temp.native("Demo/NEW.dwg")), before);
  expectReleased({path, demo()});
}

TEST_F(CompareSettings, AMissingDrawingIsNamedInItsMessage) {
  compare(drawing(L"GONE.dwg"), demo(), [](CVoxCfgDwgSettingsCompareDlg&) { return kHcDialogOk; });
  EXPECT_TRUE(ui.names.empty());
  EXPECT_NE(lastMessage().find(L"GONE.dwg"), std::wstring::npos) << lastMessage().size();
  expectReleased({drawing(L"GONE.dwg"), demo()});
}

TEST_F(CompareSettings, WithoutAPendingDrawingTheCurrentDocumentIsComparedAndTheLayoutIsKept) {
  std::wstring title;
  compare(L"", L"", [&](CVoxCfgDwgSettingsCompareDlg& d) {
    title = d.title();
    d.tableLayoutChanged(L"grid", 22, {40, 300, 90, 95});
    return d.press(L"cancel").result;
  });
  EXPECT_NE(title.find(L"DEMO001.dwg"), std::wstring::npos) << title.size();
  const std::wstring key = hcrxProductKey() + L"\\Settings\\VoxCfgDwgSetGrid";
  EXPECT_EQ(hcSettingsStore()->getNumber(key, L"RowHeight0"), 22);
  EXPECT_EQ(hcSettingsStore()->getString(key, L"ColWidth"), L"40,300,90,95");
  compare(L"", L"", [&](CVoxCfgDwgSettingsCompareDlg& d) {
    const HcDialogField grid = d.fields()[1];
    EXPECT_EQ(grid.rowHeight, 22);
    EXPECT_EQ(grid.columnWidths, (std::vector<int>{40, 300, 90, 95}));
    return d.press(L"cancel").result;
  });
}

}  // namespace
}  // namespace vox::test
