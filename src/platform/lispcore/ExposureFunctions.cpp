// "veval-str+" reads its text and evaluates every expression in it, answering the last value;
// text that does not read, or an evaluation that fails, is a LISP error. "vl-dftr-defun" marks a
// function as callable from outside; it must be one of the core's functions or one defined in
// the current document, else it is an error.

#include "platform/lisp/LispReader.h"
#include "platform/lispcore/Registrar.h"

namespace vox::lispcore {
namespace {

using lisp::Value;

Value evaluateText(CoreState& state, const Args& args, std::wstring& error) {
  const lisp::ReadResult read = lisp::readAll(args[0].text);
  if (!read.ok()) {
    error = L"veval-str+: " + read.error;
    return Value::nil();
  }
  Value last;
  for (const Value& expression : read.values) {
    std::wstring failure;
    if (!state.interpreter.evaluate(expression, last, failure)) {
      error = failure;
      return Value::nil();
    }
  }
  return last;
}

Value expose(CoreState& state, const Args& args, std::wstring& error) {
  const Value& name = args[0];
  if (name.kind != Value::Kind::kSymbol && name.kind != Value::Kind::kString) {
    error = L"bad argument type: vl-dftr-defun " + lisp::print(name);
    return Value::nil();
  }
  if (state.defined.count(name.text) == 0 && !state.interpreter.isDefined(state.currentDocument(), name.text)) {
    error = L"no function definition: " + name.text;
    return Value::nil();
  }
  state.exposed.insert(name.text);
  return Value::symbol(name.text);
}

}  // namespace

void defineExposureFunctions(Registrar& registrar) {
  registrar.define(L"veval-str+", L"s", evaluateText);
  registrar.define(L"vl-dftr-defun", L"x", expose);
}

}  // namespace vox::lispcore
