#pragma once
// A fresh headless reference host for one test: manual clock, a settings store in a temporary
// folder, scripted answers, the shipped message catalog, the LISP interpreter on the command
// line. Everything is installed as the module's host runtime for the test's lifetime.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/interaction/FileMessageCatalog.h"
#include "platform/interaction/ScriptedInteraction.h"
#include "platform/lisp/Interpreter.h"
#include "platform/runtime/HeadlessHost.h"
#include "platform/settings/JsonSettingsStore.h"
#include "support/TempDir.h"

namespace vox::test {

class HostFixture : public ::testing::Test {
 protected:
  HostFixture();
  ~HostFixture() override;

  // Creates an empty drawing file `name` in the temporary folder and opens it as a document.
  HcDocument* openDrawing(const std::wstring& name);
  // Queues a line for the current document, runs the loop, and returns what was printed.
  std::wstring type(const std::wstring& line);

  runtime::HeadlessHost& host() { return *host_; }
  lisp::Interpreter& lisp() { return *lisp_; }

  TempDir temp;
  settings::JsonSettingsStore settings{temp.native("config")};
  interaction::ScriptedInteraction answers;
  interaction::FileMessageCatalog messages;

 private:
  std::unique_ptr<runtime::HeadlessHost> host_;
  std::unique_ptr<lisp::Interpreter> lisp_;
};

}  // namespace vox::test
