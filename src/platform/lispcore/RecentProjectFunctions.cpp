// "c:wd_get_recent_prj_lst" answers (paths names first-description-lines descriptions flags):
// the paths, the project names (file names without extension, upper-cased), each project's first
// description line, each project's four description lines as a list, and the flags.
// "c:vox_LastProjFil_upd" takes nil and a list of (flag path d1 d2 d3 d4): "1" opened, "2" opened
// and made active, "0" closed, "X" removed from the list; nil descriptions keep the stored ones.

#include <optional>

#include "platform/lisp/LispReader.h"
#include "platform/lispcore/Arguments.h"
#include "platform/lispcore/RecentProjectList.h"
#include "platform/lispcore/Registrar.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/WinPath.h"

namespace vox::lispcore {
namespace {

using lisp::Value;

struct Update {
  std::wstring flag;
  std::wstring path;
  std::optional<std::array<std::wstring, 4>> descriptions;
};

Value recentList(const RecentProjectList& list) {
  std::vector<std::wstring> paths, names, firstLines, flags;
  std::vector<Value> descriptions;
  for (const RecentProject& entry : list.entries()) {
    paths.push_back(entry.path);
    names.push_back(os::toUpper(os::stem(entry.path)));
    firstLines.push_back(entry.descriptions[0]);
    descriptions.push_back(listOfStrings({entry.descriptions.begin(), entry.descriptions.end()}));
    flags.push_back(entry.flag);
  }
  return Value::ofList({listOfStrings(paths), listOfStrings(names), listOfStrings(firstLines),
                        Value::ofList(std::move(descriptions)), listOfStrings(flags)});
}

bool isFlag(const std::wstring& flag) { return flag == L"0" || flag == L"1" || flag == L"2" || flag == L"X"; }

// An entry (flag path d1 d2 d3 d4); the descriptions are four strings or four nils.
std::optional<Update> readUpdate(const Value& entry) {
  const std::vector<Value>& items = entry.elements();
  if (items.size() != 6 || items[0].kind != Value::Kind::kString || items[1].kind != Value::Kind::kString) return {};
  Update update{items[0].text, items[1].text, std::nullopt};
  if (!isFlag(update.flag) || update.path.empty()) return {};
  if (items[2].isNil() && items[3].isNil() && items[4].isNil() && items[5].isNil()) return update;
  std::array<std::wstring, 4> lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (items[i + 2].kind != Value::Kind::kString) return {};
    lines[i] = items[i + 2].text;
  }
  update.descriptions = lines;
  return update;
}

void apply(RecentProjectList& list, const Update& update) {
  const std::array<std::wstring, 4>* lines = update.descriptions ? &*update.descriptions : nullptr;
  if (update.flag == L"1" || update.flag == L"2") {
    list.opened(update.path, update.flag == L"2", lines);
  } else if (update.flag == L"0") {
    list.closed(update.path);
  } else {
    list.remove(update.path);
  }
}

Value updateRecentProjects(CoreState& state, const Args& args, std::wstring& error) {
  std::vector<Update> updates;
  for (const Value& entry : args[1].elements()) {
    std::optional<Update> update = readUpdate(entry);
    if (!update) {
      error = L"bad argument type: c:vox_LastProjFil_upd " + lisp::print(entry);
      return Value::nil();
    }
    updates.push_back(std::move(*update));
  }
  RecentProjectList list = RecentProjectList::load(state.context.settings);
  for (const Update& update : updates) apply(list, update);
  if (!list.save(state.context.settings)) error = L"c:vox_LastProjFil_upd: the recent projects cannot be stored";
  return Value::t();
}

}  // namespace

void defineRecentProjectFunctions(Registrar& registrar) {
  registrar.define(L"c:wd_get_recent_prj_lst", L"", [](CoreState& state, const Args&, std::wstring&) {
    return recentList(RecentProjectList::load(state.context.settings));
  });
  registrar.define(L"c:vox_LastProjFil_upd", L"xl", updateRecentProjects);
}

}  // namespace vox::lispcore
