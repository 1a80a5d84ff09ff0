#pragma once
// The text of a lock file (ours, ".FLL") or of the host's drawing lock file (".dwl"): three
// lines separated by single line feeds - login; computer, a blank, full name; date, two blanks,
// time - and the companion file names.

#include <optional>
#include <string>
#include <string_view>

namespace vox::locking {

// The parts of a lock text that callers show and compare.
struct ParsedLockText {
  std::wstring holder;     // "login(machine)"
  std::wstring machine;    // line 2 less a trailing blank
  std::wstring timeStamp;  // everything after the second line feed
};

// The parts of `text`; empty when the text is empty or has fewer than two line feeds. The
// machine part is line 2 without the blank that ends it when the full name is empty (the full
// name itself is kept whole); an empty line 2 gives an empty machine part.
std::optional<ParsedLockText> parseLockText(std::wstring_view text);

// Two identities are the same when their holders are equal ignoring case.
bool sameHolder(std::wstring_view a, std::wstring_view b);

// The lock file of `path`: the whole name followed by ".FLL" ("Plant.wdp.FLL").
std::wstring lockFilePathFor(std::wstring_view path);
// The host's drawing lock file: the drawing's path less its last 4 characters, plus ".dwl".
std::wstring drawingLockPathFor(std::wstring_view drawing);

}  // namespace vox::locking
