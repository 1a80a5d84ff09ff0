#pragma once
// The module's user interface drawn with Qt widgets: the palette set as a dock of the main
// window (its stored layout handed to it when first shown, taken back when it goes), pop-up
// menus as QMenus, dialogs bound to the module's controllers as form dialogs, and the screen's
// facts (double-click time, text widths in the palette's font).

#include <QPointer>

#include <memory>

#include "PaletteDock.h"
#include "host/HcUiHost.h"
#include "platform/settings/PaletteLayoutStore.h"

#include <QMainWindow>

namespace vox::studio {

class QtUiHost : public HcUiHost {
 public:
  explicit QtUiHost(const std::string& settingsFolder);
  ~QtUiHost() override;

  // Where the palette dock goes; until one is set the palette set is not drawn.
  void setMainWindow(QMainWindow* window) { window_ = window; }
  void setOpenProjects(OpenProjects openProjects) { openProjects_ = std::move(openProjects); }
  // The palette set's dock, once it was first shown; null after the palette set went.
  PaletteDock* paletteDock() const { return dock_; }
  void refreshPalette();

  void showPaletteSet(HcPaletteSetController& paletteSet, bool show) override;
  void placePaletteSet(HcPaletteSetController& paletteSet, HcDockSide side) override;
  void paletteSetDestroyed(HcPaletteSetController& paletteSet) override;
  std::optional<unsigned> popupMenu(const HcMenu& menu, HcPoint screenPoint) override;
  int runDialog(HcDialogController& dialog) override;
  unsigned doubleClickMs() const override;
  bool textFits(const std::wstring& text, int widthPx) const override;

 private:
  PaletteDock* dockFor(HcPaletteSetController& paletteSet);

  settings::PaletteLayoutStore layouts_;
  QPointer<QMainWindow> window_;
  QPointer<PaletteDock> dock_;
  // The palette set that was handed its stored layout and gives it back when it goes.
  HcPaletteSetController* handed_ = nullptr;
  OpenProjects openProjects_;
};

}  // namespace vox::studio
