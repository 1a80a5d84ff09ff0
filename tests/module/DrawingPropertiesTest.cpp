// The drawing properties command on a copy of the sample project: the settings block alert, a
// drawing of a project that is not active, picks in the drawing, what is written where, the
// notices after OK, and every lock and the document released whichever way it ends.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>

#include "ModuleFixture.h"
#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcEditorInput.h"
#include "host/HcHostRuntime.h"
#include "host/HcUiHost.h"
#include "module/CVoxFolioApp.h"
#include "module/ModuleState.h"
#include "module/VoxPrmNavManager.h"
#include "platform/dwgdb/DrawingFile.h"
#include "platform/os/Files.h"

namespace vox::test {
namespace {

namespace fs = std::filesystem;
using Step = std::function<std::optional<int>(HcDialogController&)>;

// Runs each dialog with the next queued steps; a step that closes the dialog ends it.
class ScriptedUi : public HcUiHost {
 public:
  void showPaletteSet(HcPaletteSetController&, bool) override {}
  void placePaletteSet(HcPaletteSetController&, HcDockSide) override {}
  void paletteSetDestroyed(HcPaletteSetController&) override {}
  std::optional<unsigned> popupMenu(const HcMenu&, HcPoint) override { return std::nullopt; }
  unsigned doubleClickMs() const override { return 500; }
  bool textFits(const std::wstring&, int) const override { return true; }
  int runDialog(HcDialogController& dialog) override {
    shown.push_back(dialog.name());
    if (resourceDepth) depths.push_back(resourceDepth());
    if (documentLocks) locks.push_back(documentLocks());
    while (!steps.empty()) {
      const Step step = steps.front();
      steps.pop_front();
      if (const std::optional<int> result = step(dialog)) return *result;
    }
    return kHcDialogCancel;
  }
  std::deque<Step> steps;
  std::vector<std::wstring> shown;
  std::function<int()> resourceDepth;
  std::function<int()> documentLocks;
  std::vector<int> locks;  // the current document's locks while each dialog ran
  std::vector<int> depths;  // the host's resource switch depth while each dialog ran
};

class QueuedPicks : public HcEditorInput {
 public:
  std::optional<HcPickedPoint> getPoint(const std::wstring&) override {
    if (documentLocks) locks.push_back(documentLocks());
    return take(points);
  }
  std::optional<std::wstring> selectText(const std::wstring&) override { return take(texts); }
  std::deque<std::optional<HcPickedPoint>> points;
  std::deque<std::optional<std::wstring>> texts;
  std::function<int()> documentLocks;
  std::vector<int> locks;  // the current document's locks while the user picked a point

 private:
  template <typename T>
  static std::optional<T> take(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<T> next = queue.front();
    queue.pop_front();
    return next;
  }
};

Step set(const std::wstring& id, const std::wstring& value) {
  return [=](HcDialogController& d) -> std::optional<int> {
    EXPECT_TRUE(d.setField(id, value)) << "set " << id.size();
    return std::nullopt;
  };
}
Step tab(int page) {
  return [=](HcDialogController& d) -> std::optional<int> {
    d.selectPage(page);
    return std::nullopt;
  };
}
Step press(const std::wstring& button) {
  return [=](HcDialogController& d) -> std::optional<int> {
    const HcDialogOutcome outcome = d.press(button);
    return outcome.closed ? std::optional<int>(outcome.result) : std::nullopt;
  };
}

std::string bytes(const std::string& native) {
  std::ifstream in(native, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class DrawingProperties : public ModuleFixture {
 protected:
  DrawingProperties() {
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"), fs::copy_options::recursive);
    fs::copy(fs::path(VOX_SOURCE_DIR) / "samples" / "blocks", temp.native("blocks"), fs::copy_options::recursive);
    ui.resourceDepth = [this] { return host().documents().resourceDepth(); };
    ui.documentLocks = [this] { return host().documents().lockDepth(current); };
    picks.documentLocks = ui.documentLocks;
    HcHostRuntime runtime = hcHostRuntime();
    runtime.ui = &ui;
    runtime.input = &picks;
    hcInstallHostRuntime(runtime);
    EXPECT_TRUE(GetProjectManager()->openProject(demo().c_str(), true, false));
    current = host().documents().appContextOpenDocument(drawing(L"DEMO001.dwg"), false);
    voxFolioApp().On_kLoadDwgMsg(nullptr);
  }
  void TearDown() override {
    HcHostRuntime runtime = hcHostRuntime();
    runtime.ui = nullptr;
    runtime.input = nullptr;
    hcInstallHostRuntime(runtime);
  }
  std::wstring demo() const { return temp.path(L"Demo\\DEMO.wdp"); }
  std::wstring drawing(const std::wstring& name) const { return temp.path(L"Demo\\" + name); }

  // Runs the command on `path` of `project` with the dialog steps; what was printed.
  std::wstring edit(const std::wstring& path, const std::wstring& project, std::vector<Step> steps) {
    ui.steps.assign(steps.begin(), steps.end());
    module::navManager()->setPending(path, project);
    return type(L"VoxDrawingProps");
  }
  std::wstring attribute(const std::wstring& path, const std::wstring& tag) {
    const std::optional<dwgdb::Drawing> read = dwgdb::loadDrawing(path);
    if (!read) return L"<unreadable>";
    for (const dwgdb::Space& space : read->spaces)
      for (const dwgdb::Entity& entity : space.entities)
        if (const auto* ref = std::get_if<dwgdb::BlockReference>(&entity); ref != nullptr && ref->name == L"WD_M")
          for (const dwgdb::Attribute& a : ref->attributes)
            if (a.tag == tag) return a.value;
    return L"<none>";
  }
  VoxPrmFileDetails entry(const std::wstring& path) {
    std::vector<VoxPrmFileDetails> found;
    GetProjectManager()->getProject(demo().c_str())->getDetailsForFiles({path}, found);
    return found.empty() ? VoxPrmFileDetails{} : found.front();
  }
  void expectReleased(const std::vector<std::wstring>& files) {
    for (const std::wstring& file : files)
      EXPECT_FALSE(siblings()->utils().locks().holds(file)) << "still locked: " << file.size();
    EXPECT_EQ(host().documents().lockDepth(current), 0) << "the document is still locked";
    EXPECT_EQ(host().documents().resourceDepth(), 0) << "the module's resources are still switched in";
  }
  static bool has(const std::wstring& out, const wchar_t* text) { return out.find(text) != std::wstring::npos; }

  ScriptedUi ui;
  QueuedPicks picks;
  HcDocument* current = nullptr;
};

constexpr const wchar_t* kLadderUpdate = L"c:vox_ladr_update_sheet";
constexpr const wchar_t* kReread = L"c:wd_reread_dwg_params";

TEST_F(DrawingProperties, ChangingOnlyTheSheetWritesItAndAsksForTheLadderUpdateAndTheReread) {
  const std::wstring path = drawing(L"DEMO001.dwg");
  const std::wstring out = edit(path, demo(), {set(L"sheet", L"07"), press(L"ok")});
  EXPECT_TRUE(has(out, kLadderUpdate)) << out;
  EXPECT_TRUE(has(out, kReread)) << "the drawing is the active document:\n" << out;
  EXPECT_EQ(attribute(path, L"SHEET"), L"07");
  const std::optional<dwgdb::Drawing> read = dwgdb::loadDrawing(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->summary.customProperties.at(6).value, L"07") << "the title value Sheet";
  expectReleased({path, demo()});
}

TEST_F(DrawingProperties, OkWithoutChangesWritesNothingAndAnnouncesNothing) {
  const std::wstring path = drawing(L"DEMO001.dwg");
  edit(path, L"", {press(L"ok")});  // the sample's settings block follows its title values from now on
  const std::string before = bytes(temp.native("Demo/DEMO001.dwg"));
  const std::string project = bytes(temp.native("Demo/DEMO.wdp"));
  const std::wstring out = edit(path, L"", {tab(5), tab(0), press(L"ok")});
  EXPECT_FALSE(has(out, kLadderUpdate)) << out;
  EXPECT_FALSE(has(out, kReread)) << "the drawing is the active document:\n" << out;
  EXPECT_EQ(bytes(temp.native("Demo/DEMO001.dwg")), before);
  EXPECT_EQ(bytes(temp.native("Demo/DEMO.wdp")), project);
  EXPECT_TRUE(GetProjectManager()->drawingsNeedingWD_MUpdate().empty());
  expectReleased({path, demo()});
}

TEST_F(DrawingProperties, ADrawingOpenInAnotherDocumentIsMarkedForTheSettingsUpdate) {
  const std::wstring path = drawing(L"control\\DEMO003.dwg");
  HcDocument* other = host().documents().appContextOpenDocument(path, false);
  host().documents().activateDocument(current);
  const std::wstring out = edit(path, L"", {set(L"drawing", L"D2"), press(L"ok")});
  EXPECT_FALSE(has(out, kReread)) << out;
  EXPECT_FALSE(has(out, kLadderUpdate)) << "the sheet did not change:\n" << out;
  EXPECT_EQ(GetProjectManager()->drawingsNeedingWD_MUpdate(), std::vector<std::wstring>{path});
  EXPECT_EQ(attribute(path, L"SHEETDWGNAME"), L"D2");
  host().documents().closeDocument(other);
}

TEST_F(DrawingProperties, DescriptionsGoToTheTitleValuesAndTheProjectEntryWhichIsWritten) {
  const std::wstring path = drawing(L"control\\DEMO003.dwg");
  edit(path, demo(), {set(L"description-1", L"A"), set(L"description-2", L""), set(L"description-3", L"C"),
                      set(L"section", L"Feeders"), set(L"reference", L"1"), press(L"ok")});
  const VoxPrmFileDetails written = entry(path);
  EXPECT_EQ(written.descriptions, (std::vector<std::wstring>{L"A", L"", L"C"}));
  EXPECT_EQ(written.section, L"Feeders");
  EXPECT_TRUE(written.isReference);
  const std::string project = bytes(temp.native("Demo/DEMO.wdp"));
  EXPECT_NE(project.find("===A\r\n===\r\n===C\r\n"), std::string::npos) << project;
  const std::optional<dwgdb::Drawing> read = dwgdb::loadDrawing(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->summary.customProperties.at(2).value, L"C");
}

TEST_F(DrawingProperties, APickedPointIsFormattedWithTheHostsLinearPrecision) {
  host().variables().setInteger(L"LUPREC", 2);
  picks.points.push_back(HcPickedPoint{12.345, 67.891, 0.0});
  const std::wstring path = drawing(L"control\\DEMO003.dwg");
  edit(path, demo(),
       {tab(5), set(L"reference-kind", L"X-Y grid"), press(L"pick-datum"), press(L"ok")});
  EXPECT_EQ(ui.shown, (std::vector<std::wstring>{L"drawing-properties", L"drawing-properties"}));
  EXPECT_EQ(picks.locks, std::vector<int>{0}) << "the user works in an unlocked document";
  EXPECT_EQ(attribute(path, L"DATUMX"), L"12.35");
  EXPECT_EQ(attribute(path, L"DATUMY"), L"67.89");
  expectReleased({path, demo()});
}

TEST_F(DrawingProperties, APickedTextGoesIntoItsDescriptionLineAndEditsSurviveThePick) {
  picks.texts.push_back(std::wstring(300, L'x'));
  const std::wstring path = drawing(L"control\\DEMO003.dwg");
  edit(path, demo(), {set(L"description-1", L"First"), set(L"description-2", L""), press(L"pick-description-3"),
                      press(L"ok")});
  EXPECT_EQ(entry(path).descriptions, (std::vector<std::wstring>{L"First", L"", std::wstring(256, L'x')}));
}

TEST_F(DrawingProperties, CancelAfterAPickWritesNothing) {
  picks.points.push_back(std::nullopt);  // the user cancels the pick too
  const std::wstring path = drawing(L"control\\DEMO003.dwg");
  const std::string before = bytes(temp.native("Demo/control/DEMO003.dwg"));
  edit(path, demo(), {tab(5), set(L"reference-kind", L"X-Y grid"), press(L"pick-datum"), press(L"cancel")});
  EXPECT_EQ(bytes(temp.native("Demo/control/DEMO003.dwg")), before);
  expectReleased({path, demo()});
}

TEST_F(DrawingProperties, ADrawingWithoutTheBlockInTheActiveProjectGetsOneWithTheProjectsDefaults) {
  std::ofstream(temp.native("Demo/NEW.dwg"), std::ios::binary) << emptyDrawing();
  const std::wstring path = drawing(L"NEW.dwg");
  edit(path, demo(), {press(L"ok"), press(L"cancel")});
  EXPECT_EQ(ui.shown, (std::vector<std::wstring>{L"settings-block-alert", L"drawing-properties"}));
  EXPECT_EQ(ui.depths, (std::vector<int>{1, 1})) << "both with the module's resources";
  EXPECT_EQ(ui.locks, (std::vector<int>{1, 1})) << "the current document locked while each is shown";
  EXPECT_EQ(attribute(path, L"RUNGDIST"), L"0.75") << "the project's default";
  expectReleased({path, demo()});
}

TEST_F(DrawingProperties, CancellingTheAlertChangesNothing) {
  std::ofstream(temp.native("Demo/NEW.dwg"), std::ios::binary) << emptyDrawing();
  const std::string before = bytes(temp.native("Demo/NEW.dwg"));
  const std::wstring path = drawing(L"NEW.dwg");
  edit(path, demo(), {press(L"cancel")});
  EXPECT_EQ(ui.shown, std::vector<std::wstring>{L"settings-block-alert"});
  EXPECT_EQ(bytes(temp.native("Demo/NEW.dwg")), before);
  expectReleased({path, demo()});
}

TEST_F(DrawingProperties, ADrawingWithoutTheBlockInAProjectThatIsNotActiveFailsWithAMessage) {
  fs::create_directories(temp.native("Other"));
  {
    std::ofstream(temp.native("Other/X1.dwg"), std::ios::binary) << emptyDrawing();
    std::ofstream(temp.native("Other/OTHER.wdp"), std::ios::binary) << "*[1]Another project\r\nX1.dwg\r\n";
  }
  const std::wstring other = temp.path(L"Other\\OTHER.wdp");
  ASSERT_TRUE(GetProjectManager()->openProject(other.c_str(), false, false));
  const std::string before = bytes(temp.native("Other/X1.dwg"));
  const std::string project = bytes(temp.native("Other/OTHER.wdp"));
  const std::size_t asked = answers.asked().size();
  const std::wstring path = temp.path(L"Other\\X1.dwg");
  const std::wstring out = edit(path, L"", {press(L"ok")});
  EXPECT_TRUE(ui.shown.empty()) << "neither the alert nor the sheet";
  ASSERT_EQ(answers.asked().size(), asked + 1);
  EXPECT_NE(answers.asked().back().text.find(L"not the active project"), std::wstring::npos);
  EXPECT_EQ(bytes(temp.native("Other/X1.dwg")), before);
  EXPECT_EQ(bytes(temp.native("Other/OTHER.wdp")), project);
  EXPECT_FALSE(has(out, kLadderUpdate));
  expectReleased({path, other, demo()});
}

TEST_F(DrawingProperties, AMissingSavedDrawingFailsWithAMessage) {
  const std::size_t asked = answers.asked().size();
  edit(drawing(L"GONE.dwg"), demo(), {press(L"ok")});
  EXPECT_TRUE(ui.shown.empty());
  ASSERT_EQ(answers.asked().size(), asked + 1);
  EXPECT_NE(answers.asked().back().text.find(L"GONE.dwg"), std::wstring::npos);
  expectReleased({drawing(L"GONE.dwg"), demo()});
}

TEST_F(DrawingProperties, WithoutAPendingDrawingTheCurrentDocumentIsEdited) {
  std::wstring shownFile;
  ui.steps = {[&](HcDialogController& d) -> std::optional<int> {
    for (const HcDialogField& f : d.fields())
      if (f.id == L"file-name") shownFile = f.value;
    return kHcDialogCancel;
  }};
  type(L"VoxDrawingProps");
  EXPECT_EQ(shownFile, L"DEMO001.dwg");
  expectReleased({drawing(L"DEMO001.dwg"), demo()});
}

TEST_F(DrawingProperties, ANeverSavedCurrentDrawingCannotBeOpened) {
  host().documents().newDocument();
  const std::size_t asked = answers.asked().size();
  type(L"VoxDrawingProps");
  EXPECT_TRUE(ui.shown.empty());
  ASSERT_EQ(answers.asked().size(), asked + 1) << "a message that the drawing cannot be opened";
  EXPECT_NE(answers.asked().back().text.find(L"Drawing"), std::wstring::npos);
}

TEST_F(DrawingProperties, ADrawingThatCannotBeOpenedForWritingFailsWithAMessage) {
  const std::wstring path = drawing(L"control\\DEMO003.dwg");
  ASSERT_TRUE(os::setReadOnly(path, true));
  const std::size_t asked = answers.asked().size();
  edit(path, demo(), {press(L"ok")});
  EXPECT_TRUE(ui.shown.empty());
  ASSERT_EQ(answers.asked().size(), asked + 1);
  EXPECT_NE(answers.asked().back().text.find(L"DEMO003.dwg"), std::wstring::npos);
  expectReleased({path, demo()});
  os::setReadOnly(path, false);
}

}  // namespace
}  // namespace vox::test
