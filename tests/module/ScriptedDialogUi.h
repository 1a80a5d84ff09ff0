#pragma once
// A host UI service for module tests that answers every dialog with the test's function (Cancel
// without one) and records the dialogs' names; installed for its lifetime.

#include <functional>
#include <string>
#include <vector>

#include "host/HcHostRuntime.h"
#include "host/HcUiHost.h"

namespace vox::test {

class ScriptedDialogUi : public HcUiHost {
 public:
  ScriptedDialogUi() { install(this); }
  ~ScriptedDialogUi() override { install(nullptr); }
  ScriptedDialogUi(const ScriptedDialogUi&) = delete;
  ScriptedDialogUi& operator=(const ScriptedDialogUi&) = delete;

  void showPaletteSet(HcPaletteSetController&, bool) override {}
  void placePaletteSet(HcPaletteSetController&, HcDockSide) override {}
  void paletteSetDestroyed(HcPaletteSetController&) override {}
  std::optional<unsigned> popupMenu(const HcMenu&, HcPoint) override { return std::nullopt; }
  int runDialog(HcDialogController& dialog) override {
    names.push_back(dialog.name());
    return answer ? answer(dialog) : kHcDialogCancel;
  }
  unsigned doubleClickMs() const override { return 500; }
  bool textFits(const std::wstring&, int) const override { return true; }

  std::function<int(HcDialogController&)> answer;
  std::vector<std::wstring> names;  // of the dialogs run, in order

 private:
  static void install(HcUiHost* ui) {
    HcHostRuntime runtime = hcHostRuntime();
    runtime.ui = ui;
    hcInstallHostRuntime(runtime);
  }
};

// Presses `button`; the result the dialog closed with, or -1 when it stayed open.
inline int pressed(HcDialogController& dialog, const std::wstring& button) {
  const HcDialogOutcome outcome = dialog.press(button);
  return outcome.closed ? outcome.result : -1;
}

}  // namespace vox::test
