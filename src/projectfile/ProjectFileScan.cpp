#include "projectfile/ProjectFileScan.h"

#include <cstring>

namespace vox::projectfile {

void ProjectFileScan::feed(std::string_view bytes) {
  size_ += bytes.size();
  if (!holdsNul_ && std::memchr(bytes.data(), '\0', bytes.size()) != nullptr) holdsNul_ = true;
  for (const char c : bytes) {
    if (c == '\n') {
      lineKindKnown_ = false;
    } else if (!lineKindKnown_ && c != ' ' && c != '\t' && c != '\r') {
      // The reader drops carriage returns and leading blanks before it looks at a line.
      lineKindKnown_ = true;
      if (c != '*' && c != '+' && c != '?' && c != '=') ++drawingLines_;
    }
  }
}

}  // namespace vox::projectfile
