#include "dialogs/CVoxCfgIECDesigCDlg.h"

#include <optional>

#include "dialogs/PageTexts.h"
#include "host/LispCoreSettingsCalls.h"

namespace vox::dialogs {
namespace {

enum class PickList { kNone, kInstallations, kLocations };

struct IecField {
  const wchar_t* id;
  PickList list;
};

constexpr IecField kFields[] = {
    {L"iec-project", PickList::kNone},
    {L"iec-installation", PickList::kInstallations},
    {L"iec-location", PickList::kLocations},
};

std::optional<std::size_t> indexOf(const std::wstring& id) {
  for (std::size_t i = 0; i < std::size(kFields); ++i)
    if (id == kFields[i].id) return i;
  return std::nullopt;
}

}  // namespace

std::vector<HcDialogField> CVoxCfgIECDesigCDlg::fields() const {
  std::vector<HcDialogField> out;
  for (std::size_t i = 0; i < std::size(kFields); ++i) {
    HcDialogField field;
    field.id = kFields[i].id;
    field.kind = kFields[i].list == PickList::kNone ? HcFieldKind::kText : HcFieldKind::kPath;
    field.label = pageText(std::wstring(L"newdwg-field-") + kFields[i].id);
    field.value = m_values[i];
    field.group = L"iec";
    out.push_back(std::move(field));
  }
  return out;
}

bool CVoxCfgIECDesigCDlg::owns(const std::wstring& id) { return indexOf(id).has_value(); }

bool CVoxCfgIECDesigCDlg::setField(const std::wstring& id, const std::wstring& value) {
  const std::optional<std::size_t> index = indexOf(id);
  if (!index) return false;
  m_values[*index] = value.substr(0, kMaxLength);
  return true;
}

bool CVoxCfgIECDesigCDlg::browse(const std::wstring& id) {
  const std::optional<std::size_t> index = indexOf(id);
  if (!index || kFields[*index].list == PickList::kNone) return false;
  const std::optional<std::wstring> picked = kFields[*index].list == PickList::kInstallations
                                                 ? host::lispcore::installationsForProject()
                                                 : host::lispcore::locationsForProject();
  if (picked && !picked->empty()) setField(id, *picked);
  return true;
}

}  // namespace vox::dialogs
