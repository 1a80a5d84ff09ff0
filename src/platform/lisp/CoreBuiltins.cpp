// The interpreter's own functions: list building, strings, arithmetic and tests.

#include <cmath>

#include "platform/lisp/Interpreter.h"

namespace vox::lisp {
namespace {

using Args = std::vector<Value>;

Value failWith(std::wstring& error, const std::wstring& message) {
  error = message;
  return Value::nil();
}

bool allNumbers(const Args& args) {
  for (const Value& v : args)
    if (!v.isNumber()) return false;
  return true;
}

bool allIntegers(const Args& args) {
  for (const Value& v : args)
    if (v.kind != Value::Kind::kInteger) return false;
  return true;
}

// Integer arithmetic while every argument is an integer and nothing overflows; reals otherwise.
Value arithmetic(const Args& args, wchar_t op, std::wstring& error) {
  if (!allNumbers(args)) return failWith(error, std::wstring(L"bad argument type: ") + op);
  if (args.empty()) return Value::ofInteger(op == L'*' ? 1 : 0);
  if (allIntegers(args)) {
    long long acc = args[0].integer;
    if (args.size() == 1 && op == L'-') acc = -acc;
    for (std::size_t i = 1; i < args.size(); ++i) {
      const long long x = args[i].integer;
      if (op == L'/' && x == 0) return failWith(error, L"divide by zero");
      acc = op == L'+' ? acc + x : op == L'-' ? acc - x : op == L'*' ? acc * x : acc / x;
      if (acc < INT32_MIN || acc > INT32_MAX) break;
    }
    if (acc >= INT32_MIN && acc <= INT32_MAX) return Value::ofInteger(static_cast<std::int32_t>(acc));
  }
  double acc = args[0].number();
  if (args.size() == 1 && op == L'-') acc = -acc;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const double x = args[i].number();
    if (op == L'/' && x == 0) return failWith(error, L"divide by zero");
    acc = op == L'+' ? acc + x : op == L'-' ? acc - x : op == L'*' ? acc * x : acc / x;
  }
  return Value::ofReal(acc);
}

bool equalValues(const Value& a, const Value& b) {
  if (a.isNumber() && b.isNumber()) return a.number() == b.number();
  return a == b;
}

}  // namespace

void Interpreter::installCoreBuiltins() {
  defineBuiltin(L"list", [](const Args& args, std::wstring&) { return Value::ofList(args); });
  defineBuiltin(L"car", [](const Args& args, std::wstring& error) {
    if (args.size() != 1 || (args[0].kind != Value::Kind::kList && !args[0].isNil()))
      return failWith(error, L"bad argument type: car");
    return args[0].isNil() ? Value::nil() : args[0].list.front();
  });
  defineBuiltin(L"cdr", [](const Args& args, std::wstring& error) {
    if (args.size() != 1 || (args[0].kind != Value::Kind::kList && !args[0].isNil()))
      return failWith(error, L"bad argument type: cdr");
    if (args[0].isNil()) return Value::nil();
    return Value::ofList(std::vector<Value>(args[0].list.begin() + 1, args[0].list.end()));
  });
  defineBuiltin(L"cons", [](const Args& args, std::wstring& error) {
    if (args.size() != 2 || (args[1].kind != Value::Kind::kList && !args[1].isNil()))
      return failWith(error, L"bad argument type: cons");
    std::vector<Value> list{args[0]};
    list.insert(list.end(), args[1].list.begin(), args[1].list.end());
    return Value::ofList(std::move(list));
  });
  defineBuiltin(L"strcat", [](const Args& args, std::wstring& error) {
    std::wstring out;
    for (const Value& v : args) {
      if (v.kind != Value::Kind::kString) return failWith(error, L"bad argument type: strcat");
      out += v.text;
    }
    return Value::ofString(std::move(out));
  });
  for (const wchar_t op : {L'+', L'-', L'*', L'/'})
    defineBuiltin(std::wstring(1, op), [op](const Args& args, std::wstring& error) { return arithmetic(args, op, error); });
  defineBuiltin(L"=", [](const Args& args, std::wstring& error) {
    if (args.empty()) return failWith(error, L"bad argument count: =");
    for (std::size_t i = 1; i < args.size(); ++i)
      if (!equalValues(args[0], args[i])) return Value::nil();
    return Value::t();
  });
  const Builtin isNil = [](const Args& args, std::wstring& error) {
    if (args.size() != 1) return failWith(error, L"bad argument count: null");
    return args[0].isNil() ? Value::t() : Value::nil();
  };
  defineBuiltin(L"null", isNil);
  defineBuiltin(L"not", isNil);
}

}  // namespace vox::lisp
