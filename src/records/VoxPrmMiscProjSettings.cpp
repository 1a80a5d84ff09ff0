#include "records/VoxPrmMiscProjSettings.h"

#include "platform/os/CaseMapping.h"
#include "records/NumberText.h"

namespace {

enum class ValueType { kText, kInteger, kDouble };

constexpr int kDoubleIndex = 30;

ValueType typeOf(int index) {
  switch (index) {
    case 1: case 2: case 3: case 4: case 7: case 9: case 16: case 17: case 20:
    case 22: case 24: case 26: case 27: case 33: case 35: case 38:
      return ValueType::kText;
    case kDoubleIndex:
      return ValueType::kDouble;
    default:
      return ValueType::kInteger;
  }
}

struct TextForm {
  std::wstring operator()(const std::wstring& text) const { return text; }
  std::wstring operator()(int number) const { return vox::records::formatInt(number); }
  std::wstring operator()(double number) const { return vox::records::formatFixed(number); }
};

}  // namespace

int VoxPrmMiscProjSettings::getMaxBracketIndex() { return kMaxIndex; }

VoxPrmMiscProjSettings::VoxPrmMiscProjSettings() { initializeData(); }

VoxPrmMiscProjSettings::VoxPrmMiscProjSettings(const VoxPrmMiscProjSettings& other)
    : VoxPrmMiscProjSettings() {
  *this = other;
}

VoxPrmMiscProjSettings& VoxPrmMiscProjSettings::operator=(const VoxPrmMiscProjSettings& other) {
  if (this == &other) return *this;
  for (int index = 1; index <= kMaxIndex; ++index) {
    std::wstring text;
    if (other.getValue(index, text) == kOk) setValue(index, &text);
  }
  return *this;
}

VoxPrmMiscProjSettings::Status VoxPrmMiscProjSettings::getValue(int index, std::wstring& value) const {
  if (!inRange(index)) return kOk;
  if (!slot(index)) return kNotSet;
  value = std::visit(TextForm{}, *slot(index));
  return kOk;
}

VoxPrmMiscProjSettings::Status VoxPrmMiscProjSettings::getValue(int index, int& value) const {
  if (!inRange(index) || typeOf(index) != ValueType::kInteger) return kWrongIndexOrType;
  if (!slot(index)) return kNotSet;
  value = std::get<int>(*slot(index));
  return kOk;
}

VoxPrmMiscProjSettings::Status VoxPrmMiscProjSettings::getValue(int index, double& value) const {
  if (index != kDoubleIndex) return kWrongIndexOrType;
  if (!slot(index)) return kNotSet;
  value = std::get<double>(*slot(index));
  return kOk;
}

VoxPrmMiscProjSettings::Status VoxPrmMiscProjSettings::setValue(int index, const std::wstring* value) {
  if (!inRange(index)) return kOk;
  if (value == nullptr) {
    slot(index).reset();
    return kOk;
  }
  switch (typeOf(index)) {
    case ValueType::kText: slot(index) = *value; break;
    case ValueType::kInteger: slot(index) = vox::records::parseLeadingInt(*value); break;
    case ValueType::kDouble: slot(index) = vox::records::parseLeadingDouble(*value); break;
  }
  return kOk;
}

VoxPrmMiscProjSettings::Status VoxPrmMiscProjSettings::setValue(int index, const int* value) {
  if (!inRange(index) || typeOf(index) != ValueType::kInteger) return kWrongIndexOrType;
  slot(index) = value ? std::optional<Value>(*value) : std::nullopt;
  return kOk;
}

VoxPrmMiscProjSettings::Status VoxPrmMiscProjSettings::setValue(int index, const double* value) {
  if (index != kDoubleIndex) return kWrongIndexOrType;
  slot(index) = value ? std::optional<Value>(*value) : std::nullopt;
  return kOk;
}

bool VoxPrmMiscProjSettings::operator==(const VoxPrmMiscProjSettings& other) const {
  for (int index = 1; index <= kMaxIndex; ++index) {
    std::wstring mine;
    std::wstring theirs;
    getValue(index, mine);
    other.getValue(index, theirs);
    if (!vox::os::iequals(mine, theirs)) return false;
  }
  return true;
}

void VoxPrmMiscProjSettings::reInitializeData() { initializeData(); }

void VoxPrmMiscProjSettings::initializeData() { m_values.fill(std::nullopt); }
