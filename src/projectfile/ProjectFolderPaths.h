#pragma once
// Conversion of drawing paths between the absolute form held in memory and the form relative
// to the project file's folder that the project file holds. Relative means neither beginning
// with "\" nor with a drive letter and ":".

#include <string>

namespace vox::projectfile {

class ProjectFolderPaths {
 public:
  explicit ProjectFolderPaths(std::wstring folder);

  const std::wstring& folder() const { return folder_; }

  // The folder and the path joined with "\", "." and ".." resolved. False, and the path left
  // unchanged, when the result would not fit in 260 characters.
  bool relativeToAbsolute(std::wstring& path) const;

  // The path relative to the folder, components compared ignoring case; a file elsewhere on the
  // same root gets ".." components. False, and the path left unchanged, for another drive or
  // share, or when the result would not fit in 260 characters.
  bool absoluteToRelative(std::wstring& path) const;

 private:
  std::wstring folder_;
  bool folderIsCanonical_ = false;
};

}  // namespace vox::projectfile
