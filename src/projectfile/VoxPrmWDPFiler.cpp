#include "projectfile/VoxPrmWDPFiler.h"

#include <string_view>
#include <vector>

#include "host/DependentDefaultsFromLispCore.h"
#include "host/ProjectFileServices.h"
#include "host/ResourceText.h"
#include "platform/os/Files.h"
#include "platform/os/InPlaceRewrite.h"
#include "platform/os/NarrowCodec.h"
#include "platform/os/WinPath.h"
#include "projectfile/ProjectFileScan.h"
#include "projectfile/ProjectFileText.h"
#include "projectfile/ProjectFolderPaths.h"

namespace {

constexpr std::size_t kMaxMessageLength = 255;
constexpr std::size_t kPieceSize = std::size_t{1} << 16;

// Catalog messages; each names the project file.
enum : unsigned {
  kHoldsNul = 304,
  kNotARegularFile = 305,
  kTooLarge = 306,           // with the limit in MiB
  kOldContentKept = 307,     // with the recovery copy
  kInterruptedWrite = 308,   // with the recovery copy
};

void showMessage(const std::wstring& text) {
  vox::host::projectFileServices()->showProjectFileError(text, vox::host::projectFileErrorCaption());
}

void reportOpenFailure(const vox::os::OsError& error) { showMessage(error.message.substr(0, kMaxMessageLength)); }

void reportTooLarge(const std::wstring& path) {
  showMessage(vox::host::resourceText(kTooLarge, {path, std::to_wstring(VoxPrmWDPFiler::kMaxProjectFileSize >> 20)}));
}

std::optional<std::wstring> substituteReplaceable(const std::wstring& value) {
  return vox::host::projectFileServices()->substituteReplaceable(value);
}

// Hands the file's bytes from its start to `take` piece by piece until `take` answers false or
// the file ends; false when the file cannot be read.
template <typename Take>
bool forEachPiece(const vox::os::InputFile& file, Take take) {
  std::string buffer(kPieceSize, '\0');
  for (long long offset = 0;;) {
    const std::optional<std::size_t> n = file.readAt(offset, buffer);
    if (!n) return false;
    if (*n == 0 || !take(std::string_view(buffer.data(), *n))) return true;
    offset += static_cast<long long>(*n);
  }
}

}  // namespace

VoxPrmWDPFiler::VoxPrmWDPFiler() = default;

VoxPrmWDPFiler::VoxPrmWDPFiler(const std::wstring& projectPath, bool forReading) {
  openProject(projectPath, forReading, false);
}

VoxPrmWDPFiler::~VoxPrmWDPFiler() { closeProject(); }

bool VoxPrmWDPFiler::refuse(int code) {
  lastError_ = code;
  return false;
}

bool VoxPrmWDPFiler::openProject(const std::wstring& projectPath, bool forReading, bool reportFailure) {
  if (open_) return refuse(kAlreadyOpen);
  std::wstring path = vox::os::toBackslashes(projectPath);
  if (vox::os::isRelative(path)) path = vox::os::fullPath(path);
  projectPath_ = std::move(path);
  if (forReading) {
    std::optional<vox::os::InputFile> file = vox::os::InputFile::open(projectPath_);
    if (!file) return false;
    if (!file->isRegular()) {
      showMessage(vox::host::resourceText(kNotARegularFile, {projectPath_}));
      return false;
    }
    if (file->size() > kMaxProjectFileSize) {
      reportTooLarge(projectPath_);
      return false;
    }
    input_ = std::make_unique<vox::os::InputFile>(std::move(*file));
  } else if (!openForWriting(reportFailure)) {
    return false;
  }
  projectFolder_ = vox::os::folderOf(projectPath_);
  open_ = true;
  forWriting_ = !forReading;
  return true;
}

bool VoxPrmWDPFiler::openForWriting(bool reportFailure) {
  vox::os::OsError error;
  vox::os::ReplaceOptions options;
  options.recoveryFolder = vox::host::projectFileServices()->recoveryFolder();
  std::optional<vox::os::ReplaceFile> file = vox::os::ReplaceFile::open(projectPath_, &error, options);
  if (!file) {
    if (reportFailure) reportOpenFailure(error);
    return false;
  }
  output_ = std::make_unique<vox::os::ReplaceFile>(std::move(*file));
  return true;
}

bool VoxPrmWDPFiler::closeProject() {
  if (!open_) return false;
  input_.reset();
  output_.reset();
  open_ = false;
  forWriting_ = false;
  return true;
}

bool VoxPrmWDPFiler::readProject(VoxPrmProjectData& data) {
  if (!open_) return refuse(kNotOpen);
  if (forWriting_) return refuse(kNotForReading);
  // First a look at the bytes, so that what is no project file leaves `data` untouched and the
  // drawing list is sized once; then the reading proper, of the same bytes.
  vox::projectfile::ProjectFileScan scan;
  if (!forEachPiece(*input_, [&scan](std::string_view piece) {
        scan.feed(piece);
        return !scan.holdsNul() && scan.size() <= static_cast<std::size_t>(kMaxProjectFileSize);
      })) {
    return false;
  }
  if (scan.holdsNul()) {
    showMessage(vox::host::resourceText(kHoldsNul, {projectPath_}));
    return false;
  }
  if (scan.size() > static_cast<std::size_t>(kMaxProjectFileSize)) {  // it grew since it was opened
    reportTooLarge(projectPath_);
    return false;
  }
  const vox::projectfile::ProjectFolderPaths paths(projectFolder_);
  vox::projectfile::ProjectTextReader reader(vox::os::narrowCodec(), paths, substituteReplaceable, data,
                                             scan.drawingLines());
  std::size_t left = scan.size();
  const bool read = forEachPiece(*input_, [&reader, &left](std::string_view piece) {
    piece = piece.substr(0, left);
    reader.feed(piece);
    left -= piece.size();
    return left > 0;
  });
  reader.finish(vox::host::dependentDefaultTexts());
  reportInterruptedWrites();
  return read;
}

bool VoxPrmWDPFiler::writeProject(const VoxPrmProjectData& data) {
  if (!open_) return refuse(kNotOpen);
  if (!forWriting_) return refuse(kNotForWriting);
  // Written once already: the next write replaces the file again.
  if (!output_ && !openForWriting(false)) return false;
  const vox::projectfile::ProjectFolderPaths paths(projectFolder_);
  output_->content() = vox::projectfile::writeProjectText(data, vox::os::narrowCodec(), paths);
  const bool written = output_->commit();
  if (!output_->keptRecoveryCopy().empty())
    showMessage(vox::host::resourceText(kOldContentKept, {projectPath_, output_->keptRecoveryCopy()}));
  output_.reset();
  return written;
}

void VoxPrmWDPFiler::reportInterruptedWrites() const {
  const std::wstring folder = vox::host::projectFileServices()->recoveryFolder();
  if (folder.empty()) return;
  for (const std::wstring& copy : vox::os::interruptedRewrites(projectPath_, folder))
    showMessage(vox::host::resourceText(kInterruptedWrite, {projectPath_, copy}));
}
