#pragma once
// A fresh copy of the shipped sample project in a temporary folder, and the shell run on it with
// a script and an answers file; what the shell printed comes back as one text.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace vox::test {

class SampleShell : public ::testing::Test {
 protected:
  SampleShell() {
    std::filesystem::copy(std::filesystem::path(VOX_SOURCE_DIR) / "samples" / "Demo", temp.native("Demo"),
                          std::filesystem::copy_options::recursive);
  }
  // Runs the script `lines` with the answers file `answers`; the shell's whole output.
  std::string run(const std::vector<std::string>& lines, const std::vector<std::string>& answers) {
    writeNative(temp.native("run.scr"), joined(lines));
    writeNative(temp.native("run.ans"), joined(answers));
    ChildProcess shell(VOX_SHELL_PATH, {"--script", temp.native("run.scr"), "--answers", temp.native("run.ans")},
                       {{"VOXFOLIO_CONFIG_HOME", temp.native("config")}});
    std::string all;
    while (const std::optional<std::string> line = shell.readLine()) all += *line + "\n";
    shell.wait();
    return all;
  }
  // The lines that open the sample's first drawing and the sample project as the active one.
  std::vector<std::string> openSample() const {
    return {"OPEN " + temp.native("Demo/DEMO001.dwg"), "(vox_openproject \"" + temp.native("Demo/DEMO.wdp") + "\" 1)"};
  }
  static bool has(const std::string& out, const std::string& text) { return out.find(text) != std::string::npos; }

  TempDir temp;

 private:
  static std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
  }
};

}  // namespace vox::test
