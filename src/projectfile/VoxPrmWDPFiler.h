#pragma once
// Reads and writes one project file (".wdp"). Call order: openProject for reading, readProject,
// closeProject; or openProject for writing, writeProject, closeProject. Drawing paths are absolute
// in memory and relative to the project file's folder in the file wherever they can be.
//
// Reading refuses, with a message naming the file, what cannot be a project file: anything but
// a regular file (a FIFO, a device), a file larger than kMaxProjectFileSize, and a file holding
// a NUL byte. The file is read in pieces, never held whole: a read holds little more than the
// records it fills.
//
// Writing is safe: the new content goes to a temporary file in the project's folder, is flushed
// and checked, and only then replaces the old file, whose permission bits it keeps; a project
// file that did not exist appears only complete; a failed write returns false and leaves the old
// file as it was. Where the folder refuses new files, the file is rewritten in place with a
// recovery copy of its old content in the user's settings folder (host::ProjectFileServices):
// on a write error the old content is put back; a copy that had to be kept, or that a rewrite
// which never completed left behind, is named in a message (the latter when the project is read).

#include <cstddef>
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

  // A larger file is not read as a project.
  static constexpr long long kMaxProjectFileSize = 256LL << 20;

  VoxPrmWDPFiler();
  // A closed filer that then opens `projectPath` (no failure message).
  VoxPrmWDPFiler(const std::wstring& projectPath, bool forReading);
  ~VoxPrmWDPFiler();
  VoxPrmWDPFiler(const VoxPrmWDPFiler&) = delete;
  VoxPrmWDPFiler& operator=(const VoxPrmWDPFiler&) = delete;

  // Opens the file for reading (others may still read and write it) or for writing (an existing
  // read-only file fails; a missing one is not created until it is written). When opening for
  // writing fails and `reportFailure` is set, a message box tells why. Opening for reading
  // refuses, with a message, what is no regular file or is too large.
  bool openProject(const std::wstring& projectPath, bool forReading, bool reportFailure);
  // True if a file was open.
  bool closeProject();

  // Fills `data` with the whole file. False when refused, when the file cannot be read, or when
  // it is no project file (a message says so); `data` is then left as it was.
  bool readProject(VoxPrmProjectData& data);
  // Replaces the file's content with `data`. False when refused or when writing failed.
  bool writeProject(const VoxPrmProjectData& data);

  int getLastError() const { return lastError_; }

 private:
  bool refuse(int code);
  bool openForWriting(bool reportFailure);
  void reportInterruptedWrites() const;

  bool open_ = false;
  bool forWriting_ = false;
  std::unique_ptr<vox::os::InputFile> input_;
  std::unique_ptr<vox::os::ReplaceFile> output_;
  int lastError_ = kNoError;
  std::wstring projectPath_;
  std::wstring projectFolder_;
};
