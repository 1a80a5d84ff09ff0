#include "platform/runtime/HeadlessCommandStack.h"

#include <algorithm>

#include "platform/os/CaseMapping.h"

namespace vox::runtime {

std::wstring bareCommandName(const std::wstring& name) {
  const std::size_t start = name.find_first_not_of(L"_.");
  return start == std::wstring::npos ? std::wstring() : name.substr(start);
}

bool HeadlessCommandStack::addCommand(const std::wstring& group, const std::wstring& globalName,
                                      const std::wstring& localName, unsigned flags, std::function<void()> function) {
  if (bareCommandName(globalName).empty() || lookupCommand(globalName) != nullptr ||
      (!localName.empty() && lookupCommand(localName) != nullptr))
    return false;
  commands_.push_back(HcCommand{group, globalName, localName, flags, std::move(function)});
  return true;
}

bool HeadlessCommandStack::removeGroup(const std::wstring& group) {
  return std::erase_if(commands_, [&](const HcCommand& c) { return os::iequals(c.group, group); }) > 0;
}

const HcCommand* HeadlessCommandStack::lookupCommand(const std::wstring& name) const {
  const std::wstring bare = bareCommandName(name);
  if (bare.empty()) return nullptr;
  for (const HcCommand& c : commands_)
    if (os::iequals(bareCommandName(c.globalName), bare) || os::iequals(bareCommandName(c.localName), bare)) return &c;
  return nullptr;
}

}  // namespace vox::runtime
