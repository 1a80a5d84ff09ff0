#pragma once
// A studio for one test: a copy of the sample project in a fresh folder, its own settings folder,
// the real module loaded into a StudioHost, and the main window shown offscreen.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "MainWindow.h"
#include "StudioHost.h"
#include "support/TempDir.h"

namespace vox::studio::test {

// Runs Qt's events until `condition` holds or `timeoutMs` passed; whether it held.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 20000);

class StudioFixture : public ::testing::Test {
 protected:
  StudioFixture();
  ~StudioFixture() override;

  // Creates the host and loads the module, then the window.
  void startStudio();
  // Closes the window and unloads the module (the palette's layout is stored), then starts again
  // with the same settings folder and sample files.
  void restartStudio();
  // Types `line` into the command-line dock and presses Enter.
  void typeLine(const QString& line);
  // Opens the sample's first drawing, then the sample project as the active one, and waits for
  // both (a test failure says which did not come).
  void openSampleProject();
  QString history() const;
  // The native path of a file of the sample project's copy.
  std::string sample(const std::string& name) const { return temp_.native("Demo/" + name); }
  std::string settingsFolder() const { return temp_.native("config"); }

  StudioHost& studio() { return *studio_; }
  MainWindow& window() { return *window_; }
  void closeWindow();

 private:
  vox::test::TempDir temp_;
  std::unique_ptr<StudioHost> studio_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace vox::studio::test
