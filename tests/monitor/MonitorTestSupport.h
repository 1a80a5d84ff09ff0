#pragma once
// A monitor on a real-clock loop over a fresh folder, a sink that records what it is told, and
// bounded waits: the loop runs until the expected callback arrives or a deadline passes.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/monitor/FileMonitorService.h"
#include "platform/runtime/HeadlessEventLoop.h"
#include "support/TempDir.h"

namespace vox::monitor::test {

// Lines such as "changed <path> 0" and "renamed <old> <new>".
class RecordingSink : public HcFileMonitorSink {
 public:
  void FileChanged(const std::wstring& path, std::int32_t code) override {
    log.push_back(L"changed " + path + L" " + std::to_wstring(code));
  }
  void FileRenamed(const std::wstring& oldPath, const std::wstring& newPath) override {
    log.push_back(L"renamed " + oldPath + L" " + newPath);
  }
  bool has(const std::wstring& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }
  std::vector<std::wstring> log;
};

inline std::wstring changed(const std::wstring& path, int code) { return L"changed " + path + L" " + std::to_wstring(code); }
inline std::wstring renamed(const std::wstring& a, const std::wstring& b) { return L"renamed " + a + L" " + b; }

// Runs `fn` in a child process and waits for it.
inline void inOtherProcess(const std::function<void()>& fn) {
  const pid_t child = ::fork();
  if (child == 0) {
    fn();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
}

class MonitorFixture {
 public:
  explicit MonitorFixture(MonitorOptions options = fastOptions())
      : loop_(runtime::HeadlessEventLoop::Clock::kReal),
        service_(std::make_unique<FileMonitorService>(loop_, std::move(options))) {
    cookie_ = service_->connect(&sink_);
  }

  static MonitorOptions fastOptions() {
    MonitorOptions options;
    options.pollIntervalMs = 200;
    return options;
  }

  FileMonitorService& service() { return *service_; }
  void destroyService() { service_.reset(); }
  RecordingSink& sink() { return sink_; }
  std::uint32_t cookie() const { return cookie_; }
  const vox::test::TempDir& dir() const { return dir_; }
  runtime::HeadlessEventLoop& loop() { return loop_; }

  // True once `line` was reported; gives up after `ms`.
  bool waitFor(const std::wstring& line, int ms = 3000) {
    const std::int64_t end = loop_.nowMs() + ms;
    while (!sink_.has(line) && loop_.nowMs() < end) loop_.runOnce(50);
    return sink_.has(line);
  }
  // Runs the loop for `ms`, so late callbacks would be seen.
  void runFor(int ms) {
    const std::int64_t end = loop_.nowMs() + ms;
    while (loop_.nowMs() < end) loop_.runOnce(static_cast<int>(std::max<std::int64_t>(end - loop_.nowMs(), 1)));
  }

  void write(const std::string& name, const std::string& bytes) { vox::test::writeNative(dir_.native(name), bytes); }
  // Another file written and renamed over `name`, as an editor's safe save does it.
  void atomicSave(const std::string& name, const std::string& bytes) {
    const std::string temp = dir_.native(name + ".tmp");
    vox::test::writeNative(temp, bytes);
    std::rename(temp.c_str(), dir_.native(name).c_str());
  }

 private:
  vox::test::TempDir dir_;
  runtime::HeadlessEventLoop loop_;
  RecordingSink sink_;
  std::unique_ptr<FileMonitorService> service_;
  std::uint32_t cookie_ = 0;
};

}  // namespace vox::monitor::test
