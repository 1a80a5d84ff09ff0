// The module in the headless host: what its lifecycle messages leave behind, its commands, and
// the navigation manager's answers to the host's notifications.

#include <gtest/gtest.h>

#include "ModuleFixture.h"
#include "core/VoxPrmProjectManager.h"
#include "host/LispCoreFunctions.h"
#include "module/CVoxFolioApp.h"
#include "module/Commands.h"
#include "module/LispFunctions.h"
#include "module/ModuleState.h"
#include "module/NewDrawingCommand.h"
#include "module/NavReactors.h"
#include "module/VoxPrmNavManager.h"
#include "platform/runtime/HeadlessDocuments.h"
#include "host/HcHostServices.h"
#include "platform/siblings/SiblingStandIns.h"

namespace vox::test {
namespace {

using Events = std::vector<std::wstring>;

class Module : public ModuleFixture {
 protected:
  VoxPrmNavManager& nav() { return *module::navManager(); }
  core::NavigationState& navigation() { return nav().navigation(); }
  std::size_t uses(const std::wstring& name) {
    std::size_t n = 0;
    for (const auto& call : siblings()->log().calls()) n += call.name == L"VoxKivEmitter" && call.args.at(0) == name;
    return n;
  }
};

TEST_F(Module, InitialisationRegistersTheCommandsInOrderAndUnloadRemovesThem) {
  const auto& commands = host().commands().commands();
  ASSERT_EQ(commands.size(), 12u);
  EXPECT_EQ(commands.front().localName, L"TestPM");
  EXPECT_EQ(commands.back().localName, L"VXPROJECT");
  EXPECT_EQ(commands[4].flags, 0u);                        // VoxProjectProps: modal
  EXPECT_EQ(commands[2].flags, (1u << 0) | (1u << 21));  // Voxnav: transparent, application context
  for (const auto& command : commands) EXPECT_EQ(command.group, L"VOXFolio");
  EXPECT_TRUE(host().linker().isUnloadable(CVoxFolioApp::kAppName));
  EXPECT_TRUE(host().linker().isMDIAware(CVoxFolioApp::kAppName));
  ASSERT_NE(GetProjectManager(), nullptr);

  voxFolioApp().On_kUnloadAppMsg(nullptr);
  EXPECT_TRUE(host().commands().commands().empty());
  EXPECT_EQ(GetProjectManager(), nullptr);
  voxFolioApp().On_kInitAppMsg(nullptr);  // for the fixture's own unload
}

TEST_F(Module, LoadingADocumentWithNoneOpenReportsEveryExposureFailure) {
  voxFolioApp().On_kLoadDwgMsg(nullptr);
  const std::wstring& out = host().commandLine().transcript();
  std::size_t lines = 0;
  for (std::size_t at = out.find(L"*** Unable to register"); at != std::wstring::npos;
       at = out.find(L"*** Unable to register", at + 1))
    ++lines;
  EXPECT_EQ(lines, 19u);
  loadDocument(L"D.dwg");
  EXPECT_EQ(host().commandLine().transcript().size(), out.size());  // with a document: all exposed
}

TEST_F(Module, PaletteCommandsRecordTheirUseAndShowOrHide) {
  loadDocument(L"D.dwg");
  type(L"Voxnav");
  EXPECT_TRUE(nav().isPaletteVisible());
  type(L"Voxnav");  // already visible: only the use is recorded
  EXPECT_EQ(uses(L"VOXNAV"), 2u);
  type(L"Voxhidenav");
  EXPECT_FALSE(nav().isPaletteVisible());
  type(L"VXPROJECT");
  EXPECT_TRUE(nav().isPaletteVisible());
  EXPECT_EQ(uses(L"VXPROJECT"), 1u);
}

TEST_F(Module, TheDiagnosticCommands) {
  loadDocument(L"D.dwg");
  writeNative(temp.native("P.wdp"), "*[1]Plant\r\n");
  ASSERT_TRUE(GetProjectManager()->openProject(temp.path(L"P.wdp").c_str(), true, false));
  type(L"TestPM");  // locks the active project's file
  std::wstring holder;
  EXPECT_EQ(GetProjectManager()->whoHasProjectFileLocked(temp.path(L"P.wdp").c_str(), holder), kLockedByMe);

  answers.queueAnswer(HcAnswer::kNo);   // Run dwg props?
  answers.queueAnswer(HcAnswer::kYes);  // Run script?
  answers.queueAnswer(HcAnswer::kYes);  // Vox script?
  const std::wstring out = type(L"TestModal");
  EXPECT_TRUE(module::newDrawingState().continuePending);
  EXPECT_NE(out.find(L"Cannot run the script"), std::wstring::npos) << out;  // no such script here
  ASSERT_EQ(answers.asked().size(), 3u);
  EXPECT_EQ(answers.asked()[2].text, L"Vox script?");
  type(L"VoxContinueNewDrawing");  // pending, but no project was locked for it: nothing to add
  EXPECT_FALSE(module::newDrawingState().continuePending);
}

TEST_F(Module, ContinuingANewDrawingThatWasNeverStartedDoesNothing) {
  loadDocument(L"D.dwg");
  type(L"VoxContinueNewDrawing");
  EXPECT_EQ(siblings()->log().count(L"LispUpdUnlockFiles"), 0u);
  for (const auto& call : lispCore()->calls()) EXPECT_NE(call.name, L"c:vox_tb_nodlg");  // no title block update
  EXPECT_FALSE(module::newDrawingState().continuePending);
}

TEST_F(Module, SwitchingDrawingsTellsTheManagerInOrder) {
  class Activations : public VoxPrmProjectEventReceiver {
   public:
    void onActivate(const std::wstring& path) { seen.push_back(path); }
    Events seen;
  } activations;
  GetProjectManager()->events().drawingActivate.subscribe(&activations, &Activations::onActivate);
  HcDocument* a = loadDocument(L"A.dwg");
  loadDocument(L"B.dwg");
  GetProjectManager()->setDrawingsNeedWD_MUpdate({temp.path(L"A.dwg")}, false);
  host().documents().activateDocument(a);
  EXPECT_TRUE(GetProjectManager()->drawingsNeedingWD_MUpdate().empty());  // taken off before the event
  EXPECT_EQ(activations.seen.back(), temp.path(L"A.dwg"));
  GetProjectManager()->unsubscribeAll(&activations);
}

TEST_F(Module, CleanScreenHidesAVisiblePaletteOnlyAndBringsItBack) {
  const auto cleanScreen = [this](int on) {  // the host tells its editor reactors of the change
    host().variables().setInteger(L"CleanScreenState", on);
  };
  cleanScreen(1);
  cleanScreen(0);
  EXPECT_FALSE(nav().isPaletteVisible());  // was hidden: stays hidden
  nav().showPalette(true);
  cleanScreen(1);
  EXPECT_FALSE(nav().isPaletteVisible());
  host().editor().notify([](HcEditorReactor& r) { r.sysVarChanged(L"CLEANSCREENSTATE", true); });  // told again
  cleanScreen(0);
  EXPECT_TRUE(nav().isPaletteVisible());
}

TEST_F(Module, AProjectOpenedWhileACommandRunsIsReportedWhenTheEditorIsIdle) {
  auto* doc = static_cast<runtime::HeadlessDocument*>(loadDocument(L"D.dwg"));
  writeNative(temp.native("P.wdp"), "*[1]Plant\r\n");
  doc->setQuiescent(false);
  ASSERT_TRUE(GetProjectManager()->openProject(temp.path(L"P.wdp").c_str(), false, false));
  EXPECT_EQ(navigation().requests.size(), 1u);
  EXPECT_FALSE(host::lispcore::recentProjectList());  // an empty list: nothing reported yet
  doc->setQuiescent(true);  // the input-context reactor hears it
  EXPECT_EQ(host::lispcore::recentProjectList()->paths, std::vector<std::wstring>{temp.path(L"P.wdp")});
}

TEST_F(Module, ThePaletteShowsAtStartUpUnlessTheUserHidIt) {
  EXPECT_TRUE(nav().showAtStartup());  // no stored value
  loadDocument(L"D.dwg");
  module::reopenLastProjects();
  EXPECT_TRUE(nav().isPaletteVisible());

  settings().setNumber(hcrxProductKey() + L"\\Settings\\ESW", L"Visibility", 0);
  voxFolioApp().On_kUnloadAppMsg(nullptr);  // stores the flag it had: shown
  EXPECT_EQ(settings().getNumber(hcrxProductKey() + L"\\Settings\\ESW", L"Visibility"), 1);
  settings().setNumber(hcrxProductKey() + L"\\Settings\\ESW", L"Visibility", 0);
  voxFolioApp().On_kInitAppMsg(nullptr);
  EXPECT_FALSE(nav().showAtStartup());
}

}  // namespace
}  // namespace vox::test
