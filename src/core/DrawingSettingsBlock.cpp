#include "core/DrawingSettingsBlock.h"

#include <algorithm>
#include <limits>

#include "core/VoxPrmProject.h"
#include "core/VoxPrmProjectManager.h"
#include "host/HcInteraction.h"
#include "host/HcMessageCatalog.h"
#include "host/LispCoreSettingsCalls.h"
#include "host/VoxDbxBlockRef.h"
#include "platform/os/CaseMapping.h"
#include "records/DrawingSettingTable.h"
#include "records/VoxCfgDrawingSettings.h"

namespace vox::core {
namespace {

constexpr unsigned kBlockNotInsertedText = 280;
constexpr unsigned kBlockNotInsertedCaption = 281;
constexpr int kSheetIndex = 13;
constexpr double kAttributeSpacing = 1.5;

const std::array<const wchar_t*, 16> kLadderBlocks = {
    L"WD_MLRH", L"WD_MLRHX", L"WD_MLRH1", L"WD_MLRH2", L"WD_MLRH6", L"WD_MLRH7", L"WD_MLRH8", L"WD_MLRH9",
    L"WD_MLRV", L"WD_MLRVX", L"WD_MLRV1", L"WD_MLRV2", L"WD_MLRV6", L"WD_MLRV7", L"WD_MLRV8", L"WD_MLRV9"};

const std::array<std::wstring, 10> kTitleValueNames = {
    L"Drawing Description 1", L"Drawing Description 2", L"Drawing Description 3", L"Project Code",
    L"Installation Code",     L"Location Code",         L"Sheet",                 L"Drawing",
    L"Section",               L"Sub-Section"};

std::wstring tagOf(int index) {
  std::wstring tag;
  VoxCfgDrawingSettings::getWD_MTagForIndex(index, tag);
  return tag;
}

std::wstring altTagOf(int index) {
  std::wstring tag;
  VoxCfgDrawingSettings::getWD_MAltTagForIndex(index, tag);
  return tag;
}

// The spaces a search visits, in order: model space, the first paper space, then one numbered
// paper space for each further layout.
std::vector<std::wstring> searchedSpaces(const VoxDbxBlockRef& db) {
  std::vector<std::wstring> spaces = {L"*Model_Space", L"*Paper_Space"};
  const int layouts = db.numberOfLayouts();
  for (int i = 0; layouts > 1 && i <= layouts - 2; ++i) spaces.push_back(L"*Paper_Space" + std::to_wstring(i));
  return spaces;
}

// The open reference is the settings block, or one is found. Another block's reference left
// open (a ladder block the caller found) does not count.
bool settingsBlockOpen(VoxDbxBlockRef& db) {
  if (db.isBlockRefOpen() && os::iequals(db.openBlockName(), kSettingsBlockName)) return true;
  return findBlockReference(db, kSettingsBlockName);
}

// The tag of the attribute lowest in the drawing (smallest Y; the first on equal Y); empty
// when the block has none.
std::wstring lowestAttributeTag(const VoxDbxBlockRef& db) {
  std::wstring tag;
  double lowest = std::numeric_limits<double>::infinity();
  for (const VoxDbxAttribute& a : db.attributes()) {
    if (a.position.y < lowest) {
      lowest = a.position.y;
      tag = a.tag;
    }
  }
  return tag;
}

bool hasTagOrAlternate(const VoxDbxBlockRef& db, int index) {
  const std::wstring alternate = altTagOf(index);
  return db.hasAttribute(tagOf(index)) || (!alternate.empty() && db.hasAttribute(alternate));
}

void showBlockNotInserted() {
  HcInteraction* interaction = hcInteraction();
  if (interaction == nullptr) return;
  const HcResourceScope resources;
  interaction->messageBox(hcResourceString(kBlockNotInsertedText), hcResourceString(kBlockNotInsertedCaption),
                          HcIcon::kExclamation, HcButtons::kOk);
}

std::optional<std::wstring> wireFormatOf(const VoxCfgDrawingSettings& settings) {
  std::wstring value;
  const int index = VoxCfgDrawingSettings::getIndexForWD_MTag(L"WIREFMT");
  if (settings.getValue(index, value) != VoxCfgDrawingSettings::kOk) return std::nullopt;
  return value;
}

// Writes `settings` and, when that worked, passes a changed wire number format on.
bool writeAndPropagate(VoxDbxBlockRef& db, const VoxCfgDrawingSettings& settings,
                       const std::optional<std::wstring>& oldFormat) {
  if (!writeDrawingSettings(db, settings)) return false;
  propagateWireFormat(db, oldFormat, wireFormatOf(settings));
  return true;
}

// The custom property of title value `position`, found by name ignoring case; null when missing.
VoxDbxCustomProperty* titleProperty(VoxDbxSummaryInfo& info, std::size_t position) {
  for (VoxDbxCustomProperty& property : info.customProperties)
    if (os::iequals(property.name, kTitleValueNames[position])) return &property;
  return nullptr;
}

}  // namespace

const std::wstring& titleValueName(std::size_t position) { return kTitleValueNames.at(position); }

bool findBlockReference(VoxDbxBlockRef& db, const std::wstring& blockName) {
  for (const std::wstring& space : searchedSpaces(db)) {
    if (db.selectSpace(space) && db.find(blockName, 0, 0)) return true;
  }
  return false;
}

bool ensureWDMBlock(VoxDbxBlockRef& db, bool report) {
  if (findBlockReference(db, kSettingsBlockName)) return true;
  std::optional<std::wstring> file = host::lispcore::blockFilePath(kSettingsBlockName, report);
  if (!file) return false;
  std::replace(file->begin(), file->end(), L'/', L'\\');
  const bool inserted = db.selectSpace(L"*Model_Space") &&
                        db.insertBlock(kSettingsBlockName, *file, VoxDbxPoint{}, 1.0, 1.0, 1.0, 0, 0, true) &&
                        findBlockReference(db, kSettingsBlockName);
  if (!inserted && report) showBlockNotInserted();
  return inserted;
}

bool readDrawingSettings(VoxDbxBlockRef& db, VoxCfgDrawingSettings& settings, bool fillDefaults) {
  if (fillDefaults) settings.fillWithDefaults(nullptr, true);
  if (!settingsBlockOpen(db)) return false;
  for (int index = 0; index < records::kDrawingSettingCount; ++index) {
    std::wstring value;
    const std::wstring alternate = altTagOf(index);
    if (db.getAttributeValue(tagOf(index), value) || (!alternate.empty() && db.getAttributeValue(alternate, value)))
      settings.setValue(index, &value);
  }
  return true;
}

// A block without any attribute gets its first one at the reference's insertion point; the
// accessor places an attribute added without a reference tag there.
bool ensureWDMAttributes(VoxDbxBlockRef& db) {
  if (!settingsBlockOpen(db)) return false;
  std::wstring referenceTag;
  bool first = db.attributes().empty();
  for (int index = 0; index < records::kDrawingSettingCount; ++index) {
    if (hasTagOrAlternate(db, index)) continue;
    if (referenceTag.empty()) referenceTag = lowestAttributeTag(db);
    const std::wstring tag = tagOf(index);
    const double dy = first ? 0.0 : -kAttributeSpacing;
    if (!db.addAttribute(referenceTag, tag, L"", true, 0.0, dy, true)) return false;
    referenceTag = tag;
    first = false;
  }
  return true;
}

bool writeDrawingSettings(VoxDbxBlockRef& db, const VoxCfgDrawingSettings& settings) {
  if (!settingsBlockOpen(db) || !ensureWDMAttributes(db)) return false;
  for (int index = 0; index < records::kDrawingSettingCount; ++index) {
    std::wstring value;
    settings.getValue(index, value);  // unset leaves it empty
    if (!db.setAttributeValue(tagOf(index), value) && index == kSheetIndex) db.setAttributeValue(altTagOf(index), value);
  }
  return true;
}

bool updateDrawingFromProject(VoxDbxBlockRef& db, const VoxPrmProject* project, bool report) {
  if (!ensureWDMBlock(db, report)) return false;
  VoxCfgDrawingSettings settings;
  if (!readDrawingSettings(db, settings, false)) settings.fillWithDefaults(project, true);
  const std::optional<std::wstring> oldFormat = wireFormatOf(settings);
  if (project != nullptr) {
    settings.CopyNonDrawingSpecificValues(project->getProjDefWDMVals(), false);
  } else if (const VoxPrmProject* active = GetActiveProject()) {
    settings.CopyNonDrawingSpecificValues(active->getProjDefWDMVals(), true);
  }
  return writeAndPropagate(db, settings, oldFormat);
}

bool updateDrawingFromSettings(VoxDbxBlockRef& db, const VoxCfgDrawingSettings& source, bool report) {
  if (!ensureWDMBlock(db, report)) return false;
  VoxCfgDrawingSettings settings;
  readDrawingSettings(db, settings, true);
  const std::optional<std::wstring> oldFormat = wireFormatOf(settings);
  settings.CopyNonDrawingSpecificValues(source, true);
  return writeAndPropagate(db, settings, oldFormat);
}

// Every space is walked for each ladder block, so references on every layout follow.
bool propagateWireFormat(VoxDbxBlockRef& db, const std::optional<std::wstring>& oldFormat,
                         const std::optional<std::wstring>& newFormat) {
  if (!oldFormat || !newFormat) return false;
  if (*oldFormat == *newFormat) return true;
  const std::vector<std::wstring> spaces = searchedSpaces(db);
  for (const wchar_t* ladder : kLadderBlocks) {
    for (const std::wstring& space : spaces) {
      if (!db.selectSpace(space)) continue;
      for (bool found = db.find(ladder, 0, 0); found; found = db.findNext()) {
        std::wstring format;
        if (db.getAttributeValue(L"WIREFMT", format) && os::iequals(format, *oldFormat))
          db.setAttributeValue(L"WIREFMT", *newFormat);
      }
    }
  }
  return true;
}

bool readTitleValues(const VoxDbxBlockRef& db, TitleValues& values) {
  VoxDbxSummaryInfo info;
  if (!db.getSummaryInfo(info)) return false;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (const VoxDbxCustomProperty* found = titleProperty(info, i)) values[i] = found->value;
  }
  return true;
}

bool writeTitleValues(VoxDbxBlockRef& db, const TitleValues& values) {
  VoxDbxSummaryInfo info;
  if (!db.getSummaryInfo(info)) return false;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (VoxDbxCustomProperty* found = titleProperty(info, i)) {
      found->value = values[i];
    } else {
      info.customProperties.push_back({kTitleValueNames[i], values[i]});
    }
  }
  return db.putSummaryInfo(info);
}

void readLayerLists(const VoxDbxBlockRef& db, std::vector<std::wstring>& frozen, std::vector<std::wstring>& thawed) {
  const std::wstring current = db.currentLayer();
  for (const VoxDbxLayer& layer : db.layers()) {
    if (os::iequals(layer.name, current)) continue;
    (layer.frozen ? frozen : thawed).push_back(layer.name);
  }
}

void applyLayerList(VoxDbxBlockRef& db, const std::vector<std::wstring>& layers, bool freeze) {
  const std::wstring current = db.currentLayer();
  for (const VoxDbxLayer& layer : db.layers()) {
    if (os::iequals(layer.name, current)) continue;
    const bool listed = std::any_of(layers.begin(), layers.end(),
                                    [&layer](const std::wstring& name) { return os::iequals(name, layer.name); });
    if (listed) db.setLayerFrozen(layer.name, freeze);
  }
}

}  // namespace vox::core
