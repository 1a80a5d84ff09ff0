#pragma once
// Objects the host publishes by name in its system registry, and the registry lookup.

#include <string_view>

class HcRxObject {
 public:
  virtual ~HcRxObject() = default;
};

// Names of the registry entries the module looks up.
inline constexpr std::wstring_view kHcEditorEntry = L"HcEditor";
inline constexpr std::wstring_view kHcRegisteredCommandsEntry = L"DFTR_REGISTERED_COMMANDS";

// The object registered under `name`, or null.
HcRxObject* hcrxSysRegistryLookup(std::wstring_view name);
