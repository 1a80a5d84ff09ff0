#pragma once
// LISP values as they cross the host boundary: a chain of (type code, value) items. Lists are
// flat: a list-begin item, the elements, a list-end item. The chain is a value type; building
// and walking it needs no release calls.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// Type codes of chain items and result codes of host calls.
enum HcResType : int {
  kRtNone = 5000,
  kRtReal = 5001,
  kRtShort = 5003,  // 16-bit integer
  kRtStr = 5005,
  kRtLong = 5010,  // 32-bit integer
  kRtListBegin = 5016,
  kRtListEnd = 5017,
  kRtNil = 5019,
  kRtT = 5021,
};
inline constexpr int kRtNorm = 5100;    // normal completion
inline constexpr int kRtError = -5001;  // the call failed

// One item: a type code and, for strings and numbers, the value.
struct HcResBuf {
  int type = kRtNone;
  std::variant<std::monostate, std::wstring, std::int16_t, std::int32_t, double> value;

  const std::wstring* string() const { return std::get_if<std::wstring>(&value); }
  // The integer of a 16-bit or 32-bit item.
  std::optional<std::int32_t> integer() const;
  // The number of an integer or real item.
  std::optional<double> number() const;

  bool operator==(const HcResBuf&) const = default;
};

class HcResBufChain {
 public:
  HcResBufChain() = default;

  HcResBufChain& str(std::wstring s);
  HcResBufChain& shortInt(std::int16_t i);
  HcResBufChain& longInt(std::int32_t i);
  HcResBufChain& real(double d);
  HcResBufChain& nil();
  HcResBufChain& t();
  HcResBufChain& beginList();
  HcResBufChain& endList();
  HcResBufChain& add(HcResBuf item);
  HcResBufChain& append(const HcResBufChain& other);

  const std::vector<HcResBuf>& items() const { return items_; }
  bool empty() const { return items_.empty(); }
  std::size_t size() const { return items_.size(); }
  const HcResBuf& operator[](std::size_t i) const { return items_[i]; }

  // The chain written as LISP text: ("a" 1 2.5 nil T ("x" 2)).
  std::wstring toLispText() const;

  bool operator==(const HcResBufChain&) const = default;

 private:
  std::vector<HcResBuf> items_;
};

// LISP text of a string (quoted, with \" \\ \n \r \t \e escapes) and of a real (a decimal
// point or exponent always, up to 6 significant digits; infinity as 1.0e999).
std::wstring hcLispQuoted(const std::wstring& s);
std::wstring hcLispReal(double d);

// Reads a chain from the front, one value at a time; a list counts as one value.
class HcResBufWalker {
 public:
  explicit HcResBufWalker(const HcResBufChain& chain) : chain_(chain) {}

  bool atEnd() const { return pos_ >= chain_.size(); }
  // The next item without moving; null at the end.
  const HcResBuf* peek() const { return atEnd() ? nullptr : &chain_[pos_]; }
  // The next item, moving past it; null at the end. A list-begin item is returned alone.
  const HcResBuf* next();
  // The next value when it is a string / an integer; otherwise nothing and no move.
  std::optional<std::wstring> nextString();
  std::optional<std::int32_t> nextInteger();
  // The next value as its own chain (a whole list for a list-begin item), moving past it.
  HcResBufChain nextValue();
  // Moves past the next value (a whole list for a list-begin item); false at the end.
  bool skipValue();

 private:
  const HcResBufChain& chain_;
  std::size_t pos_ = 0;
};
