#include "dialogs/NewProjectFile.h"

#include "dialogs/NewProjectPath.h"
#include "platform/os/Files.h"
#include "platform/os/WinPath.h"
#include "projectfile/VoxPrmWDPFiler.h"

namespace vox::dialogs {

VoxPrmProjectData newProjectData(const NewProjectContent& content) {
  VoxPrmProjectData data;
  if (!content.source.empty()) {
    VoxPrmWDPFiler filer;
    // A file that cannot be read leaves the record empty.
    if (filer.openProject(content.source, true, false)) {
      filer.readProject(data);
      filer.closeProject();
    }
  }
  data.removeAllFiles();
  data.setProjDescriptions(content.descriptions);
  VoxPrmMiscProjSettings misc = data.getMiscProjSettings();
  misc.setValue(kDescriptionFlagsIndex, &content.descriptionFlags);
  data.setMiscProjSettings(misc);
  return data;
}

bool createFolderChain(const std::wstring& folder) {
  for (const std::wstring& missing : foldersToCreate(folder, [](const std::wstring& f) { return os::pathExists(f); }))
    if (!os::createFolder(missing)) return false;
  return true;
}

bool writeNewProjectFile(const std::wstring& projectPath, const VoxPrmProjectData& data) {
  // A folder that could not be made shows as the filer's failure to open the file.
  createFolderChain(os::folderOf(projectPath));
  VoxPrmWDPFiler filer;
  if (!filer.openProject(projectPath, false, true)) return false;
  const bool written = filer.writeProject(data);
  filer.closeProject();
  return written;
}

}  // namespace vox::dialogs
