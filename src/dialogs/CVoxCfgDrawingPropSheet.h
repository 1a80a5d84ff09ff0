#pragma once
// The drawing properties sheet: the Drawing Settings page and the five shared pages over one
// drawing's settings, title values, project entry and layer lists.
//
// Besides OK, Cancel and Help it has pick buttons: on the Drawing Settings page one per
// description line ("pick-description-1" .. "-3": a text in the drawing), on the Drawing Format
// page "pick-datum" (a point for the datum, enabled while the datum fields are). A pick button
// closes the sheet with kDrawingSheetPick; the caller hands the editor to the user, puts what
// was picked into the sheet (putPoint, putText) and runs the same sheet again, on the same page
// and with every edit kept. Only OK writes anything, into the sheet's data and settings.

#include <optional>
#include <string>

#include "dialogs/DrawingSheetData.h"
#include "dialogs/PropertySheetController.h"

namespace vox::dialogs {

// The result the sheet closes with when a pick button was pressed.
inline constexpr int kDrawingSheetPick = 2;

enum class DrawingPick { kNone = 0, kDatumPoint = 1, kDescription1 = 2, kDescription2 = 3, kDescription3 = 4 };

class CVoxCfgDrawingPropSheet : public PropertySheetController {
 public:
  // `settings` are the drawing's own settings, as read from its block.
  CVoxCfgDrawingPropSheet(DrawingSheetData data, const VoxCfgDrawingSettings& settings);

  std::vector<HcDialogButton> buttons() const override;
  HcDialogOutcome press(const std::wstring& buttonId) override;

  // The pick the sheet last closed for; reading clears it.
  DrawingPick takePick();
  // Puts a picked point's coordinates, as formatted texts, into the datum fields; false when
  // they are not enabled.
  bool putPoint(const std::wstring& x, const std::wstring& y);
  // Puts a picked text into the description field of `kind`.
  bool putText(DrawingPick kind, const std::wstring& text);

  // After OK: what the pages wrote back.
  const DrawingSheetData& data() const { return m_data; }
  const VoxCfgDrawingSettings& settings() const { return records().written; }

 protected:
  void showHelp(const std::wstring& topic) override;

 private:
  bool datumEnabled() const;

  DrawingSheetData m_data;
  DrawingPick m_pick = DrawingPick::kNone;
};

// A picked coordinate as the datum fields hold it: "%f", or with `precision` decimals when the
// host's linear precision is known.
std::wstring formatCoordinate(double value, std::optional<int> precision);

}  // namespace vox::dialogs
