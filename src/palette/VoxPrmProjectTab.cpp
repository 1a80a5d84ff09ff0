#include "palette/VoxPrmProjectTab.h"

#include "core/VoxPrmProjectManager.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "host/HcUiHost.h"
#include "host/ResourceText.h"
#include "host/VoxDbxBlockRef.h"
#include "palette/CProjectTree.h"
#include "palette/CVoxPrmDwgListConfigDlg.h"
#include "palette/TreeMenus.h"

namespace {

struct ButtonEntry {
  unsigned command;
  const wchar_t* name;
  unsigned tooltip;
};
constexpr ButtonEntry kButtons[] = {
    {VoxPrmProjectTab::kNewProjectButton, L"new-project", 611}, {VoxPrmProjectTab::kNewDrawingButton, L"new-drawing", 612},
    {VoxPrmProjectTab::kRefreshButton, L"refresh", 613},        {VoxPrmProjectTab::kTaskListButton, L"task-list", 614},
    {VoxPrmProjectTab::kResequenceButton, L"resequence", 615},  {VoxPrmProjectTab::kDisplayConfigButton, L"display-config", 616},
    {VoxPrmProjectTab::kPublishButton, L"publish", 617},        {VoxPrmProjectTab::kHelpButton, L"help", 618}};
constexpr unsigned kPublishCaption = 561;

bool activeProjectHasTasks() {
  const VoxPrmProjectManager* manager = GetProjectManager();
  std::wstring active;
  return manager != nullptr && manager->getActiveProjectID(active) && manager->projectHasTasks(active.c_str());
}

// The preview picture stored in a drawing file.
std::string thumbnailOf(const std::wstring& path) {
  const std::unique_ptr<VoxDbxBlockRef> db = VoxDbxCreateBlockRef();
  if (!db || !db->open(path, VoxDbxDatabase::kOpenForRead, false)) return {};
  std::string picture = db->thumbnailPng();
  db->close(false);
  return picture;
}

}  // namespace

VoxPrmProjectTab::VoxPrmProjectTab(CProjectTree& tree) : tree_(tree), taskListEnabled_(activeProjectHasTasks()) {
  tree_.setDetailsRefresh([this] { refreshDetailsAndPreview(); });
  if (VoxPrmProjectManager* manager = GetProjectManager()) {
    manager->events().projectTasksAdded.subscribe(this, &VoxPrmProjectTab::onTasksAdded);
    manager->events().projectTasksDeleted.subscribe(this, &VoxPrmProjectTab::onTasksDeleted);
    manager->events().projectSetActive.subscribe(this, &VoxPrmProjectTab::onSetActive);
  }
  refreshDetailsAndPreview();
}

VoxPrmProjectTab::~VoxPrmProjectTab() {
  tree_.setDetailsRefresh(nullptr);
  if (VoxPrmProjectManager* manager = GetProjectManager()) manager->unsubscribeAll(this);
}

void VoxPrmProjectTab::changed() const {
  if (changed_) changed_();
}

bool VoxPrmProjectTab::hostBusy() const { return hcHasDocument() && !hcCurrentDocumentQuiescent(); }

void VoxPrmProjectTab::onCommandOrLispEvent(bool busy) {
  busy_ = busy;
  if (!busy) taskListEnabled_ = activeProjectHasTasks();
  changed();
}

void VoxPrmProjectTab::onTasksAdded(const std::wstring& projectID, const std::wstring&) {
  const VoxPrmProjectManager* manager = GetProjectManager();
  if (hostBusy()) {
    taskListEnabled_ = false;
  } else if (manager != nullptr && manager->isActiveProject(projectID.c_str())) {
    taskListEnabled_ = true;
  }
  changed();
}

void VoxPrmProjectTab::onTasksDeleted(const std::wstring& projectID, const std::wstring&) {
  const VoxPrmProjectManager* manager = GetProjectManager();
  if (hostBusy() || (manager != nullptr && manager->isActiveProject(projectID.c_str()))) taskListEnabled_ = false;
  changed();
}

void VoxPrmProjectTab::onSetActive(const std::wstring& projectID) {
  const VoxPrmProjectManager* manager = GetProjectManager();
  taskListEnabled_ = !hostBusy() && manager != nullptr && manager->projectHasTasks(projectID.c_str());
  changed();
}

std::vector<HcToolButtonView> VoxPrmProjectTab::buttons() const {
  std::vector<HcToolButtonView> views;
  for (const ButtonEntry& spec : kButtons) {
    bool enabled = true;
    if (spec.command == kNewProjectButton || spec.command == kNewDrawingButton || spec.command == kResequenceButton ||
        spec.command == kPublishButton)
      enabled = !busy_;
    if (spec.command == kTaskListButton) enabled = !busy_ && taskListEnabled_;
    views.push_back({spec.command, spec.name, vox::host::resourceText(spec.tooltip), enabled});
  }
  return views;
}

// New project, new drawing and publish need the host's active drawing, free of any command.
bool VoxPrmProjectTab::documentCommandAllowed() const {
  const HcDocManager* documents = hcDocManagerPtr();
  const HcDocument* active = documents != nullptr ? documents->mdiActiveDocument() : nullptr;
  if (!hcHasDocument() || active == nullptr) return false;
  if (active->isQuiescent()) return true;
  CProjectTree::showBusyMessage();
  return false;
}

void VoxPrmProjectTab::press(unsigned command, HcPoint screenPoint) {
  for (const HcToolButtonView& button : buttons())
    if (button.command == command && !button.enabled) return;
  switch (command) {
    case kNewProjectButton:
      if (documentCommandAllowed()) tree_.QueueCommand(L"_.voxnewproject\r");
      return;
    case kNewDrawingButton:
      if (documentCommandAllowed()) tree_.QueueCommand(L"_.voxnewdrawing\r");
      return;
    case kRefreshButton: tree_.Refresh(); return;
    case kTaskListButton: tree_.QueueCommand(L"(c:wd_upd_pending nil)\r"); return;
    case kResequenceButton: tree_.QueueCommand(L"(c:wd_bump)\r"); return;
    case kDisplayConfigButton: {
      CVoxPrmDwgListConfigDlg dialog;
      if (!dialog.endsAtOnce() && hcRunDialog(dialog) == kHcDialogOk) tree_.Refresh();
      return;
    }
    case kPublishButton: {
      const HcDocManager* documents = hcDocManagerPtr();
      const HcDocument* active = documents != nullptr ? documents->mdiActiveDocument() : nullptr;
      if (active == nullptr || !active->isQuiescent()) return;
      using namespace vox::palette;
      HcMenu menu{L"publish", {}};
      for (const unsigned id : {kPlotProject, kPublishToWeb, kPublishDwf, kZipProject})
        menu.entries.push_back(HcMenuEntry::item(id, vox::host::resourceText(300 + id)));
      if (const std::optional<unsigned> chosen = hcPopupMenu(menu, screenPoint)) tree_.RunMenuCommand(*chosen);
      return;
    }
    case kHelpButton: hcedHelp(L"VoxFolio", L"project_manager_dialog", 0); return;
    default: return;
  }
}

void VoxPrmProjectTab::showBottomPage(int page) {
  if (page != 0 && page != 1) return;
  layout_.bottom.selectedPage = page;
  refreshDetailsAndPreview();
}

void VoxPrmProjectTab::setTopToWholeRatio(double ratio) {
  if (ratio > 0.0 && ratio < 1.0) layout_.topToWholeRatio = ratio;
}

std::wstring VoxPrmProjectTab::name() const { return vox::host::resourceText(621); }

vox::palette::PaletteLayout VoxPrmProjectTab::layout() const { return layout_; }

void VoxPrmProjectTab::setLayout(const vox::palette::PaletteLayout& layout) {
  layout_ = layout;
  if (layout_.bottom.selectedPage != 0 && layout_.bottom.selectedPage != 1) layout_.bottom.selectedPage = 0;
  refreshDetailsAndPreview();
}

void VoxPrmProjectTab::refreshDetailsAndPreview() {
  details_.clear();
  preview_.clear();
  const bool single = tree_.GetSelectedCount() == 1;
  const int page = layout_.bottom.selectedPage;
  if (single && page == 0) tree_.GetDisplayDetails(details_);
  std::wstring drawing;
  if (single && page == 1 && tree_.IsDrawingSelected(&drawing, nullptr)) preview_ = thumbnailOf(drawing);
  changed();
}
