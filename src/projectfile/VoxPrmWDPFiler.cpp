#include "projectfile/VoxPrmWDPFiler.h"

#include "host/DependentDefaultsFromLispCore.h"
#include "host/ProjectFileServices.h"
#include "platform/os/Files.h"
#include "platform/os/NarrowCodec.h"
#include "platform/os/WinPath.h"
#include "projectfile/ProjectFileText.h"
#include "projectfile/ProjectFolderPaths.h"

namespace {

constexpr std::size_t kMaxMessageLength = 255;

void reportOpenFailure(const vox::os::OsError& error) {
  vox::host::projectFileServices()->showProjectFileError(error.message.substr(0, kMaxMessageLength),
                                                         vox::host::projectFileErrorCaption());
}

std::optional<std::wstring> substituteReplaceable(const std::wstring& value) {
  return vox::host::projectFileServices()->substituteReplaceable(value);
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
  vox::os::OsError error;
  if (forReading) {
    std::optional<vox::os::InputFile> file = vox::os::InputFile::open(path, &error);
    if (!file) return false;
    input_ = std::make_unique<vox::os::InputFile>(std::move(*file));
  } else {
    std::optional<vox::os::ReplaceFile> file = vox::os::ReplaceFile::open(path, &error);
    if (!file) {
      if (reportFailure) reportOpenFailure(error);
      return false;
    }
    output_ = std::make_unique<vox::os::ReplaceFile>(std::move(*file));
  }
  projectPath_ = std::move(path);
  projectFolder_ = vox::os::folderOf(projectPath_);
  open_ = true;
  forWriting_ = !forReading;
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
  std::string bytes;
  if (!input_->readAll(bytes)) return false;
  const vox::projectfile::ProjectFolderPaths paths(projectFolder_);
  vox::projectfile::readProjectText(bytes, vox::os::narrowCodec(), paths, substituteReplaceable, data,
                                    vox::host::dependentDefaultTexts());
  return true;
}

bool VoxPrmWDPFiler::writeProject(const VoxPrmProjectData& data) {
  if (!open_) return refuse(kNotOpen);
  if (!forWriting_) return refuse(kNotForWriting);
  if (!output_) {  // written once already: the next write replaces the file again
    std::optional<vox::os::ReplaceFile> file = vox::os::ReplaceFile::open(projectPath_);
    if (!file) return false;
    output_ = std::make_unique<vox::os::ReplaceFile>(std::move(*file));
  }
  const vox::projectfile::ProjectFolderPaths paths(projectFolder_);
  output_->content() = vox::projectfile::writeProjectText(data, vox::os::narrowCodec(), paths);
  const bool written = output_->commit();
  output_.reset();
  return written;
}
