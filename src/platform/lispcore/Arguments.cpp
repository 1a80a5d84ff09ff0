#include "platform/lispcore/Arguments.h"

#include "platform/lisp/LispReader.h"

namespace vox::lispcore {
namespace {

using lisp::Value;

bool fits(const Value& value, wchar_t code) {
  switch (code) {
    case L's': return value.kind == Value::Kind::kString;
    case L'S': return value.kind == Value::Kind::kString || value.isNil();
    case L'i': return value.kind == Value::Kind::kInteger;
    case L'l': return value.kind == Value::Kind::kList || value.isNil();
    case L'b': return value.kind == Value::Kind::kT || value.isNil();
    default: return true;
  }
}

}  // namespace

bool checkArguments(const std::wstring& function, const std::vector<Value>& args, std::wstring_view pattern,
                    std::wstring& error) {
  const bool open = !pattern.empty() && pattern.back() == L'*';
  const std::size_t fixed = pattern.size() - (open ? 1 : 0);
  if (args.size() < fixed || (!open && args.size() > fixed)) {
    error = L"bad argument count: " + function;
    return false;
  }
  for (std::size_t i = 0; i < fixed; ++i) {
    if (!fits(args[i], pattern[i])) {
      error = L"bad argument type: " + function + L" " + lisp::print(args[i]);
      return false;
    }
  }
  return true;
}

std::wstring printArguments(const std::vector<Value>& args) {
  std::wstring text;
  for (const Value& arg : args) text += (text.empty() ? L"" : L" ") + lisp::print(arg);
  return text;
}

std::optional<std::vector<std::wstring>> stringsOf(const Value& list) {
  if (!list.isNil() && list.kind != Value::Kind::kList) return std::nullopt;
  std::vector<std::wstring> strings;
  for (const Value& element : list.elements()) {
    if (element.kind != Value::Kind::kString) return std::nullopt;
    strings.push_back(element.text);
  }
  return strings;
}

Value listOfStrings(const std::vector<std::wstring>& strings) {
  std::vector<Value> elements;
  for (const std::wstring& s : strings) elements.push_back(Value::ofString(s));
  return Value::ofList(std::move(elements));
}

std::vector<std::wstring> splitAtCommas(std::wstring_view text) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  for (std::size_t comma = text.find(L','); comma != std::wstring_view::npos; comma = text.find(L',', start)) {
    parts.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

}  // namespace vox::lispcore
