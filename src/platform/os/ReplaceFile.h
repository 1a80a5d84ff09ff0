#pragma once
// Replaces a file's content safely, for project files, drawings and the settings store.
//
// `open` checks that the target can be written (an existing read-only target fails, as do a
// folder and a folder that does not exist) and creates the temporary file beside it, named
// ".<name>~<n>.tmp" and held under a lock while this object lives; a target that does not
// exist yet is not created, so it appears only complete. Temporary files of the same target
// whose writer is gone (killed mid-write) are removed first. The content is collected in
// memory; `commit` writes it to the temporary file, flushes it to disk, checks its size, gives
// it the target's permission bits, renames it over the target and flushes the folder, so the
// old content stays whole until the new one is complete. Without `commit` nothing changes.
//
// Where the folder refuses new files but the target is writable, and a recovery folder is
// given, the target is rewritten in place with a recovery copy of its old content kept there
// meanwhile (see InPlaceRewrite.h); without a recovery folder such a target fails.
// A link is followed: the file it names is replaced.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/os/HeldFile.h"
#include "platform/os/OsError.h"

namespace vox::os {

// One version of a file on disk.
struct FileVersion {
  long long mtimeNs = -1;
  long long size = -1;
  unsigned long long inode = 0;
  unsigned long long device = 0;
  bool operator==(const FileVersion&) const = default;
};

struct ReplaceOptions {
  // Permission bits of a target that does not exist yet, less the umask.
  unsigned newFileMode = 0666;
  // Module path of the folder for recovery copies of in-place rewrites; empty: none.
  std::wstring recoveryFolder;
};

class ReplaceFile {
 public:
  static std::optional<ReplaceFile> open(const std::wstring& target, OsError* error = nullptr,
                                         const ReplaceOptions& options = {});
  // The same on a native path.
  static std::optional<ReplaceFile> openNative(const std::string& target, OsError* error = nullptr,
                                               const ReplaceOptions& options = {});

  ReplaceFile(ReplaceFile&& other) noexcept = default;
  ReplaceFile& operator=(ReplaceFile&& other) noexcept;
  ReplaceFile(const ReplaceFile&) = delete;
  ReplaceFile& operator=(const ReplaceFile&) = delete;
  // Removes the temporary file when nothing was committed.
  ~ReplaceFile();

  void append(std::string_view bytes) { content_ += bytes; }
  std::string& content() { return content_; }
  // Gives the new version a modification time later than `mtimeNs` even when the clock has
  // not moved past it, so a changed file never shows an earlier version's time.
  void modifiedAfter(long long mtimeNs) { modifiedAfter_ = mtimeNs; }

  // Writes the content as described above; once per object (later calls fail with EINVAL).
  bool commit(OsError* error = nullptr);

  // The target is rewritten in place (its folder refuses new files).
  bool inPlace() const { return inPlace_; }
  // The committed version (temporary-file writes).
  const FileVersion& version() const { return version_; }
  // After an in-place rewrite that failed and could not put the old content back: the module
  // path of the recovery copy that holds it; empty otherwise.
  const std::wstring& keptRecoveryCopy() const { return keptCopy_; }

 private:
  ReplaceFile(std::string target, std::optional<unsigned> mode, std::unique_ptr<HeldFile> temp,
              std::string recoveryFolder);
  bool commitTemporary(OsError* error);
  bool commitInPlace(OsError* error);
  void discardTemporary();

  std::string target_;
  std::optional<unsigned> mode_;  // the existing target's permission bits
  std::unique_ptr<HeldFile> temp_;  // null when rewriting in place, or once committed
  bool inPlace_ = false;
  std::string recoveryFolder_;  // native
  std::string content_;
  long long modifiedAfter_ = -1;
  bool committed_ = false;
  FileVersion version_;
  std::wstring keptCopy_;
};

// The names of the temporary files of the native file `target`.
NumberedNames temporaryNames(const std::string& target);

}  // namespace vox::os
