#pragma once
// A fresh headless reference host for one test: manual clock, a settings store in a temporary
// folder, scripted answers, the shipped message catalog and the LISP interpreter on the command
// line, installed as the module's host runtime for the test's lifetime. HostFixture leaves the
// LISP core and the siblings out, so a test stands in for the functions it calls itself;
// StandInHostFixture has the reference host's LISP core and sibling stand-ins.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/assembly/ReferenceHost.h"
#include "platform/interaction/ScriptedInteraction.h"
#include "support/TempDir.h"

namespace vox::test {

class HostFixture : public ::testing::Test {
 protected:
  explicit HostFixture(bool standIns = false,
                       runtime::HeadlessEventLoop::Clock clock = runtime::HeadlessEventLoop::Clock::kManual);

  // The content of a valid drawing file with nothing drawn.
  static const char* emptyDrawing();
  // Writes an empty drawing file `name` (no folder part) in the temporary folder; its full path.
  std::wstring writeDrawing(const std::wstring& name);
  // Writes an empty drawing file `name` and opens it as a document.
  HcDocument* openDrawing(const std::wstring& name);
  // Queues a line for the current document, runs the loop, and returns what was printed.
  std::wstring type(const std::wstring& line);

  runtime::HeadlessHost& host() { return reference_->runtime(); }
  lisp::Interpreter& lisp() { return reference_->lisp(); }
  const interaction::FileMessageCatalog& messages() { return reference_->messages(); }
  settings::JsonSettingsStore& settings() { return reference_->settings(); }
  lispcore::LispCore* lispCore() { return reference_->lispCore(); }
  siblings::SiblingStandIns* siblings() { return reference_->siblings(); }

  TempDir temp;
  interaction::ScriptedInteraction answers;

 private:
  std::unique_ptr<platform::ReferenceHost> reference_;
};

class StandInHostFixture : public HostFixture {
 protected:
  StandInHostFixture() : HostFixture(true) {}
};

// With the real clock, for tests of real file changes; run the loop with runUntil.
class RealClockHostFixture : public HostFixture {
 protected:
  RealClockHostFixture() : HostFixture(true, runtime::HeadlessEventLoop::Clock::kReal) {}
  // Runs the loop until `done` holds or `timeoutMs` passed; whether it holds.
  bool runUntil(const std::function<bool()>& done, int timeoutMs = 2000);
};

}  // namespace vox::test
