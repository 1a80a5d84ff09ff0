#pragma once
// Reading LISP text into values and printing values as text. Nesting deeper than
// kMaxNesting is refused, so no input can exhaust the stack; open lists and quotes waiting
// for their value both count, since each quote wraps its value in one more list.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lisp/LispValue.h"

namespace vox::lisp {

inline constexpr std::size_t kMaxNesting = 1000;

struct ReadResult {
  std::vector<Value> values;
  std::wstring error;  // empty when the whole text was read
  bool ok() const { return error.empty(); }
};

// Every expression of the text, in order.
ReadResult readAll(std::wstring_view text);

// The printed form: strings quoted with escapes, reals with a decimal point.
std::wstring print(const Value& value);

}  // namespace vox::lisp
