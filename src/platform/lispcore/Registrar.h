#pragma once
// Defines the core's functions in the interpreter. Each built-in holds a weak handle on the core's
// state, logs the call, checks the arguments against a pattern and then runs the function.
//
// Argument patterns, one letter per argument: s string, S string or nil, i integer, l list or
// nil, b T or nil, x anything; a final * accepts any further arguments. Counts must match.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/lispcore/CoreState.h"

namespace vox::lispcore {

using Args = std::vector<lisp::Value>;
// A core function: the checked arguments; a value, or an error message in `error`.
using CoreFunction = std::function<lisp::Value(CoreState& state, const Args& args, std::wstring& error)>;

class Registrar {
 public:
  Registrar(lisp::Interpreter& interpreter, std::shared_ptr<CoreState> state)
      : interpreter_(interpreter), state_(std::move(state)) {}

  void define(const std::wstring& name, const std::wstring& pattern, CoreFunction function);

 private:
  lisp::Interpreter& interpreter_;
  std::shared_ptr<CoreState> state_;
};

// The line a function standing for something outside this system prints when it is called:
// "LISP core: <what> (<name>)".
inline std::wstring askedLine(const wchar_t* what, const wchar_t* name) {
  return std::wstring(L"LISP core: ") + what + L" (" + name + L")";
}

// Each concern defines its functions.
void defineRecentProjectFunctions(Registrar& registrar);
void defineEnvironmentFunctions(Registrar& registrar);
void defineGlobalFunctions(Registrar& registrar);
void defineBlockLibraryFunctions(Registrar& registrar);
void defineDrawingValueFunctions(Registrar& registrar);
void defineExposureFunctions(Registrar& registrar);
void defineOutsideFeatureFunctions(Registrar& registrar);
void defineEditDialogFunctions(Registrar& registrar);

}  // namespace vox::lispcore
