#pragma once
// Where the shell's questions get their answers: message boxes, choosers and prompts (as the
// host's interaction service) and the menus and dialogs of the text UI (as its answer source).
//
// Answers are lines, taken in order from: the answers file and "answer" lines run earlier in
// the script (one queue); then, in a script, the next script line when it is an "answer" line
// (or, for a menu, "palette choose N"; for a dialog, a "dialog ..." line). An answer that does
// not fit the question (a path for a yes/no box, "Yes" for an OK-only box) is left for a later
// question and the safe default is taken: Cancel, No, or OK for an OK-only box; nothing for a
// chooser, a prompt or a menu; Cancel for a dialog. Without an answers file, a person at the
// terminal is asked instead of taking the default.

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "LineInput.h"
#include "host/HcInteraction.h"
#include "platform/textui/TextUiHost.h"

namespace vox::shell {

class ShellAnswers : public HcInteraction, public textui::AnswerSource {
 public:
  using Trace = std::function<void(const std::wstring& line)>;

  // `input` (borrowed, may be null) is the script or terminal; `terminal` (borrowed, may be null)
  // asks a person when nothing is queued.
  ShellAnswers(LineInput* input, HcInteraction* terminal) : input_(input), terminal_(terminal) {}

  // Appends one answer line (a line of the answers file, or what follows "answer").
  void queue(std::wstring line) { queue_.push_back(std::move(line)); }
  std::size_t queued() const { return queue_.size(); }
  // Message boxes are reported to `trace` with their icon, buttons and answer.
  void setTrace(Trace trace) { trace_ = std::move(trace); }
  // Where a report is printed (a report is text for the user to read, not a question).
  void setOutput(Trace output) { output_ = std::move(output); }

  HcAnswer messageBox(const std::wstring& text, const std::wstring& caption, HcIcon icon, HcButtons buttons) override;
  std::optional<std::wstring> chooseFile(const std::wstring& title, const std::wstring& startPath,
                                         const std::wstring& filter, bool forSaving) override;
  std::optional<std::wstring> chooseFolder(const std::wstring& title, const std::wstring& startFolder) override;
  std::optional<std::wstring> prompt(const std::wstring& text, const std::wstring& defaultValue) override;
  // Printed as "report "caption"" and the text's lines indented by two blanks.
  void showReport(const std::wstring& text, const std::wstring& caption, HcIcon icon) override;

  std::optional<std::wstring> next(textui::AnswerKind kind) override;

  // The next answer to a pick in the drawing, a line "pick X,Y" or "pick cancel" (in a script
  // also directly as the next line): what follows "pick"; none when the next answer is no pick.
  // A person at the terminal is asked with `prompt` instead and types the point alone.
  std::optional<std::wstring> pick(const std::wstring& prompt);

 private:
  // The next answer line if `fits` accepts it (then it is used up), else none.
  std::optional<std::wstring> takeIf(const std::function<bool(const std::wstring&)>& fits, bool scriptLinesToo);
  std::optional<std::wstring> reply(const std::wstring& title);

  LineInput* input_;
  HcInteraction* terminal_;
  std::deque<std::wstring> queue_;
  Trace trace_;
  Trace output_;
};

// The button an answer line names (OK, Cancel, Yes, No, Retry, ignoring case), if any.
std::optional<HcAnswer> buttonAnswer(const std::wstring& line);
// "message-box <icon> <buttons> "text" -> <answer>": a message box in the trace.
std::wstring messageBoxTrace(const std::wstring& text, HcIcon icon, HcButtons buttons, HcAnswer answer);

}  // namespace vox::shell
