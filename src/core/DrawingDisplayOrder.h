#pragma once
// The drawing-list display order of the palette, kept in the settings store under the host's
// product key + "\Settings\CurrDisplayOrder" as strings: "NR_ENTRIES", one value per entry named
// "A", "B", ..., "SEPARATOR" and "ShowSelection" ("1" or "0").

#include <string>
#include <vector>

class HcSettingsStore;

namespace vox::core {

struct DisplayOrder {
  std::vector<int> order;  // display field codes, in order
  std::wstring separator;
  bool showSelection = true;
};

std::wstring displayOrderKey(const std::wstring& productKey);

// Appends the stored entries to `order` and sets the separator (kept when not stored) and the
// selection flag. Without the key the defaults: one entry 103, "-", true. False when there is no
// store or the entry count cannot be read.
bool readDisplayOrder(const HcSettingsStore* store, const std::wstring& key, DisplayOrder& out);
// False when there is no store or a value cannot be written; a failing entry ends the entries.
bool writeDisplayOrder(HcSettingsStore* store, const std::wstring& key, const DisplayOrder& order);

}  // namespace vox::core
