#pragma once
// Checking and reading the arguments of the core's functions.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lisp/LispValue.h"

namespace vox::lispcore {

// Whether `args` fit `pattern` (see Registrar.h); else `error` says how, naming the function.
bool checkArguments(const std::wstring& function, const std::vector<lisp::Value>& args, std::wstring_view pattern,
                    std::wstring& error);
// The arguments printed as LISP text, separated by blanks.
std::wstring printArguments(const std::vector<lisp::Value>& args);
// The elements of a list (or nil) when every one is a string.
std::optional<std::vector<std::wstring>> stringsOf(const lisp::Value& list);
// A list of strings.
lisp::Value listOfStrings(const std::vector<std::wstring>& strings);
// The text split at every ",".
std::vector<std::wstring> splitAtCommas(std::wstring_view text);

}  // namespace vox::lispcore
