#include "palette/CVoxPrmFileOpenHostDlg.h"

#include "host/HcInteraction.h"
#include "host/ResourceText.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/WinPath.h"

namespace {

enum : unsigned { kTitle = 591, kPathLabel = 592, kProjectLabel = 593, kNotADrawing = 594, kDrawingFilter = 584 };

}  // namespace

CVoxPrmFileOpenHostDlg::CVoxPrmFileOpenHostDlg(std::wstring path, std::vector<Project> projects)
    : path_(std::move(path)), projects_(std::move(projects)) {}

std::wstring CVoxPrmFileOpenHostDlg::projectID() const { return chosen_ < projects_.size() ? projects_[chosen_].id : L""; }

std::wstring CVoxPrmFileOpenHostDlg::title() const { return vox::host::resourceText(kTitle); }

std::vector<HcDialogField> CVoxPrmFileOpenHostDlg::fields() const {
  HcDialogField path;
  path.id = L"path";
  path.kind = HcFieldKind::kPath;
  path.label = vox::host::resourceText(kPathLabel);
  path.value = path_;
  HcDialogField project;
  project.id = L"project";
  project.kind = HcFieldKind::kChoice;
  project.label = vox::host::resourceText(kProjectLabel);
  project.value = chosen_ < projects_.size() ? projects_[chosen_].name : L"";
  for (const Project& p : projects_) project.choices.push_back(p.name);
  return {path, project};
}

bool CVoxPrmFileOpenHostDlg::setField(const std::wstring& id, const std::wstring& value) {
  if (id == L"path") {
    path_ = value;
    return true;
  }
  if (id != L"project") return false;
  for (std::size_t i = 0; i < projects_.size(); ++i) {
    if (projects_[i].name != value) continue;
    chosen_ = i;
    return true;
  }
  return false;
}

bool CVoxPrmFileOpenHostDlg::browse(const std::wstring& id) {
  HcInteraction* interaction = hcInteraction();
  if (id != L"path" || interaction == nullptr) return false;
  const std::optional<std::wstring> chosen =
      interaction->chooseFile(title(), path_, vox::host::resourceText(kDrawingFilter), true);
  if (!chosen) return false;
  path_ = vox::os::toBackslashes(*chosen);
  notifyChanged();
  return true;
}

std::vector<HcDialogButton> CVoxPrmFileOpenHostDlg::buttons() const {
  return {{L"ok", L"OK", !path_.empty() && !projects_.empty(), true}, {L"cancel", L"Cancel", true, false}};
}

HcDialogOutcome CVoxPrmFileOpenHostDlg::press(const std::wstring& buttonId) {
  if (buttonId == L"cancel") return HcDialogOutcome::close(kHcDialogCancel);
  if (buttonId != L"ok" || projects_.empty()) return HcDialogOutcome::stay();
  if (!vox::os::iequals(vox::os::extension(path_), L".dwg") || vox::os::fileName(path_).size() <= 4)
    return HcDialogOutcome::stay(L"path", vox::host::resourceText(kNotADrawing, {path_}));
  return HcDialogOutcome::close(kHcDialogOk);
}
