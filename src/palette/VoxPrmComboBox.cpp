#include "palette/VoxPrmComboBox.h"

#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcUiHost.h"
#include "host/LispCoreFunctions.h"
#include "host/ResourceText.h"
#include "palette/ProjectOpening.h"
#include "palette/TextFit.h"
#include "platform/os/CaseMapping.h"

namespace {

enum : unsigned { kRecentText = 607, kNewText = 608, kOpenText = 609, kSomeoneText = 403, kReadOnlyText = 404 };
// The face's text moves right of the lock mark by this many pixels.
constexpr int kLockMarkWidth = 16;

VoxPrmComboBox::voxprmComboDataTag command(VoxPrmComboBox::ItemType type, unsigned textId, bool needsDocument) {
  return {type, vox::host::resourceText(textId), nullptr, needsDocument};
}

}  // namespace

VoxPrmComboBox::VoxPrmComboBox() {
  HookProjectEvents();
  onListNeedsUpdate();
}

VoxPrmComboBox::~VoxPrmComboBox() { UnhookProjectEvents(); }

void VoxPrmComboBox::HookProjectEvents() {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (manager == nullptr || eventsHooked_) return;
  VoxPrmProjectEvents& events = manager->events();
  events.projectOpen.subscribe(this, &VoxPrmComboBox::onProjectChanged);
  events.projectClose.subscribe(this, &VoxPrmComboBox::onProjectChanged);
  events.projectCloseAllNA.subscribe(this, &VoxPrmComboBox::onCloseAllNA);
  events.projectSetActive.subscribe(this, &VoxPrmComboBox::onProjectChanged);
  events.projectLocked.subscribe(this, &VoxPrmComboBox::onLockChanged);
  events.projectUnlocked.subscribe(this, &VoxPrmComboBox::onLockChanged);
  events.projectReadOnlyChanged.subscribe(this, &VoxPrmComboBox::onReadOnlyChanged);
  eventsHooked_ = true;
}

void VoxPrmComboBox::UnhookProjectEvents() {
  VoxPrmProjectManager* manager = GetProjectManager();
  if (!eventsHooked_ || manager == nullptr) return;
  manager->unsubscribeAll(this);
  eventsHooked_ = false;
}

bool VoxPrmComboBox::InsertItem(int index, voxprmComboDataTag item) {
  if (index > static_cast<int>(items_.size()) || (item.type != kSeparatorItem && item.text.empty())) return false;
  items_.insert(index < 0 ? items_.end() : items_.begin() + index, std::move(item));
  return true;
}

void VoxPrmComboBox::ClearItems() {
  items_.clear();
  current_ = previous_ = -1;
}

void VoxPrmComboBox::onListNeedsUpdate() {
  ClearItems();
  VoxPrmProjectManager* manager = GetProjectManager();
  std::wstring active;
  if (manager != nullptr) manager->getActiveProjectID(active);
  for (int i = 0; manager != nullptr && i < manager->getProjectCount(); ++i) {
    VoxPrmProject* project = manager->getProject(i);
    std::wstring name;
    manager->makeProjectPrettyNameFromID(project->getProjectID().c_str(), name);
    if (InsertItem(-1, {kProjectItem, name, project, false}) && vox::os::iequals(project->getProjectID(), active))
      current_ = static_cast<int>(items_.size()) - 1;
  }
  AddDefaultComboList();
  previous_ = current_;
}

void VoxPrmComboBox::AddDefaultComboList() {
  if (!items_.empty()) InsertItem(-1, {});
  InsertItem(-1, command(kRecentItem, kRecentText, true));
  InsertItem(-1, {});
  InsertItem(-1, command(kNewItem, kNewText, true));
  InsertItem(-1, command(kOpenItem, kOpenText, false));
}

void VoxPrmComboBox::rebuild() {
  onListNeedsUpdate();
  changed();
}

void VoxPrmComboBox::onLockChanged(const std::wstring& projectID) {
  const VoxPrmProjectManager* manager = GetProjectManager();
  if (manager != nullptr && manager->isActiveProject(projectID.c_str())) changed();
}

void VoxPrmComboBox::changed() const {
  if (changed_) changed_();
}

std::vector<HcComboItemView> VoxPrmComboBox::items() const {
  const VoxPrmProjectManager* manager = GetProjectManager();
  const bool document = hcHasDocument();
  std::vector<HcComboItemView> views;
  for (const voxprmComboDataTag& item : items_) {
    HcComboItemView view;
    view.text = item.text;
    view.separator = item.type == kSeparatorItem;
    view.checked = item.project != nullptr && manager != nullptr &&
                   manager->isActiveProject(item.project->getProjectID().c_str());
    view.enabled = !item.needsDocument || document;
    views.push_back(view);
  }
  return views;
}

HcComboFace VoxPrmComboBox::face(int widthPx) const {
  HcComboFace face;
  const bool project = current_ >= 0 && items_[static_cast<std::size_t>(current_)].type == kProjectItem;
  std::wstring text = project ? items_[static_cast<std::size_t>(current_)].text : vox::host::resourceText(kOpenText);
  VoxPrmProjectManager* manager = GetProjectManager();
  if (project && manager != nullptr) {
    std::wstring holder;
    const std::wstring id = items_[static_cast<std::size_t>(current_)].project->getProjectID();
    switch (manager->whoHasProjectFileLocked(id.c_str(), holder)) {
      case kLockedByMe: face.lock = HcLockMark::kGreen; face.lockTooltip = holder; break;
      case kLockedByOther: face.lock = HcLockMark::kRed; face.lockTooltip = holder; break;
      case kLockedHolderUnknown: face.lock = HcLockMark::kRed; face.lockTooltip = vox::host::resourceText(kSomeoneText); break;
      case kReadOnly:
      case kNoFolderAccess: face.lock = HcLockMark::kYellow; face.lockTooltip = vox::host::resourceText(kReadOnlyText); break;
      default: break;
    }
  }
  const int room = widthPx - (face.lock != HcLockMark::kNone ? kLockMarkWidth : 0);
  const HcUiHost* ui = hcUiHost();
  // Without a width or a host that measures, the text is shown whole.
  const vox::palette::FittedText fitted = widthPx <= 0 || ui == nullptr
                                              ? vox::palette::FittedText{text, false}
                                              : vox::palette::fitText(text, [&](const std::wstring& t) { return ui->textFits(t, room); });
  face.text = fitted.text;
  if (fitted.shortened || face.lock != HcLockMark::kNone) face.textTooltip = text;
  return face;
}

void VoxPrmComboBox::choose(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  const voxprmComboDataTag& item = items_[static_cast<std::size_t>(index)];
  if (item.type == kSeparatorItem) return;  // a separator never becomes current
  if (item.needsDocument && !hcHasDocument()) return;
  previous_ = current_;
  current_ = index;
  OnItemSelection(index);
  changed();
}

void VoxPrmComboBox::restorePrevious() { current_ = previous_; }

void VoxPrmComboBox::OnItemSelection(int index) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const voxprmComboDataTag item = items_[static_cast<std::size_t>(index)];
  switch (item.type) {
    case kProjectItem:
      if (manager != nullptr && !manager->isActiveProject(item.project->getProjectID().c_str()))
        manager->setActiveProject(item.project->getProjectID().c_str());
      return;
    case kRecentItem: {
      std::optional<std::wstring> path;
      if (!hcHasDocument() || !vox::host::lispcore::chooseRecentProject(path) || !path || path->empty() ||
          !vox::palette::openProjectAsking(*path))
        restorePrevious();
      return;
    }
    case kOpenItem:
      if (!vox::palette::openProjectFromDialog()) restorePrevious();
      return;
    case kNewItem:
      if (HcDocManager* documents = hcDocManagerPtr())
        documents->executeInApplicationContext([] {
          HcDocManager* docs = hcDocManagerPtr();
          if (docs != nullptr && docs->curDocument() != nullptr)
            docs->sendStringToExecute(docs->curDocument(), L"_.voxnewproject\r", true, false, false);
        });
      restorePrevious();
      return;
    default:
      return;
  }
}
