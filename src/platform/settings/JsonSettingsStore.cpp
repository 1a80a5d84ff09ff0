#include "platform/settings/JsonSettingsStore.h"

#include <chrono>
#include <filesystem>

#include "platform/os/NativePath.h"
#include "platform/settings/FileLock.h"
#include "platform/settings/SettingsDocument.h"
#include "platform/settings/SettingsText.h"

namespace vox::settings {
namespace {

// Long enough for any holder that is working, short enough that a stuck one is reported.
constexpr std::chrono::milliseconds kLockPatience{10000};

std::wstring unstorable() { return L"the key, name or text holds a character the settings file cannot hold"; }

// A problem of the file's content, or empty.
std::wstring contentProblem(const FileContent& file, const SettingsDocument::Parsed& parsed) {
  if (file.status == FileContent::Status::kTooLarge) return L"the settings file is too large";
  return parsed.problem;
}

SettingsDocument::Parsed parseContent(const FileContent& file) {
  if (file.status != FileContent::Status::kRead) return SettingsDocument::parse({});
  return SettingsDocument::parse(file.bytes);
}

}  // namespace

JsonSettingsStore::JsonSettingsStore(std::string folder)
    : folder_(std::move(folder)), file_(folder_ + "/registry.json"), lockFile_(folder_ + "/registry.lock") {}

void JsonSettingsStore::refresh() const {
  if (stampOf(file_) == stamp_) return;
  const FileContent file = readSettingsFile(file_);
  stamp_ = file.stamp;
  if (file.status == FileContent::Status::kFailed) {
    values_ = {};
    lastError_ = file.error;
    return;
  }
  SettingsDocument::Parsed parsed = parseContent(file);
  lastError_ = contentProblem(file, parsed);
  if (!lastError_.empty()) lastError_ += L"; the next change keeps it aside and starts a new one";
  values_ = parsed.document.index();
}

const SettingsValue* JsonSettingsStore::find(const std::wstring& key, const std::wstring& name) const {
  refresh();
  return values_.find(normalizeKeyPath(key), name);
}

std::optional<std::wstring> JsonSettingsStore::getString(const std::wstring& key, const std::wstring& name) const {
  const SettingsValue* value = find(key, name);
  const auto* text = value != nullptr ? std::get_if<std::wstring>(value) : nullptr;
  return text != nullptr ? std::optional<std::wstring>(*text) : std::nullopt;
}

std::optional<std::int32_t> JsonSettingsStore::getNumber(const std::wstring& key, const std::wstring& name) const {
  const SettingsValue* value = find(key, name);
  const auto* number = value != nullptr ? std::get_if<std::int32_t>(value) : nullptr;
  return number != nullptr ? std::optional<std::int32_t>(*number) : std::nullopt;
}

std::vector<std::wstring> JsonSettingsStore::valueNames(const std::wstring& key) const {
  refresh();
  return values_.names(normalizeKeyPath(key));
}

std::wstring JsonSettingsStore::folder() const {
  std::error_code failed;
  std::filesystem::path full = std::filesystem::absolute(folder_, failed).lexically_normal();
  if (failed) return {};
  if (!full.has_filename()) full = full.parent_path();  // no trailing separator
  return os::fromNative(full.string());
}

bool JsonSettingsStore::setString(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
  const auto at = ValueAddress::of(key, name);
  const auto text = toUtf8(value);
  if (!at || !text) {
    lastError_ = unstorable();
    return false;
  }
  return change([&](SettingsDocument& document) { return document.set(*at, *text); });
}

bool JsonSettingsStore::setNumber(const std::wstring& key, const std::wstring& name, std::int32_t value) {
  const auto at = ValueAddress::of(key, name);
  if (!at) {
    lastError_ = unstorable();
    return false;
  }
  return change([&](SettingsDocument& document) { return document.set(*at, value); });
}

bool JsonSettingsStore::deleteValue(const std::wstring& key, const std::wstring& name) {
  const auto at = ValueAddress::of(key, name);
  if (!at) {
    lastError_.clear();
    return false;  // such a value cannot have been stored
  }
  return change([&](SettingsDocument& document) { return document.erase(*at); });
}

bool JsonSettingsStore::change(const Edit& edit) {
  lastError_.clear();
  if (!ensureFolder(folder_, lastError_)) return false;
  const std::optional<FileLock> lock = FileLock::acquire(lockFile_, kLockPatience, lastError_);
  return lock && changeLocked(edit);
}

// Under the lock: the file as it is now, set aside first when it is bad, then the edit; the
// file is rewritten only when its content changes. The copy for reads becomes the result.
bool JsonSettingsStore::changeLocked(const Edit& edit) {
  const FileContent file = readSettingsFile(file_);
  if (file.status == FileContent::Status::kFailed) {
    lastError_ = file.error;
    return false;
  }
  SettingsDocument::Parsed parsed = parseContent(file);
  const std::wstring problem = contentProblem(file, parsed);
  if (!problem.empty()) {
    const std::optional<std::string> aside = setAside(file_, lastError_);
    if (!aside) return false;
    lastError_ = problem + L"; it was kept as " + displayPath(*aside);
  }
  const EditResult result = edit(parsed.document);
  FileStamp stamp = file.stamp;
  if (result == EditResult::kChanged || !problem.empty()) {
    std::wstring error;
    const std::optional<FileStamp> written = writeAtomically(file_, parsed.document.text(), file.stamp, error);
    if (!written) {
      lastError_ = problem.empty() ? error : lastError_ + L"; " + error;
      return false;
    }
    stamp = *written;
  }
  values_ = parsed.document.index();
  stamp_ = stamp;
  return result != EditResult::kNotFound;
}

}  // namespace vox::settings
