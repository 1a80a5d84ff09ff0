#pragma once
// The text of a project file: reading its bytes into a VoxPrmProjectData and writing one out.
// A project file is narrow text, one line per item:
//   *[n]text      project description line n (1-based)
//   +[i]value     project-wide setting i (1..38)
//   ?[i]value     default drawing setting i (0..76)
//   =section  ==sub-section  ===description  ====REF   lines of the next drawing entry
//   path          the drawing itself (relative to the project folder when it can be), which
//                 completes the entry; one leading double quote is dropped when read.
// No I/O here: the filer hands in the bytes and takes the bytes to store.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/os/NarrowCodec.h"
#include "projectfile/ProjectFolderPaths.h"
#include "records/DependentDefaultTexts.h"
#include "records/VoxPrmProjectData.h"

namespace vox::projectfile {

// Replaceable-parameter substitution of the path settings 1 to 4; empty for "no substitution".
using ReplaceableSubstitution = std::function<std::optional<std::wstring>(const std::wstring&)>;

// Project description numbers above this are ignored: they would only make a huge, empty array.
inline constexpr int kMaxDescriptionNumber = 100000;

// Fills `data` from the bytes of a project file, given piece by piece in file order (a line may
// span pieces), so a file need not be held whole in memory. Never fails on content: lines it
// cannot use are skipped. Constructing it removes the entries of `data` and makes room for
// `expectedDrawings`; `finish` sets the description lines and settings, completing the default
// drawing settings with the defaults that follow from the project-wide settings (`lispTexts`
// for 71, 72, 73 and 76). The arguments are borrowed until `finish`.
class ProjectTextReader {
 public:
  ProjectTextReader(const os::NarrowCodec& codec, const ProjectFolderPaths& paths, const ReplaceableSubstitution& substitute,
                    VoxPrmProjectData& data, std::size_t expectedDrawings = 0);
  ~ProjectTextReader();
  ProjectTextReader(const ProjectTextReader&) = delete;
  ProjectTextReader& operator=(const ProjectTextReader&) = delete;

  void feed(std::string_view bytes);
  void finish(const records::DependentDefaultTexts& lispTexts = {});

 private:
  class Lines;
  void line(std::string_view bytes);

  const os::NarrowCodec& codec_;
  VoxPrmProjectData& data_;
  std::unique_ptr<Lines> lines_;
  std::string partial_;  // the start of a line whose end has not come yet
  std::wstring decoded_;
};

// The whole file's bytes at once.
void readProjectText(std::string_view bytes, const os::NarrowCodec& codec, const ProjectFolderPaths& paths,
                     const ReplaceableSubstitution& substitute, VoxPrmProjectData& data,
                     const records::DependentDefaultTexts& lispTexts = {});

// The bytes of the project file for `data`, every line ended by CR LF.
std::string writeProjectText(const VoxPrmProjectData& data, const os::NarrowCodec& codec,
                             const ProjectFolderPaths& paths);

}  // namespace vox::projectfile
