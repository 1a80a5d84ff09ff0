#pragma once
// One run of the shell: the reference host with its stand-ins, the module loaded into it, the
// command line fed line by line from a script or the terminal, its output on stdout. Every
// document that opens is announced to the module; at the end the module is unloaded (its locks
// released) and the documents closed.

#include <istream>
#include <memory>

#include "LoadedModule.h"
#include "ShellOptions.h"
#include "platform/assembly/ReferenceHost.h"

namespace vox::shell {

class ShellSession {
 public:
  ShellSession(const ShellOptions& options, HcInteraction& interaction);
  ~ShellSession();
  ShellSession(const ShellSession&) = delete;
  ShellSession& operator=(const ShellSession&) = delete;

  // Loads the module; false (with a message on stderr) when it cannot be loaded.
  bool start();
  // Runs every line of `input` until its end or QUIT; the exit status.
  int run(std::istream& input);

 private:
  class DocumentLoads;
  void runLoopUntilIdle();

  const ShellOptions& options_;
  std::unique_ptr<platform::ReferenceHost> host_;
  std::unique_ptr<DocumentLoads> documentLoads_;
  LoadedModule module_;
};

}  // namespace vox::shell
