#include "platform/os/NativePath.h"

#include <mutex>

#include "platform/os/CaseMapping.h"
#include "platform/os/WinPath.h"

namespace vox::os {
namespace {

constexpr wchar_t kEscapeBase = 0xDC80;

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `i`; returns its length, or 0 when it is not valid.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& c) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char lead = b(0);
  std::size_t len = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    c = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    len = 2, c = lead & 0x1F, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    len = 3, c = lead & 0x0F, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    len = 4, c = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    if ((b(k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b(k) & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return len;
}

struct ProcessRoots {
  std::mutex mutex;
  RootMap map;
};

ProcessRoots& processRoots() {
  static ProcessRoots roots;
  return roots;
}

const std::pair<std::wstring, std::string>* findRoot(const RootMap& map, std::wstring_view root) {
  for (const auto& entry : map.roots)
    if (iequals(entry.first, root)) return &entry;
  return nullptr;
}

std::string trimTrailingSlashes(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

}  // namespace

std::string encodeFileName(std::wstring_view name) {
  std::string out;
  out.reserve(name.size());
  for (const wchar_t wc : name) {
    const auto c = static_cast<char32_t>(wc);
    if (c >= kEscapeBase && c <= kEscapeBase + 0x7F) {
      out += static_cast<char>(c - kEscapeBase + 0x80);
    } else if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out += '?';
    } else {
      appendUtf8(out, c);
    }
  }
  return out;
}

std::wstring decodeFileName(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t c = 0;
    const std::size_t len = decodeUtf8(bytes, i, c);
    if (len == 0) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      out += static_cast<wchar_t>(byte < 0x80 ? byte : kEscapeBase + (byte - 0x80));
      ++i;
    } else {
      out += static_cast<wchar_t>(c);
      i += len;
    }
  }
  return out;
}

std::optional<std::string> toNative(std::wstring_view path, const RootMap& map) {
  const PathParts parts = splitPath(path);
  std::string out;
  if (parts.root == L"\\") {
    out = "/";
  } else if (!parts.root.empty()) {
    const auto* root = findRoot(map, parts.root);
    if (root == nullptr) return std::nullopt;
    out = trimTrailingSlashes(root->second);
    if (out.empty() || out.back() != '/') out += '/';
  }
  for (std::size_t i = 0; i < parts.components.size(); ++i) {
    const std::wstring& c = parts.components[i];
    if (c.find(L'/') != std::wstring::npos || c.find(L'\0') != std::wstring::npos) return std::nullopt;
    if (i > 0) out += '/';
    out += encodeFileName(c);
  }
  if (parts.trailingSeparator && !parts.components.empty()) out += '/';
  return out;
}

std::wstring fromNative(std::string_view native, const RootMap& map) {
  const std::pair<std::wstring, std::string>* best = nullptr;
  std::size_t bestLen = 0;
  std::size_t restStart = 0;
  for (const auto& entry : map.roots) {
    const std::string folder = trimTrailingSlashes(entry.second);
    if (folder.empty() || (best != nullptr && folder.size() <= bestLen)) continue;
    if (native.substr(0, folder.size()) != folder) continue;
    if (folder == "/" || native.size() == folder.size() || native[folder.size()] == '/') {
      best = &entry;
      bestLen = folder.size();
      restStart = folder == "/" ? 0 : folder.size();  // keep the separator after the root
    }
  }
  std::wstring out;
  std::string_view rest = native;
  if (best != nullptr) {
    out = best->first;
    rest = native.substr(restStart);
    if (rest.empty()) out += L'\\';
  }
  for (const wchar_t c : decodeFileName(rest)) out += (c == L'/') ? L'\\' : c;
  return out;
}

void setRootMap(RootMap map) {
  ProcessRoots& roots = processRoots();
  const std::lock_guard<std::mutex> lock(roots.mutex);
  roots.map = std::move(map);
}

RootMap rootMap() {
  ProcessRoots& roots = processRoots();
  const std::lock_guard<std::mutex> lock(roots.mutex);
  return roots.map;
}

std::optional<std::string> toNative(std::wstring_view path) {
  ProcessRoots& roots = processRoots();
  const std::lock_guard<std::mutex> lock(roots.mutex);
  return toNative(path, roots.map);
}

std::wstring fromNative(std::string_view native) {
  ProcessRoots& roots = processRoots();
  const std::lock_guard<std::mutex> lock(roots.mutex);
  return fromNative(native, roots.map);
}

}  // namespace vox::os
