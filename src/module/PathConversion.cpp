#include "module/PathConversion.h"

#include <algorithm>

#include "platform/os/WinPath.h"

namespace vox::module {
namespace {

struct Prepared {
  std::wstring path;
  std::wstring base;
  bool slashes;
};

Prepared prepare(const std::wstring& path, const std::wstring& base) {
  Prepared p{os::toBackslashes(path), os::toBackslashes(base), path.find(L'/') != std::wstring::npos};
  while (!p.base.empty() && p.base.back() == L'\\') p.base.pop_back();
  return p;
}

std::optional<std::wstring> finish(std::optional<std::wstring> result, bool slashes) {
  if (result && slashes) std::replace(result->begin(), result->end(), L'\\', L'/');
  return result;
}

}  // namespace

std::optional<std::wstring> absoluteToRelative(const std::wstring& path, const std::wstring& base) {
  const Prepared p = prepare(path, base);
  std::optional<std::wstring> relative = os::relativePathTo(p.base, p.path);
  if (relative && relative->starts_with(L".\\")) relative->erase(0, 2);
  return finish(std::move(relative), p.slashes);
}

std::optional<std::wstring> relativeToAbsolute(const std::wstring& relative, const std::wstring& base) {
  const Prepared p = prepare(relative, base);
  return finish(os::combine(p.base, p.path), p.slashes);
}

}  // namespace vox::module
