// Forwarding of the UI service to the installed host runtime.

#include "host/HcUiHost.h"

#include "host/HcHostRuntime.h"

namespace {
constexpr unsigned kDefaultDoubleClickMs = 500;
}

HcUiHost* hcUiHost() { return hcHostRuntime().ui; }

void hcShowPaletteSet(HcPaletteSetController& paletteSet, bool show) {
  if (HcUiHost* ui = hcUiHost()) ui->showPaletteSet(paletteSet, show);
}

void hcPaletteSetDestroyed(HcPaletteSetController& paletteSet) {
  if (HcUiHost* ui = hcUiHost()) ui->paletteSetDestroyed(paletteSet);
}

std::optional<unsigned> hcPopupMenu(const HcMenu& menu, HcPoint screenPoint) {
  HcUiHost* ui = hcUiHost();
  return ui != nullptr ? ui->popupMenu(menu, screenPoint) : std::nullopt;
}

int hcRunDialog(HcDialogController& dialog) {
  HcUiHost* ui = hcUiHost();
  return ui != nullptr ? ui->runDialog(dialog) : kHcDialogCancel;
}

unsigned hcDoubleClickMs() {
  HcUiHost* ui = hcUiHost();
  return ui != nullptr ? ui->doubleClickMs() : kDefaultDoubleClickMs;
}
