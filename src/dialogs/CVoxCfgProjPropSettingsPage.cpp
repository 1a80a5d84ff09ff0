#include "dialogs/CVoxCfgProjPropSettingsPage.h"

#include <algorithm>

#include "dialogs/PageTexts.h"
#include "host/HcInteraction.h"
#include "platform/os/CaseMapping.h"
#include "records/VoxPrmMiscProjSettings.h"

using vox::dialogs::FieldChoice;
using vox::dialogs::FieldSource;
using vox::dialogs::PageField;
using vox::dialogs::pageText;

namespace {

constexpr int kPositionIndex = 31;
constexpr int kCodeStandardIndex = 38;
// The code of the position list's first entry: it stands for an unset setting.
constexpr int kNoPosition = -1;
constexpr int kPositions = 10;

PageField misc(const std::wstring& id, const std::wstring& group, int index, HcFieldKind kind) {
  return {.id = id, .group = group, .source = FieldSource::kMisc, .key = index, .kind = kind};
}

std::vector<FieldChoice> positionChoices() {
  std::vector<FieldChoice> choices{{std::to_wstring(kNoPosition), L"choice-position-none"}};
  for (const FieldChoice& choice : vox::dialogs::numberedChoices(L"choice-position-", 0, kPositions))
    choices.push_back(choice);
  return choices;
}

std::vector<FieldChoice> standardChoices(const std::vector<VoxCodeStandard>& standards) {
  std::vector<FieldChoice> choices;
  for (const VoxCodeStandard& standard : standards) choices.push_back({standard.code, standard.displayName});
  return choices;
}

std::vector<PageField> settingsFields(const std::vector<VoxCodeStandard>& standards) {
  PageField standard = misc(L"code-standard", L"standard", kCodeStandardIndex, HcFieldKind::kChoice);
  standard.choices = standardChoices(standards);
  PageField catalogMode = misc(L"catalog-mode", L"catalog", 6, HcFieldKind::kRadio);
  catalogMode.choices = vox::dialogs::numberedChoices(L"choice-catalog-mode-", 0, 3);
  PageField position = misc(L"position", L"options", kPositionIndex, HcFieldKind::kChoice);
  position.choices = positionChoices();
  return {
      misc(L"schematic-libraries", L"libraries", 1, HcFieldKind::kPath),
      misc(L"schematic-icon-menu", L"libraries", 2, HcFieldKind::kPath),
      misc(L"panel-libraries", L"libraries", 3, HcFieldKind::kPath),
      misc(L"panel-icon-menu", L"libraries", 4, HcFieldKind::kPath),
      catalogMode,
      misc(L"catalog-own-file", L"catalog", 23, HcFieldKind::kCheck),
      misc(L"catalog-file", L"catalog", 24, HcFieldKind::kPath),
      misc(L"project-option-32", L"options", 32, HcFieldKind::kCheck),
      position,
      standard,
  };
}

}  // namespace

CVoxCfgProjPropSettingsPage::CVoxCfgProjPropSettingsPage(std::vector<VoxCodeStandard> standards,
                                                         std::wstring projectFile)
    : SettingsPage(settingsFields(standards)),
      m_standards(std::move(standards)),
      m_projectFile(std::move(projectFile)) {}

std::wstring CVoxCfgProjPropSettingsPage::title() const { return pageText(L"page-project-settings"); }

std::wstring CVoxCfgProjPropSettingsPage::shownStandardCode(const VoxPrmMiscProjSettings& misc) const {
  std::wstring stored;
  if (misc.getValue(kCodeStandardIndex, stored) == VoxPrmMiscProjSettings::kOk) {
    for (const VoxCodeStandard& standard : m_standards) {
      if (vox::os::iequals(standard.code, stored)) return standard.code;
    }
  }
  for (const VoxCodeStandard& standard : m_standards) {
    if (standard.code.empty() || vox::os::iequals(standard.code, L"NEC")) return standard.code;
  }
  return m_standards.empty() ? L"" : m_standards.front().code;
}

void CVoxCfgProjPropSettingsPage::load(const VoxCfgDrawingSettings& settings, const VoxPrmMiscProjSettings* misc) {
  if (misc == nullptr) {
    SettingsPage::load(settings, nullptr);
    return;
  }
  // The page reads a copy in which the standard to show and an unset position are spelled out.
  VoxPrmMiscProjSettings shown(*misc);
  const std::wstring code = shownStandardCode(*misc);
  shown.setValue(kCodeStandardIndex, &code);
  int position = 0;
  if (misc->getValue(kPositionIndex, position) != VoxPrmMiscProjSettings::kOk) {
    const int none = kNoPosition;
    shown.setValue(kPositionIndex, &none);
  }
  SettingsPage::load(settings, &shown);
  m_loadedPosition = choice(L"position");
}

std::vector<HcDialogField> CVoxCfgProjPropSettingsPage::fields() const {
  std::vector<HcDialogField> out = SettingsPage::fields();
  HcDialogField file;
  file.id = L"project-file";
  file.kind = HcFieldKind::kLabel;
  file.label = pageText(L"field-project-file");
  file.value = m_projectFile;
  file.group = L"project-file";
  out.push_back(std::move(file));
  return out;
}

void CVoxCfgProjPropSettingsPage::store(VoxCfgDrawingSettings& settings, VoxPrmMiscProjSettings* misc) const {
  SettingsPage::store(settings, misc);
  // The first entry was chosen: the setting is cleared rather than given a number.
  if (misc != nullptr && choice(L"position") == 0 && m_loadedPosition != 0) {
    misc->setValue(kPositionIndex, static_cast<const int*>(nullptr));
  }
}

bool CVoxCfgProjPropSettingsPage::browse(const std::wstring& id) {
  const std::vector<HcDialogField> shown = fields();
  const auto field = std::find_if(shown.begin(), shown.end(), [&](const HcDialogField& f) { return f.id == id; });
  if (field == shown.end() || field->kind != HcFieldKind::kPath || !field->enabled) return false;
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return true;
  const bool folder = id == L"schematic-libraries" || id == L"panel-libraries";
  const std::optional<std::wstring> chosen =
      folder ? interaction->chooseFolder(field->label, field->value)
             : interaction->chooseFile(field->label, field->value, pageText(L"filter-all-files"), false);
  if (chosen) setField(id, *chosen);
  return true;
}

void CVoxCfgProjPropSettingsPage::refreshEnabled() { setEnabled(L"code-standard", !m_standards.empty()); }
