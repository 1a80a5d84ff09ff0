#pragma once
// Reading the arguments of a LISP-callable function strictly, one at a time, from the host's
// argument chain: a string must be a present, non-null string; an integer a 16-bit integer.

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
  std::optional<std::wstring> string();
  std::optional<std::int16_t> shortInt();
  std::optional<std::int32_t> integer();  // 16 or 32 bits
  // Moves past a nil; false (and no move) for anything else.
  bool nil();
  // Moves past a T; false (and no move) for anything else.
  bool t();
  // A list of strings only; empty for anything else.
  std::optional<std::vector<std::wstring>> strings();

 private:
  HcResBufChain chain_;
  HcResBufWalker walker_;
};

}  // namespace vox::module
