#include "dialogs/SettingsPage.h"

#include "dialogs/FieldValues.h"
#include "dialogs/LadderPictures.h"
#include "dialogs/MiscFlagBits.h"
#include "dialogs/NumberChecks.h"
#include "dialogs/PageTexts.h"
#include "host/ResourceText.h"
#include "platform/os/CaseMapping.h"
#include "records/NumberText.h"
#include "records/VoxCfgDrawingSettings.h"
#include "records/VoxPrmMiscProjSettings.h"

namespace vox::dialogs {
namespace {

// The misc setting as text: unset texts are empty, unset numbers "0".
std::wstring miscText(const VoxPrmMiscProjSettings& misc, int index) {
  std::wstring text;
  if (misc.getValue(index, text) != VoxPrmMiscProjSettings::kNotSet) return text;
  int number = 0;
  return misc.getValue(index, number) == VoxPrmMiscProjSettings::kNotSet ? L"0" : L"";
}

// The message for a field whose text is not what its check wants; empty when it is.
std::wstring numberProblem(FieldCheck check, const std::wstring& text, const std::wstring& label) {
  switch (check) {
    case FieldCheck::kReal:
      return isRealNumber(text) ? L"" : host::resourceText(kMsgNotANumber, {label});
    case FieldCheck::kRealOrEmpty:
      return text.empty() || isRealNumber(text) ? L"" : host::resourceText(kMsgNotANumber, {label});
    case FieldCheck::kWhole:
      return isWholeNumber(text) ? L"" : host::resourceText(kMsgNotAWholeNumber, {label});
    case FieldCheck::kRealList:
      return isRealList(text) ? L"" : host::resourceText(kMsgNotANumberList, {label});
    default:
      return L"";
  }
}

// The field's label, looked up when needed so that it follows the catalog in use.
std::wstring labelOf(const PageField& spec) { return pageText(L"field-" + spec.id); }

}  // namespace

SettingsPage::SettingsPage(std::vector<PageField> specs, std::vector<std::pair<std::wstring, std::wstring>> pictures)
    : m_pictures(std::move(pictures)) {
  for (PageField& spec : specs) {
    Bound field;
    field.spec = std::move(spec);
    m_fields.push_back(std::move(field));
  }
}

std::wstring SettingsPage::loadedText(const Bound& field, const VoxCfgDrawingSettings& settings,
                                      const VoxPrmMiscProjSettings* misc) const {
  switch (field.spec.source) {
    case FieldSource::kDrawing: {
      std::wstring text;
      settings.getValue(field.spec.key, text);
      return text;
    }
    case FieldSource::kMisc:
      return misc != nullptr ? miscText(*misc, field.spec.key) : L"";
    case FieldSource::kFlagBits:
      return records::formatInt(m_loadedFlags & field.spec.key);
  }
  return L"";
}

void SettingsPage::load(const VoxCfgDrawingSettings& settings, const VoxPrmMiscProjSettings* misc) {
  m_loadedFlags = miscFlags(settings);
  for (Bound& field : m_fields) {
    field.present = field.spec.source != FieldSource::kMisc || misc != nullptr;
    field.enabled = true;
    field.loaded = shownValue(field.spec, loadedText(field, settings, misc));
    field.shown = field.loaded;
  }
  refreshEnabled();
}

std::vector<HcDialogField> SettingsPage::fields() const {
  std::vector<HcDialogField> out;
  for (const Bound& field : m_fields) {
    if (!field.present) continue;
    HcDialogField shown;
    shown.id = field.spec.id;
    shown.kind = field.spec.kind;
    shown.label = labelOf(field.spec);
    shown.value = field.shown;
    shown.enabled = field.enabled;
    shown.choices = choiceTexts(field.spec);
    shown.group = field.spec.group;
    out.push_back(std::move(shown));
  }
  return out;
}

bool SettingsPage::setField(const std::wstring& id, const std::wstring& value) {
  Bound* field = find(id);
  if (field == nullptr || !field->enabled) return false;
  std::wstring shown = value;
  if (field->spec.kind == HcFieldKind::kCheck && value != L"1" && value != L"0") return false;
  if (!field->spec.choices.empty()) {
    const int index = choiceForText(field->spec, value);
    if (index < 0) return false;
    shown = choiceTexts(field->spec)[static_cast<std::size_t>(index)];
  }
  field->shown = std::move(shown);
  refreshEnabled();
  return true;
}

std::optional<PageRefusal> SettingsPage::check(Bound& field) {
  if (field.spec.check == FieldCheck::kNumberPlaceholder) {
    if (os::toUpper(field.shown).find(L"%N") != std::wstring::npos) return std::nullopt;
    field.shown = field.spec.resetValue;
    return PageRefusal{field.spec.id, host::resourceText(field.spec.resetMessage)};
  }
  std::wstring message = numberProblem(field.spec.check, field.shown, labelOf(field.spec));
  if (message.empty()) return std::nullopt;
  return PageRefusal{field.spec.id, std::move(message)};
}

std::optional<PageRefusal> SettingsPage::leave() {
  for (Bound& field : m_fields) {
    if (!field.present || !field.enabled) continue;
    if (std::optional<PageRefusal> refusal = check(field)) return refusal;
  }
  return std::nullopt;
}

void SettingsPage::storeField(const Bound& field, VoxCfgDrawingSettings& settings,
                              VoxPrmMiscProjSettings* misc) const {
  const std::wstring text = storedValue(field.spec, field.shown);
  switch (field.spec.source) {
    case FieldSource::kDrawing:
      settings.setValue(field.spec.key, &text);
      break;
    case FieldSource::kMisc:
      if (misc != nullptr) misc->setValue(field.spec.key, &text);
      break;
    case FieldSource::kFlagBits: {
      const int bits = field.spec.kind == HcFieldKind::kCheck ? (text == L"1" ? field.spec.key : 0)
                                                              : records::parseLeadingInt(text);
      storeFlagBits(settings, field.spec.key, bits, m_loadedFlags);
      break;
    }
  }
}

void SettingsPage::store(VoxCfgDrawingSettings& settings, VoxPrmMiscProjSettings* misc) const {
  for (const Bound& field : m_fields) {
    if (field.present && field.enabled && field.shown != field.loaded) storeField(field, settings, misc);
  }
}

std::vector<PagePicture> SettingsPage::pictures() const {
  std::vector<PagePicture> out;
  for (const auto& [group, base] : m_pictures) out.push_back({group, ladderPicture(base, ladderVertical())});
  return out;
}

std::wstring SettingsPage::value(const std::wstring& id) const {
  const Bound* field = find(id);
  return field != nullptr ? field->shown : L"";
}

int SettingsPage::choice(const std::wstring& id) const {
  const Bound* field = find(id);
  return field != nullptr ? choiceForText(field->spec, field->shown) : -1;
}

void SettingsPage::setEnabled(const std::wstring& id, bool enabled) {
  if (Bound* field = find(id)) field->enabled = enabled;
}

SettingsPage::Bound* SettingsPage::find(const std::wstring& id) {
  for (Bound& field : m_fields) {
    if (field.present && field.spec.id == id) return &field;
  }
  return nullptr;
}

const SettingsPage::Bound* SettingsPage::find(const std::wstring& id) const {
  for (const Bound& field : m_fields) {
    if (field.present && field.spec.id == id) return &field;
  }
  return nullptr;
}

}  // namespace vox::dialogs
