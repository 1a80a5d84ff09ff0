#pragma once
// The status bar's word on the command line: which command or LISP expression is running, and
// "Ready" when none is. The text is painted at once, since the command runs before the window
// would repaint by itself.

#include <QString>

#include <functional>

#include "host/HcEditor.h"

class QLabel;

namespace vox::studio {

class CommandStatus : public HcEditorReactor {
 public:
  // `finished` runs (from the loop) after each command or expression.
  CommandStatus(QLabel& label, std::function<void()> finished);

  void commandWillStart(const std::wstring& name) override;
  void commandEnded(const std::wstring& name) override;
  void lispWillStart(const std::wstring& expression) override;
  void lispEnded() override;

  bool running() const { return depth_ > 0; }

 private:
  void show(const QString& text);
  void ended();

  QLabel& label_;
  std::function<void()> finished_;
  int depth_ = 0;
};

}  // namespace vox::studio
