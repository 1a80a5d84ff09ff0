#pragma once
// The command-line dock: the host's command-line output as a read-only history, and an input
// line whose Enter hands the typed text (a command or a LISP expression) to `submit`. Up and
// Down walk through what was typed before.

#include <QDockWidget>
#include <QLineEdit>

#include <functional>

class QPlainTextEdit;

namespace vox::studio {

// The input line with the history of what was entered.
class CommandInput : public QLineEdit {
 public:
  explicit CommandInput(QWidget* parent = nullptr);
  void remember(const QString& line);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QStringList history_;
  qsizetype position_ = 0;  // history_.size() when not walking the history
};

class CommandLineDock : public QDockWidget {
 public:
  using Submit = std::function<void(const QString& line)>;

  CommandLineDock(Submit submit, QWidget* parent = nullptr);

  // Appends the host's output as it comes (it need not end lines).
  void appendOutput(const QString& text);
  QString historyText() const;
  CommandInput* input() const { return input_; }

 private:
  void enter();

  Submit submit_;
  QPlainTextEdit* history_;
  CommandInput* input_;
};

}  // namespace vox::studio
