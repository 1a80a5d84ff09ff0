#include "dialogs/WireNumbersPage.h"

#include "dialogs/MiscFlagBits.h"
#include "dialogs/PageTexts.h"

namespace vox::dialogs {
namespace {

constexpr int kSequential = 1;

PageField miscOption(const std::wstring& id, int index, bool number) {
  return {.id = id, .group = L"wire-options", .source = FieldSource::kMisc, .key = index,
          .kind = number ? HcFieldKind::kNumber : HcFieldKind::kText,
          .check = number ? FieldCheck::kWhole : FieldCheck::kNone, .decimal = number};
}

std::vector<PageField> wireNumberFields() {
  return {
      {.id = L"wire-mode", .group = L"wire-type", .key = 6, .kind = HcFieldKind::kRadio,
       .choices = sequentialModeChoices()},
      {.id = L"wire-start", .group = L"wire-type", .key = 7},
      {.id = L"wire-increment", .group = L"wire-type", .key = 10, .kind = HcFieldKind::kNumber,
       .check = FieldCheck::kWhole},
      {.id = L"wire-suffixes", .group = L"wire-type", .key = 8},
      {.id = L"wire-format", .group = L"wire-type", .key = 9, .check = FieldCheck::kNumberPlaceholder,
       .resetValue = L"%N", .resetMessage = kMsgWireFormatNeedsN},
      {.id = L"plc-address-wire-numbers", .group = L"wire-type", .source = FieldSource::kFlagBits,
       .key = kFlagPlcAddressWireNums, .kind = HcFieldKind::kCheck},
      {.id = L"wire-leaders", .group = L"wire-options", .key = 41, .kind = HcFieldKind::kRadio,
       .choices = numberedChoices(L"choice-wire-leaders-", 0, 3)},
      miscOption(L"wire-option-13", 13, true),
      miscOption(L"wire-option-18", 18, true),
      miscOption(L"wire-option-21", 21, true),
      miscOption(L"wire-option-22", 22, false),
      miscOption(L"wire-option-27", 27, false),
      miscOption(L"wire-option-29", 29, true),
      miscOption(L"wire-option-33", 33, false),
      {.id = L"wire-offset", .group = L"wire-placement", .key = 74, .kind = HcFieldKind::kNumber,
       .check = FieldCheck::kReal},
      {.id = L"wire-flags", .group = L"wire-placement", .key = 75, .kind = HcFieldKind::kNumber,
       .check = FieldCheck::kWhole},
      {.id = L"wire-gaps", .group = L"wire-placement", .key = 76, .check = FieldCheck::kRealList},
  };
}

}  // namespace

WireNumbersPage::WireNumbersPage() : SettingsPage(wireNumberFields(), {{L"wire-placement", L"WIRE_PLACEMENT"}}) {}

std::wstring WireNumbersPage::title() const { return pageText(L"page-wire-numbers"); }

void WireNumbersPage::refreshEnabled() {
  const bool sequential = choice(L"wire-mode") == kSequential;
  setEnabled(L"wire-start", sequential);
  setEnabled(L"wire-increment", sequential);
}

}  // namespace vox::dialogs
