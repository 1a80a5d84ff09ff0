#pragma once
// The usage recorder: one line per use of a command or dialog, "YYYY-MM-DDTHH:MM:SS", a tab and
// the name (UTF-8, control characters shown as blanks), appended to usage.log in a folder.
// A log that cannot be written loses the line; recording never fails the caller.

#include <string>

namespace vox::siblings {

class UsageLog {
 public:
  // The log in the folder `folder` (a module path); the folder is not created.
  explicit UsageLog(std::wstring folder);

  // Appends the line for `name` at the current local time; false when it could not be written.
  bool record(const std::wstring& name) const noexcept;

  const std::wstring& filePath() const { return file_; }

 private:
  std::wstring file_;
};

}  // namespace vox::siblings
