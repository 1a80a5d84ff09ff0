#pragma once
// A LISP value: nil, T, a string, a 32-bit integer, a real, a symbol or a list. Values are
// immutable and cheap to copy (lists share their elements). The empty list is nil, and no list
// nests deeper than kMaxNesting, so code walking a value never needs an unbounded stack.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "platform/lisp/Result.h"

namespace vox::lisp {

// How deep lists may nest, in the reader and in every list built at run time.
inline constexpr int kMaxNesting = 10000;

enum class Kind { Nil, T, String, Integer, Real, Symbol, List };

class Value {
 public:
  Value() = default;  // nil

  static Value t();
  static Value boolean(bool b);  // T or nil
  static Value string(std::wstring text);
  static Value integer(std::int32_t i);
  static Value real(double d);
  static Value symbol(std::wstring name);  // names compare ignoring case
  // The list of `items`; nil when there are none. Fails with "nesting too deep" when the list
  // would nest deeper than kMaxNesting.
  static Result<Value> list(std::vector<Value> items);

  Kind kind() const;
  bool isNil() const { return kind() == Kind::Nil; }
  bool isList() const { return kind() == Kind::List; }
  // A list or nil: something `car`, `cdr` and `cons` accept.
  bool isListOrNil() const { return isNil() || isList(); }

  // The text of a string value, the name of a symbol; null for other kinds.
  const std::wstring* stringText() const;
  const std::wstring* symbolName() const;
  std::optional<std::int32_t> integer() const;
  // The number of an integer or real value.
  std::optional<double> number() const;
  // The elements of a list; empty for every other kind.
  std::span<const Value> items() const;
  // 0 for atoms and nil, 1 + the depth of the deepest element for lists.
  int depth() const;

  // Structural equality: same kind and contents; symbols ignore case, 1 and 1.0 differ.
  friend bool operator==(const Value& a, const Value& b);

 private:
  struct TrueTag {};
  struct Str {
    std::wstring text;
  };
  struct Sym {
    std::wstring name;
  };
  struct ListRep {
    std::shared_ptr<const std::vector<Value>> items;
    int depth = 1;
  };
  using Data = std::variant<std::monostate, TrueTag, Str, std::int32_t, double, Sym, ListRep>;

  explicit Value(Data data) : data_(std::move(data)) {}

  Data data_;
};

}  // namespace vox::lisp
