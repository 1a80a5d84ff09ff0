#include "platform/runtime/CommandLine.h"

#include "host/HcResBuf.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/Files.h"
#include "platform/os/NarrowCodec.h"
#include "platform/os/WinPath.h"
#include "platform/runtime/HeadlessCommandStack.h"
#include "platform/runtime/HeadlessDocuments.h"
#include "platform/runtime/HeadlessEditor.h"

namespace vox::runtime {
namespace {

constexpr int kMaxScriptDepth = 8;

std::wstring trimmed(const std::wstring& s) {
  const std::size_t start = s.find_first_not_of(L" \t");
  if (start == std::wstring::npos) return {};
  return s.substr(start, s.find_last_not_of(L" \t") - start + 1);
}

// Input text split at line ends; every piece is one line of input.
std::vector<std::wstring> inputLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring current;
  for (const wchar_t c : text) {
    if (c == L'\r' || c == L'\n') {
      if (!current.empty()) lines.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

}  // namespace

std::vector<std::wstring> splitCommandWords(const std::wstring& line) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool inQuotes = false, inWord = false;
  for (const wchar_t c : line) {
    if (c == L'"') {
      inQuotes = !inQuotes;
      inWord = true;
    } else if (!inQuotes && (c == L' ' || c == L'\t')) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

CommandLine::CommandLine(HcEventLoop& loop, HeadlessCommandStack& commands, HeadlessEditor& editor)
    : loop_(loop), commands_(commands), editor_(editor) {}

void CommandLine::queue(HcDocument* doc, const std::wstring& text, bool echo) {
  for (std::wstring& line : inputLines(text)) pending_.push_back({doc, std::move(line), echo});
  if (!drainPosted_) {
    drainPosted_ = true;
    loop_.post([this] { drain(); });
  }
}

void CommandLine::drain() {
  drainPosted_ = false;
  while (!pending_.empty()) {
    Input input = std::move(pending_.front());
    pending_.pop_front();
    if (input.echo) print(L"Command: " + input.line + L"\n");
    execute(input.doc, input.line);
  }
}

void CommandLine::setBusy(HcDocument* doc, bool busy) {
  // The line may have closed its own document.
  if (doc == nullptr || (documents_ != nullptr && !documents_->contains(doc))) return;
  if (auto* headless = dynamic_cast<HeadlessDocument*>(doc)) headless->setQuiescent(!busy);
}

void CommandLine::execute(HcDocument* doc, const std::wstring& rawLine) {
  if (doc == nullptr && documents_ != nullptr) doc = documents_->curDocument();
  const std::wstring line = trimmed(rawLine);
  if (line.empty()) return;
  if (waitingForArgument_ != nullptr) {
    const Builtin builtin = waitingForArgument_;
    waitingForArgument_ = nullptr;
    const std::vector<std::wstring> words = splitCommandWords(line);
    (this->*builtin)(doc, words.empty() ? std::wstring() : words.front());
    return;
  }
  if (line.front() == L'(' || line.front() == L'!') {
    const std::wstring expression = line.front() == L'!' ? line.substr(1) : line;
    setBusy(doc, true);
    editor_.notify([&](HcEditorReactor& r) { r.lispWillStart(expression); });
    if (!evaluateLisp_) {
      print(L"; error: no LISP interpreter\n");
      ++failures_;
    } else if (!evaluateLisp_(doc, expression)) {
      ++failures_;
    }
    editor_.notify([](HcEditorReactor& r) { r.lispEnded(); });
    setBusy(doc, false);
    return;
  }
  std::vector<std::wstring> words = splitCommandWords(line);
  const std::wstring name = words.front();
  words.erase(words.begin());
  executeCommand(doc, name, std::move(words));
}

int CommandLine::runCommand(HcDocument* doc, const std::wstring& name, std::vector<std::wstring> args) {
  if (doc == nullptr && documents_ != nullptr) doc = documents_->curDocument();
  if (!isHostCommand(name) && commands_.lookupCommand(name) == nullptr) return kRtError;
  executeCommand(doc, name, std::move(args));
  return kRtNorm;
}

void CommandLine::executeCommand(HcDocument* doc, const std::wstring& name, std::vector<std::wstring> args) {
  if (runBuiltin(doc, name, args)) return;
  const HcCommand* command = commands_.lookupCommand(name);
  if (command == nullptr) {
    print(L"Unknown command \"" + bareCommandName(name) + L"\".\n");
    ++failures_;
    return;
  }
  const std::function<void()> function = command->function;  // the command may remove its group
  const std::wstring commandName = command->globalName;
  setBusy(doc, true);
  editor_.notify([&](HcEditorReactor& r) { r.commandWillStart(commandName); });
  if (function) function();
  editor_.notify([&](HcEditorReactor& r) { r.commandEnded(commandName); });
  setBusy(doc, false);
  // Words after the command are its next input lines, ahead of anything queued later.
  std::vector<Input> next;
  for (std::wstring& arg : args) next.push_back({doc, std::move(arg), false});
  pending_.insert(pending_.begin(), std::make_move_iterator(next.begin()), std::make_move_iterator(next.end()));
  if (!pending_.empty() && !drainPosted_) {
    drainPosted_ = true;
    loop_.post([this] { drain(); });
  }
}

bool CommandLine::isHostCommand(const std::wstring& name) {
  const std::wstring bare = bareCommandName(name);
  for (const wchar_t* host : {L"OPEN", L"CLOSE", L"SCRIPT", L"VOX_SCRIPT"})
    if (os::iequals(bare, host)) return true;
  return false;
}

bool CommandLine::runBuiltin(HcDocument* doc, const std::wstring& name, std::vector<std::wstring>& args) {
  const std::wstring bare = bareCommandName(name);
  Builtin builtin = nullptr;
  if (os::iequals(bare, L"OPEN")) builtin = &CommandLine::openDrawing;
  if (os::iequals(bare, L"SCRIPT") || os::iequals(bare, L"VOX_SCRIPT")) builtin = &CommandLine::runScript;
  if (os::iequals(bare, L"CLOSE")) {
    if (documents_ != nullptr && documents_->curDocument() != nullptr) documents_->closeDocument(documents_->curDocument());
    return true;
  }
  if (builtin == nullptr) return false;
  if (args.empty()) {
    waitingForArgument_ = builtin;
  } else {
    (this->*builtin)(doc, args.front());
  }
  return true;
}

void CommandLine::openDrawing(HcDocument* /*doc*/, const std::wstring& path) {
  const std::wstring full = os::fullPath(os::toBackslashes(path));
  if (documents_ == nullptr) {
    print(L"Cannot open the drawing \"" + full + L"\".\n");
    ++failures_;
  } else if (documents_->appContextOpenDocument(full, false) == nullptr) {
    const std::wstring& why = documents_->lastOpenFailure();
    print(L"Cannot open the drawing \"" + full + L"\"" + (why.empty() ? L"" : L": " + why) + L".\n");
    ++failures_;
  }
}

void CommandLine::runScript(HcDocument* doc, const std::wstring& path) {
  const std::wstring full = os::fullPath(os::toBackslashes(path));
  std::string bytes;
  if (scriptDepth_ >= kMaxScriptDepth || !os::readFile(full, bytes)) {
    print(L"Cannot run the script \"" + full + L"\".\n");
    ++failures_;
    return;
  }
  ++scriptDepth_;
  for (const std::wstring& line : inputLines(os::narrowCodec().decode(bytes))) {
    HcDocument* target = documents_ != nullptr && documents_->curDocument() != nullptr ? documents_->curDocument() : doc;
    execute(target, line);
  }
  --scriptDepth_;
}

void CommandLine::print(const std::wstring& text) {
  transcript_ += text;
  if (output_) output_(text);
}

}  // namespace vox::runtime
