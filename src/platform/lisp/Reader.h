#pragma once
// LISP text to values.
//
//   "a\"b"    strings, with the escapes \" \\ \n \r \t (any other escaped character stands
//             for itself)
//   -12       integers; beyond 32 bits they are read as reals
//   1.5 .5 2e3 -0.25
//             reals
//   nil T     any case
//   'x        (quote x)
//   ; ...     a comment to the end of the line
//
// Anything else between delimiters (blanks, parentheses, quotes, semicolons) is a symbol. The
// reader works with an explicit stack and stops at kMaxNesting levels, so no input can exhaust
// the call stack. Errors: "malformed list" (a list or quote left open), "extra right paren",
// "unterminated string", "nesting too deep", "number out of range: ...".

#include <string_view>
#include <vector>

#include "platform/lisp/Result.h"
#include "platform/lisp/Value.h"

namespace vox::lisp {

// Every expression of `text`, in order.
Result<std::vector<Value>> readAll(std::wstring_view text);

}  // namespace vox::lisp
