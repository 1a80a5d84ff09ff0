#pragma once
// The reference host's LISP interpreter. Each document has its own global variables, its own
// functions defined by name and code (`defun`) and its own functions defined in LISP with
// `(defun name (params / locals) body...)`; handlers registered by code (`regFunc`) serve every
// document. The latest definition of a name wins, and a LISP definition comes before a built-in
// of the same name, so a script can replace one of the LISP core's functions. Parameters and
// locals are bound dynamically, as the host's LISP does: set for the call, restored after it. A call of a defined function hands the evaluated arguments to the handler as a
// chain; the handler answers through `setResult`. Built-ins cover what the command line and the
// module need; platform code adds named native functions with `defineBuiltin`.
// Errors end the evaluation with a message; the command line prints "; error: <message>".

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/HcLisp.h"
#include "platform/lisp/LispValue.h"
#include "platform/os/CaseMapping.h"

namespace vox::lisp {

// Nested evaluations, counted across handlers that call back into LISP.
inline constexpr std::size_t kMaxEvaluationDepth = 256;

class Interpreter : public HcLispHost {
 public:
  using CurrentDocument = std::function<const void*()>;
  using Print = std::function<void(const std::wstring&)>;
  // A native function: the evaluated arguments; a value, or an error message in `error`.
  using Builtin = std::function<Value(const std::vector<Value>& args, std::wstring& error)>;

  Interpreter(CurrentDocument currentDocument, Print print);

  // Reads and evaluates every expression of the line in the current document and prints the
  // last result, or "; error: ..." for the first failure; false after a failure.
  bool evaluateLine(const std::wstring& text);
  // Evaluates one expression; false with `error` set when it failed.
  bool evaluate(const Value& expression, Value& result, std::wstring& error);

  void defineBuiltin(const std::wstring& name, Builtin builtin);
  void setGlobal(const void* document, const std::wstring& name, Value value);
  std::optional<Value> global(const void* document, const std::wstring& name) const;
  // Forgets a closed document's globals and functions.
  void forgetDocument(const void* document);
  bool isDefined(const void* document, const std::wstring& name) const;

  int defun(const std::wstring& name, int code) override;
  int regFunc(HcLispHandler handler, int code) override;
  HcResBufChain arguments() const override { return arguments_; }
  int setResult(HcResBufChain result) override;
  void setFailureReason(const std::wstring& reason) override { failureReason_ = reason; }
  int invoke(const HcResBufChain& call, HcResBufChain& result) override;
  // Hears every call made through invoke (the module's calls into LISP) with its outcome.
  using InvokeObserver = std::function<void(const HcResBufChain& call, int status, const HcResBufChain& result)>;
  void setInvokeObserver(InvokeObserver observer) { invokeObserver_ = std::move(observer); }

 private:
  int invokeUnobserved(const HcResBufChain& call, HcResBufChain& result);
  template <typename T>
  using NameMap = std::unordered_map<std::wstring, T, os::CaseInsensitiveHash, os::CaseInsensitiveEqual>;
  // A function defined in LISP.
  struct Lambda {
    std::vector<std::wstring> parameters;
    std::vector<std::wstring> locals;
    std::vector<Value> body;
  };
  struct Environment {
    NameMap<Value> globals;
    NameMap<int> functions;  // name -> code
    NameMap<Lambda> lambdas;
  };
  class Failure;
  class Bindings;

  Value eval(const Value& expression);
  Value evalList(const Value& expression);
  Value special(const std::wstring& name, const std::vector<Value>& form, bool& handled);
  Value call(const std::wstring& name, const std::vector<Value>& args);
  Value defineLambda(const std::vector<Value>& form);
  Value callLambda(const Lambda& lambda, const std::wstring& name, const std::vector<Value>& args);
  Value callHandler(int code, const std::wstring& name, const std::vector<Value>& args);
  Environment& environment();
  const Environment* environmentOf(const void* document) const;
  void installCoreBuiltins();

  CurrentDocument currentDocument_;
  Print print_;
  std::map<const void*, Environment> environments_;
  std::map<int, HcLispHandler> handlers_;
  NameMap<Builtin> builtins_;
  HcResBufChain arguments_;
  std::optional<HcResBufChain> result_;
  std::wstring failureReason_;
  std::size_t depth_ = 0;
  InvokeObserver invokeObserver_;
};

}  // namespace vox::lisp
