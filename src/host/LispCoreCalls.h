#pragma once
// Calling the LISP core by name. Invoking: a chain of the function's name and its arguments goes
// to hcedInvoke; the call counts only on normal completion (and, for the typed helpers, when the
// answer has the expected type), else the caller keeps its previous values. A call marked
// "needs a document" fails without calling while the host has no document; one marked "module
// resources" runs with the host's resource lookup switched to the module's catalog. Sending: an
// expression and a carriage return are typed into the current document (activated, no wrap-up,
// not echoed) and run when the host's loop next runs the command line.

#include <optional>
#include <string>
#include <vector>

#include "host/HcResBuf.h"

namespace vox::host {

struct LispCallMarks {
  bool needsDocument = false;
  bool moduleResources = false;
};
inline constexpr LispCallMarks kNeedsDocument{true, false};
inline constexpr LispCallMarks kModuleResources{false, true};

// The answer of the LISP core function `name` called with `args`; empty when the call failed.
std::optional<HcResBufChain> invokeLispCore(const std::wstring& name, const HcResBufChain& args,
                                            LispCallMarks marks = {});

// Whether the call of a function that answers success only was made.
inline bool invokeSucceeded(const std::wstring& name, const HcResBufChain& args, LispCallMarks marks = {}) {
  return invokeLispCore(name, args, marks).has_value();
}

// The answer's single string, or its single integer; empty for any other answer.
std::optional<std::wstring> answerString(const std::optional<HcResBufChain>& answer);
std::optional<int> answerInteger(const std::optional<HcResBufChain>& answer);
// The string elements of a list answer, in order (other elements skipped); empty when the
// answer is not a list.
std::optional<std::vector<std::wstring>> answerStrings(const std::optional<HcResBufChain>& answer);

// Types `expression` followed by a carriage return into the current document, echoed on the
// command line when `echo` is set; false without a current document.
bool sendToCurrentDocument(const std::wstring& expression, bool echo = false);

// The LISP core functions made callable from outside on every document load, in order.
const std::vector<std::wstring>& exposedLispCoreFunctions();
// Has the core evaluate "(vl-dftr-defun '<name>)" through "veval-str+" for each of them; each
// failure prints "\n*** Unable to register \"<name>\" ***". The number that failed.
int exposeLispCoreFunctions();

}  // namespace vox::host
