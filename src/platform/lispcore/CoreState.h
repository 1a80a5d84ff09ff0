#pragma once
// What the core's functions share: the context, the interpreter they run in, the call log and
// the little state the core keeps in memory.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/lisp/Interpreter.h"
#include "platform/lispcore/LispCore.h"
#include "platform/lispcore/NameSet.h"

namespace vox::lispcore {

struct CoreState {
  CoreState(lisp::Interpreter& lispInterpreter, LispCoreContext coreContext)
      : interpreter(lispInterpreter), context(std::move(coreContext)) {}

  // One line on the command line.
  void printLine(const std::wstring& text) const {
    if (context.print) context.print(text + L"\n");
  }
  const void* currentDocument() const { return context.currentDocument ? context.currentDocument() : nullptr; }

  lisp::Interpreter& interpreter;
  LispCoreContext context;
  std::vector<LispCoreCall> calls;
  std::size_t rereadRequests = 0;
  NameSet defined;  // the core's own functions
  NameSet exposed;  // names "vl-dftr-defun" accepted
};

}  // namespace vox::lispcore
