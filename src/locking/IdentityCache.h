#pragma once
// This user's lock identity, remembered between lock checks. Gathering it asks the account
// database and the system, so it is done again only when the value the full name comes from -
// the host profile's "FULLNAME" or the environment's - differs from the one it was gathered
// with: a change in the settings store shows at the next check. Safe to use from any thread.

#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "locking/LockIdentity.h"

namespace vox::locking {

class IdentityCache {
 public:
  using Value = std::optional<std::wstring>;
  struct Sources {
    std::function<Value()> profileFullName;      // the host profile's value, asked at every check
    std::function<Value()> environmentFullName;  // $FULLNAME, asked at every check
    // The whole identity for those two values (login, computer and full name).
    std::function<LockIdentity(const Value& profile, const Value& environment)> gather;
  };

  explicit IdentityCache(Sources sources) : sources_(std::move(sources)) {}
  IdentityCache(const IdentityCache&) = delete;
  IdentityCache& operator=(const IdentityCache&) = delete;

  LockIdentity identity();
  // The holder of identity(), "login(machine)", as lock texts are compared.
  std::wstring holder();

 private:
  void refresh();

  Sources sources_;
  std::mutex mutex_;
  bool gathered_ = false;
  Value profile_;
  Value environment_;
  LockIdentity identity_;
  std::wstring holder_;
};

}  // namespace vox::locking
