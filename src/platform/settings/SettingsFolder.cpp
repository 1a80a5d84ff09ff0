#include "platform/settings/SettingsFolder.h"

namespace vox::settings {

std::optional<std::string> settingsFolder(const EnvironmentLookup& getenv) {
  const auto variable = [&getenv](const char* name) {
    const char* value = getenv(name);
    return std::string(value != nullptr ? value : "");
  };
  if (std::string own = variable("VOXFOLIO_CONFIG_HOME"); !own.empty()) return own;
  if (std::string xdg = variable("XDG_CONFIG_HOME"); xdg.starts_with('/')) return xdg + "/voxfolio";
  if (std::string home = variable("HOME"); !home.empty()) return home + "/.config/voxfolio";
  return std::nullopt;
}

}  // namespace vox::settings
