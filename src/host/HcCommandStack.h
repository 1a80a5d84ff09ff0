#pragma once
// The host's command stack ("DFTR_REGISTERED_COMMANDS" in the system registry): commands in
// groups, each with a global and a local name and flags.

#include <functional>
#include <string>

#include "host/HcRxObject.h"

enum HcCommandFlags : unsigned {
  kHcCmdModal = 0,
  kHcCmdTransparent = 1u << 0,
  kHcCmdSession = 1u << 21,  // runs in the application context rather than a document's
};

struct HcCommand {
  std::wstring group;
  std::wstring globalName;
  std::wstring localName;
  unsigned flags = kHcCmdModal;
  std::function<void()> function;
};

class HcCommandStack : public HcRxObject {
 public:
  // False when a command of that name (global or local, ignoring case) exists already.
  virtual bool addCommand(const std::wstring& group, const std::wstring& globalName, const std::wstring& localName,
                          unsigned flags, std::function<void()> function) = 0;
  // Removes every command of the group; false when there was none.
  virtual bool removeGroup(const std::wstring& group) = 0;
  // The command with that global or local name (ignoring case, an optional leading "_" or
  // "." prefix allowed), or null.
  virtual const HcCommand* lookupCommand(const std::wstring& name) const = 0;
};

// The command stack found by name in the host's system registry, or null.
HcCommandStack* hcCommandStackPtr();
