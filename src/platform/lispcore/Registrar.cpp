#include "platform/lispcore/Registrar.h"

#include "platform/lispcore/Arguments.h"

namespace vox::lispcore {

void Registrar::define(const std::wstring& name, const std::wstring& pattern, CoreFunction function) {
  state_->defined.insert(name);
  const std::weak_ptr<CoreState> handle = state_;
  interpreter_.defineBuiltin(name, [handle, name, pattern, function](const Args& args, std::wstring& error) {
    const std::shared_ptr<CoreState> state = handle.lock();  // alive until this call returns
    if (!state) {
      error = L"LISP core unloaded: " + name;
      return lisp::Value::nil();
    }
    state->calls.push_back({name, printArguments(args)});
    if (!checkArguments(name, args, pattern, error)) return lisp::Value::nil();
    return function(*state, args, error);
  });
}

}  // namespace vox::lispcore
