#include "platform/lisp/Interpreter.h"

#include <utility>

#include "platform/lisp/LispReader.h"

namespace vox::lisp {

// Ends an evaluation with a message.
class Interpreter::Failure {
 public:
  explicit Failure(std::wstring text) : message(std::move(text)) {}
  std::wstring message;
};

Interpreter::Interpreter(CurrentDocument currentDocument, Print print)
    : currentDocument_(std::move(currentDocument)), print_(std::move(print)) {
  installCoreBuiltins();
}

Interpreter::Environment& Interpreter::environment() { return environments_[currentDocument_ ? currentDocument_() : nullptr]; }

const Interpreter::Environment* Interpreter::environmentOf(const void* document) const {
  const auto it = environments_.find(document);
  return it == environments_.end() ? nullptr : &it->second;
}

void Interpreter::defineBuiltin(const std::wstring& name, Builtin builtin) { builtins_[name] = std::move(builtin); }

void Interpreter::setGlobal(const void* document, const std::wstring& name, Value value) {
  environments_[document].globals[name] = std::move(value);
}

std::optional<Value> Interpreter::global(const void* document, const std::wstring& name) const {
  const Environment* env = environmentOf(document);
  if (env == nullptr) return std::nullopt;
  const auto it = env->globals.find(name);
  if (it == env->globals.end()) return std::nullopt;
  return it->second;
}

void Interpreter::forgetDocument(const void* document) { environments_.erase(document); }

bool Interpreter::isDefined(const void* document, const std::wstring& name) const {
  const Environment* env = environmentOf(document);
  return env != nullptr && (env->functions.count(name) > 0 || env->lambdas.count(name) > 0);
}

int Interpreter::defun(const std::wstring& name, int code) {
  if (name.empty()) return kRtError;
  Environment& env = environment();
  env.functions[name] = code;
  env.lambdas.erase(name);
  return kRtNorm;
}

int Interpreter::regFunc(HcLispHandler handler, int code) {
  if (handler) {
    handlers_[code] = std::move(handler);
  } else {
    handlers_.erase(code);  // a module that goes away takes its handlers along
  }
  return kRtNorm;
}

int Interpreter::setResult(HcResBufChain result) {
  result_ = std::move(result);
  return kRtNorm;
}

bool Interpreter::evaluateLine(const std::wstring& text) {
  const ReadResult read = readAll(text);
  if (!read.ok()) {
    if (print_) print_(L"; error: " + read.error + L"\n");
    return false;
  }
  Value last;
  for (const Value& expression : read.values) {
    std::wstring error;
    if (!evaluate(expression, last, error)) {
      if (print_) print_(L"; error: " + error + L"\n");
      return false;
    }
  }
  if (print_ && !read.values.empty()) print_(print(last) + L"\n");
  return true;
}

bool Interpreter::evaluate(const Value& expression, Value& result, std::wstring& error) {
  try {
    result = eval(expression);
    return true;
  } catch (const Failure& failure) {
    error = failure.message;
    return false;
  }
}

int Interpreter::invoke(const HcResBufChain& call, HcResBufChain& result) {
  const int status = invokeUnobserved(call, result);
  if (invokeObserver_) invokeObserver_(call, status, result);
  return status;
}

int Interpreter::invokeUnobserved(const HcResBufChain& call, HcResBufChain& result) {
  std::vector<Value> values = fromChain(call);
  if (values.empty() || values.front().kind != Value::Kind::kString) return kRtError;
  const std::wstring name = values.front().text;
  values.erase(values.begin());
  try {
    result = toChain({this->call(name, values)});
    return kRtNorm;
  } catch (const Failure&) {
    return kRtError;
  }
}

Value Interpreter::eval(const Value& expression) {
  if (depth_ >= kMaxEvaluationDepth) throw Failure(L"evaluation too deep");
  struct Level {
    std::size_t& depth;
    explicit Level(std::size_t& d) : depth(++d) {}
    ~Level() { --depth; }
  } level(depth_);
  switch (expression.kind) {
    case Value::Kind::kSymbol: {
      const auto& globals = environment().globals;
      const auto it = globals.find(expression.text);
      return it == globals.end() ? Value::nil() : it->second;
    }
    case Value::Kind::kList: return evalList(expression);
    default: return expression;
  }
}

Value Interpreter::evalList(const Value& expression) {
  const std::vector<Value>& form = expression.list;
  if (form.front().kind != Value::Kind::kSymbol) throw Failure(L"bad function: " + print(form.front()));
  const std::wstring& name = form.front().text;
  bool handled = false;
  Value value = special(name, form, handled);
  if (handled) return value;
  std::vector<Value> args;
  for (std::size_t i = 1; i < form.size(); ++i) args.push_back(eval(form[i]));
  return call(name, args);
}

// Forms whose arguments are not all evaluated first.
Value Interpreter::special(const std::wstring& name, const std::vector<Value>& form, bool& handled) {
  handled = true;
  if (os::iequals(name, L"quote")) {
    if (form.size() != 2) throw Failure(L"bad argument count: quote");
    return form[1];
  }
  if (os::iequals(name, L"setq")) {
    if (form.size() % 2 != 1) throw Failure(L"bad argument count: setq");
    Value value;
    for (std::size_t i = 1; i < form.size(); i += 2) {
      if (form[i].kind != Value::Kind::kSymbol) throw Failure(L"bad argument type: setq " + print(form[i]));
      value = eval(form[i + 1]);
      environment().globals[form[i].text] = value;
    }
    return value;
  }
  if (os::iequals(name, L"progn")) {
    Value value;
    for (std::size_t i = 1; i < form.size(); ++i) value = eval(form[i]);
    return value;
  }
  if (os::iequals(name, L"defun")) return defineLambda(form);
  if (os::iequals(name, L"if")) {
    if (form.size() < 3 || form.size() > 4) throw Failure(L"bad argument count: if");
    if (!eval(form[1]).isNil()) return eval(form[2]);
    return form.size() == 4 ? eval(form[3]) : Value::nil();
  }
  handled = false;
  return {};
}

Value Interpreter::call(const std::wstring& name, const std::vector<Value>& args) {
  const Environment& env = environment();
  if (const auto fn = env.functions.find(name); fn != env.functions.end()) return callHandler(fn->second, name, args);
  if (const auto fn = env.lambdas.find(name); fn != env.lambdas.end()) {
    const Lambda lambda = fn->second;  // the body may redefine it
    return callLambda(lambda, name, args);
  }
  if (const auto builtin = builtins_.find(name); builtin != builtins_.end()) {
    std::wstring error;
    const Builtin function = builtin->second;  // it may redefine itself
    Value value = function(args, error);
    if (!error.empty()) throw Failure(error);
    return value;
  }
  throw Failure(L"no function definition: " + name);
}

// (defun name (params / locals) body...): defines `name` in the current document; answers the
// name as a symbol.
Value Interpreter::defineLambda(const std::vector<Value>& form) {
  if (form.size() < 3) throw Failure(L"bad argument count: defun");
  const Value& name = form[1];
  if (name.kind != Value::Kind::kSymbol || !(form[2].isNil() || form[2].kind == Value::Kind::kList))
    throw Failure(L"bad argument type: defun");
  Lambda lambda;
  bool inLocals = false;
  for (const Value& symbol : form[2].list) {
    if (symbol.kind != Value::Kind::kSymbol) throw Failure(L"bad argument type: defun " + print(symbol));
    if (symbol.text == L"/" && !inLocals) {
      inLocals = true;
      continue;
    }
    (inLocals ? lambda.locals : lambda.parameters).push_back(symbol.text);
  }
  lambda.body.assign(form.begin() + 3, form.end());
  Environment& env = environment();
  env.functions.erase(name.text);
  env.lambdas[name.text] = std::move(lambda);
  return Value::symbol(os::toUpper(name.text));
}

// The values a call's parameters and locals hid, put back when the call ends however it ends.
class Interpreter::Bindings {
 public:
  Bindings(Interpreter& lisp, const void* document) : lisp_(lisp), document_(document) {}
  Bindings(const Bindings&) = delete;
  Bindings& operator=(const Bindings&) = delete;
  void bind(const std::wstring& name, Value value) {
    auto& globals = lisp_.environments_[document_].globals;
    const auto it = globals.find(name);
    saved_.emplace_back(name, it == globals.end() ? std::nullopt : std::optional<Value>(it->second));
    globals[name] = std::move(value);
  }
  ~Bindings() {
    const auto env = lisp_.environments_.find(document_);
    if (env == lisp_.environments_.end()) return;  // the document went away meanwhile
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) {
        env->second.globals[it->first] = std::move(*it->second);
      } else {
        env->second.globals.erase(it->first);
      }
    }
  }

 private:
  Interpreter& lisp_;
  const void* document_;
  std::vector<std::pair<std::wstring, std::optional<Value>>> saved_;
};

Value Interpreter::callLambda(const Lambda& lambda, const std::wstring& name, const std::vector<Value>& args) {
  if (args.size() < lambda.parameters.size()) throw Failure(L"too few arguments: " + name);
  if (args.size() > lambda.parameters.size()) throw Failure(L"too many arguments: " + name);
  Bindings bindings(*this, currentDocument_ ? currentDocument_() : nullptr);
  for (std::size_t i = 0; i < args.size(); ++i) bindings.bind(lambda.parameters[i], args[i]);
  for (const std::wstring& local : lambda.locals) bindings.bind(local, Value::nil());
  Value value;
  for (const Value& expression : lambda.body) value = eval(expression);
  return value;
}

Value Interpreter::callHandler(int code, const std::wstring& name, const std::vector<Value>& args) {
  const auto handler = handlers_.find(code);
  if (handler == handlers_.end()) throw Failure(L"no function definition: " + name);
  // A handler may call back into LISP: keep the outer call's arguments and result.
  HcResBufChain savedArguments = std::exchange(arguments_, toChain(args));
  std::optional<HcResBufChain> savedResult = std::exchange(result_, std::nullopt);
  std::wstring savedReason = std::exchange(failureReason_, std::wstring());
  const HcLispHandler function = handler->second;
  const int status = function();
  std::optional<HcResBufChain> answer = std::exchange(result_, std::move(savedResult));
  const std::wstring reason = std::exchange(failureReason_, std::move(savedReason));
  arguments_ = std::move(savedArguments);
  if (status != kRsResult || !answer) throw Failure(L"function failed: " + name + (reason.empty() ? L"" : L": " + reason));
  const std::vector<Value> values = fromChain(*answer);
  return values.empty() ? Value::nil() : values.front();
}

}  // namespace vox::lisp
