#pragma once
// The host's system variables by name (ignoring case): integers as 16-bit values, texts as
// strings. The reference host starts with the ones the module reads.

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "host/HcResBuf.h"
#include "platform/os/CaseMapping.h"

namespace vox::runtime {

class SystemVariables {
 public:
  SystemVariables();

  std::optional<HcResBuf> get(const std::wstring& name) const;
  // Sets a known or a new variable; `onChanged` (if set) hears the name afterwards.
  void set(const std::wstring& name, HcResBuf value);
  void setInteger(const std::wstring& name, int value);
  void setText(const std::wstring& name, const std::wstring& value);
  std::optional<int> integer(const std::wstring& name) const;

  void onChanged(std::function<void(const std::wstring&)> listener) { listener_ = std::move(listener); }

 private:
  std::unordered_map<std::wstring, HcResBuf, os::CaseInsensitiveHash, os::CaseInsensitiveEqual> values_;
  std::function<void(const std::wstring&)> listener_;
};

}  // namespace vox::runtime
