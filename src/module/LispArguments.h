#pragma once
// Reading the arguments of a LISP-callable function strictly, one at a time, from the host's
// argument chain: a string must be a present, non-null string; an integer a 16-bit integer.
// Each reader names the argument it reads; the first argument that is missing or of the wrong
// type is remembered as the reason of the refusal, e.g.
// `argument 2 (activate) must be a 16-bit integer, not the string "x"`.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/HcResBuf.h"

namespace vox::module {

class LispArguments {
 public:
  explicit LispArguments(HcResBufChain chain) : chain_(std::move(chain)), walker_(chain_) {}
  LispArguments(const LispArguments&) = delete;
  LispArguments& operator=(const LispArguments&) = delete;

  bool atEnd() const { return walker_.atEnd(); }
  // The next argument without moving; null at the end.
  const HcResBuf* peek() const { return walker_.peek(); }
  // The next argument when it has the type; otherwise nothing, no move, and the reason noted.
  std::optional<std::wstring> string(const wchar_t* name);
  std::optional<std::int16_t> shortInt(const wchar_t* name);
  std::optional<std::int32_t> integer(const wchar_t* name);  // 16 or 32 bits
  // A list of exactly `count` strings.
  std::optional<std::vector<std::wstring>> strings(const wchar_t* name, std::size_t count);
  // Moves past a nil; false (and no move, nothing noted) for anything else.
  bool nil();
  // Moves past a T; false (and no move, nothing noted) for anything else.
  bool t();
  // Notes that the next argument should have been `expected` ("a path, nil or an integer").
  void refuse(const wchar_t* name, const std::wstring& expected);

  // Why the arguments were refused; empty when nothing was.
  const std::wstring& problem() const { return problem_; }

 private:
  void moved() { ++position_; }

  HcResBufChain chain_;
  HcResBufWalker walker_;
  std::size_t position_ = 1;  // of the next argument, counting from 1
  std::wstring problem_;
};

}  // namespace vox::module
