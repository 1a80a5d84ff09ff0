#include "module/VoxPrmNavManager.h"

#include "core/ModuleObjects.h"
#include "core/PendingRequestRunner.h"
#include "core/VoxPrmProjectManager.h"
#include "core/VoxPrmSubsystemNotifier.h"
#include "host/HcHostServices.h"
#include "host/HcSettingsStore.h"
#include "host/LispCoreFunctions.h"
#include "host/VoxUtils.h"
#include "module/LispFunctions.h"
#include "module/ManagerParts.h"
#include "module/NavReactors.h"
#include "palette/VoxPrmPaletteSet.h"
#include "palette/VoxPrmProjectTab.h"

namespace {

std::wstring startupKey() { return hcrxProductKey() + L"\\Settings\\ESW"; }
constexpr const wchar_t* kVisibility = L"Visibility";

}  // namespace

VoxPrmNavManager::VoxPrmNavManager() : m_inputContextReactor(std::make_unique<vox::module::InputContextReactor>(*this)) {
  if (const HcSettingsStore* store = hcSettingsStore()) {
    if (const std::optional<std::int32_t> visible = store->getNumber(startupKey(), kVisibility)) m_showAtStartup = *visible == 1;
  }
}

void VoxPrmNavManager::install() {
  vox::core::installModuleObjects({m_projectManager.get(), &m_navigation, m_paletteSet.get()});
}

void VoxPrmNavManager::initialise() {
  if (!m_projectManager) m_projectManager = std::make_unique<VoxPrmProjectManager>(vox::module::moduleManagerParts());
  install();  // the palette's project tree finds the manager through the module's objects
  if (!m_paletteSet || !m_paletteSet->hasLiveWindow()) {
    followBusyHost(false);
    m_paletteSet = std::make_unique<VoxPrmPaletteSet>();
    followBusyHost(true);
  }
  install();  // so do the subsystem notifier and the re-read timers the palette set owns
  if (!m_subsystemNotifier) m_subsystemNotifier = std::make_unique<VoxPrmSubsystemNotifier>();
  if (!m_docManagerReactor) {
    m_docManagerReactor = std::make_unique<vox::module::DocManagerReactor>(*this);
    if (HcDocManager* documents = hcDocManagerPtr()) documents->addReactor(m_docManagerReactor.get());
  }
  if (!m_editorReactor) {
    m_editorReactor = std::make_unique<vox::module::EditorReactor>(*this);
    if (HcEditor* editor = hcEditorPtr()) editor->addReactor(m_editorReactor.get());
  }
}

VoxPrmNavManager::~VoxPrmNavManager() {
  if (HcDocManager* documents = hcDocManagerPtr()) {
    for (HcDocument* doc : documents->documents()) doc->removeInputContextReactor(m_inputContextReactor.get());
  }
  m_inputContextReactor.reset();
  if (m_editorReactor) {
    if (HcEditor* editor = hcEditorPtr()) editor->removeReactor(m_editorReactor.get());
    m_editorReactor.reset();
  }
  if (m_docManagerReactor) {
    if (HcDocManager* documents = hcDocManagerPtr()) documents->removeReactor(m_docManagerReactor.get());
    m_docManagerReactor.reset();
  }
  m_subsystemNotifier.reset();
  followBusyHost(false);
  if (m_paletteSet) m_paletteSet->destroyWindow();
  m_paletteSet.reset();
  vox::core::installModuleObjects({m_projectManager.get(), &m_navigation, nullptr});
  m_projectManager.reset();
  vox::core::installModuleObjects({});
  if (HcSettingsStore* store = hcSettingsStore()) store->setNumber(startupKey(), kVisibility, m_showAtStartup ? 1 : 0);
}

void VoxPrmNavManager::showPalette(bool show) {
  if (show) {
    m_showAtStartup = true;
    if (!m_paletteSet && !m_paletteCreationSuppressed) {
      m_paletteSet = std::make_unique<VoxPrmPaletteSet>();
      followBusyHost(true);
      install();
    }
    if (m_paletteSet) m_palettePlaced = true;
  }
  if (m_paletteSet) m_paletteSet->show(show);
}

// The project tab greys the buttons that start work while the host runs a command or LISP.
void VoxPrmNavManager::followBusyHost(bool follow) {
  VoxPrmProjectTab* tab = m_paletteSet ? m_paletteSet->tab() : nullptr;
  if (tab == nullptr || !m_inputContextReactor) return;
  if (follow) {
    m_inputContextReactor->onCommandOrLispEvent.subscribe(tab, &VoxPrmProjectTab::onCommandOrLispEvent);
  } else {
    m_inputContextReactor->onCommandOrLispEvent.unsubscribeAll(tab);
  }
}

bool VoxPrmNavManager::isPaletteVisible() const { return m_paletteSet && m_paletteSet->isVisible(); }

void VoxPrmNavManager::setPending(const std::wstring& drawingPath, const std::wstring& projectPath) {
  m_navigation.pendingDrawing = drawingPath;
  m_navigation.pendingProject = projectPath;
}

std::pair<std::wstring, std::wstring> VoxPrmNavManager::takePending() {
  std::pair<std::wstring, std::wstring> pending{std::move(m_navigation.pendingDrawing),
                                                std::move(m_navigation.pendingProject)};
  m_navigation.pendingDrawing.clear();
  m_navigation.pendingProject.clear();
  return pending;
}

void VoxPrmNavManager::onQuiescent() {
  vox::module::reopenLastProjects();
  m_inputContextReactor->onCommandOrLispEvent.raise(false);
  VoxEndWaitCursor();
  if (m_navigation.makeActivePending) {
    m_navigation.makeActivePending = false;
    std::wstring active;
    if (m_projectManager && m_projectManager->getActiveProjectID(active) &&
        !vox::host::lispcore::makeProjectActive(active) && m_paletteSet)
      m_paletteSet->startActivationRetry();
  }
  if (!m_navigation.requests.empty()) vox::core::workOffPendingRequests(m_navigation);
}

void VoxPrmNavManager::onCleanScreenChanged() {
  HcResBuf state;
  const bool clean = hcedGetVar(L"CleanScreenState", state) == kRtNorm && state.integer() == 1;
  if (clean) {
    // A repeated notice of the same state must not forget that the palette was hidden for it.
    if (isPaletteVisible()) {
      m_hiddenForCleanScreen = true;
      m_paletteSet->show(false);
    }
  } else if (m_hiddenForCleanScreen) {
    m_hiddenForCleanScreen = false;
    if (m_paletteSet) m_paletteSet->show(true);
  }
}
