#pragma once
// The module's message catalog, read from a UTF-8 text file:
//   # a comment
//   173=A project with this name is already open.   (numbered resource string)
//   project-file-error-caption=VoxFolio - project file   (named text; names ignore case)
// In texts, \n, \t and \\ stand for a line break, a tab and a backslash. A line that is neither
// is reported with its number and skipped; a later line for the same number or name wins.

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/HcMessageCatalog.h"
#include "platform/os/CaseMapping.h"

namespace vox::interaction {

class FileMessageCatalog : public HcMessageCatalog {
 public:
  // Reads a catalog file; false, with the reason among problems(), when it cannot be read.
  bool load(const std::string& nativePath);
  // Adds the entries of a catalog text.
  void parse(const std::wstring& text);

  std::optional<std::wstring> string(unsigned id) const override;
  std::optional<std::wstring> text(const std::wstring& name) const override;

  const std::vector<std::wstring>& problems() const { return problems_; }
  std::size_t size() const { return strings_.size() + texts_.size(); }

 private:
  std::map<unsigned, std::wstring> strings_;
  std::unordered_map<std::wstring, std::wstring, os::CaseInsensitiveHash, os::CaseInsensitiveEqual> texts_;
  std::vector<std::wstring> problems_;
};

// Where the catalog lies below the folder that holds the module's resources.
std::string catalogPathIn(const std::string& nativeFolder);

}  // namespace vox::interaction
