#pragma once
// What the project filer asks of the host: the replaceable-parameter substitution of path
// settings, the message box shown when a project file cannot be created or read, and the folder
// for recovery copies. By default all go through the installed host runtime (the LISP core's
// "wd_1_luk4_replaceable_substitution" while a document is open; the interaction service; the
// settings store's folder); tests may install their own.

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

  // Where a project file rewritten in place keeps the recovery copy of its old content: the
  // "recovery" folder in the user's settings folder; empty when the host has none.
  virtual std::wstring recoveryFolder();
};

// The installed services (borrowed; the installer keeps them alive), else the host's.
ProjectFileServices* projectFileServices();
// Installs services in place of the host's; null goes back to the host's.
void installProjectFileServices(ProjectFileServices* services);

// The caption of the message shown when a project file cannot be created.
std::wstring projectFileErrorCaption();

}  // namespace vox::host
