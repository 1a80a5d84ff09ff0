#include "platform/settings/JsonSettingsStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"

namespace vox::settings {
namespace {

using nlohmann::json;

std::string utf8(const std::wstring& s) { return os::encodeFileName(s); }
std::wstring wide(const std::string& s) { return os::decodeFileName(s); }

// The member of `object` whose name equals `name` ignoring case.
json::iterator findMember(json& object, const std::wstring& name) {
  for (auto it = object.begin(); it != object.end(); ++it)
    if (os::iequals(wide(it.key()), name)) return it;
  return object.end();
}

json::const_iterator findMember(const json& object, const std::wstring& name) {
  for (auto it = object.begin(); it != object.end(); ++it)
    if (os::iequals(wide(it.key()), name)) return it;
  return object.end();
}

// The key object of `root`, created when `create` is set; null when absent or malformed.
json* keyObject(json& root, const std::wstring& key, bool create) {
  if (!root.is_object()) root = json::object();
  json& keys = root["keys"];
  if (!keys.is_object()) {
    if (!create) return nullptr;
    keys = json::object();
  }
  auto it = findMember(keys, key);
  if (it == keys.end()) {
    if (!create) return nullptr;
    it = keys.emplace(utf8(key), json::object()).first;
  }
  if (!it->is_object()) {
    if (!create) return nullptr;
    *it = json::object();
  }
  return &*it;
}

bool setValue(json& root, const std::wstring& key, const std::wstring& name, json value) {
  json* object = keyObject(root, key, true);
  const auto it = findMember(*object, name);
  if (it != object->end()) {
    *it = std::move(value);
  } else {
    (*object)[utf8(name)] = std::move(value);
  }
  return true;
}

std::wstring errnoText(const std::string& what) { return wide(what + ": " + std::strerror(errno)); }

}  // namespace

std::string settingsFolder(const std::function<const char*(const char*)>& getenv) {
  const auto set = [&](const char* name) -> std::string {
    const char* value = getenv(name);
    return value != nullptr ? value : "";
  };
  if (std::string own = set("VOXFOLIO_CONFIG_HOME"); !own.empty()) return own;
  if (std::string xdg = set("XDG_CONFIG_HOME"); !xdg.empty()) return xdg + "/voxfolio";
  return set("HOME") + "/.config/voxfolio";
}

JsonSettingsStore::JsonSettingsStore(std::string folder)
    : folder_(std::move(folder)), file_(folder_ + "/registry.json"), lockFile_(folder_ + "/registry.lock"),
      cache_(json::object()) {}

void JsonSettingsStore::refresh() const {
  struct stat st {};
  Stamp now;
  if (::stat(file_.c_str(), &st) == 0) now = {st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec, st.st_size, st.st_ino};
  if (now == stamp_) return;
  stamp_ = now;
  std::ifstream in(file_, std::ios::binary);
  cache_ = json::parse(in, nullptr, false);
  if (cache_.is_discarded() || !cache_.is_object()) cache_ = json::object();
}

const nlohmann::json* JsonSettingsStore::findValue(const std::wstring& key, const std::wstring& name) const {
  refresh();
  json* object = keyObject(cache_, key, false);
  if (object == nullptr) return nullptr;
  const auto it = findMember(static_cast<const json&>(*object), name);
  return it == object->cend() ? nullptr : &*it;
}

std::optional<std::wstring> JsonSettingsStore::getString(const std::wstring& key, const std::wstring& name) const {
  const json* value = findValue(key, name);
  if (value == nullptr || !value->is_string()) return std::nullopt;
  return wide(value->get<std::string>());
}

std::optional<std::int32_t> JsonSettingsStore::getNumber(const std::wstring& key, const std::wstring& name) const {
  const json* value = findValue(key, name);
  if (value == nullptr || !value->is_number_integer()) return std::nullopt;
  const auto n = value->get<long long>();
  if (n < INT32_MIN || n > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(n);
}

std::vector<std::wstring> JsonSettingsStore::valueNames(const std::wstring& key) const {
  refresh();
  std::vector<std::wstring> names;
  if (const json* object = keyObject(cache_, key, false)) {
    for (auto it = object->begin(); it != object->end(); ++it)
      if (it->is_string() || it->is_number_integer()) names.push_back(wide(it.key()));
  }
  return names;
}

bool JsonSettingsStore::setString(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
  return change([&](json& root) { return setValue(root, key, name, utf8(value)); });
}

bool JsonSettingsStore::setNumber(const std::wstring& key, const std::wstring& name, std::int32_t value) {
  return change([&](json& root) { return setValue(root, key, name, value); });
}

bool JsonSettingsStore::deleteValue(const std::wstring& key, const std::wstring& name) {
  return change([&](json& root) {
    json* object = keyObject(root, key, false);
    if (object == nullptr) return false;
    const auto it = findMember(*object, name);
    if (it == object->end()) return false;
    object->erase(it);
    return true;
  });
}

bool JsonSettingsStore::change(const std::function<bool(json& root)>& apply) {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  const int lock = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock < 0) {
    lastError_ = errnoText("cannot open " + lockFile_);
    return false;
  }
  while (::flock(lock, LOCK_EX) != 0 && errno == EINTR) {
  }
  json root;
  bool done = load(root, true) && apply(root) && store(root);
  ::close(lock);  // releases the lock
  stamp_ = Stamp();  // the next read loads what is on disk now
  return done;
}

bool JsonSettingsStore::load(json& root, bool setAsideCorrupt) {
  std::ifstream in(file_, std::ios::binary);
  if (!in) {
    root = json::object();
    return true;  // no file yet
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string text = bytes.str();
  root = json::parse(text, nullptr, false);
  if (!root.is_discarded() && root.is_object()) return true;
  root = json::object();
  if (text.empty() || !setAsideCorrupt) return true;
  for (int n = 1; n < 1000; ++n) {
    const std::string aside = file_ + ".corrupt-" + std::to_string(n);
    if (std::filesystem::exists(aside)) continue;
    if (::rename(file_.c_str(), aside.c_str()) != 0) {
      lastError_ = errnoText("cannot set aside the unreadable " + file_);
      return false;
    }
    lastError_ = wide("the settings file was not valid JSON; it was kept as " + aside);
    return true;
  }
  lastError_ = wide("too many unreadable settings files kept beside " + file_);
  return false;
}

bool JsonSettingsStore::store(const json& root) {
  const std::string text = root.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
  std::string temp = file_ + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    lastError_ = errnoText("cannot write " + file_);
    return false;
  }
  bool ok = true;
  for (std::size_t done = 0; ok && done < text.size();) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), file_.c_str()) == 0;
  if (!ok) {
    lastError_ = errnoText("cannot write " + file_);
    ::unlink(temp.c_str());
  }
  return ok;
}

}  // namespace vox::settings
