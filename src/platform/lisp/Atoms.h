#pragma once
// The reader's view of a token, the text between two delimiters: nil, T, a number or a symbol.

#include <string_view>

#include "platform/lisp/Result.h"
#include "platform/lisp/Value.h"

namespace vox::lisp {

// True for the characters that end a token.
bool isDelimiter(wchar_t c);
// True for blanks; every control character counts as one.
bool isBlank(wchar_t c);

// The value a non-empty token stands for. Fails only for numbers no real can hold.
Result<Value> atomFromToken(std::wstring_view token);

}  // namespace vox::lisp
