#include "platform/interaction/ScriptedInteraction.h"

namespace vox::interaction {

HcAnswer defaultAnswer(HcButtons buttons) {
  switch (buttons) {
    case HcButtons::kOk: return HcAnswer::kOk;
    case HcButtons::kYesNo: return HcAnswer::kNo;
    default: return HcAnswer::kCancel;
  }
}

bool offers(HcButtons buttons, HcAnswer answer) {
  switch (buttons) {
    case HcButtons::kOk: return answer == HcAnswer::kOk;
    case HcButtons::kOkCancel: return answer == HcAnswer::kOk || answer == HcAnswer::kCancel;
    case HcButtons::kYesNo: return answer == HcAnswer::kYes || answer == HcAnswer::kNo;
    case HcButtons::kYesNoCancel: return answer == HcAnswer::kYes || answer == HcAnswer::kNo || answer == HcAnswer::kCancel;
    case HcButtons::kRetryCancel: return answer == HcAnswer::kRetry || answer == HcAnswer::kCancel;
  }
  return false;
}

HcAnswer ScriptedInteraction::messageBox(const std::wstring& text, const std::wstring& caption, HcIcon icon,
                                         HcButtons buttons) {
  Question q{QuestionKind::kMessageBox, text, caption, icon, buttons, std::nullopt, std::nullopt, false};
  if (!queue_.empty() && queue_.front().answer && offers(buttons, *queue_.front().answer)) {
    q.answer = *queue_.front().answer;
    queue_.pop_front();
  } else {
    q.answer = defaultAnswer(buttons);
    q.byDefault = true;
  }
  asked_.push_back(q);
  return *q.answer;
}

std::optional<std::wstring> ScriptedInteraction::takeReply(QuestionKind kind, const std::wstring& text,
                                                           const std::wstring& detail) {
  Question question;
  question.kind = kind;
  question.text = text;
  question.caption = detail;
  if (!queue_.empty() && !queue_.front().answer) {
    question.reply = queue_.front().reply;
    queue_.pop_front();
  } else {
    question.byDefault = true;
  }
  asked_.push_back(question);
  return asked_.back().reply;
}

std::optional<std::wstring> ScriptedInteraction::chooseFile(const std::wstring& title, const std::wstring& startPath,
                                                            const std::wstring& /*filter*/, bool /*forSaving*/) {
  return takeReply(QuestionKind::kChooseFile, title, startPath);
}

std::optional<std::wstring> ScriptedInteraction::chooseFolder(const std::wstring& title, const std::wstring& startFolder) {
  return takeReply(QuestionKind::kChooseFolder, title, startFolder);
}

std::optional<std::wstring> ScriptedInteraction::prompt(const std::wstring& text, const std::wstring& defaultValue) {
  return takeReply(QuestionKind::kPrompt, text, defaultValue);
}

}  // namespace vox::interaction
