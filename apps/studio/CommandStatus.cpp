#include "CommandStatus.h"

#include <QLabel>

#include "StudioTexts.h"

namespace vox::studio {

CommandStatus::CommandStatus(QLabel& label, std::function<void()> finished)
    : label_(label), finished_(std::move(finished)) {
  label_.setText(studioText(StudioText::kReady));
}

void CommandStatus::show(const QString& text) {
  label_.setText(text);
  label_.repaint();
}

void CommandStatus::commandWillStart(const std::wstring& name) {
  ++depth_;
  show(studioText(StudioText::kRunningCommand, QString::fromStdWString(name)));
}

void CommandStatus::commandEnded(const std::wstring&) { ended(); }

void CommandStatus::lispWillStart(const std::wstring& expression) {
  ++depth_;
  show(studioText(StudioText::kRunningLisp, QString::fromStdWString(expression)));
}

void CommandStatus::lispEnded() { ended(); }

void CommandStatus::ended() {
  if (depth_ > 0) --depth_;
  if (depth_ == 0) label_.setText(studioText(StudioText::kReady));
  if (finished_) finished_();
}

}  // namespace vox::studio
