#include "dialogs/CVoxCfgDrawingPropSettingsPage.h"

#include <algorithm>
#include <utility>

#include "dialogs/PageTexts.h"
#include "platform/os/CaseMapping.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::dialogs {
namespace {

struct TitleField {
  const wchar_t* id;
  const wchar_t* group;
  std::size_t position;
};

constexpr TitleField kTitleFields[] = {
    {L"description-1", L"descriptions", 0},       {L"description-2", L"descriptions", 1},
    {L"description-3", L"descriptions", 2},       {L"project-code", L"codes", kTitleProjectCode},
    {L"installation-code", L"codes", kTitleInstallation}, {L"location-code", L"codes", kTitleLocation},
    {L"sheet", L"sheet", kTitleSheet},            {L"drawing", L"sheet", kTitleDrawing},
    {L"section", L"section", kTitleSection},      {L"sub-section", L"section", kTitleSubSection},
};

// The drawing settings that follow a title value: (title position, settings index).
constexpr std::pair<std::size_t, int> kTitleSettings[] = {
    {kTitleProjectCode, 51}, {kTitleInstallation, 52}, {kTitleLocation, 53}, {kTitleSheet, 13}, {kTitleDrawing, 46},
};

HcDialogField makeField(const std::wstring& id, const std::wstring& group, HcFieldKind kind, std::wstring value) {
  HcDialogField field;
  field.id = id;
  field.kind = kind;
  field.label = pageText(L"field-" + id);
  field.value = std::move(value);
  field.group = group;
  return field;
}

std::wstring settingText(const VoxCfgDrawingSettings& settings, int index) {
  std::wstring value;
  settings.getValue(index, value);
  return value;
}

// "0,2" -> rows 0 and 2 of `count`; none when a part is not a row.
std::optional<std::vector<bool>> parseRows(const std::wstring& text, std::size_t count) {
  std::vector<bool> rows(count, false);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L',', start);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring part = text.substr(start, end - start);
    if (part.empty() || part.size() > 6 || part.find_first_not_of(L"0123456789") != std::wstring::npos) return std::nullopt;
    const std::size_t row = std::stoul(part);
    if (row >= count) return std::nullopt;
    rows[row] = true;
    start = end + 1;
  }
  return rows;
}

}  // namespace

std::wstring CVoxCfgDrawingPropSettingsPage::title() const { return pageText(L"page-drawing-settings"); }

std::optional<std::size_t> CVoxCfgDrawingPropSettingsPage::titlePosition(const std::wstring& id) {
  for (const TitleField& field : kTitleFields)
    if (id == field.id) return field.position;
  return std::nullopt;
}

void CVoxCfgDrawingPropSettingsPage::load(const VoxCfgDrawingSettings& /*settings*/, const VoxPrmMiscProjSettings*) {
  m_titles = m_data.titles;
  m_reference = m_data.entry && m_data.entry->isReference;
  std::vector<std::pair<std::wstring, bool>> layers;
  for (const std::wstring& name : m_data.frozenLayers) layers.emplace_back(name, true);
  for (const std::wstring& name : m_data.thawedLayers) layers.emplace_back(name, false);
  std::stable_sort(layers.begin(), layers.end(),
                   [](const auto& a, const auto& b) { return os::toUpper(a.first) < os::toUpper(b.first); });
  m_layers.clear();
  m_frozen.clear();
  for (auto& [name, frozen] : layers) {
    m_layers.push_back(std::move(name));
    m_frozen.push_back(frozen);
  }
}

HcDialogField CVoxCfgDrawingPropSettingsPage::layerField() const {
  HcDialogField field = makeField(L"frozen-layers", L"layers", HcFieldKind::kList, L"");
  field.choices = m_layers;
  for (std::size_t row = 0; row < m_frozen.size(); ++row) {
    if (!m_frozen[row]) continue;
    if (!field.value.empty()) field.value += L',';
    field.value += std::to_wstring(row);
  }
  return field;
}

std::vector<HcDialogField> CVoxCfgDrawingPropSettingsPage::fields() const {
  std::vector<HcDialogField> out;
  out.push_back(makeField(L"file-name", L"drawing", HcFieldKind::kLabel, m_data.fileName));
  out.push_back(makeField(L"project", L"drawing", HcFieldKind::kLabel, m_data.projectName));
  for (const TitleField& field : kTitleFields)
    out.push_back(makeField(field.id, field.group, HcFieldKind::kText, m_titles[field.position]));
  HcDialogField reference = makeField(L"reference", L"section", HcFieldKind::kCheck, m_reference ? L"1" : L"0");
  reference.enabled = m_data.entry.has_value();
  out.push_back(std::move(reference));
  out.push_back(layerField());
  return out;
}

bool CVoxCfgDrawingPropSettingsPage::setField(const std::wstring& id, const std::wstring& value) {
  if (const std::optional<std::size_t> position = titlePosition(id)) {
    m_titles[*position] = value;
    return true;
  }
  if (id == L"reference") {
    if (!m_data.entry || (value != L"0" && value != L"1")) return false;
    m_reference = value == L"1";
    return true;
  }
  if (id == L"frozen-layers") return selectFrozen(value);
  return false;
}

bool CVoxCfgDrawingPropSettingsPage::selectFrozen(const std::wstring& rows) {
  std::optional<std::vector<bool>> selected = parseRows(rows, m_layers.size());
  if (!selected) return false;
  m_frozen = std::move(*selected);
  return true;
}

void CVoxCfgDrawingPropSettingsPage::store(VoxCfgDrawingSettings& settings, VoxPrmMiscProjSettings*) const {
  m_data.titles = m_titles;
  // A value is written only when it differs, so an unset setting stays unset when untouched.
  for (const auto& [position, index] : kTitleSettings) {
    if (settingText(settings, index) != m_titles[position]) settings.setValue(index, &m_titles[position]);
  }
  storeEntry();
  storeLayers();
}

void CVoxCfgDrawingPropSettingsPage::storeEntry() const {
  if (!m_data.entry) return;
  VoxPrmFileDetails& entry = *m_data.entry;
  entry.descriptions = rebuildDescriptions(entry.descriptions, m_titles[0], m_titles[1], m_titles[2]);
  entry.section = m_titles[kTitleSection];
  entry.subSection = m_titles[kTitleSubSection];
  entry.isReference = m_reference;
}

void CVoxCfgDrawingPropSettingsPage::storeLayers() const {
  m_data.frozenLayers.clear();
  m_data.thawedLayers.clear();
  for (std::size_t row = 0; row < m_layers.size(); ++row)
    (m_frozen[row] ? m_data.frozenLayers : m_data.thawedLayers).push_back(m_layers[row]);
}

}  // namespace vox::dialogs
