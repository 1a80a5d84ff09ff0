#pragma once
// Pure rules of a new project's file path: composing it from the name, the folder and the
// create-folder choice, telling a name that cannot be a file name, and listing the folders that
// must be made before the file can be written. No file-system access.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vox::dialogs {

struct NewProjectPathInput {
  std::wstring name;             // as typed; an extension is dropped, ".wdp" is given
  std::wstring location;         // the folder field as typed
  std::wstring defaultLocation;  // used when the folder field is empty
  bool createFolder = true;      // the project gets a folder of its own name in the location
};

// The name without blanks around it and without its extension (anything from the last ".").
std::wstring projectBaseName(const std::wstring& name);

// The project file's full path: the location (or the default one), then a folder of the name
// when asked for, then the name with ".wdp", with "." and ".." resolved. Empty when name and location are both empty (after
// removing blanks); a location without a name gives the folder with a trailing "\". Nothing when
// the result would not fit a path, so that the caller keeps the previous one.
std::optional<std::wstring> composeNewProjectPath(const NewProjectPathInput& input);

// Whether `name` can name a project file on every host the file is shared with: something is
// left once its extension is dropped, and it holds no \ / : * ? " < > | nor a control character.
bool isUsableProjectName(const std::wstring& name);

// The folders to make, parents first, so that `folder` exists: blanks around it and a trailing
// "\" are ignored; an empty path, a drive root ("C:") and a folder for which `exists` holds need
// nothing; otherwise the parent (everything before the last "\") comes first.
std::vector<std::wstring> foldersToCreate(const std::wstring& folder,
                                          const std::function<bool(const std::wstring&)>& exists);

}  // namespace vox::dialogs
