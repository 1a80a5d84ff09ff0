// The project tab: its buttons and their enabling, the details pane following the tree's
// selection, and the display configuration rebuilding the tree after OK only.

#include "palette/VoxPrmProjectTab.h"
#include "palette/VoxPrmComboBox.h"
#include "palette/VoxPrmControlFactory.h"
#include "palette/VoxPrmPaletteSet.h"

#include <gtest/gtest.h>

#include "TreeFixture.h"
#include "host/HcHostRuntime.h"
#include "host/HcUiHost.h"
#include "platform/lisp/Interpreter.h"

namespace vox::test {
namespace {

class DialogUi : public HcUiHost {
 public:
  void showPaletteSet(HcPaletteSetController&, bool) override {}
  void placePaletteSet(HcPaletteSetController&, HcDockSide) override {}
  void paletteSetDestroyed(HcPaletteSetController&) override {}
  std::optional<unsigned> popupMenu(const HcMenu&, HcPoint) override { return std::nullopt; }
  int runDialog(HcDialogController& dialog) override { return answer(dialog); }
  unsigned doubleClickMs() const override { return 500; }
  bool textFits(const std::wstring&, int) const override { return true; }
  std::function<int(HcDialogController&)> answer = [](HcDialogController&) { return kHcDialogCancel; };
};

class ProjectTab : public TreeFixture {
 protected:
  void SetUp() override {
    HcHostRuntime runtime = hcHostRuntime();
    runtime.ui = &ui;
    hcInstallHostRuntime(runtime);
    makeTree();
    openProject("P", {"===Motor\nA.dwg", "B.dwg"}, true);
    tree->setExpanded(project("P"), true);
    tab = std::make_unique<VoxPrmProjectTab>(*tree);
  }
  void TearDown() override {
    tab.reset();
    HcHostRuntime runtime = hcHostRuntime();
    runtime.ui = nullptr;
    hcInstallHostRuntime(runtime);
  }
  bool enabled(const wchar_t* name) const {
    for (const HcToolButtonView& button : tab->buttons())
      if (button.name == name) return button.enabled;
    ADD_FAILURE() << "no button";
    return false;
  }

  DialogUi ui;
  std::unique_ptr<VoxPrmProjectTab> tab;
};

TEST_F(ProjectTab, TheDetailsFollowASingleSelectionAndTwoDrawingsClearThem) {
  EXPECT_TRUE(tab->detailsText().empty());
  tree->click(drawing("P", "A.dwg"), HcHitPart::kLabel, kHcNoModifier);
  EXPECT_NE(tab->detailsText().find(L"Description: Motor"), std::wstring::npos) << tab->detailsText();
  tree->click(drawing("P", "B.dwg"), HcHitPart::kLabel, kHcShift);
  EXPECT_TRUE(tab->detailsText().empty()) << "two selected";
  tab->showBottomPage(1);
  EXPECT_TRUE(tab->previewImage().empty());
  EXPECT_TRUE(tab->detailsText().empty()) << "the hidden details pane is not filled";
}

TEST_F(ProjectTab, ButtonsFollowTheBusyHostAndTheTasks) {
  EXPECT_EQ(tab->buttons().size(), 8u);
  EXPECT_FALSE(enabled(L"task-list")) << "the project has no tasks";
  tab->onCommandOrLispEvent(true);
  for (const wchar_t* name : {L"new-project", L"new-drawing", L"resequence", L"publish", L"task-list"})
    EXPECT_FALSE(enabled(name)) << name;
  for (const wchar_t* name : {L"refresh", L"display-config", L"help"}) EXPECT_TRUE(enabled(name)) << name;
  tab->onCommandOrLispEvent(false);
  EXPECT_TRUE(enabled(L"new-project"));
}

TEST_F(ProjectTab, TheTaskListButtonFollowsTheActiveProjectsTasks) {
  const std::wstring p = GetActiveProject()->getProjectID();
  const std::wstring q = openProject("Q", {"C.dwg"}, false);
  manager.onProjectTasksAdded(q, L"Q_update.mdb");
  EXPECT_FALSE(enabled(L"task-list")) << "tasks of a project that is not active";
  manager.onProjectTasksAdded(p, L"P_update.mdb");
  EXPECT_TRUE(enabled(L"task-list"));
  manager.onProjectTasksDeleted(q, L"Q_update.mdb");
  EXPECT_TRUE(enabled(L"task-list")) << "another project's tasks went";
  manager.onProjectTasksDeleted(p, L"P_update.mdb");
  EXPECT_FALSE(enabled(L"task-list"));
  tab->onCommandOrLispEvent(true);
  manager.onProjectTasksAdded(p, L"P_update.mdb");
  EXPECT_FALSE(enabled(L"task-list")) << "not while the host is busy";
}

TEST_F(ProjectTab, TheDisplayConfigurationRebuildsTheTreeAfterOkOnly) {
  ui.answer = [](HcDialogController& dialog) {
    dialog.setField(L"available", L"6");  // description 1
    dialog.press(L"add");
    return dialog.press(L"ok").closed ? kHcDialogOk : kHcDialogCancel;
  };
  tab->press(VoxPrmProjectTab::kDisplayConfigButton, {});
  EXPECT_EQ(text(drawing("P", "A.dwg")), L"A.dwg - Motor");
  ui.answer = [](HcDialogController& dialog) {
    dialog.press(L"remove-all");
    return kHcDialogCancel;
  };
  tab->press(VoxPrmProjectTab::kDisplayConfigButton, {});
  EXPECT_EQ(text(drawing("P", "A.dwg")), L"A.dwg - Motor") << "Cancel stores nothing and rebuilds nothing";
}

TEST_F(ProjectTab, NewProjectAndNewDrawingNeedAHostDocument) {
  std::vector<std::wstring> sent;
  host().documents().setSendObserver([&sent](const HcDocument&, const std::wstring& text) { sent.push_back(text); });
  tab->press(VoxPrmProjectTab::kNewProjectButton, {});
  host().loop().runPending();
  EXPECT_TRUE(sent.empty()) << "no document: nothing";
  openDrawing(L"Other.dwg");
  tab->press(VoxPrmProjectTab::kNewDrawingButton, {});
  tab->press(VoxPrmProjectTab::kResequenceButton, {});
  host().loop().runPending();
  EXPECT_EQ(sent, (std::vector<std::wstring>{L"_.voxnewdrawing\r", L"(c:wd_bump)\r"}));
}

TEST_F(ProjectTab, TheActivationRetryRearmsEverySecondUntilTheLispCoreTakesTheProject) {
  VoxPrmPaletteSet paletteSet;
  int calls = 0;
  bool accept = false;
  // A core that refuses the call fails it.
  lisp().defineBuiltin(L"vox_makeproj_active", [&](const std::vector<lisp::Value>&, std::wstring& error) {
    ++calls;
    if (accept) return lisp::Value::t();
    error = L"refused";
    return lisp::Value::nil();
  });
  paletteSet.startActivationRetry();
  EXPECT_TRUE(paletteSet.isActivationRetryRunning());
  host().loop().advance(999);
  EXPECT_EQ(calls, 0);
  host().loop().advance(1);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(paletteSet.isActivationRetryRunning()) << "refused again: re-armed";
  accept = true;
  host().loop().advance(1000);
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(paletteSet.isActivationRetryRunning());
  host().loop().advance(5000);
  EXPECT_EQ(calls, 2) << "stopped once the call succeeded";
}

TEST_F(ProjectTab, ARegisteredFactoryMakesThePalettesTreeAndNullGoesBackToTheModulesOwn) {
  struct MarkedTree : CProjectTree {};
  struct Factory : IVoxPrmControlFactoryImpl {
    std::unique_ptr<CProjectTree> NewProjectTree() override { return std::make_unique<MarkedTree>(); }
    std::unique_ptr<VoxPrmComboBox> NewProjectComboBox() override { return nullptr; }
  };
  VoxPrmControlFactory::Instance().RegisterImplementation(std::make_unique<Factory>());
  {
    VoxPrmPaletteSet paletteSet;
    EXPECT_NE(dynamic_cast<MarkedTree*>(paletteSet.projectTree()), nullptr);
    EXPECT_NE(paletteSet.combo(), nullptr) << "an implementation without a combo box gets the module's";
  }
  VoxPrmControlFactory::Instance().RegisterImplementation(nullptr);
  VoxPrmPaletteSet paletteSet;
  EXPECT_EQ(dynamic_cast<MarkedTree*>(paletteSet.projectTree()), nullptr);
}

}  // namespace
}  // namespace vox::test
