#include "palette/RenameRules.h"

#include "platform/os/CaseMapping.h"
#include "platform/os/Trim.h"
#include "platform/os/WinPath.h"

namespace vox::palette {
namespace {

bool validFileName(const std::wstring& name) {
  for (const wchar_t c : name)
    if (c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
  const std::wstring stem = os::stem(name);
  return !stem.empty() && stem.find_first_not_of(L'.') != std::wstring::npos;
}

}  // namespace

RenameTarget renameTarget(const std::wstring& text, const std::wstring& labelBeforeEditing) {
  const std::wstring name = os::trimmed(text);
  if (name.empty()) return {RenameVerdict::kEmpty, {}};
  if (os::iequals(name, labelBeforeEditing)) return {RenameVerdict::kSame, {}};
  // The separator check comes first: the extension of "a/b.txt" would otherwise be taken from
  // the last component only.
  const bool separator = name.find_first_of(L"\\/") != std::wstring::npos;
  const std::wstring fileName = os::replaceExtension(name, L".dwg");
  if (separator || !validFileName(fileName)) return {RenameVerdict::kInvalid, fileName};
  if (os::iequals(fileName, labelBeforeEditing)) return {RenameVerdict::kSame, {}};
  return {RenameVerdict::kRename, fileName};
}

}  // namespace vox::palette
