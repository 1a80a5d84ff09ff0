#pragma once
// What can be told of a project file's bytes before reading them into records, fed piece by
// piece (a line may span pieces): their size, whether they hold a NUL byte (no project file
// does: such a file is something else and must not be read, or rewritten, as a project), and
// how many drawing lines they hold, so the drawing list can be sized once.

#include <cstddef>
#include <string_view>

namespace vox::projectfile {

class ProjectFileScan {
 public:
  void feed(std::string_view bytes);

  std::size_t size() const { return size_; }
  bool holdsNul() const { return holdsNul_; }
  // Lines whose first character after blanks is none of "*+?=".
  std::size_t drawingLines() const { return drawingLines_; }

 private:
  std::size_t size_ = 0;
  bool holdsNul_ = false;
  std::size_t drawingLines_ = 0;
  bool lineKindKnown_ = false;  // the current line's first character after blanks was seen
};

}  // namespace vox::projectfile
