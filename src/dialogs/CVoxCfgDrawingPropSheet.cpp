#include "dialogs/CVoxCfgDrawingPropSheet.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "dialogs/CVoxCfgDrawingPropSettingsPage.h"
#include "dialogs/ComponentsPage.h"
#include "dialogs/CrossRefPage.h"
#include "dialogs/DrawingFormatPage.h"
#include "dialogs/PageTexts.h"
#include "dialogs/StylesPage.h"
#include "dialogs/WireNumbersPage.h"
#include "host/HcHostServices.h"

namespace vox::dialogs {
namespace {

constexpr const wchar_t* kHelpFile = L"VoxFolio";
constexpr int kSettingsPage = 0;
constexpr int kDrawingFormatPage = 5;

struct PickButton {
  const wchar_t* id;
  int page;
  DrawingPick kind;
};

constexpr PickButton kPickButtons[] = {
    {L"pick-description-1", kSettingsPage, DrawingPick::kDescription1},
    {L"pick-description-2", kSettingsPage, DrawingPick::kDescription2},
    {L"pick-description-3", kSettingsPage, DrawingPick::kDescription3},
    {L"pick-datum", kDrawingFormatPage, DrawingPick::kDatumPoint},
};

SheetRecords drawingRecords(const VoxCfgDrawingSettings& settings) {
  SheetRecords records;
  records.shown = settings;
  records.written = settings;
  return records;
}

}  // namespace

CVoxCfgDrawingPropSheet::CVoxCfgDrawingPropSheet(DrawingSheetData data, const VoxCfgDrawingSettings& settings)
    : PropertySheetController(L"drawing-properties", pageText(L"title-drawing-properties"), L"drawing_props_",
                              drawingRecords(settings)),
      m_data(std::move(data)) {
  addPage(std::make_unique<CVoxCfgDrawingPropSettingsPage>(m_data));
  addPage(std::make_unique<ComponentsPage>());
  addPage(std::make_unique<WireNumbersPage>());
  addPage(std::make_unique<CrossRefPage>());
  addPage(std::make_unique<StylesPage>());
  addPage(std::make_unique<DrawingFormatPage>());
  open();
}

bool CVoxCfgDrawingPropSheet::datumEnabled() const {
  const std::vector<HcDialogField> shown = fields();
  const auto datum = std::find_if(shown.begin(), shown.end(), [](const HcDialogField& f) { return f.id == L"datum-x"; });
  return datum != shown.end() && datum->enabled;
}

std::vector<HcDialogButton> CVoxCfgDrawingPropSheet::buttons() const {
  std::vector<HcDialogButton> out = PropertySheetController::buttons();
  for (const PickButton& pick : kPickButtons) {
    if (pick.page != currentPage()) continue;
    const bool enabled = pick.kind != DrawingPick::kDatumPoint || datumEnabled();
    out.push_back({pick.id, pageText(std::wstring(L"button-") + pick.id), enabled, false});
  }
  return out;
}

HcDialogOutcome CVoxCfgDrawingPropSheet::press(const std::wstring& buttonId) {
  for (const HcDialogButton& button : buttons()) {
    if (button.id != buttonId || button.id.rfind(L"pick-", 0) != 0) continue;
    if (!button.enabled) return HcDialogOutcome::stay();
    for (const PickButton& pick : kPickButtons)
      if (buttonId == pick.id) m_pick = pick.kind;
    return HcDialogOutcome::close(kDrawingSheetPick);
  }
  return PropertySheetController::press(buttonId);
}

DrawingPick CVoxCfgDrawingPropSheet::takePick() { return std::exchange(m_pick, DrawingPick::kNone); }

bool CVoxCfgDrawingPropSheet::putPoint(const std::wstring& x, const std::wstring& y) {
  PropertyPage* format = page(kDrawingFormatPage);
  return format != nullptr && wasShown(kDrawingFormatPage) && format->setField(L"datum-x", x) &&
         format->setField(L"datum-y", y);
}

bool CVoxCfgDrawingPropSheet::putText(DrawingPick kind, const std::wstring& text) {
  const int line = static_cast<int>(kind) - static_cast<int>(DrawingPick::kDescription1) + 1;
  PropertyPage* settingsPage = page(kSettingsPage);
  if (line < 1 || line > 3 || settingsPage == nullptr || !wasShown(kSettingsPage)) return false;
  return settingsPage->setField(L"description-" + std::to_wstring(line), text);
}

void CVoxCfgDrawingPropSheet::showHelp(const std::wstring& topic) { hcedHelp(kHelpFile, topic.c_str(), 0); }

std::wstring formatCoordinate(double value, std::optional<int> precision) {
  wchar_t format[16] = L"%f";
  if (precision) std::swprintf(format, std::size(format), L"%%.%df", std::clamp(*precision, 0, 8));
  wchar_t text[400];  // room for any double in fixed notation
  if (std::swprintf(text, std::size(text), format, value) < 0) return std::to_wstring(value);
  return text;
}

}  // namespace vox::dialogs
