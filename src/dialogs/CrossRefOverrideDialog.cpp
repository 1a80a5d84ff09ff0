#include "dialogs/CrossRefOverrideDialog.h"

#include "dialogs/PageTexts.h"
#include "host/ResourceText.h"

namespace vox::dialogs {
namespace {

constexpr unsigned kTitle = 471;

struct OverrideField {
  const wchar_t* id;
  const wchar_t* group;
};

// The texts in the order the dialog takes and gives them.
constexpr std::array<OverrideField, kCrossRefOverrideCount> kFields{{
    {L"xref-format", L"xref-format"},
    {L"xref-alt-format", L"xref-format"},
    {L"xref-style", L"xref-options"},
    {L"xref-flags", L"xref-options"},
    {L"xref-unused-style", L"xref-options"},
    {L"xref-fill-with", L"xref-options"},
    {L"xref-sort", L"xref-options"},
    {L"xref-text-between", L"xref-options"},
    {L"xref-graphic", L"xref-component"},
    {L"xref-graphic-style", L"xref-component"},
    {L"xref-contact-map", L"xref-component"},
    {L"xref-table-style", L"xref-component"},
    {L"xref-table-title", L"xref-component"},
    {L"xref-table-index", L"xref-component"},
    {L"xref-table-fields", L"xref-component"},
    {L"xref-table-justify", L"xref-component"},
}};

}  // namespace

CrossRefOverrideDialog::CrossRefOverrideDialog(const std::array<std::wstring, kCrossRefOverrideCount>& values)
    : m_values(values) {}

std::wstring CrossRefOverrideDialog::title() const { return host::resourceText(kTitle); }

std::vector<HcDialogField> CrossRefOverrideDialog::fields() const {
  std::vector<HcDialogField> out;
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    HcDialogField field;
    field.id = kFields[i].id;
    field.label = pageText(L"field-" + field.id);
    field.value = m_values[i];
    field.group = kFields[i].group;
    out.push_back(std::move(field));
  }
  return out;
}

bool CrossRefOverrideDialog::setField(const std::wstring& id, const std::wstring& value) {
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    if (id == kFields[i].id) {
      m_values[i] = value;
      return true;
    }
  }
  return false;
}

std::vector<HcDialogButton> CrossRefOverrideDialog::buttons() const {
  return {{L"ok", pageText(L"button-ok"), true, true}, {L"cancel", pageText(L"button-cancel"), true, false}};
}

HcDialogOutcome CrossRefOverrideDialog::press(const std::wstring& buttonId) {
  if (buttonId == L"ok") return HcDialogOutcome::close(kHcDialogOk);
  if (buttonId == L"cancel") return HcDialogOutcome::close(kHcDialogCancel);
  return HcDialogOutcome::stay();
}

}  // namespace vox::dialogs
