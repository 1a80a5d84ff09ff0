#include "ShellAnswers.h"

#include "platform/interaction/ScriptedInteraction.h"
#include "platform/os/CaseMapping.h"
#include "platform/textui/TextRender.h"

namespace vox::shell {
namespace {

const wchar_t* answerName(HcAnswer answer) {
  switch (answer) {
    case HcAnswer::kOk: return L"OK";
    case HcAnswer::kCancel: return L"Cancel";
    case HcAnswer::kYes: return L"Yes";
    case HcAnswer::kNo: return L"No";
    case HcAnswer::kRetry: return L"Retry";
  }
  return L"?";
}

const wchar_t* iconName(HcIcon icon) {
  switch (icon) {
    case HcIcon::kNone: return L"none";
    case HcIcon::kInformation: return L"information";
    case HcIcon::kExclamation: return L"exclamation";
    case HcIcon::kError: return L"error";
    case HcIcon::kQuestion: return L"question";
  }
  return L"?";
}

const wchar_t* buttonsName(HcButtons buttons) {
  switch (buttons) {
    case HcButtons::kOk: return L"ok";
    case HcButtons::kOkCancel: return L"ok-cancel";
    case HcButtons::kYesNo: return L"yes-no";
    case HcButtons::kYesNoCancel: return L"yes-no-cancel";
    case HcButtons::kRetryCancel: return L"retry-cancel";
  }
  return L"?";
}

// The rest of `line` after its first word when that word is `word` (ignoring case).
std::optional<std::wstring> afterWord(const std::wstring& line, const wchar_t* word) {
  const std::wstring w(word);
  if (line.size() <= w.size() || line[w.size()] != L' ' || !os::iequals(line.substr(0, w.size()), w)) return std::nullopt;
  const std::size_t start = line.find_first_not_of(L' ', w.size());
  return start == std::wstring::npos ? std::wstring() : line.substr(start);
}

bool isDialogAnswer(const std::wstring& line) {
  for (const wchar_t* verb : {L"set", L"press", L"tab", L"browse"})
    if (afterWord(line, verb)) return true;
  return os::iequals(line, L"cancel");
}

bool isMenuAnswer(const std::wstring& line) {
  if (afterWord(line, L"choose")) return true;
  if (os::iequals(line, L"none") || line == L"-") return true;
  return !line.empty() && line.find_first_not_of(L"0123456789") == std::wstring::npos;
}

}  // namespace

std::optional<HcAnswer> buttonAnswer(const std::wstring& line) {
  for (const HcAnswer answer : {HcAnswer::kOk, HcAnswer::kCancel, HcAnswer::kYes, HcAnswer::kNo, HcAnswer::kRetry})
    if (os::iequals(line, answerName(answer))) return answer;
  return std::nullopt;
}

std::wstring messageBoxTrace(const std::wstring& text, HcIcon icon, HcButtons buttons, HcAnswer answer) {
  return std::wstring(L"message-box ") + iconName(icon) + L' ' + buttonsName(buttons) + L' ' + textui::quoted(text) +
         L" -> " + answerName(answer);
}

std::optional<std::wstring> ShellAnswers::takeIf(const std::function<bool(const std::wstring&)>& fits,
                                                 bool scriptLinesToo) {
  if (!queue_.empty()) {
    if (!fits(queue_.front())) return std::nullopt;
    std::wstring line = std::move(queue_.front());
    queue_.pop_front();
    return line;
  }
  if (!scriptLinesToo || input_ == nullptr || input_->interactive()) return std::nullopt;
  const std::optional<std::wstring>& next = input_->peek();
  if (!next) return std::nullopt;
  std::optional<std::wstring> answer = afterWord(*next, L"answer");
  if (!answer || !fits(*answer)) return std::nullopt;
  input_->take();
  return answer;
}

void ShellAnswers::showReport(const std::wstring& text, const std::wstring& caption, HcIcon /*icon*/) {
  if (!output_) return;
  std::wstring block = L"report " + textui::quoted(caption) + L"\n";
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    block += L"  " + line + L"\n";
    start = end + 1;
  }
  output_(block);
}

HcAnswer ShellAnswers::messageBox(const std::wstring& text, const std::wstring& caption, HcIcon icon,
                                  HcButtons buttons) {
  const auto fits = [&](const std::wstring& line) {
    const std::optional<HcAnswer> answer = buttonAnswer(line);
    return answer && interaction::offers(buttons, *answer);
  };
  HcAnswer answer = interaction::defaultAnswer(buttons);
  if (const std::optional<std::wstring> line = takeIf(fits, true)) {
    answer = *buttonAnswer(*line);
  } else if (queue_.empty() && terminal_ != nullptr) {
    answer = terminal_->messageBox(text, caption, icon, buttons);
  }
  if (trace_) trace_(messageBoxTrace(text, icon, buttons, answer));
  return answer;
}

std::optional<std::wstring> ShellAnswers::reply(const std::wstring& title) {
  std::optional<std::wstring> line = takeIf([](const std::wstring& l) { return !buttonAnswer(l); }, true);
  if (line && *line == L"-") line.reset();
  if (trace_) trace_(L"chooser " + textui::quoted(title) + L" -> " + (line ? textui::quoted(*line) : L"none"));
  return line;
}

std::optional<std::wstring> ShellAnswers::chooseFile(const std::wstring& title, const std::wstring& startPath,
                                                     const std::wstring& filter, bool forSaving) {
  if (queue_.empty() && terminal_ != nullptr && (input_ == nullptr || input_->interactive()))
    return terminal_->chooseFile(title, startPath, filter, forSaving);
  return reply(title);
}

std::optional<std::wstring> ShellAnswers::chooseFolder(const std::wstring& title, const std::wstring& startFolder) {
  if (queue_.empty() && terminal_ != nullptr && (input_ == nullptr || input_->interactive()))
    return terminal_->chooseFolder(title, startFolder);
  return reply(title);
}

std::optional<std::wstring> ShellAnswers::prompt(const std::wstring& text, const std::wstring& defaultValue) {
  if (queue_.empty() && terminal_ != nullptr && (input_ == nullptr || input_->interactive()))
    return terminal_->prompt(text, defaultValue);
  return reply(text);
}

std::optional<std::wstring> ShellAnswers::next(textui::AnswerKind kind) {
  const bool menu = kind == textui::AnswerKind::kMenu;
  // A line may repeat the control's verb ("menu choose 3", "dialog set name X").
  const auto strip = [&](const std::wstring& line) {
    if (menu) {
      if (auto rest = afterWord(line, L"palette")) return *rest;
      if (auto rest = afterWord(line, L"menu")) return *rest;
    } else if (auto rest = afterWord(line, L"dialog")) {
      return *rest;
    }
    return line;
  };
  const auto fits = [&](const std::wstring& line) { return menu ? isMenuAnswer(strip(line)) : isDialogAnswer(strip(line)); };
  if (input_ != nullptr && input_->interactive() && queue_.empty()) {
    if (terminal_ == nullptr) return std::nullopt;
    const std::optional<std::wstring> line = input_->take();
    return line ? std::optional<std::wstring>(strip(*line)) : std::nullopt;
  }
  if (std::optional<std::wstring> line = takeIf(fits, true)) return strip(*line);
  // In a script the control's own verb line may follow directly, without "answer".
  if (!queue_.empty() || input_ == nullptr || input_->interactive()) return std::nullopt;
  const std::optional<std::wstring>& next = input_->peek();
  const wchar_t* verb = menu ? L"palette" : L"dialog";
  if (!next || !afterWord(*next, verb) || !fits(*next)) return std::nullopt;
  return strip(*input_->take());
}

std::optional<std::wstring> ShellAnswers::pick(const std::wstring& prompt) {
  if (queue_.empty() && terminal_ != nullptr && (input_ == nullptr || input_->interactive()))
    return terminal_->prompt(prompt, L"");
  const auto fits = [](const std::wstring& line) { return afterWord(line, L"pick").has_value(); };
  std::optional<std::wstring> line = takeIf(fits, true);
  if (!line && queue_.empty() && input_ != nullptr && !input_->interactive()) {
    const std::optional<std::wstring>& next = input_->peek();
    if (next && fits(*next)) line = input_->take();
  }
  return line ? afterWord(*line, L"pick") : std::nullopt;
}

}  // namespace vox::shell
