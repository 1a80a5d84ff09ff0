#include "platform/interaction/StreamInteraction.h"

#include <string>

#include "platform/interaction/ScriptedInteraction.h"
#include "platform/os/CaseMapping.h"
#include "platform/os/NativePath.h"

namespace vox::interaction {
namespace {

constexpr int kAttempts = 3;

const wchar_t* choices(HcButtons buttons) {
  switch (buttons) {
    case HcButtons::kOk: return L"[O]K";
    case HcButtons::kOkCancel: return L"[O]K/[C]ancel";
    case HcButtons::kYesNo: return L"[Y]es/[N]o";
    case HcButtons::kYesNoCancel: return L"[Y]es/[N]o/[C]ancel";
    case HcButtons::kRetryCancel: return L"[R]etry/[C]ancel";
  }
  return L"";
}

std::wstring trimmed(const std::wstring& s) {
  const std::size_t start = s.find_first_not_of(L" \t\r");
  if (start == std::wstring::npos) return {};
  return s.substr(start, s.find_last_not_of(L" \t\r") - start + 1);
}

}  // namespace

std::optional<HcAnswer> parseAnswer(const std::wstring& word, HcButtons buttons) {
  const std::wstring w = os::toLower(trimmed(word));
  const std::pair<const wchar_t*, HcAnswer> words[] = {
      {L"ok", HcAnswer::kOk},   {L"o", HcAnswer::kOk},    {L"cancel", HcAnswer::kCancel}, {L"c", HcAnswer::kCancel},
      {L"yes", HcAnswer::kYes}, {L"y", HcAnswer::kYes},   {L"no", HcAnswer::kNo},         {L"n", HcAnswer::kNo},
      {L"retry", HcAnswer::kRetry}, {L"r", HcAnswer::kRetry}};
  for (const auto& [text, answer] : words)
    if (w == text && offers(buttons, answer)) return answer;
  return std::nullopt;
}

std::optional<std::wstring> StreamInteraction::readLine() {
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  return os::decodeFileName(line);
}

void StreamInteraction::write(const std::wstring& text) {
  out_ << os::encodeFileName(text);
  out_.flush();
}

HcAnswer StreamInteraction::messageBox(const std::wstring& text, const std::wstring& caption, HcIcon /*icon*/,
                                       HcButtons buttons) {
  write(L"\n[" + caption + L"]\n" + text + L"\n");
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    write(std::wstring(choices(buttons)) + L": ");
    const std::optional<std::wstring> line = readLine();
    if (!line) break;
    if (const std::optional<HcAnswer> answer = parseAnswer(*line, buttons)) return *answer;
  }
  write(L"(default answer)\n");
  return defaultAnswer(buttons);
}

std::optional<std::wstring> StreamInteraction::askForText(const std::wstring& question, const std::wstring& shown) {
  write(question + (shown.empty() ? L"" : L" <" + shown + L">") + L": ");
  const std::optional<std::wstring> line = readLine();
  if (!line) return std::nullopt;
  const std::wstring answer = trimmed(*line);
  if (answer.empty()) return std::nullopt;
  return answer;
}

std::optional<std::wstring> StreamInteraction::chooseFile(const std::wstring& title, const std::wstring& startPath,
                                                          const std::wstring& /*filter*/, bool /*forSaving*/) {
  return askForText(title, startPath);
}

std::optional<std::wstring> StreamInteraction::chooseFolder(const std::wstring& title, const std::wstring& startFolder) {
  return askForText(title, startFolder);
}

std::optional<std::wstring> StreamInteraction::prompt(const std::wstring& text, const std::wstring& defaultValue) {
  const std::optional<std::wstring> answer = askForText(text, defaultValue);
  return answer ? answer : std::optional<std::wstring>(defaultValue);
}

}  // namespace vox::interaction
