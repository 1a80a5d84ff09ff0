#include "records/TextList.h"

#include <algorithm>

#include "platform/os/CaseMapping.h"

namespace vox::records {
namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view trimmed(std::wstring_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::vector<std::wstring> listElements(std::wstring_view list) {
  std::vector<std::wstring> elements;
  while (true) {
    const std::size_t comma = list.find(L',');
    const std::wstring_view element = trimmed(list.substr(0, comma));
    if (!element.empty()) elements.emplace_back(element);
    if (comma == std::wstring_view::npos) return elements;
    list.remove_prefix(comma + 1);
  }
}

bool containsElement(const std::vector<std::wstring>& elements, std::wstring_view element) {
  return std::any_of(elements.begin(), elements.end(),
                     [element](const std::wstring& e) { return vox::os::iequals(e, element); });
}

}  // namespace vox::records
