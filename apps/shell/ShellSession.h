#pragma once
// One run of the shell: the reference host with its stand-ins, the module loaded into it, the
// text UI, and the input lines fed one by one from a script or the terminal, output on stdout.
// A line is one of the shell's own verbs or goes to the host's command line. Every document
// that opens is announced to the module; at the end the module is unloaded (its locks released)
// and the documents closed.

#include <istream>
#include <memory>

#include "LineInput.h"
#include "LoadedModule.h"
#include "ShellAnswers.h"
#include "ShellOptions.h"
#include "ShellPicks.h"
#include "ShellVerbs.h"
#include "platform/assembly/ReferenceHost.h"
#include "platform/settings/PaletteLayoutStore.h"
#include "platform/textui/TextUiHost.h"

namespace vox::shell {

class ShellSession {
 public:
  // Lines come from `input`; `interactive` when a person types them. Answers come from
  // `answerLines` (the answers file) first.
  ShellSession(const ShellOptions& options, std::istream& input, bool interactive,
               const std::vector<std::wstring>& answerLines);
  ~ShellSession();
  ShellSession(const ShellSession&) = delete;
  ShellSession& operator=(const ShellSession&) = delete;

  // Loads the module; false (with a message on stderr) when it cannot be loaded.
  bool start();
  // Runs every input line until the end or QUIT; the exit status: 0, or 1 when a line failed.
  int run();

 private:
  class DocumentLoads;
  void runLoopUntilIdle();

  const ShellOptions& options_;
  LineInput input_;
  std::unique_ptr<HcInteraction> terminal_;
  ShellAnswers answers_;
  ShellPicks picks_;
  settings::PaletteLayoutStore layouts_;
  textui::TextUiHost ui_;
  std::unique_ptr<platform::ReferenceHost> host_;
  std::unique_ptr<DocumentLoads> documentLoads_;
  std::unique_ptr<ShellVerbs> verbs_;
  LoadedModule module_;
  bool failed_ = false;
};

}  // namespace vox::shell
