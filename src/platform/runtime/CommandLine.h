#pragma once
// The reference host's command line. Input arrives as text for a document (typed, sent by the
// module, or read from a script) and runs when the loop next runs: a line beginning with "(" is
// a LISP expression, "!" followed by an expression evaluates it too (so "!x" shows the variable x),
// anything else is a command and its arguments. A command that wants an
// argument it was not given takes the next input line. The document is busy while a line runs.
//
// Host commands: OPEN path (opens a drawing as the current document), CLOSE (closes the current
// document), SCRIPT / VOX_SCRIPT path (runs the lines of a script file). Other names are looked
// up in the command stack.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "host/HcDocument.h"
#include "host/HcEventLoop.h"

namespace vox::runtime {

class HeadlessCommandStack;
class HeadlessDocManager;
class HeadlessEditor;

class CommandLine {
 public:
  // Evaluates an expression and prints its answer; false when it failed.
  using LispEvaluator = std::function<bool(HcDocument* doc, const std::wstring& expression)>;
  using Output = std::function<void(const std::wstring& text)>;

  CommandLine(HcEventLoop& loop, HeadlessCommandStack& commands, HeadlessEditor& editor);

  void setDocuments(HeadlessDocManager* documents) { documents_ = documents; }
  void setLispEvaluator(LispEvaluator evaluator) { evaluateLisp_ = std::move(evaluator); }
  // Where printed text goes besides the transcript (the shell's terminal).
  void setOutput(Output output) { output_ = std::move(output); }

  // Queues input for `doc` (null: the current document); it runs at the loop's next turn.
  void queue(HcDocument* doc, const std::wstring& text, bool echo);
  // Runs one line now.
  void execute(HcDocument* doc, const std::wstring& line);
  // Runs a command by name with arguments now (the host's hcedCommand).
  int runCommand(HcDocument* doc, const std::wstring& name, std::vector<std::wstring> args);

  void print(const std::wstring& text);
  const std::wstring& transcript() const { return transcript_; }
  // Lines that failed so far: a LISP error, an unknown command, a drawing or script that could
  // not be opened.
  std::size_t failures() const { return failures_; }
  void clearTranscript() { transcript_.clear(); }

 private:
  struct Input {
    HcDocument* doc;
    std::wstring line;
    bool echo;
  };
  using Builtin = void (CommandLine::*)(HcDocument*, const std::wstring&);

  void drain();
  void executeCommand(HcDocument* doc, const std::wstring& name, std::vector<std::wstring> args);
  static bool isHostCommand(const std::wstring& name);
  bool runBuiltin(HcDocument* doc, const std::wstring& name, std::vector<std::wstring>& args);
  void openDrawing(HcDocument* doc, const std::wstring& path);
  void runScript(HcDocument* doc, const std::wstring& path);
  void setBusy(HcDocument* doc, bool busy);

  HcEventLoop& loop_;
  HeadlessCommandStack& commands_;
  HeadlessEditor& editor_;
  HeadlessDocManager* documents_ = nullptr;
  LispEvaluator evaluateLisp_;
  Output output_;
  std::deque<Input> pending_;
  bool drainPosted_ = false;
  Builtin waitingForArgument_ = nullptr;
  int scriptDepth_ = 0;
  std::size_t failures_ = 0;
  std::wstring transcript_;
};

// Splits a command line into words; double quotes group a word (and are removed).
std::vector<std::wstring> splitCommandWords(const std::wstring& line);

}  // namespace vox::runtime
