#include "ScratchFill.h"

#include "platform/dwgdb/DrawingFile.h"
#include "platform/os/CaseMapping.h"
#include "projectfile/VoxPrmWDPFiler.h"
#include "records/VoxPrmProjectData.h"

namespace vox::tools {
namespace {

std::wstring property(const dwgdb::Drawing& drawing, const wchar_t* name) {
  for (const dwgdb::CustomProperty& p : drawing.summary.customProperties)
    if (os::iequals(p.name, name)) return p.value;
  return {};
}

}  // namespace

bool scratchRowsOfProject(const std::wstring& projectPath, std::vector<siblings::ScratchRow>& rows,
                          std::vector<std::wstring>& problems) {
  VoxPrmWDPFiler filer;
  VoxPrmProjectData data;
  if (!filer.openProject(projectPath, true, false) || !filer.readProject(data)) {
    problems.push_back(L"cannot read the project file " + projectPath);
    return false;
  }
  for (const VoxPrmFileDetails& entry : data.getProjFileDetails()) {
    std::wstring error;
    const std::optional<dwgdb::Drawing> drawing = dwgdb::loadDrawing(entry.fileName, &error);
    if (!drawing) {
      problems.push_back(L"cannot read the drawing " + entry.fileName + (error.empty() ? L"" : L": " + error));
      continue;
    }
    rows.push_back({entry.fileName, property(*drawing, L"Sheet"), property(*drawing, L"Drawing"),
                    property(*drawing, L"Installation Code"), property(*drawing, L"Location Code")});
  }
  return true;
}

void makeRelativeTo(std::vector<siblings::ScratchRow>& rows, const std::wstring& folder) {
  const std::wstring prefix = folder + L"\\";
  for (siblings::ScratchRow& row : rows)
    if (row.drawingPath.size() > prefix.size() && os::istartsWith(row.drawingPath, prefix))
      row.drawingPath.erase(0, prefix.size());
}

}  // namespace vox::tools
