#pragma once
// The twenty functions the module defines in every document's LISP interpreter, by code 1 to 20:
// opening, closing, locking and querying projects, path conversion, the add-on's registry
// settings, the drawing settings block and the wait cursor. A missing or wrongly typed argument
// sets nil (0 for "vox_virtuallockproject") and reports the error outcome; an operation that
// runs but fails answers nil or 0 and reports success.

#include <string>
#include <vector>

namespace vox::module {

struct LispFunction {
  const wchar_t* name;
  int code;
  int (*handler)();
};

// The functions in code order.
const std::vector<LispFunction>& lispFunctions();
// Defines every function in the current document's interpreter and registers its handler.
void defineLispFunctions();
// Takes the handlers back from the interpreter (when the module is unloaded).
void removeLispHandlers();

// The start-up re-opening of the last projects ("vox_loadlastprojects"); only the first call
// does anything.
void reopenLastProjects();

}  // namespace vox::module
