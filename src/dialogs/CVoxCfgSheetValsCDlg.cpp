#include "dialogs/CVoxCfgSheetValsCDlg.h"

#include "dialogs/PageTexts.h"

namespace vox::dialogs {
namespace {

constexpr const wchar_t* kIds[] = {L"sheet", L"drawing", L"section", L"sub-section"};

}  // namespace

std::vector<HcDialogField> CVoxCfgSheetValsCDlg::fields() const {
  const std::wstring* values[] = {&m_sheet, &m_drawing, &m_section, &m_subSection};
  const std::vector<std::wstring>* lists[] = {nullptr, nullptr, &m_sections, &m_subSections};
  std::vector<HcDialogField> out;
  for (std::size_t i = 0; i < std::size(kIds); ++i) {
    HcDialogField field;
    field.id = kIds[i];
    field.kind = lists[i] != nullptr ? HcFieldKind::kCombo : HcFieldKind::kText;
    field.label = pageText(std::wstring(L"newdwg-field-") + kIds[i]);
    field.value = *values[i];
    field.enabled = m_enabled;
    if (lists[i] != nullptr) field.choices = *lists[i];
    field.group = L"sheet";
    out.push_back(std::move(field));
  }
  return out;
}

bool CVoxCfgSheetValsCDlg::owns(const std::wstring& id) {
  for (const wchar_t* own : kIds)
    if (id == own) return true;
  return false;
}

std::wstring* CVoxCfgSheetValsCDlg::valueOf(const std::wstring& id) {
  if (id == kIds[0]) return &m_sheet;
  if (id == kIds[1]) return &m_drawing;
  if (id == kIds[2]) return &m_section;
  if (id == kIds[3]) return &m_subSection;
  return nullptr;
}

bool CVoxCfgSheetValsCDlg::setField(const std::wstring& id, const std::wstring& value) {
  std::wstring* target = valueOf(id);
  if (target == nullptr || !m_enabled) return false;
  *target = value;
  return true;
}

}  // namespace vox::dialogs
