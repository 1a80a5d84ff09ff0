#include "dialogs/CVoxCfgWDMAlertDlg.h"

#include "dialogs/PageTexts.h"
#include "host/ResourceText.h"

namespace vox::dialogs {

std::wstring CVoxCfgWDMAlertDlg::title() const { return pageText(L"title-settings-block-alert"); }

std::vector<HcDialogField> CVoxCfgWDMAlertDlg::fields() const {
  HcDialogField message;
  message.id = L"message";
  message.kind = HcFieldKind::kLabel;
  message.value = host::formatText(pageText(L"text-settings-block-alert"), {m_drawing});
  HcDialogField defaults;
  defaults.id = L"use-project-defaults";
  defaults.kind = HcFieldKind::kCheck;
  defaults.label = pageText(L"field-use-project-defaults");
  defaults.value = m_useDefaults ? L"1" : L"0";
  return {message, defaults};
}

bool CVoxCfgWDMAlertDlg::setField(const std::wstring& id, const std::wstring& value) {
  if (id != L"use-project-defaults" || (value != L"0" && value != L"1")) return false;
  m_useDefaults = value == L"1";
  return true;
}

std::vector<HcDialogButton> CVoxCfgWDMAlertDlg::buttons() const {
  return {{L"ok", pageText(L"button-ok"), true, true}, {L"cancel", pageText(L"button-cancel"), true, false}};
}

HcDialogOutcome CVoxCfgWDMAlertDlg::press(const std::wstring& buttonId) {
  if (buttonId == L"ok") return HcDialogOutcome::close(kHcDialogOk);
  if (buttonId == L"cancel") return HcDialogOutcome::close(kHcDialogCancel);
  return HcDialogOutcome::stay();
}

}  // namespace vox::dialogs
