#include "platform/os/WinPath.h"

#include "platform/os/CaseMapping.h"

namespace vox::os {
namespace {

constexpr wchar_t kSep = L'\\';

bool isLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// Length of the root at the start of `p` (see PathParts), not counting a following separator.
std::size_t rootLength(std::wstring_view p) {
  if (isDriveLetterPath(p)) return 2;
  if (isUncPath(p)) {
    std::size_t pos = p.find(kSep, 2);  // end of server
    if (pos == std::wstring_view::npos) return p.size();
    pos = p.find(kSep, pos + 1);  // end of share
    return pos == std::wstring_view::npos ? p.size() : pos;
  }
  if (!p.empty() && p[0] == kSep) return 1;
  return 0;
}

std::size_t lastSeparator(std::wstring_view p) { return p.rfind(kSep); }

bool sameRoot(const PathParts& a, const PathParts& b) { return iequals(a.root, b.root); }

}  // namespace

bool isDriveLetterPath(std::wstring_view p) { return p.size() >= 2 && isLetter(p[0]) && p[1] == L':'; }

bool isUncPath(std::wstring_view p) { return p.size() >= 2 && p[0] == kSep && p[1] == kSep; }

bool isRelative(std::wstring_view p) { return !(isDriveLetterPath(p) || (!p.empty() && p[0] == kSep)); }

PathParts splitPath(std::wstring_view p) {
  PathParts parts;
  const std::size_t rootLen = rootLength(p);
  parts.root.assign(p.substr(0, rootLen));
  std::size_t pos = rootLen;
  while (pos < p.size()) {
    std::size_t next = p.find(kSep, pos);
    if (next == std::wstring_view::npos) next = p.size();
    if (next > pos) parts.components.emplace_back(p.substr(pos, next - pos));
    pos = next + 1;
  }
  parts.trailingSeparator = p.size() > rootLen && p.back() == kSep;
  return parts;
}

std::wstring joinPath(const PathParts& parts) {
  std::wstring out = parts.root;
  const bool separatorAfterRoot = !parts.root.empty() && parts.root != L"\\";
  for (std::size_t i = 0; i < parts.components.size(); ++i) {
    if (i > 0 || separatorAfterRoot) out += kSep;
    out += parts.components[i];
  }
  if (parts.trailingSeparator && !parts.components.empty()) out += kSep;
  if (parts.components.empty() && separatorAfterRoot && (parts.trailingSeparator || isDriveLetterPath(parts.root)))
    out += kSep;  // "C:\" and "\\server\share\" keep their separator
  return out;
}

std::wstring toBackslashes(std::wstring_view p) {
  std::wstring out(p);
  for (wchar_t& c : out)
    if (c == L'/') c = kSep;
  return out;
}

std::wstring canonicalize(std::wstring_view p) {
  PathParts parts = splitPath(p);
  const bool absolute = !parts.root.empty();
  std::vector<std::wstring> kept;
  kept.reserve(parts.components.size());
  for (std::wstring& c : parts.components) {
    if (c == L".") continue;
    if (c == L"..") {
      if (!kept.empty() && kept.back() != L"..") {
        kept.pop_back();
      } else if (!absolute) {
        kept.push_back(std::move(c));
      }
      continue;
    }
    kept.push_back(std::move(c));
  }
  parts.components = std::move(kept);
  return joinPath(parts);
}

namespace {

// A path that begins with a single "\" names a folder on the drive or share of `folder`.
bool startsAtCurrentRoot(std::wstring_view path) { return !path.empty() && path[0] == kSep && !isUncPath(path); }

std::wstring onRootOf(std::wstring_view folder, std::wstring_view path) {
  std::wstring root = splitPath(folder).root;
  if (root == L"\\") root.clear();
  return root + std::wstring(path);
}

}  // namespace

std::optional<std::wstring> combine(std::wstring_view folder, std::wstring_view path) {
  std::wstring joined;
  if (startsAtCurrentRoot(path)) {
    joined = onRootOf(folder, path);
  } else if (!isRelative(path) || folder.empty()) {
    joined.assign(path);
  } else {
    joined.reserve(folder.size() + 1 + path.size());
    joined.assign(folder);
    if (joined.back() != kSep) joined += kSep;
    joined += path;
  }
  std::wstring result = canonicalize(joined);
  if (!fitsMaxPath(result)) return std::nullopt;
  return result;
}

std::optional<std::wstring> relativePathTo(std::wstring_view folder, std::wstring_view file) {
  const PathParts from = splitPath(canonicalize(folder));
  const PathParts to = splitPath(canonicalize(file));
  if (from.root.empty() || to.root.empty() || !sameRoot(from, to)) return std::nullopt;
  std::size_t common = 0;
  while (common < from.components.size() && common < to.components.size() &&
         iequals(from.components[common], to.components[common]))
    ++common;
  PathParts rel;
  for (std::size_t i = common; i < from.components.size(); ++i) rel.components.emplace_back(L"..");
  for (std::size_t i = common; i < to.components.size(); ++i) rel.components.push_back(to.components[i]);
  if (rel.components.empty()) return std::nullopt;
  rel.trailingSeparator = to.trailingSeparator;
  std::wstring result = joinPath(rel);
  if (!fitsMaxPath(result)) return std::nullopt;
  return result;
}

std::wstring qualify(std::wstring_view path, std::wstring_view currentFolder) {
  if (startsAtCurrentRoot(path)) return canonicalize(onRootOf(currentFolder, path));
  if (!isRelative(path)) return canonicalize(path);
  std::wstring joined(currentFolder);
  if (!joined.empty() && joined.back() != kSep) joined += kSep;
  joined += path;
  return canonicalize(joined);
}

std::wstring fileName(std::wstring_view p) {
  const std::size_t rootLen = rootLength(p);
  const std::size_t sep = lastSeparator(p);
  const std::size_t start = (sep == std::wstring_view::npos) ? 0 : sep + 1;
  return std::wstring(p.substr(start < rootLen ? rootLen : start));
}

std::wstring folderOf(std::wstring_view p) {
  const std::size_t rootLen = rootLength(p);
  const std::size_t sep = lastSeparator(p);
  if (sep == std::wstring_view::npos || sep < rootLen) return std::wstring(p.substr(0, rootLen));
  return std::wstring(p.substr(0, sep));
}

std::wstring extension(std::wstring_view p) {
  const std::wstring name = fileName(p);
  const std::size_t dot = name.rfind(L'.');
  if (dot == std::wstring::npos) return {};
  return name.substr(dot);
}

std::wstring stem(std::wstring_view p) {
  const std::wstring name = fileName(p);
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring replaceExtension(std::wstring_view p, std::wstring_view ext) {
  const std::size_t extLen = extension(p).size();
  std::wstring out(p.substr(0, p.size() - extLen));
  out += ext;
  return out;
}

bool samePath(std::wstring_view a, std::wstring_view b) { return iequals(a, b); }

}  // namespace vox::os
