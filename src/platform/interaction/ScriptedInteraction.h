#pragma once
// Answers questions from a queue that a test fills, and records every question. When the queue
// is empty, or its next answer does not fit the question (a path for a yes/no box, "Yes" for an
// OK-only box), the safe default is taken (Cancel, No, or OK for an OK-only box; nothing for a
// chooser or prompt) and the question is marked as answered by default.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "host/HcInteraction.h"

namespace vox::interaction {

enum class QuestionKind { kMessageBox, kChooseFile, kChooseFolder, kPrompt };

struct Question {
  QuestionKind kind = QuestionKind::kMessageBox;
  std::wstring text;     // message text, chooser title or prompt text
  std::wstring caption;  // message caption, start path or default value
  HcIcon icon = HcIcon::kNone;
  HcButtons buttons = HcButtons::kOk;
  std::optional<HcAnswer> answer;    // message boxes
  std::optional<std::wstring> reply;  // choosers and prompts
  bool byDefault = false;
};

// The safe answer to a message box with these buttons.
HcAnswer defaultAnswer(HcButtons buttons);
// Whether `answer` is one of the buttons.
bool offers(HcButtons buttons, HcAnswer answer);

class ScriptedInteraction : public HcInteraction {
 public:
  void queueAnswer(HcAnswer answer) { queue_.push_back(Queued{answer, std::nullopt}); }
  // A path or text; nullopt queues "cancel" for a chooser or prompt.
  void queueReply(std::optional<std::wstring> reply) { queue_.push_back(Queued{std::nullopt, std::move(reply)}); }

  HcAnswer messageBox(const std::wstring& text, const std::wstring& caption, HcIcon icon, HcButtons buttons) override;
  std::optional<std::wstring> chooseFile(const std::wstring& title, const std::wstring& startPath,
                                         const std::wstring& filter, bool forSaving) override;
  std::optional<std::wstring> chooseFolder(const std::wstring& title, const std::wstring& startFolder) override;
  std::optional<std::wstring> prompt(const std::wstring& text, const std::wstring& defaultValue) override;

  const std::vector<Question>& asked() const { return asked_; }
  std::size_t unusedAnswers() const { return queue_.size(); }

 private:
  struct Queued {
    std::optional<HcAnswer> answer;
    std::optional<std::wstring> reply;
  };
  std::optional<std::wstring> takeReply(QuestionKind kind, const std::wstring& text, const std::wstring& detail);

  std::deque<Queued> queue_;
  std::vector<Question> asked_;
};

}  // namespace vox::interaction
