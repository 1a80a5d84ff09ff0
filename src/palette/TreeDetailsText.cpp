#include "palette/TreeDetailsText.h"

#include <sstream>

#include "host/ResourceText.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Trim.h"

namespace vox::palette {
namespace {

enum : unsigned {
  kUnknownText = 400, kNotLockedText = 401, kLockedByText = 402, kLockedBySomeoneText = 403, kReadOnlyText = 404,
  kNotFoundText = 405, kNoFolderAccessText = 406, kKilobytesFormat = 418, kMegabytesFormat = 419, kNumberedLine = 421
};

std::optional<int> positiveNumber(const std::wstring& text) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of(L"0123456789") != std::wstring::npos) return std::nullopt;
  const int n = std::stoi(text);
  return n > 0 ? std::optional<int>(n) : std::nullopt;
}

}  // namespace

std::optional<std::wstring> lockStatusText(_lockStatus status, const std::wstring& holder) {
  switch (status) {
    case kLockStatusUnknown: return host::resourceText(kUnknownText);
    case kNotLocked: return host::resourceText(kNotLockedText);
    case kLockedByMe:
    case kLockedByOther: return host::resourceText(kLockedByText, {holder});
    case kLockedHolderUnknown: return host::resourceText(kLockedBySomeoneText);
    case kReadOnly: return host::resourceText(kReadOnlyText);
    case kFileNotFound: return host::resourceText(kNotFoundText);
    case kNoFolderAccess: return host::resourceText(kNoFolderAccessText);
    default: return std::nullopt;
  }
}

std::wstring fileSizeText(long long bytes) {
  const long long kilobytes = bytes / 1024;
  if (kilobytes > 1023)
    return host::resourceText(kMegabytesFormat, {std::to_wstring(kilobytes / 1024), std::to_wstring(bytes)});
  return host::resourceText(kKilobytesFormat, {std::to_wstring(kilobytes), std::to_wstring(bytes)});
}

std::map<int, std::wstring> titleBlockLabels(const std::wstring& content) {
  std::map<int, std::wstring> labels;
  std::wistringstream lines(content);
  for (std::wstring line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    const std::size_t word = os::toUpper(line).find(L"LINE");
    const std::size_t equals = word == std::wstring::npos ? word : line.find(L'=', word + 4);
    if (equals == std::wstring::npos) continue;
    const std::optional<int> n = positiveNumber(os::trimmed(line.substr(word + 4, equals - word - 4)));
    if (n) labels[*n] = line.substr(equals + 1);
  }
  return labels;
}

std::wstring descriptionLineLabel(const std::map<int, std::wstring>& labels, int n) {
  const auto found = labels.find(n);
  if (found != labels.end() && !found->second.empty()) return found->second + L" ";
  return host::resourceText(kNumberedLine, {std::to_wstring(n)}) + L" ";
}

}  // namespace vox::palette
