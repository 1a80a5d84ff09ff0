#pragma once
// The module's host commands, group "VOXFolio", registered in table order under their local
// names.

#include <string>
#include <vector>

namespace vox::module {

inline constexpr const wchar_t* kCommandGroup = L"VOXFolio";

struct CommandEntry {
  const wchar_t* globalName;
  const wchar_t* localName;
  unsigned flags;
  void (*function)();
};

const std::vector<CommandEntry>& commandTable();
// True when every command was added.
bool registerCommands();
void removeCommands();

}  // namespace vox::module
