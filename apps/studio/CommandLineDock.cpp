#include "CommandLineDock.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "StudioTexts.h"

namespace vox::studio {
namespace {

constexpr int kHistoryBlocks = 5000;

}  // namespace

CommandInput::CommandInput(QWidget* parent) : QLineEdit(parent) {}

void CommandInput::remember(const QString& line) {
  if (!line.isEmpty() && (history_.isEmpty() || history_.back() != line)) history_ << line;
  position_ = history_.size();
}

void CommandInput::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up && position_ > 0) {
    setText(history_[--position_]);
    return;
  }
  if (event->key() == Qt::Key_Down && position_ < history_.size()) {
    ++position_;
    setText(position_ < history_.size() ? history_[position_] : QString());
    return;
  }
  QLineEdit::keyPressEvent(event);
}

CommandLineDock::CommandLineDock(Submit submit, QWidget* parent)
    : QDockWidget(studioText(StudioText::kCommandLineTitle), parent), submit_(std::move(submit)) {
  setObjectName(QStringLiteral("commandLineDock"));
  auto* content = new QWidget(this);
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  history_ = new QPlainTextEdit(content);
  history_->setObjectName(QStringLiteral("commandHistory"));
  history_->setReadOnly(true);
  history_->setMaximumBlockCount(kHistoryBlocks);
  history_->setFont(QFont(QStringLiteral("monospace")));
  input_ = new CommandInput(content);
  input_->setObjectName(QStringLiteral("commandInput"));
  input_->setPlaceholderText(studioText(StudioText::kCommandPrompt));
  input_->setFont(history_->font());
  layout->addWidget(history_, 1);
  layout->addWidget(input_);
  setWidget(content);
  connect(input_, &QLineEdit::returnPressed, this, [this] { enter(); });
}

void CommandLineDock::enter() {
  const QString line = input_->text();
  input_->remember(line);
  input_->clear();
  if (submit_) submit_(line);
}

void CommandLineDock::appendOutput(const QString& text) {
  QTextCursor end(history_->document());
  end.movePosition(QTextCursor::End);
  end.insertText(text);
  history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
}

QString CommandLineDock::historyText() const { return history_->toPlainText(); }

}  // namespace vox::studio
