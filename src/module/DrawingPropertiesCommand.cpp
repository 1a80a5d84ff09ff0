#include "module/DrawingPropertiesCommand.h"

#include <string>
#include <utility>
#include <variant>

#include "dialogs/EditDrawingProperties.h"
#include "host/HcDocument.h"
#include "host/HcHostServices.h"
#include "module/ModuleState.h"
#include "module/VoxPrmNavManager.h"

namespace vox::module {
namespace {

// Whether the current drawing was ever saved under a name of its own (DWGTITLED not 0).
bool currentDrawingTitled() {
  HcResBuf titled;
  if (hcedGetVar(L"DWGTITLED", titled) != kRtNorm) return false;
  if (const auto* s = std::get_if<std::int16_t>(&titled.value)) return *s != 0;
  if (const auto* l = std::get_if<std::int32_t>(&titled.value)) return *l != 0;
  return false;
}

}  // namespace

void runDrawingProperties() {
  std::pair<std::wstring, std::wstring> pending;
  if (VoxPrmNavManager* nav = navManager()) pending = nav->takePending();
  auto& [drawing, project] = pending;
  bool savedFile = true;
  if (drawing.empty()) {
    const HcDocManager* documents = hcDocManagerPtr();
    const HcDocument* current = documents != nullptr ? documents->curDocument() : nullptr;
    if (current == nullptr) return;
    drawing = current->fileName();
    savedFile = currentDrawingTitled();
  }
  dialogs::editDrawingProperties(drawing, project.c_str(), savedFile);
}

}  // namespace vox::module
