#pragma once
// Picks in the current drawing for the shell: the answer lines "pick X,Y" give a point in
// drawing units; for a text selection the point lies on the text, which is looked up in the
// current document's drawing (model space, nested block content too). "pick cancel", any other
// answer or none cancels the pick. Each pick prints one line: the prompt and what was picked.

#include <functional>
#include <string>

#include "ShellAnswers.h"
#include "host/HcDocument.h"
#include "host/HcEditorInput.h"

namespace vox::shell {

class ShellPicks : public HcEditorInput {
 public:
  using Output = std::function<void(const std::wstring&)>;

  // `answers` is borrowed and outlives the picks. The current drawing is the host's.
  ShellPicks(ShellAnswers& answers, Output output) : answers_(answers), output_(std::move(output)) {}

  std::optional<HcPickedPoint> getPoint(const std::wstring& prompt) override;
  std::optional<std::wstring> selectText(const std::wstring& prompt) override;

 private:
  std::optional<HcPickedPoint> answeredPoint(const std::wstring& prompt);

  ShellAnswers& answers_;
  Output output_;
};

// "12.5,30" or "12.5,30,0": the point; none for anything else.
std::optional<HcPickedPoint> parsePickPoint(const std::wstring& text);

}  // namespace vox::shell
