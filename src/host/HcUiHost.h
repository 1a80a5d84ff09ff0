#pragma once
// The host's user interface as the module uses it: it shows the module's palette set, pops up
// menus given as data, runs dialogs bound to the module's controllers and answers the few
// facts only a screen knows. The desktop host draws widgets, the shell prints text and takes
// input verbs, tests use a fake. With nothing installed, the module's calls do nothing and
// answer "none".

#include <optional>
#include <string>

#include "host/HcDialogController.h"
#include "host/HcMenu.h"
#include "host/HcPaletteControllers.h"

enum class HcDockSide { kFloating, kLeft, kRight, kTop, kBottom };

class HcUiHost {
 public:
  virtual ~HcUiHost() = default;

  // Shows or hides the palette set. The first time a palette set is shown, the host hands it
  // its stored layout (loadLayout).
  virtual void showPaletteSet(HcPaletteSetController& paletteSet, bool show) = 0;
  // Docks the palette set at a side, or floats it.
  virtual void placePaletteSet(HcPaletteSetController& paletteSet, HcDockSide side) = 0;
  // The palette set is about to be destroyed: the host takes its layout (saveLayout), stores
  // it, and drops every view of it.
  virtual void paletteSetDestroyed(HcPaletteSetController& paletteSet) = 0;

  // Shows `menu` at `screenPoint` and returns after it closed: the chosen command, or none.
  virtual std::optional<unsigned> popupMenu(const HcMenu& menu, HcPoint screenPoint) = 0;
  // Runs `dialog` modally until it closes; its result (kHcDialogCancel when the host had to
  // close it).
  virtual int runDialog(HcDialogController& dialog) = 0;

  virtual unsigned doubleClickMs() const = 0;
  // Whether `text` fits in `widthPx` pixels in the palette's font.
  virtual bool textFits(const std::wstring& text, int widthPx) const = 0;
};

// The installed service, or null.
HcUiHost* hcUiHost();

// Forwarders that do nothing (and answer none / cancel) when no service is installed.
void hcShowPaletteSet(HcPaletteSetController& paletteSet, bool show);
void hcPaletteSetDestroyed(HcPaletteSetController& paletteSet);
std::optional<unsigned> hcPopupMenu(const HcMenu& menu, HcPoint screenPoint);
int hcRunDialog(HcDialogController& dialog);
// The double-click time: the host's, else 500 ms.
unsigned hcDoubleClickMs();
