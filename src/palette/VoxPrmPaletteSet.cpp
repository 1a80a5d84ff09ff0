#include "palette/VoxPrmPaletteSet.h"

#include "core/VoxPrmProjectManager.h"
#include "host/HcEventLoop.h"
#include "host/HcMessageCatalog.h"
#include "host/HcUiHost.h"
#include "host/LispCoreFunctions.h"
#include "palette/CProjectTree.h"
#include "palette/VoxPrmComboBox.h"
#include "palette/VoxPrmControlFactory.h"
#include "palette/VoxPrmProjectTab.h"

namespace {
// The palette set's tool id; its stored layout is found under it.
constexpr const wchar_t* kToolId = L"{6F1C2A9E-3B7D-4E15-9A42-0C8D5E7B1F36}";
constexpr const wchar_t* kDefaultCaption = L"Project Manager";
}  // namespace

VoxPrmPaletteSet::VoxPrmPaletteSet()
    : m_tree(VoxPrmControlFactory::Instance().NewProjectTree()),
      m_combo(VoxPrmControlFactory::Instance().NewProjectComboBox()),
      m_tab(std::make_unique<VoxPrmProjectTab>(*m_tree)),
      m_alive(std::make_shared<bool>(true)) {}

VoxPrmPaletteSet::~VoxPrmPaletteSet() {
  destroyWindow();
  *m_alive = false;
}

void VoxPrmPaletteSet::destroyWindow() {
  if (!m_windowLive) return;
  if (HcEventLoop* loop = hcEventLoop()) loop->killTimers(window());
  m_activationRetry = false;
  hcPaletteSetDestroyed(*this);
  m_tab.reset();
  m_tree.reset();
  m_combo.reset();
  m_windowLive = false;
  m_visible = false;
}

void VoxPrmPaletteSet::show(bool visible) {
  const bool shown = visible && m_windowLive;
  if (shown == m_visible) return;
  m_visible = shown;
  hcShowPaletteSet(*this, shown);
}

std::wstring VoxPrmPaletteSet::caption() const {
  const HcMessageCatalog* catalog = hcMessageCatalog();
  const std::optional<std::wstring> text = catalog != nullptr ? catalog->text(L"palette-caption") : std::nullopt;
  return text.value_or(kDefaultCaption);
}

std::wstring VoxPrmPaletteSet::toolId() const { return kToolId; }

HcTreeController* VoxPrmPaletteSet::tree() { return m_tree.get(); }

HcComboController* VoxPrmPaletteSet::combo() { return m_combo.get(); }

HcProjectTabController* VoxPrmPaletteSet::projectTab() { return m_tab.get(); }

// The project tab's layout is kept under the palette set's element, found by the tab's name.
void VoxPrmPaletteSet::loadLayout(const pugi::xml_node& paletteSetElement) {
  if (!m_tab) return;
  vox::palette::PaletteLayout layout = m_tab->layout();
  if (vox::palette::readPaletteLayout(paletteSetElement, m_tab->name(), layout)) m_tab->setLayout(layout);
}

void VoxPrmPaletteSet::saveLayout(pugi::xml_node& paletteSetElement) {
  if (m_tab) vox::palette::writePaletteLayout(paletteSetElement, m_tab->name(), m_tab->layout());
}

bool VoxPrmPaletteSet::postReReadRequest(int projectIndex) {
  HcEventLoop* loop = hcEventLoop();
  if (!m_windowLive || loop == nullptr) return false;
  loop->post([this, alive = m_alive, projectIndex] {
    if (*alive && m_windowLive) onReReadRequest(projectIndex);
  });
  return true;
}

void VoxPrmPaletteSet::startActivationRetry() {
  HcEventLoop* loop = hcEventLoop();
  if (m_activationRetry || !m_windowLive || loop == nullptr) return;
  m_activationRetry = true;
  loop->setTimer(window(), kActivationTimerId, kActivationRetryMs, true, [this, alive = m_alive] {
    if (*alive) onActivationTimer();
  });
}

// Each tick stops the timer; a renewed failure starts it again.
void VoxPrmPaletteSet::onActivationTimer() {
  if (HcEventLoop* loop = hcEventLoop()) loop->killTimer(window(), kActivationTimerId);
  m_activationRetry = false;
  const VoxPrmProjectManager* manager = GetProjectManager();
  std::wstring active;
  if (manager != nullptr && manager->getActiveProjectID(active) && !vox::host::lispcore::makeProjectActive(active))
    startActivationRetry();
}

void VoxPrmPaletteSet::onReReadRequest(int projectIndex) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(projectIndex) : nullptr;
  if (project == nullptr) return;
  const std::wstring id = project->getProjectID();
  // This re-read follows a change of the file on disk: the tree notes it on the project's node.
  const bool read = manager->reReadProject(id.c_str());
  CProjectTree* projectTree = m_tree.get();
  if (projectTree == nullptr) return;
  if (read) {
    projectTree->NoteChangedOnDisk(id);
  } else {
    projectTree->NoteReReadFailed(id);
  }
}
