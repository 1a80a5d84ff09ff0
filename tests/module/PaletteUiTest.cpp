// The module's palette set as the host's UI service sees it: shown and hidden through it, its
// layout taken when the module unloads, and nothing asked of a host without the service.

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "ModuleFixture.h"
#include "host/HcHostRuntime.h"
#include "host/HcUiHost.h"
#include "module/CVoxFolioApp.h"
#include "module/ModuleState.h"
#include "module/VoxPrmNavManager.h"

namespace vox::test {
namespace {

// Records what the module asked of the UI.
class RecordingUi : public HcUiHost {
 public:
  void showPaletteSet(HcPaletteSetController& paletteSet, bool show) override {
    calls.push_back((show ? L"show " : L"hide ") + paletteSet.caption());
  }
  void placePaletteSet(HcPaletteSetController&, HcDockSide) override { calls.push_back(L"place"); }
  void paletteSetDestroyed(HcPaletteSetController& paletteSet) override {
    pugi::xml_document document;
    pugi::xml_node element = document.append_child("PaletteSet");
    paletteSet.saveLayout(element);
    calls.push_back(L"destroyed " + paletteSet.toolId());
  }
  std::optional<unsigned> popupMenu(const HcMenu&, HcPoint) override { return std::nullopt; }
  int runDialog(HcDialogController&) override { return kHcDialogCancel; }
  unsigned doubleClickMs() const override { return 321; }
  bool textFits(const std::wstring&, int) const override { return true; }

  std::vector<std::wstring> calls;
};

class PaletteUi : public ModuleFixture {
 protected:
  void install(HcUiHost* service) {
    HcHostRuntime runtime = hcHostRuntime();
    runtime.ui = service;
    hcInstallHostRuntime(runtime);
  }
  // The fixture unloads the module after this test's members are gone.
  void TearDown() override { install(nullptr); }
  RecordingUi ui;
};

TEST_F(PaletteUi, ThePaletteSetIsShownOnceHiddenAndGivenUpThroughTheHostsUi) {
  install(&ui);
  loadDocument(L"D.dwg");
  type(L"Voxnav");
  type(L"Voxnav");  // already shown: the host is not asked again
  type(L"Voxhidenav");
  type(L"Voxhidenav");
  ASSERT_EQ(ui.calls, (std::vector<std::wstring>{L"show Project Manager", L"hide Project Manager"}));
  EXPECT_EQ(hcDoubleClickMs(), 321u);
  voxFolioApp().On_kUnloadAppMsg(nullptr);
  ASSERT_EQ(ui.calls.size(), 3u);
  EXPECT_EQ(ui.calls.back().rfind(L"destroyed {", 0), 0u) << "the palette set's fixed tool id";
  voxFolioApp().On_kInitAppMsg(nullptr);  // for the fixture's own unload
}

TEST_F(PaletteUi, WithoutAUiServiceThePaletteStillKnowsItsStateAndNothingIsAsked) {
  install(nullptr);
  loadDocument(L"D.dwg");
  type(L"Voxnav");
  EXPECT_TRUE(module::navManager()->isPaletteVisible());
  EXPECT_EQ(hcDoubleClickMs(), 500u) << "the default double-click time";
  EXPECT_EQ(hcPopupMenu(HcMenu{L"m", {HcMenuEntry::item(1, L"One")}}, {}), std::nullopt);
  install(&ui);
  type(L"Voxhidenav");
  EXPECT_EQ(ui.calls, std::vector<std::wstring>{L"hide Project Manager"});
}

}  // namespace
}  // namespace vox::test
