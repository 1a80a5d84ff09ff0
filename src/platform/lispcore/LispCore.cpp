#include "platform/lispcore/LispCore.h"

#include "platform/lispcore/Registrar.h"

namespace vox::lispcore {

LispCore::LispCore(lisp::Interpreter& interpreter, LispCoreContext context)
    : state_(std::make_shared<CoreState>(interpreter, std::move(context))) {
  Registrar registrar(interpreter, state_);
  defineRecentProjectFunctions(registrar);
  defineEnvironmentFunctions(registrar);
  defineGlobalFunctions(registrar);
  defineBlockLibraryFunctions(registrar);
  defineDrawingValueFunctions(registrar);
  defineExposureFunctions(registrar);
  defineOutsideFeatureFunctions(registrar);
  defineEditDialogFunctions(registrar);
}

LispCore::~LispCore() = default;

const std::vector<LispCoreCall>& LispCore::calls() const { return state_->calls; }

std::size_t LispCore::rereadRequests() const { return state_->rereadRequests; }

bool LispCore::isExposed(const std::wstring& name) const { return state_->exposed.count(name) > 0; }

}  // namespace vox::lispcore
