#include "platform/lispcore/RecentProjectList.h"

#include <algorithm>

#include "host/HcSettingsStore.h"
#include "platform/lispcore/NameSet.h"
#include "platform/lispcore/SettingsKeys.h"
#include "platform/os/CaseMapping.h"

namespace vox::lispcore {
namespace {

std::wstring pathName(std::size_t i) { return L"Path" + std::to_wstring(i); }
std::wstring flagName(std::size_t i) { return L"Flag" + std::to_wstring(i); }
std::wstring descriptionName(std::size_t i, std::size_t line) {
  return L"Description" + std::to_wstring(i) + L"." + std::to_wstring(line + 1);
}

std::vector<std::wstring> valueNamesOf(const RecentProject& entry, std::size_t i) {
  std::vector<std::wstring> names{pathName(i), flagName(i)};
  for (std::size_t line = 0; line < entry.descriptions.size(); ++line) names.push_back(descriptionName(i, line));
  return names;
}

}  // namespace

RecentProjectList RecentProjectList::load(const HcSettingsStore& store) {
  RecentProjectList list;
  const std::int32_t count = store.getNumber(kRecentProjectsKey, L"Count").value_or(0);
  for (std::int32_t n = 0; n < count && list.entries_.size() < kMaxRecentProjects; ++n) {
    const auto i = static_cast<std::size_t>(n);
    RecentProject entry;
    entry.path = store.getString(kRecentProjectsKey, pathName(i)).value_or(L"");
    if (entry.path.empty() || list.find(entry.path) != list.entries_.end()) continue;
    entry.flag = store.getString(kRecentProjectsKey, flagName(i)).value_or(L"0");
    for (std::size_t line = 0; line < entry.descriptions.size(); ++line)
      entry.descriptions[line] = store.getString(kRecentProjectsKey, descriptionName(i, line)).value_or(L"");
    list.entries_.push_back(std::move(entry));
  }
  return list;
}

bool RecentProjectList::save(HcSettingsStore& store) const {
  bool ok = store.setNumber(kRecentProjectsKey, L"Count", static_cast<std::int32_t>(entries_.size()));
  NameSet written{L"Count"};
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const RecentProject& entry = entries_[i];
    ok = store.setString(kRecentProjectsKey, pathName(i), entry.path) && ok;
    ok = store.setString(kRecentProjectsKey, flagName(i), entry.flag) && ok;
    for (std::size_t line = 0; line < entry.descriptions.size(); ++line)
      ok = store.setString(kRecentProjectsKey, descriptionName(i, line), entry.descriptions[line]) && ok;
    for (std::wstring& name : valueNamesOf(entry, i)) written.insert(std::move(name));
  }
  for (const std::wstring& name : store.valueNames(kRecentProjectsKey))
    if (written.count(name) == 0) ok = store.deleteValue(kRecentProjectsKey, name) && ok;
  return ok;
}

void RecentProjectList::opened(const std::wstring& path, bool active, const std::array<std::wstring, 4>* descriptions) {
  if (active)
    for (RecentProject& entry : entries_)
      if (entry.flag == L"2") entry.flag = L"1";
  RecentProject& entry = moveToFront(path);
  entry.flag = active ? L"2" : L"1";
  if (descriptions != nullptr) entry.descriptions = *descriptions;
}

void RecentProjectList::closed(const std::wstring& path) {
  const auto it = find(path);
  RecentProject& entry = it != entries_.end() ? *it : moveToFront(path);
  entry.flag = L"0";
}

void RecentProjectList::remove(const std::wstring& path) {
  const auto it = find(path);
  if (it != entries_.end()) entries_.erase(it);
}

std::vector<RecentProject>::iterator RecentProjectList::find(const std::wstring& path) {
  return std::find_if(entries_.begin(), entries_.end(),
                      [&](const RecentProject& entry) { return os::iequals(entry.path, path); });
}

RecentProject& RecentProjectList::moveToFront(const std::wstring& path) {
  RecentProject entry;
  if (const auto it = find(path); it != entries_.end()) {
    entry = std::move(*it);
    entries_.erase(it);
  }
  entry.path = path;  // the spelling of the latest report
  entries_.insert(entries_.begin(), std::move(entry));
  trim();
  return entries_.front();
}

void RecentProjectList::trim() {
  if (entries_.size() > kMaxRecentProjects) entries_.resize(kMaxRecentProjects);
}

}  // namespace vox::lispcore
