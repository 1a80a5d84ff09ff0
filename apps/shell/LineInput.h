#pragma once
// Input lines of the shell from a script or the terminal (UTF-8, a trailing CR dropped), with a
// look at the next line before taking it: a dialog or menu that opens while a line runs may
// take the lines that follow it when they are written as answers.

#include <istream>
#include <optional>
#include <string>

namespace vox::shell {

class LineInput {
 public:
  // `interactive`: the input is a person at a terminal, who is prompted before a line is read.
  LineInput(std::istream& in, bool interactive) : in_(in), interactive_(interactive) {}

  std::optional<std::wstring> take();
  const std::optional<std::wstring>& peek();
  bool interactive() const { return interactive_; }

 private:
  std::istream& in_;
  bool interactive_;
  std::optional<std::wstring> next_;
  bool peeked_ = false;
};

}  // namespace vox::shell
