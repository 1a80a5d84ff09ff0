#pragma once
// Where the per-user settings live.

#include <functional>
#include <optional>
#include <string>

namespace vox::settings {

// Answers the value of an environment variable, or null when it is not set (std::getenv fits).
using EnvironmentLookup = std::function<const char*(const char*)>;

// The settings folder: $VOXFOLIO_CONFIG_HOME, else $XDG_CONFIG_HOME/voxfolio, else
// $HOME/.config/voxfolio. Empty values are skipped, and so is a relative XDG_CONFIG_HOME (such
// a value is to be ignored); empty when none gives a folder.
std::optional<std::string> settingsFolder(const EnvironmentLookup& getenv);

}  // namespace vox::settings
