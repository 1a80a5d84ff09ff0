#pragma once
// Values of the reference host's LISP: nil, T, 32-bit integers, reals, strings, symbols and
// lists. The empty list is nil. Values convert to and from the host's result-buffer chains.

#include <cstdint>
#include <string>
#include <vector>

#include "host/HcResBuf.h"

namespace vox::lisp {

struct Value {
  enum class Kind { kNil, kT, kInteger, kReal, kString, kSymbol, kList };

  Kind kind = Kind::kNil;
  std::int32_t integer = 0;
  double real = 0;
  std::wstring text;        // string contents or symbol name
  std::vector<Value> list;  // never empty for kList

  static Value nil() { return {}; }
  static Value t();
  static Value ofInteger(std::int32_t i);
  static Value ofReal(double d);
  static Value ofString(std::wstring s);
  static Value symbol(std::wstring name);
  // A list of the elements; nil when there are none.
  static Value ofList(std::vector<Value> elements);

  bool isNil() const { return kind == Kind::kNil; }
  bool isNumber() const { return kind == Kind::kInteger || kind == Kind::kReal; }
  double number() const { return kind == Kind::kInteger ? integer : real; }
  // Elements of a list (none for nil).
  const std::vector<Value>& elements() const { return list; }

  bool operator==(const Value&) const = default;
};

// The chain form of a value: a list becomes list-begin, its elements, list-end.
void appendToChain(const Value& value, HcResBufChain& chain);
HcResBufChain toChain(const std::vector<Value>& values);
// The values of a chain, in order; unknown item types become nil. A missing list end closes
// the list at the end of the chain; a stray list end is skipped.
std::vector<Value> fromChain(const HcResBufChain& chain);

}  // namespace vox::lisp
