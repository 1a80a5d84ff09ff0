#pragma once
// Reads and writes one project file (".wdp"). Call order: openProject for reading, readProject,
// closeProject; or openProject for writing, writeProject, closeProject. Drawing paths are absolute
// in memory and relative to the project file's folder in the file wherever they can be.
//
// Writing is safe: the new content goes to a temporary file in the project's folder, is flushed
// and checked, and only then replaces the old file, whose permission bits it keeps; a failed
// write returns false and leaves the old file as it was.

#include <memory>
#include <optional>
#include <string>

#include "records/VoxPrmProjectData.h"

namespace vox::os {
class InputFile;
class ReplaceFile;
}  // namespace vox::os

class VoxPrmWDPFiler {
 public:
  // Codes of getLastError(): the last refused call since the filer was built.
  enum LastError {
    kNoError = 0,
    kAlreadyOpen = 1,  // openProject while a file is open
    kNotOpen = 2,      // readProject or writeProject while no file is open
    kNotForReading = 3,
    kNotForWriting = 4,
  };

  VoxPrmWDPFiler();
  // A closed filer that then opens `projectPath` (no failure message).
  VoxPrmWDPFiler(const std::wstring& projectPath, bool forReading);
  ~VoxPrmWDPFiler();
  VoxPrmWDPFiler(const VoxPrmWDPFiler&) = delete;
  VoxPrmWDPFiler& operator=(const VoxPrmWDPFiler&) = delete;

  // Opens the file for reading (others may still read and write it) or for writing (a missing
  // file is created; an existing read-only one fails). When opening for writing fails and
  // `reportFailure` is set, a message box tells why.
  bool openProject(const std::wstring& projectPath, bool forReading, bool reportFailure);
  // True if a file was open.
  bool closeProject();

  // Fills `data` with the whole file. False when refused or when the file cannot be read.
  bool readProject(VoxPrmProjectData& data);
  // Replaces the file's content with `data`. False when refused or when writing failed.
  bool writeProject(const VoxPrmProjectData& data);

  int getLastError() const { return lastError_; }

 private:
  bool refuse(int code);

  bool open_ = false;
  bool forWriting_ = false;
  std::unique_ptr<vox::os::InputFile> input_;
  std::unique_ptr<vox::os::ReplaceFile> output_;
  int lastError_ = kNoError;
  std::wstring projectPath_;
  std::wstring projectFolder_;
};
