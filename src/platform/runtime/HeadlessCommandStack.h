#pragma once
// The reference host's command stack: commands in groups, found by global or local name
// ignoring case; a leading "_" (global name wanted) and "." (built-in wanted) are accepted.

#include <vector>

#include "host/HcCommandStack.h"

namespace vox::runtime {

class HeadlessCommandStack : public HcCommandStack {
 public:
  bool addCommand(const std::wstring& group, const std::wstring& globalName, const std::wstring& localName,
                  unsigned flags, std::function<void()> function) override;
  bool removeGroup(const std::wstring& group) override;
  const HcCommand* lookupCommand(const std::wstring& name) const override;

  const std::vector<HcCommand>& commands() const { return commands_; }

 private:
  std::vector<HcCommand> commands_;  // in the order they were added
};

// The command name without its "_" and "." prefixes.
std::wstring bareCommandName(const std::wstring& name);

}  // namespace vox::runtime
