#pragma once
// What the project filer asks of the host: the replaceable-parameter substitution of path
// settings and the message box shown when a project file cannot be created. The host runtime
// installs an implementation; without one there is no substitution and nothing is shown.

#include <optional>
#include <string>

namespace vox::host {

class ProjectFileServices {
 public:
  virtual ~ProjectFileServices() = default;

  // The value with its replaceable parameters substituted; empty when no substitution was made
  // (no document open, or the LISP core's call failed or gave no string).
  virtual std::optional<std::wstring> substituteReplaceable(const std::wstring& value) = 0;

  // A message box over the host's main window with an exclamation icon.
  virtual void showProjectFileError(const std::wstring& text, const std::wstring& caption) = 0;
};

// The installed services (borrowed; the installer keeps them alive), or null.
ProjectFileServices* projectFileServices();
void installProjectFileServices(ProjectFileServices* services);

}  // namespace vox::host
