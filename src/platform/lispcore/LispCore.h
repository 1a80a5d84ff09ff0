#pragma once
// The reference host's stand-in for the add-on's LISP core: the named functions the module calls,
// registered as built-ins of the interpreter, each doing the least real thing.
//
// - Recent projects: "c:wd_get_recent_prj_lst" and "c:vox_LastProjFil_upd", a list kept in the
//   settings store (see RecentProjectList.h). Update flags: "1" opened, "2" opened and made
//   active, "0" closed (the entry stays, flagged "0"), "X" removed.
// - Environment and messages: "c:wd_getenv" (settings store, else defaults derived from the user
//   folder and the block library), "c:wd_msg" (settings store, else the caller's default text),
//   "wd_1_luk4_replaceable_substitution" (%NAME% from the environment values, then the process).
// - Globals and the active project: "vox_get_var" reads a global of the current document
//   ("GBL_wd_usr" defaults to the user folder), "vox_makeproj_active" sets "GBL_wd_prj",
//   "c:vox_wdp_reread" counts re-read requests.
// - Block library: "wd_fio_does_block_exist_disk" finds NAME.dwg in the library and its
//   sub-folders ignoring case; "wd_proja_cat_legit" checks a catalog file in its "catalogs" folder.
// - Drawing defaults: the cross-reference table lists and the wire number gap setting.
// - Exposure: "veval-str+" evaluates LISP text; "vl-dftr-defun" accepts only defined functions.
// - Dialogs and features outside this system print one line naming what was asked and answer in
//   the shape the module relies on: T, or the values they were given (OK without changes); the
//   project choosers "c:vox_proj_new" and "c:vox_proj_recent" answer nil (none chosen).
//
// Every call is logged with its arguments printed as LISP text. Wrong argument types or counts
// end the call with a LISP error.
//
// Lifetime: the built-ins hold only a weak handle on the core's state. Destroying the LispCore
// before the interpreter is safe: its functions then fail with a LISP error. A call running while
// the LispCore is destroyed keeps the state alive until it returns. The interpreter must outlive
// every call into it, as usual.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/lisp/Interpreter.h"

class HcSettingsStore;

namespace vox::lispcore {

struct CoreState;

struct LispCoreContext {
  HcSettingsStore& settings;            // borrowed: where the core persists its values
  lisp::Interpreter::Print print;       // the command line; null prints nothing
  lisp::Interpreter::CurrentDocument currentDocument;  // whose globals are read and set
  std::string blockLibraryFolder;       // native folder of the block library
  std::string userFolder;               // native folder, the default of "GBL_wd_usr"
  // The process environment for substitution; null uses std::getenv.
  std::function<const char*(const char*)> processEnvironment;
};

// One call into the core: the function's name and its arguments printed as LISP text, separated
// by blanks ("" without arguments).
struct LispCoreCall {
  std::wstring name;
  std::wstring arguments;
  bool operator==(const LispCoreCall&) const = default;
};

class LispCore {
 public:
  // Registers the functions in `interpreter` (the settings store must outlive the LispCore).
  LispCore(lisp::Interpreter& interpreter, LispCoreContext context);
  ~LispCore();
  LispCore(const LispCore&) = delete;
  LispCore& operator=(const LispCore&) = delete;

  // Every call so far, oldest first.
  const std::vector<LispCoreCall>& calls() const;
  // How many re-reads of the active project were asked for ("c:vox_wdp_reread").
  std::size_t rereadRequests() const;
  // Whether "vl-dftr-defun" exposed `name` (ignoring case).
  bool isExposed(const std::wstring& name) const;

 private:
  std::shared_ptr<CoreState> state_;
};

}  // namespace vox::lispcore
