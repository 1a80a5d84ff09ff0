#include "palette/VoxPrmPaletteSet.h"

#include "core/VoxPrmProjectManager.h"
#include "host/HcEventLoop.h"

VoxPrmPaletteSet::VoxPrmPaletteSet() : m_alive(std::make_shared<bool>(true)) {}

VoxPrmPaletteSet::~VoxPrmPaletteSet() {
  destroyWindow();
  *m_alive = false;
}

void VoxPrmPaletteSet::destroyWindow() {
  if (!m_windowLive) return;
  if (HcEventLoop* loop = hcEventLoop()) loop->killTimers(window());
  m_windowLive = false;
  m_visible = false;
}

bool VoxPrmPaletteSet::postReReadRequest(int projectIndex) {
  HcEventLoop* loop = hcEventLoop();
  if (!m_windowLive || loop == nullptr) return false;
  loop->post([this, alive = m_alive, projectIndex] {
    if (*alive && m_windowLive) onReReadRequest(projectIndex);
  });
  return true;
}

void VoxPrmPaletteSet::onReReadRequest(int projectIndex) {
  VoxPrmProjectManager* manager = GetProjectManager();
  const VoxPrmProject* project = manager != nullptr ? manager->getProject(projectIndex) : nullptr;
  if (project == nullptr) return;
  const std::wstring id = project->getProjectID();
  manager->reReadProject(id.c_str());
}
