#pragma once
// Reading and writing project text in memory, against the project folder C:\Proj.

#include <string>

#include "platform/os/NarrowCodec.h"
#include "projectfile/ProjectFileText.h"

namespace vox::projectfile::test {

inline const wchar_t* const kFolder = L"C:\\Proj";

inline VoxPrmProjectData readText(const std::string& text, const ReplaceableSubstitution& substitute = {}) {
  VoxPrmProjectData data;
  readProjectText(text, os::narrowCodec(), ProjectFolderPaths(kFolder), substitute, data);
  return data;
}

inline std::string writeText(const VoxPrmProjectData& data) {
  return writeProjectText(data, os::narrowCodec(), ProjectFolderPaths(kFolder));
}

// The written text without the 75 default drawing setting lines every read project gains.
inline std::string withoutDefaultLines(const std::string& text) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    end = end == std::string::npos ? text.size() : end + 1;
    if (text.compare(pos, 1, "?") != 0) out.append(text, pos, end - pos);
    pos = end;
  }
  return out;
}

inline std::wstring drawingSetting(const VoxPrmProjectData& data, int index) {
  std::wstring value = L"<unset>";
  data.getProjDefWDMVals().getValue(index, value);
  return value;
}

inline std::wstring miscSetting(const VoxPrmProjectData& data, int index) {
  std::wstring value = L"<unset>";
  data.getMiscProjSettings().getValue(index, value);
  return value;
}

}  // namespace vox::projectfile::test
