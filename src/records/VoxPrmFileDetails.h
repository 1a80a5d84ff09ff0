#pragma once
// One entry of a project's drawing list: a drawing file with its section, sub-section,
// description lines and reference flag. A plain value; copies carry all five members.

#include <string>
#include <vector>

struct VoxPrmFileDetails {
  std::wstring fileName;                  // the drawing's path, as read or set by the caller
  std::wstring section;
  std::wstring subSection;
  std::vector<std::wstring> descriptions;  // any number of lines, empty ones included
  bool isReference = false;

  // Equal when all five members are equal; texts are compared case-sensitively.
  bool operator==(const VoxPrmFileDetails& other) const;
  bool operator!=(const VoxPrmFileDetails& other) const { return !(*this == other); }
};
