#include "records/VoxCfgDrawingSettings.h"

#include "platform/os/CaseMapping.h"
#include "records/DrawingSettingTable.h"

static_assert(VoxCfgDrawingSettings::kMaxBracketIndex + 1 == vox::records::kDrawingSettingCount);

int VoxCfgDrawingSettings::getMaxBracketIndex() { return kMaxBracketIndex; }

VoxCfgDrawingSettings::VoxCfgDrawingSettings() { initializeData(); }

VoxCfgDrawingSettings& VoxCfgDrawingSettings::operator=(const VoxCfgDrawingSettings& other) {
  if (this == &other) return *this;
  for (std::size_t i = 0; i < kCount; ++i) {
    if (other.m_values[i]) m_values[i] = other.m_values[i];
  }
  return *this;
}

VoxCfgDrawingSettings::Status VoxCfgDrawingSettings::getValue(int index, std::wstring& value) const {
  if (index < 0 || index > kMaxBracketIndex) return kOk;
  const Slot& slot = m_values[static_cast<std::size_t>(index)];
  if (!slot) return kNotSet;
  value = *slot;
  return kOk;
}

VoxCfgDrawingSettings::Status VoxCfgDrawingSettings::setValue(int index, const std::wstring* value) {
  if (index > kMaxBracketIndex) return kIndexTooHigh;
  if (index < 0) return kOk;
  Slot& slot = m_values[static_cast<std::size_t>(index)];
  if (value == nullptr) {
    freeAndSetOnePtrNULL(slot);
  } else {
    slot = *value;
  }
  return kOk;
}

bool VoxCfgDrawingSettings::operator==(const VoxCfgDrawingSettings& other) const {
  for (std::size_t i = 0; i < kCount; ++i) {
    const Slot& mine = m_values[i];
    const Slot& theirs = other.m_values[i];
    if (mine.has_value() != theirs.has_value()) return false;
    if (mine && !vox::os::iequals(*mine, *theirs)) return false;
  }
  return true;
}

void VoxCfgDrawingSettings::reInitializeData() { initializeData(); }

void VoxCfgDrawingSettings::initializeData() { m_values.fill(std::nullopt); }

void VoxCfgDrawingSettings::freeAndSetOnePtrNULL(Slot& slot) { slot.reset(); }

bool VoxCfgDrawingSettings::getWD_MTagForIndex(int index, std::wstring& tag) {
  const vox::records::DrawingSettingInfo* info = vox::records::drawingSettingInfo(index);
  if (info == nullptr) return false;
  tag = info->tag;
  return true;
}

bool VoxCfgDrawingSettings::getWD_MAltTagForIndex(int index, std::wstring& tag) {
  const vox::records::DrawingSettingInfo* info = vox::records::drawingSettingInfo(index);
  if (info == nullptr || info->altTag.empty()) return false;
  tag = info->altTag;
  return true;
}

int VoxCfgDrawingSettings::getIndexForWD_MTag(const std::wstring& tag) {
  for (int index = 0; index <= kMaxBracketIndex; ++index) {
    if (vox::os::iequals(vox::records::drawingSettingInfo(index)->tag, tag)) return index;
  }
  return -1;
}

int VoxCfgDrawingSettings::getIndexForWD_MTag(const wchar_t* tag) {
  return tag == nullptr ? -1 : getIndexForWD_MTag(std::wstring(tag));
}
