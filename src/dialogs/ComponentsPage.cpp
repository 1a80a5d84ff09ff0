#include "dialogs/ComponentsPage.h"

#include "dialogs/MiscFlagBits.h"
#include "dialogs/PageTexts.h"

namespace vox::dialogs {
namespace {

constexpr int kSequential = 1;

PageField miscNumber(const std::wstring& id, int index) {
  return {.id = id, .group = L"tag-options", .source = FieldSource::kMisc, .key = index,
          .kind = HcFieldKind::kNumber, .check = FieldCheck::kWhole, .decimal = true};
}

std::vector<PageField> componentFields() {
  return {
      {.id = L"tag-format", .group = L"tag-format", .key = 5, .check = FieldCheck::kNumberPlaceholder,
       .resetValue = L"%F%N", .resetMessage = kMsgTagFormatNeedsN},
      {.id = L"tag-mode", .group = L"tag-format", .key = 2, .kind = HcFieldKind::kRadio,
       .choices = sequentialModeChoices()},
      {.id = L"tag-start", .group = L"tag-format", .key = 3},
      {.id = L"tag-suffixes", .group = L"tag-format", .key = 4},
      {.id = L"search-plc-address", .group = L"tag-options", .source = FieldSource::kFlagBits,
       .key = kFlagSearchPlcAddress, .kind = HcFieldKind::kCheck},
      {.id = L"tag-logic", .group = L"tag-options", .source = FieldSource::kMisc, .key = 10,
       .kind = HcFieldKind::kChoice, .choices = numberedChoices(L"choice-tag-logic-", 0, 3)},
      {.id = L"tag-option-11", .group = L"tag-options", .source = FieldSource::kMisc, .key = 11,
       .kind = HcFieldKind::kCheck},
      miscNumber(L"tag-option-14", 14),
      miscNumber(L"tag-option-15", 15),
      miscNumber(L"tag-option-34", 34),
      miscNumber(L"tag-option-36", 36),
      miscNumber(L"tag-option-37", 37),
  };
}

}  // namespace

ComponentsPage::ComponentsPage() : SettingsPage(componentFields(), {{L"tag-format", L"TAG_FORMAT"}}) {}

std::wstring ComponentsPage::title() const { return pageText(L"page-components"); }

void ComponentsPage::refreshEnabled() { setEnabled(L"tag-start", choice(L"tag-mode") == kSequential); }

}  // namespace vox::dialogs
