#pragma once
// Looking up environment variables through a function, so that code reading them can be given
// a made-up environment in tests.

#include <functional>
#include <optional>
#include <string>

namespace vox::siblings {

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The process's own environment.
EnvironmentLookup processEnvironment();

}  // namespace vox::siblings
