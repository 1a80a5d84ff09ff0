#include "dialogs/CrossRefPage.h"

#include "dialogs/PageTexts.h"

namespace vox::dialogs {
namespace {

PageField text(const std::wstring& id, const std::wstring& group, int index) {
  return {.id = id, .group = group, .key = index};
}

std::vector<PageField> crossRefFields() {
  return {
      text(L"xref-format", L"xref-format", 14),
      text(L"xref-alt-format", L"xref-format", 47),
      text(L"xref-style", L"xref-options", 60),
      text(L"xref-flags", L"xref-options", 61),
      text(L"xref-unused-style", L"xref-options", 62),
      text(L"xref-fill-with", L"xref-options", 63),
      text(L"xref-sort", L"xref-options", 64),
      text(L"xref-text-between", L"xref-options", 65),
      text(L"xref-graphic", L"xref-component", 66),
      text(L"xref-graphic-style", L"xref-component", 67),
      text(L"xref-contact-map", L"xref-component", 68),
      text(L"xref-table-style", L"xref-component", 69),
      text(L"xref-table-title", L"xref-component", 70),
      text(L"xref-table-index", L"xref-component", 71),
      text(L"xref-table-fields", L"xref-component", 72),
      text(L"xref-table-justify", L"xref-component", 73),
      {.id = L"xref-override-flags", .group = L"xref-override", .source = FieldSource::kMisc, .key = 5,
       .kind = HcFieldKind::kNumber, .check = FieldCheck::kWhole, .decimal = true},
  };
}

}  // namespace

CrossRefPage::CrossRefPage() : SettingsPage(crossRefFields(), {{L"xref-format", L"XREF_FORMAT"}}) {}

std::wstring CrossRefPage::title() const { return pageText(L"page-cross-references"); }

}  // namespace vox::dialogs
