#include "platform/lisp/Value.h"

#include <algorithm>

#include "platform/os/CaseMapping.h"

namespace vox::lisp {

Value Value::t() { return Value(TrueTag{}); }
Value Value::boolean(bool b) { return b ? t() : Value(); }
Value Value::string(std::wstring text) { return Value(Str{std::move(text)}); }
Value Value::integer(std::int32_t i) { return Value(i); }
Value Value::real(double d) { return Value(d); }
Value Value::symbol(std::wstring name) { return Value(Sym{std::move(name)}); }

Result<Value> Value::list(std::vector<Value> items) {
  if (items.empty()) return Value();
  int deepest = 0;
  for (const Value& item : items) deepest = std::max(deepest, item.depth());
  if (deepest >= kMaxNesting) return makeError(L"nesting too deep");
  return Value(ListRep{std::make_shared<const std::vector<Value>>(std::move(items)), deepest + 1});
}

Kind Value::kind() const {
  // The alternatives are declared in the order of Kind.
  return static_cast<Kind>(data_.index());
}

const std::wstring* Value::stringText() const {
  const auto* s = std::get_if<Str>(&data_);
  return s != nullptr ? &s->text : nullptr;
}

const std::wstring* Value::symbolName() const {
  const auto* s = std::get_if<Sym>(&data_);
  return s != nullptr ? &s->name : nullptr;
}

std::optional<std::int32_t> Value::integer() const {
  const auto* i = std::get_if<std::int32_t>(&data_);
  return i != nullptr ? std::optional<std::int32_t>(*i) : std::nullopt;
}

std::optional<double> Value::number() const {
  if (const auto* i = std::get_if<std::int32_t>(&data_)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&data_)) return *d;
  return std::nullopt;
}

std::span<const Value> Value::items() const {
  const auto* l = std::get_if<ListRep>(&data_);
  return l != nullptr ? std::span<const Value>(*l->items) : std::span<const Value>();
}

int Value::depth() const {
  const auto* l = std::get_if<ListRep>(&data_);
  return l != nullptr ? l->depth : 0;
}

bool operator==(const Value& a, const Value& b) {
  if (a.kind() != b.kind()) return false;
  switch (a.kind()) {
    case Kind::Nil:
    case Kind::T: return true;
    case Kind::String: return *a.stringText() == *b.stringText();
    case Kind::Integer: return a.integer() == b.integer();
    case Kind::Real: return a.number() == b.number();
    case Kind::Symbol: return os::iequals(*a.symbolName(), *b.symbolName());
    case Kind::List: return std::ranges::equal(a.items(), b.items());  // depth is bounded
  }
  return false;
}

}  // namespace vox::lisp
