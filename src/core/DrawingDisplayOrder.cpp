#include "core/DrawingDisplayOrder.h"

#include <algorithm>
#include <cwchar>

#include "host/HcSettingsStore.h"
#include "platform/os/CaseMapping.h"

namespace vox::core {
namespace {

constexpr int kDefaultOrderEntry = 103;
constexpr int kMaxEntries = 26;  // one letter each

// The leading integer of a text, 0 when it has none.
int leadingInteger(const std::wstring& text) { return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10)); }

std::wstring entryName(int i) { return std::wstring(1, static_cast<wchar_t>(L'A' + i)); }

}  // namespace

std::wstring displayOrderKey(const std::wstring& productKey) { return productKey + L"\\Settings\\CurrDisplayOrder"; }

bool readDisplayOrder(const HcSettingsStore* store, const std::wstring& key, DisplayOrder& out) {
  if (store == nullptr) return false;
  if (store->valueNames(key).empty()) {
    out.order.push_back(kDefaultOrderEntry);
    out.separator = L"-";
    out.showSelection = true;
    return true;
  }
  const std::optional<std::wstring> count = store->getString(key, L"NR_ENTRIES");
  if (!count) return false;
  const int entries = std::min(leadingInteger(*count), kMaxEntries);
  for (int i = 0; i < entries; ++i) {
    if (const std::optional<std::wstring> entry = store->getString(key, entryName(i)))
      out.order.push_back(leadingInteger(*entry));
  }
  if (const std::optional<std::wstring> separator = store->getString(key, L"SEPARATOR")) out.separator = *separator;
  const std::optional<std::wstring> show = store->getString(key, L"ShowSelection");
  out.showSelection = !show || os::iequals(*show, L"1");
  return true;
}

bool writeDisplayOrder(HcSettingsStore* store, const std::wstring& key, const DisplayOrder& order) {
  if (store == nullptr) return false;
  const int entries = static_cast<int>(std::min<std::size_t>(order.order.size(), kMaxEntries));
  if (!store->setString(key, L"NR_ENTRIES", std::to_wstring(entries))) return false;
  for (int i = 0; i < entries; ++i) {
    if (!store->setString(key, entryName(i), std::to_wstring(order.order[static_cast<std::size_t>(i)]))) break;
  }
  if (!store->setString(key, L"SEPARATOR", order.separator)) return false;
  return store->setString(key, L"ShowSelection", order.showSelection ? L"1" : L"0");
}

}  // namespace vox::core
