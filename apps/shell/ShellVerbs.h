#pragma once
// The shell's own verbs, read before a line goes to the host's command line:
//   palette [VERB ARGS]     the palette (see docs/shell-ui.md)
//   answer LINE             queues an answer for the next question, menu or dialog
//   trace on|off            prints queued command strings, LISP calls, sibling calls, message boxes
//   setvar NAME VALUE       sets a host system variable; getvar NAME prints one
//   new                     a new, never saved drawing becomes the current document
//   docs                    every document with its state
//   popup NAME ENTRY...     pops up a menu through the host's UI service (a test hook)
//   dialog ...              refused: dialog lines answer a dialog that is open
// A verb line that is refused prints one line saying why and changes nothing.

#include <functional>
#include <string>
#include <vector>

#include "ShellAnswers.h"
#include "platform/assembly/ReferenceHost.h"
#include "platform/textui/TextUiHost.h"

namespace vox::shell {

class ShellVerbs {
 public:
  enum class Outcome { kNotAVerb, kDone, kRefused };

  ShellVerbs(platform::ReferenceHost& host, textui::TextUiHost& ui, ShellAnswers& answers);
  ~ShellVerbs();
  ShellVerbs(const ShellVerbs&) = delete;
  ShellVerbs& operator=(const ShellVerbs&) = delete;

  // Runs `line` when it is a verb (`echo` hears it first), else answers kNotAVerb.
  Outcome run(const std::wstring& line, const std::function<void(const std::wstring&)>& echo = {});
  void setTrace(bool on);

 private:
  Outcome refuse(const std::wstring& message);
  Outcome setVariable(const std::vector<std::wstring>& args);
  Outcome getVariable(const std::vector<std::wstring>& args);
  Outcome listDocuments();
  Outcome popup(const std::vector<std::wstring>& args);
  void print(const std::wstring& text);

  platform::ReferenceHost& host_;
  textui::TextUiHost& ui_;
  ShellAnswers& answers_;
  bool trace_ = false;
};

// "ENTRY" of the popup verb: "101:Open", "102:Close:greyed", "-" (separator).
std::optional<HcMenuEntry> parsePopupEntry(const std::wstring& text);

}  // namespace vox::shell
