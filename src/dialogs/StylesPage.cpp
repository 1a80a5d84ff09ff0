#include "dialogs/StylesPage.h"

#include "dialogs/FieldValues.h"
#include "dialogs/MiscFlagBits.h"
#include "dialogs/PageTexts.h"

namespace vox::dialogs {
namespace {

PageField teeStyleField() {
  return {.id = L"wire-tee-style", .group = L"wire-style", .source = FieldSource::kFlagBits,
          .key = kFlagWireTeeStyle, .kind = HcFieldKind::kRadio,
          .choices = numberedChoices(L"choice-wire-tee-style-", 0, 4, 32)};
}

PageField styleNumber(const std::wstring& id, const std::wstring& group, int index) {
  return {.id = id, .group = group, .key = index, .kind = HcFieldKind::kNumber, .check = FieldCheck::kWhole,
          .decimal = true};
}

std::vector<PageField> styleFields() {
  return {
      teeStyleField(),
      {.id = L"wire-gap-style", .group = L"wire-style", .key = 49, .kind = HcFieldKind::kRadio,
       .choices = numberedChoices(L"choice-wire-gap-style-", 0, 3)},
      styleNumber(L"plc-style", L"plc-style", 42),
      styleNumber(L"arrow-style", L"arrow-style", 43),
      {.id = L"fan-layers", .group = L"fan-in-out", .key = 56},
      styleNumber(L"fan-style", L"fan-in-out", 57),
  };
}

}  // namespace

StylesPage::StylesPage()
    : SettingsPage(styleFields(), {{L"plc-style", L"PLC_STYLE"}, {L"arrow-style", L"ARROW_STYLE"}}) {}

std::wstring StylesPage::title() const { return pageText(L"page-styles"); }

std::vector<std::wstring> wireTeeStyleNames() { return choiceTexts(teeStyleField()); }

}  // namespace vox::dialogs
