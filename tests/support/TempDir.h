#pragma once
// A fresh folder for one test, removed with everything in it afterwards. Gives both the native
// path and the module path (backslashes) of files inside it.

#include <string>

namespace vox::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& native() const { return native_; }
  std::string native(const std::string& name) const { return native_ + "/" + name; }
  // Module form of the folder or of a file in it ("\tmp\vox-...\name").
  std::wstring path() const;
  std::wstring path(const std::wstring& name) const;

 private:
  std::string native_;
};

// Whole-file helpers on native paths, for setting up and checking test files.
std::string readNative(const std::string& native);
void writeNative(const std::string& native, const std::string& bytes);
// The permission bits of a native path (07777); 0 when it cannot be looked at.
unsigned modeOf(const std::string& native);

}  // namespace vox::test
