#include "platform/interaction/FileMessageCatalog.h"

#include <cwctype>
#include <fstream>
#include <sstream>

#include "platform/os/NativePath.h"

namespace vox::interaction {
namespace {

std::wstring unescape(const std::wstring& s) {
  std::wstring out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != L'\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    const wchar_t next = s[++i];
    out += next == L'n' ? L'\n' : next == L't' ? L'\t' : next;
  }
  return out;
}

bool isName(const std::wstring& key) {
  if (key.empty()) return false;
  for (const wchar_t c : key)
    if (!(std::iswalnum(static_cast<wint_t>(c)) || c == L'-' || c == L'_' || c == L'.')) return false;
  return true;
}

}  // namespace

std::string catalogPathIn(const std::string& nativeFolder) { return nativeFolder + "/resources/voxfolio-messages.txt"; }

bool FileMessageCatalog::load(const std::string& nativePath) {
  std::ifstream in(nativePath, std::ios::binary);
  if (!in) {
    problems_.push_back(L"cannot read the message catalog " + os::decodeFileName(nativePath));
    return false;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  parse(os::decodeFileName(bytes.str()));
  return true;
}

void FileMessageCatalog::parse(const std::wstring& text) {
  std::wistringstream lines(text);
  std::wstring line;
  for (std::size_t number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    const std::size_t start = line.find_first_not_of(L" \t");
    if (start == std::wstring::npos || line[start] == L'#') continue;
    const std::size_t equals = line.find(L'=');
    const std::wstring key = equals == std::wstring::npos ? std::wstring() : line.substr(start, equals - start);
    const std::wstring value = equals == std::wstring::npos ? std::wstring() : unescape(line.substr(equals + 1));
    if (!key.empty() && key.find_first_not_of(L"0123456789") == std::wstring::npos && key.size() <= 9) {
      strings_[static_cast<unsigned>(std::stoul(key))] = value;
    } else if (isName(key)) {
      texts_[key] = value;
    } else {
      problems_.push_back(L"line " + std::to_wstring(number) + L": expected NUMBER=text or name=text");
    }
  }
}

std::optional<std::wstring> FileMessageCatalog::string(unsigned id) const {
  const auto it = strings_.find(id);
  if (it == strings_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::wstring> FileMessageCatalog::text(const std::wstring& name) const {
  const auto it = texts_.find(name);
  if (it == texts_.end()) return std::nullopt;
  return it->second;
}

}  // namespace vox::interaction
