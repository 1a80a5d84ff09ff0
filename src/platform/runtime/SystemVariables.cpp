#include "platform/runtime/SystemVariables.h"

namespace vox::runtime {

SystemVariables::SystemVariables() {
  for (const auto& [name, value] : {std::pair{L"SDI", 0}, {L"DWGTITLED", 0}, {L"LUPREC", 4}, {L"CleanScreenState", 0}})
    values_[name] = HcResBuf{kRtShort, static_cast<std::int16_t>(value)};
  values_[L"TemplatePath"] = HcResBuf{kRtStr, std::wstring()};
}

std::optional<HcResBuf> SystemVariables::get(const std::wstring& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void SystemVariables::set(const std::wstring& name, HcResBuf value) {
  values_[name] = std::move(value);
  if (listener_) listener_(name);
}

void SystemVariables::setInteger(const std::wstring& name, int value) {
  set(name, value >= INT16_MIN && value <= INT16_MAX ? HcResBuf{kRtShort, static_cast<std::int16_t>(value)}
                                                     : HcResBuf{kRtLong, static_cast<std::int32_t>(value)});
}

void SystemVariables::setText(const std::wstring& name, const std::wstring& value) { set(name, HcResBuf{kRtStr, value}); }

std::optional<int> SystemVariables::integer(const std::wstring& name) const {
  const std::optional<HcResBuf> value = get(name);
  if (!value) return std::nullopt;
  return value->integer();
}

}  // namespace vox::runtime
